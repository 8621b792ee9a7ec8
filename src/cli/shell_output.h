#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

class Shell;

// Every field the window shows, one "label: text" line each in the window's
// order; the labels as the window shows them (Greek letters in UTF-8).
// Which of the interval panel's results an output adds.
struct PanelKeys {
    bool interval = false;  // P(X < a), P(a <= X <= b), P(X > b)
    bool central = false;   // the central interval's ends
};

void writeShellText(const Shell& shell, std::ostream& out, PanelKeys panel = {});

// One JSON object on one line: the texts of the fields, and with `full` the
// value and status behind each computed one.
void writeShellJson(const Shell& shell, bool full, std::ostream& out, PanelKeys panel = {});

// A JSON number with 17 significant digits, or the string "inf", "-inf" or "nan".
std::string jsonNumber(double value);

// A JSON string literal of the text: valid UTF-8, each ill-formed UTF-8
// sequence replaced by U+FFFD (see wellFormedUtf8).
std::string jsonString(std::string_view text);
