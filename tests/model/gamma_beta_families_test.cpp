// The five distributions of the gamma and beta families against high-precision
// values, through their round trips, and over a randomized sweep of their domain.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "../tagged_reference.h"
#include "family_operations.h"

namespace {

constexpr const char* referenceFile = "gamma_beta_reference.txt";

// The largest relative error each kind of operation may show on the reference
// set: the statistics are closed forms; the functions and quantiles lose most
// where a million degrees of freedom raise a rounded base to a power (Student's
// density) or a continued fraction stops at its round limit.
double allowedError(Operation operation)
{
    switch (operation) {
        case Operation::Pdf:
        case Operation::Cdf:
        case Operation::Quantile:
            return 2e-10;
        default:
            return 1e-14;
    }
}

TEST(GammaBetaFamilies, MatchHighPrecisionValues)
{
    const auto lines = readTaggedReferences(referenceFile, "distribution");
    ASSERT_GT(lines.size(), 500u);
    std::map<std::string, double> largest;
    for (const auto& line : lines) {
        const std::string& name = line[0];
        const double p1 = referenceNumber(line[1]), p2 = referenceNumber(line[2]);
        const Operation operation = operationNamed(line[3]);
        const double argument = referenceNumber(line[4]), expected = referenceNumber(line[5]);
        if (expected != 0 && std::fabs(expected) < 1e-300) continue;

        auto d = makeDistribution(name, p1, p2);
        ASSERT_NE(d, nullptr) << name;
        const double value = callOperation(*d, operation, argument);
        const std::string label = name + " " + line[1] + " " + line[2] + " " + line[3] + "(" + line[4] + ")";
        EXPECT_EQ(d->status(), ResultStatus::Ok) << label;
        const double error = relativeError(value, expected);
        EXPECT_LT(error, allowedError(operation)) << label << " gives " << value << ", not " << expected;
        double& worst = largest[name + " " + operationName(operation)];
        worst = std::fmax(worst, error);
    }
    for (const auto& [what, error] : largest) std::cout << "[ measured ] " << what << " " << error << "\n";
}

struct FamilyMember {
    const char* name;
    double p1, p2;
};

constexpr FamilyMember roundTripMembers[] = {
    {"gamma", 0.3, 1},    {"gamma", 1, 2},         {"gamma", 4.5, 0.1}, {"gamma", 300, 1}, {"chi_square", 1, 0},
    {"chi_square", 7, 0}, {"chi_square", 5000, 0}, {"beta", 0.5, 0.5},  {"beta", 2, 9},    {"beta", 40, 3},
    {"student", 1, 0},    {"student", 4, 0},       {"student", 300, 0}, {"f", 1, 1},       {"f", 4, 12},
    {"f", 60, 7},
};

TEST(GammaBetaFamilies, QuantileInvertsTheDistributionFunction)
{
    for (const auto& member : roundTripMembers) {
        auto d = makeDistribution(member.name, member.p1, member.p2);
        const double low = d->quantile(1e-6), high = d->quantile(1 - 1e-6);
        ASSERT_EQ(d->status(), ResultStatus::Ok) << member.name;
        for (int i = 1; i < 20; ++i) {
            const double x = low + (high - low) * i / 20.0;
            const double p = d->cdf(x);
            if (!(p > 1e-300 && p < 1 - 1e-6)) continue;
            const double back = d->quantile(p);
            EXPECT_EQ(d->status(), ResultStatus::Ok);
            // Near a median at 0 the probability itself holds x only to 1e-16 of the spread.
            EXPECT_LT(std::fabs(back - x), 1e-9 * std::fmax(std::fabs(x), high - low))
                << member.name << "(" << member.p1 << ", " << member.p2 << ") at " << x << " gives " << back;
        }
    }
}

// Where Gamma(shape), x^(shape - 1), 2^(n/2) or Gamma((n1 + n2)/2) overflow and
// the plain formula would read 0, +inf or NaN, the density is still the slope of
// the distribution function.
TEST(GammaBetaFamilies, DensityIsTheSlopeWhereItsDirectFactorsOverflow)
{
    struct Case {
        FamilyMember member;
        double x;
    };
    const Case cases[] = {
        {{"gamma", 150, 1}, 150},      {{"gamma", 200, 1}, 190},        {{"gamma", 3, 1}, 760},
        {{"chi_square", 400, 0}, 400}, {{"chi_square", 2000, 0}, 2050}, {{"f", 400, 300}, 1},
        {{"f", 1000000, 50}, 1.2},     {{"beta", 700, 600}, 0.53},      {{"student", 1000000, 0}, 1.5},
    };
    for (const auto& c : cases) {
        auto d = makeDistribution(c.member.name, c.member.p1, c.member.p2);
        const double density = d->pdf(c.x);
        ASSERT_EQ(d->status(), ResultStatus::Ok) << c.member.name;
        const double h = 1e-4 * c.x;
        const double slope = (d->cdf(c.x + h) - d->cdf(c.x - h)) / (2 * h);
        EXPECT_LT(relativeError(density, slope), 1e-5) << c.member.name << "(" << c.member.p1 << ") at " << c.x;
    }
}

// Parameters from 1e-3 to 1e5 (degrees of freedom up to 1e6, and some outside
// their domain), arguments of every size and sign, probabilities down to 1e-300:
// no operation shows a NaN or an infinity as a number, and every call returns.
TEST(GammaBetaFamilies, ShowNoNonFiniteNumberAnywhere)
{
    std::mt19937_64 random(1207);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto logUniform = [&](double lowExponent, double highExponent) {
        return std::pow(10, lowExponent + (highExponent - lowExponent) * unit(random));
    };
    const char* names[] = {"gamma", "chi_square", "beta", "student", "f"};
    for (int i = 0; i < 4000; ++i) {
        const char* name = names[i % 5];
        const bool degrees = name[0] == 'c' || name[0] == 's' || name[0] == 'f';
        double p1 = degrees ? logUniform(0, 6) : logUniform(-3, 5);
        double p2 = degrees ? logUniform(0, 6) : logUniform(-3, 5);
        if (i % 13 == 0) p1 = -p1;
        if (i % 17 == 0) p2 = 0;
        const double arguments[] = {
            0, -logUniform(-300, 3),    logUniform(-300, 0),  unit(random), logUniform(0, 8),
            1, 1 - logUniform(-16, -1), logUniform(-300, -1), 1e300,
        };
        auto d = makeDistribution(name, p1, p2);
        for (Operation operation : allOperations) {
            for (double argument : arguments) {
                const double value = callOperation(*d, operation, argument);
                const ResultStatus status = d->status();
                ASSERT_GE(static_cast<int>(status), 0);
                ASSERT_LE(static_cast<int>(status), 6);
                if (status == ResultStatus::Ok || status == ResultStatus::SingularPoint) {
                    ASSERT_TRUE(std::isfinite(value)) << name << "(" << p1 << ", " << p2 << ") "
                                                      << operationName(operation) << "(" << argument << ") = " << value;
                }
                if (operation < Operation::Pdf || operation > Operation::Quantile) break;
            }
        }
    }
}

}  // namespace
