#include "shell/numeric_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Types `keys` one by one into a field holding `text` with the caret at `caret`,
// as a field does: a passed character is inserted at the caret, a control
// character is not inserted.
std::string typeInto(std::string text, std::size_t caret, const std::u32string& keys)
{
    for (const char32_t key : keys) {
        if (filterTypedCharacter(key, text, caret == 0) == TypedCharacterAction::Drop) continue;
        if (key < 32) continue;
        text.insert(caret, 1, static_cast<char>(key));
        ++caret;
    }
    return text;
}

TEST(NumericFieldTyping, KeepsOnlyThePlainDecimalNumber)
{
    struct Case {
        const char* text;
        std::size_t caret;
        std::u32string keys;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, U"1.2.3", "1.23"},                            // a second decimal point is dropped
        {"", 0, U"1e5", "15"},                                // no exponent letters
        {"5", 1, U"-", "5"},                                  // a minus after the first character is dropped
        {"5", 0, U"-", "-5"},                                 // at the start it is taken
        {"-5", 0, U"-", "-5"},                                // but only once
        {"", 0, U"-1-2", "-12"},   {"", 0, U"+3,5 x", "35"},  // sign, comma, space and letters are dropped
        {"1.5", 0, U".", "1.5"},  // the point is judged on the whole text, not the caret's side
        {"", 0, U"0.95", "0.95"},  {"", 0, U"\u00e9\u0130\u00bd7", "7"},  // nothing beyond ASCII, whatever its low byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typeInto(c.text, c.caret, c.keys), c.expected) << "typing into \"" << c.text << "\"";
    }
}

TEST(NumericFieldTyping, ControlCharactersPassAndEnterNotifies)
{
    for (const char32_t control : {U'\b', U'\x16', U'\x03', U'\x1a', U'\x18', U'\t', U'\x1b'}) {
        EXPECT_EQ(filterTypedCharacter(control, "1.5", false), TypedCharacterAction::Pass) << int(control);
    }
    EXPECT_EQ(filterTypedCharacter(U'\r', "", true), TypedCharacterAction::NotifyAndPass);
    EXPECT_EQ(filterTypedCharacter(U'\x7f', "", true), TypedCharacterAction::Drop);
}

TEST(NumericFieldPaste, TakesOnlyTextThatKeepsTheNumberPlain)
{
    struct Case {
        const char* text;
        const char* clipboard;
        bool caretAtStart;
        bool accepted;
    };
    const Case cases[] = {
        {"", "-2.5", true, true},   {"3", "-2.5", false, false},   // a minus pasted away from the start
        {"3", "-2.5", true, true},  {"1.5", "2.5", false, false},  // two decimal points in all
        {"1.5", "25", false, true}, {"", "12a", true, false},
        {"-3", "-1", true, false},                             // the field is negative already
        {"-3", "1", false, true},   {"", "2-3", true, false},  // a minus not at the start of the pasted text
        {"", "--2", true, false},   {"", "1.2.3", true, false},
        {"", " 12", true, false},   {"", "12\n", true, false},
        {"", "-", true, true},      {"", "\xd9\xa1\xd9\xa2", true, false},  // digits of another script
    };
    for (const Case& c : cases) {
        EXPECT_EQ(acceptPaste(c.text, c.clipboard, c.caretAtStart), c.accepted)
            << "pasting \"" << c.clipboard << "\" into \"" << c.text << "\"";
    }
}

}  // namespace
