#pragma once

#include "numeric/iteration_count.h"

// The gamma function, its logarithm, the regularised incomplete gamma integrals
// and the inverse of the upper one. Arguments outside a function's domain give
// the fixed values stated with it; nothing is reported.

// Gamma(x) for x > 0 (+inf for x <= 0); overflows to +inf above about 171.62.
// The recurrence onto [2, 3) with a rational approximation there, Stirling's
// series above 33 (after S. L. Moshier, 1989, "Methods and programs for
// mathematical functions").
// Relative error below 2.5e-16 up to 170, 4.3e-16 just below the overflow.
double gammaFunction(double x);

// ln Gamma(x) for x > 0 (+inf for x <= 0): a rational approximation on [2, 3)
// reached by the recurrence below 13, Stirling's series with its remainder
// above (Moshier, 1989, as for gammaFunction). Absolute error below 2e-16 for
// x < 13, relative error below 2e-16 above (measured down to x = 1e-300).
double logGamma(double x);

// ln Gamma(1 + s) for s > -1, s itself kept: for |s| <= 1 the logarithm of
// the reciprocal series, where logGamma(1 + s) would carry the rounding of
// 1 + s, up to 6e-17 of a result that is itself near 0.577 s (some 1e-14 of
// it at s = 0.01, magnified 1/s times in a beta quantile of that shape).
double logGammaOfOnePlus(double s);

// ln Gamma(x) - ((x - 0.5) ln x - x + ln sqrt(2 pi)), the remainder of Stirling's
// formula, for x > 0; from x = 13 on by its asymptotic series, never by a difference.
double logGammaRemainder(double x);

// t - ln(1 + t) >= 0 for t > -1, without the cancellation of the two near t = 0:
// with u = t / (2 + t), ln(1 + t) = 2 (u + u^3/3 + u^5/5 + ...) and t - 2u = t u.
// Relative error about 2e-16.
double logExcess(double t);

// psi(x) = Gamma'(x) / Gamma(x) for x > 0 (-inf otherwise): the recurrence up to
// 10, then the asymptotic series (A&S 6.3.18). Error below 4e-16 max(1, |psi|).
double digamma(double x);

// ln(x^a e^-x / Gamma(a)) for a > 0, x >= 0: the factor of the incomplete gamma
// integrals and of the gamma density. From a = 13 on it is formed without the
// cancellation of a ln x - x against ln Gamma(a), so it keeps about 1e-15 of
// its digits for shapes of any size.
double logGammaFactor(double a, double x);

// x^(a-1) e^-x / Gamma(a), the gamma density, for a > 0, x > 0 (0 otherwise).
// The exponent a ln x - x - ln Gamma(a + 1), or from a = 16 on the deviance
// a ln(a / x) + x - a with Stirling's remainder (C. Loader, 2000), is carried
// in two doubles and the exponential rounded once: within about 0.6 units in
// the last place wherever the density is a normal double, where
// e^logGammaFactor would lose 1e-16 times the size of that logarithm.
double gammaDensity(double a, double x);

// P(a, x) = gamma(a, x) / Gamma(a) in [0, 1]; 0 for x <= 0 or a <= 0. The
// power series for x <= a (below shape 1, x < 1.5), 1 - Q above. Both
// expansions are summed with compensation and their power term
// x^a e^-x / Gamma(a + 1) formed as gammaDensity's, its exponent in two
// doubles, so that the factor they contribute and the exponential round
// once. From a = 100 on, for x from about a / 2 to 1.9 a (and from a = 4200
// on for every x whose tail is above the underflow), the smaller of P and Q
// comes from Temme's uniform expansion in erfc(eta sqrt(a/2)) (N. M. Temme,
// 1979, "The asymptotic expansion of the incomplete gamma functions"), seven
// terms with the exponent a eta^2 / 2 carried in two parts; no loop but
// erfc's far out. Relative error about 5e-16 at most for shapes from 1e-300
// to 1e15 wherever P is a normal double.
double incompleteGamma(double a, double x, IterationCount* count = nullptr);

// Q(a, x) = 1 - P(a, x); 1 for x <= 0 or a <= 0. Legendre's continued fraction
// (numeric/tail_fractions.h) above max(1, a), 1 - P below; below shape 1 and
// x = 0.75 the small-shape form of W. Gautschi (1979), "A computational procedure
// for incomplete gamma functions" (as in N. M. Temme, 1994, "A set of
// algorithms for the incomplete gamma functions"), which keeps Q's digits
// where P rounds to 1. From a = 100 on the expansion as for P. Relative error
// about 5e-16 at most on the reference set.
double complementaryIncompleteGamma(double a, double x, IterationCount* count = nullptr);

// The x >= 0 with Q(a, x) = y0, for a > 0 and 0 < y0 < 1; y0 >= 1 gives 0 and
// y0 <= 0 gives +inf. The result is 0 when the true one lies below the double
// range. A bracketed Halley iteration (numeric/root_finder.h) on the smaller
// tail, from x^a / Gamma(a + 1) = p near 0 or the Wilson-Hilferty cube
// elsewhere; a few rounds. From a = 100 on, where the root lies within reach
// of the uniform expansion, Temme's asymptotic inversion (1992) starts within
// 2e-6 of it and one Halley step, two below a = 300, lands on it. Relative
// error below 1.2e-13 for y0 <= 0.99, where the tail keeps its digits; above,
// 1 - y0 itself carries only 1e-16 / (1 - y0) of the lower tail. From a = 1e5
// to 1e15 within 2e-16.
double inverseComplementaryIncompleteGamma(double a, double y0, IterationCount* count = nullptr);

// The x >= 0 with P(a, x) = p, by the same iteration; p <= 0 gives 0 and p >= 1
// gives +inf. For a small p it works on P itself, keeping the digits that 1 - p
// would lose.
double inverseIncompleteGamma(double a, double p, IterationCount* count = nullptr);
