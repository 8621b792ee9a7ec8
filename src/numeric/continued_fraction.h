#pragma once

#include <cmath>

#include "numeric/iteration_count.h"

// Continued fractions b0 + a1 / (b1 + a2 / (b2 + ...)) by the modified Lentz
// method: W. J. Lentz (1976), "Generating Bessel functions in Mie scattering
// calculations using continued fractions", with the zero guard of I. J.
// Thompson and A. R. Barnett (1986), "Coulomb and Bessel functions of complex
// arguments and order". It runs forwards, so it stops as soon as the last
// factor is 1 to within the tolerance, and its running ratios never overflow.
// The result is as accurate as the fraction is stable: each caller states its
// own measured error.

struct FractionTerm {
    double a;  // the partial numerator a_n
    double b;  // the partial denominator b_n
};

// terms(n) gives a_n and b_n for n = 1, 2, ...; at most maximumRounds of them.
template <typename Terms>
double evaluateContinuedFraction(double b0, Terms terms, int maximumRounds, IterationCount* count = nullptr)
{
    constexpr double tiny = 1e-300;      // stands for a zero denominator
    constexpr double tolerance = 1e-16;  // the last factor's distance from 1
    const auto awayFromZero = [](double v) { return std::fabs(v) < tiny ? tiny : v; };
    double f = awayFromZero(b0);
    double c = f;
    double d = 0.0;
    for (int n = 1; n <= maximumRounds; ++n) {
        countRound(count);
        const FractionTerm t = terms(n);
        d = 1.0 / awayFromZero(t.b + t.a * d);
        c = awayFromZero(t.b + t.a / c);
        const double factor = c * d;
        f *= factor;
        if (std::fabs(factor - 1.0) < tolerance) break;
    }
    return f;
}

// a_1 / (b_1 + a_2 / (b_2 + ...)): the fraction with b0 = 0, evaluated from its
// first partial denominator on so that no stand-in for zero enters the result.
template <typename Terms>
double evaluateContinuedFractionWithoutLead(Terms terms, int maximumRounds, IterationCount* count = nullptr)
{
    const FractionTerm first = terms(1);
    const auto rest = [&terms](int n) { return terms(n + 1); };
    return first.a / evaluateContinuedFraction(first.b, rest, maximumRounds, count);
}
