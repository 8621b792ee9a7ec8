#!/usr/bin/env python3
"""Prints the constants of the inline logarithm in src/numeric/inline_log.h.

x = 2^e m with m in [1, 2) is reduced by the table entry i = round(256 (m - 1)):
an inverse v_i near 1/(1 + i/256) with 9 significant bits, so that
r = m v_i - 1 is exact (m v_i lies on the grid of 2^-61 and |r| < 2^-8 leaves
53 bits), and -log v_i split into a head that is a whole multiple of 2^-42
(e ln2 + head is exact for |e| < 1100) and the nearest double to the rest.
The entries at m = 1 and m = 2 are 1 and 1/2 exactly, so that near x = 1 the
result is log1p(r) alone; so is the entry just below m = 2. Then log1p(r) - r = r^2 (-1/2 + r q(r)) with q
fitted near-minimax over the reach of r.

    python3 tools/derive_inline_log_table.py
"""
import mpmath as mp

mp.mp.prec = 200
N = 256
INVERSE_STEP = mp.mpf(2) ** -9
HEAD_STEP = mp.mpf(2) ** -42
DEGREE = 4  # of q, so that the polynomial of r runs to r^7


def split(v):
    head = mp.nint(v / HEAD_STEP) * HEAD_STEP
    return head, mp.mpf(float(v - head))


def interval(i):
    low = max(mp.mpf(1), 1 + (mp.mpf(2 * i - 1) / (2 * N)))
    high = min(mp.mpf(2), 1 + (mp.mpf(2 * i + 1) / (2 * N)))
    return low, high


def reach(low, high, v):
    return max(abs(low * v - 1), abs(high * v - 1))


def inverse(i):
    # Below m = 2 too 1/2 keeps r within 3 2^-10, and spares x just below
    # 1 - 2^-10 the cancellation of -log v against log1p(r).
    if i == 0 or i >= N - 1:
        return mp.mpf(1) / 2 if i else mp.mpf(1)
        return mp.mpf(1) / (1 + mp.mpf(i) / N)
    low, high = interval(i)
    centre = mp.nint(2 / (low + high) / INVERSE_STEP)
    candidates = [k * INVERSE_STEP for k in range(int(centre) - 2, int(centre) + 3)]
    candidates = [v for v in candidates if mp.mpf(0.5) <= v <= 1]
    return min(candidates, key=lambda v: reach(low, high, v))


def main():
    ln2Head, ln2Tail = split(mp.log(2))
    inverses = [inverse(i) for i in range(N + 1)]
    reaches = [reach(*interval(i), v) for i, v in zip(range(N + 1), inverses)]
    R = max(reaches)
    assert R < mp.mpf(2) ** -8, "r would not be exact"
    logs = [split(-mp.log(v)) for v in inverses]
    # hi + r is formed exactly by the fast two-sum for e = 0 and e = -1,
    # which needs |hi| >= |r| unless hi = 0.
    for (head, _), r in zip(logs, reaches):
        for e in (0, -1):
            hi = e * ln2Head + head
            assert hi == 0 or abs(hi) >= r
    fit, err = mp.chebyfit(lambda r: (mp.log1p(r) - r + r * r / 2) / r**3 if r else mp.mpf(1) / 3, [-R, R], DEGREE + 1,
                           error=True)
    coefficients = [float(c) for c in reversed(fit)]
    worst = max(abs(mp.log1p(r) - r + r * r / 2 - r**3 * mp.polyval(list(reversed([mp.mpf(c) for c in coefficients])), r))
                / abs(r) for r in mp.linspace(-R, R, 2001) if r)
    print(f"// |r| < {float(R):.6g} = 2^{float(mp.log(R, 2)):.2f}; polynomial error over r below 2^{float(mp.log(worst, 2)):.1f} r")
    print(f"constexpr double ln2Head = {float(ln2Head).hex()};")
    print(f"constexpr double ln2Tail = {float(ln2Tail).hex()};")
    print("constexpr double seriesCoefficients[] = {" + ", ".join(c.hex() for c in coefficients) + "};")
    print(f"constexpr LogTableEntry logTable[{N + 1}] = {{")
    for v, (head, tail) in zip(inverses, logs):
        print(f"    {{{float(v).hex()}, {float(head).hex()}, {float(tail).hex()}}},")
    print("};")


if __name__ == "__main__":
    main()
