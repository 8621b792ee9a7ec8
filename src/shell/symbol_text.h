#pragma once

#include <string>
#include <string_view>

// The parameter labels are kept as bytes of the Symbol typeface, where Latin
// letters stand for Greek ones ("m" is mu) and 0xCE, 0xA5, 0xA3, 0xB3 are the
// element-of, infinity, less-or-equal and greater-or-equal signs. This turns such a text into the UTF-8 text it shows.
std::string symbolTextToUtf8(std::string_view symbolText);
