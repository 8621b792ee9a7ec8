#include "model/gamma_distributions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../tagged_reference.h"
#include "family_operations.h"

namespace {

TEST(GammaDistribution, ShapeOneIsTheExponentialWithRateOne)
{
    GammaDistribution gamma(1, 1);
    expectCases(gamma,
                {
                    {Operation::Pdf, 0, 1, Ok},
                    {Operation::Pdf, 2, std::exp(-2.0), Ok},
                    {Operation::Cdf, 1, 1 - std::exp(-1.0), Ok},
                    {Operation::Quantile, 0, 0, Ok},
                    {Operation::Quantile, 1, 0, PlusInfinity},
                    {Operation::Quantile, 0.5, std::log(2.0), Ok},
                    {Operation::GraphLow, 0, 0, Ok},
                    {Operation::Mean, 0, 1, Ok},
                    {Operation::Kurtosis, 0, 9, Ok},
                },
                "gamma(1, 1)");
}

TEST(GammaDistribution, ReportsItsPoleAndItsSupport)
{
    GammaDistribution below(0.5, 1);
    expectCases(below,
                {
                    // An infinite density is a status, not a number.
                    {Operation::Pdf, 0, 0, PlusInfinity},
                    {Operation::Hazard, 0, 0, PlusInfinity},
                    {Operation::GraphLow, 0, any, Ok},  // the 0.05 quantile, not 0
                    {Operation::Pdf, -1, 0, Ok},
                    {Operation::Pdf, -1e-300, 0, Ok},
                    {Operation::Cdf, -1, 0, Ok},
                },
                "gamma(0.5, 1)");
    EXPECT_EQ(below.graphLow(), below.quantile(0.05));
    EXPECT_GT(below.graphLow(), 0);
    GammaDistribution above(3, 2);
    expectCases(above, {{Operation::Pdf, 0, 0, Ok}, {Operation::Pdf, -4, 0, Ok}, {Operation::GraphLow, 0, 0, Ok}},
                "gamma(3, 2)");
}

TEST(GammaDistribution, RejectsParametersOutsideTheirDomainInEveryOperation)
{
    GammaDistribution gamma(2, 1);
    for (auto [shape, scale] : {std::pair{2.0, -1.0}, {0.0, 1.0}, {-0.5, 3.0}, {2.0, 0.0}}) {
        gamma.setParameter1(shape).setParameter2(scale);
        for (Operation operation : allOperations) {
            const double value = callOperation(gamma, operation, 0.5);
            EXPECT_EQ(gamma.status(), Invalid) << shape << " " << scale << " " << operationName(operation);
            if (operation != Operation::Survival) {
                EXPECT_EQ(value, 0) << operationName(operation);
            }
        }
    }
    // The constructor keeps the magnitudes.
    GammaDistribution made(-2, -3);
    EXPECT_EQ(made.parameter1(), 2);
    EXPECT_EQ(made.parameter2(), 3);
    EXPECT_EQ(made.quantile(-0.1), 0);
    EXPECT_EQ(made.status(), Invalid);
    EXPECT_EQ(made.quantile(1.5), 0);
    EXPECT_EQ(made.status(), Invalid);
}

TEST(ChiSquareDistribution, RoundsItsDegreesDownInPlace)
{
    ChiSquareDistribution chi(3);
    for (Operation operation : allOperations) {
        if (operation == Operation::GraphLow) continue;
        chi.setParameter1(3.7);
        callOperation(chi, operation, 1);
        EXPECT_EQ(chi.parameter1(), 3) << operationName(operation);
    }
    chi.setParameter1(3.7);
    EXPECT_EQ(chi.mean(), 3);
    // graphLow neither rounds nor tests.
    chi.setParameter1(0.5);
    EXPECT_EQ(chi.graphLow(), 0);
    EXPECT_EQ(chi.status(), Ok);
    EXPECT_EQ(chi.parameter1(), 0.5);
    for (Operation operation : allOperations) {
        if (operation == Operation::GraphLow) continue;
        chi.setParameter1(0.5);
        callOperation(chi, operation, 1);
        EXPECT_EQ(chi.status(), Invalid) << operationName(operation);
        EXPECT_EQ(chi.parameter1(), 0) << operationName(operation);
    }
    EXPECT_EQ(ChiSquareDistribution(4.9).parameter1(), 4);
}

TEST(ChiSquareDistribution, MarksTheOriginForOneAndTwoDegrees)
{
    ChiSquareDistribution one(1), two(2), four(4);
    expectCases(one,
                {
                    {Operation::Pdf, 0, 0, SingularPoint},
                    {Operation::Skewness, 0, 2 * std::sqrt(2.0), Ok},
                    {Operation::Pdf, -3, 0, Ok},
                    {Operation::Quantile, 1, 0, PlusInfinity},
                    {Operation::Quantile, 0, 0, Ok},
                },
                "chi-square(1)");
    expectCases(two,
                {
                    {Operation::Pdf, 0, 0, SingularPoint},
                    {Operation::Hazard, 0, 0, SingularPoint},
                    {Operation::Pdf, 2, std::exp(-1.0) / 2, Ok},
                    {Operation::Cdf, 2, 1 - std::exp(-1.0), Ok},
                },
                "chi-square(2)");
    expectCases(four, {{Operation::Pdf, 0, 0, Ok}, {Operation::GraphLow, 0, 0, Ok}}, "chi-square(4)");
}

}  // namespace

// The quantiles of the largest shapes, against the high-precision inverses of
// the incomplete gamma integral: a chi-square law with k degrees of freedom is
// twice the gamma law of shape k / 2.
TEST(GammaFamilies, LargeShapeQuantilesMatchHighPrecisionValues)
{
    const auto lines = readTaggedReferences("large_shape_reference.txt", "largeInverseP");
    int checked = 0;
    for (const auto& line : lines) {
        const double a = referenceNumber(line[0]), p = referenceNumber(line[1]), x = referenceNumber(line[2]);
        if (a < 1e9) continue;
        GammaDistribution gamma(a, 3);
        ChiSquareDistribution chiSquare(2 * a);
        EXPECT_LT(relativeError(gamma.quantile(p), 3 * x), 2e-15) << a << " " << p;
        EXPECT_EQ(gamma.status(), Ok);
        EXPECT_LT(relativeError(chiSquare.quantile(p), 2 * x), 2e-15) << a << " " << p;
        EXPECT_EQ(chiSquare.status(), Ok);
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

// At shapes of thousands the density and both tails come from the uniform
// expansion's exponent carried in two parts: where it was a rounded logarithm
// of some size, they lost 1e-14. The inputs are those of the side-by-side
// benchmark (the 0.001 to 0.999 quantiles).
TEST(GammaFamilies, LargeShapeFunctionsKeepTheirDigits)
{
    int checked = 0;
    for (const char* family : {"gamma", "chi_square"}) {
        for (const auto& line : readTaggedReferences("comparison_reference.txt", family)) {
            const double p1 = referenceNumber(line[0]), p2 = referenceNumber(line[1]);
            if (p1 < 1e4) continue;
            const Operation operation = operationNamed(line[2]);
            const double argument = referenceNumber(line[3]), expected = referenceNumber(line[4]);
            auto d = makeDistribution(family, p1, p2);
            EXPECT_LT(relativeError(callOperation(*d, operation, argument), expected), 1e-15)
                << family << " " << p1 << " " << line[2] << " " << argument;
            ++checked;
        }
    }
    EXPECT_GE(checked, 40);
}
