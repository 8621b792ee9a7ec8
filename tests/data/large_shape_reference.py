#!/usr/bin/env python3
"""Reference values of the incomplete gamma integrals at large shapes (100 to 1e15).

Up to a = 1e8, and up to 1e10 in the tails from 15 standard deviations out,
the smaller tail of P(a, x) and Q(a, x) is summed at 60 digits: P by its power
series, Q by Legendre's continued fraction. Elsewhere, where these would need
too many terms,
it is the integral of t^(a-1) e^-t / Gamma(a) by tanh-sinh quadrature at 60
digits, with breakpoints spaced on the integrand's own scale, and a case is
kept only where the quadrature's error estimate is below 1e-18 of the value.
The larger tail is the complement. The inverses are found by Newton's method
on the same functions. Written with 17 digits, one case
a line: a tag, the arguments, then the value. Rerun it to regenerate the file
(a few minutes):

    python3 tests/data/large_shape_reference.py > tests/data/large_shape_reference.txt
"""

import mpmath as mp

mp.mp.dps = 60
SMALLEST = mp.mpf("1e-305")
SHAPES = ["100", "150", "400", "1000", "3000", "1e4", "5e4", "1e5", "3.3e5", "1e6", "1e7", "1e8", "2.5e9", "1e10", "1e12", "5e14", "1e15"]
SERIES_LIMIT = mp.mpf("1e8")
TAIL_SERIES_LIMIT = mp.mpf("1e10")
# x = a + k sqrt(a): the bulk and both tails down to about 1e-300.
STEPS = [-37, -30, -20, -10, -5, -2, -1, -0.3, 0, 0.3, 1, 2, 5, 10, 20, 30, 37]
LOWER_PROBABILITIES = ["1e-300", "1e-100", "1e-12", "0.05", "0.3", "0.5"]
UPPER_PROBABILITIES = ["1e-300", "1e-100", "1e-12", "0.05", "0.3"]


def fmt(v):
    return mp.nstr(mp.mpf(v), 17, min_fixed=-1, max_fixed=-1, strip_zeros=False) if v != 0 else "0"


def line(tag, *values):
    print(tag, " ".join(fmt(v) for v in values))


def density(a, t):
    return mp.exp((a - 1) * mp.log(t) - t - mp.loggamma(a))


def lower_series(a, x):
    """P(a, x) = x^a e^-x / Gamma(a + 1) sum_n x^n / ((a + 1) ... (a + n)), for x < a."""
    term = total = mp.mpf(1)
    n = 0
    while term > total * mp.mpf("1e-40"):
        n += 1
        term *= x / (a + n)
        total += term
    return mp.exp(a * mp.log(x) - x - mp.loggamma(a + 1)) * total


def upper_fraction(a, x):
    """Q(a, x) = x^a e^-x / Gamma(a) / (x + 1 - a - 1 (1 - a) / (x + 3 - a - ...)), by Lentz's method."""
    tiny = mp.mpf("1e-300")
    b = x + 1 - a
    c = 1 / tiny
    d = 1 / b
    h = d
    n = 0
    while True:
        n += 1
        an = -n * (n - a)
        b += 2
        d = an * d + b
        d = 1 / (d if d != 0 else tiny)
        c = b + an / c
        if c == 0:
            c = tiny
        delta = d * c
        h *= delta
        if abs(delta - 1) < mp.mpf("1e-40"):
            break
    return mp.exp(a * mp.log(x) - x - mp.loggamma(a)) * h


def smaller_tail(a, x):
    """(value, upper): Q(a, x) where x >= a, else P(a, x); value None where unsure."""
    if a <= SERIES_LIMIT or (a <= TAIL_SERIES_LIMIT and abs(x - a) >= 15 * mp.sqrt(a)):
        return (upper_fraction(a, x), True) if x >= a else (lower_series(a, x), False)
    # The integrand falls by e over about x / |x - a| from x outward, or sqrt(a) near the peak.
    scale = min(mp.sqrt(a), x / abs(x - a)) if x != a else mp.sqrt(a)
    offsets = [scale * j for j in range(81)]
    f = lambda t: density(a, t)
    points = [x + o for o in offsets] if x >= a else [x - o for o in offsets][::-1]
    value, error = mp.quad(f, points, error=True)
    if error > value * mp.mpf("1e-18"):
        return None, x >= a
    return value, x >= a


def P(a, x):
    v, upper = smaller_tail(a, x)
    return 1 - v if upper else v


def Q(a, x):
    v, upper = smaller_tail(a, x)
    return v if upper else 1 - v


def invert(a, target, lower):
    """The x with P(a, x) = target (lower) or Q(a, x) = target, by Newton steps on ln of the tail."""
    z = mp.sqrt(2 * mp.log(1 / target)) if target < mp.mpf("0.01") else -mp.sqrt(2) * mp.erfinv(2 * target - 1)
    x = max(a + (-z if lower else z) * mp.sqrt(a), a / 100)
    for _ in range(60):
        v, upper = smaller_tail(a, x)
        if v is None:
            return None
        tail = (1 - v if upper else v) if lower else (v if upper else 1 - v)
        step = (mp.log(tail) - mp.log(target)) * tail / density(a, x)
        # A multiplicative step: the far lower tail of a small shape is a power of x.
        x = x * mp.exp(-step / x if lower else step / x)
        if abs(step) < x * mp.mpf("1e-30"):
            break
    return x


for shape in SHAPES:
    a = mp.mpf(shape)
    for k in STEPS:
        x = mp.mpf(float(a + k * mp.sqrt(a)))
        if x <= 0:
            continue
        v, upper = smaller_tail(a, x)
        if v is None or v < SMALLEST:
            continue
        line("largeP", a, x, 1 - v if upper else v)
        line("largeQ", a, x, v if upper else 1 - v)
    for p in LOWER_PROBABILITIES:
        x = invert(a, mp.mpf(p), True)
        if x is not None:
            line("largeInverseP", a, mp.mpf(p), x)
    for q in UPPER_PROBABILITIES:
        x = invert(a, mp.mpf(q), False)
        if x is not None:
            line("largeInverseQ", a, mp.mpf(q), x)

# e^(y^2) erfc(y) across both of its methods.
for y in ["0", "1e-8", "0.3", "0.7", "0.999", "1", "1.001", "1.5", "2", "3", "5", "8", "13", "20", "27.4"]:
    y = mp.mpf(y)
    line("scaledErfc", y, mp.exp(y * y) * mp.erfc(y))
