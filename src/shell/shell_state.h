#pragma once

#include <array>
#include <cstdint>

#include "graph/plot_request.h"
#include "model/catalogue.h"

// The custom-colour slots of the colour dialog, shared by the four colour
// commands and kept for the run only.
using CustomColors = std::array<Color, 16>;

enum class ColorTarget { Function, Grid, Background, Text };

// The colour of an unused custom-colour slot: white.
inline constexpr Color emptyCustomColor = 0xFFFFFF;

// The state of a run: what is selected and how the graph is drawn. The
// distributions' parameters live in the shell's distribution instances.
struct ShellState {
    int selectedDistribution = defaultDistribution;
    ShownFunction selectedFunction = ShownFunction::Density;
    int lineWeight = normalLine;
    Color functionColor = default_colors::function;
    Color gridColor = default_colors::grid;
    Color backgroundColor = default_colors::background;
    Color textColor = default_colors::text;
    CustomColors customColors = [] {
        CustomColors colors;
        colors.fill(emptyCustomColor);
        return colors;
    }();

    GraphOptions graphOptions() const { return {functionColor, gridColor, backgroundColor, textColor, lineWeight}; }
    void setGraphOptions(const GraphOptions& options);
    Color& color(ColorTarget target);
};

// The long names of the four functions: the graph box title and the tooltips
// of the function selector.
extern const std::array<const char*, shownFunctionCount> functionNames;
