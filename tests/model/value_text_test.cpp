#include "model/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ValueTextCase {
    double value;
    const char* text;
};

TEST(ValueText, CutsFixedNotationToEightCharactersWithoutRounding)
{
    const ValueTextCase cases[] = {
        {0.5, "0.5"},
        {2, "2"},
        {0.0000004, "0"},
        {-0.0000001, "-0"},
        {3.14159265, "3.141593"},
        {123.456789, "123.4567"},
        {-0.1234567, "-0.12345"},
        {1234567.5, "1234567"},
        {12345678.9, "12345678"},
        {-1234567.9, "-1234567"},
        {0.0, "0"},
        {-5, "-5"},
        {99999999.4, "99999999"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatValue(c.value), c.text) << c.value;
}

TEST(ValueText, KeepsTheMagnitudeOfLongIntegerParts)
{
    const ValueTextCase cases[] = {
        {123456789, "1.23e+08"}, {-12345678, "-1.2e+07"},        {1e300, "1.0e+300"},
        {-1e300, "-1e+300"},     {99999999.9999999, "1.00e+08"}, {std::numeric_limits<double>::max(), "1.8e+308"},
    };
    for (const auto& c : cases) {
        const std::string text = formatValue(c.value);
        EXPECT_EQ(text, c.text) << c.value;
        EXPECT_LE(text.size(), 8u);
    }
}

TEST(ValueText, NamesNonFiniteValues)
{
    EXPECT_EQ(formatValue(std::numeric_limits<double>::infinity()), "+inf");
    EXPECT_EQ(formatValue(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(formatValue(std::nan("")), "-");
}

TEST(ValueText, ResultShowsTheNumberOnlyForOkAndSingularPoint)
{
    EXPECT_EQ(formatResult(0.0, ResultStatus::SingularPoint), "0");
    EXPECT_EQ(formatResult(0.25, ResultStatus::Ok), "0.25");
    EXPECT_EQ(formatResult(7, ResultStatus::Invalid), "-");
    EXPECT_EQ(formatResult(7, ResultStatus::DivisionByZero), "div 0");
    EXPECT_EQ(formatResult(7, ResultStatus::PlusInfinity), "+inf");
    EXPECT_EQ(formatResult(7, ResultStatus::MinusInfinity), "-inf");
    EXPECT_EQ(formatResult(7, ResultStatus::SquareRootOfNegative), "sqrt(-1)");
}

}  // namespace
