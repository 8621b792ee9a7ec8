#pragma once

#include <array>
#include <cstdint>

#include "graph/plot_request.h"
#include "model/catalogue.h"

// A colour laid out 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;

// The custom-colour slots of the colour dialog, shared by the four colour
// commands and kept for the run only.
using CustomColors = std::array<Color, 16>;

enum class ColorTarget { Function, Grid, Background, Text };

namespace default_colors {
inline constexpr Color function = 0xD00000;    // RGB(0, 0, 208)
inline constexpr Color grid = 0xD00000;        // the same as the curve
inline constexpr Color background = 0xE0F0E0;  // RGB(224, 240, 224)
inline constexpr Color text = 0x404040;        // RGB(64, 64, 64)
inline constexpr Color customSlot = 0xFFFFFF;
}  // namespace default_colors

inline constexpr int thinLine = 1;
inline constexpr int normalLine = 2;
inline constexpr int boldLine = 3;

// The state of a run: what is selected and how the graph is drawn. The
// distributions' parameters live in the shell's distribution instances.
struct ShellState {
    int selectedDistribution = defaultDistribution;
    int selectedFunction = 0;  // 0 density or mass, 1 cdf, 2 survival, 3 hazard
    int lineWeight = normalLine;
    Color functionColor = default_colors::function;
    Color gridColor = default_colors::grid;
    Color backgroundColor = default_colors::background;
    Color textColor = default_colors::text;
    CustomColors customColors = [] {
        CustomColors colors;
        colors.fill(default_colors::customSlot);
        return colors;
    }();

    GraphOptions graphOptions() const { return {functionColor, gridColor, backgroundColor, textColor, lineWeight}; }
    void setGraphOptions(const GraphOptions& options);
    Color& color(ColorTarget target);
};

// The long names of the four functions: the graph box title and the tooltips
// of the function selector.
extern const std::array<const char*, functionCount> functionNames;
