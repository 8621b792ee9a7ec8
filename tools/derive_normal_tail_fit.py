#!/usr/bin/env python3
"""Prints the rational fit of the normal upper tail in src/numeric/normal_integral.cpp.

For z >= 1.75, z M(z) = z (1 - Phi(z)) / phi(z) = 1 + s T(s) with s = 1/z^2,
and T(s) = -1 + 3 s - 15 s^2 + ... (the asymptotic series, which diverges but
leaves T smooth down to s = 0). T is fitted as P(s) / Q(s), P of degree 9 and
Q of degree 10 with Q(0) = 1, for the least largest relative error on
0 <= s <= 1/1.75^2: linearised least squares at Chebyshev nodes, reweighted by
each node's error (Lawson's iteration, which tends to the minimax fit).

In w = z^2, s T(s) = P*(w) / Q*(w), where P* and Q* list the same
coefficients in reverse order; the fit is printed that way, from the highest
power of w down, as the program evaluates it. The script reports the fit's
largest relative error in T on 2,000 points and what that makes of z M(z).

    python3 tools/derive_normal_tail_fit.py      (about a minute)
"""
import mpmath as mp

mp.mp.dps = 60
START = mp.mpf("1.75")
NUMERATOR_DEGREE, DENOMINATOR_DEGREE = 9, 10
NODES = 300
ROUNDS = 60


def t_of_s(s):
    if s == 0:
        return mp.mpf(-1)
    z = 1 / mp.sqrt(s)
    mills = mp.ncdf(-z) / mp.npdf(z)
    return (z * mills - 1) / s


def evaluate(coefficients, s):
    """coefficients from the constant term up."""
    total = mp.mpf(0)
    for c in reversed(coefficients):
        total = total * s + c
    return total


def weighted_fit(nodes, values, weights, previous_denominator):
    """P, Q minimising sum weight (P - f Q)^2 / (f Q_previous)^2, Q(0) = 1."""
    m, n = NUMERATOR_DEGREE, DENOMINATOR_DEGREE
    a = mp.matrix(len(nodes), m + 1 + n)
    b = mp.matrix(len(nodes), 1)
    for i, (s, f) in enumerate(zip(nodes, values)):
        scale = mp.sqrt(weights[i]) / abs(f * previous_denominator[i])
        for j in range(m + 1):
            a[i, j] = scale * s**j
        for j in range(1, n + 1):
            a[i, m + j] = -scale * f * s**j
        b[i] = scale * f
    x = mp.qr_solve(a, b)[0]
    return [x[j] for j in range(m + 1)], [mp.mpf(1)] + [x[m + j] for j in range(1, n + 1)]


def main():
    end = 1 / START**2
    nodes = [end * (1 - mp.cos(mp.pi * i / (NODES - 1))) / 2 for i in range(NODES)]
    values = [t_of_s(s) for s in nodes]
    weights = [mp.mpf(1) / NODES] * NODES
    previous = [mp.mpf(1)] * NODES
    best = None
    for _ in range(ROUNDS):
        p, q = weighted_fit(nodes, values, weights, previous)
        errors = [(evaluate(p, s) / evaluate(q, s) - f) / f for s, f in zip(nodes, values)]
        worst = max(abs(e) for e in errors)
        if best is None or worst < best[0]:
            best = (worst, p, q)
        previous = [evaluate(q, s) for s in nodes]
        weights = [w * abs(e) for w, e in zip(weights, errors)]
        total = sum(weights)
        weights = [w / total for w in weights]
    _, p, q = best
    check = max(abs((evaluate(p, s) / evaluate(q, s) - t_of_s(s)) / t_of_s(s))
                for s in (end * i / 1999 for i in range(2000)))
    print(f"// largest relative error of T: {mp.nstr(check, 3)}; of z M(z): {mp.nstr(check * end, 3)}")
    print("constexpr double millsTailNumerator[] = {" + ", ".join(repr(float(c)) for c in p) + "};")
    print("constexpr double millsTailDenominator[] = {" + ", ".join(repr(float(c)) for c in q) + "};")


if __name__ == "__main__":
    main()
