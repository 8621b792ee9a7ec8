#!/usr/bin/env python3
"""Reference masses, distribution functions and quantiles of the four discrete
distributions, computed with mpmath at 40 digits from the incomplete gamma and
beta integrals (not from the sums the program walks).

Writes discrete_reference.txt: one case a line,
    family operation parameter1 parameter2 argument expected
family is poisson, binomial, negative_binomial or geometric; operation pdf,
cdf or quantile. For a quantile the argument is q and the expected value is
given as two counts: the smallest k with cdf(k) >= q - 1e-14 and the smallest
with cdf(k) >= q + 1e-14 (equal wherever q is not within rounding of a jump).
"""
import math
import mpmath as mp

mp.mp.dps = 40


def poisson_pdf(lam, k):
    return mp.exp(-lam + k * mp.log(lam) - mp.loggamma(k + 1))


def poisson_cdf(lam, k):
    return mp.gammainc(k + 1, lam, mp.inf, regularized=True)


def binomial_pdf(n, p, k):
    if k > n:
        return mp.mpf(0)
    return mp.exp(mp.loggamma(n + 1) - mp.loggamma(k + 1) - mp.loggamma(n - k + 1)
                  + k * mp.log(p) + (n - k) * mp.log1p(-p))


def binomial_cdf(n, p, k):
    if k >= n:
        return mp.mpf(1)
    return mp.betainc(n - k, k + 1, 0, 1 - p, regularized=True)


def negative_binomial_pdf(n, p, k):
    return mp.exp(mp.loggamma(n + k) - mp.loggamma(k + 1) - mp.loggamma(n)
                  + n * mp.log(p) + k * mp.log1p(-p))


def negative_binomial_cdf(n, p, k):
    return mp.betainc(n, k + 1, 0, p, regularized=True)


def geometric_pdf(p, k):
    return p * mp.exp(k * mp.log1p(-p))


def geometric_cdf(p, k):
    return -mp.expm1((k + 1) * mp.log1p(-p))


# Quantiles are given as the range of answers for q moved by this much either
# way: rounding in the distribution function may decide anything in between.
QUANTILE_SLACK = 1e-14


def quantile(cdf, q, high):
    if cdf(0) >= q:
        return 0
    return smallest_reaching(cdf, q, 0, high)


def smallest_reaching(cdf, q, low, high):
    """Smallest integer k in (low, high] with cdf(k) >= q, given cdf(low) < q <= cdf(high)."""
    while high - low > 1:
        middle = (low + high) // 2
        if cdf(middle) >= q:
            high = middle
        else:
            low = middle
    return high


FAMILIES = {
    # family: (pdf, cdf, parameter sets as (parameter1, parameter2), mean, sd)
    "poisson": (lambda a, b, k: poisson_pdf(a, k), lambda a, b, k: poisson_cdf(a, k),
                [(1, 0), (10, 0), (37, 0), (250, 0), (700, 0), (5000, 0)],
                lambda a, b: (a, math.sqrt(a))),
    "binomial": (binomial_pdf, binomial_cdf,
                 [(1, 0.3), (10, 0.5), (37, 0.999), (500, 0.01), (1000, 0.5), (1000, 0.6),
                  (1000, 1e-6), (1000, 0.999999), (1000, 0.9)],
                 lambda n, p: (n * p, math.sqrt(n * p * (1 - p)))),
    "negative_binomial": (negative_binomial_pdf, negative_binomial_cdf,
                          [(1, 0.5), (10, 0.5), (5, 0.01), (1000, 0.5), (1000, 0.4), (1000, 0.999999),
                           (1000, 1e-6), (3, 1e-12), (200, 0.05)],
                          lambda n, p: (n * (1 - p) / p, math.sqrt(n * (1 - p)) / p)),
    "geometric": (lambda a, b, k: geometric_pdf(a, k), lambda a, b, k: geometric_cdf(a, k),
                  [(0.5, 0), (0.3, 0), (0.999999, 0), (1e-6, 0), (1e-12, 0)],
                  lambda p, b: ((1 - p) / p, math.sqrt(1 - p) / p)),
}

PROBABILITIES = [0.001, 0.01, 0.3, 0.5, 0.9, 0.999, 0.999999]


def counts(family, a, b, mean, sd):
    points = {0, 1, 2, int(mean)}
    for c in (0.5, 1, 3, 6, 10, 20, 40):
        points.add(int(math.floor(mean + c * sd)))
        points.add(int(math.floor(mean - c * sd)))
    top = a if family == "binomial" else None
    result = sorted(k for k in points if k >= 0 and (top is None or k <= top))
    return result


def main():
    lines = []
    for family, (pdf, cdf, sets, moments) in FAMILIES.items():
        for a, b in sets:
            p = mp.mpf(b) if family in ("binomial", "negative_binomial") else mp.mpf(a)
            n = mp.mpf(a)
            f = (lambda k: pdf(n, p, k)) if family != "geometric" else (lambda k: pdf(p, 0, k))
            F = (lambda k: cdf(n, p, k)) if family != "geometric" else (lambda k: cdf(p, 0, k))
            if family == "poisson":
                f = lambda k: poisson_pdf(n, k)
                F = lambda k: poisson_cdf(n, k)
            mean, sd = moments(a, b)
            for k in counts(family, a, b, mean, sd):
                lines.append(f"{family} pdf {a!r} {b!r} {float(k)!r} {float(f(k))!r}")
                lines.append(f"{family} cdf {a!r} {b!r} {float(k)!r} {float(F(k))!r}")
            for q in PROBABILITIES:
                high = max(1, int(mean + 20 * sd) + 10)
                if family == "binomial":
                    high = a
                while F(high) < q + QUANTILE_SLACK:
                    high *= 2
                lowest = quantile(F, q - QUANTILE_SLACK, high)
                highest = quantile(F, q + QUANTILE_SLACK, high)
                lines.append(f"{family} quantile {a!r} {b!r} {q!r} {float(lowest)!r} {float(highest)!r}")
    with open("discrete_reference.txt", "w") as out:
        out.write("# family operation parameter1 parameter2 argument expected [expected upper end for quantiles] (from discrete_reference.py)\n")
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
