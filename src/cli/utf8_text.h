#pragma once

#include <string>
#include <string_view>

// The text with every ill-formed UTF-8 sequence replaced by U+FFFD, one
// replacement for each maximal subpart of an ill-formed sequence, the practice
// the Unicode Standard recommends (chapter 3, "U+FFFD Substitution of Maximal
// Subparts"). Overlong forms, surrogates and code points above U+10FFFF are
// ill-formed; well-formed text comes back unchanged.
std::string wellFormedUtf8(std::string_view text);
