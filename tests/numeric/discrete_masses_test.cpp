#include "numeric/discrete_masses.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The saddle-point masses against the high-precision masses of the discrete
// distributions' reference file wherever the mass is a normal double, out to
// 40 standard deviations, where the exponent runs to several hundred and a
// single rounding of it costs a hundred units in the last place. The bound
// allows the exponential's rounding and the reference's own (17 digits).
TEST(DiscreteMasses, MatchHighPrecisionMassesToAUnitInTheLastPlace)
{
    std::ifstream in(PROBAVIEW_TEST_DATA "/discrete_reference.txt");
    std::string line;
    int compared = 0;
    double worst = 0.0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string family, operation;
        double a, b, k, expected;
        fields >> family >> operation >> a >> b >> k >> expected;
        if (operation != "pdf" || family == "geometric" || expected < DBL_MIN) continue;
        double mass;
        if (family == "poisson") {
            mass = poissonMass(k, a);
        } else if (family == "binomial") {
            mass = binomialMass(k, a, b);
        } else {
            mass = negativeBinomialMass(k, a, b);
        }
        const double error = std::fabs(mass - expected) / expected;
        worst = std::max(worst, error);
        EXPECT_LE(error, 2.5e-16) << line << " got " << mass;
        ++compared;
    }
    EXPECT_GT(compared, 200);
    std::printf("worst relative saddle-point mass error %.3g\n", worst);
}

TEST(DiscreteMasses, HandleTheEndsOfTheSupportAndHugeCounts)
{
    EXPECT_DOUBLE_EQ(binomialMass(0, 10, 0.5), std::ldexp(1.0, -10));
    EXPECT_DOUBLE_EQ(binomialMass(10, 10, 0.5), std::ldexp(1.0, -10));
    EXPECT_EQ(binomialMass(11, 10, 0.5), 0.0);
    EXPECT_EQ(binomialMass(-1, 10, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(poissonMass(0, 700), std::exp(-700.0));
    EXPECT_EQ(poissonMass(1e300, 700), 0.0);
    EXPECT_EQ(binomialMass(999, DBL_MAX, 1e-6), 0.0);
    EXPECT_EQ(binomialMass(999, 1e300, 0.5), 0.0);
    // Stirling's remainder joins its table smoothly: 1/(12n) is its leading term.
    EXPECT_NEAR(stirlingRemainder(15), 1.0 / 180.0, 2e-6);
    EXPECT_NEAR(stirlingRemainder(16), 1.0 / 192.0, 2e-6);
    EXPECT_NEAR(saddlePointDeviance(5, {5, 0}).hi, 0.0, 1e-300);
    EXPECT_NEAR(saddlePointDeviance(5.5, {5, 0}).hi, 5.5 * std::log(1.1) - 0.5, 1e-15);
    EXPECT_EQ(saddlePointDeviance(0, {3, 0}).hi, 3.0);
}

}  // namespace
