#include "numeric/gamma_functions.h"

#include <cmath>
#include <limits>

#include "numeric/normal_integral.h"
#include "numeric/polynomial.h"

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double largestDouble = std::numeric_limits<double>::max();

constexpr double sqrtTwoPi = 2.5066282746310007;
constexpr double logSqrtTwoPi = 0.9189385332046728;
constexpr double eulerGamma = 0.5772156649015329;
constexpr double stirlingSwitch = 33;
constexpr double powerSplit = 143.01608;
constexpr double recurrenceLimit = 13;      // logGamma recurs below it
constexpr double shortSeriesLimit = 1000;  // logGamma's two-term series from here
constexpr double noSeriesLimit = 1e8;      // logGamma drops the series above it
constexpr double tinyArgument = 1e-300;    // below it 1/x may overflow; ln Gamma(x) = -ln x - eulerGamma x
constexpr double convergenceTolerance = 1e-15;
constexpr double halvingTolerance = 5e-15;
constexpr double largestBound = 4503599627370496.0;  // 2^52
constexpr double rescalingFactor = 2.220446049250313e-16;  // 2^-52
constexpr double underflowLimit = -709.782712893384;

// The series and the continued fraction need about 8.3 sqrt(a) rounds where they
// converge most slowly (x near a); this bound covers a up to about 1.4e8 and
// stops a run on inputs far outside the graph's reach.
constexpr int expansionRounds = 100000;
constexpr int newtonRounds = 10;
constexpr int growthRounds = 2000;
constexpr int halvingRounds = 400;

// Gamma(x + 2) on 0 <= x < 1 as P(x) / Q(x).
constexpr double gammaNumerator[] = {0.00016011952247675185, 0.0011913514700658638, 0.010421379756176156,
                                     0.04763678004571372,    0.20744822764843596,   0.4942148268014971,
                                     1};
constexpr double gammaDenominator[] = {-2.3158187332412014e-05, 0.0005396055804933034, -0.004456419138517973,
                                       0.011813978522206043,    0.035823639860549865,  -0.23459179571824335,
                                       0.0714304917030273,      1};
// Stirling's correction series in 1/x.
constexpr double stirlingCorrection[] = {0.0007873113957930937, -0.00022954996161337815, -0.0026813261780578124,
                                         0.0034722222160545866, 0.08333333333334823};
// ln Gamma(x + 2) on 0 <= x < 1 as x B(x) / C(x).
constexpr double logGammaNumerator[] = {-1378.2515256912086, -38801.631513463784, -331612.9927388712,
                                        -1162370.974927623,  -1721737.0082083966, -853555.6642457654};
constexpr double logGammaDenominator[] = {1,
                                          -351.81570143652345,
                                          -17064.210665188115,
                                          -220528.59055385445,
                                          -1139334.4436798252,
                                          -2532523.0717758294,
                                          -2018891.4143353277};
// The asymptotic series of ln Gamma in 1/x^2.
constexpr double logGammaAsymptotic[] = {0.0008116141674705084, -0.0005950619042843014, 0.0007936503404577169,
                                         -0.002777777777300997, 0.0833333333333332};

double stirlingGamma(double x)
{
    double w = 1.0 / x;
    w = 1.0 + w * evaluatePolynomial(stirlingCorrection, w);
    double y = std::exp(x);
    if (x > powerSplit) {
        const double v = std::pow(x, 0.5 * x - 0.25);
        y = v * (v / y);
    } else {
        y = std::pow(x, x - 0.5) / y;
    }
    return sqrtTwoPi * y * w;
}

// x^a e^-x / Gamma(a), the factor both expansions share; 0 when it underflows
// (or cannot be formed, as at x = +inf).
double incompleteGammaFactor(double a, double x)
{
    const double e = logGammaFactor(a, x);
    if (!(e >= underflowLimit)) return 0.0;
    return std::exp(e);
}

}  // namespace

double gammaFunction(double x)
{
    if (!(x > 0)) return x == 0 || x < 0 ? infinity : x;
    if (x == infinity) return infinity;
    if (x > stirlingSwitch) return stirlingGamma(x);

    double z = 1.0;
    while (x >= 3) {
        x -= 1.0;
        z *= x;
    }
    while (x < 2) {
        if (x < 1e-9) return z / ((1.0 + eulerGamma * x) * x);
        z /= x;
        x += 1.0;
    }
    if (x == 2) return z;
    x -= 2.0;
    return z * evaluatePolynomial(gammaNumerator, x) / evaluatePolynomial(gammaDenominator, x);
}

double logGamma(double x)
{
    if (!(x > 0)) return x == 0 || x < 0 ? infinity : x;
    if (x < tinyArgument) return -std::log(x) - eulerGamma * x;

    if (x < recurrenceLimit) {
        double z = 1.0;
        double p = 0.0;
        double u = x;
        while (u >= 3) {
            p -= 1.0;
            u = x + p;
            z *= u;
        }
        while (u < 2) {
            z /= u;
            p += 1.0;
            u = x + p;
        }
        if (u == 2) return std::log(z);
        p -= 2.0;
        const double t = x + p;
        return std::log(z) + t * evaluatePolynomial(logGammaNumerator, t) / evaluatePolynomial(logGammaDenominator, t);
    }

    return (x - 0.5) * std::log(x) - x + logSqrtTwoPi + logGammaRemainder(x);
}

double logGammaRemainder(double x)
{
    if (x < recurrenceLimit) return logGamma(x) - ((x - 0.5) * std::log(x) - x + logSqrtTwoPi);
    if (x > noSeriesLimit) return 0.0;
    const double r = 1.0 / (x * x);
    if (x >= shortSeriesLimit) {
        return ((0.0007936507936507938 * r - 0.002777777777777778) * r + 0.08333333333333333) / x;
    }
    return evaluatePolynomial(logGammaAsymptotic, r) / x;
}

double logGammaFactor(double a, double x)
{
    if (a < recurrenceLimit) return a * std::log(x) - x - logGamma(a);
    // With ln Gamma(a) written out by Stirling's formula, a ln x - x and ln Gamma(a)
    // lose their common part exactly: a (ln(1 + t) - t) with t = (x - a) / a is left.
    const double t = (x - a) / a;
    const double logRatio = std::fabs(t) < 0.5 ? std::log1p(t) : std::log(x / a);
    return a * (logRatio - t) + 0.5 * std::log(a) - logSqrtTwoPi - logGammaRemainder(a);
}

double incompleteGamma(double a, double x, IterationCount* count)
{
    if (!(x > 0) || !(a > 0)) return 0.0;
    if (x > 1 && x > a) return 1.0 - complementaryIncompleteGamma(a, x, count);

    const double f = incompleteGammaFactor(a, x);
    if (f == 0) return 0.0;

    // Power series; a non-finite term ends it through the failed comparison.
    double r = a;
    double c = 1.0;
    double s = 1.0;
    for (int round = 0; round < expansionRounds; ++round) {
        countRound(count);
        r += 1.0;
        c = c * x / r;
        s += c;
        if (!(c / s > convergenceTolerance)) break;
    }
    return s * f / a;
}

double complementaryIncompleteGamma(double a, double x, IterationCount* count)
{
    if (!(x > 0) || !(a > 0)) return 1.0;
    if (x < 1 || x < a) return 1.0 - incompleteGamma(a, x, count);

    const double f = incompleteGammaFactor(a, x);
    if (f == 0) return 0.0;

    // Continued fraction, with its convergents rescaled before they overflow.
    double y = 1.0 - a;
    double z = x + y + 1.0;
    double c = 0.0;
    double p2 = 1.0;
    double q2 = x;
    double p1 = x + 1.0;
    double q1 = z * x;
    double h = p1 / q1;
    for (int round = 0; round < expansionRounds; ++round) {
        countRound(count);
        c += 1.0;
        y += 1.0;
        z += 2.0;
        const double w = y * c;
        const double p = p1 * z - p2 * w;
        const double q = q1 * z - q2 * w;
        double t = 1.0;
        if (q != 0) {
            const double r = p / q;
            t = std::fabs((h - r) / r);
            h = r;
        }
        p2 = p1;
        p1 = p;
        q2 = q1;
        q1 = q;
        if (std::fabs(p) > largestBound) {
            p2 *= rescalingFactor;
            p1 *= rescalingFactor;
            q2 *= rescalingFactor;
            q1 *= rescalingFactor;
        }
        if (!(t > convergenceTolerance)) break;
    }
    return h * f;
}

namespace {

// The x >= 0 where the tail P(a, x) (lower) or Q(a, x) (upper) equals y0. The
// search runs on s(x) = Q(a, x), or -P(a, x) for the lower tail: both fall as x
// grows, both have the slope -x^(a-1) e^-x / Gamma(a), and each keeps the digits
// of a small tail that 1 - y0 would round away.
double invertIncompleteGamma(double a, double y0, bool lower, IterationCount* count)
{
    const double sign = lower ? -1.0 : 1.0;
    const auto tail = [&](double x) {
        return lower ? -incompleteGamma(a, x, count) : complementaryIncompleteGamma(a, x, count);
    };
    const double target = sign * y0;

    // Bracket: s falls from its value at x = 0 towards its value at infinity.
    double xHigh = largestBound;
    double yLow = lower ? -1.0 : 0.0;
    double xLow = 0.0;
    double yHigh = lower ? 0.0 : 1.0;

    // Wilson-Hilferty start, then Newton steps inside the bracket.
    double d = 1.0 / (9.0 * a);
    const double v = 1.0 - d - sign * inverseNormal(y0) * std::sqrt(d);
    double x = a * v * v * v;
    const double logGammaA = logGamma(a);
    for (int round = 0; round < newtonRounds; ++round) {
        countRound(count);
        if (!(x >= xLow && x <= xHigh)) break;
        const double y = tail(x);
        if (y < yLow || y > yHigh) break;
        if (y < target) {
            xHigh = x;
            yLow = y;
        } else {
            xLow = x;
            yHigh = y;
        }
        const double g = (a - 1.0) * std::log(x) - x - logGammaA;
        if (!(g >= underflowLimit)) break;
        const double step = (y - target) / -std::exp(g);
        if (std::fabs(step / x) < convergenceTolerance) return x;
        x -= step;
    }

    // No upper bracket yet: grow x by factors 1 + d with d doubling until s falls below the target.
    d = 0.0625;
    if (xHigh == largestBound) {
        if (!(x > xLow && x < largestBound)) x = xLow > 0 ? xLow : 1.0;
        for (int round = 0; round < growthRounds; ++round) {
            countRound(count);
            x = std::fmin((1.0 + d) * x, largestDouble);
            const double y = tail(x);
            if (y < target || x == largestDouble) {
                xHigh = x;
                yLow = y;
                break;
            }
            d += d;
        }
    }

    // Halving with false-position steps; direction counts the moves to one side.
    d = 0.5;
    int direction = 0;
    for (int round = 0; round < halvingRounds; ++round) {
        countRound(count);
        x = xLow + d * (xHigh - xLow);
        const double y = tail(x);
        if (std::fabs((xHigh - xLow) / (xLow + xHigh)) < halvingTolerance) break;
        if (std::fabs((y - target) / target) < halvingTolerance) break;
        if (x <= 0) break;
        if (y >= target) {
            xLow = x;
            yHigh = y;
            if (direction < 0) {
                direction = 0;
                d = 0.5;
            } else if (direction > 1) {
                d = 0.5 * d + 0.5;
            } else {
                d = (target - yLow) / (yHigh - yLow);
            }
            direction += 1;
        } else {
            xHigh = x;
            yLow = y;
            if (direction > 0) {
                direction = 0;
                d = 0.5;
            } else if (direction < -1) {
                d = 0.5 * d;
            } else {
                d = (target - yLow) / (yHigh - yLow);
            }
            direction -= 1;
        }
        // A flat stretch of s (equal values at both ends) gives no false position.
        if (!(d > 0 && d < 1)) d = 0.5;
    }
    return x;
}

}  // namespace

double inverseComplementaryIncompleteGamma(double a, double y0, IterationCount* count)
{
    if (!(y0 < 1)) return 0.0;
    if (!(y0 > 0)) return infinity;
    return invertIncompleteGamma(a, y0, false, count);
}

double inverseIncompleteGamma(double a, double p, IterationCount* count)
{
    if (!(p > 0)) return 0.0;
    if (!(p < 1)) return infinity;
    return invertIncompleteGamma(a, p, true, count);
}
