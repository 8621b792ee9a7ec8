#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graph/plot_request.h"
#include "model/shown_function.h"

class Distribution;

// The fixed pixel frame of the graph (origin top left, y grows downwards).
namespace plot_frame {
inline constexpr int width = 304;
inline constexpr int height = 230;
inline constexpr int sampleCount = 274;      // samples i = 0..273
inline constexpr int sampleIntervals = 273;  // equal steps across the x-range
inline constexpr int leftEdge = 15;          // sample 0, x axis start, y axis when 0 is outside the range
inline constexpr int axisSpan = 274;         // left edge to x axis end; every x position except the curve's
inline constexpr int xAxisEnd = 289;
inline constexpr int baseline = 215;    // the value 0 and the x axis
inline constexpr int plotHeight = 190;  // baseline to the largest value, which lands on y = 25
inline constexpr int yAxisTop = 15;
inline constexpr double gapMarker = -1.0;  // a sample that is not drawn
}  // namespace plot_frame

struct PlotPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// (left, top, right, bottom); right and bottom lie just outside.
struct PlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

struct PlotYTick {
    double value = 0.0;
    int y = 0;  // the mark runs from (yAxisX - 4, y) to (yAxisX + 4, y)
    std::string label;
    PlotRect labelRect;
};

struct PlotXTick {
    double value = 0.0;
    int x = 0;  // the mark runs from (x, 218) to (x, 212)
};

struct PlotLabel {
    std::string text;
    PlotRect rect;
};

// One graph as pixel data.
struct FunctionPlot {
    // The parameters are unusable (the status after graphHigh was not Ok);
    // nothing else is meaningful and the graph shows its invalid-parameter text.
    bool parametersInvalid = false;
    // A stop request ended the sampling; nothing but the range is meaningful.
    bool abandoned = false;

    double low = 0.0;
    double high = 0.0;
    std::array<double, plot_frame::sampleCount> samples{};
    double maxValue = plot_frame::gapMarker;  // the largest valid sample

    std::vector<PlotPoint> curve;  // start point, then one point per valid sample
    int yAxisX = plot_frame::leftEdge;
    std::optional<PlotRect> zeroLabel;  // when 0 lies strictly inside the range
    std::vector<PlotYTick> yTicks;
    std::vector<PlotXTick> xTicks;
    std::vector<PlotLabel> xLabels;  // the first tick's label, then the last tick's

    // An interval marked on the graph (see markInterval): under a density or
    // mass, the curve points whose samples lie in it, each the top of a shaded
    // column down to the baseline; on the other functions, the x positions of
    // its ends that lie in the range, each a vertical line.
    std::vector<PlotPoint> shadedColumns;
    std::vector<int> intervalMarks;
};

using StopQuery = std::function<bool()>;

// Marks [interval.low, interval.high] on a computed plot of `function`. A
// discrete distribution's interval holds its whole ends: the samples from
// ceil(low) up to, not including, floor(high) + 1 are shaded.
void markInterval(FunctionPlot& plot, ShownFunction function, bool continuous, const PlotInterval& interval);

// The graph of function f (0 density or mass, 1 distribution function,
// 2 survival, 3 hazard) of the distribution over the distribution's own graph
// range. stopRequested is asked before every sample; once it answers true the
// result is marked abandoned. Calls only operations of `distribution`, which
// must not be used by another thread meanwhile.
FunctionPlot computeFunctionPlot(Distribution& distribution, ShownFunction function,
                                 const StopQuery& stopRequested = {});
