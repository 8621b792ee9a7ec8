#include "numeric/discrete_masses.h"

#include <cmath>

namespace {

constexpr double logTwoPi = 1.8378770664093454836;

// stirlingRemainder(n) for n = 1..15, where the asymptotic series is not yet
// accurate to double precision.
constexpr double stirlingRemainderTable[] = {
    0.08106146679532725822,   0.041340695955409294094,  0.027677925684998339149, 0.020790672103765093112,
    0.016644691189821192163,  0.013876128823070747999,  0.011896709945891770095, 0.010411265261972096497,
    0.0092554621827127329177, 0.0083305634333628712565, 0.007573675487951840795, 0.0069428401072095298657,
    0.0064089941880042070684, 0.0059513701127588477356, 0.005554733551962801371,
};
constexpr double stirlingTableEnd = 15.0;

// Coefficients of the asymptotic series 1/(12n) - 1/(360n^3) + 1/(1260n^5) - ...
constexpr double stirlingSeries[] = {1.0 / 12.0, 1.0 / 360.0, 1.0 / 1260.0, 1.0 / 1680.0, 1.0 / 1188.0};

// Below this relative distance of x from m the deviance is summed as a series.
constexpr double devianceSeriesBound = 0.1;

}  // namespace

double stirlingRemainder(double n)
{
    if (n <= 0.0) return 0.0;
    if (n <= stirlingTableEnd) return stirlingRemainderTable[static_cast<int>(n) - 1];
    const double inverseSquare = 1.0 / (n * n);
    const double* c = stirlingSeries;
    return (c[0] - (c[1] - (c[2] - (c[3] - c[4] * inverseSquare) * inverseSquare) * inverseSquare) * inverseSquare) / n;
}

double saddlePointDeviance(double x, double m)
{
    if (x == 0.0) return m;
    if (std::fabs(x - m) < devianceSeriesBound * (0.5 * x + 0.5 * m) * 2.0) {
        // With v = (x - m)/(x + m): x log(x/m) + m - x = (x - m) v + 2x (v^3/3 + v^5/5 + ...).
        // Halved operands keep x + m finite up to the largest doubles.
        const double v = (0.5 * x - 0.5 * m) / (0.5 * x + 0.5 * m);
        const double vSquare = v * v;
        double sum = (x - m) * v;
        double power = 2.0 * (x * v);
        for (int j = 1; j < 1000; ++j) {
            power *= vSquare;
            const double next = sum + power / (2 * j + 1);
            if (next == sum) break;
            sum = next;
        }
        return sum;
    }
    return x * std::log(x / m) + m - x;
}

double binomialMass(double k, double n, double p)
{
    if (k < 0.0 || k > n) return 0.0;
    const double q = 1.0 - p;
    if (k == 0.0) return std::exp(n * std::log1p(-p));
    if (k == n) return std::exp(n * std::log(p));
    const double exponent = stirlingRemainder(n) - stirlingRemainder(k) - stirlingRemainder(n - k) -
                            saddlePointDeviance(k, n * p) - saddlePointDeviance(n - k, n * q);
    const double logScale = logTwoPi + std::log(k) + std::log1p(-k / n);
    return std::exp(exponent - 0.5 * logScale);
}

double poissonMass(double k, double lambda)
{
    if (k < 0.0) return 0.0;
    if (k == 0.0) return std::exp(-lambda);
    const double exponent = -stirlingRemainder(k) - saddlePointDeviance(k, lambda);
    return std::exp(exponent - 0.5 * (logTwoPi + std::log(k)));
}
