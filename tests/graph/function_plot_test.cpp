#include "graph/function_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/closed_form_distributions.h"
#include "model/discrete_distributions.h"
#include "model/normal_distributions.h"
#include "scripted_distribution.h"

namespace {

using Result = ScriptedDistribution::Result;
constexpr double gap = plot_frame::gapMarker;
constexpr double infinity = std::numeric_limits<double>::infinity();

double sampleX(const FunctionPlot& plot, int i) { return (plot.high - plot.low) * i / 273 + plot.low; }

std::vector<double> tickValues(const std::vector<PlotYTick>& ticks)
{
    std::vector<double> values;
    for (const PlotYTick& tick : ticks) values.push_back(tick.value);
    return values;
}

TEST(FunctionPlot, StandardNormalDensity)
{
    NormalDistribution normal(0.0, 1.0);
    const FunctionPlot plot = computeFunctionPlot(normal, ShownFunction::Density);
    ASSERT_FALSE(plot.parametersInvalid);
    EXPECT_NEAR(plot.low, -3.0902, 1e-4);
    EXPECT_EQ(plot.low, -plot.high);

    // The y axis in the middle of the span, "0" right of it.
    EXPECT_EQ(plot.yAxisX, 152);
    EXPECT_EQ(plot.zeroLabel, (PlotRect{156, 199, 162, 215}));

    // x step 0.6: eleven ticks from -3 to 3, only the first and the last labelled.
    ASSERT_EQ(plot.xTicks.size(), 11u);
    for (std::size_t n = 0; n < 11; ++n) EXPECT_NEAR(plot.xTicks[n].value, -3.0 + 0.6 * n, 1e-12) << n;
    EXPECT_EQ(plot.xTicks[5].x, 152);
    ASSERT_EQ(plot.xLabels.size(), 2u);
    EXPECT_EQ(plot.xLabels[0].text, "-3");
    EXPECT_EQ(plot.xLabels[1].text, "3");
    const int firstX = plot.xTicks.front().x;
    const int lastX = plot.xTicks.back().x;
    EXPECT_EQ(firstX, 15 + static_cast<int>((plot.xTicks[0].value - plot.low) / (2 * plot.high) * 274));
    EXPECT_EQ(plot.xLabels[0].rect, (PlotRect{firstX - 8, 199, firstX + 100, 215}));
    EXPECT_EQ(plot.xLabels[1].rect, (PlotRect{lastX - 8, 199, lastX + 100, 215}));

    // y step 0.1: ticks at 0.1 ... 0.4, the last at y = 25.
    const std::vector<double> values = tickValues(plot.yTicks);
    ASSERT_EQ(values.size(), 4u);
    for (int n = 0; n < 4; ++n) EXPECT_NEAR(values[n], 0.1 * (n + 1), 1e-12);
    EXPECT_EQ(plot.yTicks[3].y, 25);
    EXPECT_EQ(plot.yTicks[3].label, "0.4");
    EXPECT_EQ(plot.yTicks[0].labelRect, (PlotRect{158, plot.yTicks[0].y - 8, 289, 215}));

    // The curve: every sample valid, the peak in the middle, on y = 25 at most.
    EXPECT_NEAR(plot.maxValue, 0.3989, 1e-4);
    ASSERT_EQ(plot.curve.size(), 275u);
    EXPECT_EQ(plot.curve[0], plot.curve[1]);
    EXPECT_EQ(plot.curve[137].y, 25);
    EXPECT_EQ(plot.curve[138].y, 25);
    EXPECT_EQ(plot.curve[1].y, 213);  // 215 - 0.00337 * 190 / 0.3989, truncated
}

TEST(FunctionPlot, StandardNormalDistributionFunction)
{
    NormalDistribution normal(0.0, 1.0);
    const FunctionPlot plot = computeFunctionPlot(normal, ShownFunction::Distribution);
    EXPECT_NEAR(plot.maxValue, 0.999, 1e-9);
    const std::vector<double> values = tickValues(plot.yTicks);
    ASSERT_EQ(values.size(), 5u);
    for (int n = 0; n < 5; ++n) EXPECT_NEAR(values[n], 0.2 * (n + 1), 1e-12);
    EXPECT_EQ(plot.yTicks.back().y, 25);
    EXPECT_EQ(plot.yTicks.back().label, "1");
    EXPECT_EQ(plot.curve.back(), (PlotPoint{288, 25}));
}

TEST(FunctionPlot, ARangeAboveZeroPutsTheYAxisOnTheLeftEdge)
{
    NormalDistribution normal(10.0, 1.0);
    const FunctionPlot plot = computeFunctionPlot(normal, ShownFunction::Density);
    EXPECT_EQ(plot.yAxisX, 15);
    EXPECT_FALSE(plot.zeroLabel);
    ASSERT_FALSE(plot.yTicks.empty());
    EXPECT_EQ(plot.yTicks[0].labelRect.left, 21);
}

TEST(FunctionPlot, UniformWithoutAnIntervalKeepsOnlyTheAxes)
{
    struct Case {
        double a, b;
        bool zeroLabel;
    };
    for (const Case c :
         {Case{1.0, -1.0, true}, Case{2.0, 2.0, false}, Case{-1.0, -1.0, false}, Case{3.0, 1.0, false}}) {
        for (int function = 0; function < 4; ++function) {
            UniformDistribution uniform(c.a, c.b);
            const FunctionPlot plot = computeFunctionPlot(uniform, shownFunctionAt(function));
            EXPECT_FALSE(plot.parametersInvalid);
            EXPECT_TRUE(plot.curve.empty()) << c.a << " " << c.b << " f" << function;
            EXPECT_TRUE(plot.yTicks.empty());
            EXPECT_TRUE(plot.xTicks.empty());
            EXPECT_TRUE(plot.xLabels.empty());
            EXPECT_EQ(plot.zeroLabel.has_value(), c.zeroLabel);
            EXPECT_EQ(plot.yAxisX, c.zeroLabel ? 152 : 15);
        }
    }
}

TEST(FunctionPlot, UnusableParametersStopBeforeSampling)
{
    for (int function = 0; function < 4; ++function) {
        ScriptedDistribution distribution(true, -1.0, 1.0);
        distribution.rangeStatus = ResultStatus::Invalid;
        const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(function));
        EXPECT_TRUE(plot.parametersInvalid) << function;
        EXPECT_EQ(distribution.functionCalls, 0) << function;
        EXPECT_TRUE(plot.curve.empty());
    }
}

TEST(FunctionPlot, SingularPointsLeaveGapsThatTheCurveBridges)
{
    ScriptedDistribution distribution(true, 1.0, 2.0);
    distribution.density = [](double x) {
        if (x > 1.2 && x < 1.3) return Result{0.0, ResultStatus::SingularPoint};
        return Result{x};
    };
    const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);

    int gaps = 0;
    for (int i = 0; i < 274; ++i) {
        const double x = sampleX(plot, i);
        if (x > 1.2 && x < 1.3) {
            EXPECT_EQ(plot.samples[i], gap);
            ++gaps;
        } else {
            EXPECT_EQ(plot.samples[i], x);
        }
    }
    ASSERT_GT(gaps, 0);
    EXPECT_EQ(plot.maxValue, 2.0);
    // The start point, then one point per valid sample; no point at a gap.
    ASSERT_EQ(plot.curve.size(), 1u + 274u - gaps);
    EXPECT_EQ(plot.curve.front(), (PlotPoint{15, plot.curve[1].y}));
    for (std::size_t n = 2; n < plot.curve.size(); ++n) {
        const int i = plot.curve[n].x - 15;
        EXPECT_NE(plot.samples[i], gap);
        EXPECT_EQ(plot.curve[n].y, static_cast<int>(215 - plot.samples[i] * (190 / plot.maxValue)));
    }
    EXPECT_EQ(plot.curve.back(), (PlotPoint{288, 25}));  // the largest value lands on y = 25
}

TEST(FunctionPlot, FailedValuesAreGapsUntilTheFirstValidOneThenTheRunningMaximum)
{
    ScriptedDistribution distribution(true, 0.0, 273.0);  // x = i
    distribution.density = [](double x) {
        if (x < 10) return Result{0.0, ResultStatus::PlusInfinity};
        if (x == 100 || x == 101) return Result{0.0, ResultStatus::MinusInfinity};
        if (x == 150) return Result{0.0, ResultStatus::DivisionByZero};
        if (x == 200) return Result{infinity};  // an infinite value is a failure, whatever the status
        return Result{x < 120 ? x / 100 : 0.5};
    };
    const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);

    for (int i = 0; i < 10; ++i) EXPECT_EQ(plot.samples[i], gap) << i;
    EXPECT_EQ(plot.samples[10], 0.1);
    EXPECT_EQ(plot.samples[100], 0.99);  // the largest so far
    EXPECT_EQ(plot.samples[101], 0.99);
    EXPECT_EQ(plot.samples[150], 1.19);
    EXPECT_EQ(plot.samples[200], 1.19);
    EXPECT_EQ(plot.maxValue, 1.19);
    // The curve begins with a horizontal segment from the left edge.
    ASSERT_GE(plot.curve.size(), 2u);
    EXPECT_EQ(plot.curve[0], (PlotPoint{15, plot.curve[1].y}));
    EXPECT_EQ(plot.curve[1].x, 25);
    EXPECT_EQ(plot.curve.size(), 1u + 264u);
}

TEST(FunctionPlot, AllZeroValuesLieOnTheBaselineWithoutYTicks)
{
    ScriptedDistribution distribution(true, 1.0, 3.0);
    distribution.density = [](double) { return Result{0.0}; };
    const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);
    EXPECT_EQ(plot.maxValue, 0.0);
    ASSERT_EQ(plot.curve.size(), 275u);
    for (const PlotPoint& point : plot.curve) EXPECT_EQ(point.y, 215);
    EXPECT_TRUE(plot.yTicks.empty());
}

TEST(FunctionPlot, NoValidSampleLeavesOnlyTheAxes)
{
    ScriptedDistribution distribution(true, -2.0, 6.0);
    distribution.density = [](double) { return Result{0.0, ResultStatus::Invalid}; };
    const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);
    EXPECT_EQ(plot.maxValue, gap);
    EXPECT_TRUE(plot.curve.empty());
    EXPECT_TRUE(plot.yTicks.empty());
    EXPECT_EQ(plot.yAxisX, 15 + 68);  // a quarter of the span
    EXPECT_EQ(plot.zeroLabel, (PlotRect{87, 199, 93, 215}));
    EXPECT_FALSE(plot.xTicks.empty());
}

TEST(FunctionPlot, ExtremeScalesEndWithoutNonsenseTicks)
{
    struct Case {
        const char* what;
        double low, high, value;
        bool yTicks, xTicks;
    };
    const Case cases[] = {
        {"subnormal maximum", 1.0, 2.0, 1e-310, false, true},
        {"tiny normal maximum", 1.0, 2.0, 3e-300, true, true},
        {"huge maximum", 1.0, 2.0, 1.7e308, true, true},
        {"infinite high", 0.0, infinity, 1.0, false, false},
        {"infinite low", -infinity, 0.0, 1.0, false, false},
        {"range wider than a double", -1.5e308, 1.5e308, 1.0, false, false},
        {"not a number", std::nan(""), 1.0, 1.0, false, false},
        {"ticks lost in the precision of the range", 1e20, 1e20 + 65536, 1.0, true, false},
    };
    for (const Case& c : cases) {
        ScriptedDistribution distribution(true, c.low, c.high);
        const double value = c.value;
        distribution.density = [value](double) { return Result{value}; };
        const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);
        EXPECT_FALSE(plot.parametersInvalid) << c.what;
        EXPECT_EQ(!plot.yTicks.empty(), c.yTicks) << c.what;
        EXPECT_EQ(!plot.xTicks.empty(), c.xTicks) << c.what;
        EXPECT_LE(plot.yTicks.size(), 12u) << c.what;
        EXPECT_LE(plot.xTicks.size(), 12u) << c.what;
        for (const PlotYTick& tick : plot.yTicks) EXPECT_GE(tick.y, 15) << c.what;
        if (!c.xTicks) {
            EXPECT_EQ(plot.yAxisX, 15) << c.what;
            EXPECT_FALSE(plot.zeroLabel) << c.what;
        }
        // Whatever is drawn lies on the plot's rows.
        for (const PlotPoint& point : plot.curve) {
            EXPECT_GE(point.y, 25) << c.what;
            EXPECT_LE(point.y, 215) << c.what;
        }
    }
}

TEST(FunctionPlot, AStopRequestAbandonsTheSamplingBeforeTheNextSample)
{
    ScriptedDistribution distribution(true, 0.0, 1.0);
    int queries = 0;
    const FunctionPlot plot =
        computeFunctionPlot(distribution, ShownFunction::Distribution, [&] { return ++queries > 40; });
    EXPECT_TRUE(plot.abandoned);
    EXPECT_EQ(distribution.functionCalls, 40);
    EXPECT_TRUE(plot.curve.empty());
}

TEST(FunctionPlot, AnUnknownFunctionDrawsNoCurve)
{
    ScriptedDistribution distribution(true, 0.0, 1.0);
    const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(4));
    EXPECT_FALSE(plot.parametersInvalid);
    EXPECT_TRUE(plot.curve.empty());
    EXPECT_EQ(distribution.functionCalls, 0);
}

// ---- Discrete distributions: the mass walk.

TEST(FunctionPlot, DiscreteFunctionsAreStaircasesOfTheMassWalk)
{
    constexpr double p = 0.3;
    for (int function = 0; function < 3; ++function) {
        ScriptedDistribution distribution(false, 0.0, 9.0);
        scriptGeometric(distribution, p);
        const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(function));

        // One mass for the first sample, then one step per change of integer.
        EXPECT_EQ(distribution.functionCalls, 1) << function;
        EXPECT_EQ(distribution.stepCalls, 9) << function;
        for (int i = 0; i < 274; ++i) {
            const double k = std::floor(sampleX(plot, i));
            const double mass = p * std::pow(1 - p, k);
            const double below = geometricBelow(p, k);  // the masses from 0 to k
            const double expected = function == 0 ? mass : function == 1 ? below : 1 - below;
            EXPECT_NEAR(plot.samples[i], expected, 1e-15) << function << " " << i;
        }
        // Each step is flat, and each riser is one pixel wide.
        for (std::size_t n = 2; n < plot.curve.size(); ++n) {
            const int i = plot.curve[n].x - 15;
            const bool sameInteger = std::floor(sampleX(plot, i)) == std::floor(sampleX(plot, i - 1));
            EXPECT_EQ(plot.curve[n].y == plot.curve[n - 1].y, sameInteger) << function << " " << i;
        }
    }
}

TEST(FunctionPlot, DiscreteRunningSumsStartFromTheFirstMassOfTheRange)
{
    constexpr double p = 0.3;
    ScriptedDistribution distribution(false, 2.0, 9.0);
    scriptGeometric(distribution, p);
    const FunctionPlot cdf = computeFunctionPlot(distribution, ShownFunction::Distribution);
    const FunctionPlot survival = computeFunctionPlot(distribution, ShownFunction::Survival);
    const double first = p * std::pow(1 - p, 2);
    EXPECT_DOUBLE_EQ(cdf.samples[0], first);
    EXPECT_DOUBLE_EQ(survival.samples[0], 1 - first);
    EXPECT_DOUBLE_EQ(cdf.samples[273], first * (1 - std::pow(1 - p, 8)) / p);
}

TEST(FunctionPlot, WideDiscreteRangesKeepTheTrueMassAtEverySample)
{
    // 2000 integers: k moves by seven or eight per sample and is walked.
    // 4e8 integers: too many to walk; the masses in between come from the cdf.
    struct Case {
        double high, p;
    };
    for (const Case c : {Case{2000.0, 0.002}, Case{4e8, 1e-8}}) {
        for (int function = 0; function < 3; ++function) {
            ScriptedDistribution distribution(false, 0.0, c.high);
            scriptGeometric(distribution, c.p);
            const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(function));
            for (int i = 0; i < 274; ++i) {
                const double k = std::floor(sampleX(plot, i));
                const double mass = c.p * std::pow(1 - c.p, k);
                const double below = geometricBelow(c.p, k);
                const double expected = function == 0 ? mass : function == 1 ? below : 1 - below;
                ASSERT_NEAR(plot.samples[i], expected, 1e-9 * std::max(expected, c.p))
                    << c.high << " f" << function << " i" << i;
            }
        }
    }
}

TEST(FunctionPlot, ADiscretePassWalksShortGapsAndJumpsLongOnesOnceEach)
{
    // Samples 500 integers apart are walked; 600 apart, each sample takes its
    // mass from pdf and its running sum from one new cdf call, the cdf at the
    // previous sample being the one the previous jump computed.
    struct Case {
        double spacing;
        int function, functionCalls, stepCalls;
    };
    const Case cases[] = {
        {500, 0, 1, 273 * 500}, {500, 1, 1, 273 * 500},       {500, 2, 1, 273 * 500},
        {600, 0, 274, 0},       {600, 1, 1 + 3 + 2 * 272, 0}, {600, 2, 1 + 3 + 2 * 272, 0},
    };
    for (const Case& c : cases) {
        ScriptedDistribution distribution(false, 0.0, 273 * c.spacing);
        scriptGeometric(distribution, 1e-5);
        const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(c.function));
        EXPECT_EQ(distribution.functionCalls, c.functionCalls) << c.spacing << " f" << c.function;
        EXPECT_EQ(distribution.stepCalls, c.stepCalls) << c.spacing << " f" << c.function;
        const double k = 273 * c.spacing;
        const double expected = c.function == 0   ? 1e-5 * std::pow(1 - 1e-5, k)
                                : c.function == 1 ? geometricBelow(1e-5, k)
                                                  : 1 - geometricBelow(1e-5, k);
        EXPECT_NEAR(plot.samples[273], expected, 1e-9) << c.spacing << " f" << c.function;
    }
}

TEST(FunctionPlot, CatalogueDiscreteDistributionsDrawTheirMassesAndRunningSums)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<Distribution>()> make;
    };
    const Case cases[] = {
        {"Poisson 10", [] { return std::make_unique<PoissonDistribution>(10.0); }},
        {"binomial 3 0.9", [] { return std::make_unique<BinomialDistribution>(3, 0.9); }},  // range ends past N
        {"negative binomial 10 0.5", [] { return std::make_unique<NegativeBinomialDistribution>(10, 0.5); }},
        {"geometric 0.01", [] { return std::make_unique<GeometricDistribution>(0.01); }},  // 690 integers
    };
    for (const Case& c : cases) {
        for (int function = 0; function < 3; ++function) {
            const auto distribution = c.make();
            const auto reference = c.make();
            const FunctionPlot plot = computeFunctionPlot(*distribution, shownFunctionAt(function));
            ASSERT_FALSE(plot.parametersInvalid) << c.name;
            const double first = std::floor(plot.low);
            const double before = first > 0 ? reference->cdf(first - 1) : 0.0;
            int gaps = 0;
            for (int i = 0; i < 274; ++i) {
                const double k = std::floor(sampleX(plot, i));
                const double mass = reference->pdf(k);
                if (reference->status() == ResultStatus::SingularPoint) {
                    EXPECT_EQ(plot.samples[i], gap) << c.name << " i" << i;
                    ++gaps;
                    continue;
                }
                const double below = reference->cdf(k) - before;  // the masses from the first integer to k
                const double expected = function == 0 ? mass : function == 1 ? below : 1 - below;
                ASSERT_NEAR(plot.samples[i], expected, 1e-12) << c.name << " f" << function << " i" << i;
            }
            EXPECT_EQ(gaps > 0, c.name[0] == 'b') << c.name;
        }
    }
}

TEST(FunctionPlot, DiscreteHazardIsEvaluatedAtTheUnroundedX)
{
    ScriptedDistribution distribution(false, 0.0, 2.0);
    distribution.hazardFunction = [](double x) { return Result{x}; };
    const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Hazard);
    EXPECT_EQ(distribution.functionCalls, 274);
    EXPECT_EQ(distribution.stepCalls, 0);
    EXPECT_DOUBLE_EQ(plot.samples[1], 2.0 / 273);
}

TEST(FunctionPlot, DiscreteXTicksAreWholeSteps)
{
    struct Case {
        double low, high;
        int step, ticks;
        const char *first, *last;
    };
    const Case cases[] = {
        {0, 9, 1, 9, "1", "9"},
        {0, 31, 4, 7, "4", "28"},
        {0.2, 1.1, 1, 1, "1", "1"},  // one tick: its label twice, in the same place
    };
    for (const Case& c : cases) {
        ScriptedDistribution distribution(false, c.low, c.high);
        scriptGeometric(distribution, 0.5);
        const FunctionPlot plot = computeFunctionPlot(distribution, ShownFunction::Density);
        ASSERT_EQ(plot.xTicks.size(), static_cast<std::size_t>(c.ticks)) << c.high;
        EXPECT_EQ(plot.xTicks[1 % c.ticks].value - plot.xTicks[0].value, c.ticks > 1 ? c.step : 0);
        ASSERT_EQ(plot.xLabels.size(), 2u);
        EXPECT_EQ(plot.xLabels[0].text, c.first);
        EXPECT_EQ(plot.xLabels[1].text, c.last);
        const int lastX = plot.xTicks.back().x;
        EXPECT_EQ(plot.xLabels[1].rect, (PlotRect{lastX - 8, 199, lastX + 100, 215}));
    }
}

}  // namespace

namespace {

TEST(FunctionPlot, AnIntervalShadesTheSamplesInsideItAndMarksItsEndsOnTheOtherFunctions)
{
    NormalDistribution normal(0.0, 1.0);
    BinomialDistribution binomial(10, 0.5);
    const struct {
        Distribution* distribution;
        PlotInterval interval;
        bool (*inside)(double x);
    } cases[] = {
        {&normal, {-1.0, 1.0}, [](double x) { return x >= -1.0 && x <= 1.0; }},
        // Both whole ends belong to a discrete interval: 3 to 7 shades [3, 8).
        {&binomial, {2.5, 7.0}, [](double x) { return x >= 3.0 && x < 8.0; }},
    };
    for (const auto& c : cases) {
        FunctionPlot density = computeFunctionPlot(*c.distribution, ShownFunction::Density);
        markInterval(density, ShownFunction::Density, c.distribution->isContinuous(), c.interval);
        int expected = 0;
        for (int i = 0; i < plot_frame::sampleCount; ++i)
            expected += density.samples[i] != gap && c.inside(sampleX(density, i));
        EXPECT_EQ(static_cast<int>(density.shadedColumns.size()), expected);
        for (const PlotPoint& top : density.shadedColumns) {
            EXPECT_TRUE(c.inside(sampleX(density, top.x - plot_frame::leftEdge))) << top.x;
        }
        EXPECT_TRUE(density.intervalMarks.empty());

        FunctionPlot cdf = computeFunctionPlot(*c.distribution, ShownFunction::Distribution);
        markInterval(cdf, ShownFunction::Distribution, c.distribution->isContinuous(), c.interval);
        EXPECT_TRUE(cdf.shadedColumns.empty());
        EXPECT_EQ(cdf.intervalMarks.size(), 2u);
    }
}

}  // namespace

namespace {

TEST(FunctionPlot, ARangeBeyondTheDoublesDrawsOnlyTheAxesNotInvalidParameters)
{
    // Valid parameters whose 0.95 quantile overflows: exp(1000 * 1.645).
    LognormalDistribution wide(1.0, 1000.0);
    const FunctionPlot plot = computeFunctionPlot(wide, ShownFunction::Density);
    EXPECT_FALSE(plot.parametersInvalid);
    EXPECT_TRUE(plot.curve.empty());
    LognormalDistribution invalid(1.0, -1.0);
    EXPECT_TRUE(computeFunctionPlot(invalid, ShownFunction::Density).parametersInvalid);
}

}  // namespace
