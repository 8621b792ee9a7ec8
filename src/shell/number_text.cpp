#include "shell/number_text.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double parseNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The mantissa: digits, an optional point, digits; at least one digit in all.
    const std::size_t start = i;
    std::size_t digits = 0;
    long long firstSignificant = 0;  // decimal position of the first nonzero digit, relative to the point
    bool seenNonzero = false;
    long long integerDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (!seenNonzero && text[i] != '0') seenNonzero = true;
        if (seenNonzero) ++integerDigits;
        ++i;
        ++digits;
    }
    firstSignificant = integerDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        long long leadingZeros = 0;
        while (i < text.size() && isDigit(text[i])) {
            if (!seenNonzero) {
                if (text[i] == '0') {
                    ++leadingZeros;
                } else {
                    seenNonzero = true;
                    firstSignificant = -leadingZeros;
                }
            }
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0.0;

    // The exponent counts only when at least one digit follows the 'e'.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            constexpr long long exponentLimit = 1'000'000'000;
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < exponentLimit) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }

    const std::string_view number = text.substr(start, i - start);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the doubles: an infinity when the number is large, zero when it is tiny.
        value = seenNonzero && firstSignificant + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    (void)end;
    return negative ? -value : value;
}

std::optional<double> parseCompleteNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t from = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        return i - from;
    };
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (skipDigits() == 0) return std::nullopt;
    }
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    return parseNumber(text);
}
