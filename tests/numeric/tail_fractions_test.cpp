#include "numeric/tail_fractions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../reference_data.h"

namespace {

TEST(TailFractions, MatchHighPrecisionValuesWhereTheyAreUsed)
{
    const auto data = readReferenceData("tail_fraction_reference.txt");
    ASSERT_GT(data.size(), 250u);
    double worstGamma = 0, worstBeta = 0;
    std::string whereGamma, whereBeta;
    for (const auto& r : data) {
        if (r[0] == "gamma") {
            const double want = referenceNumber(r[3]);
            const double error = std::fabs(gammaTailFraction(referenceNumber(r[1]), referenceNumber(r[2])) / want - 1);
            if (!(error <= worstGamma)) worstGamma = error, whereGamma = r[1] + ", " + r[2];
        } else {
            const double want = referenceNumber(r[4]);
            const double error =
                std::fabs(betaFraction(referenceNumber(r[1]), referenceNumber(r[2]), referenceNumber(r[3])) / want - 1);
            if (!(error <= worstBeta)) worstBeta = error, whereBeta = r[1] + ", " + r[2] + ", " + r[3];
        }
    }
    EXPECT_LT(worstGamma, 3e-16) << whereGamma;
    EXPECT_LT(worstBeta, 2e-14) << whereBeta;
}

TEST(TailFractions, ReachTheirLimits)
{
    EXPECT_EQ(betaFraction(2.5, 7, 0), 1.0);
    // Gamma(1, x) = exp(-x): the fraction is exactly 1 / x.
    EXPECT_DOUBLE_EQ(gammaTailFraction(1, 40), 1 / 40.0);
    EXPECT_DOUBLE_EQ(gammaTailFraction(3, 1e300), 1e-300);
}

}  // namespace
