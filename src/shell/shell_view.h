#pragma once

#include <optional>
#include <string>

#include "shell/shell_state.h"

// The fields of the right-hand panels, in the window's order (the Tab order).
enum class Field {
    Parameter1,
    Parameter2,
    X,
    Pdf,
    Cdf,
    Survival,
    Hazard,
    Q,
    Quantile,
    Mean,
    StandardDeviation,
    CoefficientOfVariation,
    Skewness,
    Kurtosis,
};
inline constexpr int fieldCount = 14;

// The fields of the interval panel: the ends a and b and the probability p
// that the user types, then the results.
enum class IntervalField { A, B, P, Below, Inside, Above, CentralLow, CentralHigh };
inline constexpr int intervalFieldCount = 8;

// The labels of the parameter rows; their texts are Symbol-typeface bytes
// (see symbol_text.h).
enum class Label { ParameterSymbol1, ParameterSymbol2, ParameterDomain1, ParameterDomain2 };
inline constexpr int labelCount = 4;

// The selections a window shows: the distribution list, the function
// selector, and the radio marks of the Distributions, Function and Options menus.
enum class Selection { DistributionList, DistributionMark, FunctionTab, FunctionMark, LineWeightMark };
inline constexpr int selectionCount = 5;

// What a front end mirrors. The shell tells its view about every text, mark,
// selection and visibility that it changes itself; a text the user typed is
// already in the view and is not echoed back. A view must not feed these
// changes back into the shell's commands (in Qt: connect textEdited and
// activated, not textChanged and currentIndexChanged).
class ShellView {
public:
    virtual ~ShellView() = default;

    virtual void fieldTextChanged(Field /*field*/, const std::string& /*text*/) {}
    virtual void fieldVisibilityChanged(Field /*field*/, bool /*visible*/) {}
    virtual void labelTextChanged(Label /*label*/, const std::string& /*symbolText*/) {}
    virtual void selectionChanged(Selection /*selection*/, int /*index*/) {}
    virtual void graphTitleChanged(const std::string& /*title*/) {}

    // A result field's value was computed anew, whether or not its text changed.
    virtual void resultChanged(Field /*field*/) {}

    // A field of the interval panel shows a new text.
    virtual void intervalTextChanged(IntervalField /*field*/, const std::string& /*text*/) {}

    // The formula picture of distribution d and function f is to be repainted.
    virtual void formulaChanged(int /*distribution*/, ShownFunction /*function*/) {}

    // Shows the colour dialog for the target, starting from the custom slots,
    // which the dialog may change. Returns the chosen colour, or nothing when
    // the user cancels.
    virtual std::optional<Color> runColorDialog(ColorTarget /*target*/, CustomColors& /*customColors*/)
    {
        return std::nullopt;
    }
};
