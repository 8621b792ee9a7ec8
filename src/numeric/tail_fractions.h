#pragma once

#include "numeric/double_double.h"
#include "numeric/iteration_count.h"

// The continued fractions of the upper incomplete gamma integral and of the
// incomplete beta integral, without their power prefactors. A tail divided by
// its density is a ratio of these and never underflows, so hazards stay finite
// where the tails themselves have vanished from the double range.

// F with Gamma(a, x) = x^a exp(-x) F, for a > 0 and x > max(1, a), where it
// converges fast (Legendre's fraction, A&S 6.5.31, summed in Steed's form).
// Close to 1 / (x + 1 - a) far out. The parts' sum is within about 2e-16 of F
// on the reference set, which the rounded F adds half a unit to.
DoubleDouble gammaTailFractionParts(double a, double x, IterationCount* count = nullptr);
double gammaTailFraction(double a, double x, IterationCount* count = nullptr);

// F with I(a, b; x) = x^a (1 - x)^b / (a B(a, b)) F, for a, b > 0 and
// 0 <= x < (a + 1) / (a + b + 2), where it converges fast (A&S 26.5.8, modified
// Lentz): a few sqrt(min(a, b)) rounds at most. F(a, b, 0) = 1.
// Relative error below 2e-14 on the reference set (largest near the edge).
double betaFraction(double a, double b, double x, IterationCount* count = nullptr);

// F as betaFraction's, for a, b > 1 and x at or below the mean, from the
// distance lambda = a - (a + b) x = (a + b) y - b >= 0, given with the
// accuracy of its own size: the even contraction of the same fraction in
// lambda (A. R. DiDonato and A. H. Morris, 1992, "Algorithm 708", BFRAC),
// whose terms are all positive. The plain fraction starts from 1 - (a + b) x /
// (a + 1), which near the mean keeps only lambda's digits and lost 4e-15 at
// (1000, 1500; 0.4); this one starts from 1 + lambda. About 1.2 sqrt(max(a, b))
// rounds near the mean, fewer away from it; F in two parts, within 7e-16 of
// it over shapes from 1.5 to 5000.
DoubleDouble betaFractionFromMean(double a, double b, double x, double y, double lambda,
                                  IterationCount* count = nullptr);

// G with I(a, b; x) = x^a y^b / (a B(a, b)) G / y, y = 1 - x, as a continued
// fraction in z = x / y (after S. L. Moshier, 1989, "Methods and programs for
// mathematical functions", incbd; modified Lentz). Its terms depend on x only
// through z, so a y known to all its digits near x = 1 keeps them.
double betaRatioFraction(double a, double b, double z, IterationCount* count = nullptr);
