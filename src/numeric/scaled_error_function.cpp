#include "numeric/scaled_error_function.h"

#include <cmath>
#include <limits>

#include "numeric/constants.h"
#include "numeric/continued_fraction.h"

namespace {

constexpr double seriesLimit = 1;    // the fraction from here on
constexpr int fractionRounds = 400;  // 189 suffice at y = 1

}  // namespace

double scaledComplementaryErrorFunction(double y, IterationCount* count)
{
    if (!(y >= 0)) return std::numeric_limits<double>::quiet_NaN();
    if (y == std::numeric_limits<double>::infinity()) return 0.0;

    // Below 1, e^(y^2) loses no more than a rounding of y^2 < 1.
    if (y < seriesLimit) return std::exp(y * y) * std::erfc(y);

    // erfc(y) = e^-y^2 / sqrt(pi) / (y + (1/2) / (y + 1 / (y + (3/2) / (y + ...)))).
    const auto terms = [y](int n) { return FractionTerm{0.5 * n, y}; };
    return constants::inverseSqrtPi / evaluateContinuedFraction(y, terms, fractionRounds, count);
}
