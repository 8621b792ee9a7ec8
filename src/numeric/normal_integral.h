#pragma once

// The error function, its complement and the inverse of the standard normal
// distribution function, as rational approximations with no iteration.

// erf(x) for any finite x; exactly +-1 from |x| = 10 on. Relative error below
// 7e-9 on |x| < 0.5, growing toward 0.5 (3.6e-9 too high just below it);
// absolute error about 1e-16 beyond.
double errorFunction(double x);

// erfc(x) = 1 - erf(x) in [0, 2]; exactly 0 from x = 10 on, 2 from x = -10 down.
// Relative error below 2e-8 on 0.5 <= x < 10 (largest near 10), 8e-9 below.
double complementaryErrorFunction(double x);

// z with Phi(z) = p, for 0 < p < 1 (callers settle 0, 1 and outside values).
// Within 2 units in the last place of the true z from p = 5e-324 up, so the
// round trip through Phi is exact to 8e-15 relative for |z| < 8.
double inverseNormal(double p);

// Mills' ratio Q(z) / phi(z): the standard normal upper tail over the density,
// for z >= 5, by its continued fraction cut at a fixed depth. Relative error
// below 3e-16 there; it never underflows, so tails beyond the reach of erfc
// (z >= 10 sqrt(2)) keep their digits. Close to 1/z for large z.
double millsRatio(double z);

// 1 for x > 0, -1 for x < 0, 0 otherwise (also for NaN).
double sign(double x);

// x^n by repeated squaring; n = 0 gives 1, negative n gives 1 / x^|n|.
double integerPower(double x, int n);
