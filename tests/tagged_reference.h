#pragma once

// Reference files whose records start with a tag naming the function (the rest:
// its arguments, then its value), and the error measure their tests use.

#include <string>
#include <vector>

#include "reference_data.h"

// The records of the file tagged `tag`, without the tag.
inline std::vector<ReferenceRecord> readTaggedReferences(const std::string& fileName, const std::string& tag)
{
    std::vector<ReferenceRecord> tagged;
    for (auto& record : readReferenceData(fileName)) {
        if (record.empty() || record[0] != tag) continue;
        record.erase(record.begin());
        tagged.push_back(std::move(record));
    }
    return tagged;
}

// |value - reference| relative to |reference|, absolute where the reference is 0.
inline double relativeError(double value, double reference)
{
    const double difference = value > reference ? value - reference : reference - value;
    if (reference == 0) return difference;
    return difference / (reference > 0 ? reference : -reference);
}
