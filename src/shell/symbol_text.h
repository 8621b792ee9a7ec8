#pragma once

#include <string>
#include <string_view>

// The parameter labels are kept as bytes of the Symbol typeface, where Latin
// letters stand for Greek ones ("m" is mu) and 0xCE, 0xA5 are the element-of
// and infinity signs. This turns such a text into the UTF-8 text it shows.
std::string symbolTextToUtf8(std::string_view symbolText);
