// Every value at extreme parameters and in both far tails against 50-digit
// references (tests/data/extreme_reference.py), each within the tolerance its
// record states; results beyond the double range must say so by their status.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "../reference_data.h"
#include "family_operations.h"

namespace {

TEST(ExtremeReference, ValuesAreExactToTheirConditionAndInfinitiesAreStatuses)
{
    const auto records = readReferenceData("extreme_reference.txt");
    ASSERT_GT(records.size(), 300u);
    for (const auto& r : records) {
        auto d = makeDistribution(r[0], referenceNumber(r[1]), referenceNumber(r[2]));
        const double got = callOperation(*d, operationNamed(r[3]), referenceNumber(r[4]));
        const std::string where = r[0] + "(" + r[1] + ", " + r[2] + ") " + r[3] + "(" + r[4] + ")";
        if (r[5] == "inf" || r[5] == "-inf") {
            EXPECT_EQ(d->status(), r[5] == "inf" ? ResultStatus::PlusInfinity : ResultStatus::MinusInfinity) << where;
            continue;
        }
        const double expected = referenceNumber(r[5]), tolerance = referenceNumber(r[6]);
        EXPECT_EQ(d->status(), ResultStatus::Ok) << where << " gave " << got;
        if (std::fabs(expected) < DBL_MIN) {
            EXPECT_LE(std::fabs(got - expected), DBL_MIN) << where;  // below the normal doubles
        } else {
            EXPECT_LE(std::fabs(got - expected), tolerance * std::fabs(expected)) << where << " gave " << got;
        }
    }
}

}  // namespace
