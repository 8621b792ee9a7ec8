#!/usr/bin/env python3
"""Reference values for the side-by-side benchmark of bench/: the density (or
mass), distribution function, survival function and quantile of the
distributions at their defaults and at their hardest parameters.

Writes comparison_reference.txt beside this script, one record a line:
    distribution parameter1 parameter2 operation argument value [highest]
The arguments are the doubles nearest to the true quantiles at the
probabilities below (the counts themselves for the discrete distributions).
Values are those of the exact doubles, from mpmath at 50 digits, written with
20. A discrete quantile carries two counts, as in discrete_reference.txt: the
answers for q moved down and up by 1e-14.

The gamma and beta functions and their inverses come from
gamma_beta_reference.py, the discrete masses and sums from
discrete_reference.py (both beside this script).
"""
import os
import sys

import mpmath as mp

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import discrete_reference as dr  # noqa: E402
import gamma_beta_reference as gb  # noqa: E402

mp.mp.dps = 50
PROBABILITIES = [0.001, 0.05, 0.5, 0.95, 0.999]


def normal_quantile(q):
    return mp.sqrt(2) * mp.erfinv(2 * q - 1)


def log_density(name, a, b, x):
    """ln of the density at x inside the support."""
    if name == "gamma":
        return (a - 1) * mp.log(x / b) - x / b - mp.loggamma(a) - mp.log(b)
    if name == "chi_square":
        return (a / 2 - 1) * mp.log(x) - x / 2 - mp.loggamma(a / 2) - a / 2 * mp.log(2)
    if name == "beta":
        return (a - 1) * mp.log(x) + (b - 1) * mp.log1p(-x) - mp.log(mp.beta(a, b))
    if name == "student":
        return (mp.loggamma((a + 1) / 2) - mp.loggamma(a / 2) - mp.log(mp.sqrt(a * mp.pi))
                - (a + 1) / 2 * mp.log1p(x * x / a))
    if name == "f":
        return (a / 2 * mp.log(a / b) + (a / 2 - 1) * mp.log(x) - (a + b) / 2 * mp.log1p(a * x / b)
                - mp.log(mp.beta(a / 2, b / 2)))
    raise ValueError(name)


class Continuous:
    """pdf, cdf and quantile of one continuous distribution as mpmath functions."""

    def __init__(self, name, a, b):
        self.name, self.a, self.b = name, mp.mpf(a), mp.mpf(b)

    def pdf(self, x):
        n, a, b = self.name, self.a, self.b
        if n == "uniform":
            return 1 / (b - a) if a <= x <= b else mp.mpf(0)
        if n == "normal":
            return mp.npdf(x, a, b)
        if n == "lognormal":
            return mp.npdf(mp.log(x / a) / b) / (x * b) if x > 0 else mp.mpf(0)
        if n == "exponential":
            return a * mp.exp(-a * x) if x >= 0 else mp.mpf(0)
        if n == "cauchy":
            z = (x - a) / b
            return 1 / (mp.pi * b * (1 + z * z))
        if n == "double_exponential":
            return a / 2 * mp.exp(-a * abs(x))
        if n == "weibull":
            return a / b * (x / b) ** (a - 1) * mp.exp(-(x / b) ** a) if x > 0 else mp.mpf(0)
        if n == "logistic":
            return self.cdf(x) * (1 - self.cdf(x)) / b
        if n == "gumbel":
            w = mp.exp(-(x - a) / b)
            return w * mp.exp(-w) / b
        if n == "pareto":
            return b / x * (a / x) ** b if x >= a else mp.mpf(0)
        if n == "rayleigh":
            return x / a ** 2 * mp.exp(-x * x / (2 * a * a)) if x > 0 else mp.mpf(0)
        if n in ("gamma", "chi_square", "f") and x <= 0:
            return mp.mpf(0)
        if n == "beta" and not 0 < x < 1:
            return mp.mpf(0)
        return mp.exp(log_density(n, a, b, x))

    def cdf(self, x):
        n, a, b = self.name, self.a, self.b
        if n == "uniform":
            return min(max((x - a) / (b - a), 0), 1)
        if n == "normal":
            return mp.ncdf(x, a, b)
        if n == "lognormal":
            return mp.ncdf(mp.log(x / a) / b) if x > 0 else mp.mpf(0)
        if n == "exponential":
            return -mp.expm1(-a * x) if x > 0 else mp.mpf(0)
        if n == "cauchy":
            return mp.atan((x - a) / b) / mp.pi + mp.mpf(1) / 2
        if n == "double_exponential":
            return mp.exp(a * x) / 2 if x < 0 else 1 - mp.exp(-a * x) / 2
        if n == "weibull":
            return -mp.expm1(-(x / b) ** a) if x > 0 else mp.mpf(0)
        if n == "logistic":
            return 1 / (1 + mp.exp(-(x - a) / b))
        if n == "gumbel":
            return mp.exp(-mp.exp(-(x - a) / b))
        if n == "pareto":
            return 1 - (a / x) ** b if x > a else mp.mpf(0)
        if n == "rayleigh":
            return -mp.expm1(-x * x / (2 * a * a)) if x > 0 else mp.mpf(0)
        if n == "gamma":
            return gb.P(a, x / b) if x > 0 else mp.mpf(0)
        if n == "chi_square":
            return gb.P(a / 2, x / 2) if x > 0 else mp.mpf(0)
        if n == "beta":
            return gb.I(a, b, x)
        if n == "student":
            return gb.student_cdf(a, x)
        if n == "f":
            return gb.I(a / 2, b / 2, a * x / (a * x + b)) if x > 0 else mp.mpf(0)
        raise ValueError(n)

    def quantile(self, q):
        n, a, b = self.name, self.a, self.b
        q = mp.mpf(q)
        if n == "uniform":
            return a + (b - a) * q
        if n == "normal":
            return a + b * normal_quantile(q)
        if n == "lognormal":
            return a * mp.exp(b * normal_quantile(q))
        if n == "exponential":
            return -mp.log1p(-q) / a
        if n == "cauchy":
            return a + b * mp.tan(mp.pi * (q - mp.mpf(1) / 2))
        if n == "double_exponential":
            return mp.log(2 * q) / a if q < 0.5 else -mp.log(2 * (1 - q)) / a
        if n == "weibull":
            return b * (-mp.log1p(-q)) ** (1 / a)
        if n == "logistic":
            return a + b * mp.log(q / (1 - q))
        if n == "gumbel":
            return a - b * mp.log(-mp.log(q))
        if n == "pareto":
            return a * (1 - q) ** (-1 / b)
        if n == "rayleigh":
            return a * mp.sqrt(-2 * mp.log1p(-q))
        if n == "gamma":
            return gb.inverse_q(a, 1 - q) * b
        if n == "chi_square":
            return 2 * gb.inverse_q(a / 2, 1 - q)
        if n == "beta":
            return gb.inverse_i(a, b, q)
        if n == "student":
            return gb.student_quantile(a, q)
        if n == "f":
            m = gb.inverse_i(a / 2, b / 2, q)
            return m * b / ((1 - m) * a)
        raise ValueError(n)


def discrete_functions(name, a, b):
    """Mass and distribution function of a count k, and a count whose cdf surely reaches any q < 1."""
    n, p = mp.mpf(a), mp.mpf(b)
    if name == "poisson":
        return (lambda k: dr.poisson_pdf(n, k)), (lambda k: dr.poisson_cdf(n, k)), int(a + 20 * a ** 0.5) + 10
    if name == "binomial":
        return (lambda k: dr.binomial_pdf(n, p, k)), (lambda k: dr.binomial_cdf(n, p, k)), int(a)
    if name == "negative_binomial":
        mean, sd = a * (1 - b) / b, (a * (1 - b)) ** 0.5 / b
        return ((lambda k: dr.negative_binomial_pdf(n, p, k)), (lambda k: dr.negative_binomial_cdf(n, p, k)),
                int(mean + 20 * sd) + 10)
    if name == "geometric":
        p = mp.mpf(a)
        return (lambda k: dr.geometric_pdf(p, k)), (lambda k: dr.geometric_cdf(p, k)), int(20 / a) + 10
    if name == "discrete_uniform":
        count = b - a + 1
        return ((lambda k: 1 / mp.mpf(count) if a <= k <= b else mp.mpf(0)),
                (lambda k: min(max((k - a + 1) / mp.mpf(count), 0), 1)), int(b))
    raise ValueError(name)


# The catalogue's defaults, then the hardest valid parameters.
CASES = [
    ("uniform", 0.0, 1.0), ("normal", 0.0, 1.0), ("lognormal", 1.0, 1.0), ("exponential", 1.0, 0.0),
    ("cauchy", 0.0, 1.0),
    ("gamma", 1.0, 1.0), ("gamma", 0.01, 1.0), ("gamma", 1e4, 1.0),
    ("beta", 0.5, 0.5), ("beta", 0.01, 1000.0), ("beta", 1000.0, 1000.0),
    ("student", 1.0, 0.0), ("student", 1e6, 0.0),
    ("f", 1.0, 1.0), ("f", 1e5, 1e5),
    ("chi_square", 1.0, 0.0), ("chi_square", 1e5, 0.0),
    ("double_exponential", 1.0, 0.0),
    ("poisson", 10.0, 0.0), ("poisson", 700.0, 0.0),
    ("binomial", 10.0, 0.5), ("binomial", 1000.0, 0.6), ("binomial", 1000.0, 0.001),
    ("negative_binomial", 10.0, 0.5), ("negative_binomial", 1000.0, 0.4), ("negative_binomial", 1000.0, 1e-6),
    ("geometric", 0.5, 0.0), ("geometric", 1e-6, 0.0),
    ("weibull", 1.5, 1.0), ("weibull", 0.1, 1.0), ("weibull", 1000.0, 1.0),
    ("logistic", 0.0, 1.0), ("gumbel", 0.0, 1.0),
    ("pareto", 1.0, 3.0), ("pareto", 1.0, 0.1),
    ("rayleigh", 1.0, 0.0),
    ("discrete_uniform", 1.0, 6.0), ("discrete_uniform", 1.0, 1e15),
]
DISCRETE = ("poisson", "binomial", "negative_binomial", "geometric", "discrete_uniform")


def text(v):
    return mp.nstr(mp.mpf(v), 20, min_fixed=0, max_fixed=0) if v != 0 else "0"


def records(name, a, b):
    head = f"{name} {a!r} {b!r}"
    if name in DISCRETE:
        pdf, cdf, high = discrete_functions(name, a, b)
        for q in PROBABILITIES:
            top = high
            while cdf(top) < q + dr.QUANTILE_SLACK:
                top *= 2
            lowest = dr.quantile(cdf, q - dr.QUANTILE_SLACK, top)
            highest = dr.quantile(cdf, q + dr.QUANTILE_SLACK, top)
            yield f"{head} quantile {q!r} {float(lowest)!r} {float(highest)!r}"
            k = float(lowest)
            distribution = cdf(lowest)
            yield f"{head} pdf {k!r} {text(pdf(lowest))}"
            yield f"{head} cdf {k!r} {text(distribution)}"
            yield f"{head} survival {k!r} {text(1 - distribution)}"
        return
    d = Continuous(name, a, b)
    for q in PROBABILITIES:
        exact = d.quantile(q)
        yield f"{head} quantile {q!r} {text(exact)}"
        x = float(exact)
        xm = mp.mpf(x)
        distribution = d.cdf(xm)
        yield f"{head} pdf {x!r} {text(d.pdf(xm))}"
        yield f"{head} cdf {x!r} {text(distribution)}"
        yield f"{head} survival {x!r} {text(1 - distribution)}"


def main():
    lines = []
    for name, a, b in CASES:
        lines.extend(records(name, a, b))
        print(name, a, b, file=sys.stderr)
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "comparison_reference.txt"), "w") as out:
        out.write("# generated by comparison_reference.py; do not edit\n")
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
