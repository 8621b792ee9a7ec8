#include "graph/graph_renderer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "graph/graph_image.h"
#include "scripted_distribution.h"

namespace {

using namespace std::chrono_literals;
using Result = ScriptedDistribution::Result;

// Catalogue entry 0 is a density equal to its first parameter on [1, 2],
// taking `delay` per sample; the calls are counted per parameter value 0..15.
struct SlowDensity {
    std::chrono::microseconds delay{0};
    std::array<std::atomic<int>, 16> calls{};

    DistributionSet makeSet()
    {
        DistributionSet set;
        auto distribution = std::make_unique<ScriptedDistribution>(true, 1.0, 2.0);
        distribution->density = [this, d = distribution.get()](double) {
            const double value = d->parameter1();
            ++calls[static_cast<std::size_t>(value) % calls.size()];
            if (delay.count() > 0) std::this_thread::sleep_for(delay);
            return Result{value};
        };
        set[0] = std::move(distribution);
        return set;
    }

    int callsFor(int value) const { return calls[value].load(); }

    void waitForCall(int value) const
    {
        for (int n = 0; n < 10000 && callsFor(value) == 0; ++n) std::this_thread::sleep_for(1ms);
        ASSERT_GT(callsFor(value), 0) << "the render thread never began the pass";
    }
};

PlotRequest densityRequest(int value, std::uint32_t functionColor = 0xD00000)
{
    PlotRequest request;
    request.distribution = 0;
    request.parameters[0] = value;
    request.function = ShownFunction::Density;
    request.options.functionColor = functionColor;
    return request;
}

// The images handed over, as the render thread delivers them.
class Received {
public:
    GraphRenderer::ImageReady callback()
    {
        return [this](QImage image) {
            const std::lock_guard lock(mutex_);
            images_.push_back(std::move(image));
        };
    }
    std::vector<QImage> images()
    {
        const std::lock_guard lock(mutex_);
        return images_;
    }

private:
    std::mutex mutex_;
    std::vector<QImage> images_;
};

QImage expectedImage(const PlotRequest& request)
{
    SlowDensity fast;
    DistributionSet set = fast.makeSet();
    return renderGraphImage(request, set);
}

TEST(GraphRenderer, ARequestWhileIdleMakesExactlyOnePass)
{
    SlowDensity density;
    Received received;
    GraphRenderer renderer(received.callback(), density.makeSet());
    renderer.requestRedraw(densityRequest(3));
    renderer.waitUntilIdle();
    EXPECT_EQ(renderer.passCount(), 1);
    const std::vector<QImage> images = received.images();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0], expectedImage(densityRequest(3)));
    EXPECT_EQ(density.callsFor(3), 274);

    renderer.requestRedraw(densityRequest(4));
    renderer.waitUntilIdle();
    EXPECT_EQ(renderer.passCount(), 2);
    EXPECT_EQ(received.images().size(), 2u);
}

TEST(GraphRenderer, ABurstOfRequestsEndsWithTheImageOfTheLast)
{
    SlowDensity density;
    density.delay = 200us;
    Received received;
    GraphRenderer renderer(received.callback(), density.makeSet());
    for (int value = 1; value <= 10; ++value) renderer.requestRedraw(densityRequest(value, 0x010101u * value));
    renderer.waitUntilIdle();

    const std::vector<QImage> images = received.images();
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images.back(), expectedImage(densityRequest(10, 0x0A0A0A)));
    EXPECT_LE(images.size(), static_cast<std::size_t>(renderer.passCount()));
    EXPECT_LE(renderer.passCount(), 10);
}

TEST(GraphRenderer, ARequestDuringAPassStopsItAndTheNewestFollows)
{
    SlowDensity density;
    density.delay = 5ms;  // 1.4 s a pass
    Received received;
    GraphRenderer renderer(received.callback(), density.makeSet());
    renderer.requestRedraw(densityRequest(1));
    density.waitForCall(1);
    renderer.requestRedraw(densityRequest(2));
    renderer.waitUntilIdle();

    EXPECT_LT(density.callsFor(1), 274);  // the first pass stopped early
    EXPECT_EQ(density.callsFor(2), 274);
    EXPECT_EQ(renderer.passCount(), 2);
    const std::vector<QImage> images = received.images();
    ASSERT_EQ(images.size(), 1u);  // a stopped pass hands nothing over
    EXPECT_EQ(images[0], expectedImage(densityRequest(2)));
}

TEST(GraphRenderer, DestructionDuringAPassStopsAndJoinsTheThread)
{
    SlowDensity density;
    density.delay = 5ms;
    Received received;
    auto renderer = std::make_unique<GraphRenderer>(received.callback(), density.makeSet());
    renderer->requestRedraw(densityRequest(1));
    density.waitForCall(1);
    renderer.reset();

    const int calls = density.callsFor(1);
    EXPECT_LT(calls, 274);
    EXPECT_TRUE(received.images().empty());
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(density.callsFor(1), calls);  // nothing runs after the join
}

TEST(GraphRenderer, AnIndexWithoutADistributionShowsTheInvalidParameterMessage)
{
    SlowDensity density;
    Received received;
    GraphRenderer renderer(received.callback(), density.makeSet());
    for (int index : {-1, 3, 15}) {
        PlotRequest request = densityRequest(1);
        request.distribution = index;
        renderer.requestRedraw(request);
        renderer.waitUntilIdle();
    }
    ScriptedDistribution invalid(true);
    invalid.rangeStatus = ResultStatus::Invalid;
    const GraphOptions options;
    QImage expected = newGraphImage(options);
    drawFunctionPlot(expected, computeFunctionPlot(invalid, ShownFunction::Density), options);
    const std::vector<QImage> images = received.images();
    ASSERT_EQ(images.size(), 3u);
    for (const QImage& image : images) EXPECT_EQ(image, expected);
}

}  // namespace
