#!/usr/bin/env python3
"""Survival and hazard far into the tails, at 40 significant digits, for the
eleven continuous distributions.

Writes tail_reference.txt beside this script, one record a line:
    distribution parameter1 parameter2 x survival hazard
Parameters and x are doubles written exactly; the values are those of the
exact doubles. A hazard of "-" is not checked.
"""
import os
import mpmath as mp

mp.mp.dps = 40
half = mp.mpf(1) / 2


def normal_tail(z):
    """(1 - Phi(z), phi(z) / (1 - Phi(z)))."""
    if z > 1e4:
        # mpmath's erfc gives up this far out; the asymptotic series of Mills'
        # ratio has converged to 40 digits long before.
        inv = 1 / (z * z)
        series = 1 - inv + 3 * inv ** 2 - 15 * inv ** 3 + 105 * inv ** 4 - 945 * inv ** 5
        ratio = series / z
        return mp.npdf(z) * ratio, 1 / ratio
    tail = mp.ncdf(-z)
    return tail, mp.npdf(z) / tail


def normal(mu, sigma, x):
    z = (x - mu) / sigma
    tail, hazard = normal_tail(z)
    return tail, hazard / sigma


def lognormal(mu, sigma, x):
    t = mp.log(x / mu) / sigma
    tail, hazard = normal_tail(t)
    return tail, hazard / (x * sigma)


def cauchy(mu, sigma, x):
    z = (x - mu) / sigma
    tail = mp.atan(1 / z) / mp.pi if z > 0 else half - mp.atan(z) / mp.pi
    density = 1 / (mp.pi * sigma * (1 + z * z))
    return tail, density / tail


def exponential(rate, _, x):
    return mp.exp(-rate * x), rate


def uniform(a, b, x):
    if x >= b:
        return mp.mpf(0), None
    return (b - x) / (b - a), 1 / (b - x)


def double_exponential(rate, _, x):
    tail = 1 - mp.exp(rate * x) / 2 if x < 0 else mp.exp(-rate * x) / 2
    density = rate / 2 * mp.exp(-rate * abs(x))
    return tail, density / tail


grid = [k / 2 for k in range(-20, 77)] + [37.25, 37.5, 38, 40, 50, 100, 1e3, 1e5, 1e10, 1e100, 1e150, 1e200]
log_grid = [k / 2 for k in range(-20, 77)] + [37.25, 37.5, 38, 40, 60, 100, 150]
far = [10.0 ** k for k in range(-3, 301, 3)]

cases = []
for mu, sigma in [(0.0, 1.0), (3.0, 2.0), (-1e5, 300.0), (0.0, 1e-200), (1e6, 1e-3)]:
    cases += [("normal", mu, sigma, mu + sigma * z) for z in grid]
for mu, sigma in [(1.0, 1.0), (1e-3, 0.1), (50.0, 3.0), (1e300, 1.0), (1.0, 10.0), (1e-200, 0.25)]:
    cases += [("lognormal", mu, sigma, x) for t in log_grid
              if 0 < (x := float(mu * mp.exp(sigma * t))) < float("inf")]
for mu, sigma in [(0.0, 1.0), (-3.0, 0.01), (1e6, 1e3), (0.0, 1e-300)]:
    cases += [("cauchy", mu, sigma, mu + sigma * s * f) for f in far for s in (1, -1)]
for rate in [1.0, 1e-8, 3.0, 1e8]:
    cases += [("exponential", rate, 0.0, k / rate) for k in range(0, 741, 5)]
for a, b in [(0.0, 1.0), (1e6, 1e6 + 1), (-2.0, 1e-300)]:
    cases += [("uniform", a, b, x) for x in [a, (a + b) / 2, b - (b - a) * 1e-5, b - (b - a) * 1e-10,
                                             b - (b - a) * 2.0 ** -50]]
for rate in [1.0, 2.0, 1e-3]:
    cases += [("double_exponential", rate, 0.0, k / rate) for k in range(-50, 741, 5)]

def gamma(shape, scale, x):
    t = x / scale
    if t <= 0:
        return mp.mpf(1), None
    # exp(-t) beside t^(shape - 1) needs as many more digits as t has.
    with mp.workdps(mp.mp.dps + int(mp.log10(t)) + 20 if t > 1 else mp.mp.dps):
        tail = mp.gammainc(shape, t, mp.inf, regularized=True)
        density = mp.exp((shape - 1) * mp.log(t) - t - mp.loggamma(shape)) / scale
        return +tail, +(density / tail)


def chi_square(n, _, x):
    return gamma(n / 2, mp.mpf(2), x)


def beta(a, b, x):
    tail = mp.betainc(b, a, 0, 1 - x, regularized=True)
    density = mp.exp((a - 1) * mp.log(x) + (b - 1) * mp.log(1 - x) - mp.log(mp.beta(a, b)))
    return tail, density / tail


def student(n, _, t):
    z = n / (n + t * t)
    tail = mp.betainc(n / 2, half, 0, z, regularized=True) / 2
    if t < 0:
        tail = 1 - tail
    density = mp.exp(-(n + 1) / 2 * mp.log(1 + t * t / n)) / (mp.sqrt(n) * mp.beta(half, n / 2))
    return tail, density / tail


def f_distribution(n1, n2, x):
    w = n2 / (n2 + n1 * x)
    tail = mp.betainc(n2 / 2, n1 / 2, 0, w, regularized=True)
    log_density = ((n1 / 2) * mp.log(n1 / n2) + (n1 / 2 - 1) * mp.log(x) - (n1 + n2) / 2 * mp.log(1 + n1 * x / n2)
                   - mp.log(mp.beta(n1 / 2, n2 / 2)))
    return tail, mp.exp(log_density) / tail


gamma_points = [1e-3, 0.1, 0.5, 1.5, 2, 3, 5, 10, 30]
gamma_far = [10, 30, 92, 100, 300, 700, 720, 750, 800, 1e3, 3e3, 1e4, 1e6, 1e10, 1e100, 1e300]
for shape, scale in [(0.01, 1.0), (0.1, 1.0), (1.0, 1.0), (2.5, 1.0), (10.0, 1.0), (100.0, 1.0), (1000.0, 1.0),
                     (0.5, 1e-3), (3.0, 1e3), (1000.0, 1e-2)]:
    ts = {shape * f for f in gamma_points} | {float(t) for t in gamma_far if t > shape}
    cases += [("gamma", shape, scale, scale * t) for t in sorted(ts)]
for n in [1.0, 2.0, 3.0, 10.0, 100.0, 1000.0, 2000.0]:
    xs = {n * f for f in gamma_points} | {2.0 * t for t in gamma_far if 2 * t > n}
    cases += [("chi_square", n, 0.0, x) for x in sorted(xs)]
beta_near_one = [1 - 10.0 ** -k for k in range(1, 16)] + [1 - 2.0 ** -52, 1 - 2.0 ** -53]
for a, b in [(0.5, 0.5), (2.0, 3.0), (0.01, 5.0), (5.0, 0.01), (50.0, 70.0), (1.0, 200.0), (300.0, 2.0),
             (2.0, 1000.0), (1000.0, 1000.0)]:
    cases += [("beta", a, b, x) for x in [0.001, 0.1, 0.3, 0.5, 0.7, 0.9] + beta_near_one]
student_points = [0.5, 1, 2, 3, 5, 10, 30, 100, 1e3, 1e5, 1e10, 1e50, 1e100, 1e150, 1e200, 1e300]
for n in [1.0, 2.0, 3.0, 5.0, 10.0, 30.0, 100.0, 1000.0]:
    cases += [("student", n, 0.0, s * float(t)) for t in student_points for s in (1, -1)]
f_points = [0.01, 0.5, 1, 2, 5, 10, 100, 1e3, 1e5, 1e10, 1e50, 1e100, 1e200, 1e300]
for n1, n2 in [(1.0, 1.0), (2.0, 5.0), (5.0, 2.0), (10.0, 30.0), (30.0, 10.0), (100.0, 100.0), (1.0, 1000.0),
               (1000.0, 1.0)]:
    cases += [("f", n1, n2, float(x)) for x in f_points]

functions = {"gamma": gamma, "chi_square": chi_square, "beta": beta, "student": student, "f": f_distribution,
             "normal": normal, "lognormal": lognormal, "cauchy": cauchy, "exponential": exponential,
             "uniform": uniform, "double_exponential": double_exponential}


def text(v):
    if v is None:
        return "-"
    return mp.nstr(mp.mpf(v), 20, min_fixed=0, max_fixed=0) if v != 0 else "0"


lines = []
seen = set()
for name, p1, p2, x in cases:
    if (name, p1, p2, x) in seen:
        continue
    seen.add((name, p1, p2, x))
    survival, hazard = functions[name](mp.mpf(p1), mp.mpf(p2), mp.mpf(x))
    lines.append(f"{name} {p1!r} {p2!r} {x!r} {text(survival)} {text(hazard)}")

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "tail_reference.txt"), "w") as out:
    out.write("# generated by tail_reference.py; do not edit\n")
    out.write("\n".join(lines) + "\n")
