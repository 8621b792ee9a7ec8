#pragma once

// Reads the reference tables under tests/data: whitespace-separated fields,
// one record a line, '#' starting a comment line.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using ReferenceRecord = std::vector<std::string>;

inline std::vector<ReferenceRecord> readReferenceData(const std::string& fileName)
{
    std::vector<ReferenceRecord> records;
    std::ifstream in(std::string(PROBAVIEW_TEST_DATA) + "/" + fileName);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceRecord record;
        for (std::string field; fields >> field;) record.push_back(field);
        records.push_back(std::move(record));
    }
    return records;
}

// strtod reads "inf", "-inf" and the exponent forms the generators write.
inline double referenceNumber(const std::string& text) { return std::strtod(text.c_str(), nullptr); }
