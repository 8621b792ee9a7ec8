#include "shell/numeric_filter.h"

#include <algorithm>

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

TypedCharacterAction filterTypedCharacter(char32_t c, std::string_view text, bool caretAtStart)
{
    if (c == U'.') {
        return text.find('.') != std::string_view::npos ? TypedCharacterAction::Drop : TypedCharacterAction::Pass;
    }
    if (c == U'-') {
        const bool alreadyNegative = !text.empty() && text.front() == '-';
        return (!caretAtStart || alreadyNegative) ? TypedCharacterAction::Drop : TypedCharacterAction::Pass;
    }
    if (c == U'\r') return TypedCharacterAction::NotifyAndPass;
    if (isDigit(c)) return TypedCharacterAction::Pass;
    if (c < 32) return TypedCharacterAction::Pass;
    return TypedCharacterAction::Drop;
}

bool acceptPaste(std::string_view text, std::string_view clipboardText, bool caretAtStart)
{
    const auto dots =
        std::count(clipboardText.begin(), clipboardText.end(), '.') + std::count(text.begin(), text.end(), '.');
    const auto minuses = std::count(clipboardText.begin(), clipboardText.end(), '-');

    if (minuses != 0 && text.find('-') != std::string_view::npos) return false;
    if (minuses == 1 && !caretAtStart) return false;
    if (dots >= 2) return false;

    std::string_view rest = clipboardText;
    if (!rest.empty() && rest.front() == '-') rest.remove_prefix(1);
    return std::all_of(rest.begin(), rest.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}
