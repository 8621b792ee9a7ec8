#!/usr/bin/env python3
"""Reference values of the gamma and beta families and their five distributions.

Computed with mpmath at 50 significant digits and written with 17, one case a
line: a tag, the arguments, then the value. The numeric and model tests read
gamma_beta_reference.txt; rerun this script to regenerate it:

    python3 tests/data/gamma_beta_reference.py > tests/data/gamma_beta_reference.txt
"""

import mpmath as mp

mp.mp.dps = 50
DOUBLE_MIN = mp.mpf("2.2250738585072014e-308")


def D(v):
    """The double nearest to v, as the C++ side sees the argument."""
    return mp.mpf(float(mp.mpf(v)))


def fmt(v):
    return mp.nstr(mp.mpf(v), 17, min_fixed=-1, max_fixed=-1, strip_zeros=False) if v != 0 else "0"


def line(tag, *values):
    print(tag, " ".join(fmt(v) for v in values))


def P(a, x):
    # Each side is summed where its series converges; the other is its complement.
    if x > a:
        return 1 - Q(a, x)
    return mp.gammainc(a, 0, x, regularized=True)


def Q(a, x):
    if x <= a:
        return 1 - P(a, x)
    return mp.gammainc(a, x, mp.inf, regularized=True)


def I(a, b, x):
    """I(a, b; x) by its continued fraction (modified Lentz), on the side where it converges.

    mpmath's own betainc fails to converge for shapes in the tens of thousands."""
    a, b, x = mp.mpf(a), mp.mpf(b), mp.mpf(x)
    if x <= 0:
        return mp.mpf(0)
    if x >= 1:
        return mp.mpf(1)
    if x > (a + 1) / (a + b + 2):
        return 1 - I(b, a, 1 - x)
    front = mp.exp(mp.loggamma(a + b) - mp.loggamma(a) - mp.loggamma(b) + a * mp.log(x) + b * mp.log1p(-x)) / a
    tiny = mp.mpf(10) ** -300
    f, c, d = mp.mpf(1), mp.mpf(1), mp.mpf(0)
    for i in range(200000):
        m = i // 2
        if i == 0:
            numerator = mp.mpf(1)
        elif i % 2 == 0:
            numerator = m * (b - m) * x / ((a + 2 * m - 1) * (a + 2 * m))
        else:
            numerator = -((a + m) * (a + b + m) * x) / ((a + 2 * m) * (a + 2 * m + 1))
        d = 1 + numerator * d
        d = 1 / (d if abs(d) > tiny else tiny)
        c = 1 + numerator / c
        c = c if abs(c) > tiny else tiny
        f *= c * d
        if abs(1 - c * d) < mp.mpf(10) ** -45:
            break
    return front * (f - 1)


def solve_decreasing(f, target, lo, hi, rounds=400):
    """x in [lo, hi] with f(x) = target for a decreasing f, bisecting in log x."""
    lo, hi = mp.mpf(lo), mp.mpf(hi)
    for _ in range(rounds):
        mid = mp.sqrt(lo * hi) if lo > 0 else hi / 2
        if f(mid) > target:
            lo = mid
        else:
            hi = mid
        if hi - lo < hi * mp.mpf(10) ** -40:
            break
    return (lo + hi) / 2


def inverse_q(a, y):
    return solve_decreasing(lambda x: Q(a, x), y, mp.mpf(10) ** -400, mp.mpf(10) ** 8)


def inverse_i(a, b, y):
    # I rises from 0 to 1; bisect in the smaller of x and 1 - x.
    lo, hi = mp.mpf(0), mp.mpf(1)
    for _ in range(2000):
        mid = (lo + hi) / 2
        if lo == 0 and hi < mp.mpf("0.5"):
            mid = hi / 1024 if hi > mp.mpf(10) ** -1000 else hi / 2
        if I(a, b, mid) < y:
            lo = mid
        else:
            hi = mid
        width = hi - lo
        if width < min(hi, 1 - lo) * mp.mpf(10) ** -40:
            break
    return (lo + hi) / 2


def student_cdf(k, t):
    k = mp.mpf(k)
    t = mp.mpf(t)
    tail = I(k / 2, mp.mpf("0.5"), k / (k + t * t)) / 2
    return tail if t < 0 else 1 - tail


def student_quantile(k, p):
    k = mp.mpf(k)
    p = mp.mpf(p)
    if p == mp.mpf("0.5"):
        return mp.mpf(0)
    small = min(p, 1 - p)
    z = inverse_i(k / 2, mp.mpf("0.5"), 2 * small)
    t = mp.sqrt(k / z - k)
    return -t if p < mp.mpf("0.5") else t


def numeric_cases():
    for x in ["1e-300", "1e-12", "0.001", "0.1", "0.5", "1", "1.5", "2", "2.5", "3", "7.3", "10", "12.9", "20",
              "33", "34", "50", "100", "143", "144", "170", "171.5"]:
        line("gamma", D(x), mp.gamma(D(x)))
    for x in ["1e-300", "1e-12", "1e-5", "0.1", "0.5", "1", "1.5", "2", "2.5", "5", "12.99", "13", "20", "100",
              "999", "1000", "1e5", "1e7", "1e9", "1e15"]:
        line("logGamma", D(x), mp.loggamma(D(x)))

    shapes = ["0.001", "0.01", "0.1", "0.5", "1", "2.5", "10", "50", "100", "1000", "1e4", "1e5"]
    for a in shapes:
        a = D(a)
        xs = [a * mp.mpf(f) for f in ["0.01", "0.1", "0.5", "0.9", "1", "1.1", "2", "5"]]
        xs += [mp.mpf(v) for v in ["0.001", "0.5", "1", "3", "30"]]
        for x in xs:
            x = mp.mpf(float(x))
            line("incompleteGamma", a, x, P(a, x), Q(a, x))
        for y in ["1e-300", "1e-100", "1e-20", "1e-6", "0.01", "0.05", "0.3", "0.5", "0.7", "0.95", "0.99",
                  "0.999999"]:
            y = D(y)
            x = inverse_q(a, y)
            if x > DOUBLE_MIN:
                line("inverseGamma", a, y, x)

    pairs = [("0.1", "0.1"), ("0.5", "0.5"), ("0.5", "5"), ("1", "1"), ("2", "3"), ("5", "7"), ("10", "0.5"),
             ("50", "70"), ("100", "3"), ("0.01", "20"), ("500", "500"), ("1e4", "2e4"), ("5e5", "0.5"),
             ("0.5", "5e5"), ("2000", "1.5")]
    for a, b in pairs:
        a, b = D(a), D(b)
        line("betaFunction", a, b, mp.beta(a, b))
        mean = a / (a + b)
        xs = [mp.mpf(v) for v in ["1e-10", "0.001", "0.1", "0.3", "0.5", "0.7", "0.9", "0.999"]]
        xs += [mean * mp.mpf(f) for f in ["0.5", "0.99", "1", "1.01"]]
        for x in xs:
            x = mp.mpf(float(x))
            if 0 < x < 1:
                line("incompleteBeta", a, b, x, I(a, b, x))
        for y in ["1e-300", "1e-20", "1e-6", "0.01", "0.2", "0.5", "0.8", "0.99", "0.999999"]:
            y = D(y)
            x = inverse_i(a, b, y)
            if DOUBLE_MIN < x < 1 - mp.mpf(2) ** -53:
                line("inverseBeta", a, b, y, x)

    for k in ["1", "2", "3", "4", "5", "10", "29", "30", "100", "9999", "10001", "1e5", "1e6"]:
        k = mp.mpf(k)
        for t in ["-1e10", "-50", "-3", "-2", "-1.5", "-0.5", "-1e-5", "1e-5", "0.3", "1", "2", "2.5", "10",
                  "1e3", "1e8"]:
            line("studentDistribution", k, D(t), student_cdf(k, D(t)))
        for p in ["1e-300", "1e-20", "1e-9", "0.001", "0.02", "0.2", "0.3", "0.5", "0.6", "0.975", "0.999",
                  "0.9999999"]:
            t = student_quantile(k, D(p))
            if abs(t) < 2 ** 52:
                line("studentQuantile", k, D(p), t)


def distribution_cases():
    # dist tag, parameters, then operation, argument, value.
    def emit(name, p1, p2, op, arg, value):
        print("distribution", name, fmt(p1), fmt(p2), op, fmt(arg), fmt(value))

    probabilities = [D(v) for v in ["1e-12", "0.001", "0.05", "0.3", "0.5", "0.9", "0.999", "0.999999"]]

    for g, s in [("0.3", "1"), ("1", "1"), ("2.5", "0.5"), ("7", "3"), ("150", "1"), ("250", "2"), ("1e4", "0.01")]:
        g, s = D(g), D(s)
        emit("gamma", g, s, "mean", 0, g * s)
        emit("gamma", g, s, "standardDeviation", 0, mp.sqrt(g) * s)
        emit("gamma", g, s, "coefficientOfVariation", 0, 1 / mp.sqrt(g))
        emit("gamma", g, s, "skewness", 0, 2 / mp.sqrt(g))
        emit("gamma", g, s, "kurtosis", 0, 6 / g + 3)
        for f in ["0.01", "0.5", "1", "1.3", "3"]:
            x = mp.mpf(float(g * s * mp.mpf(f)))
            dens = mp.exp((g - 1) * mp.log(x / s) - x / s - mp.loggamma(g)) / s
            emit("gamma", g, s, "pdf", x, dens)
            emit("gamma", g, s, "cdf", x, P(g, x / s))
        for q in probabilities:
            emit("gamma", g, s, "quantile", q, inverse_q(g, 1 - q) * s)

    for n in [1, 2, 3, 10, 400, 2000, 1000000]:
        n = mp.mpf(n)
        emit("chi_square", n, 0, "mean", 0, n)
        emit("chi_square", n, 0, "standardDeviation", 0, mp.sqrt(2 * n))
        emit("chi_square", n, 0, "coefficientOfVariation", 0, mp.sqrt(2 / n))
        emit("chi_square", n, 0, "skewness", 0, 2 * mp.sqrt(2 / n))
        emit("chi_square", n, 0, "kurtosis", 0, 12 / n + 3)
        for f in ["0.01", "0.5", "1", "1.1", "3"]:
            x = mp.mpf(float(n * mp.mpf(f)))
            dens = mp.exp((n / 2 - 1) * mp.log(x) - x / 2 - mp.loggamma(n / 2) - n / 2 * mp.log(2))
            emit("chi_square", n, 0, "pdf", x, dens)
            emit("chi_square", n, 0, "cdf", x, P(n / 2, x / 2))
        for q in probabilities:
            emit("chi_square", n, 0, "quantile", q, 2 * inverse_q(n / 2, 1 - q))

    for a, b in [("0.5", "0.5"), ("2", "3"), ("0.2", "8"), ("30", "40"), ("700", "600"), ("1", "1")]:
        a, b = D(a), D(b)
        emit("beta", a, b, "mean", 0, a / (a + b))
        emit("beta", a, b, "standardDeviation", 0, mp.sqrt(a * b / ((a + b) ** 2 * (a + b + 1))))
        emit("beta", a, b, "coefficientOfVariation", 0, mp.sqrt(b / ((a + b + 1) * a)))
        emit("beta", a, b, "skewness", 0, 2 * (b - a) * mp.sqrt(a + b + 1) / ((a + b + 2) * mp.sqrt(a * b)))
        for x in ["0.001", "0.2", "0.5", "0.53", "0.9"]:
            x = D(x)
            emit("beta", a, b, "pdf", x, x ** (a - 1) * (1 - x) ** (b - 1) / mp.beta(a, b))
            emit("beta", a, b, "cdf", x, I(a, b, x))
        for q in probabilities:
            emit("beta", a, b, "quantile", q, inverse_i(a, b, q))

    for k in [1, 2, 5, 6, 30, 1000, 1000000]:
        k = mp.mpf(k)
        if k > 1:
            emit("student", k, 0, "mean", 0, 0)
        if k > 2:
            emit("student", k, 0, "standardDeviation", 0, mp.sqrt(k / (k - 2)))
        if k > 4:
            emit("student", k, 0, "kurtosis", 0, 3 * (k - 2) / (k - 4))
        for x in ["-30", "-2.5", "-1", "0", "0.7", "3", "1e4"]:
            x = D(x)
            dens = mp.exp(mp.loggamma((k + 1) / 2) - mp.loggamma(k / 2)) / mp.sqrt(k * mp.pi) * \
                (1 + x * x / k) ** (-(k + 1) / 2)
            emit("student", k, 0, "pdf", x, dens)
            emit("student", k, 0, "cdf", x, student_cdf(k, x))
        for q in probabilities:
            emit("student", k, 0, "quantile", q, student_quantile(k, q))

    for n1, n2 in [(1, 1), (5, 10), (3, 7), (20, 30), (400, 300), (2, 1000000), (1000000, 50)]:
        n1, n2 = mp.mpf(n1), mp.mpf(n2)
        if n2 > 2:
            emit("f", n1, n2, "mean", 0, n2 / (n2 - 2))
        if n2 > 4:
            emit("f", n1, n2, "standardDeviation", 0,
                 mp.sqrt(2 * n2 ** 2 * (n1 + n2 - 2) / (n1 * (n2 - 2) ** 2 * (n2 - 4))))
            emit("f", n1, n2, "coefficientOfVariation", 0, mp.sqrt(2 * (n1 + n2 - 2) / (n1 * (n2 - 4))))
        if n2 > 6:
            emit("f", n1, n2, "skewness", 0,
                 (2 * n1 + n2 - 2) * mp.sqrt(8 * (n2 - 4)) / ((n2 - 6) * mp.sqrt(n1 * (n1 + n2 - 2))))
        for x in ["0.01", "0.3", "1", "1.7", "6", "200"]:
            x = D(x)
            logd = (n1 / 2 - 1) * mp.log(x) + n1 / 2 * mp.log(n1 / n2) + mp.loggamma((n1 + n2) / 2) - \
                (n1 + n2) / 2 * mp.log(1 + x * n1 / n2) - mp.loggamma(n1 / 2) - mp.loggamma(n2 / 2)
            emit("f", n1, n2, "pdf", x, mp.exp(logd))
            emit("f", n1, n2, "cdf", x, I(n1 / 2, n2 / 2, n1 * x / (n1 * x + n2)))
        for q in probabilities:
            m = inverse_i(n1 / 2, n2 / 2, q)
            emit("f", n1, n2, "quantile", q, m * n2 / ((1 - m) * n1))


if __name__ == "__main__":
    print("# tag, arguments, value(s); made by gamma_beta_reference.py with mpmath at 50 digits")
    numeric_cases()
    distribution_cases()
