#!/usr/bin/env python3
"""Reference values of the six closed-form and normal-integral distributions.

Writes distribution_reference.txt beside this script, one record a line:
    distribution parameter1 parameter2 operation argument value
The argument is "-" for the statistics. A quantile record has a seventh field,
dx/dq at the quantile, which turns a rounding of q into the error it causes. Every argument and parameter is a double
written exactly, and the value is that of the exact doubles, at 60 digits.
The double exponential's hazard is left out: it is shown without its factor
lambda, so its true value is not what the operation reports.
"""
import os
import mpmath as mp

mp.mp.dps = 60
inf = mp.inf


def normal_quantile(q):
    return mp.sqrt(2) * mp.erfinv(2 * q - 1)


class Uniform:
    name = "uniform"

    def __init__(self, a, b):
        self.a, self.b = mp.mpf(a), mp.mpf(b)

    def statistics(self):
        a, b = self.a, self.b
        m = (a + b) / 2
        sd = (b - a) / mp.sqrt(12)
        return {"mean": m, "standardDeviation": sd, "coefficientOfVariation": sd / m if m != 0 else None,
                "skewness": 0, "kurtosis": mp.mpf(9) / 5}

    def pdf(self, x):
        return 1 / (self.b - self.a) if self.a <= x <= self.b else None

    def cdf(self, x):
        return min(max((x - self.a) / (self.b - self.a), 0), 1)

    def quantile(self, q):
        return self.a + (self.b - self.a) * q


class Exponential:
    name = "exponential"

    def __init__(self, rate):
        self.l = mp.mpf(rate)

    def statistics(self):
        return {"mean": 1 / self.l, "standardDeviation": 1 / self.l, "coefficientOfVariation": 1, "skewness": 2,
                "kurtosis": 9}

    def pdf(self, x):
        return self.l * mp.exp(-self.l * x)

    def cdf(self, x):
        return -mp.expm1(-self.l * x)

    def quantile(self, q):
        return -mp.log1p(-q) / self.l


class Cauchy:
    name = "cauchy"

    def __init__(self, mu, sigma):
        self.m, self.s = mp.mpf(mu), mp.mpf(sigma)

    def statistics(self):
        return {}

    def pdf(self, x):
        z = (x - self.m) / self.s
        return 1 / (mp.pi * self.s * (1 + z * z))

    def cdf(self, x):
        return mp.atan((x - self.m) / self.s) / mp.pi + mp.mpf(1) / 2

    def quantile(self, q):
        return self.m + self.s * mp.tan(mp.pi * (q - mp.mpf(1) / 2))


class DoubleExponential:
    name = "double_exponential"

    def __init__(self, rate):
        self.l = mp.mpf(rate)

    def statistics(self):
        return {"mean": 0, "standardDeviation": mp.sqrt(2) / self.l, "skewness": 0, "kurtosis": 6}

    def pdf(self, x):
        return self.l / 2 * mp.exp(-self.l * abs(x))

    def cdf(self, x):
        return mp.exp(self.l * x) / 2 if x < 0 else 1 - mp.exp(-self.l * x) / 2

    def quantile(self, q):
        return mp.log(2 * q) / self.l if q < 0.5 else -mp.log(2 * (1 - q)) / self.l


class Normal:
    name = "normal"

    def __init__(self, mu, sigma):
        self.m, self.s = mp.mpf(mu), mp.mpf(sigma)

    def statistics(self):
        return {"mean": self.m, "standardDeviation": self.s,
                "coefficientOfVariation": self.s / self.m if self.m != 0 else None, "skewness": 0, "kurtosis": 3}

    def pdf(self, x):
        return mp.npdf(x, self.m, self.s)

    def cdf(self, x):
        return mp.ncdf(x, self.m, self.s)

    def quantile(self, q):
        return self.m + self.s * normal_quantile(q)


class Lognormal:
    name = "lognormal"

    def __init__(self, mu, sigma):
        self.m, self.s = mp.mpf(mu), mp.mpf(sigma)

    def statistics(self):
        w = mp.exp(self.s ** 2)
        return {"mean": self.m * mp.sqrt(w), "standardDeviation": self.m * mp.sqrt(w * (w - 1)),
                "coefficientOfVariation": mp.sqrt(w - 1), "skewness": (w + 2) * mp.sqrt(w - 1),
                "kurtosis": w ** 4 + 2 * w ** 3 + 3 * w ** 2 - 3}

    def pdf(self, x):
        if x <= 0:
            return mp.mpf(0)
        t = mp.log(x / self.m) / self.s
        return mp.npdf(t) / (x * self.s)

    def cdf(self, x):
        return mp.ncdf(mp.log(x / self.m) / self.s) if x > 0 else mp.mpf(0)

    def quantile(self, q):
        return self.m * mp.exp(self.s * normal_quantile(q))


cases = [
    (Uniform, (0.0, 1.0)), (Uniform, (-5.0, 3.0)), (Uniform, (1e6, 1e6 + 1)), (Uniform, (-1e150, 3e150)),
    (Uniform, (1e-12, 3e-12)),
    (Exponential, (1e-8,)), (Exponential, (0.5,)), (Exponential, (1.0,)), (Exponential, (3.0,)),
    (Exponential, (1e8,)),
    (Cauchy, (0.0, 1.0)), (Cauchy, (-3.0, 0.01)), (Cauchy, (1e6, 1e3)), (Cauchy, (2.0, 1e-100)),
    (DoubleExponential, (1e-5,)), (DoubleExponential, (1.0,)), (DoubleExponential, (2.0,)),
    (DoubleExponential, (50.0,)),
    (Normal, (0.0, 1.0)), (Normal, (10.0, 0.001)), (Normal, (-1e5, 300.0)), (Normal, (1e100, 1e99)),
    (Normal, (0.0, 1e-100)),
    (Lognormal, (1.0, 1.0)), (Lognormal, (1e-3, 0.1)), (Lognormal, (50.0, 3.0)), (Lognormal, (1.0, 0.001)),
    (Lognormal, (2.0, 5.0)), (Lognormal, (1e100, 0.5)),
]

probabilities = [1e-10, 0.001, 0.02, 0.3, 0.5, 0.7, 0.98, 0.999, 1 - 1e-6]


def text(v):
    if v == inf:
        return "inf"
    return mp.nstr(mp.mpf(v), 20, min_fixed=0, max_fixed=0) if v != 0 else "0"


lines = []
for kind, parameters in cases:
    d = kind(*parameters)
    p1 = repr(parameters[0])
    p2 = repr(parameters[1]) if len(parameters) > 1 else "0.0"
    head = f"{d.name} {p1} {p2}"
    for operation, value in d.statistics().items():
        if value is not None:
            lines.append(f"{head} {operation} - {text(value)}")
    for q in probabilities:
        exact = d.quantile(mp.mpf(q))
        lines.append(f"{head} quantile {repr(q)} {text(exact)} {text(1 / d.pdf(exact))}")
        x = float(exact)
        xm = mp.mpf(x)
        density = d.pdf(xm)
        if density is not None:
            lines.append(f"{head} pdf {repr(x)} {text(density)}")
        distribution = d.cdf(xm)
        lines.append(f"{head} cdf {repr(x)} {text(distribution)}")
        if q <= 0.98:
            lines.append(f"{head} survival {repr(x)} {text(1 - distribution)}")
            if density is not None and kind is not DoubleExponential:
                lines.append(f"{head} hazard {repr(x)} {text(density / (1 - distribution))}")

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "distribution_reference.txt"), "w") as out:
    out.write("# generated by distribution_reference.py; do not edit\n")
    out.write("\n".join(lines) + "\n")
