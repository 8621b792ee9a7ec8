#pragma once

#include <array>

// The main window's controls as data: one row per control, in creation order,
// which is also the order in which Tab moves the focus among those that take it.
// Positions are client coordinates (the area below the menu bar) in pixels.

enum class ControlKind {
    TooltipWindow,     // the tips' look; no widget of its own
    DropDownList,      // distribution list, no edit part
    FunctionSelector,  // four flat buttons of one group
    GroupBox,
    PictureBox,     // static picture with a sunken edge
    NumericField,   // editable numeric field with the character and paste filter
    NumericResult,  // read-only numeric field
    ReadOnlyEdit,   // read-only plain field
    RightAlignedLabel,
    LeftAlignedLabel,
};

enum class ControlFont { None, Ui, Symbol };

// What the window addresses a control by; rows it never changes are Fixed.
enum class ControlRole {
    Fixed,
    Tooltips,
    DistributionList,
    FunctionSelector,
    GraphBox,
    FormulaBox,
    GraphArea,
    ParameterField1,
    ParameterField2,
    ParameterSymbol1,
    ParameterSymbol2,
    ParameterDomain1,
    ParameterDomain2,
    XField,
    DensityValue,
    DistributionValue,
    SurvivalValue,
    HazardValue,
    QField,
    QuantileValue,
    MeanValue,
    StandardDeviationValue,
    CoefficientOfVariationValue,
    SkewnessValue,
    KurtosisValue,
};

struct ControlSpec {
    ControlRole role;
    ControlKind kind;
    int x;
    int y;
    int width;
    int height;
    ControlFont font;
    const char* text;     // Symbol-font rows hold Symbol typeface bytes
    const char* tooltip;  // nullptr: none; "\n" breaks the tip's line
};

inline constexpr int controlCount = 41;
extern const std::array<ControlSpec, controlCount> controlTable;

// The function selector's items, left to right; item i selects function i.
inline constexpr std::array<const char*, 4> functionSelectorItems = {"PDF", "CDF", "Survival", "Hazard"};

// The client area of the fixed-size window and the two footer texts, each
// painted in a 300 x 40 box at its top-left corner.
inline constexpr int clientWidth = 612;
inline constexpr int clientHeight = 416;

struct FooterText {
    int x;
    int y;
    int fontHeight;  // cell height in pixels, bold
};
inline constexpr FooterText footerTitle = {10, 386, 24};
inline constexpr FooterText footerAddress = {414, 390, 18};
inline constexpr int footerBoxWidth = 300;
inline constexpr int footerBoxHeight = 40;

// Finds the row of a role (every role but Fixed has exactly one row).
const ControlSpec& controlSpec(ControlRole role);
