#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <string>

#include "../tagged_reference.h"
#include "numeric/beta_functions.h"
#include "numeric/gamma_functions.h"

namespace {

using Kernel = std::function<double(const ReferenceRecord&, IterationCount*)>;

double argument(const ReferenceRecord& r, int i) { return referenceNumber(r[i]); }

// Every kernel against 40-digit values at shapes from 1e-310 to 1e300 and tails
// down to 1e-300: within max(1e-13, 100 cond 2.2e-16) relative, with a bounded
// number of loop rounds, and exactly 0 where the value underflows. The gamma
// integrals and the Student density and distribution function round their
// two-part exponents once: exact arguments leave them nothing to owe to the
// condition, and so do the beta integrals, their exponents likewise; the
// beta and Student inverses land within a rounding or two of their roots.
TEST(ExtremeParameters, EveryKernelMeetsItsConditionedBound)
{
    const std::map<std::string, Kernel> kernels = {
        {"P", [](auto& r, auto* c) { return incompleteGamma(argument(r, 0), argument(r, 1), c); }},
        {"Q", [](auto& r, auto* c) { return complementaryIncompleteGamma(argument(r, 0), argument(r, 1), c); }},
        {"I", [](auto& r, auto* c) { return incompleteBeta(argument(r, 0), argument(r, 1), argument(r, 2), c); }},
        {"Ic", [](auto& r,
                  auto* c) { return complementaryIncompleteBeta(argument(r, 0), argument(r, 1), argument(r, 2), c); }},
        {"inverseI",
         [](auto& r, auto* c) { return inverseIncompleteBeta(argument(r, 0), argument(r, 1), argument(r, 2), c); }},
        {"studentDensity", [](auto& r, auto*) { return studentDensity(argument(r, 0), argument(r, 1)); }},
        {"studentCdf", [](auto& r, auto* c) { return studentDistribution(argument(r, 0), argument(r, 1), c); }},
        {"studentQuantile", [](auto& r, auto* c) { return studentQuantile(argument(r, 0), argument(r, 1), c); }},
    };
    const std::map<std::string, double> tightBound = {{"P", 1e-15},
                                                      {"Q", 1e-15},
                                                      {"I", 4.5e-16},
                                                      {"Ic", 4.5e-16},
                                                      {"studentCdf", 4.5e-16},
                                                      {"studentDensity", 4.5e-16},
                                                      {"inverseI", 4.5e-16},
                                                      {"studentQuantile", 4.5e-16}};
    int checked = 0;
    for (const auto& [tag, kernel] : kernels) {
        double worst = 0;
        long long mostRounds = 0;
        for (const auto& line : readTaggedReferences("extreme_numeric_reference.txt", tag)) {
            const double want = argument(line, int(line.size()) - 2);
            const double cond = argument(line, int(line.size()) - 1);
            IterationCount count;
            const double got = kernel(line, &count);
            mostRounds = std::max(mostRounds, count.rounds);
            ++checked;
            std::string where = tag;
            for (std::size_t i = 0; i + 2 < line.size(); ++i) where += " " + line[i];
            if (want == 0) {
                EXPECT_EQ(got, 0.0) << where;
                continue;
            }
            const double error = std::fabs(got - want) / std::fabs(want);
            worst = std::fmax(worst, error);
            const auto tight = tightBound.find(tag);
            const double bound = tight != tightBound.end() ? tight->second : std::fmax(1e-13, 100 * cond * 2.2e-16);
            EXPECT_LE(error, bound) << where << " gives " << got << " for " << want;
        }
        std::cout << "[ measured ] " << tag << " largest relative error " << worst << ", most rounds " << mostRounds
                  << "\n";
        EXPECT_LE(mostRounds, 5000) << tag;
    }
    EXPECT_GT(checked, 300);
}

}  // namespace
