#pragma once

#include "numeric/iteration_count.h"

// The beta function, the regularised incomplete beta integral with its
// complement and inverses, and Student's t distribution function and quantile
// built on them.

// ln B(a, b) = ln Gamma(a) + ln Gamma(b) - ln Gamma(a + b) for a, b > 0. Where a
// shape reaches 13 the large terms of Stirling's formula cancel by hand, so it
// keeps its digits for shapes of any size.
double logBeta(double a, double b);

// B(a, b) = exp(ln B(a, b)) for a, b > 0. Relative error below 3e-14 for shapes
// from 0.01 to 5e5.
double betaFunction(double a, double b);

// The beta density x^(a-1) y^(b-1) / B(a, b) for a, b > 0 and 0 < x < 1, with
// y = 1 - x given apart so that neither loses its digits to the other; the
// smaller of the two is taken as exact. Meant for a shape from 13 on: with
// both there, the saddle-point form of the binomial masses, the deviances in
// two parts; with one there, the powers' exponents in two parts beside
// ln(a B(a, b)) of the small shape. Each rounds its exponent once, so no
// power like x^999 rounds: within a few units in the last place wherever the
// density is a normal double.
double betaDensity(double a, double b, double x, double y);

// The density of F with n1 and n2 degrees of freedom at 0 < x < inf, for
// n1, n2 >= 26: the beta density of (n1/2, n2/2) at w = u / (1 + u), u = x n1 / n2,
// times dw/dx, its logarithm formed about the mean from w's distance to it,
// a (x - 1) / ((1 + u)(a + b)), so that no power of a rounded base enters.
// Relative error about (2 + |ln density|) units: below 2.5e-14 within four
// standard deviations of 1 at degrees from 26 to 1e6 (measured against 50-digit
// values).
double fDensity(double n1, double n2, double x);

// I(a, b; x) in [0, 1]: 0 for a <= 0, b <= 0, x <= 0 or x > 1; exactly 1 at x = 1.
// The smaller tail is computed directly, the other as its complement, by one of:
// the closed form (2/pi) asin(sqrt(x)) for both shapes 1/2; the power series
// (b x <= 1), with the complement formed directly for a shape below 1e-13; the
// continued fraction (A&S 26.5.8, modified Lentz) below the mean; N. M. Temme's
// (1992) uniform expansion in erfc from both shapes at 1e5 on; and, where one
// shape exceeds 1e5 times the square of the other and the small shape's
// variable is below 7e-8, the gamma limit of A. R. DiDonato and A. H. Morris
// (1992). Every method has a bound on its rounds set by the smaller shape,
// below 1e5: the work is bounded at any shape up to the largest doubles.
double incompleteBeta(double a, double b, double x, IterationCount* count = nullptr);

// 1 - I(a, b; x), computed directly where it is the smaller tail, so it keeps
// its digits where I is near 1: also I(b, a; 1 - x) for a y = 1 - x known better
// than x itself.
double complementaryIncompleteBeta(double a, double b, double x, IterationCount* count = nullptr);

// The x in [0, 1] with I(a, b; x) = p, for a, b > 0 and 0 < p < 1 (p <= 0 gives
// 0, p >= 1 gives 1): a bracketed Halley iteration (numeric/root_finder.h) on
// the smaller tail, from the power law of the end that holds the root,
// x^a / (a B(a, b)) near 0 or y^b / (b B(a, b)) near 1, or the normal
// approximation of A&S 26.5.22; sin^2(pi p / 2) for both shapes 1/2. A root
// nearer 1 than the largest double below it gives 1.
double inverseIncompleteBeta(double a, double b, double p, IterationCount* count = nullptr);

// The x with 1 - I(a, b; x) = q, the same way; it keeps the digits of a small q.
double inverseComplementaryIncompleteBeta(double a, double b, double q, IterationCount* count = nullptr);

// P(T <= t) for Student's t with floor(k) >= 1 degrees of freedom; 0.5 at t = 0.
// Closed forms for one and two degrees of freedom, elsewhere
// (1/2) I(k/2, 1/2; k / (k + t^2)) or its complement in t^2 / (k + t^2), whichever
// argument is small, so it holds its digits at any k up to 1e300; from k = 1e11
// on the normal law with its corrections in 1/k and 1/k^2 (Fisher, 1925).
double studentDistribution(double k, double t, IterationCount* count = nullptr);

// The density of Student's t with floor(k) >= 1 degrees of freedom,
// (1 + t^2/k)^(-(k+1)/2) / (sqrt(k) B(1/2, k/2)), with its normaliser formed
// from Stirling's remainders from k = 26 on: it tends to the normal density
// without rounding at any k up to 1e300. From k = 1e15 on the normal density
// with its first correction in 1/k.
double studentDensity(double k, double t);

// The t with P(T <= t) = p, for floor(k) >= 1 and 0 < p < 1; 0 exactly at
// p = 0.5, -inf / +inf at p = 0 / 1 and nowhere else. Closed forms for one and
// two degrees of freedom; from 1e4 on, wherever the normal quantile z has
// z^2 <= 0.002 k, the expansion in 1/k of A&S 26.7.5; elsewhere the inverse of
// the incomplete beta integral in whichever of x and 1 - x is small.
double studentQuantile(double k, double p, IterationCount* count = nullptr);
