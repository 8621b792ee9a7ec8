#include "cli/utf8_text.h"

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

struct SequenceForm {
    int length;                       // bytes of the whole sequence; 0 for a byte no sequence starts with
    unsigned char secondLow = 0x80;   // the second byte's range, narrower after some lead bytes
    unsigned char secondHigh = 0xBF;  // (this excludes overlong forms, surrogates and code points above U+10FFFF)
};

// The well-formed byte sequences by their lead byte (the Unicode Standard, table 3-7).
SequenceForm formOf(unsigned char lead)
{
    if (lead < 0x80) return {1};
    if (lead < 0xC2) return {0};
    if (lead < 0xE0) return {2};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead < 0xF0) return {3};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead < 0xF4) return {4};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0};
}

// How many bytes from `at` fit the form begun there: its whole length when the
// sequence is well formed, else the length of its maximal subpart (at least 1).
std::size_t fittingBytes(std::string_view text, std::size_t at, const SequenceForm& form)
{
    std::size_t n = 1;
    for (; n < static_cast<std::size_t>(form.length) && at + n < text.size(); ++n) {
        const auto byte = static_cast<unsigned char>(text[at + n]);
        const unsigned char low = n == 1 ? form.secondLow : 0x80;
        const unsigned char high = n == 1 ? form.secondHigh : 0xBF;
        if (byte < low || byte > high) break;
    }
    return n;
}

}  // namespace

std::string wellFormedUtf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const SequenceForm form = formOf(static_cast<unsigned char>(text[at]));
        const std::size_t n = fittingBytes(text, at, form);
        if (form.length > 0 && n == static_cast<std::size_t>(form.length)) {
            result.append(text.substr(at, n));
        } else {
            result.append(replacementCharacter);
        }
        at += n;
    }
    return result;
}
