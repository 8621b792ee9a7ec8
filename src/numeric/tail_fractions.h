#pragma once

#include "numeric/iteration_count.h"

// The continued fractions of the upper incomplete gamma integral and of the
// incomplete beta integral, without their power prefactors. A tail divided by
// its density is a ratio of these and never underflows, so hazards stay finite
// where the tails themselves have vanished from the double range.

// F with Gamma(a, x) = x^a exp(-x) F, for a > 0 and x > max(1, a), where it
// converges fast (Legendre's fraction, A&S 6.5.31, by the modified Lentz
// evaluator of numeric/continued_fraction.h). Close to 1 / (x + 1 - a)
// far out. Relative error below 5e-15 on the reference set.
double gammaTailFraction(double a, double x);

// F with I(a, b; x) = x^a (1 - x)^b / (a B(a, b)) F, for a, b > 0 and
// 0 <= x < (a + 1) / (a + b + 2), where it converges fast (A&S 26.5.8, modified
// Lentz): a few sqrt(min(a, b)) rounds at most. F(a, b, 0) = 1.
// Relative error below 2e-14 on the reference set (largest near the edge).
double betaFraction(double a, double b, double x, IterationCount* count = nullptr);
