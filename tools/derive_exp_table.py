#!/usr/bin/env python3
"""Prints the constants of the inline exponential in src/numeric/inline_exp.h:
the table 2^(j/128), j = 0..127, each as the nearest double and the nearest
double to what is left, and ln 2 / 128 split into a head of 36 significant bits
(so that k ln2/128 is exact for |k| < 2^17) and a tail.

    python3 tools/derive_exp_table.py
"""
import mpmath as mp

mp.mp.prec = 200
N = 128


def double(v):
    return float(mp.mpf(v))


def hex_of(v):
    return float.hex(v)


def main():
    ln2n = mp.log(2) / N
    # The head: ln2/128 rounded to 36 significant bits.
    m, e = mp.frexp(ln2n)
    head = mp.ldexp(mp.nint(mp.ldexp(m, 36)), e - 36)
    tail = ln2n - head
    print(f"constexpr double ln2Over128Head = {hex_of(double(head))};")
    print(f"constexpr double ln2Over128Tail = {hex_of(double(tail))};")
    print(f"constexpr double inverseLn2Times128 = {hex_of(double(N / mp.log(2)))};")
    highs, lows = [], []
    for j in range(N):
        t = mp.power(2, mp.mpf(j) / N)
        h = double(t)
        highs.append(hex_of(h))
        lows.append(hex_of(double(t - mp.mpf(h))))
    for name, values in (("expTableHead", highs), ("expTableTail", lows)):
        print(f"constexpr double {name}[128] = {{")
        for i in range(0, N, 4):
            print("    " + ", ".join(values[i:i + 4]) + ",")
        print("};")


if __name__ == "__main__":
    main()
