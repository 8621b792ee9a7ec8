#!/usr/bin/env python3
"""Reference values of the numeric kernels at extreme parameters, 40 digits.

Shapes and degrees of freedom from 1e-300 to 1e300 and values down to 1e-300:
tiny gamma and beta shapes, beta shapes up to 1e300 on both sides and one huge
beside a small one, and Student's t up to 1e300 degrees of freedom. Writes
extreme_numeric_reference.txt beside this script, one case a line:
    tag  arguments...  value  cond
where cond is the condition number of the value, |x f'(x) / f(x)| for a
function of x and min(p, 1 - p) / (|x| f'(x)) for an inverse, so that a test
can allow max(1e-13, 100 cond 2.2e-16) of relative error. Every argument is a
double and the value is that of the double itself.

    python3 tests/data/extreme_numeric_reference.py
"""
import os
import sys

import mpmath as mp

import gamma_beta_reference as gb

mp.mp.dps = 40
SMALLEST_NORMAL = mp.mpf("2.2250738585072014e-308")


def D(v):
    return mp.mpf(float(v))


def text(v):
    return mp.nstr(mp.mpf(v), 20, min_fixed=0, max_fixed=0) if v != 0 else "0"


def log_density_beta(a, b, t):
    return (a - 1) * mp.log(t) + (b - 1) * mp.log1p(-t) - (mp.loggamma(a) + mp.loggamma(b) - mp.loggamma(a + b))


def beta_piece(a, b, lo, hi):
    """The integral of the beta density over [lo, hi], split around its peak and at hi."""
    r = a + b
    width = mp.sqrt(a * b / (r * r * (r + 1)))
    mode = min(max((a - 1) / (r - 2), lo), hi) if r > 2 else (lo + hi) / 2
    points = {lo, hi}
    for anchor in (mode, hi, lo):
        for k in range(-4, 60):
            for s in (1, -1):
                p = anchor + s * width * mp.mpf(2) ** k
                if lo < p < hi:
                    points.add(p)
    return mp.quad(lambda t: mp.exp(log_density_beta(a, b, t)), sorted(points))


def beta_integral(a, b, x):
    """I(a, b; x) for x at most about the mean. Where one shape is 1e15 times the
    other (and the other below 1e5) the gamma limit, exact to O(s^3 / L^2);
    from shape 1e5 on the continued fraction of gamma_beta_reference.py at 60
    digits (quadrature keeps only some 1e-12 in the tails there); elsewhere
    the hypergeometric series at 80 digits, or quadrature where it does not
    converge."""
    small, large = min(a, b), max(a, b)
    if small < 1e5 and large >= 1e15 * max(small, 1):
        scale = large + (small - 1) / 2
        if a <= b:
            return mp.gammainc(a, 0, -scale * mp.log1p(-x), regularized=True)
        return mp.gammainc(b, -scale * mp.log(x), mp.inf, regularized=True)
    if large >= 1e5:
        with mp.workdps(60):
            return +gb.I(a, b, x)
    try:
        with mp.workdps(80):
            return (mp.exp(a * mp.log(x) - mp.log(a) - (mp.loggamma(a) + mp.loggamma(b) - mp.loggamma(a + b)))
                    * mp.hyp2f1(a, 1 - b, a + 1, x, maxterms=10**5))
    except Exception:
        pass
    return beta_piece(a, b, mp.mpf(0), x)


def beta_tails(a, b, x, y=None):
    """I(a, b; x) and its complement, the smaller one integrated directly; y = 1 - x
    may be given where it is not the double 1 - x (Student's arguments)."""
    a, b, x = D(a), D(b), mp.mpf(x)
    y = 1 - x if y is None else mp.mpf(y)
    if (x <= a / (a + b)) if x < y else (y >= b / (a + b)):
        lower = beta_integral(a, b, x)
        return lower, 1 - lower
    upper = beta_integral(b, a, y)
    return 1 - upper, upper


def beta_density(a, b, x):
    return mp.exp(log_density_beta(D(a), D(b), D(x)))


OUTPUT = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "extreme_numeric_reference.txt"), "w")
OUTPUT.write("# Written by extreme_numeric_reference.py: tag, arguments, value, condition number.\n")


def emit(tag, args, value, cond):
    print(tag, *[float(v) for v in args], file=sys.stderr)
    if value != 0 and abs(value) < SMALLEST_NORMAL:
        return
    OUTPUT.write(" ".join([tag] + [repr(float(v)) for v in args] + [text(value), text(cond)]) + "\n")
    OUTPUT.flush()


# The incomplete gamma integrals at tiny and ordinary shapes.
for a in ["1e-310", "1e-300", "3e-157", "1e-30", "1e-10", "1e-3", "0.3", "0.999", "2.5", "40"]:
    for x in ["1e-300", "5e-140", "1e-20", "1e-5", "0.1", "0.9", "1.4", "1.6", "3", "20", "90", "600"]:
        a_, x_ = D(a), D(x)
        P = mp.gammainc(a_, 0, x_, regularized=True)
        Q = mp.gammainc(a_, x_, mp.inf, regularized=True)
        density = mp.exp(a_ * mp.log(x_) - x_ - mp.loggamma(a_))  # x times the density
        emit("P", [a_, x_], P, density / P if P else 0)
        emit("Q", [a_, x_], Q, density / Q if Q else 0)

# The beta integral and its complement: tiny shapes, huge shapes on both sides,
# one huge beside a small one.
beta_cases = [
    ("1e-30", "0.5", ["1e-300", "1e-17", "0.5", "0.999"]),
    ("0.5", "1e-30", ["0.5", "0.999999"]),
    ("0.01", "10000", ["1e-6", "1e-3"]),
    ("10000", "0.01", ["0.999", "0.999999"]),
    ("1.5", "5e16", ["1e-18", "3e-17", "2e-16", "2e-15"]),
    ("5", "5e17", ["9.5e-18", "1e-16"]),
    ("1e5", "1e5", ["0.48", "0.499", "0.5", "0.501", "0.52"]),
    ("1e7", "1e7", ["0.4995", "0.5", "0.5001"]),
    ("1e7", "3e7", ["0.2499", "0.25", "0.2502"]),
    ("1e10", "1e10", ["0.49999", "0.5", "0.500003"]),
    ("1e6", "1e5", ["0.905", "0.909", "0.91"]),
    ("2", "3", ["0.01", "0.5", "0.99"]),
    ("0.5", "0.5", ["1e-300", "0.3", "0.9999"]),
]
for a, b, xs in beta_cases:
    for x in xs:
        # At the double x the record names, not at its decimal.
        lower, upper = beta_tails(a, b, D(x))
        density = beta_density(a, b, x) * D(x)
        emit("I", [D(a), D(b), D(x)], lower, density / lower if lower else 0)
        emit("Ic", [D(a), D(b), D(x)], upper, density / upper if upper else 0)

# The inverse of the beta integral at the same kind of shapes.
for a, b, ps in [("0.5", "5e299", ["0.95"]), ("1e7", "1e7", ["0.3", "0.5"]), ("1e-3", "2", ["0.5"]),
                 ("2", "3", ["1e-300", "0.2"]), ("10000", "0.01", ["0.04"])]:
    for p in ps:
        a_, b_, p_ = D(a), D(b), D(p)
        # Solve I(a, b; x) = p in the logit of x: halving to a narrow bracket,
        # then the secant steps of mpmath's findroot.
        f = lambda t: beta_tails(a_, b_, 1 / (1 + mp.exp(-t)), 1 / (1 + mp.exp(t)))[0] - p_
        lo, hi = mp.mpf(-2000), mp.mpf(2000)
        for _ in range(40):
            mid = (lo + hi) / 2
            if f(mid) < 0:
                lo = mid
            else:
                hi = mid
        # Then Newton's steps on ln I in the logit t: d I / d t = density x (1 - x).
        t = (lo + hi) / 2
        for _ in range(60):
            x = 1 / (1 + mp.exp(-t))
            value = f(t) + p_
            slope = beta_density(a_, b_, x) * x / (1 + mp.exp(t))
            if not value > 0 or not slope > 0:
                break
            step = (mp.log(value) - mp.log(p_)) * value / slope
            t -= step
            if abs(step) < mp.mpf(10) ** -32 * max(1, abs(t)):
                break
        x = 1 / (1 + mp.exp(-t))
        if abs(f(t)) > mp.mpf(10) ** -25 * p_:
            print("skipped inverseI", a, b, p, file=sys.stderr)
            continue
        density = beta_density(a_, b_, x)
        emit("inverseI", [a_, b_, p_], x, min(p_, 1 - p_) / (x * density))


# Student's t at any degrees of freedom: the density, the lower tail and the quantile.
def student_log_density(k, t):
    if k > 1e40:  # the normal density, within O(1 / k)
        return -t * t / 2 - mp.log(2 * mp.pi) / 2
    return (mp.loggamma((k + 1) / 2) - mp.loggamma(k / 2) - mp.log(mp.pi * k) / 2
            - (k + 1) / 2 * mp.log1p(t * t / k))


def student_cdf(k, t):
    """P(T <= t) through the beta integral; from 1e40 degrees of freedom on
    the normal one, which differs by O(t^4 / k)."""
    if t == 0:
        return mp.mpf(1) / 2
    if k > 1e40:
        return mp.ncdf(t)
    # mpmath's own integral: the quadrature of beta_tails keeps only some 1e-12
    # in the far tails of the large shapes.
    tail = mp.betainc(k / 2, mp.mpf(1) / 2, 0, k / (k + t * t), regularized=True) / 2
    return tail if t < 0 else 1 - tail


for k in ["1", "2", "3", "30", "1e4", "1e11", "1e17", "1e300"]:
    k_ = D(k)
    for t in ["-1e10", "-40", "-37", "-20", "-3", "-1.96", "0.5", "1.96", "3"]:
        t_ = D(t)
        if k_ > 1e20 and abs(t_) > 40:
            continue
        density = mp.exp(student_log_density(k_, t_))
        emit("studentDensity", [k_, t_], density, abs(t_ * t_ * (k_ + 1) / (k_ + t_ * t_)))
        cdf = student_cdf(k_, t_)
        emit("studentCdf", [k_, t_], cdf, abs(t_) * density / cdf)
    for p in ["1e-20", "1e-5", "0.025"]:
        p_ = D(p)
        if k_ > 1e3 and p_ < 1e-10:
            continue
        if k_ == 1:
            t = -1 / mp.tan(mp.pi * p_)
        elif k_ > 1e40:
            t = -mp.sqrt(2) * mp.erfinv(1 - 2 * p_)
        else:
            # Newton's steps on the distribution function from the normal quantile.
            t = -mp.sqrt(2) * mp.erfinv(1 - 2 * p_)
            for _ in range(60):
                step = (student_cdf(k_, t) - p_) / mp.exp(student_log_density(k_, t))
                t -= step
                if abs(step) < abs(t) * mp.mpf(10) ** -30:
                    break
        density = mp.exp(student_log_density(k_, t))
        emit("studentQuantile", [k_, p_], t, min(p_, 1 - p_) / (abs(t) * density))

OUTPUT.close()
