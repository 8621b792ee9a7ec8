#pragma once

// Probability masses of the binomial and Poisson distributions evaluated as
// saddle-point expansions: one exp of a sum of small, well-conditioned terms,
// so the result keeps about 12 significant digits wherever it is a normal
// double, far into the tails and for counts up to the largest doubles. The
// method is C. Loader (2000), "Fast and accurate computation of binomial
// probabilities".

// log(n!) - ((n + 1/2) log n - n + log(2 pi) / 2) for a whole number n >= 1;
// 0 for n = 0 by convention. Absolute error below 1e-17.
double stirlingRemainder(double n);

// x log(x / m) + m - x for x >= 0, m > 0, without the cancellation of the
// plain form when x is near m. Relative error about 1e-15.
double saddlePointDeviance(double x, double m);

// C(n, k) p^k (1 - p)^(n - k) for whole numbers 0 <= k <= n and 0 < p < 1;
// 0 outside 0..n. Relative error below 3e-13 (measured) while the result is
// normal; most of it is the rounding of exponents of several hundred.
double binomialMass(double k, double n, double p);

// e^-lambda lambda^k / k! for a whole number k >= 0 and lambda > 0.
// Relative error as for binomialMass.
double poissonMass(double k, double lambda);
