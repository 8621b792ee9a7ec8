#!/usr/bin/env python3
"""Prints the Taylor coefficients of 1/Gamma(1 + a) - 1 about a = 0, highest
power first, as the C++ table reciprocalGammaSeries in gamma_functions.cpp
holds them (26 terms: the first left out is below 2e-18 at a = 1)."""
import mpmath as mp

mp.mp.dps = 40
coefficients = mp.taylor(lambda a: mp.rgamma(1 + a), 0, 26)[1:]
print(", ".join(repr(float(c)) for c in reversed(coefficients)))
