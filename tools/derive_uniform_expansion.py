#!/usr/bin/env python3
"""Prints the Taylor coefficients in eta of the terms c_k(eta) of the uniform
expansion of the incomplete gamma integrals,

    Q(a, x) = erfc(eta sqrt(a/2)) / 2 + e^(-a eta^2/2) / sqrt(2 pi a) sum_k c_k(eta) / a^k,

with lambda = x / a = 1 + mu and eta^2 / 2 = mu - ln(1 + mu) (N. M. Temme, 1979,
"The asymptotic expansion of the incomplete gamma functions"). The terms obey
    c_0 = 1 / mu - 1 / eta,  c_k = c_{k-1}' / eta + (-1)^k g_k / mu,
g_k the coefficients of Stirling's series Gamma(a) ~ sqrt(2 pi / a) (a/e)^a sum g_k / a^k.
Everything is exact rational arithmetic: mu(eta) from the recurrence its
differential equation eta (1 + mu) = mu mu' gives, the g_k from exp of the
series of ln Gamma. First the table of mu(eta) itself (uniformExpansionLambda,
for the start of the inverse), then those of the c_k. Each table is printed highest power first, as the C++
tables in gamma_functions.cpp hold them, cut where
the terms left out, over a^k, stay below 1e-19 for |eta| <= ETA_REACH and a >= SMALLEST_SHAPE.

    python3 tools/derive_uniform_expansion.py
"""
from fractions import Fraction

import mpmath as mp

TERMS = 7          # c_0 ... c_6: the first left out is below 1e-17 from SMALLEST_SHAPE on
ETA_REACH = 0.6    # the widest |eta| the tables serve
SMALLEST_SHAPE = 100
CUT = 1e-19        # for c_k / a^k at the smallest shape
ORDER = 90         # Taylor terms of mu computed; ample for the cut


def inverse_series():
    """Coefficients a_n (n = 0..ORDER) of mu(eta) = sum a_n eta^n."""
    a = [Fraction(0), Fraction(1)]
    for m in range(2, ORDER + 1):
        s = sum(j * a[j] * a[m + 1 - j] for j in range(2, m))
        a.append((a[m - 1] - s) / (m + 1))
    return a


def reciprocal(series):
    """1 / series for a series with a nonzero constant term."""
    out = [1 / series[0]]
    for n in range(1, len(series)):
        out.append(-sum(series[j] * out[n - j] for j in range(1, n + 1)) / series[0])
    return out


def stirling_coefficients(count):
    """g_0 .. g_{count-1}: exp(sum B_2n / (2n (2n - 1)) z^(2n-1)) in powers of z = 1/a."""
    log_series = [Fraction(0)] * count
    for n in range(1, count):
        if 2 * n - 1 < count:
            b = mp.bernfrac(2 * n)
            log_series[2 * n - 1] = Fraction(int(b[0]), int(b[1])) / (2 * n * (2 * n - 1))
    # exp of a series with zero constant term: e' = l' e.
    e = [Fraction(1)] + [Fraction(0)] * (count - 1)
    for n in range(1, count):
        e[n] = sum(k * log_series[k] * e[n - k] for k in range(1, n + 1)) / n
    return e


def terms():
    mu = inverse_series()
    s = reciprocal(mu[1:])  # eta / mu
    g = stirling_coefficients(TERMS + 1)
    c = s[1:]  # c_0 = (eta / mu - 1) / eta
    result = [c]
    for k in range(1, TERMS):
        derivative = [n * c[n] for n in range(1, len(c))]
        sign = -1 if k % 2 else 1
        numerator = [derivative[n] + sign * g[k] * s[n] for n in range(len(derivative))]
        assert numerator[0] == 0
        c = numerator[1:]
        result.append(c)
    return result


def main():
    mu = inverse_series()
    degree = ORDER
    while abs(float(mu[degree])) * ETA_REACH**degree < CUT:
        degree -= 1
    print(f"// mu(eta) = lambda - 1: {degree + 1} coefficients")
    print("constexpr double uniformExpansionLambda[] = {" + ", ".join(repr(float(v)) for v in reversed(mu[: degree + 1])) + "};")
    for k, c in enumerate(terms()):
        degree = len(c) - 1
        while degree > 0 and abs(float(c[degree])) * ETA_REACH**degree < CUT * SMALLEST_SHAPE**k:
            degree -= 1
        # Keep every term whose contribution at the reach is above the cut.
        kept = [float(x) for x in c[: degree + 1]]
        print(f"// c_{k}: {degree + 1} coefficients")
        print(f"constexpr double uniformExpansionTerm{k}[] = {{" + ", ".join(repr(v) for v in reversed(kept)) + "};")


if __name__ == "__main__":
    main()
