#!/usr/bin/env python3
"""Exact values of the Weibull, logistic, Gumbel, Pareto, Rayleigh and
discrete uniform distributions at 50 digits: statistics, both tails far out,
hazards, quantiles, extreme parameters.

Writes six_reference.txt beside this script, one record a line:
    distribution parameter1 parameter2 operation argument value tolerance
Parameters and arguments are doubles written exactly; the value is that of
the exact doubles, or the name of the status the operation must give where it
has no finite value ("PlusInfinity", "Invalid", ...; tolerance "-"). The
tolerance is the relative error allowed: max(1e-13, 100 cond 2^-52) with
cond = |x f'(x) / f(x)| for a function of x, min(q, 1 - q) / (|x| pdf(x))
for a continuous quantile, and 0 for a count, which must be exact. A Weibull
statistic, a function of the shape alone, takes cond = |k S'(k) / S(k)|: near
the shape where the skewness changes sign no formula can do better.
"""
import os
import mpmath as mp

mp.mp.dps = 50
EPS = mp.mpf(2) ** -52
DMAX = mp.mpf('1.7976931348623157e308')
half = mp.mpf(1) / 2


def tolerance(cond):
    return max(mp.mpf('1e-13'), 100 * abs(cond) * EPS)


def x_cond(f, x):
    """|x f'(x) / f(x)| by a central difference in a relative step."""
    value = f(x)
    if value == 0 or x == 0:
        return 0
    step = mp.mpf('1e-25')
    return (f(x * (1 + step)) - f(x * (1 - step))) / (2 * step * value)


def weibull(k, lam):
    g = [mp.gamma(1 + n / k) for n in range(5)]
    var = g[2] - g[1] ** 2
    law = dict(
        pdf=lambda x: k / lam * (x / lam) ** (k - 1) * mp.exp(-(x / lam) ** k),
        cdf=lambda x: -mp.expm1(-(x / lam) ** k), sf=lambda x: mp.exp(-(x / lam) ** k),
        hazard=lambda x: k / lam * (x / lam) ** (k - 1),
        quantile=lambda q: lam * (-mp.log1p(-q)) ** (1 / k),
        mean=lam * g[1], standardDeviation=lam * mp.sqrt(var), coefficientOfVariation=mp.sqrt(var) / g[1],
        skewness=(g[3] - 3 * g[1] * g[2] + 2 * g[1] ** 3) / var ** 1.5,
        kurtosis=(g[4] - 4 * g[1] * g[3] + 6 * g[1] ** 2 * g[2] - 3 * g[1] ** 4) / var ** 2)
    return law


def logistic(mu, s):
    def cdf(x):
        return 1 / (1 + mp.exp(-(x - mu) / s))

    def sf(x):
        return 1 / (1 + mp.exp((x - mu) / s))

    def pdf(x):
        return cdf(x) * sf(x) / s
    law = dict(pdf=pdf, cdf=cdf, sf=sf, hazard=lambda x: cdf(x) / s,
               quantile=lambda q: mu + s * mp.log(q / (1 - q)),
               mean=mu, standardDeviation=s * mp.pi / mp.sqrt(3), skewness=0, kurtosis=mp.mpf(21) / 5)
    law['coefficientOfVariation'] = s * mp.pi / mp.sqrt(3) / mu if mu != 0 else 'DivisionByZero'
    return law


def gumbel(mu, beta):
    def w(x):
        return mp.exp(-(x - mu) / beta)
    mean = mu + beta * mp.euler
    sd = beta * mp.pi / mp.sqrt(6)
    return dict(pdf=lambda x: w(x) * mp.exp(-w(x)) / beta, cdf=lambda x: mp.exp(-w(x)),
                sf=lambda x: -mp.expm1(-w(x)), hazard=lambda x: w(x) / mp.expm1(w(x)) / beta,
                quantile=lambda q: mu - beta * mp.log(-mp.log(q)),
                mean=mean, standardDeviation=sd, coefficientOfVariation=sd / mean if mean != 0 else 'DivisionByZero',
                skewness=12 * mp.sqrt(6) * mp.zeta(3) / mp.pi ** 3, kurtosis=mp.mpf(27) / 5)


def pareto(xm, a):
    law = dict(pdf=lambda x: a / x * (xm / x) ** a, cdf=lambda x: -mp.expm1(-a * mp.log(x / xm)),
               sf=lambda x: (xm / x) ** a, hazard=lambda x: a / x, quantile=lambda q: xm * (1 - q) ** (-1 / a))
    law['mean'] = xm * a / (a - 1) if a > 1 else 'PlusInfinity'
    if a > 2:
        law['standardDeviation'] = xm / (a - 1) * mp.sqrt(a / (a - 2))
        law['coefficientOfVariation'] = 1 / mp.sqrt(a * (a - 2))
    else:
        law['standardDeviation'] = law['coefficientOfVariation'] = 'PlusInfinity' if a > 1 else 'Invalid'
    law['skewness'] = 2 * (1 + a) / (a - 3) * mp.sqrt((a - 2) / a) if a > 3 else 'Invalid'
    law['kurtosis'] = 3 + 6 * (a ** 3 + a ** 2 - 6 * a - 2) / (a * (a - 3) * (a - 4)) if a > 4 else 'Invalid'
    return law


def rayleigh(sigma, _):
    return dict(pdf=lambda x: x / sigma ** 2 * mp.exp(-x * x / (2 * sigma ** 2)),
                cdf=lambda x: -mp.expm1(-x * x / (2 * sigma ** 2)), sf=lambda x: mp.exp(-x * x / (2 * sigma ** 2)),
                hazard=lambda x: x / sigma ** 2, quantile=lambda q: sigma * mp.sqrt(-2 * mp.log1p(-q)),
                mean=sigma * mp.sqrt(mp.pi / 2), standardDeviation=sigma * mp.sqrt((4 - mp.pi) / 2),
                coefficientOfVariation=mp.sqrt((4 - mp.pi) / mp.pi),
                skewness=2 * mp.sqrt(mp.pi) * (mp.pi - 3) / (4 - mp.pi) ** 1.5,
                kurtosis=3 - (6 * mp.pi ** 2 - 24 * mp.pi + 16) / (4 - mp.pi) ** 2)


def weibull_points(k, lam):
    """x from the far left (cdf 1e-300) through the middle to the far right (survival 1e-300)."""
    return [lam * mp.mpf(u) ** (1 / k) for u in ('1e-300', '1e-20', '0.01', '0.5', '1', '3', '40', '690')]


def location_points(mu, scale, zs):
    return [mu + scale * z for z in zs]


CONTINUOUS = [
    ('weibull', weibull, 1.5, 1.0, None, [1e-300, 1e-10, 0.5, 1 - 1e-10, 1 - 2 ** -52]),
    ('weibull', weibull, 0.5, 2.0, None, [1e-200, 0.3, 0.999999]),
    ('weibull', weibull, 1.0, 1e-300, None, [1e-300, 0.5]),
    ('weibull', weibull, 3.6, 1e300, None, [1e-100, 0.5, 0.9]),
    ('weibull', weibull, 10.0, 1.0, None, [1e-300, 0.5]),
    ('weibull', weibull, 100.0, 1e-3, None, [0.01, 0.99]),
    ('weibull', weibull, 0.01, 1.0, None, [0.5]),
    ('weibull', weibull, 1e4, 1.0, None, [0.5]),
    ('weibull', weibull, 25.0, 3.0, None, []),
    ('weibull', weibull, 6.0, 1.0, None, []),
    ('weibull', weibull, 0.005, 1.0, None, []),
    ('logistic', logistic, 0.0, 1.0, [-740, -690, -30, -1, 0, 0.5, 30, 690, 740], [1e-300, 0.3, 0.5, 0.75, 1 - 1e-15]),
    ('logistic', logistic, 5.0, 0.01, [-7, -2, 1, 2], [1e-20, 0.6]),
    ('logistic', logistic, -1e10, 1e3, [-600, 0, 600], [0.999]),
    ('logistic', logistic, 1e-300, 1e-300, [-500, 500], [0.1]),
    ('gumbel', gumbel, 0.0, 1.0, [-6.5, -5, -2, 0, 1, 5, 30, 690, 745], [1e-300, 1e-5, 0.5, 1 - 1e-12]),
    ('gumbel', gumbel, 1e6, 1e-3, [-5, 0, 40], [0.2, 0.9]),
    ('gumbel', gumbel, -3.0, 2.0, [-4, 3, 100], [0.01]),
    ('gumbel', gumbel, 0.0, 1e300, [-6, 0.5, 1.5], [0.999]),
    ('pareto', pareto, 1.0, 3.0, None, [1e-300, 0.5, 0.98, 1 - 1e-15]),
    ('pareto', pareto, 1e-300, 0.5, None, [1e-10, 0.9]),
    ('pareto', pareto, 1e300, 2.0, None, [0.5]),
    ('pareto', pareto, 2.0, 1e-3, None, [0.25]),
    ('pareto', pareto, 1.0, 50.0, None, [1e-300, 1 - 1e-10]),
    ('pareto', pareto, 1.0, 1.0, None, []),
    ('pareto', pareto, 1.0, 4.0, None, []),
    ('rayleigh', rayleigh, 1.0, 0, [1e-150, 1e-10, 0.5, 1, 2, 10, 37], [1e-300, 1e-10, 0.5, 1 - 2 ** -52]),
    ('rayleigh', rayleigh, 1e-300, 0, [1e-310, 1e-300, 3e-299], [0.7]),
    ('rayleigh', rayleigh, 1e300, 0, [1e290, 3e300], [0.001]),
]


def pareto_points(xm, a):
    points = [xm * (1 + mp.mpf('1e-10')), xm * 1.5, xm * 2, xm * 10]
    return points + [xm * mp.mpf('1e300') ** (1 / a), xm * mp.mpf('1e100') ** (1 / a)]


def discrete_uniform(a, b):
    n = b - a + 1
    law = dict(pdf=lambda k: 1 / n if a <= k <= b else 0,
               cdf=lambda k: 0 if k < a else (1 if k >= b else (k - a + 1) / n),
               sf=lambda k: 1 if k < a else (0 if k >= b else (b - k) / n),
               mean=(a + b) / 2, standardDeviation=mp.sqrt((n * n - 1) / 12))
    law['coefficientOfVariation'] = law['standardDeviation'] / law['mean'] if a + b != 0 else 'DivisionByZero'
    law['skewness'] = 0 if n > 1 else 'DivisionByZero'
    law['kurtosis'] = 3 - mp.mpf(6) * (n * n + 1) / (5 * (n * n - 1)) if n > 1 else 'DivisionByZero'
    return law


def count_quantile(a, b, q):
    """The smallest k in [a, b] with (k - a + 1) / n >= q, for the exact q."""
    n = b - a + 1
    return a - 1 + mp.ceil(q * n) if q > 0 else a


COUNTS = [
    (1.0, 6.0, [0, 1, 3.5, 6, 7, -1e300], [0.0, 1e-300, 1 / 6, 1 / 3, 0.5, 2 / 3, 1 - 2 ** -53, 1.0]),
    (-1e15, 1e15, [-1e15, -3, 0, 1e15 - 1], [1e-16, 0.1, 0.5, 1 - 1e-16]),
    (-3.0, -3.0, [-3, -2.5], [0.3, 1.0]),
    (0.0, 9.0, [4], [0.7, 0.1]),
    (-4.0, 4.0, [], []),
]

STATISTICS = ('mean', 'standardDeviation', 'coefficientOfVariation', 'skewness', 'kurtosis')


def text(v):
    if isinstance(v, str):
        return v
    v = mp.mpf(v)
    if abs(v) > DMAX:
        return 'PlusInfinity' if v > 0 else 'MinusInfinity'
    return mp.nstr(v, 20, min_fixed=0, max_fixed=0)


def main():
    lines = ['# generated by six_reference.py with mpmath at 50 digits; do not edit']

    def emit(name, p1, p2, op, arg, value, tol):
        tol_text = '-' if isinstance(value, str) or abs(mp.mpf(value)) > DMAX else mp.nstr(tol, 3)
        lines.append('%s %r %r %s %r %s %s' % (name, p1, p2, op, arg, text(value), tol_text))

    for name, make, p1, p2, zs, qs in CONTINUOUS:
        mp1, mp2 = mp.mpf(p1), mp.mpf(p2)
        law = make(mp1, mp2)
        for op in STATISTICS:
            cond = 0
            if name == 'weibull':
                cond = x_cond(lambda k: make(k, mp2)[op], mp1)
            emit(name, p1, p2, op, 0.0, law[op], tolerance(cond))
        if name == 'weibull':
            xs = weibull_points(mp1, mp2)
        elif name == 'pareto':
            xs = pareto_points(mp1, mp2)
        elif name == 'rayleigh':
            xs = [mp1 * z for z in zs]
        else:
            xs = location_points(mp1, mp2, zs)
        for x in xs:
            if abs(x) > DMAX or (x != 0 and float(x) == 0):
                continue  # beyond the doubles
            xd = float(x)
            mx = mp.mpf(xd)
            for op, key in (('pdf', 'pdf'), ('cdf', 'cdf'), ('survival', 'sf'), ('hazard', 'hazard')):
                f = law[key]
                emit(name, p1, p2, op, xd, f(mx), tolerance(x_cond(f, mx)))
        for q in qs:
            x = law['quantile'](mp.mpf(q))
            density = law['pdf'](x) if abs(x) <= DMAX else 0
            cond = min(q, 1 - q) / (abs(x) * density) if x != 0 and density != 0 else 0
            emit(name, p1, p2, 'quantile', q, x, tolerance(cond))

    for a, b, ks, qs in COUNTS:
        law = discrete_uniform(mp.mpf(a), mp.mpf(b))
        for op in STATISTICS:
            emit('discrete_uniform', a, b, op, 0.0, law[op], tolerance(0))
        for k in ks:
            mk = mp.floor(mp.mpf(k))
            for op, key in (('pdf', 'pdf'), ('cdf', 'cdf'), ('survival', 'sf')):
                emit('discrete_uniform', a, b, op, float(k), law[key](mk), tolerance(0))
        for q in qs:
            emit('discrete_uniform', a, b, 'quantile', q, count_quantile(mp.mpf(a), mp.mpf(b), mp.mpf(q)), 0)

    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'six_reference.txt'), 'w') as out:
        out.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
