#pragma once

#include <cstdint>

// The graph's options: colours laid out 0x00BBGGRR, and the line weight
// (1 thin, 2 normal, 3 bold; the function pen's width in pixels).
struct GraphOptions {
    std::uint32_t functionColor = 0xD00000;
    std::uint32_t gridColor = 0xD00000;
    std::uint32_t backgroundColor = 0xE0F0E0;
    std::uint32_t textColor = 0x404040;
    int lineWeight = 2;

    friend bool operator==(const GraphOptions&, const GraphOptions&) = default;
};

// Everything one graph depends on, copied out of the shell's state so that the
// render thread evaluates it on distribution instances of its own.
struct PlotRequest {
    int distribution = 1;  // catalogue index d
    double parameters[4] = {0.0, 1.0, 0.0, 0.0};
    int function = 0;  // 0 density or mass, 1 cdf, 2 survival, 3 hazard
    GraphOptions options;
};
