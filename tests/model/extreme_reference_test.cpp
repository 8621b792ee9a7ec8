// Every value at extreme parameters and in both far tails against 50-digit
// references (tests/data/extreme_reference.py), each within the tolerance its
// record states; results beyond the double range must say so by their status.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "../reference_data.h"
#include "../tagged_reference.h"
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

// The kernels' extreme references (tests/data/extreme_numeric_reference.py)
// read through the distributions that rest on them, within the kernels' own
// bound: a distribution must not lose what its kernel keeps by taking the
// wrong side (Beta(1e-30, 0.5) survival at 1e-300 once gave 0 for 6.9e-28).
TEST(ExtremeReference, DistributionsKeepTheirKernelsDigits)
{
    struct Kernel {
        const char* tag;
        const char* family;
        Operation operation;
        int shapes;  // leading arguments that are parameters; the gamma ones at scale 1
    };
    const Kernel kernels[] = {
        {"P", "gamma", Operation::Cdf, 1},
        {"Q", "gamma", Operation::Survival, 1},
        {"I", "beta", Operation::Cdf, 2},
        {"Ic", "beta", Operation::Survival, 2},
        {"inverseI", "beta", Operation::Quantile, 2},
        {"studentDensity", "student", Operation::Pdf, 1},
        {"studentCdf", "student", Operation::Cdf, 1},
        {"studentQuantile", "student", Operation::Quantile, 1},
    };
    for (const Kernel& k : kernels) {
        for (const auto& r : readTaggedReferences("extreme_numeric_reference.txt", k.tag)) {
            const double a = referenceNumber(r[0]);
            const double b = k.shapes == 2 ? referenceNumber(r[1]) : 1.0;
            auto d = makeDistribution(k.family, a, b);
            const double got = callOperation(*d, k.operation, referenceNumber(r[k.shapes]));
            const double want = referenceNumber(r[k.shapes + 1]), cond = referenceNumber(r[k.shapes + 2]);
            const std::string where = std::string(k.family) + " " + k.tag + " " + r[0] + " " + r[1] + " " + r[2];
            if (std::fabs(want) < DBL_MIN) {
                EXPECT_LE(std::fabs(got), DBL_MIN) << where;
                continue;
            }
            EXPECT_LE(relativeError(got, want), std::fmax(1e-13, 100 * cond * 2.2e-16)) << where << " gave " << got;
        }
    }
}

}  // namespace
