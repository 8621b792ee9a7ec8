#pragma once

// The error function, its complement and the inverse of the standard normal
// distribution function.

// erf(x) for any x: the C library's erf (ISO C 7.12.8.1; with glibc, the
// minimax rational approximations on five intervals of Sun Microsystems' fdlibm,
// 1993). Relative error below 1.3e-16, measured against 40-digit values at
// 22,000 points of -6..27 and 1e-300..1.
double errorFunction(double x);

// erfc(x) = 1 - erf(x) in [0, 2], computed directly (never as 1 - erf), so it
// keeps its digits in the upper tail down to the smallest normal double (x about
// 26.5), falls through the subnormals and is 0 from x = 27.3 on. The C
// library's erfc (ISO C 7.12.8.2, fdlibm's approximations as above): relative
// error below 4.2e-16, measured as for erf.
double complementaryErrorFunction(double x);

// z with Phi(z) = p, for 0 < p < 1 (callers settle 0, 1 and outside values):
// rational approximations in (p - 1/2)^2 on the centre and in 1 / sqrt(-2 ln p)
// on two tail ranges, after S. L. Moshier (1989), "Methods and programs for
// mathematical functions" (ndtri); no iteration.
// Within 2 units in the last place of the true z from p = 5e-324 up, so the
// round trip through Phi is exact to 8e-15 relative for |z| < 8.
double inverseNormal(double p);

// Q(z) = 1 - Phi(z), the standard normal upper tail, for any z (1 at -inf, 0
// at +inf and from z = 38.62 on, where it underflows). Below z = 1.75
// erfc(z / sqrt 2) / 2 with the rounding of the argument put back to first
// order; from there phi(z) times Mills' ratio, the density's exponent -z^2/2
// carried in two parts. Relative error below 3.2e-16 wherever Q(z) is a normal
// double (measured against 50-digit values at 360 points of 0..38.5 and at
// 10,000 random points of 1.75..38.6); for z < 0 it is 1 - Q(-z), exact to the
// rounding of 1.
double normalUpperTail(double z);

// Mills' ratio Q(z) / phi(z): the standard normal upper tail over the density.
// From z = 1.75 on it is (1 + P(z^2) / R(z^2)) / z, P / R a rational fit of
// degrees 9 and 10 (tools/derive_normal_tail_fit.py); below, the quotient of
// the two. Relative error below 3e-16 from z = 0.25 up; it never underflows,
// so tails beyond the reach of erfc keep their digits. 1/z from z = 2^30 on.
double millsRatio(double z);
