// The incomplete gamma integrals and their inverses at shapes from 100 to 1e15,
// where they come from the uniform expansion, and the scaled erfc it rests on.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <random>

#include "../inverse_check.h"
#include "../tagged_reference.h"
#include "numeric/gamma_functions.h"
#include "numeric/scaled_error_function.h"

namespace {

constexpr const char* referenceFile = "large_shape_reference.txt";

double argument(const ReferenceRecord& line, int i) { return referenceNumber(line[i]); }

struct Accuracy {
    const char* tag;
    double (*function)(double, double, IterationCount*);
    double bulkBound;  // where the reference is at least 1e-3
    double tailBound;  // below, down to 1e-305
};

// From this shape on every tail above the underflow comes from the expansion,
// whose exponent is carried in two parts: it keeps far more digits than tailBound.
constexpr double expansionShape = 1e4;
constexpr double expansionTailBound = 2e-15;

TEST(LargeShapeIncompleteGamma, MatchesHighPrecisionValuesInTheBulkAndTails)
{
    const Accuracy cases[] = {
        {"largeP", incompleteGamma, 1e-15, 1e-15},
        {"largeQ", complementaryIncompleteGamma, 1e-15, 1e-15},
    };
    for (const Accuracy& c : cases) {
        const auto lines = readTaggedReferences(referenceFile, c.tag);
        ASSERT_GT(lines.size(), 100u) << c.tag;
        double bulk = 0, tail = 0;
        long long mostRounds = 0;
        for (const auto& line : lines) {
            const double a = argument(line, 0), x = argument(line, 1), expected = argument(line, 2);
            IterationCount count;
            const double error = relativeError(c.function(a, x, &count), expected);
            const double tailBound = a >= expansionShape ? expansionTailBound : c.tailBound;
            EXPECT_LT(error, expected >= 1e-3 ? c.bulkBound : tailBound) << c.tag << " " << a << " " << x;
            (expected >= 1e-3 ? bulk : tail) = std::fmax(expected >= 1e-3 ? bulk : tail, error);
            mostRounds = std::max(mostRounds, count.rounds);
        }
        std::cout << "[ measured ] " << c.tag << " largest relative error, bulk " << bulk << ", tails " << tail
                  << "; most rounds " << mostRounds << "\n";
        EXPECT_LE(mostRounds, 200);
    }
}

TEST(LargeShapeIncompleteGamma, InversesMatchHighPrecisionValues)
{
    const Accuracy cases[] = {
        {"largeInverseP", inverseIncompleteGamma, 2e-15, 2e-15},
        {"largeInverseQ", inverseComplementaryIncompleteGamma, 2e-15, 2e-15},
    };
    for (const Accuracy& c : cases) {
        const auto lines = readTaggedReferences(referenceFile, c.tag);
        ASSERT_GT(lines.size(), 30u) << c.tag;
        double largest = 0;
        long long mostRounds = 0;
        for (const auto& line : lines) {
            const double a = argument(line, 0), y = argument(line, 1), expected = argument(line, 2);
            IterationCount count;
            const double error = relativeError(c.function(a, y, &count), expected);
            EXPECT_LT(error, c.bulkBound) << c.tag << " " << a << " " << y;
            largest = std::fmax(largest, error);
            mostRounds = std::max(mostRounds, count.rounds);
        }
        std::cout << "[ measured ] " << c.tag << " largest relative error " << largest << "; most rounds " << mostRounds
                  << "\n";
        EXPECT_LE(mostRounds, 1000);
    }
}

// Just below shape 100 the series and continued fraction still run; at it the
// expansion takes over within its reach (x from about a / 2 to 1.9 a). The two
// must agree to the accuracy of the former.
TEST(LargeShapeIncompleteGamma, JoinsTheExpansionsBelowItsShapes)
{
    const double above = 100;
    const double below = std::nextafter(above, 0.0);
    for (const double deviations : {-4.5, -1.0, 0.0, 0.1, 1.0, 4.0, 5.0}) {
        const double x = above + deviations * std::sqrt(above);
        EXPECT_LT(relativeError(incompleteGamma(above, x), incompleteGamma(below, x)), 1e-14) << deviations;
        EXPECT_LT(relativeError(complementaryIncompleteGamma(above, x), complementaryIncompleteGamma(below, x)), 1e-14)
            << deviations;
    }
}

TEST(LargeShapeIncompleteGamma, KeepsItsEdgeValues)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    for (double a : {1e5, 1e10, 1e15, 1e300}) {
        EXPECT_EQ(incompleteGamma(a, 0), 0.0) << a;
        EXPECT_EQ(complementaryIncompleteGamma(a, 0), 1.0) << a;
        EXPECT_EQ(incompleteGamma(a, infinity), 1.0) << a;
        EXPECT_EQ(complementaryIncompleteGamma(a, infinity), 0.0) << a;
        EXPECT_EQ(incompleteGamma(a, 1e-300), 0.0) << a;
        EXPECT_EQ(incompleteGamma(a, 2 * a), 1.0) << a;
        EXPECT_EQ(complementaryIncompleteGamma(a, 0.5 * a), 1.0) << a;
        EXPECT_TRUE(std::isnan(incompleteGamma(a, NAN)) || incompleteGamma(a, NAN) == 0.0) << a;
    }
}

// Shapes from 1e5 to 1e15 and probabilities from 1e-300 up, at random with a
// fixed seed: the integrals stay in [0, 1] and add to 1, every inverse is a
// finite root of its integral to within its own precision, and every call
// ends within a bounded number of rounds.
TEST(LargeShapeIncompleteGamma, SweepRoundTripsWithinBoundedRounds)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> shapeExponent(5, 15);
    std::uniform_real_distribution<double> probabilityExponent(-300, 0);
    std::uniform_real_distribution<double> unit(0, 1);
    long long mostRounds = 0;
    for (int i = 0; i < 400; ++i) {
        const double a = std::pow(10, shapeExponent(random));
        const double x = a + (80 * unit(random) - 40) * std::sqrt(a);
        IterationCount count;
        const double p = incompleteGamma(a, x, &count);
        const double q = complementaryIncompleteGamma(a, x, &count);
        ASSERT_TRUE(p >= 0 && p <= 1 && q >= 0 && q <= 1) << a << " " << x;
        EXPECT_NEAR(p + q, 1.0, 4e-16) << a << " " << x;
        mostRounds = std::max(mostRounds, count.rounds);

        const double y = i % 4 == 0 ? unit(random) : std::pow(10, probabilityExponent(random));
        if (!(y > 0 && y < 1)) continue;
        IterationCount lowerCount, upperCount;
        const double lower = inverseIncompleteGamma(a, y, &lowerCount);
        const double upper = inverseComplementaryIncompleteGamma(a, y, &upperCount);
        ASSERT_TRUE(std::isfinite(lower) && std::isfinite(upper) && lower > 0) << a << " " << y;
        mostRounds = std::max({mostRounds, lowerCount.rounds, upperCount.rounds});
        // Near the root at a = 1e15 one unit of x moves the tail by up to 1e-8 of
        // itself, so the check is that x is the root to within its own precision.
        const auto lowerTail = [a](double t) { return incompleteGamma(a, t); };
        const auto upperTail = [a](double t) { return complementaryIncompleteGamma(a, t); };
        EXPECT_TRUE(solvesWithinItsPrecision(lowerTail, lower, y, 1e-15, 1e-12)) << a << " " << y;
        EXPECT_TRUE(solvesWithinItsPrecision(upperTail, upper, y, 1e-15, 1e-12)) << a << " " << y;
    }
    std::cout << "[ measured ] most rounds in one call " << mostRounds << "\n";
    EXPECT_LE(mostRounds, 1000);
}

TEST(ScaledComplementaryErrorFunction, MatchesHighPrecisionValues)
{
    const auto lines = readTaggedReferences(referenceFile, "scaledErfc");
    ASSERT_GT(lines.size(), 10u);
    double largest = 0;
    for (const auto& line : lines) {
        IterationCount count;
        const double error =
            relativeError(scaledComplementaryErrorFunction(argument(line, 0), &count), argument(line, 1));
        EXPECT_LT(error, 4e-16) << line[0];
        EXPECT_LE(count.rounds, 10) << line[0];
        largest = std::fmax(largest, error);
    }
    std::cout << "[ measured ] scaledErfc largest relative error " << largest << "\n";
    EXPECT_EQ(scaledComplementaryErrorFunction(INFINITY), 0.0);
    EXPECT_TRUE(std::isnan(scaledComplementaryErrorFunction(-1)));
    EXPECT_TRUE(std::isnan(scaledComplementaryErrorFunction(NAN)));
}

}  // namespace
