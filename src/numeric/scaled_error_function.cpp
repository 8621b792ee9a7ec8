#include "numeric/scaled_error_function.h"

#include <cmath>
#include <limits>

namespace {

constexpr double inverseSqrtPi = 0.5641895835477563;
constexpr double seriesLimit = 1;  // below it 1 - erf(y) keeps all but 3 bits
constexpr double tolerance = 1e-16;
constexpr double tiny = 1e-300;      // stands for a zero denominator in the fraction
constexpr int seriesRounds = 60;     // 28 suffice at y = 1
constexpr int fractionRounds = 400;  // 189 suffice at y = 1

}  // namespace

double scaledComplementaryErrorFunction(double y, IterationCount* count)
{
    if (!(y >= 0)) return std::numeric_limits<double>::quiet_NaN();
    if (y == std::numeric_limits<double>::infinity()) return 0.0;

    if (y < seriesLimit) {
        // erf(y) = 2y/sqrt(pi) e^-y^2 sum (2y^2)^n / (1 3 5 ... (2n+1)): all terms positive.
        const double twiceSquare = 2.0 * y * y;
        double term = 1.0;
        double sum = 1.0;
        for (int n = 1; n <= seriesRounds; ++n) {
            countRound(count);
            term *= twiceSquare / (2.0 * n + 1.0);
            sum += term;
            if (term < tolerance * sum) break;
        }
        const double erf = 2.0 * inverseSqrtPi * y * std::exp(-y * y) * sum;
        return std::exp(y * y) * (1.0 - erf);
    }

    // erfc(y) = e^-y^2 / sqrt(pi) / (y + (1/2) / (y + 1 / (y + (3/2) / (y + ...)))),
    // by the modified Lentz method.
    double f = y;
    double c = f;
    double d = 0.0;
    for (int n = 1; n <= fractionRounds; ++n) {
        countRound(count);
        const double an = 0.5 * n;
        d = y + an * d;
        if (d == 0) d = tiny;
        d = 1.0 / d;
        c = y + an / c;
        if (c == 0) c = tiny;
        const double delta = c * d;
        f *= delta;
        if (std::fabs(delta - 1.0) < tolerance) break;
    }
    return inverseSqrtPi / f;
}
