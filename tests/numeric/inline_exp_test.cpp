#include "numeric/inline_exp.h"

#include <gtest/gtest.h>

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

}  // namespace
