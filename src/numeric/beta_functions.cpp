#include "numeric/beta_functions.h"

#include <cmath>
#include <utility>

#include "numeric/gamma_functions.h"
#include "numeric/normal_integral.h"

namespace {

constexpr double machineEpsilon = 1.1102230246251565e-16;     // 2^-53
constexpr double oneBelowOne = 1.0 - machineEpsilon;          // 0.9999999999999999
constexpr double fractionTolerance = 3.3306690738754696e-16;  // 3 epsilon
constexpr double largestBound = 4503599627370496.0;           // 2^52
constexpr double smallestBound = 2.220446049250313e-16;       // 2^-52
constexpr double largestGammaArgument = 171.6243769563027;
constexpr double largestExponent = 709.782712893384;
constexpr double smallestExponent = -708.3964185322641;
constexpr double seriesThreshold = 0.95;
constexpr double newtonTolerance = 1.4210854715202004e-14;        // 128 epsilon
constexpr double secondHalvingTolerance = 2.842170943040401e-14;  // 256 epsilon
constexpr double wideHalvingTolerance = 1e-6;                     // a <= 1 or b <= 1
constexpr double narrowHalvingTolerance = 1e-4;
constexpr double newtonAcceptance = 0.2;
constexpr double reflectionPoint = 0.75;
constexpr double pi = 3.141592653589793;
constexpr double logSqrtTwoPi = 0.9189385332046728;
constexpr double stirlingRange = 13;  // from here on ln Gamma is Stirling's formula with its remainder

constexpr int fractionRounds = 300;
constexpr int halvingRounds = 100;
constexpr int newtonRounds = 7;
// The power series shrinks each term by at least 0.95 where it is used, so it
// settles within about 800 terms; the bound only guards against non-finite input.
constexpr int seriesRounds = 5000;
// The inverse may switch to the complementary problem when its search passes
// 0.75; a few switches settle every case, more would be a ping-pong.
constexpr int reflectionSwitches = 4;
// Student's sums take up to (k - 2) / 2 terms; above this many degrees of
// freedom the distribution function uses the incomplete beta integral instead.
constexpr double studentSumLimit = 1e4;
// Above this t the distribution function is 1 to rounding for every k >= 1, and
// t * t would overflow in the sums.
constexpr double studentCertainty = 1e150;

// One continued fraction: z and the eight running coefficients with their steps.
struct FractionCoefficients {
    double z;
    double k[8];
    double step[8];
};

double evaluateFraction(const FractionCoefficients& c, IterationCount* count)
{
    double k[8];
    for (int i = 0; i < 8; ++i) k[i] = c.k[i];
    double p2 = 0.0;
    double q2 = 1.0;
    double p1 = 1.0;
    double q1 = 1.0;
    double h = 1.0;
    double r = 1.0;
    for (int round = 0; round < fractionRounds; ++round) {
        countRound(count);
        double e = -(c.z * k[0] * k[1]) / (k[2] * k[3]);
        double p = p1 + p2 * e;
        double q = q1 + q2 * e;
        p2 = p1;
        p1 = p;
        q2 = q1;
        q1 = q;

        e = (c.z * k[4] * k[5]) / (k[6] * k[7]);
        p = p1 + p2 * e;
        q = q1 + q2 * e;
        p2 = p1;
        p1 = p;
        q2 = q1;
        q1 = q;

        if (q != 0) r = p / q;
        double t = 1.0;
        if (r != 0) {
            t = std::fabs((h - r) / r);
            h = r;
        }
        if (t < fractionTolerance) return h;

        for (int i = 0; i < 8; ++i) k[i] += c.step[i];

        if (std::fabs(q) + std::fabs(p) > largestBound) {
            p2 *= smallestBound;
            p1 *= smallestBound;
            q2 *= smallestBound;
            q1 *= smallestBound;
        }
        if (std::fabs(q) < smallestBound || std::fabs(p) < smallestBound) {
            p2 *= largestBound;
            p1 *= largestBound;
            q2 *= largestBound;
            q1 *= largestBound;
        }
    }
    return h;
}

// ln(x / x0) for x, x0 > 0, through log1p near 1 where the plain quotient rounds.
double logRatio(double x, double x0)
{
    const double t = (x - x0) / x0;
    return std::fabs(t) < 0.5 ? std::log1p(t) : std::log(x / x0);
}

// ln(x^a xc^b / B(a, b)) with xc = 1 - x. Where both shapes reach Stirling's
// range the large terms cancel by hand around the mean x0 = a / (a + b), so
// the result keeps its digits for shapes of any size.
double logPowerFactor(double a, double b, double x, double xc)
{
    if (a < stirlingRange || b < stirlingRange) return a * std::log(x) + b * std::log(xc) - logBeta(a, b);
    const double c = a + b;
    const double x0 = a / c, xc0 = b / c;
    return a * logRatio(x, x0) + b * logRatio(xc, xc0) + 0.5 * (std::log(a) + std::log(b) - std::log(c)) -
           logSqrtTwoPi - logGammaRemainder(a) - logGammaRemainder(b) + logGammaRemainder(c);
}

}  // namespace

double logBeta(double a, double b)
{
    if (a > b) std::swap(a, b);
    if (b < stirlingRange) return logGamma(a) + logGamma(b) - logGamma(a + b);
    // ln Gamma(b) - ln Gamma(a + b) by Stirling's formula, its large terms cancelled by hand.
    const double c = a + b;
    if (a < stirlingRange) {
        return logGamma(a) - (b - 0.5) * std::log1p(a / b) - a * std::log(c) + a + logGammaRemainder(b) -
               logGammaRemainder(c);
    }
    return logSqrtTwoPi + (a - 0.5) * std::log(a / c) - 0.5 * std::log(c) - (b - 0.5) * std::log1p(a / b) +
           logGammaRemainder(a) + logGammaRemainder(b) - logGammaRemainder(c);
}

double betaFunction(double a, double b) { return std::exp(logBeta(a, b)); }

double incompleteBeta(double a, double b, double x, IterationCount* count)
{
    if (!(a > 0) || !(b > 0)) return 0.0;
    if (!(x > 0) || x > 1) return 0.0;
    if (x == 1) return 1.0;

    if (b * x <= 1 && x <= seriesThreshold) return betaPowerSeries(a, b, x, count);

    // Reflect so that the expansion works on the side where it converges.
    const double w = 1.0 - x;
    const bool reflected = x > a / (a + b);
    const double ar = reflected ? b : a;
    const double br = reflected ? a : b;
    const double xr = reflected ? w : x;
    const double xc = reflected ? x : w;

    double t = 0.0;
    if (reflected && br * xr <= 1 && xr <= seriesThreshold) {
        t = betaPowerSeries(ar, br, xr, count);
    } else {
        const double f = xr * (ar + br - 2.0) - (ar - 1.0) < 0 ? betaContinuedFraction(ar, br, xr, count)
                                                               : betaContinuedFractionRatio(ar, br, xr, count) / xc;
        const double u = ar * std::log(xr);
        const double v = br * std::log(xc);
        if (ar + br < largestGammaArgument && std::fabs(u) < largestExponent && std::fabs(v) < largestExponent) {
            t = std::pow(xc, br) * std::pow(xr, ar) / ar * f * gammaFunction(ar + br) /
                (gammaFunction(ar) * gammaFunction(br));
        } else {
            const double s = logPowerFactor(ar, br, xr, xc) + std::log(f / ar);
            t = s < smallestExponent ? 0.0 : std::exp(s);
        }
    }

    if (reflected) return t < machineEpsilon ? oneBelowOne : 1.0 - t;
    return t;
}

double betaPowerSeries(double a, double b, double x, IterationCount* count)
{
    const double r = 1.0 / a;
    double u = (1.0 - b) * x;
    double v = u / (a + 1.0);
    const double first = v;
    double term = u;
    double n = 2.0;
    double s = 0.0;
    const double limit = machineEpsilon * r;
    for (int round = 0; round < seriesRounds && std::fabs(v) > limit; ++round) {
        countRound(count);
        u = (n - b) * x / n;
        term *= u;
        v = term / (a + n);
        s += v;
        n += 1.0;
    }
    s += first;
    s += r;

    u = a * std::log(x);
    if (a + b < largestGammaArgument && std::fabs(u) < largestExponent) {
        return s * gammaFunction(a + b) / (gammaFunction(a) * gammaFunction(b)) * std::pow(x, a);
    }
    const double e = u - logBeta(a, b) + std::log(s);
    return e < smallestExponent ? 0.0 : std::exp(e);
}

double betaContinuedFraction(double a, double b, double x, IterationCount* count)
{
    const FractionCoefficients c = {
        x,
        {a, a + b, a, a + 1.0, 1.0, b - 1.0, a + 1.0, a + 2.0},
        {1.0, 1.0, 2.0, 2.0, 1.0, -1.0, 2.0, 2.0},
    };
    return evaluateFraction(c, count);
}

double betaContinuedFractionRatio(double a, double b, double x, IterationCount* count)
{
    const FractionCoefficients c = {
        x / (1.0 - x),
        {a, b - 1.0, a, a + 1.0, 1.0, a + b, a + 1.0, a + 2.0},
        {1.0, -1.0, 2.0, 2.0, 1.0, 1.0, 2.0, 2.0},
    };
    return evaluateFraction(c, count);
}

double inverseIncompleteBeta(double aa, double bb, double y0, IterationCount* count)
{
    if (!(y0 > 0)) return 0.0;
    if (!(y0 < 1)) return 1.0;

    // The working problem is (aa, bb, y0), or its reflection (bb, aa, 1 - y0).
    double a = aa;
    double b = bb;
    double yt = y0;
    bool reflected = false;
    const auto reflect = [&](bool on) {
        reflected = on;
        a = on ? bb : aa;
        b = on ? aa : bb;
        yt = on ? 1.0 - y0 : y0;
    };
    const auto finish = [&](double x) {
        if (!reflected) return x;
        return x <= machineEpsilon ? oneBelowOne : 1.0 - x;
    };

    double xLow = 0.0;
    double yLow = 0.0;
    double xHigh = 1.0;
    double yHigh = 1.0;
    bool newtonUsed = false;
    double tolerance = 0.0;
    double x = 0.0;
    double y = 0.0;
    bool startWithNewton = false;

    if (aa <= 1 || bb <= 1) {
        // Aim at the smaller tail: 1 - y0 is exact there, while a target near 1
        // would leave the search no digits to tell its points apart.
        tolerance = wideHalvingTolerance;
        if (y0 > 0.5) reflect(true);
        x = a / (a + b);
        y = incompleteBeta(a, b, x, count);
    } else {
        // An estimate from the normal quantile.
        tolerance = narrowHalvingTolerance;
        double g = -inverseNormal(y0);
        if (y0 > 0.5) {
            reflect(true);
            g = -g;
        }
        const double lambda = (g * g - 3.0) / 6.0;
        const double h = 2.0 / (1.0 / (2.0 * a - 1.0) + 1.0 / (2.0 * b - 1.0));
        double d = g * std::sqrt(h + lambda) / h -
                   (1.0 / (2.0 * b - 1.0) - 1.0 / (2.0 * a - 1.0)) * (lambda + 0.8333333333333334 - 2.0 / (3.0 * h));
        d = 2.0 * d;
        if (d < smallestExponent) return finish(1.0);
        x = a / (a + b * std::exp(d));
        y = incompleteBeta(a, b, x, count);
        startWithNewton = std::fabs((y - yt) / yt) < newtonAcceptance;
    }

    // The search alternates: halving hands over to Newton; a failed Newton phase
    // comes back to halving with a finer tolerance; the second Newton visit ends it.
    int switchesLeft = reflectionSwitches;
    bool inNewton = startWithNewton;
    while (true) {
        if (!inNewton) {
            int direction = 0;
            double f = 0.5;
            bool restart = false;
            bool converged = false;
            for (int round = 0; round < halvingRounds; ++round) {
                countRound(count);
                if (round != 0) {
                    x = xLow + f * (xHigh - xLow);
                    if (x == 1) x = oneBelowOne;
                    if (x == 0) {
                        f = 0.5;
                        x = xLow + f * (xHigh - xLow);
                        if (x == 0) return finish(0.0);
                    }
                    y = incompleteBeta(a, b, x, count);
                    // The miss is measured against the smaller tail, so a target near 1
                    // (after a switch) is not met by every y that rounds near it.
                    if (std::fabs((xHigh - xLow) / (xHigh + xLow)) < tolerance ||
                        std::fabs(y - yt) < tolerance * std::fmin(yt, 1.0 - yt)) {
                        converged = true;
                        break;
                    }
                }
                if (y < yt) {
                    xLow = x;
                    yLow = y;
                    if (direction < 0) {
                        direction = 0;
                        f = 0.5;
                    } else if (direction > 3) {
                        f = 1.0 - (1.0 - f) * (1.0 - f);
                    } else if (direction > 1) {
                        f = 0.5 * f + 0.5;
                    } else {
                        f = (yt - y) / (yHigh - yLow);
                    }
                    direction += 1;
                    // Past 0.75 the complementary problem resolves x near 1 better, but
                    // only while its target 1 - yt keeps more digits than 1 - x does.
                    if (x > reflectionPoint && 1.0 - x < std::fmin(yt, 1.0 - yt) && switchesLeft > 0) {
                        --switchesLeft;
                        reflect(!reflected);
                        x = 1.0 - x;
                        y = incompleteBeta(a, b, x, count);
                        xLow = 0.0;
                        yLow = 0.0;
                        xHigh = 1.0;
                        yHigh = 1.0;
                        restart = true;
                        break;
                    }
                } else {
                    xHigh = x;
                    if (reflected && xHigh < machineEpsilon) return finish(0.0);
                    yHigh = y;
                    if (direction > 0) {
                        direction = 0;
                        f = 0.5;
                    } else if (direction < -3) {
                        f = f * f;
                    } else if (direction < -1) {
                        f = 0.5 * f;
                    } else {
                        f = (y - yt) / (yHigh - yLow);
                    }
                    direction -= 1;
                }
                // Equal values at both ends of the bracket give no false position.
                if (!(f > 0 && f < 1)) f = 0.5;
            }
            if (restart) continue;
            if (!converged) {
                if (xLow >= 1) return finish(oneBelowOne);
                if (x < 0) return finish(0.0);
            }
            inNewton = true;
        }

        // Newton refinement inside the bracket.
        if (newtonUsed) return finish(x);
        newtonUsed = true;
        const double logNorm = -logBeta(a, b);
        for (int round = 0; round < newtonRounds; ++round) {
            countRound(count);
            if (round != 0) y = incompleteBeta(a, b, x, count);
            if (y < yLow) {
                x = xLow;
                y = yLow;
            } else if (y > yHigh) {
                x = xHigh;
                y = yHigh;
            } else if (y < yt) {
                xLow = x;
                yLow = y;
            } else {
                xHigh = x;
                yHigh = y;
            }
            if (x == 1 || x == 0) break;
            const double g = (a - 1.0) * std::log(x) + (b - 1.0) * std::log(1.0 - x) + logNorm;
            if (std::isnan(g)) break;
            if (g < smallestExponent) return finish(x);
            if (g > largestExponent) break;
            const double step = (y - yt) / std::exp(g);
            double xt = x - step;
            if (xt <= xLow) {
                xt = xLow + 0.5 * ((x - xLow) / (xHigh - xLow)) * (x - xLow);
                if (xt <= 0) break;
            }
            if (xt >= xHigh) {
                xt = xHigh - 0.5 * ((xHigh - x) / (xHigh - xLow)) * (xHigh - x);
                if (xt >= 1) break;
            }
            x = xt;
            if (std::fabs(step / x) < newtonTolerance) return finish(x);
        }
        tolerance = secondHalvingTolerance;
        inNewton = false;
    }
}

double studentDistribution(double k, double t, IterationCount* count)
{
    k = std::floor(k);
    if (t == 0) return 0.5;

    // The left tail, and every t once the sums below would grow long; near 0 the
    // central form, whose argument t^2 / (k + t^2) keeps its digits there.
    if (t < -2 || k > studentSumLimit) {
        const double t2 = t * t;
        if (t >= -2 && t2 < k) {
            const double half = 0.5 * incompleteBeta(0.5, 0.5 * k, t2 / (k + t2), count);
            return t < 0 ? 0.5 - half : 0.5 + half;
        }
        const double tail = 0.5 * incompleteBeta(0.5 * k, 0.5, k / (k + t2), count);
        return t < 0 ? tail : 1.0 - tail;
    }

    if (t > studentCertainty) return 1.0;
    const double x = std::fabs(t);
    const double z = 1.0 + x * x / k;
    double p = 0.0;
    if (std::fmod(k, 2.0) != 0) {
        const double s = x / std::sqrt(k);
        p = std::atan(s);
        if (k > 1) {
            double f = 1.0;
            double c = 1.0;
            for (double j = 3; j <= k - 2 && c / f > machineEpsilon; j += 2) {
                countRound(count);
                c = (j - 1) * c / (j * z);
                f += c;
            }
            p += f * s / z;
        }
        p = p * 2.0 / pi;
    } else {
        double f = 1.0;
        double c = 1.0;
        for (double j = 2; j <= k - 2 && c / f > machineEpsilon; j += 2) {
            countRound(count);
            c = (j - 1) * c / (j * z);
            f += c;
        }
        p = f * x / std::sqrt(z * k);
    }
    // Rounding can carry the sums a unit past 1 far out in the tail.
    p = std::fmin(p, 1.0);
    if (t < 0) p = -p;
    return 0.5 * p + 0.5;
}

double studentQuantile(double k, double p, IterationCount* count)
{
    k = std::floor(k);

    if (p > 0.25 && p < 0.75) {
        if (p == 0.5) return 0.0;
        const double z = inverseIncompleteBeta(0.5, 0.5 * k, std::fabs(1.0 - 2.0 * p), count);
        const double t = std::sqrt(k * z / (1.0 - z));
        return p < 0.5 ? -t : t;
    }

    double sign = -1.0;
    if (p >= 0.5) {
        p = 1.0 - p;
        sign = 1.0;
    }
    const double z = inverseIncompleteBeta(0.5 * k, 0.5, 2.0 * p, count);
    // Beyond 2^52 the quantile reads as that stand-in for infinity.
    const double t = std::sqrt(k / z - k);
    if (!(t < largestBound)) return sign * largestBound;
    return sign * t;
}
