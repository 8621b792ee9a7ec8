// The graph of every distribution and function of the catalogue.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "graph/graph_image.h"
#include "graph/graph_renderer.h"
#include "model/catalogue.h"

namespace {

PlotRequest requestFor(const Distribution& distribution, int d, int f)
{
    PlotRequest request;
    request.distribution = d;
    request.parameters[0] = distribution.parameter1();
    request.parameters[1] = distribution.parameter2();
    request.function = shownFunctionAt(f);
    return request;
}

TEST(CatalogueGraph, EveryDistributionAndFunctionRendersAlikeOnTheThreadAndSynchronously)
{
    std::mutex mutex;
    QImage shown;
    GraphRenderer renderer([&](QImage image) {
        const std::lock_guard lock(mutex);
        shown = std::move(image);
    });
    DistributionSet defaults = makeDistributionSet();
    for (int d = 0; d < distributionCount; ++d) {
        for (int f = 0; f < shownFunctionCount; ++f) {
            const PlotRequest request = requestFor(*defaults[d], d, f);
            renderer.requestRedraw(request);
            renderer.waitUntilIdle();

            const FunctionPlot plot = computeFunctionPlot(*defaults[d], shownFunctionAt(f));
            EXPECT_FALSE(plot.parametersInvalid) << distributionNames[d] << " f" << f;
            // Discrete distributions define no hazard.
            EXPECT_EQ(plot.curve.empty(), !defaults[d]->isContinuous() && f == 3) << distributionNames[d] << " f" << f;
            EXPECT_FALSE(plot.xTicks.empty()) << distributionNames[d] << " f" << f;

            const std::lock_guard lock(mutex);
            EXPECT_EQ(shown, renderGraphImage(request)) << distributionNames[d] << " f" << f;
        }
    }
}

TEST(CatalogueGraph, ExtremeParametersEndInAPlotWhoseTicksStayOnTheAxes)
{
    const double extremes[][2] = {
        {1e300, 1e300}, {1e-300, 1e-300}, {-1e300, 1e300}, {1e300, 1e-300}, {1e-300, 1e300},
        {0.0, 0.0},     {1e15, 0.999999}, {1e9, 1e-9},     {-5.0, 1e-12},   {4503599627370496.0, 0.5},
    };
    DistributionSet distributions = makeDistributionSet();
    for (int d = 0; d < distributionCount; ++d) {
        for (const auto& parameters : extremes) {
            for (int f = 0; f < shownFunctionCount; ++f) {
                Distribution& distribution = *distributions[d];
                distribution.setParameter1(parameters[0]).setParameter2(parameters[1]);
                const FunctionPlot plot = computeFunctionPlot(distribution, shownFunctionAt(f));
                if (plot.parametersInvalid) continue;
                EXPECT_LE(plot.xTicks.size(), 13u) << distributionNames[d] << " " << parameters[0];
                EXPECT_LE(plot.yTicks.size(), 10u) << distributionNames[d] << " " << parameters[0];
                for (const PlotXTick& tick : plot.xTicks) {
                    EXPECT_GE(tick.x, 15);
                    EXPECT_LE(tick.x, 289);
                }
                for (const PlotYTick& tick : plot.yTicks) {
                    EXPECT_GE(tick.y, 15);  // ticks reach up to 1.05 times the largest value
                    EXPECT_LE(tick.y, 215);
                }
            }
        }
    }
}

}  // namespace
