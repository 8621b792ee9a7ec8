#include "numeric/tail_fractions.h"

#include <cmath>
#include <initializer_list>

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

namespace {

// 1 + e_1 / (1 + e_2 / (1 + ...)) for the beta integrals' fractions, in
// Steed's form as the gamma fraction above: the sum of the differences of
// successive convergents, t_n = -e_n D_(n-1) D_n t_(n-1) with
// D_n = 1 / (1 + e_n D_(n-1)), summed under compensation, so that the running
// product of the modified Lentz method, a rounding a round, does not gather
// up to some 5e-15 over the few hundred rounds of large shapes. A vanishing
// denominator, which that method steps around, sends the fraction back to it.
template <typename Numerators>
double unitFraction(Numerators e, IterationCount* count)
{
    countRound(count);
    double term = e(1);  // with D_1 = 1
    DoubleDouble sum = twoSum(1.0, term);
    double d = 1.0;
    for (int n = 2; n <= 2 * maximumRounds; ++n) {
        countRound(count);
        const double numerator = e(n);
        const double denominator = 1.0 + numerator * d;
        if (!(std::fabs(denominator) > 1e-8)) {
            const auto terms = [&e](int k) { return FractionTerm{e(k), 1.0}; };
            return evaluateContinuedFraction(1.0, terms, 2 * maximumRounds, count);
        }
        const double next = 1.0 / denominator;
        term *= -numerator * d * next;
        d = next;
        const DoubleDouble step = twoSum(sum.hi, term);
        sum = {step.hi, sum.lo + step.lo};
        if (!(std::fabs(term) > fractionTolerance * std::fabs(sum.hi))) break;
    }
    return sum.hi + sum.lo;
}

}  // namespace

double betaFraction(double a, double b, double x, IterationCount* count)
{
    // 1 / (1 + d_1 / (1 + d_2 / (1 + ...))) with
    //   d_(2m+1) = -(a + m)(a + b + m) x / ((a + 2m)(a + 2m + 1)),
    //   d_(2m) = m (b - m) x / ((a + 2m - 1)(a + 2m)).
    const auto numerators = [a, b, x](int n) {
        const double m = n / 2;
        return n % 2 == 1 ? -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 2 * m + 1))
                          : m * (b - m) * x / ((a + 2 * m - 1) * (a + 2 * m));
    };
    return 1.0 / unitFraction(numerators, count);
}

WITH_FUSED_MULTIPLY_ADD DoubleDouble betaFractionFromMean(double a, double b, double x, double y, double lambda,
                                                          IterationCount* count)
{
    // The convergents A_n / B_n from X_(n+1) = beta X_n + alpha X_(n-1), with
    //   alpha = p (p + b/a) (a / s)^2 w x,  beta = n + w / s + (1 + t) (c + n (1 + y)) / (c1 + 2t),
    // w = n (b - n) x, t = n / a, s = a + 2n - 1, p = 1 + (n - 1) / a, c = 1 + lambda,
    // c1 = 1 + 1/a, from A_0 = 0, B_0 = 1, A_1 = 1, B_1 = c / c1. The
    // recurrences run in two parts: in one, their roundings reached 4.5e-15
    // over some hundred rounds, where the coefficients' own leave 7e-16.
    // Scaled by powers of two, exactly, before they overflow.
    const double c = 1.0 + lambda, c0 = b / a, c1 = 1.0 + 1.0 / a, yPlusOne = y + 1.0;
    DoubleDouble previousA = {0.0, 0.0}, previousB = {1.0, 0.0}, currentA = {1.0, 0.0};
    DoubleDouble currentB = divide(DoubleDouble{c, 0.0}, c1);
    double ratio = c1 / c, p = 1.0, s = a + 1.0;
    for (int n = 1; n <= maximumRounds; ++n) {
        countRound(count);
        const double t = n / a, w = n * (b - n) * x, shrink = a / s;
        const double alpha = p * (p + c0) * (shrink * shrink) * (w * x);
        const double beta = n + w / s + (1.0 + t) / (c1 + t + t) * (c + n * yPlusOne);
        p = 1.0 + t;
        s += 2.0;
        const DoubleDouble sumA = plus(times(previousA, alpha), times(currentA, beta));
        const DoubleDouble sumB = plus(times(previousB, alpha), times(currentB, beta));
        const DoubleDouble nextA = quickTwoSum(sumA.hi, sumA.lo), nextB = quickTwoSum(sumB.hi, sumB.lo);
        const double previousRatio = ratio;
        ratio = nextA.hi / nextB.hi;
        if (std::fabs(ratio - previousRatio) <= fractionTolerance * ratio) {
            // The fraction times x^a y^b / B(a, b) is I; betaFraction's F carries the 1/a.
            return times(divide(nextA, nextB), a);
        }
        previousA = currentA;
        previousB = currentB;
        currentA = nextA;
        currentB = nextB;
        if (std::fabs(nextB.hi) > 0x1p500) {
            for (DoubleDouble* v : {&previousA, &previousB, &currentA, &currentB})
                *v = {v->hi * 0x1p-500, v->lo * 0x1p-500};
        }
    }
    return {a * ratio, 0.0};
}

double betaRatioFraction(double a, double b, double z, IterationCount* count)
{
    // 1 / (1 + e_1 / (1 + e_2 / (1 + ...))) with
    //   e_(2m+1) = -z (a + m)(b - 1 - m) / ((a + 2m)(a + 2m + 1)),
    //   e_(2m+2) = z (m + 1)(a + b + m) / ((a + 2m + 1)(a + 2m + 2)).
    const auto numerators = [a, b, z](int n) {
        const double m = (n - 1) / 2;
        return n % 2 == 1 ? -z * (a + m) * (b - 1.0 - m) / ((a + 2 * m) * (a + 2 * m + 1))
                          : z * (m + 1.0) * (a + b + m) / ((a + 2 * m + 1) * (a + 2 * m + 2));
    };
    return 1.0 / unitFraction(numerators, count);
}
