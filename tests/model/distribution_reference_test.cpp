// The six closed-form and normal-integral distributions against independent
// high-precision values (tests/data/distribution_reference.py).

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "../reference_data.h"
#include "make_distribution.h"

namespace {

double evaluate(Distribution& d, const std::string& operation, double x)
{
    if (operation == "mean") return d.mean();
    if (operation == "standardDeviation") return d.standardDeviation();
    if (operation == "coefficientOfVariation") return d.coefficientOfVariation();
    if (operation == "skewness") return d.skewness();
    if (operation == "kurtosis") return d.kurtosis();
    if (operation == "pdf") return d.pdf(x);
    if (operation == "cdf") return d.cdf(x);
    if (operation == "survival") return d.survival(x);
    if (operation == "hazard") return d.hazard(x);
    if (operation == "quantile") return d.quantile(x);
    ADD_FAILURE() << "unknown operation " << operation;
    return 0.0;
}

// |got - want| <= relative |want| + absolute.
struct Tolerance {
    const char* distribution;  // nullptr: any
    const char* operation;     // nullptr: any
    double relative;
    double absolute;
};

// First match wins. Probabilities carry an absolute part: the distribution
// functions are computed as written (1 - exp(-x) near 0, the normal through
// erf with its 4e-9), not as the most accurate form.
constexpr Tolerance tolerances[] = {
    {"normal", "cdf", 1e-13, 2e-9},
    {"normal", "survival", 1e-13, 2e-9},
    {"normal", "hazard", 2e-7, 0},
    {"lognormal", "cdf", 1e-13, 2e-9},
    {"lognormal", "survival", 1e-13, 2e-9},
    {"lognormal", "hazard", 2e-7, 0},
    {"lognormal", "coefficientOfVariation", 1e-9, 0},  // exp(s^2) - 1 for s = 0.001
    {"lognormal", "skewness", 1e-9, 0},
    {"lognormal", "standardDeviation", 1e-9, 0},
    {nullptr, "cdf", 1e-13, 1e-15},
    {nullptr, "survival", 1e-13, 1e-15},
    {nullptr, nullptr, 1e-13, 0},
};

const Tolerance& toleranceFor(const std::string& distribution, const std::string& operation)
{
    for (const auto& t : tolerances) {
        if (t.distribution && distribution != t.distribution) continue;
        if (t.operation && operation != t.operation) continue;
        return t;
    }
    return tolerances[std::size(tolerances) - 1];
}

TEST(DistributionReference, StatisticsFunctionsAndQuantilesMatchHighPrecisionValues)
{
    const auto data = readReferenceData("distribution_reference.txt");
    ASSERT_GT(data.size(), 1000u);
    for (const auto& r : data) {
        const double p1 = referenceNumber(r[1]), p2 = referenceNumber(r[2]);
        const double x = r[4] == "-" ? 0.0 : referenceNumber(r[4]);
        const double want = referenceNumber(r[5]);
        auto d = makeDistribution(r[0], p1, p2);
        ASSERT_TRUE(d) << r[0];
        const double got = evaluate(*d, r[3], x);
        const auto& t = toleranceFor(r[0], r[3]);
        // A quantile formed from 1 - q or q - 0.5 inherits the rounding of that
        // difference, which no later step can undo.
        const double fromRoundingOfQ = r.size() > 6 ? 2.3e-16 * referenceNumber(r[6]) : 0.0;
        EXPECT_EQ(d->status(), ResultStatus::Ok) << r[0] << "(" << p1 << ", " << p2 << ") " << r[3] << " " << r[4];
        EXPECT_LE(std::fabs(got - want), t.relative * std::fabs(want) + t.absolute + fromRoundingOfQ)
            << r[0] << "(" << p1 << ", " << p2 << ") " << r[3] << " at " << r[4] << ": got " << got << ", want "
            << want;
    }
}

}  // namespace
