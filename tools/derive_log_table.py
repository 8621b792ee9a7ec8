#!/usr/bin/env python3
"""Prints the constants of the extended logarithm in src/numeric/extended_log.cpp:
log(1 + i/128), i = 0..128, and ln 2, each split into a head that is a whole
multiple of 2^-42 (so that e ln2 + log(1 + i/128) is exact for |e| < 1100) and
the nearest double to what is left.

    python3 tools/derive_log_table.py
"""
import mpmath as mp

mp.mp.prec = 200
N = 128
HEAD_STEP = mp.mpf(2) ** -42


def split(v):
    head = mp.nint(v / HEAD_STEP) * HEAD_STEP
    return float(head), float(v - head)


def main():
    head, tail = split(mp.log(2))
    print(f"constexpr double ln2Head = {float.hex(head)};")
    print(f"constexpr double ln2Tail = {float.hex(tail)};")
    pairs = [split(mp.log(1 + mp.mpf(i) / N)) for i in range(N + 1)]
    print(f"constexpr DoubleDouble logTable[{N + 1}] = {{")
    cells = [f"{{{float.hex(h)}, {float.hex(t)}}}," for h, t in pairs]
    for i in range(0, len(cells), 2):
        print("    " + " ".join(cells[i:i + 2]))
    print("};")


if __name__ == "__main__":
    main()
