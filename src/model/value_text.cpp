#include "model/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t visibleLength = 8;

// The shortest-exponent scientific text of x that fits the visible length.
// The search for its decimals starts at the most the sign, the leading digit,
// the point and the exponent leave room for; one more, where rounding takes
// the exponent down a digit (9.996e-100 reads 1.00e-99).
std::string scientificText(double x)
{
    const double size = std::fabs(x);
    const int exponentDigits = size >= 1e100 || size < 1e-99 ? 3 : 2;
    const int room = static_cast<int>(visibleLength) - (x < 0 ? 1 : 0) - 2 - (2 + exponentDigits);
    char text[64];
    for (int decimals = std::min(6, room + 1); decimals > 0; --decimals) {
        std::snprintf(text, sizeof text, "%.*e", decimals, x);
        if (std::char_traits<char>::length(text) <= visibleLength) return text;
    }
    std::snprintf(text, sizeof text, "%.0e", x);
    return text;
}

}  // namespace

std::string formatValue(double x)
{
    if (std::isnan(x)) return "-";
    if (std::isinf(x)) return x > 0 ? "+inf" : "-inf";

    // From 1e9 on the integer part alone is longer than the visible text, and
    // the fixed form, hundreds of digits long for a large double, would only
    // be thrown away: it costs the C library some 10 us to write.
    if (std::fabs(x) >= 1e9) return scientificText(x);
    char fixed[400];  // "%.6f" of the largest double needs 316 characters
    std::snprintf(fixed, sizeof fixed, "%.6f", x);
    std::string text(fixed);
    const std::size_t point = text.find('.');
    if (point > visibleLength) return scientificText(x);

    text.resize(std::min(text.size(), visibleLength));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

std::string formatResult(double x, ResultStatus status)
{
    if (status == ResultStatus::Ok || status == ResultStatus::SingularPoint) return formatValue(x);
    return resultStatusText(status);
}

std::string formatFullValue(double x)
{
    if (std::isnan(x)) return "-";
    if (std::isinf(x)) return x > 0 ? "+inf" : "-inf";
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, x);
    return error == std::errc() ? std::string(text, end) : std::string("-");
}

std::string formatFullResult(double x, ResultStatus status)
{
    if (status == ResultStatus::Ok || status == ResultStatus::SingularPoint) return formatFullValue(x);
    return resultStatusText(status);
}
