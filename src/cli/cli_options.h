#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/shown_function.h"

// What one evaluation types and selects, as a user would in the window.
// An absent text leaves the field as the window shows it.
struct Entry {
    int distribution = 1;  // catalogue index
    std::optional<std::string> parameter1;
    std::optional<std::string> parameter2;
    std::optional<std::string> x;
    std::optional<std::string> q;
    ShownFunction function = ShownFunction::Density;
    std::optional<std::string> intervalLow;   // --interval A B: the interval panel's a ...
    std::optional<std::string> intervalHigh;  // ... and b
    std::optional<std::string> central;       // --central P: its p
};

struct CliOptions {
    Entry entry;
    bool json = false;
    bool full = false;
    bool batch = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> graphFile;    // --graph FILE.png, .svg or .pdf
    std::optional<std::string> formulaFile;  // --formula FILE.png
    std::optional<std::string> reportFile;   // --report FILE.pdf
};

// The options, or the message that says what is wrong with them.
struct ParsedOptions {
    CliOptions options;
    std::string error;  // empty when the options are usable
};

ParsedOptions parseOptions(const std::vector<std::string>& arguments);

// The catalogue index of a distribution's list or menu name, in any case.
std::optional<int> findDistribution(const std::string& name);

// Checks that the texts can be typed: a one-parameter distribution hides
// parameter field 2. Returns the message, or an empty text.
std::string checkEntry(const Entry& entry);

// The option names of the four functions, by function index.
extern const char* const functionOptionNames[4];

extern const char* const usageText;
