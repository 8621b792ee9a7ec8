#pragma once

#include <string_view>

// The input rules of a numeric field: it takes only the characters of a plain
// decimal number (digits, at most one decimal point, a minus sign at the start).
// Control characters (backspace, the clipboard and undo shortcuts) pass, so that
// ordinary editing keeps working; keys without a character (Delete, cursor
// keys) and text set by the program are not filtered at all.

enum class TypedCharacterAction {
    Pass,           // the field inserts the character
    Drop,           // silently ignored
    NotifyAndPass,  // carriage return: tell the owner, then let the field have it
};

// What a field does with the character `c` typed into a field holding `text`.
// `caretAtStart` tells whether the insertion point is before the first character.
TypedCharacterAction filterTypedCharacter(char32_t c, std::string_view text, bool caretAtStart);

// Whether a paste of `clipboardText` (UTF-8) into a field holding `text` goes
// through. The counts take the whole current text, including a selection the
// paste would replace.
bool acceptPaste(std::string_view text, std::string_view clipboardText, bool caretAtStart);
