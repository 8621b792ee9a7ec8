#include "window/control_table.h"

namespace {

using K = ControlKind;
using F = ControlFont;
using R = ControlRole;

constexpr const char* noTip = nullptr;

}  // namespace

// clang-format off
const std::array<ControlSpec, controlCount> controlTable = {{
    {R::Tooltips,         K::TooltipWindow,     0,   0,    0,   0, F::Ui,     "", noTip},
    {R::DistributionList, K::DropDownList,      8,   10, 315, 160, F::Ui,     "", "Distributions list"},
    {R::FunctionSelector, K::FunctionSelector,  8,   38, 315,  24, F::Ui,     "", noTip},
    {R::GraphBox,         K::GroupBox,          8,   66, 315, 316, F::Ui,     "Probability Density Function (PDF)", noTip},
    {R::Fixed,            K::GroupBox,          328,  4, 280,  56, F::Ui,     "Distribution's Parameters", noTip},
    {R::Fixed,            K::GroupBox,          328, 232, 280, 150, F::Ui,    "Common Statistics", noTip},
    {R::Fixed,            K::GroupBox,          328, 152, 280,  68, F::Ui,    "q-Quantile", noTip},
    {R::Fixed,            K::GroupBox,          328, 66, 280,  78, F::Ui,     "Function value", noTip},
    {R::FormulaBox,       K::PictureBox,        12,  82, 306,  62, F::None,   "", "Formula"},
    {R::GraphArea,        K::PictureBox,        12, 145, 304, 230, F::None,   "", "Graph of Function"},
    {R::ParameterField1,  K::NumericField,      350, 28,  64,  20, F::Ui,     "", "Value of Distribution Parameter"},
    {R::ParameterField2,  K::NumericField,      486, 28,  64,  20, F::Ui,     "", "Value of Distribution Parameter"},
    {R::ParameterSymbol1, K::RightAlignedLabel, 330, 28,  16,  20, F::Symbol, "a", noTip},
    {R::ParameterSymbol2, K::RightAlignedLabel, 466, 28,  16,  20, F::Symbol, "b", noTip},
    {R::ParameterDomain1, K::LeftAlignedLabel,  416, 28,  46,  20, F::Symbol, "\xCE" "[0;+" "\xA5" ")", noTip},
    {R::ParameterDomain2, K::LeftAlignedLabel,  552, 28,  46,  20, F::Symbol, "\xCE" "[0;+" "\xA5" ")", noTip},
    {R::XField,           K::NumericField,      350, 97,  64,  20, F::Ui,     "0", "Value of X"},
    {R::DensityValue,     K::NumericResult,     440, 84,  64,  20, F::Ui,     "", "Value of \nProbability Density Function (PDF)"},
    {R::DistributionValue, K::NumericResult,    530, 84,  64,  20, F::Ui,     "", "Value of \nCumulative Distribution Function (CDF)"},
    {R::SurvivalValue,    K::NumericResult,     440, 114, 64,  20, F::Ui,     "", "Value of \nSurvival Function"},
    {R::HazardValue,      K::NumericResult,     530, 114, 64,  20, F::Ui,     "", "Value of \nHazard Function"},
    {R::Fixed,            K::RightAlignedLabel, 330, 99,  16,  20, F::Ui,     "x", noTip},
    {R::Fixed,            K::RightAlignedLabel, 420, 86,  16,  20, F::Ui,     "f", noTip},
    {R::Fixed,            K::RightAlignedLabel, 510, 86,  16,  20, F::Ui,     "F", noTip},
    {R::Fixed,            K::RightAlignedLabel, 420, 112, 16,  20, F::Ui,     "S", noTip},
    {R::Fixed,            K::RightAlignedLabel, 510, 112, 16,  20, F::Ui,     "h", noTip},
    {R::QField,           K::NumericField,      370, 182, 64,  20, F::Ui,     "0.95", "Quantile value"},
    {R::QuantileValue,    K::NumericResult,     506, 182, 64,  20, F::Ui,     "", "Value of X"},
    {R::Fixed,            K::RightAlignedLabel, 350, 184, 16,  20, F::Ui,     "q", noTip},
    {R::Fixed,            K::RightAlignedLabel, 486, 184, 16,  20, F::Ui,     "x", noTip},
    {R::Fixed,            K::LeftAlignedLabel,  436, 184, 46,  20, F::Symbol, "\xCE" "[0;1]", noTip},
    {R::MeanValue,        K::ReadOnlyEdit,      488, 250, 64,  20, F::Ui,     "", "Value of Mean"},
    {R::StandardDeviationValue, K::ReadOnlyEdit, 488, 276, 64, 20, F::Ui,     "", "Value of Standart Deviation"},
    {R::CoefficientOfVariationValue, K::ReadOnlyEdit, 488, 302, 64, 20, F::Ui, "", "Value of Coefficient of Variation"},
    {R::SkewnessValue,    K::ReadOnlyEdit,      488, 328, 64,  20, F::Ui,     "", "Value of Skewness"},
    {R::KurtosisValue,    K::ReadOnlyEdit,      488, 354, 64,  20, F::Ui,     "", "Value of Kurtosis"},
    {R::Fixed,            K::RightAlignedLabel, 340, 252, 140, 20, F::Ui,     "Mean", noTip},
    {R::Fixed,            K::RightAlignedLabel, 342, 278, 140, 20, F::Ui,     "Standard Deviation", noTip},
    {R::Fixed,            K::RightAlignedLabel, 340, 304, 140, 20, F::Ui,     "Coefficient of Variation", noTip},
    {R::Fixed,            K::RightAlignedLabel, 340, 330, 140, 20, F::Ui,     "Skewness", noTip},
    {R::Fixed,            K::RightAlignedLabel, 340, 356, 140, 20, F::Ui,     "Kurtosis", noTip},
}};
// clang-format on

const ControlSpec& controlSpec(ControlRole role)
{
    for (const ControlSpec& row : controlTable) {
        if (row.role == role) return row;
    }
    return controlTable.front();
}
