#include "numeric/inline_exp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Against long double exp, which carries 11 more bits: within 0.51 units in
// the last place over the fast range and its ends, and the library's answer
// beyond them.
TEST(InlineExp, IsWithinHalfAnUnitInTheLastPlaceAndKeepsTheEnds)
{
    std::mt19937_64 generator(7);
    for (const double reach : {1e-6, 1.0, 40.0, 700.0}) {
        std::uniform_real_distribution<double> uniform(-reach, reach);
        for (int i = 0; i < 20000; ++i) {
            const double x = uniform(generator), value = inlineExp(x);
            const long double exact = std::exp(static_cast<long double>(x));
            const long double unit = std::ldexp(1.0L, std::ilogb(value) - 52);
            ASSERT_LE(std::fabs(static_cast<long double>(value) - exact) / unit, 0.51L) << x;
        }
    }
    for (const double x :
         {0.0, -0.0, 1e-300, -1e-300, 0x1p-61, -0x1p-61, 700.0, -700.0, 709.7, -745.0, -746.0, 710.0}) {
        EXPECT_EQ(inlineExp(x), std::exp(x)) << x;
    }
    EXPECT_EQ(inlineExp(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_TRUE(std::isnan(inlineExp(std::numeric_limits<double>::quiet_NaN())));
}

// factor e^(hi + lo) rounds once over the masses' exponents, the stretch
// below -700 (raised by 128 ln2 and lowered back) included, and comes within
// a unit of the smallest subnormal below the normal doubles. Each lo is a
// whole multiple of 2^-11 of hi's last place, so hi + lo is exact in long double.
TEST(InlineExp, ScaledExponentialOfTwoPartsRoundsOnce)
{
    std::mt19937_64 generator(11);
    std::uniform_real_distribution<double> exponent(-745.0, 1.0), factor(0.125, 1.0);
    std::uniform_int_distribution<int> share(-1023, 1023);
    for (int i = 0; i < 40000; ++i) {
        const double hi = exponent(generator), f = factor(generator);
        const double lo = std::ldexp(share(generator), std::ilogb(hi) - 52 - 11);
        const double value = inlineExpTimes(hi, lo, f);
        const long double exact = f * std::exp(static_cast<long double>(hi) + lo);
        const long double unit = std::ldexp(1.0L, std::max(std::ilogb(value), -1022) - 52);
        ASSERT_LE(std::fabs(static_cast<long double>(value) - exact) / unit, value >= 0x1p-1022 ? 0.51L : 1.0L)
            << hi << " " << lo << " " << f;
    }
    EXPECT_EQ(inlineExpTimes(-std::numeric_limits<double>::infinity(), 0.0, 1.0), 0.0);
    EXPECT_TRUE(std::isnan(inlineExpTimes(std::numeric_limits<double>::quiet_NaN(), 0.0, 1.0)));
}

}  // namespace
