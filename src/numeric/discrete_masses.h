#pragma once

#include "numeric/double_double.h"

// Probability masses of the binomial, negative binomial and Poisson
// distributions evaluated as saddle-point expansions: one exp of a sum of
// well-conditioned terms (C. Loader (2000), "Fast and accurate computation of
// binomial probabilities"). The deviances in that sum reach several hundred
// in the tails, so they are carried in two doubles and the exponential rounds
// once: the masses are within about one unit in the last place wherever they
// are normal doubles, far into the tails and for counts up to the largest
// doubles.

// log(n!) - ((n + 1/2) log n - n + log(2 pi) / 2) for a whole number n >= 1;
// 0 for n = 0 by convention. Absolute error below 1e-17.
double stirlingRemainder(double n);

// x log(x / m) + m - x for x >= 0, m = hi + lo > 0, without the cancellation
// of the plain form when x is near m. Absolute error below about 2^-55 while
// the deviance is below 708, as it is for every mass that is a normal double.
DoubleDouble saddlePointDeviance(double x, DoubleDouble m);

// C(n, k) p^k (1 - p)^(n - k) for whole numbers 0 <= k <= n and 0 < p < 1;
// 0 outside 0..n.
double binomialMass(double k, double n, double p);

// C(successes + k - 1, k) p^successes (1 - p)^k, the chance of k failures
// before the successes-th success, for whole numbers k >= 0, successes >= 1.
double negativeBinomialMass(double k, double successes, double p);

// e^-lambda lambda^k / k! for a whole number k >= 0 and lambda > 0.
double poissonMass(double k, double lambda);

// factor (1 - p)^n = factor e^(n l) for a whole n >= 0 and l = ln(1 - p) in
// two parts (logOnePlus), rounded once: with l rounded the power would carry
// n |l| 2^-53 of relative error, 2.7e-14 at p = 0.3 and n = 1000.
double powerOfComplement(DoubleDouble logOfComplement, double n, double factor);

// 1 - (1 - p)^n the same way.
double complementOfPowerOfComplement(DoubleDouble logOfComplement, double n);
