#!/usr/bin/env python3
"""I(a, b; x) and its complement at smaller shapes from 1e4 up, near-equal and
lopsided, at the mean (where the side test of a double x rounds) and out to
tails near 1e-100; and at shapes from 2.5 to 3000 at and near the mean, where
the continued fraction's first terms cancel: the continued fraction of
gamma_beta_reference.py at 50 digits, written with 17, each at the double
argument itself.

    python3 tests/data/beta_large_shape_reference.py > tests/data/beta_large_shape_reference.txt
"""
import mpmath as mp

import gamma_beta_reference as gb

mp.mp.dps = 50
CASES = [
    ("2e4", "3e4", ["0.37", "0.4", "0.43"]),
    ("5e4", "5e4", ["0.49", "0.5", "0.51"]),
    ("1e4", "1e12", ["8e-9", "1e-8", "1.2e-8"]),
    ("1e12", "1e4", ["0.99999999"]),
    ("1e4", "1e13", ["9.7e-10", "1e-9"]),
    ("1000", "1401", ["0.4"]),
    ("1000", "1500", ["0.38", "0.4"]),
    ("1000", "1000", ["0.49", "0.5"]),
    ("3000", "2000", ["0.6", "0.61"]),
    ("400", "30", ["0.93"]),
    ("30", "50", ["0.3", "0.375"]),
    ("2.5", "7.5", ["0.25"]),
]

print("# tag a b x value; made by beta_large_shape_reference.py with mpmath at 50 digits")
for a, b, xs in CASES:
    a, b = gb.D(a), gb.D(b)
    for x in xs:
        x = gb.D(x)
        if x <= a / (a + b):
            lower = gb.I(a, b, x)
            upper = 1 - lower
        else:
            upper = gb.I(b, a, 1 - x)
            lower = 1 - upper
        gb.line("I", a, b, x, lower)
        gb.line("Ic", a, b, x, upper)
