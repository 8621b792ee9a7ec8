#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct NumberCase {
    const char* text;
    double value;
};

TEST(NumberText, ReadsTheLeadingDecimalNumberAsAtofDoes)
{
    const NumberCase cases[] = {
        {"", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"+", 0.0},
        {"e5", 0.0},
        {"abc", 0.0},
        {"--5", 0.0},
        {"5", 5.0},
        {"5.", 5.0},
        {".5", 0.5},
        {"-.5e-1", -0.05},
        {" \t\n+7", 7.0},
        {"12abc", 12.0},
        {"1.2.3", 1.2},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e5x", 1e5},
        {"2.5E2", 250.0},
        {"00012.500", 12.5},
        {"0.1234567", 0.1234567},
        {"-3.25e2 z", -325.0},
        {"1e-320", 1e-320},
    };
    for (const auto& c : cases) EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, KeepsTheSignOfZeroAndGoesToInfinityOrZeroBeyondTheDoubles)
{
    EXPECT_TRUE(std::signbit(parseNumber("-0")));
    EXPECT_FALSE(std::signbit(parseNumber("-")));  // no number at all is a plain 0
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(parseNumber("1e400"), infinity);
    EXPECT_EQ(parseNumber("-1e400"), -infinity);
    EXPECT_EQ(parseNumber("1e99999999999999999999"), infinity);
    EXPECT_EQ(parseNumber(std::string(400, '9')), infinity);  // digits typed into a field
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(parseNumber("-1e-400")));
    EXPECT_EQ(parseNumber("0e999999999999"), 0.0);
}

TEST(NumberText, ReadsDecimalNumbersOnly)
{
    // A field accepts digits, a point and a minus; these texts read as their leading digits.
    EXPECT_EQ(parseNumber("inf"), 0.0);
    EXPECT_EQ(parseNumber("nan"), 0.0);
    EXPECT_EQ(parseNumber("0x10"), 0.0);
}

}  // namespace
