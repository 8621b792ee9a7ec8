#include "model/interval_probability.h"

#include <gtest/gtest.h>

#include "model/discrete_distributions.h"
#include "model/normal_distributions.h"

namespace {

// Reference values: mpmath at 40 digits (normal), exact fractions of 1024 (binomial).
TEST(IntervalProbability, EachPartComesFromItsOwnTailAndTheThreeSumToOne)
{
    NormalDistribution normal(0.0, 1.0);
    BinomialDistribution binomial(10, 0.5);
    const struct {
        Distribution* distribution;
        double a, b;
        double below, inside, above;
    } cases[] = {
        {&normal, -1, 1, 0.15865525393145705, 0.68268949213708590, 0.15865525393145705},
        // Far in either tail the interval keeps its digits: no 1 - 1 cancellation.
        {&normal, 8, 9, 1 - 6.2209605742717841e-16, 6.2198319858658303e-16, 1.1285884059538406e-19},
        {&normal, -9, -8, 1.1285884059538406e-19, 6.2198319858658303e-16, 1 - 6.2209605742717841e-16},
        // Both ends belong to a discrete interval: P(3 <= X <= 7) = F(7) - F(2).
        {&binomial, 3, 7, 56 / 1024.0, 912 / 1024.0, 56 / 1024.0},
        {&binomial, 2.5, 7.5, 56 / 1024.0, 912 / 1024.0, 56 / 1024.0},
        {&binomial, 5, 5, 386 / 1024.0, 252 / 1024.0, 386 / 1024.0},
    };
    for (const auto& c : cases) {
        const IntervalProbabilities p = intervalProbabilities(*c.distribution, c.a, c.b);
        SCOPED_TRACE(testing::Message() << "[" << c.a << ", " << c.b << "]");
        EXPECT_EQ(p.inside.status, ResultStatus::Ok);
        EXPECT_NEAR(p.below.value, c.below, 1e-13 * c.below);
        EXPECT_NEAR(p.inside.value, c.inside, 1e-13 * c.inside);
        EXPECT_NEAR(p.above.value, c.above, 1e-13 * c.above);
    }
}

TEST(IntervalProbability, AReversedOrMissingIntervalAndBadParametersGiveNoNumber)
{
    NormalDistribution normal(0.0, 1.0);
    for (const auto& [a, b] : {std::pair{1.0, -1.0}, {std::nan(""), 1.0}}) {
        const IntervalProbabilities p = intervalProbabilities(normal, a, b);
        EXPECT_EQ(p.below.status, ResultStatus::Invalid);
        EXPECT_EQ(p.inside.status, ResultStatus::Invalid);
        EXPECT_EQ(p.above.status, ResultStatus::Invalid);
    }
    NormalDistribution invalid(0.0, -1.0);
    EXPECT_EQ(intervalProbabilities(invalid, -1, 1).inside.status, ResultStatus::Invalid);
}

TEST(IntervalProbability, TheCentralIntervalHoldsP)
{
    NormalDistribution normal(0.0, 1.0);
    const CentralInterval central = centralInterval(normal, 0.95);
    EXPECT_NEAR(central.low.value, -1.9599639845400539, 1e-15);
    EXPECT_NEAR(central.high.value, 1.9599639845400539, 1e-15);
    EXPECT_EQ(centralInterval(normal, 1.5).low.status, ResultStatus::Invalid);
}

}  // namespace
