#include "numeric/tail_fractions.h"

#include <cmath>

#include "numeric/continued_fraction.h"

namespace {

// About 3 sqrt(max(a, b)) rounds are needed where the fractions are used.
constexpr int maximumRounds = 10000;

}  // namespace

double gammaTailFraction(double a, double x, IterationCount* count)
{
    // 1 / (x + 1 - a - 1 (1 - a) / (x + 3 - a - 2 (2 - a) / (x + 5 - a - ...)))
    const auto terms = [a, x](int n) {
        if (n == 1) return FractionTerm{1.0, x + 1.0 - a};
        const double m = n - 1;
        return FractionTerm{-m * (m - a), x + 2.0 * m + 1.0 - a};
    };
    return evaluateContinuedFractionWithoutLead(terms, maximumRounds, count);
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
