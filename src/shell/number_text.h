#pragma once

#include <optional>
#include <string_view>

// Reads the number at the start of a field's text the way the C library's atof
// does, whatever the process locale: leading white space skipped, an optional
// sign, digits with an optional decimal point, an optional exponent; reading
// stops at the first character that does not fit, and a text without a number
// gives 0. Only decimal numbers are read ("inf", "nan" and hexadecimal texts
// give 0, as in a field that accepts digits only). A number too large for a
// double gives an infinity of its sign, one too small a zero of its sign.
double parseNumber(std::string_view text);

// The number a whole text reads as, or nothing when the text is empty or is
// not one plain decimal number (blanks around it allowed): "1e" and "-" read
// as nothing here, where parseNumber reads them as 1 and 0.
std::optional<double> parseCompleteNumber(std::string_view text);
