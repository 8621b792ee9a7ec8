#include "shell/shell_state.h"

const std::array<const char*, shownFunctionCount> functionNames = {
    "Probability Density Function (PDF)",
    "Cumulative Distribution Function (CPF)",
    "Survival Function",
    "Hazard Function",
};

void ShellState::setGraphOptions(const GraphOptions& options)
{
    functionColor = options.functionColor;
    gridColor = options.gridColor;
    backgroundColor = options.backgroundColor;
    textColor = options.textColor;
    lineWeight = options.lineWeight;
}

Color& ShellState::color(ColorTarget target)
{
    switch (target) {
        case ColorTarget::Function:
            return functionColor;
        case ColorTarget::Grid:
            return gridColor;
        case ColorTarget::Background:
            return backgroundColor;
        case ColorTarget::Text:
            break;
    }
    return textColor;
}
