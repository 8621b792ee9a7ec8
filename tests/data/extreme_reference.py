#!/usr/bin/env python3
"""Exact values at extreme parameters and far into both tails, at 50 digits,
for the distributions whose every value is a closed form, the normal family
where it does not lean on the error function's middle range, and the four
count distributions.

Writes extreme_reference.txt beside this script, one record a line:
    distribution parameter1 parameter2 operation argument value tolerance
Parameters and arguments are doubles written exactly; the value is that of
the exact doubles, "inf" or "-inf" where the result is beyond the double range
(the status must then say so). The tolerance is the relative error allowed:
max(1e-13, 100 cond 2^-52) with cond = |x f'(x) / f(x)| for a function of x,
min(q, 1 - q) / (|x| pdf(x)) for a continuous quantile, |ln v| for a value v
formed as the exponential of a sum of logarithms (a mass, a tail of a count
law, a lognormal statistic), and 0 for a discrete quantile, which must be exact.
"""
import os
import mpmath as mp

mp.mp.dps = 50
EPS = mp.mpf(2) ** -52
DMAX = mp.mpf('1.7976931348623157e308')
half = mp.mpf(1) / 2
SMALLEST_NORMAL = mp.mpf(2) ** -1022
SMALLEST_SUBNORMAL = mp.mpf(2) ** -1074


def tolerance(cond):
    return max(mp.mpf('1e-13'), 100 * abs(cond) * EPS)


def x_cond(f, x):
    """|x f'(x) / f(x)| by a central difference in a relative step."""
    value = f(x)
    if value == 0 or x == 0:
        return 0
    step = mp.mpf('1e-20')
    return (f(x * (1 + step)) - f(x * (1 - step))) / (2 * step * value)


# --- the continuous laws: pdf, cdf, sf, quantile, and the statistics ---------

def uniform(a, b):
    w = b - a
    law = dict(pdf=lambda x: 1 / w, cdf=lambda x: (x - a) / w, sf=lambda x: (b - x) / w,
               hazard=lambda x: 1 / (b - x), quantile=lambda q: a + w * q,
               mean=(a + b) / 2, standardDeviation=w / mp.sqrt(12))
    if a + b != 0:
        law['coefficientOfVariation'] = w / (mp.sqrt(3) * (a + b))
    return law


def exponential(rate, _):
    return dict(pdf=lambda x: rate * mp.exp(-rate * x), cdf=lambda x: -mp.expm1(-rate * x),
                sf=lambda x: mp.exp(-rate * x), hazard=lambda x: rate,
                quantile=lambda q: -mp.log1p(-q) / rate, mean=1 / rate, standardDeviation=1 / rate)


def cauchy(mu, sigma):
    def cdf(x):
        z = (x - mu) / sigma
        return mp.atan(-1 / z) / mp.pi if z < 0 else half + mp.atan(z) / mp.pi

    def sf(x):
        z = (x - mu) / sigma
        return mp.atan(1 / z) / mp.pi if z > 0 else half - mp.atan(z) / mp.pi

    def pdf(x):
        z = (x - mu) / sigma
        return 1 / (mp.pi * sigma * (1 + z * z))
    return dict(pdf=pdf, cdf=cdf, sf=sf, hazard=lambda x: pdf(x) / sf(x),
                quantile=lambda q: mu - sigma / mp.tan(mp.pi * q) if q < half else mu + sigma / mp.tan(mp.pi * (1 - q)))


def double_exponential(rate, _):
    def cdf(x):
        return mp.exp(rate * x) / 2 if x < 0 else 1 - mp.exp(-rate * x) / 2

    def sf(x):
        return 1 - mp.exp(rate * x) / 2 if x < 0 else mp.exp(-rate * x) / 2
    return dict(pdf=lambda x: rate / 2 * mp.exp(-rate * abs(x)), cdf=cdf, sf=sf,
                quantile=lambda q: mp.log(2 * q) / rate if q < half else -mp.log(2 * (1 - q)) / rate,
                standardDeviation=mp.sqrt(2) / rate)


def normal_upper(z):
    return mp.erfc(z / mp.sqrt(2)) / 2


# The normal family's distribution functions and hazard are kept where they
# need no error function of a middle argument: at z = 0 and from |z| = 5 on.
def outside_middle(z):
    return z == 0 or abs(z) >= 5


def normal(mu, sigma):
    return dict(standard=lambda x: (x - mu) / sigma, pdf=lambda x: mp.npdf((x - mu) / sigma) / sigma, cdf=lambda x: normal_upper(-(x - mu) / sigma),
                sf=lambda x: normal_upper((x - mu) / sigma),
                hazard=lambda x: mp.npdf((x - mu) / sigma) / sigma / normal_upper((x - mu) / sigma),
                **({'coefficientOfVariation': sigma / mu} if mu != 0 else {}))


def lognormal(mu, sigma):
    def t(x):
        return (mp.log(x) - mp.log(mu)) / sigma
    s = sigma * sigma
    w = mp.exp(s)

    def quantile(q):
        with mp.workdps(700):
            z = mp.sqrt(2) * mp.erfinv(2 * q - 1)
        return mu * mp.exp(sigma * z)
    return dict(standard=t, pdf=lambda x: mp.npdf(t(x)) / (x * sigma), cdf=lambda x: normal_upper(-t(x)),
                sf=lambda x: normal_upper(t(x)), quantile=quantile,
                mean=mu * mp.exp(s / 2), standardDeviation=mu * mp.sqrt(w * (w - 1)),
                coefficientOfVariation=mp.sqrt(w - 1), skewness=(w + 2) * mp.sqrt(w - 1),
                kurtosis=w ** 4 + 2 * w ** 3 + 3 * w ** 2 - 3)


def beta(a, b):
    m = a / (a + b)
    return dict(mean=m, standardDeviation=mp.sqrt(a * b / ((a + b) ** 2 * (a + b + 1))),
                coefficientOfVariation=mp.sqrt(b / (a * (a + b + 1))),
                skewness=2 * (b - a) * mp.sqrt(a + b + 1) / ((a + b + 2) * mp.sqrt(a * b)))


def f_law(n1, n2):
    return dict(mean=n2 / (n2 - 2),
                standardDeviation=mp.sqrt(2 * n2 ** 2 * (n1 + n2 - 2) / (n1 * (n2 - 2) ** 2 * (n2 - 4))),
                coefficientOfVariation=mp.sqrt(2 * (n1 + n2 - 2) / (n1 * (n2 - 4))),
                skewness=(2 * n1 + n2 - 2) * mp.sqrt(8 * (n2 - 4)) / ((n2 - 6) * mp.sqrt(n1 * (n1 + n2 - 2))))


def student(n, _):
    def quantile(q):
        # In log t, where the tail is nearly linear: log S(t) = log min(q, 1 - q).
        tail = min(q, 1 - q)

        def gap(log_t):
            t = mp.exp(log_t)
            return mp.log(mp.betainc(n / 2, half, 0, n / (n + t * t), regularized=True) / 2) - mp.log(tail)
        t = mp.exp(mp.findroot(gap, -mp.log(tail) / n))
        return -t if q < half else t

    def pdf(t):
        return mp.exp(-(n + 1) / 2 * mp.log1p(t * t / n) - mp.log(n) / 2 - mp.log(mp.beta(half, n / 2)))
    return dict(pdf=pdf, quantile=quantile)


# --- the count laws -----------------------------------------------------------

def poisson(lam, _):
    return dict(pdf=lambda k: mp.exp(k * mp.log(lam) - lam - mp.loggamma(k + 1)),
                cdf=lambda k: mp.gammainc(k + 1, lam, mp.inf, regularized=True),
                sf=lambda k: mp.gammainc(k + 1, 0, lam, regularized=True))


def binomial(n, p):
    return dict(pdf=lambda k: mp.exp(mp.loggamma(n + 1) - mp.loggamma(k + 1) - mp.loggamma(n - k + 1)
                                     + k * mp.log(p) + (n - k) * mp.log1p(-p)),
                cdf=lambda k: mp.mpf(1) if k >= n else mp.betainc(n - k, k + 1, 0, 1 - p, regularized=True),
                sf=lambda k: mp.betainc(k + 1, n - k, 0, p, regularized=True))


def negative_binomial(n, p):
    return dict(pdf=lambda k: mp.exp(mp.loggamma(n + k) - mp.loggamma(k + 1) - mp.loggamma(n)
                                     + n * mp.log(p) + k * mp.log1p(-p)),
                cdf=lambda k: mp.betainc(n, k + 1, 0, p, regularized=True),
                sf=lambda k: mp.betainc(k + 1, n, 0, 1 - p, regularized=True))


def geometric(p, _):
    return dict(pdf=lambda k: p * mp.exp(k * mp.log1p(-p)), cdf=lambda k: -mp.expm1((k + 1) * mp.log1p(-p)),
                sf=lambda k: mp.exp((k + 1) * mp.log1p(-p)))


def count_quantile(law, q):
    """The smallest k with cdf(k) >= q, by doubling and halving on the exact cdf."""
    high = 1
    while law['cdf'](high) < q:
        high *= 2
    low = -1
    while high - low > 1:
        middle = (low + high) // 2
        if law['cdf'](middle) >= q:
            high = middle
        else:
            low = middle
    return high


CONTINUOUS = [
    ('uniform', uniform, 0.0, 1e200, [1.0, 5e199], [0.25]),
    ('uniform', uniform, -1e308, 1e308, [-5e307, 1e307], [0.75]),
    ('uniform', uniform, 1.0, 1.0 + 2 ** -40, [1.0 + 2 ** -41], [0.5]),
    ('exponential', exponential, 1.0, 0, [1e-12, 1e-300, 700.0], [1e-12, 1 - 2 ** -50]),
    ('exponential', exponential, 1e-310, 0, [1e300], [0.5]),
    ('exponential', exponential, 1e300, 0, [1e-310], [1e-300]),
    ('cauchy', cauchy, 0.0, 1.0, [-1e12, -1e150, 1e12, -3.0], [1e-6, 1e-300, 0.999999, 0.3]),
    ('cauchy', cauchy, 1e300, 1e300, [-1e308, 1e308], [0.1]),
    ('cauchy', cauchy, 0.0, 1e-300, [-1e-138], [0.25]),
    ('double_exponential', double_exponential, 1.0, 0, [-700.0, 700.0, 1e-20], [1e-300, 1 - 2 ** -52]),
    ('double_exponential', double_exponential, 1e-310, 0, [1.0], [0.9]),
    ('normal', normal, 0.0, 1.0, [-37.0, -20.0, -5.5, 8.0, 30.0], []),
    ('normal', normal, 1e-300, 1e-300, [-3e-299, 1e-300], []),
    ('normal', normal, -1e308, 3e307, [1e308], []),
    ('normal', normal, 1e-310, 1.0, [-6.0], []),
    ('lognormal', lognormal, 1e200, 1000.0, [1e-200, 1e300], [1e-300, 0.5, 0.75]),
    ('lognormal', lognormal, 1e-300, 1000.0, [1e-300, 1e10], [0.5]),
    ('lognormal', lognormal, 1e200, 1.0, [1e-200, 1e180], [0.999]),
    ('lognormal', lognormal, 1.0, 1e-3, [], []),
    ('lognormal', lognormal, 1.0, 30.0, [1e-300], [0.9]),
    ('lognormal', lognormal, 1e-300, 37.0, [], []),
    ('student', student, 1.0, 0, [], [1e-20, 1 - 1e-16]),
    ('student', student, 2.0, 0, [], [1e-20, 0.3]),
    ('student', student, 3.0, 0, [], [1e-60]),
    ('student', student, 5.0, 0, [], [1e-300]),
    ('beta', beta, 1e300, 1e300, [], []),
    ('beta', beta, 1e308, 1e308, [], []),
    ('beta', beta, 1e-300, 2.0, [], []),
    ('beta', beta, 3.0, 1e-310, [], []),
    ('f', f_law, 1e300, 1e300, [], []),
    ('f', f_law, 5.0, 1e300, [], []),
    ('f', f_law, 1e300, 7.0, [], []),
]

COUNTS = [
    ('poisson', poisson, 10.0, 0, [0, 5, 252, 400], [1e-300, 0.5, 1 - 1e-15]),
    ('poisson', poisson, 700.0, 0, [0, 650, 2000], [1e-200, 0.999]),
    ('poisson', poisson, 5000.0, 0, [4000, 5100, 7000], [1e-100, 0.1, 0.9]),
    ('binomial', binomial, 1000.0, 0.6, [0, 500, 953, 999], [1e-100, 0.5, 1 - 1e-12]),
    ('binomial', binomial, 2000.0, 1e-6, [0, 1, 9], [0.001, 0.999999]),
    ('binomial', binomial, 5000.0, 0.999, [4900, 4999], [1e-20, 0.5]),
    ('negative_binomial', negative_binomial, 1.0, 0.3, [0, 1613], [0.5, 1 - 1e-12]),
    ('negative_binomial', negative_binomial, 3.0, 1e-12, [10 ** 12, 10 ** 14], [0.5]),
    ('negative_binomial', negative_binomial, 2000.0, 0.999, [0, 5, 40], [1e-50, 0.9]),
    ('geometric', geometric, 0.5, 0, [0, 830, 1070], [0.5, 1 - 1e-15]),
    ('geometric', geometric, 1e-300, 0, [10 ** 300], [1e-10, 0.5]),
    ('geometric', geometric, 0.3, 0, [1000], [0.999]),
]

STATISTICS = ('mean', 'standardDeviation', 'coefficientOfVariation', 'skewness', 'kurtosis')


def value_at(f, x):
    """f(x); a subnormal value as its correctly rounded double, found at 400
    digits: one a hair from half a unit (as lambda/2 e^(-lambda x) at a
    subnormal lambda) would round the wrong way from 50 or from a record's 20."""
    v = f(x)
    if SMALLEST_SUBNORMAL / 2 <= abs(v) < SMALLEST_NORMAL:
        with mp.workdps(400):
            v = mp.nint(f(x) / SMALLEST_SUBNORMAL) * SMALLEST_SUBNORMAL
    return v


def text(v):
    v = mp.mpf(v)
    if abs(v) > DMAX:
        return 'inf' if v > 0 else '-inf'
    return mp.nstr(v, 20, min_fixed=0, max_fixed=0)


def main():
    lines = ['# generated by extreme_reference.py with mpmath at 50 digits; do not edit']

    def emit(name, p1, p2, op, arg, value, tol):
        lines.append('%s %r %r %s %r %s %s' % (name, p1, p2, op, arg, text(value), mp.nstr(tol, 3)))

    for name, make, p1, p2, xs, qs in CONTINUOUS:
        law = make(mp.mpf(p1), mp.mpf(p2))
        for op in STATISTICS:
            if op in law:
                v = law[op]
                exponential = name == 'lognormal' and v != 0
                emit(name, p1, p2, op, 0.0, v, tolerance(mp.log(abs(v)) if exponential else 0))
        for x in xs:
            mx = mp.mpf(x)
            for op, key in (('pdf', 'pdf'), ('cdf', 'cdf'), ('survival', 'sf'), ('hazard', 'hazard')):
                if key not in law or (op != 'pdf' and 'standard' in law and not outside_middle(law['standard'](mx))):
                    continue
                f = law[key]
                v = value_at(f, mx)
                emit(name, p1, p2, op, x, v, tolerance(x_cond(f, mx)))
        for q in qs:
            x = value_at(law['quantile'], mp.mpf(q))
            density = law['pdf'](x) if abs(x) <= DMAX else 0
            cond = min(q, 1 - q) / (abs(x) * density) if x != 0 and density != 0 else 0
            emit(name, p1, p2, 'quantile', q, x, tolerance(cond))

    for name, make, p1, p2, ks, qs in COUNTS:
        law = make(mp.mpf(p1), mp.mpf(p2))
        for k in ks:
            for op, key in (('pdf', 'pdf'), ('cdf', 'cdf'), ('survival', 'sf')):
                v = value_at(law[key], mp.mpf(k))
                emit(name, p1, p2, op, float(k), v, tolerance(mp.log(v) if v != 0 else 0))
        for q in qs:
            emit(name, p1, p2, 'quantile', q, count_quantile(law, mp.mpf(q)), 0)

    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'extreme_reference.txt'), 'w') as out:
        out.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
