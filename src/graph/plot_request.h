#pragma once

#include <cstdint>
#include <optional>

#include "model/shown_function.h"

// A colour laid out 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;

namespace default_colors {
inline constexpr Color function = 0xD00000;    // RGB(0, 0, 208)
inline constexpr Color grid = 0xD00000;        // the same as the curve
inline constexpr Color background = 0xE0F0E0;  // RGB(224, 240, 224)
inline constexpr Color text = 0x404040;        // RGB(64, 64, 64)
}  // namespace default_colors

// The line weights: the function pen's width in pixels.
inline constexpr int thinLine = 1;
inline constexpr int normalLine = 2;
inline constexpr int boldLine = 3;

// The graph's options: the four colours and the line weight.
struct GraphOptions {
    Color functionColor = default_colors::function;
    Color gridColor = default_colors::grid;
    Color backgroundColor = default_colors::background;
    Color textColor = default_colors::text;
    int lineWeight = normalLine;

    friend bool operator==(const GraphOptions&, const GraphOptions&) = default;
};

// The interval [low, high] that the graph shades or marks.
struct PlotInterval {
    double low = 0.0;
    double high = 0.0;
    friend bool operator==(const PlotInterval&, const PlotInterval&) = default;
};

// Everything one graph depends on, copied out of the shell's state so that the
// render thread evaluates it on distribution instances of its own.
struct PlotRequest {
    int distribution = 1;  // catalogue index d
    double parameters[4] = {0.0, 1.0, 0.0, 0.0};
    ShownFunction function = ShownFunction::Density;
    GraphOptions options;
    std::optional<PlotInterval> interval;  // while the interval panel is open
    // Device pixels per pixel of the graph's frame: 2 on a screen of double
    // density draws the same graph with twice as many pixels each way.
    double devicePixelRatio = 1.0;
};
