#include "numeric/tail_fractions.h"

#include <cmath>

namespace {

constexpr double tolerance = 1e-16;   // relative size of the last factor
constexpr int maximumRounds = 10000;  // about 3 sqrt(max(a, b)) rounds are needed
constexpr double tiny = 1e-300;       // keeps Lentz's partial quotients off zero

double awayFromZero(double v) { return std::fabs(v) < tiny ? tiny : v; }

}  // namespace

double gammaTailFraction(double a, double x)
{
    // 1 / (x + 1 - a - 1 (1 - a) / (x + 3 - a - 2 (2 - a) / (x + 5 - a - ...)))
    double b = x + 1 - a;
    double c = 1 / tiny;
    double d = 1 / awayFromZero(b);
    double fraction = d;
    for (int i = 1; i <= maximumRounds; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = 1 / awayFromZero(an * d + b);
        c = awayFromZero(b + an / c);
        const double factor = d * c;
        fraction *= factor;
        if (std::fabs(factor - 1) < tolerance) break;
    }
    return fraction;
}

double betaFraction(double a, double b, double x)
{
    const double sum = a + b;
    double c = 1;
    double d = 1 / awayFromZero(1 - sum * x / (a + 1));
    double fraction = d;
    for (int m = 1; m <= maximumRounds; ++m) {
        const double m2 = 2.0 * m;
        // The even step, then the odd one.
        double an = m * (b - m) * x / ((a - 1 + m2) * (a + m2));
        d = 1 / awayFromZero(1 + an * d);
        c = awayFromZero(1 + an / c);
        fraction *= d * c;
        an = -(a + m) * (sum + m) * x / ((a + m2) * (a + 1 + m2));
        d = 1 / awayFromZero(1 + an * d);
        c = awayFromZero(1 + an / c);
        const double factor = d * c;
        fraction *= factor;
        if (std::fabs(factor - 1) < tolerance) break;
    }
    return fraction;
}
