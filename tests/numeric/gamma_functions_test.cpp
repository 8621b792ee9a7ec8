#include "numeric/gamma_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "../inverse_check.h"
#include "../tagged_reference.h"

namespace {

constexpr const char* referenceFile = "gamma_beta_reference.txt";
constexpr double smallestNormal = std::numeric_limits<double>::min();

// The largest relative error of f over the reference lines of a tag whose last
// word is the expected value; prints it, so the suite reports what it measured.
template <typename Function>
double largestError(const char* tag, Function f, double floor = smallestNormal)
{
    const auto lines = readTaggedReferences(referenceFile, tag);
    EXPECT_FALSE(lines.empty()) << tag;
    double largest = 0;
    for (const auto& line : lines) {
        const double expected = referenceNumber(line.back());
        if (std::fabs(expected) < floor) continue;
        const double error = relativeError(f(line), expected);
        EXPECT_FALSE(std::isnan(error)) << tag << " " << line[0];
        largest = std::fmax(largest, error);
    }
    std::cout << "[ measured ] " << tag << " largest relative error " << largest << "\n";
    return largest;
}

double argument(const ReferenceRecord& line, int i) { return referenceNumber(line[i]); }

TEST(GammaFunction, MatchesHighPrecisionValues)
{
    EXPECT_LT(largestError("gamma", [](const ReferenceRecord& l) { return gammaFunction(argument(l, 0)); }), 5e-16);
    EXPECT_LT(relativeError(gammaFunction(34), 8.68331761881188649551819440128e36), 2.5e-16);
    EXPECT_LT(relativeError(gammaFunction(170), 4.26906800900470559761451087945e304), 2.5e-16);
    const auto lines = readTaggedReferences(referenceFile, "logGamma");
    double belowSwitch = 0, above = 0;
    for (const auto& line : lines) {
        const double x = argument(line, 0), expected = argument(line, 1);
        if (x < 13) {
            belowSwitch = std::fmax(belowSwitch, std::fabs(logGamma(x) - expected));
        } else {
            above = std::fmax(above, relativeError(logGamma(x), expected));
        }
    }
    std::cout << "[ measured ] logGamma absolute error below 13: " << belowSwitch << ", relative above: " << above
              << "\n";
    EXPECT_LT(belowSwitch, 4e-15);
    EXPECT_LT(above, 3e-16);
}

TEST(GammaFunction, KeepsItsExactAndFixedValues)
{
    EXPECT_EQ(gammaFunction(10), 362880.0);
    EXPECT_EQ(gammaFunction(2), 1.0);
    EXPECT_NEAR(gammaFunction(0.5), std::sqrt(3.141592653589793), 4e-16);
    EXPECT_EQ(logGamma(1), 0.0);
    EXPECT_EQ(logGamma(2), 0.0);
    EXPECT_EQ(gammaFunction(172), std::numeric_limits<double>::infinity());
    // Outside the domain: the pole's value, not a number that looks like a result.
    EXPECT_EQ(gammaFunction(0), std::numeric_limits<double>::infinity());
    EXPECT_EQ(logGamma(-1), std::numeric_limits<double>::infinity());
    // The smallest arguments keep ln Gamma(x) = -ln x instead of overflowing 1/x.
    EXPECT_NEAR(logGamma(4.9e-324), 744.44007192138126, 1e-12);
}

// psi against 20-digit values on both sides of the switch to its asymptotic
// series at 10, where a series cut after x^-10 had left 1e-14.
TEST(Digamma, MatchesHighPrecisionValues)
{
    const double cases[][2] = {{0.5, -1.9635100260214234794}, {1e-3, -1000.5755719318102797},
                               {3.3, 1.0348224890596216863},  {9.75, 2.225109535044576012},
                               {10.5, 2.3030010342976863753}, {40, 3.6763273740348431259},
                               {1e5, 11.512920464961895087}};
    for (const auto& c : cases) EXPECT_NEAR(digamma(c[0]), c[1], 4e-16 * std::fmax(1.0, std::fabs(c[1]))) << c[0];
}

TEST(IncompleteGamma, MatchesHighPrecisionValuesOnBothSides)
{
    const auto lines = readTaggedReferences(referenceFile, "incompleteGamma");
    ASSERT_FALSE(lines.empty());
    double lower = 0, upper = 0;
    for (const auto& line : lines) {
        const double a = argument(line, 0), x = argument(line, 1);
        const double p = argument(line, 2), q = argument(line, 3);
        if (p >= smallestNormal) {
            lower = std::fmax(lower, relativeError(incompleteGamma(a, x), p));
        } else {
            EXPECT_LT(incompleteGamma(a, x), 1e-300) << a << " " << x;
        }
        if (q >= smallestNormal) {
            upper = std::fmax(upper, relativeError(complementaryIncompleteGamma(a, x), q));
        } else {
            EXPECT_LT(complementaryIncompleteGamma(a, x), 1e-300) << a << " " << x;
        }
    }
    std::cout << "[ measured ] incompleteGamma largest relative error " << lower << ", complementaryIncompleteGamma "
              << upper << "\n";
    EXPECT_LT(lower, 1e-15);
    EXPECT_LT(upper, 1e-15);
}

TEST(IncompleteGamma, KeepsItsEdgeValues)
{
    EXPECT_NEAR(incompleteGamma(1, 2), 0.8646647167633873, 2e-16);
    EXPECT_NEAR(incompleteGamma(3, 2) + complementaryIncompleteGamma(3, 2), 1.0, 2e-16);
    for (double a : {1e-3, 0.5, 1.0, 7.0, 1e5}) {
        EXPECT_EQ(incompleteGamma(a, 0), 0.0) << a;
        EXPECT_EQ(complementaryIncompleteGamma(a, 0), 1.0) << a;
        EXPECT_EQ(incompleteGamma(a, -3), 0.0) << a;
        EXPECT_EQ(incompleteGamma(a, std::numeric_limits<double>::infinity()), 1.0) << a;
        EXPECT_EQ(complementaryIncompleteGamma(a, std::numeric_limits<double>::infinity()), 0.0) << a;
    }
    EXPECT_EQ(incompleteGamma(0, 1), 0.0);
    EXPECT_EQ(complementaryIncompleteGamma(-1, 1), 1.0);
}

TEST(InverseIncompleteGamma, MatchesHighPrecisionValues)
{
    // Near y0 = 1 the target 1 - y0 keeps only 1e-16 / (1 - y0) of its digits.
    double central = 0, nearOne = 0;
    for (const auto& line : readTaggedReferences(referenceFile, "inverseGamma")) {
        const double a = argument(line, 0), y = argument(line, 1), expected = argument(line, 2);
        const double error = relativeError(inverseComplementaryIncompleteGamma(a, y), expected);
        double& largest = y <= 0.99 ? central : nearOne;
        largest = std::fmax(largest, error);
    }
    std::cout << "[ measured ] inverseComplementaryIncompleteGamma largest relative error " << central
              << " for y0 <= 0.99, " << nearOne << " above\n";
    EXPECT_LT(central, 2e-13);
    EXPECT_LT(nearOne, 1e-8);
}

TEST(InverseIncompleteGamma, ReachesKnownPoints)
{
    struct Case {
        double a, y, expected, tolerance;
    };
    const Case cases[] = {
        {0.5, 0.05, 3.8414588206941236 / 2, 5e-15},  // chi-square 95% point, one degree of freedom
        {5, 0.05, 18.307038053275146 / 2, 5e-15},    // ten degrees of freedom
        {1, 0.5, 0.69314718055994531, 5e-15},
        {0.01, 1e-6, 7.1512535, 1e-7},  // found only by the growth step
    };
    for (const auto& c : cases) {
        EXPECT_LT(relativeError(inverseComplementaryIncompleteGamma(c.a, c.y), c.expected), c.tolerance) << c.a;
    }
    // Outside (0, 1) the ends of the range.
    EXPECT_EQ(inverseComplementaryIncompleteGamma(2, 1), 0.0);
    EXPECT_EQ(inverseComplementaryIncompleteGamma(2, 0), std::numeric_limits<double>::infinity());
}

TEST(InverseIncompleteGamma, RoundTripsThroughTheUpperIntegral)
{
    for (double a : {0.05, 0.7, 3.0, 40.0, 2000.0}) {
        for (double y : {1e-200, 1e-30, 1e-5, 0.2, 0.5, 0.8, 0.99999}) {
            const double x = inverseComplementaryIncompleteGamma(a, y);
            const auto upper = [&](double v) { return complementaryIncompleteGamma(a, v); };
            EXPECT_TRUE(solvesWithinItsPrecision(upper, x, y, 1e-14, 1e-12)) << a << " " << y << " gives " << x;
        }
    }
}

TEST(InverseIncompleteGamma, KeepsTheDigitsOfASmallLowerTail)
{
    for (double a : {0.05, 0.7, 3.0, 40.0, 2000.0}) {
        for (double p : {1e-250, 1e-40, 1e-12, 1e-5, 0.3}) {
            const double x = inverseIncompleteGamma(a, p);
            if (x == 0) continue;  // the true point lies below the double range
            const auto lower = [&](double v) { return incompleteGamma(a, v); };
            EXPECT_TRUE(solvesWithinItsPrecision(lower, x, p, 1e-14, 1e-12)) << a << " " << p << " gives " << x;
        }
        // Both searches meet in the middle.
        EXPECT_LT(relativeError(inverseIncompleteGamma(a, 0.4), inverseComplementaryIncompleteGamma(a, 0.6)), 1e-13);
    }
    EXPECT_EQ(inverseIncompleteGamma(2, 0), 0.0);
    EXPECT_EQ(inverseIncompleteGamma(2, 1), std::numeric_limits<double>::infinity());
}

// Shapes from 1e-300 to 1e300 and probabilities from 1e-300 to 1 - 1e-16,
// chosen at random with a fixed seed: P and Q lie in [0, 1] and sum to 1, every
// inverse is a number, and every call ends within a bounded number of rounds.
TEST(GammaFamilySweep, EndsWithFiniteResultsEverywhere)
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-300, 300);
    std::uniform_real_distribution<double> probabilityExponent(-300, 0);
    std::uniform_real_distribution<double> unit(0, 1);
    long long mostRounds = 0;
    for (int i = 0; i < 3000; ++i) {
        const double a = std::pow(10, i % 2 == 0 ? exponent(random) : 8 * unit(random) - 3);
        const double x = a * std::pow(10, 2 * unit(random) - 1) * (i % 7 == 0 ? 1e-6 : 1);
        double y = std::pow(10, probabilityExponent(random));
        if (i % 3 == 0) y = 1 - y;
        if (i % 11 == 0) y = unit(random);
        if (!(y > 0 && y < 1)) continue;

        IterationCount count;
        const double p = incompleteGamma(a, x, &count);
        const double q = complementaryIncompleteGamma(a, x, &count);
        ASSERT_TRUE(p >= 0 && p <= 1) << a << " " << x;
        ASSERT_TRUE(q >= 0 && q <= 1) << a << " " << x;
        EXPECT_NEAR(p + q, 1.0, 4e-16) << a << " " << x;
        mostRounds = std::max(mostRounds, count.rounds);

        for (const auto inverse : {inverseComplementaryIncompleteGamma, inverseIncompleteGamma}) {
            IterationCount inverseCount;
            const double root = inverse(a, y, &inverseCount);
            ASSERT_TRUE(std::isfinite(root) && root >= 0) << a << " " << y;
            mostRounds = std::max(mostRounds, inverseCount.rounds);
        }
    }
    std::cout << "[ measured ] most loop rounds in one call: " << mostRounds << "\n";
    EXPECT_LT(mostRounds, 50000);
}

}  // namespace
