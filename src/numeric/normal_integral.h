#pragma once

// The error function, its complement and the inverse of the standard normal
// distribution function, as rational approximations with no iteration.

// erf(x) for any finite x; exactly +-1 beyond |x| = 10. Absolute error below
// about 4e-9 (largest just below |x| = 0.5, where the two ranges meet).
double errorFunction(double x);

// erfc(x) = 1 - erf(x) in [0, 2]; exactly 0 from x = 10 on, 2 from x = -10 down.
// Relative error below about 2e-8 on 0.5 <= x < 10.
double complementaryErrorFunction(double x);

// z with Phi(z) = p, for 0 < p < 1 (callers settle 0, 1 and outside values).
// Round-trips through Phi to a relative error of about 3e-15.
double inverseNormal(double p);

// 1 for x > 0, -1 for x < 0, 0 otherwise (also for NaN).
double sign(double x);

// x^n by repeated squaring; n = 0 gives 1, negative n gives 1 / x^|n|.
double integerPower(double x, int n);
