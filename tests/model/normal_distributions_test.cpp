#include "model/normal_distributions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numeric/normal_integral.h"
#include "operation_case.h"

namespace {

using D = Distribution;
constexpr auto Ok = ResultStatus::Ok;
constexpr auto Invalid = ResultStatus::Invalid;

TEST(NormalDistribution, StandardCaseCentreAndEnds)
{
    NormalDistribution d(0, 1);
    expectCases(d, "normal(0, 1)",
                {
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, ResultStatus::DivisionByZero),
                    op("quantile", &D::quantile, 0, 0, ResultStatus::MinusInfinity),
                    op("quantile", &D::quantile, 1, 0, ResultStatus::PlusInfinity),
                    op("quantile", &D::quantile, 0.5, 0, Ok),
                    op("quantile", &D::quantile, -0.1, 0, Invalid),
                    op("quantile", &D::quantile, 1.1, 0, Invalid),
                    op("cdf", &D::cdf, 0, 0.5, Ok),
                    op("pdf", &D::pdf, 0, 1 / std::sqrt(6.283185307179586), Ok),
                    op("kurtosis", &D::kurtosis, 3, Ok),
                    op("skewness", &D::skewness, 0, Ok),
                    op("graphLow", &D::graphLow, inverseNormal(0.001), Ok),
                    op("graphHigh", &D::graphHigh, inverseNormal(0.999), Ok),
                });
    NormalDistribution shifted(4, 2);
    expectCases(shifted, "normal(4, 2)",
                {
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0.5, Ok),
                    op("mean", &D::mean, 4, Ok),
                    op("standardDeviation", &D::standardDeviation, 2, Ok),
                    op("quantile", &D::quantile, 0.5, 4, Ok),
                });
}

TEST(NormalDistribution, NonPositiveDeviationIsInvalidEverywhere)
{
    NormalDistribution d(1, 0);
    expectCases(d, "normal(1, 0)",
                {
                    op("mean", &D::mean, 0, Invalid),
                    op("standardDeviation", &D::standardDeviation, 0, Invalid),
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, Invalid),
                    op("skewness", &D::skewness, 0, Invalid),
                    op("kurtosis", &D::kurtosis, 0, Invalid),
                    op("pdf", &D::pdf, 1, 0, Invalid),
                    op("cdf", &D::cdf, 1, 0, Invalid),
                    op("survival", &D::survival, 1, 1, Invalid),
                    op("hazard", &D::hazard, 1, 0, Invalid),
                    op("quantile", &D::quantile, 0, 0, Invalid),
                    op("quantile", &D::quantile, 1, 0, Invalid),
                    op("graphLow", &D::graphLow, 0, Invalid),
                    op("graphHigh", &D::graphHigh, 0, Invalid),
                });
}

TEST(LognormalDistribution, SupportStartsAtZeroAndTheMedianIsMu)
{
    LognormalDistribution d(1, 1);
    expectCases(d, "lognormal(1, 1)",
                {
                    op("quantile", &D::quantile, 0, 0, Ok),
                    op("quantile", &D::quantile, 0.5, 1, Ok),
                    op("quantile", &D::quantile, 1, 0, ResultStatus::PlusInfinity),
                    op("quantile", &D::quantile, 1.5, 0, Invalid),
                    op("pdf", &D::pdf, 0, 0, Ok),
                    op("cdf", &D::cdf, 0, 0, Ok),
                    op("pdf", &D::pdf, -2, 0, Ok),
                    op("cdf", &D::cdf, -2, 0, Ok),
                    op("survival", &D::survival, -2, 1, Ok),
                    op("hazard", &D::hazard, -2, 0, Ok),
                    op("cdf", &D::cdf, 1, 0.5, Ok),
                    op("graphLow", &D::graphLow, 0, Ok),
                    op("graphHigh", &D::graphHigh, std::exp(inverseNormal(0.95)), Ok),
                });
    LognormalDistribution scaled(3, 0.5);
    expectCases(scaled, "lognormal(3, 0.5)", {op("quantile", &D::quantile, 0.5, 3, Ok)});
}

// exp(sigma z) multiplies the error of the normal quantile z by sigma: at
// sigma = 30 a z good to its last place left 1.5e-13. mpmath, 400 digits.
TEST(LognormalDistribution, QuantileAtALargeShapeKeepsDigitsBeyondTheNormalQuantiles)
{
    const struct {
        double q, quantile;
    } cases[] = {
        {1e-100, 6.7872715238683666451e-278}, {0.001, 5.4685835151777547087e-41},
        {0.1369, 5.5188719142190077101e-15},  {0.9, 49787829739700006.467},
        {0.999, 1.8286270973544555336e+40},   {1 - 0x1p-40, 6.6576344746570936979e+91},
    };
    LognormalDistribution d(1, 30);
    for (const auto& c : cases) EXPECT_NEAR(d.quantile(c.q) / c.quantile, 1, 6e-15) << c.q;
}

TEST(LognormalDistribution, NonPositiveParametersAreInvalidButTheGraphStartsAtZero)
{
    for (const auto& [mu, sigma] : {std::pair{0.0, 1.0}, std::pair{1.0, 0.0}, std::pair{-1.0, 2.0}}) {
        LognormalDistribution d(mu, sigma);
        expectCases(d, "lognormal(" + std::to_string(mu) + ", " + std::to_string(sigma) + ")",
                    {
                        op("mean", &D::mean, 0, Invalid),
                        op("standardDeviation", &D::standardDeviation, 0, Invalid),
                        op("coefficientOfVariation", &D::coefficientOfVariation, 0, Invalid),
                        op("skewness", &D::skewness, 0, Invalid),
                        op("kurtosis", &D::kurtosis, 0, Invalid),
                        op("pdf", &D::pdf, 0, 0, Invalid),
                        op("cdf", &D::cdf, -1, 0, Invalid),
                        op("quantile", &D::quantile, 0, 0, Invalid),
                        op("graphLow", &D::graphLow, 0, Ok),
                        op("graphHigh", &D::graphHigh, 0, Invalid),
                    });
    }
}

TEST(NormalDistributions, ParameterTexts)
{
    NormalDistribution normal(0, 1);
    LognormalDistribution lognormal(1, 1);
    EXPECT_STREQ(normal.parameterSymbol1(), "m");
    EXPECT_STREQ(normal.parameterSymbol2(), "s");
    EXPECT_STREQ(normal.parameterDomain1(), "\xCER");
    EXPECT_STREQ(normal.parameterDomain2(), "\xCE(0;+\xA5)");
    EXPECT_STREQ(lognormal.parameterDomain1(), "\xCE(0;+\xA5)");
    EXPECT_STREQ(lognormal.parameterDomain2(), "\xCE(0;+\xA5)");
    EXPECT_STREQ(lognormal.parameterSymbol3(), "");
    EXPECT_EQ(lognormal.pmfStep(0, 0), 0.0);
    EXPECT_EQ(lognormal.status(), Invalid);
}

}  // namespace
