// Survival and hazard far into the tails against high-precision values
// (tests/data/tail_reference.py): 1 - cdf would have lost every digit there.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>

#include "../reference_data.h"
#include "make_distribution.h"
#include "model/value_text.h"

namespace {

constexpr double tailTolerance = 1e-7;

struct Worst {
    double error = 0.0;
    std::string where;
};

bool isNormalDouble(double v) { return std::isfinite(v) && std::fabs(v) >= std::numeric_limits<double>::min(); }

TEST(TailAccuracy, SurvivalAndHazardKeepSevenDigitsWhereverTheyAreNormalDoubles)
{
    const auto data = readReferenceData("tail_reference.txt");
    ASSERT_GT(data.size(), 2000u);
    std::map<std::string, Worst> survivalWorst, hazardWorst;
    for (const auto& r : data) {
        auto d = makeDistribution(r[0], referenceNumber(r[1]), referenceNumber(r[2]));
        if (!d) continue;  // a family not built here
        const double x = referenceNumber(r[3]);
        const std::string where = r[0] + "(" + r[1] + ", " + r[2] + ") at " + r[3];

        const double survival = referenceNumber(r[4]);
        const double gotSurvival = d->survival(x);
        EXPECT_EQ(d->status(), ResultStatus::Ok) << "survival of " << where;
        if (isNormalDouble(survival)) {
            const double error = std::fabs(gotSurvival - survival) / survival;
            if (!(error <= survivalWorst[r[0]].error)) survivalWorst[r[0]] = {error, where};
        }

        if (r[5] == "-") continue;
        const double hazard = referenceNumber(r[5]);
        const double gotHazard = d->hazard(x);
        if (!isNormalDouble(hazard)) continue;
        EXPECT_EQ(d->status(), ResultStatus::Ok) << "hazard of " << where;
        const double error = std::fabs(gotHazard - hazard) / hazard;
        if (!(error <= hazardWorst[r[0]].error)) hazardWorst[r[0]] = {error, where};
    }
    for (const auto& [name, worst] : survivalWorst)
        EXPECT_LT(worst.error, tailTolerance) << "survival of " << worst.where;
    for (const auto& [name, worst] : hazardWorst) EXPECT_LT(worst.error, tailTolerance) << "hazard of " << worst.where;
    if (const char* report = std::getenv("PROBAVIEW_REPORT_ERRORS")) {
        (void)report;
        for (const auto& [name, worst] : survivalWorst)
            std::printf("survival %-20s %.2e  %s\n", name.c_str(), worst.error, worst.where.c_str());
        for (const auto& [name, worst] : hazardWorst)
            std::printf("hazard   %-20s %.2e  %s\n", name.c_str(), worst.error, worst.where.c_str());
    }
}

struct ShownCase {
    const char* name;
    double p1, p2, x;
    const char* hazardText;
};

TEST(TailAccuracy, HazardTextsThatOnceWereWrongOrInfinite)
{
    const ShownCase cases[] = {
        {"normal", 0, 1, 8, "8.121368"},           {"normal", 0, 1, 20, "20.04975"},
        {"normal", 0, 1, 40, "40.02496"},          {"lognormal", 1, 0.1, 4.4816890703380645, "33.61698"},
        {"cauchy", 0, 1e-300, 1e-299, "9.9e+298"}, {"gamma", 1, 1, 92, "1"},
        {"chi_square", 4, 0, 1e4, "0.4999"},
    };
    for (const auto& c : cases) {
        auto d = makeDistribution(c.name, c.p1, c.p2);
        const double h = d->hazard(c.x);
        EXPECT_EQ(formatResult(h, d->status()), c.hazardText) << c.name << " at " << c.x;
    }
}

}  // namespace

namespace {

struct StatusCase {
    const char* name;
    double p1, p2;
    const char* operation;
    double x;
    double value;
    ResultStatus status;
};

TEST(TailAccuracy, StatusesStayAsBeforeAndInfinityOnlyWhereTheHazardIsInfinite)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const StatusCase cases[] = {
        {"normal", 0, 0, "survival", 1, 1, ResultStatus::Invalid},
        {"lognormal", 0, 1, "survival", 1, 1, ResultStatus::Invalid},
        {"exponential", 1, 0, "survival", -0.5, 1, ResultStatus::Invalid},
        {"cauchy", 0, -1, "survival", 3, 1, ResultStatus::Invalid},
        {"double_exponential", -1, 0, "survival", 3, 1, ResultStatus::Invalid},
        {"uniform", 1, 1, "survival", 1, 1, ResultStatus::Invalid},
        {"normal", 0, 0, "hazard", 1, 0, ResultStatus::Invalid},
        {"cauchy", 0, 0, "hazard", 1, 0, ResultStatus::Invalid},
        {"uniform", 0, 1, "hazard", 1, 0, ResultStatus::SingularPoint},
        {"uniform", 0, 1, "survival", 1, 0, ResultStatus::Ok},
        {"uniform", 0, 1, "survival", 2, 0, ResultStatus::Ok},
        {"lognormal", 1, 1, "survival", -1, 1, ResultStatus::Ok},
        {"lognormal", 1, 1, "hazard", inf, 0, ResultStatus::Ok},
        {"normal", 0, 1, "hazard", inf, 0, ResultStatus::PlusInfinity},
        {"normal", 0, 1e-300, "hazard", 1e10, 0, ResultStatus::PlusInfinity},  // 1e610 overflows
        {"normal", 0, 1, "hazard", -inf, 0, ResultStatus::Ok},
        {"normal", 0, 1, "survival", 40, 0, ResultStatus::Ok},  // below the smallest double
        {"cauchy", 0, 1, "hazard", inf, 0, ResultStatus::Ok},
        {"gamma", 0, 1, "survival", 1, 1, ResultStatus::Invalid},
        {"gamma", 1, 1, "survival", -1, 1, ResultStatus::Ok},
        {"gamma", 0.5, 1, "hazard", 0, 0, ResultStatus::PlusInfinity},  // the density's pole
        {"gamma", 2, 4, "hazard", inf, 0.25, ResultStatus::Ok},
        {"gamma", 2, 1, "hazard", -3, 0, ResultStatus::Ok},
        {"chi_square", 0.5, 0, "survival", 1, 1, ResultStatus::Invalid},
        {"chi_square", 2, 0, "hazard", 0, 0, ResultStatus::SingularPoint},
        {"chi_square", 5, 0, "hazard", inf, 0.5, ResultStatus::Ok},
        {"beta", 2, 3, "survival", 1.5, 1, ResultStatus::Invalid},
        {"beta", 2, 3, "survival", 1, 0, ResultStatus::Ok},
        {"beta", 2, 3, "hazard", 1, 0, ResultStatus::PlusInfinity},
        {"beta", 2, 0.5, "hazard", 1, 0, ResultStatus::SingularPoint},
        {"beta", 2, 3, "hazard", 0, 0, ResultStatus::Ok},
        {"student", 0.5, 0, "survival", 1, 1, ResultStatus::Invalid},
        {"student", 3, 0, "survival", 0, 0.5, ResultStatus::Ok},
        {"student", 3, 0, "hazard", inf, 0, ResultStatus::Ok},
        {"f", 2, 0, "survival", 1, 1, ResultStatus::Invalid},
        {"f", 2, 3, "survival", -1, 1, ResultStatus::Ok},
        {"f", 2, 3, "hazard", 0, 0, ResultStatus::SingularPoint},
        {"f", 2, 3, "hazard", inf, 0, ResultStatus::Ok},
    };
    for (const auto& c : cases) {
        auto d = makeDistribution(c.name, c.p1, c.p2);
        const std::string operation = c.operation;
        const double got = operation == "survival" ? d->survival(c.x) : d->hazard(c.x);
        EXPECT_EQ(d->status(), c.status) << c.name << " " << c.operation << " at " << c.x;
        EXPECT_EQ(got, c.value) << c.name << " " << c.operation << " at " << c.x;
    }
}

}  // namespace
