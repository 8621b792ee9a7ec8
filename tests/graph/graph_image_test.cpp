#include "graph/graph_image.h"

#include <gtest/gtest.h>

#include <QColor>

#include "scripted_distribution.h"

namespace {

using Result = ScriptedDistribution::Result;

// Four colours that cannot be mistaken for each other, nor their byte order.
GraphOptions distinctOptions(int lineWeight = 1)
{
    GraphOptions options;
    options.functionColor = 0x0000FF;    // red
    options.gridColor = 0x00FF00;        // green
    options.backgroundColor = 0x332211;  // r 0x11, g 0x22, b 0x33
    options.textColor = 0xFF0000;        // blue
    options.lineWeight = lineWeight;
    return options;
}

const QColor function(255, 0, 0);
const QColor grid(0, 255, 0);
const QColor background(0x11, 0x22, 0x33);
const QColor text(0, 0, 255);

// A constant density over [low, high]: its curve is the row y = 25.
struct Drawn {
    FunctionPlot plot;
    QImage image;
    bool complete;
};

Drawn drawConstant(double low, double high, const GraphOptions& options, const StopQuery& stop = {})
{
    ScriptedDistribution distribution(true, low, high);
    distribution.density = [](double) { return Result{1.0}; };
    Drawn drawn{computeFunctionPlot(distribution, ShownFunction::Density), newGraphImage(options), false};
    drawn.complete = drawFunctionPlot(drawn.image, drawn.plot, options, stop);
    return drawn;
}

int countColour(const QImage& image, const QColor& colour, int left = 0, int top = 0, int right = 304, int bottom = 230)
{
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

TEST(GraphImage, IsA24BitFrameFilledWithTheBackground)
{
    const QImage image = newGraphImage(distinctOptions());
    EXPECT_EQ(image.size(), QSize(304, 230));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(countColour(image, background), 304 * 230);
}

TEST(GraphImage, AxesCoverTheirStartAndStopOnePixelBeforeTheirEnd)
{
    const Drawn drawn = drawConstant(1.0, 1.95, distinctOptions());
    ASSERT_TRUE(drawn.complete);
    ASSERT_EQ(drawn.plot.yAxisX, 15);
    ASSERT_LT(drawn.plot.xTicks.back().x, 289);
    const QImage& image = drawn.image;
    for (int x = 15; x < 289; ++x) EXPECT_EQ(image.pixelColor(x, 215), grid) << x;
    EXPECT_EQ(image.pixelColor(14, 215), background);
    EXPECT_EQ(image.pixelColor(289, 215), background);
    EXPECT_EQ(image.pixelColor(15, 216), background);
    for (int y = 15; y < 215; ++y) EXPECT_EQ(image.pixelColor(15, y), grid) << y;
    EXPECT_EQ(image.pixelColor(15, 14), background);
    EXPECT_EQ(image.pixelColor(16, 100), background);
    EXPECT_EQ(image.pixelColor(0, 0), background);
    EXPECT_EQ(image.pixelColor(303, 229), background);
}

TEST(GraphImage, TheCurveHasTheFunctionColourAndThePenWidth)
{
    struct Case {
        int weight, top, bottom;  // the rows the pen covers around y = 25
    };
    for (const Case c : {Case{1, 25, 25}, Case{2, 24, 25}, Case{3, 24, 26}, Case{0, 25, 25}}) {
        const Drawn drawn = drawConstant(1.0, 2.0, distinctOptions(c.weight));
        for (int x : {40, 100, 200, 280}) {
            for (int y = c.top - 2; y <= c.bottom + 2; ++y) {
                const bool inside = y >= c.top && y <= c.bottom;
                EXPECT_EQ(drawn.image.pixelColor(x, y), inside ? function : background)
                    << "weight " << c.weight << " at " << x << "," << y;
            }
        }
    }
    // The last curve point (288, 25) is where the last segment ends: not covered.
    const Drawn thin = drawConstant(1.0, 2.0, distinctOptions(1));
    EXPECT_EQ(thin.image.pixelColor(287, 25), function);
    EXPECT_EQ(thin.image.pixelColor(288, 25), background);
}

TEST(GraphImage, TicksAndLabelsLieOverTheCurveWhereThePlotPutsThem)
{
    const Drawn drawn = drawConstant(-1.0, 3.0, distinctOptions(1));
    const FunctionPlot& plot = drawn.plot;
    const QImage& image = drawn.image;
    ASSERT_EQ(plot.yAxisX, 15 + 68);
    ASSERT_EQ(plot.yTicks.size(), 1u);  // at the value 1, on the curve's row
    ASSERT_EQ(plot.yTicks[0].y, 25);
    for (int x = plot.yAxisX - 4; x < plot.yAxisX + 4; ++x) EXPECT_EQ(image.pixelColor(x, 25), grid) << x;
    EXPECT_EQ(image.pixelColor(plot.yAxisX + 4, 25), function);  // the mark ends before the curve resumes
    EXPECT_EQ(image.pixelColor(plot.yAxisX - 5, 25), function);

    ASSERT_GE(plot.xTicks.size(), 2u);
    for (const PlotXTick& tick : plot.xTicks) {
        if (tick.x == plot.yAxisX) continue;  // the tick at 0 lies on the y axis
        for (int y = 213; y <= 218; ++y) EXPECT_EQ(image.pixelColor(tick.x, y), grid) << tick.x << "," << y;
        EXPECT_EQ(image.pixelColor(tick.x, 212), background) << tick.x;
        EXPECT_EQ(image.pixelColor(tick.x, 219), background) << tick.x;
    }

    // Each label's glyphs lie inside its rectangle, in the text colour.
    ASSERT_TRUE(plot.zeroLabel);
    const PlotRect zero = *plot.zeroLabel;
    EXPECT_GT(countColour(image, text, zero.left, zero.top, zero.right, zero.bottom), 10);
    const PlotRect one = plot.yTicks[0].labelRect;
    EXPECT_GT(countColour(image, text, one.left, one.top, one.right, one.bottom), 5);
    EXPECT_EQ(countColour(image, text, 0, 0, 304, one.top), 0);
    ASSERT_EQ(plot.xLabels.size(), 2u);
    for (const PlotLabel& label : plot.xLabels) {
        EXPECT_GT(countColour(image, text, label.rect.left, label.rect.top, label.rect.right, label.rect.bottom), 5)
            << label.text;
    }
    EXPECT_EQ(countColour(image, text, 0, 216, 304, 230), 0);  // clipped at the axis
}

TEST(GraphImage, InvalidParametersShowOnlyTheCentredMessage)
{
    ScriptedDistribution distribution(true, 0.0, 1.0);
    distribution.rangeStatus = ResultStatus::Invalid;
    const GraphOptions options = distinctOptions();
    QImage image = newGraphImage(options);
    ASSERT_TRUE(drawFunctionPlot(image, computeFunctionPlot(distribution, ShownFunction::Density), options));

    // Rows that carry text, as bands of consecutive rows, and the columns each band inks.
    struct Band {
        int top, bottom, left, right;
    };
    std::vector<Band> bands;
    for (int y = 0; y < 230; ++y) {
        int left = 304, right = -1;
        for (int x = 0; x < 304; ++x) {
            const QColor colour = image.pixelColor(x, y);
            ASSERT_TRUE(colour == text || colour == background) << x << "," << y;
            if (colour == text) left = std::min(left, x), right = std::max(right, x);
        }
        if (right < 0) continue;
        if (bands.empty() || bands.back().bottom != y - 1) bands.push_back({y, y, left, right});
        Band& band = bands.back();
        band.bottom = y;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
    }
    ASSERT_EQ(bands.size(), 2u);
    // The first cell starts at y = 57; the letters start below its internal leading.
    EXPECT_GE(bands[0].top, 57);
    EXPECT_LE(bands[0].top, 57 + 12);
    // Neither line descends below its baseline; the second baseline is one
    // cell (39 pixels for a 32-pixel em) lower, inside the message rectangle.
    EXPECT_EQ(bands[1].bottom - bands[0].bottom, 39);
    EXPECT_LT(bands[1].bottom, 172);
    // "Parameter" is centred; "Invalid " is centred with its trailing space, so its letters sit left.
    const double secondCentre = (bands[1].left + bands[1].right) / 2.0;
    const double firstCentre = (bands[0].left + bands[0].right) / 2.0;
    EXPECT_NEAR(secondCentre, 152.0, 3.0);
    EXPECT_LT(firstCentre, secondCentre - 2.0);
    EXPECT_GT(firstCentre, secondCentre - 10.0);
}

TEST(GraphImage, AStopRequestEndsTheCurveBeforeItsNextSegmentAndSkipsTheAxes)
{
    int checks = 0;
    const Drawn drawn = drawConstant(1.0, 2.0, distinctOptions(1), [&] { return ++checks > 50; });
    EXPECT_FALSE(drawn.complete);
    // Segments 1..50 drew the points 15..63 (the first is the empty start segment).
    EXPECT_EQ(countColour(drawn.image, function), 49);
    EXPECT_EQ(drawn.image.pixelColor(63, 25), function);
    EXPECT_EQ(drawn.image.pixelColor(64, 25), background);
    EXPECT_EQ(countColour(drawn.image, grid), 0);
}

}  // namespace

namespace {

// On a screen of double density the graph keeps its frame and gains detail:
// each frame pixel of the axis covers its own 2 x 2 device pixels, and the
// curve's slopes step by single device pixels instead of repeating 2 x 2 blocks.
TEST(GraphImage, AtDoubleDensityTheSameFrameIsDrawnWithTwiceThePixels)
{
    PlotRequest request;  // the standard normal density
    request.options = distinctOptions();
    request.devicePixelRatio = 2.0;
    const QImage image = renderGraphImage(request);
    ASSERT_EQ(image.size(), QSize(608, 460));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);

    constexpr int baseline = plot_frame::baseline;
    EXPECT_EQ(countColour(image, grid, 2 * 15, 2 * baseline, 2 * 289, 2 * baseline + 2), 2 * 2 * 274);

    int curveBlocksWithDetail = 0;  // 2 x 2 blocks partly of the curve's colour
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const int curvePixels = (image.pixelColor(x, y) == function) + (image.pixelColor(x + 1, y) == function) +
                                    (image.pixelColor(x, y + 1) == function) +
                                    (image.pixelColor(x + 1, y + 1) == function);
            curveBlocksWithDetail += curvePixels > 0 && curvePixels < 4;
        }
    }
    EXPECT_GT(curveBlocksWithDetail, 100);
}

}  // namespace
