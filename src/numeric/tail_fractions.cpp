#include "numeric/tail_fractions.h"

#include <cmath>

#include "numeric/continued_fraction.h"
#include "numeric/double_double.h"

namespace {

// About 3 sqrt(max(a, b)) rounds are needed where the fractions are used.
constexpr int maximumRounds = 10000;
// The gamma fraction stops at a term this far below its sum: where the terms
// shrink slowly, near x = a, those left out add up to some 10 times the last.
constexpr double fractionTolerance = 1e-18;

}  // namespace

WITH_FUSED_MULTIPLY_ADD DoubleDouble gammaTailFractionParts(double a, double x, IterationCount* count)
{
    // 1 / (x + 1 - a - 1 (1 - a) / (x + 3 - a - 2 (2 - a) / (x + 5 - a - ...))),
    // in Steed's form: the sum of the differences of successive convergents,
    //   t_n = m (m - a) D_(n-1) D_n t_(n-1),  D_n = 1 / (x + 2m + 1 - a - m (m - a) D_(n-1)),
    // m = n - 1. The first term carries most of the value: taken in two parts,
    // with the rest summed under compensation, the rounding of the terms past
    // it is nearly the whole error, where the running product of the modified
    // Lentz method gathers a rounding every round (up to 4e-15 near x = 1.5).
    const DoubleDouble lead = twoSum(x, 1.0);
    const DoubleDouble first = divide({1.0, 0.0}, normalized(plus(lead, {-a, 0.0})));
    DoubleDouble sum = first;
    double d = first.hi;
    double term = first.hi;
    for (int n = 2; n <= maximumRounds; ++n) {
        countRound(count);
        const double m = n - 1;
        const double numerator = m * (m - a);
        const double previous = d;
        d = 1.0 / (x + 2.0 * m + 1.0 - a - numerator * previous);
        term *= numerator * previous * d;
        const DoubleDouble step = twoSum(sum.hi, term);
        sum = {step.hi, sum.lo + step.lo};
        if (!(std::fabs(term) > fractionTolerance * std::fabs(sum.hi))) break;
    }
    return normalized(sum);
}

double gammaTailFraction(double a, double x, IterationCount* count)
{
    const DoubleDouble f = gammaTailFractionParts(a, x, count);
    return f.hi;
}

double betaFraction(double a, double b, double x, IterationCount* count)
{
    // 1 / (1 + d_1 / (1 + d_2 / (1 + ...))) with
    //   d_(2m+1) = -(a + m)(a + b + m) x / ((a + 2m)(a + 2m + 1)),
    //   d_(2m) = m (b - m) x / ((a + 2m - 1)(a + 2m)).
    const auto terms = [a, b, x](int n) {
        const double m = n / 2;
        const double d = n % 2 == 1 ? -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 2 * m + 1))
                                    : m * (b - m) * x / ((a + 2 * m - 1) * (a + 2 * m));
        return FractionTerm{d, 1.0};
    };
    return 1.0 / evaluateContinuedFraction(1.0, terms, 2 * maximumRounds, count);
}

double betaRatioFraction(double a, double b, double z, IterationCount* count)
{
    // 1 / (1 + e_1 / (1 + e_2 / (1 + ...))) with
    //   e_(2m+1) = -z (a + m)(b - 1 - m) / ((a + 2m)(a + 2m + 1)),
    //   e_(2m+2) = z (m + 1)(a + b + m) / ((a + 2m + 1)(a + 2m + 2)).
    const auto terms = [a, b, z](int n) {
        const double m = (n - 1) / 2;
        const double e = n % 2 == 1 ? -z * (a + m) * (b - 1.0 - m) / ((a + 2 * m) * (a + 2 * m + 1))
                                    : z * (m + 1.0) * (a + b + m) / ((a + 2 * m + 1) * (a + 2 * m + 2));
        return FractionTerm{e, 1.0};
    };
    return 1.0 / evaluateContinuedFraction(1.0, terms, 2 * maximumRounds, count);
}
