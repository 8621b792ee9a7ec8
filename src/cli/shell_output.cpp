#include "cli/shell_output.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

#include "cli/cli_options.h"
#include "cli/utf8_text.h"
#include "shell/shell.h"
#include "shell/symbol_text.h"

namespace {

// The labels beside the fields that are not parameters, as the window shows them.
struct FieldLabel {
    Field field;
    const char* label;
};
constexpr FieldLabel resultLabels[] = {
    {Field::X, "x"},
    {Field::Pdf, "f"},
    {Field::Cdf, "F"},
    {Field::Survival, "S"},
    {Field::Hazard, "h"},
    {Field::Q, "q \xE2\x88\x88[0;1]"},  // the q field's domain label reads ∈[0;1]
    {Field::Quantile, "x"},
    {Field::Mean, "Mean"},
    {Field::StandardDeviation, "Standard Deviation"},
    {Field::CoefficientOfVariation, "Coefficient of Variation"},
    {Field::Skewness, "Skewness"},
    {Field::Kurtosis, "Kurtosis"},
};

struct JsonKey {
    Field field;
    const char* key;
};
constexpr JsonKey inputKeys[] = {
    {Field::Parameter1, "p1"},
    {Field::Parameter2, "p2"},
    {Field::X, "x"},
    {Field::Q, "q"},
};
constexpr JsonKey computedKeys[] = {
    {Field::Mean, "mean"},
    {Field::StandardDeviation, "standardDeviation"},
    {Field::CoefficientOfVariation, "coefficientOfVariation"},
    {Field::Skewness, "skewness"},
    {Field::Kurtosis, "kurtosis"},
    {Field::Pdf, "pdf"},
    {Field::Cdf, "cdf"},
    {Field::Survival, "survival"},
    {Field::Hazard, "hazard"},
    {Field::Quantile, "quantile"},
};

struct IntervalKey {
    IntervalField field;
    const char* key;
    const char* label;
};
constexpr IntervalKey intervalKeys[] = {
    {IntervalField::Below, "intervalBelow", "P(X < a)"},
    {IntervalField::Inside, "intervalInside", "P(a \xE2\x89\xA4 X \xE2\x89\xA4 b)"},
    {IntervalField::Above, "intervalAbove", "P(X > b)"},
};
constexpr IntervalKey centralKeys[] = {
    {IntervalField::CentralLow, "centralLow", "Central interval low"},
    {IntervalField::CentralHigh, "centralHigh", "Central interval high"},
};

// The panel's results an output asks for, in order.
std::vector<IntervalKey> panelKeys(PanelKeys panel)
{
    std::vector<IntervalKey> keys;
    if (panel.interval) keys.insert(keys.end(), std::begin(intervalKeys), std::end(intervalKeys));
    if (panel.central) keys.insert(keys.end(), std::begin(centralKeys), std::end(centralKeys));
    return keys;
}

std::string parameterLabel(const Shell& shell, Label symbol, Label domain)
{
    return symbolTextToUtf8(shell.labelText(symbol)) + " " + symbolTextToUtf8(shell.labelText(domain));
}

}  // namespace

std::string jsonNumber(double value)
{
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string jsonString(std::string_view text)
{
    // JSON is UTF-8 text; a typed text or a file name may hold any bytes.
    std::string quoted = "\"";
    for (const char c : wellFormedUtf8(text)) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

void writeShellText(const Shell& shell, std::ostream& out, PanelKeys panel)
{
    out << "Distribution: " << distributionNames[shell.selection(Selection::DistributionList)] << '\n';
    out << "Function: " << shell.graphTitle() << '\n';
    if (shell.isFieldVisible(Field::Parameter1)) {
        out << parameterLabel(shell, Label::ParameterSymbol1, Label::ParameterDomain1) << ": "
            << shell.fieldText(Field::Parameter1) << '\n';
    }
    if (shell.isFieldVisible(Field::Parameter2)) {
        out << parameterLabel(shell, Label::ParameterSymbol2, Label::ParameterDomain2) << ": "
            << shell.fieldText(Field::Parameter2) << '\n';
    }
    for (const FieldLabel& line : resultLabels) out << line.label << ": " << shell.fieldText(line.field) << '\n';
    for (const IntervalKey& key : panelKeys(panel)) out << key.label << ": " << shell.intervalText(key.field) << '\n';
}

void writeShellJson(const Shell& shell, bool full, std::ostream& out, PanelKeys panel)
{
    out << "{\"distribution\": " << jsonString(distributionNames[shell.state().selectedDistribution])
        << ", \"function\": " << jsonString(functionOptionNames[indexOf(shell.state().selectedFunction)]);
    for (const JsonKey& key : inputKeys) out << ", \"" << key.key << "\": " << jsonString(shell.fieldText(key.field));
    for (const JsonKey& key : computedKeys) {
        out << ", \"" << key.key << "\": " << jsonString(shell.fieldText(key.field));
    }
    const std::vector<IntervalKey> intervalOutputs = panelKeys(panel);
    for (const IntervalKey& key : intervalOutputs) {
        out << ", \"" << key.key << "\": " << jsonString(shell.intervalText(key.field));
    }
    if (full) {
        out << ", \"values\": {";
        const char* separator = "";
        for (const JsonKey& key : computedKeys) {
            const Result result = shell.result(key.field).value_or(Result{});
            out << separator << '"' << key.key << "\": {\"value\": " << jsonNumber(result.value)
                << ", \"status\": " << jsonString(resultStatusName(result.status)) << '}';
            separator = ", ";
        }
        for (const IntervalKey& key : intervalOutputs) {
            const Result result = shell.intervalResult(key.field).value_or(Result{});
            out << ", \"" << key.key << "\": {\"value\": " << jsonNumber(result.value)
                << ", \"status\": " << jsonString(resultStatusName(result.status)) << '}';
        }
        out << '}';
    }
    out << "}\n";
}
