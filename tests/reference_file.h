#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The reference files of tests/data hold one case a line: a tag, then words
// (numbers written with 17 significant digits, or names). Lines starting with
// '#' are comments.
using ReferenceLine = std::vector<std::string>;

// Every line of the file whose tag is `tag`, without the tag.
inline std::vector<ReferenceLine> readReferenceLines(const std::string& fileName, const std::string& tag)
{
    std::vector<ReferenceLine> lines;
    std::ifstream file(std::string(PROBAVIEW_TEST_DATA) + "/" + fileName);
    std::string text;
    while (std::getline(file, text)) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        std::string first;
        words >> first;
        if (first != tag) continue;
        ReferenceLine line;
        for (std::string word; words >> word;) line.push_back(word);
        lines.push_back(line);
    }
    return lines;
}

// A reference number; values beyond the double range read as 0 or +-inf, as strtod gives them.
inline double referenceNumber(const std::string& word) { return std::strtod(word.c_str(), nullptr); }

// |value - reference| relative to |reference|, absolute where the reference is 0.
inline double relativeError(double value, double reference)
{
    const double difference = value > reference ? value - reference : reference - value;
    if (reference == 0) return difference;
    return difference / (reference > 0 ? reference : -reference);
}
