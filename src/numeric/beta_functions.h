#pragma once

#include "numeric/iteration_count.h"

// The beta function, the regularised incomplete beta integral with its inverse,
// and Student's t distribution function and quantile built on them.

// ln B(a, b) = ln Gamma(a) + ln Gamma(b) - ln Gamma(a + b) for a, b > 0. Where a
// shape reaches 13 the large terms of Stirling's formula cancel by hand, so it
// keeps its digits for shapes of any size.
double logBeta(double a, double b);

// B(a, b) = exp(ln B(a, b)) for a, b > 0. Relative error below 3e-14 for shapes
// from 0.01 to 5e5.
double betaFunction(double a, double b);

// I(a, b; x) in [0, 1]: 0 for a <= 0, b <= 0, x <= 0 or x > 1; exactly 1 at x = 1.
// Relative error below 4e-12 for shapes up to 2e4; near the mean of a shape of
// 5e5 the continued fraction's 300 rounds leave 1.3e-10.
double incompleteBeta(double a, double b, double x, IterationCount* count = nullptr);

// The series of I(a, b; x) for small x (x <= 0.95 and b x <= 1), normalised.
double betaPowerSeries(double a, double b, double x, IterationCount* count = nullptr);

// The two continued fractions of I(a, b; x); at most 300 rounds each. The first
// suits x < (a - 1) / (a + b - 2), the second (in x / (1 - x)) the rest.
double betaContinuedFraction(double a, double b, double x, IterationCount* count = nullptr);
double betaContinuedFractionRatio(double a, double b, double x, IterationCount* count = nullptr);

// The x in [0, 1] with I(a, b; x) = y, for a, b > 0 and 0 < y < 1 (y <= 0
// gives 0, y >= 1 gives 1): an estimate, a halving search, a Newton refinement.
// Relative error below 1e-12 for shapes up to 2e4 and y from 1e-300 to 0.99;
// 1.5e-11 for a shape of 5e5 or y = 1 - 1e-6.
double inverseIncompleteBeta(double a, double b, double y, IterationCount* count = nullptr);

// P(T <= t) for Student's t with floor(k) >= 1 degrees of freedom; 0.5 at t = 0.
// Closed sums up to 1e4 degrees of freedom, the incomplete beta integral above
// and in the left tail. Relative error below 2.5e-12 up to 1e4 degrees of
// freedom, 3.4e-11 at 1e6.
double studentDistribution(double k, double t, IterationCount* count = nullptr);

// The t with P(T <= t) = p, for floor(k) >= 1 and 0 < p < 1; 0 exactly at p = 0.5.
// A quantile of magnitude 2^52 or more is returned as +-4503599627370496.
// Relative error below 2e-11 from p = 1e-300 up.
double studentQuantile(double k, double p, IterationCount* count = nullptr);
