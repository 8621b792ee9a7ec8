#include "numeric/normal_integral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "../reference_data.h"
#include "numeric/arithmetic.h"

namespace {

// The largest error of each approximation over its reference records.
struct ErrorSpread {
    double worst = 0.0;
    double where = 0.0;
    void add(double error, double x)
    {
        if (!(error <= worst)) {
            worst = error;
            where = x;
        }
    }
};

std::vector<ReferenceRecord> records(const char* function)
{
    std::vector<ReferenceRecord> selected;
    for (auto& record : readReferenceData("normal_integral_reference.txt"))
        if (record[0] == function) selected.push_back(record);
    return selected;
}

// Both keep full double precision wherever the value is a normal double; below
// that, erfc falls through the subnormals to 0 rather than stopping early.
TEST(NormalIntegral, ErrorFunctionAndComplementKeepFullPrecision)
{
    for (const char* function : {"erf", "erfc"}) {
        const auto data = records(function);
        ASSERT_GT(data.size(), 400u);
        ErrorSpread spread;
        for (const auto& record : data) {
            const double x = referenceNumber(record[1]);
            const double want = referenceNumber(record[2]);
            const double got = function[3] == 'c' ? complementaryErrorFunction(x) : errorFunction(x);
            if (std::fabs(want) >= std::numeric_limits<double>::min())
                spread.add(std::fabs(got - want) / std::fabs(want), x);
            else
                EXPECT_LE(got, std::numeric_limits<double>::min()) << function << " " << x;
        }
        EXPECT_LT(spread.worst, 1e-15) << function << " at x = " << spread.where;
    }
}

TEST(NormalIntegral, InverseNormalIsWithinTwoUnitsInTheLastPlaceDownToTheSmallestDouble)
{
    const auto data = records("inverse_normal");
    ASSERT_GT(data.size(), 400u);
    ErrorSpread quantile, roundTrip;
    for (const auto& record : data) {
        const double p = referenceNumber(record[1]);
        const double want = referenceNumber(record[2]);
        const double sensitivity = referenceNumber(record[3]);
        const double got = inverseNormal(p);
        ASSERT_TRUE(std::isfinite(got)) << p;
        if (want != 0) quantile.add(std::fabs(got - want) / std::fabs(want), p);
        // To first order, Phi(got) / p - 1 = (got - want) phi(want) / p; beyond
        // |z| = 8 a single rounding of z already moves Phi by more than 1e-14.
        if (std::fabs(want) < 8) roundTrip.add(std::fabs(got - want) * sensitivity, p);
    }
    EXPECT_LT(quantile.worst, 4.5e-16) << "at p = " << quantile.where;
    EXPECT_LT(roundTrip.worst, 8e-15) << "at p = " << roundTrip.where;
}

TEST(NormalIntegral, FixedPointsAndLimits)
{
    struct Case {
        const char* name;
        double got;
        double want;
    };
    const Case cases[] = {
        {"erf(0)", errorFunction(0.0), 0.0},
        {"erf(-25)", errorFunction(-25.0), -1.0},
        {"erfc(28)", complementaryErrorFunction(28.0), 0.0},
        {"erfc(-10)", complementaryErrorFunction(-10.0), 2.0},
        {"inverseNormal(0.5)", inverseNormal(0.5), 0.0},
        {"sign(2)", sign(2.0), 1.0},
        {"sign(-0.5)", sign(-0.5), -1.0},
        {"sign(-0)", sign(-0.0), 0.0},
        {"sign(nan)", sign(std::numeric_limits<double>::quiet_NaN()), 0.0},
        {"10^-2", integerPower(10, -2), 0.01},
        {"10^0", integerPower(10, 0), 1.0},
        {"2^10", integerPower(2, 10), 1024.0},
        {"10^7", integerPower(10, 7), 1e7},
        {"2^-1074", integerPower(2, -1074), 0.0},
        {"0.5^-1023", integerPower(0.5, -1023), 0x1p1023},
        {"(-3)^3", integerPower(-3, 3), -27.0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

// The quotient is built from its bits where it falls below the normal doubles;
// it must be the number the (correctly rounded) division gives.
TEST(Arithmetic, QuotientIntoSubnormalsRoundsAsTheDivision)
{
    // Quotients from 2^-990 down past the smallest subnormal, with or
    // without 2^1022 / b kept beside b.
    double mantissa = 0.7390851332151607;
    for (int i = 0; i < 4000; ++i) {
        mantissa = std::fmod(mantissa * 3.7 + 0.1, 1.0) + 0.5;
        const double a = std::ldexp(mantissa, -(i % 61));
        const double b = std::ldexp(1.0 + std::fmod(i * 0.6180339887, 1.0), 990 + i % 34);
        ASSERT_EQ(quotientIntoSubnormals(a, b), a / b) << a << " / " << b;
        ASSERT_EQ(quotientIntoSubnormals(a, b, 0x1p1022 / b), a / b) << a << " / " << b;
    }
    EXPECT_EQ(quotientIntoSubnormals(0x1p-60, 0x1p1015), 0.0);  // half the smallest subnormal: to even
    EXPECT_EQ(quotientIntoSubnormals(0x1.fffffffffffffp-1, 0x1p1022), 0x1p-1022);
}

TEST(NormalIntegral, InverseNormalTailsAreMirrorImages)
{
    // Binary fractions, so that 1 - p is exact.
    for (const double p : {0x1p-40, 0x1p-10, 0x1p-6, 0x1p-3, 0.3125, 0.4375}) {
        EXPECT_NEAR(inverseNormal(1 - p), -inverseNormal(p), 1e-14 * std::fabs(inverseNormal(p))) << p;
    }
    // The switch point itself belongs to the tail fit.
    EXPECT_NEAR(inverseNormal(0.1353352832366127), -1.1015196285, 1e-9);
    EXPECT_NEAR(inverseNormal(1e-300), -37.047096299361199, 1e-12);
}

}  // namespace

namespace {

// The largest relative error of f over one function's records where the value
// is a normal double; below, f must be within a unit of the smallest subnormal.
ErrorSpread spreadOver(const char* function, double (*f)(double))
{
    const auto data = records(function);
    EXPECT_GT(data.size(), 200u) << function;
    ErrorSpread spread;
    for (const auto& record : data) {
        const double z = referenceNumber(record[1]);
        const double want = referenceNumber(record[2]);
        const double got = f(z);
        if (want >= std::numeric_limits<double>::min())
            spread.add(std::fabs(got - want) / want, z);
        else
            EXPECT_NEAR(got, want, 0x1p-1074) << function << " at z = " << z;
    }
    return spread;
}

TEST(NormalIntegral, MillsRatioKeepsFullPrecision)
{
    const ErrorSpread spread = spreadOver("mills", millsRatio);
    EXPECT_LT(spread.worst, 4e-16) << "at z = " << spread.where;
    // Far beyond, the ratio is 1/z to the last bit.
    EXPECT_EQ(millsRatio(1e200), 1e-200);
    EXPECT_EQ(millsRatio(std::numeric_limits<double>::infinity()), 0.0);
}

// Through the switch from erfc to the fit, and where the tail nears the
// smallest normal double: there the density's exponent, rounded to a double,
// once cost up to 5.7e-14.
TEST(NormalIntegral, UpperTailKeepsFullPrecisionIntoTheSubnormals)
{
    const ErrorSpread spread = spreadOver("upper_tail", normalUpperTail);
    EXPECT_LT(spread.worst, 3.5e-16) << "at z = " << spread.where;
}

}  // namespace
