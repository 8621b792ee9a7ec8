#include "model/closed_form_distributions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "operation_case.h"

namespace {

using D = Distribution;
constexpr auto Ok = ResultStatus::Ok;
constexpr auto Invalid = ResultStatus::Invalid;

TEST(UniformDistribution, ClosedIntervalAndItsOutside)
{
    UniformDistribution d(0, 1);
    expectCases(d, "uniform(0, 1)",
                {
                    op("pdf", &D::pdf, 0, 1, Ok),
                    op("pdf", &D::pdf, 1, 1, Ok),
                    op("pdf", &D::pdf, 1.5, 0, Invalid),
                    op("pdf", &D::pdf, -0.5, 0, Invalid),
                    op("cdf", &D::cdf, -1, 0, Ok),
                    op("cdf", &D::cdf, 2, 1, Ok),
                    op("cdf", &D::cdf, 0.25, 0.25, Ok),
                    op("survival", &D::survival, 0.25, 0.75, Ok),
                    op("quantile", &D::quantile, 1, 1, Ok),
                    op("quantile", &D::quantile, 0, 0, Ok),
                    op("quantile", &D::quantile, -0.1, 0, Invalid),
                    op("quantile", &D::quantile, 1.1, 0, Invalid),
                    op("mean", &D::mean, 0.5, Ok),
                    op("kurtosis", &D::kurtosis, 1.8, Ok),
                    op("skewness", &D::skewness, 0, Ok),
                });
}

TEST(UniformDistribution, HazardIsSingularAtTheRightEndAndUndefinedOutside)
{
    UniformDistribution d(0, 1);
    expectCases(d, "uniform(0, 1)",
                {
                    op("hazard", &D::hazard, 0.5, 2, Ok),
                    op("hazard", &D::hazard, 0, 1, Ok),
                    op("hazard", &D::hazard, 1, 0, ResultStatus::SingularPoint),
                    op("hazard", &D::hazard, 2, 0, Invalid),
                    op("hazard", &D::hazard, -0.5, 0, Invalid),
                });
}

TEST(UniformDistribution, ZeroMeanHasNoCoefficientOfVariation)
{
    UniformDistribution d(-1, 1);
    expectCases(d, "uniform(-1, 1)",
                {
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, ResultStatus::DivisionByZero),
                    op("mean", &D::mean, 0, Ok),
                });
    UniformDistribution shifted(1, 3);
    expectCases(shifted, "uniform(1, 3)",
                {op("coefficientOfVariation", &D::coefficientOfVariation, 2 / (std::sqrt(3.0) * 4), Ok)});
}

TEST(UniformDistribution, EmptyIntervalIsInvalidButKeepsItsGraphRange)
{
    UniformDistribution d(2, 2);
    expectCases(d, "uniform(2, 2)",
                {
                    op("mean", &D::mean, 0, Invalid),
                    op("standardDeviation", &D::standardDeviation, 0, Invalid),
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, Invalid),
                    op("skewness", &D::skewness, 0, Invalid),
                    op("kurtosis", &D::kurtosis, 0, Invalid),
                    op("pdf", &D::pdf, 2, 0, Invalid),
                    op("cdf", &D::cdf, 2, 0, Invalid),
                    op("hazard", &D::hazard, 2, 0, Invalid),
                    op("quantile", &D::quantile, 0.5, 0, Invalid),
                    op("graphLow", &D::graphLow, 2, Ok),
                    op("graphHigh", &D::graphHigh, 2, Ok),
                });
    UniformDistribution reversed(3, 1);
    expectCases(reversed, "uniform(3, 1)",
                {
                    op("graphLow", &D::graphLow, 3, Ok),
                    op("graphHigh", &D::graphHigh, 1, Ok),
                    op("cdf", &D::cdf, 2, 0, Invalid),
                });
}

TEST(ScaleDivisor, GivesTheQuotientToTheLastBit)
{
    // Powers of two (a product) and others (a division), with the scales
    // whose reciprocal overflows or is subnormal, and results that are; and
    // the products with the scale.
    for (double scale : {1.0, 2.0, 0.5, 0x1p-1060, 0x1p1023, 3.0, 0.1, 1e-310, 1e308}) {
        ScaleDivisor divisor;
        divisor.take(scale);
        for (double value : {1.0, -7.0, 0.1, 1e-300, 0x1p-1074, 1e308, 0.0, 1e-310, -3.3e-320}) {
            EXPECT_EQ(divisor.divide(value), value / scale) << value << " / " << scale;
            const double product = value * scale;
            if (value != 0 && std::fabs(value) < DBL_MIN) {
                EXPECT_EQ(divisor.multiplySubnormal(value), product) << value << " * " << scale;
            }
            if (std::fabs(product) >= DBL_MIN || product == 0.0 || std::isinf(product) || std::fabs(value) <= 1)
                EXPECT_EQ(divisor.multiply(value), product) << value << " * " << scale;
            else
                EXPECT_NEAR(divisor.multiply(value), product, 0x1p-1074) << value << " * " << scale;
        }
    }
}

TEST(ExponentialDistribution, SupportStartsAtZeroAndTheTopQuantileIsInfinite)
{
    ExponentialDistribution d(1);
    expectCases(d, "exponential(1)",
                {
                    op("quantile", &D::quantile, 1, 4503599627370496.0, ResultStatus::PlusInfinity),
                    op("quantile", &D::quantile, 1.5, 0, Invalid),
                    op("quantile", &D::quantile, -0.5, 0, Invalid),
                    op("pdf", &D::pdf, -0.5, 0, Invalid),
                    op("cdf", &D::cdf, -0.5, 0, Invalid),
                    op("survival", &D::survival, -0.5, 1, Invalid),
                    op("hazard", &D::hazard, -0.5, 0, Invalid),
                    op("hazard", &D::hazard, 7, 1, Ok),
                    op("pdf", &D::pdf, 0, 1, Ok),
                    op("cdf", &D::cdf, 0, 0, Ok),
                    op("graphLow", &D::graphLow, 0, Ok),
                    op("graphHigh", &D::graphHigh, -std::log(0.001), Ok),
                });
    // log(1) times -1: a zero with its sign bit set.
    EXPECT_TRUE(std::signbit(d.quantile(0)));
    EXPECT_EQ(d.status(), Ok);
}

TEST(ExponentialDistribution, NonPositiveRateIsInvalidExceptForTheGraphsLowEnd)
{
    for (const double rate : {0.0, -2.0}) {
        ExponentialDistribution d(rate);
        expectCases(d, "exponential(" + std::to_string(rate) + ")",
                    {
                        op("mean", &D::mean, 0, Invalid),
                        op("kurtosis", &D::kurtosis, 0, Invalid),
                        op("pdf", &D::pdf, 1, 0, Invalid),
                        op("hazard", &D::hazard, 1, 0, Invalid),
                        op("quantile", &D::quantile, 1, 0, Invalid),
                        op("graphLow", &D::graphLow, 0, Ok),
                        op("graphHigh", &D::graphHigh, 0, Invalid),
                    });
    }
}

TEST(CauchyDistribution, HasNoMomentsAndInfiniteEndQuantiles)
{
    CauchyDistribution d(2, 3);
    expectCases(d, "cauchy(2, 3)",
                {
                    op("mean", &D::mean, 0, Invalid),
                    op("standardDeviation", &D::standardDeviation, 0, Invalid),
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, Invalid),
                    op("skewness", &D::skewness, 0, Invalid),
                    op("kurtosis", &D::kurtosis, 0, Invalid),
                    op("quantile", &D::quantile, 0.5, 2, Ok),
                    op("quantile", &D::quantile, 0, 0, ResultStatus::MinusInfinity),
                    op("quantile", &D::quantile, 1, 0, ResultStatus::PlusInfinity),
                    op("quantile", &D::quantile, 1.2, 0, Invalid),
                    op("quantile", &D::quantile, -0.2, 0, Invalid),
                    op("cdf", &D::cdf, 2, 0.5, Ok),
                    // 2 + 3 tan(pi (q - 1/2)) at q = 0.02 and 0.98, to 40 digits.
                    op("graphLow", &D::graphLow, -45.68363453159591, Ok),
                    op("graphHigh", &D::graphHigh, 49.68363453159587, Ok),
                });
}

TEST(CauchyDistribution, NonPositiveScaleIsInvalid)
{
    CauchyDistribution d(0, 0);
    expectCases(d, "cauchy(0, 0)",
                {
                    op("pdf", &D::pdf, 0, 0, Invalid),
                    op("cdf", &D::cdf, 0, 0, Invalid),
                    op("hazard", &D::hazard, 0, 0, Invalid),
                    op("quantile", &D::quantile, 0.5, 0, Invalid),
                    op("quantile", &D::quantile, 1, 0, Invalid),
                    op("graphHigh", &D::graphHigh, 0, Invalid),
                });
}

// sigma / (pi ((x - mu)^2 + sigma^2)) correctly rounded (60 digits), over
// the scales and distances where the density takes different paths: the
// usual one, subnormal densities at large scales, far out, a subnormal scale.
TEST(CauchyDistribution, DensityWithinTwoUnitsAtEveryScale)
{
    struct Case {
        double mu, sigma, x, expected;
    };
    const Case cases[] = {
        {0.0, 1.0, 0.5, 0x1.04c26be3b06cfp-2},
        {2.0, 3.0, 1e10, 0x1.68c321309ceaep-67},
        {0.0, 1.0, -1e150, 0x1.b49266db89b9ep-999},
        {0.0, 1.0, 9.02101011914349e+153, 0x0.2d009ae1651ddp-1022},
        {8.310294707249305, 0.01744541599730433, 2.1843542442768433e+154, 0x0.00224746a1e11p-1022},
        {0.0, 0x1p47, -3e160, 0x1.1e57327f64778p-1021},
        {0.0, 0x1p47, 1e163, 0x0.000151c7f8546p-1022},
        {0.0, 215571284195931.75, -5.487971903661074e+165, 0x0.0000000070954p-1022},
        {1e300, 1e300, -1e308, 0x0.0000000624ea8p-1022},
        {0.0, 1.1960904646e-314, 2.3856313051039054e-05, 0x1.2ca6bb0ab1abcp-1014},
        {0.0, 1e-300, -1e-138, 0x1.8a0c6df84a6b4p-82},
        {0.0, 0x1p-1000, 0x1p-400, 0x1.45f306dc9c883p-202},
        {0.0, 0x1p1010, 0x1p1015, 0x1.45a19e74ff486p-1022},
        {-1e308, 1.0, 1e308, 0.0},
    };
    for (const Case& c : cases) {
        CauchyDistribution d(c.mu, c.sigma);
        const double value = d.pdf(c.x);
        const double allowed = c.expected >= DBL_MIN ? 4.5e-16 * c.expected : 0x1p-1074;
        EXPECT_LE(std::fabs(value - c.expected), allowed) << c.mu << ' ' << c.sigma << ' ' << c.x << " got " << value;
    }
}

TEST(DoubleExponentialDistribution, HazardQuantilesAndItsUndefinedRatio)
{
    DoubleExponentialDistribution d(2);
    const double e = std::exp(-2.0);
    expectCases(d, "double exponential(2)",
                {
                    op("hazard", &D::hazard, 0, 2, Ok),
                    op("hazard", &D::hazard, 5, 2, Ok),
                    op("hazard", &D::hazard, -1, 2 * e / (2 - e), Ok),
                    op("quantile", &D::quantile, 0, 0, ResultStatus::MinusInfinity),
                    op("quantile", &D::quantile, 1, 0, ResultStatus::PlusInfinity),
                    op("quantile", &D::quantile, 0.25, std::log(0.5) / 2, Ok),
                    op("quantile", &D::quantile, 0.5, 0, Ok),
                    op("quantile", &D::quantile, 1.01, 0, Invalid),
                    op("coefficientOfVariation", &D::coefficientOfVariation, 0, Invalid),
                    op("mean", &D::mean, 0, Ok),
                    op("kurtosis", &D::kurtosis, 6, Ok),
                    op("cdf", &D::cdf, 0, 0.5, Ok),
                    op("pdf", &D::pdf, 0, 1, Ok),
                });
    DoubleExponentialDistribution invalid(0);
    expectCases(invalid, "double exponential(0)",
                {
                    op("hazard", &D::hazard, 0, 0, Invalid),
                    op("pdf", &D::pdf, 0, 0, Invalid),
                    op("graphLow", &D::graphLow, 0, Invalid),
                });
}

// At a subnormal rate lambda |x| near 0 is subnormal too and the logarithm
// of a quantile overflows at almost every q; the values still round as the
// exact ones (mpmath).
TEST(DoubleExponentialDistribution, AtASubnormalRateRoundsAsTheExactValues)
{
    // lambda/2 is 1.5 units of the smallest subnormal: at 0 it ties to 2
    // units, elsewhere the exponential's factor below 1 takes it down to 1.
    DoubleExponentialDistribution threeUnits(3 * DBL_TRUE_MIN);
    expectCases(threeUnits, "double exponential(3 units)",
                {
                    op("pdf", &D::pdf, 0, 2 * DBL_TRUE_MIN, Ok),
                    op("pdf", &D::pdf, -1, DBL_TRUE_MIN, Ok),
                    op("cdf", &D::cdf, -1e308, 0.4999999999999992589, Ok),
                    op("survival", &D::survival, 1, 0.5, Ok),
                });
    // Quantiles just inside and just beyond the largest double.
    DoubleExponentialDistribution tiny(1e-310);
    expectCases(tiny, "double exponential(1e-310)",
                {
                    op("quantile", &D::quantile, 0.4910923359668893, -1.7975931349123241805e+308, Ok),
                    op("quantile", &D::quantile, 0.4910913537831995, 0, ResultStatus::MinusInfinity),
                    op("quantile", &D::quantile, 0.5089076640331107, 1.7975931349123241805e+308, Ok),
                    op("quantile", &D::quantile, 0.9, 0, ResultStatus::PlusInfinity),
                });
}

TEST(ClosedFormDistributions, HaveNoMassWalkAndTheirOwnParameterTexts)
{
    UniformDistribution uniform(0, 1);
    ExponentialDistribution exponential(1);
    CauchyDistribution cauchy(0, 1);
    DoubleExponentialDistribution doubleExponential(1);
    struct Case {
        Distribution* d;
        const char* symbol1;
        const char* symbol2;
        const char* domain1;
        const char* domain2;
    };
    const Case cases[] = {
        {&uniform, "a", "b", "<b", ">a"},
        {&exponential, "l", "", "\xCE(0;+\xA5)", ""},
        {&cauchy, "m", "s", "\xCER", "\xCE(0;+\xA5)"},
        {&doubleExponential, "l", "", "\xCE(0;+\xA5)", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.d->pmfStep(1, 0.5), 0.0);
        EXPECT_EQ(c.d->status(), Invalid);
        EXPECT_STREQ(c.d->parameterSymbol1(), c.symbol1);
        EXPECT_STREQ(c.d->parameterSymbol2(), c.symbol2);
        EXPECT_STREQ(c.d->parameterDomain1(), c.domain1);
        EXPECT_STREQ(c.d->parameterDomain2(), c.domain2);
        EXPECT_STREQ(c.d->parameterSymbol3(), "");
        EXPECT_STREQ(c.d->parameterDomain4(), "");
        EXPECT_TRUE(c.d->isContinuous());
    }
    EXPECT_EQ(uniform.parameterCount(), 2);
    EXPECT_EQ(exponential.parameterCount(), 1);
}

}  // namespace
