#include "numeric/inline_log.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Units in the last place of value against long double, which carries 11
// more bits.
long double unitsOff(double value, long double exact)
{
    const long double unit = std::ldexp(1.0L, std::ilogb(static_cast<double>(exact)) - 52);
    return std::fabs(static_cast<long double>(value) - exact) / unit;
}

// Within 0.52 units in the last place over all binades and near x = 1, where
// log x is small and the table entries 1 and 1/2 keep its relative accuracy;
// the library's answer at and beyond the ends of the positive normal doubles.
TEST(InlineLog, IsWithinHalfAnUnitInTheLastPlaceAndKeepsTheEnds)
{
    std::mt19937_64 generator(5);
    std::uniform_real_distribution<double> significand(1.0, 2.0), unit(0.0, 1.0);
    std::uniform_int_distribution<int> binade(-1022, 1023), nearness(1, 60);
    for (int i = 0; i < 200000; ++i) {
        const double wide = std::ldexp(significand(generator), binade(generator));
        const double step = std::ldexp(unit(generator), -nearness(generator));
        for (const double x : {wide, 1.0 + step, 1.0 - step}) {
            if (x == 1.0) continue;
            ASSERT_LE(unitsOff(inlineLog(x), std::log(static_cast<long double>(x))), 0.52L) << x;
        }
    }
    EXPECT_EQ(inlineLog(1.0), 0.0);
    for (const double x : {0.0, -0.0, 0x1p-1074, 0x1p-1030, DBL_MIN, DBL_MAX, 2.0, 0.5}) {
        EXPECT_EQ(inlineLog(x), std::log(x)) << x;
    }
    EXPECT_EQ(inlineLog(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
    for (const double x : {-1.0, -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(inlineLog(x))) << x;
    }
}

// Within 0.52 units in the last place from just above -1 to the top, tiny x
// (where log1p x ~ x and the rounding of 1 + x is most of the answer)
// included; -1 and below to the library.
TEST(InlineLog, Log1pIsWithinHalfAnUnitInTheLastPlace)
{
    std::mt19937_64 generator(9);
    std::uniform_real_distribution<double> significand(1.0, 2.0), onto(-1.0, 1.0);
    std::uniform_int_distribution<int> binade(-1074, 1023);
    for (int i = 0; i < 300000; ++i) {
        const double wide = std::ldexp(significand(generator), binade(generator));
        for (const double x : {wide, -std::fmin(wide, 1.0 - 0x1p-53), onto(generator)}) {
            if (x == 0.0) continue;
            ASSERT_LE(unitsOff(inlineLog1p(x), std::log1p(static_cast<long double>(x))), 0.52L) << x;
        }
    }
    for (const double x : {0.0, -0.0, -1.0, 0x1p-1074, DBL_MAX}) EXPECT_EQ(inlineLog1p(x), std::log1p(x)) << x;
    EXPECT_TRUE(std::isnan(inlineLog1p(-2.0)));
    EXPECT_TRUE(std::isnan(inlineLog1p(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
