#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/catalogue.h"
#include "model/normal_distributions.h"

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Whatever the user types, a result shown as a number is a number: across
// every distribution, parameters and arguments at the ends of the doubles.
TEST(ExtremeInputs, NoOperationShowsNaNAsAResult)
{
    const double values[] = {0.0, -0.0, 5e-324, 1e-300, 0.5, 1.0, 2.5, 1000.0, 1e300, -1e300, infinity, -infinity};
    DistributionSet set = makeDistributionSet();
    for (int d = 0; d < distributionCount; ++d) {
        Distribution& distribution = *set[d];
        for (double p1 : values) {
            for (double p2 : values) {
                for (double x : values) {
                    // Read each status right after its call.
                    struct Call {
                        const char* name;
                        double (*run)(Distribution&, double);
                    };
                    const Call calls[] = {
                        {"mean", [](Distribution& s, double) { return s.mean(); }},
                        {"standardDeviation", [](Distribution& s, double) { return s.standardDeviation(); }},
                        {"coefficientOfVariation", [](Distribution& s, double) { return s.coefficientOfVariation(); }},
                        {"skewness", [](Distribution& s, double) { return s.skewness(); }},
                        {"kurtosis", [](Distribution& s, double) { return s.kurtosis(); }},
                        {"pdf", [](Distribution& s, double a) { return s.pdf(a); }},
                        {"cdf", [](Distribution& s, double a) { return s.cdf(a); }},
                        {"survival", [](Distribution& s, double a) { return s.survival(a); }},
                        {"hazard", [](Distribution& s, double a) { return s.hazard(a); }},
                        {"quantile",
                         [](Distribution& s, double a) { return s.quantile(std::fabs(a) <= 1 ? std::fabs(a) : 0.5); }},
                    };
                    for (const Call& call : calls) {
                        distribution.setParameter1(p1).setParameter2(distribution.parameterCount() == 2 ? p2 : 0.0);
                        const double result = call.run(distribution, x);
                        const ResultStatus status = distribution.status();
                        if (status == ResultStatus::Ok || status == ResultStatus::SingularPoint) {
                            EXPECT_FALSE(std::isnan(result))
                                << distributionNames[d] << " (" << p1 << ", " << p2 << ") " << call.name << " at " << x;
                        }
                    }
                }
            }
        }
    }
}

TEST(ExtremeInputs, NormalDensityOfATinyDeviationStaysFinite)
{
    NormalDistribution d(0.0, 1e-300);
    const double density = d.pdf(0.0);
    EXPECT_EQ(d.status(), ResultStatus::Ok);
    EXPECT_NEAR(density, 1.0 / (std::sqrt(2 * 3.141592653589793) * 1e-300), 1e285);
    EXPECT_NEAR(d.pdf(1e-299), std::exp(-50.0) / (std::sqrt(2 * 3.141592653589793) * 1e-300), 1e265);
    EXPECT_EQ(d.status(), ResultStatus::Ok);
    EXPECT_EQ(d.pdf(1e-297), 0.0);
    EXPECT_EQ(d.status(), ResultStatus::Ok);
}

}  // namespace
