// Properties every distribution keeps at every valid parameter, checked on
// seeded random parameters spread log-uniformly over each valid range.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "make_distribution.h"

namespace {

// A parameter drawn as 10^u for u uniform in [lowExponent, highExponent],
// negated at random when `signed`, rounded down when `whole`.
struct ParameterRange {
    double lowExponent;
    double highExponent;
    bool isSigned = false;
    bool whole = false;
};

struct Family {
    const char* name;
    ParameterRange first;
    ParameterRange second;
    bool checkInverse;  // cdf(quantile(q)) = q, for a continuous law
};

const Family families[] = {
    {"uniform", {-300, 300, true}, {-300, 300}, true},  // the second is the width b - a
    {"normal", {-300, 300, true}, {-300, 300}, true},
    {"lognormal", {-300, 300}, {-300, 300}, true},
    {"exponential", {-300, 300}, {0, 0}, true},
    {"cauchy", {-300, 300, true}, {-300, 300}, true},
    {"double_exponential", {-300, 300}, {0, 0}, true},
    {"gamma", {-300, 5}, {-300, 300}, true},
    {"chi_square", {0, 15, false, true}, {0, 0}, true},
    {"beta", {-1, 4}, {-1, 4}, true},
    {"student", {0, 15, false, true}, {0, 0}, true},
    {"f", {0, 4, false, true}, {0, 4, false, true}, false},
    {"poisson", {0, 15, false, true}, {0, 0}, false},
    {"binomial", {0, 15, false, true}, {-300, -0.302}, false},
    {"negative_binomial", {0, 15, false, true}, {-300, -0.302}, false},
    {"geometric", {-300, -0.302}, {0, 0}, false},
};

constexpr double probabilities[] = {1e-300, 1e-10, 0.01, 0.3, 0.5, 0.9, 1 - 1e-10};
constexpr double epsilon = DBL_EPSILON;

double draw(const ParameterRange& range, std::mt19937_64& random)
{
    const double exponent = std::uniform_real_distribution<double>(range.lowExponent, range.highExponent)(random);
    double value = std::pow(10.0, exponent);
    if (range.whole) value = std::floor(value);
    if (range.isSigned && random() % 2 == 0) value = -value;
    return value;
}

// The smaller of cdf and survival, as the probability s it should match and
// its values at the doubles either side of x, which must enclose s.
struct Side {
    double target;
    double low;
    double high;
};

Side smallerSide(Distribution& d, double x, double q)
{
    const double below = std::nextafter(x, -HUGE_VAL), above = std::nextafter(x, HUGE_VAL);
    if (q <= 0.5) return {q, d.cdf(below), d.cdf(above)};
    return {1 - q, d.survival(above), d.survival(below)};
}

TEST(PropertySweep, ProbabilitiesStayProbabilitiesAndQuantilesInvertTheDistributionFunction)
{
    std::mt19937_64 random(20261207);
    for (const Family& family : families) {
        for (int draws = 0; draws < 200; ++draws) {
            double p1 = draw(family.first, random), p2 = draw(family.second, random);
            // The uniform's second parameter is its width; p2 < 0.5 is a success probability, mirrored at random.
            if (std::string(family.name) == "uniform") p2 = std::isfinite(p1 + p2) ? p1 + p2 : DBL_MAX;
            if (family.second.highExponent < 0 && random() % 2 == 0) p2 = 1 - p2;
            if (family.first.highExponent < 0 && random() % 2 == 0) p1 = 1 - p1;
            auto d = makeDistribution(family.name, p1, p2);
            char where[96];
            std::snprintf(where, sizeof where, "%s(%.17g, %.17g)", family.name, p1, p2);

            std::vector<double> xs;
            for (double q : probabilities) {
                const double x = d->quantile(q);
                if (d->status() != ResultStatus::Ok || !std::isfinite(x)) continue;
                xs.push_back(x);
                // A quantile or density below the normal doubles has lost the digits to check.
                const double density = d->pdf(x);
                if (!family.checkInverse || d->status() != ResultStatus::Ok || !std::isnormal(x) ||
                    !std::isnormal(density))
                    continue;
                // cdf(quantile(q)) = q: q lies between the cdf at x's neighbours, give or
                // take the quantile's own target.
                const Side side = smallerSide(*d, x, q);
                const double tolerance = std::max(1e-13 * density * std::fabs(x), 100 * side.target * epsilon);
                EXPECT_GE(side.target, side.low - tolerance) << where << " at q = " << q;
                EXPECT_LE(side.target, side.high + tolerance) << where << " at q = " << q;
            }
            std::sort(xs.begin(), xs.end());
            double previous = 0.0;
            for (double x : xs) {
                const double below = d->cdf(x);
                if (d->status() != ResultStatus::Ok) continue;
                const double above = d->survival(x);
                EXPECT_TRUE(below >= 0 && below <= 1 && above >= 0 && above <= 1) << where << " at " << x;
                EXPECT_LE(std::fabs(below + above - 1), 2e-13) << where << " at " << x;
                EXPECT_GE(below, previous * (1 - 1e-13)) << where << " cdf falls at " << x;
                previous = below;
                const double density = d->pdf(x);
                if (d->status() == ResultStatus::Ok) {
                    EXPECT_GE(density, 0) << where << " at " << x;
                }
                const double hazard = d->hazard(x);
                if (d->status() == ResultStatus::Ok) {
                    EXPECT_GE(hazard, 0) << where << " at " << x;
                }
            }
        }
    }
}

}  // namespace
