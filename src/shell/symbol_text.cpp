#include "shell/symbol_text.h"

#include <array>

namespace {

// Greek letters in the Symbol typeface's order of the Latin alphabet
// ("a" is alpha, "c" chi, "j" the open phi, "v" the pi symbol ...).
constexpr std::array<const char*, 26> lowerGreek = {
    "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
    "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ",
};

// The capitals. "R" stays a Latin R: the domain label 0xCE "R" reads "∈R"
// (the real numbers), and the Greek capital rho would read as a P.
constexpr std::array<const char*, 26> upperGreek = {
    "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
    "Ν", "Ο", "Π", "Θ", "R", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ",
};

constexpr unsigned char elementOf = 0xCE;
constexpr unsigned char infinity = 0xA5;
constexpr unsigned char lessOrEqual = 0xA3;
constexpr unsigned char greaterOrEqual = 0xB3;

}  // namespace

std::string symbolTextToUtf8(std::string_view symbolText)
{
    std::string text;
    for (const char byte : symbolText) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 'a' && c <= 'z') {
            text += lowerGreek[c - 'a'];
        } else if (c >= 'A' && c <= 'Z') {
            text += upperGreek[c - 'A'];
        } else if (c == elementOf) {
            text += "∈";
        } else if (c == infinity) {
            text += "∞";
        } else if (c == lessOrEqual) {
            text += "≤";
        } else if (c == greaterOrEqual) {
            text += "≥";
        } else if (c < 0x80) {
            text += byte;
        } else {
            text += "\uFFFD";  // no label uses the typeface's other upper bytes
        }
    }
    return text;
}
