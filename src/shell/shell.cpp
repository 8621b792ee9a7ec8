#include "shell/shell.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graph/function_plot.h"
#include "model/value_text.h"
#include "shell/number_text.h"
#include "shell/symbol_text.h"

namespace {

// A field's text is read with at most this many characters.
constexpr std::size_t fieldReadLimit = 1023;

// The label texts the window is built with, before the first refresh.
constexpr const char* initialDomainText =
    "\xCE"
    "[0;+"
    "\xA5"
    ")";

Field parameterField(int k) { return k == 1 ? Field::Parameter1 : Field::Parameter2; }

}  // namespace

Shell::Shell(const GraphOptions& storedOptions, ShellServices services)
    : services_(std::move(services)), distributions_(makeDistributionSet())
{
    state_.setGraphOptions(storedOptions);
    // A line weight that is no menu item would leave every Options mark off.
    if (state_.lineWeight < thinLine || state_.lineWeight > boldLine) state_.lineWeight = normalLine;

    fieldVisible_.fill(true);
    fieldTexts_[index(Field::X)] = "0";
    fieldTexts_[index(Field::Q)] = "0.95";
    labelTexts_ = {"a", "b", initialDomainText, initialDomainText};

    selections_[static_cast<int>(Selection::DistributionList)] = state_.selectedDistribution;
    selections_[static_cast<int>(Selection::DistributionMark)] = state_.selectedDistribution;
    selections_[static_cast<int>(Selection::FunctionTab)] = indexOf(state_.selectedFunction);
    selections_[static_cast<int>(Selection::FunctionMark)] = indexOf(state_.selectedFunction);
    selections_[static_cast<int>(Selection::LineWeightMark)] = state_.lineWeight;
    graphTitle_ = functionNames[indexOf(state_.selectedFunction)];
}

void Shell::attachView(ShellView* view)
{
    view_ = view;
    if (!view_) return;
    for (int i = 0; i < fieldCount; ++i) {
        view_->fieldTextChanged(static_cast<Field>(i), fieldTexts_[i]);
        view_->fieldVisibilityChanged(static_cast<Field>(i), fieldVisible_[i]);
    }
    for (int i = 0; i < labelCount; ++i) view_->labelTextChanged(static_cast<Label>(i), labelTexts_[i]);
    for (int i = 0; i < selectionCount; ++i) view_->selectionChanged(static_cast<Selection>(i), selections_[i]);
    view_->graphTitleChanged(graphTitle_);
    view_->formulaChanged(state_.selectedDistribution, state_.selectedFunction);
}

void Shell::start()
{
    if (started_) return;
    started_ = true;
    requestRedraw();  // the renderer's first pass
    refreshParameterLabels();
    refreshParameterFields();
    refreshStatistics();
    refreshQuantile();  // once the window is shown
}

// ---- Commands ----

void Shell::selectDistribution(int d, CommandSource source)
{
    if (d < 0 || d >= distributionCount) return;
    state_.selectedDistribution = d;
    if (source == CommandSource::Menu) {
        setSelection(Selection::DistributionList, d);
    } else {
        selections_[static_cast<int>(Selection::DistributionList)] = d;
    }
    setSelection(Selection::DistributionMark, d);
    // The panels computed at one state are kept for this selection only.
    selecting_ = true;
    refreshParameterLabels();
    refreshParameterFields();
    refreshQuantile();
    refreshFunctionValues();
    selecting_ = false;
    quantileMemo_.clear();
    functionValuesMemo_.clear();
    repaintFormula();
    requestRedraw();
}

void Shell::selectFunction(ShownFunction f, CommandSource source)
{
    if (!isShownFunctionIndex(indexOf(f))) return;
    state_.selectedFunction = f;
    if (source == CommandSource::Menu) {
        setSelection(Selection::FunctionTab, indexOf(f));
    } else {
        selections_[static_cast<int>(Selection::FunctionTab)] = indexOf(f);
    }
    setSelection(Selection::FunctionMark, indexOf(f));
    setGraphTitle(functionNames[indexOf(f)]);
    repaintFormula();
    requestRedraw();
}

void Shell::editParameter(int k, std::string_view text)
{
    if (k != 1 && k != 2) return;
    // A hidden field takes no typing; its parameter stays 0.
    if (!isFieldVisible(parameterField(k))) return;
    setTypedText(parameterField(k), text);
}

void Shell::editX(std::string_view text) { setTypedText(Field::X, text); }

void Shell::editQ(std::string_view text) { setTypedText(Field::Q, text); }

void Shell::editField(Field field, std::string_view text)
{
    switch (field) {
        case Field::Parameter1:
            editParameter(1, text);
            break;
        case Field::Parameter2:
            editParameter(2, text);
            break;
        case Field::X:
            editX(text);
            break;
        case Field::Q:
            editQ(text);
            break;
        default:
            break;  // the result fields are read-only
    }
}

void Shell::setLineWeight(int weight)
{
    if (weight < thinLine || weight > boldLine) return;
    setSelection(Selection::LineWeightMark, weight);
    state_.lineWeight = weight;
    requestRedraw();  // the snapshot carries the new pen width
}

void Shell::chooseColor(ColorTarget target)
{
    if (!view_) return;
    const std::optional<Color> chosen = view_->runColorDialog(target, state_.customColors);
    if (!chosen) return;
    state_.color(target) = *chosen;
    requestRedraw();
}

void Shell::resetColors()
{
    state_.functionColor = default_colors::function;
    state_.gridColor = default_colors::grid;
    state_.backgroundColor = default_colors::background;
    state_.textColor = default_colors::text;
    requestRedraw();
}

void Shell::shutdown()
{
    if (shutDown_) return;
    shutDown_ = true;  // no redraw request reaches a stopped renderer
    if (services_.stopRenderer) services_.stopRenderer();
    if (services_.saveOptions) services_.saveOptions(state_.graphOptions());
}

// ---- Panel refreshes ----

void Shell::refreshParameterLabels()
{
    Distribution& distribution = selected();
    setLabelText(Label::ParameterSymbol1, distribution.parameterSymbol1());
    setLabelText(Label::ParameterSymbol2, distribution.parameterSymbol2());
    setLabelText(Label::ParameterDomain1, distribution.parameterDomain1());
    setLabelText(Label::ParameterDomain2, distribution.parameterDomain2());
}

void Shell::refreshParameterFields()
{
    const int count = selected().parameterCount();
    for (int i = 1; i <= 2; ++i) {
        if (i <= count) {
            setFieldVisible(parameterField(i), true);
        } else {
            setFieldVisible(parameterField(i), false);
            setFieldText(parameterField(i), "");  // its parameter becomes 0
        }
    }
    // Each text set here is applied to its parameter, so that a shown
    // parameter always holds the value of its displayed text.
    for (int i = std::min(count, 2); i >= 1; --i) {
        const double value = i == 1 ? selected().parameter1() : selected().parameter2();
        setFieldText(parameterField(i), formatValue(value));
    }
}

void Shell::refreshStatistics()
{
    Distribution& distribution = selected();
    showResult(Field::Mean, distribution.mean());
    showResult(Field::StandardDeviation, distribution.standardDeviation());
    showResult(Field::CoefficientOfVariation, distribution.coefficientOfVariation());
    showResult(Field::Skewness, distribution.skewness());
    showResult(Field::Kurtosis, distribution.kurtosis());
    refreshIntervals();
    requestRedraw();  // how a parameter edit reaches the graph
}

void Shell::refreshIntervals()
{
    if (!intervalPanelOpen_) return;
    const std::optional<double> a = parseCompleteNumber(intervalText(IntervalField::A));
    const std::optional<double> b = parseCompleteNumber(intervalText(IntervalField::B));
    const std::optional<double> p = parseCompleteNumber(intervalText(IntervalField::P));
    constexpr Result missing{0.0, ResultStatus::Invalid};

    IntervalProbabilities probabilities{missing, missing, missing};
    if (a && b) probabilities = intervalProbabilities(selected(), *a, *b);
    showIntervalResult(IntervalField::Below, probabilities.below);
    showIntervalResult(IntervalField::Inside, probabilities.inside);
    showIntervalResult(IntervalField::Above, probabilities.above);

    CentralInterval central{missing, missing};
    if (p) central = centralInterval(selected(), *p);
    showIntervalResult(IntervalField::CentralLow, central.low);
    showIntervalResult(IntervalField::CentralHigh, central.high);
}

void Shell::setIntervalPanelOpen(bool open)
{
    if (open == intervalPanelOpen_) return;
    intervalPanelOpen_ = open;
    refreshIntervals();
    requestRedraw();  // the shading comes or goes
}

void Shell::editIntervalField(IntervalField field, std::string_view text)
{
    if (field != IntervalField::A && field != IntervalField::B && field != IntervalField::P) return;
    intervalTexts_[intervalIndex(field)] = std::string(text);
    refreshIntervals();
    if (field != IntervalField::P && intervalPanelOpen_) requestRedraw();
}

std::string Shell::fullValueText(Field field) const
{
    if (const std::optional<Result> shown = result(field)) return formatFullResult(shown->value, shown->status);
    return formatFullValue(fieldNumber(field));
}

std::string Shell::valuesForCopy() const
{
    std::string text;
    const auto line = [&](std::string_view label, const std::string& value) {
        text.append(label).append("\t").append(value).append("\n");
    };
    const Distribution& distribution = *distributions_[state_.selectedDistribution];
    line("Distribution", distributionNames[state_.selectedDistribution]);
    line(symbolTextToUtf8(labelText(Label::ParameterSymbol1)), formatFullValue(distribution.parameter1()));
    if (distribution.parameterCount() > 1) {
        line(symbolTextToUtf8(labelText(Label::ParameterSymbol2)), formatFullValue(distribution.parameter2()));
    }
    constexpr std::pair<Field, const char*> shownValues[] = {
        {Field::X, "x"},
        {Field::Pdf, "f(x)"},
        {Field::Cdf, "F(x)"},
        {Field::Survival, "S(x)"},
        {Field::Hazard, "h(x)"},
        {Field::Q, "q"},
        {Field::Quantile, "Quantile"},
        {Field::Mean, "Mean"},
        {Field::StandardDeviation, "Standard Deviation"},
        {Field::CoefficientOfVariation, "Coefficient of Variation"},
        {Field::Skewness, "Skewness"},
        {Field::Kurtosis, "Kurtosis"},
    };
    for (const auto& [field, label] : shownValues) line(label, fullValueText(field));
    if (!intervalPanelOpen_) return text;

    const auto typed = [&](IntervalField field) {
        const std::optional<double> value = parseCompleteNumber(intervalText(field));
        return value ? formatFullValue(*value) : std::string("-");
    };
    const auto computed = [&](IntervalField field) {
        const std::optional<Result> value = intervalResult(field);
        return value ? formatFullResult(value->value, value->status) : std::string("-");
    };
    line("a", typed(IntervalField::A));
    line("b", typed(IntervalField::B));
    line("P(X < a)", computed(IntervalField::Below));
    line("P(a ≤ X ≤ b)", computed(IntervalField::Inside));
    line("P(X > b)", computed(IntervalField::Above));
    line("p", typed(IntervalField::P));
    line("Central low", computed(IntervalField::CentralLow));
    line("Central high", computed(IntervalField::CentralHigh));
    return text;
}

std::optional<Shell::GraphReading> Shell::graphReadingAt(int column)
{
    const int i = column - plot_frame::leftEdge;
    if (i < 0 || i >= plot_frame::sampleCount) return std::nullopt;
    Distribution& distribution = selected();
    const double low = distribution.graphLow();
    const double high = distribution.graphHigh();
    if (distribution.status() != ResultStatus::Ok || !std::isfinite(high - low)) return std::nullopt;

    GraphReading reading;
    reading.x = (high - low) * i / plot_frame::sampleIntervals + low;
    switch (state_.selectedFunction) {
        case ShownFunction::Density:
            reading.value.value = distribution.pdf(reading.x);
            break;
        case ShownFunction::Distribution:
            reading.value.value = distribution.cdf(reading.x);
            break;
        case ShownFunction::Survival:
            reading.value.value = distribution.survival(reading.x);
            break;
        case ShownFunction::Hazard:
            reading.value.value = distribution.hazard(reading.x);
            break;
    }
    reading.value.status = distribution.status();
    return reading;
}

std::optional<PlotInterval> Shell::shadedInterval() const
{
    if (!intervalPanelOpen_) return std::nullopt;
    const std::optional<double> a = parseCompleteNumber(intervalText(IntervalField::A));
    const std::optional<double> b = parseCompleteNumber(intervalText(IntervalField::B));
    if (!a || !b || !(*a <= *b)) return std::nullopt;
    return PlotInterval{*a, *b};
}

void Shell::refreshQuantile()
{
    const double q = fieldNumber(Field::Q);
    const PanelState state = panelState(q);
    Result quantile;
    if (const auto* kept = quantileMemo_.find(state)) {
        quantile = (*kept)[0];
    } else {
        Distribution& distribution = selected();
        quantile = {distribution.quantile(q), distribution.status()};  // the status read right after the call
        if (selecting_) quantileMemo_.keep(state, {quantile});
    }
    showResult(Field::Quantile, quantile);
}

void Shell::refreshFunctionValues()
{
    static constexpr Field fields[] = {Field::Pdf, Field::Cdf, Field::Survival, Field::Hazard};
    const double x = fieldNumber(Field::X);
    const PanelState state = panelState(x);
    std::array<Result, 4> values;
    if (const auto* kept = functionValuesMemo_.find(state)) {
        values = *kept;
    } else {
        Distribution& distribution = selected();
        // Each status read right after its call (a braced list runs in order).
        const auto taken = [&distribution](double value) { return Result{value, distribution.status()}; };
        values = {taken(distribution.pdf(x)), taken(distribution.cdf(x)), taken(distribution.survival(x)),
                  taken(distribution.hazard(x))};
        if (selecting_) functionValuesMemo_.keep(state, values);
    }
    for (int i = 0; i < 4; ++i) showResult(fields[i], values[i]);
}

// Taken before the panel's calls: an operation may round whole-number
// parameters in place, and the state is what the caller wrote.
PanelState Shell::panelState(double argument)
{
    const Distribution& distribution = selected();
    return {
        state_.selectedDistribution,
        {distribution.parameter1(), distribution.parameter2(), distribution.parameter3(), distribution.parameter4()},
        argument};
}

PlotRequest Shell::plotRequest() const
{
    const Distribution& distribution = *distributions_[state_.selectedDistribution];
    PlotRequest request;
    request.distribution = state_.selectedDistribution;
    request.parameters[0] = distribution.parameter1();
    request.parameters[1] = distribution.parameter2();
    request.parameters[2] = distribution.parameter3();
    request.parameters[3] = distribution.parameter4();
    request.function = state_.selectedFunction;
    request.options = state_.graphOptions();
    request.interval = shadedInterval();
    return request;
}

// ---- Fields, labels and marks ----

void Shell::setFieldText(Field field, std::string text)
{
    std::string& current = fieldTexts_[index(field)];
    if (current != text) {
        current = std::move(text);
        if (view_) view_->fieldTextChanged(field, current);
    }
    fieldTextChanged(field);  // a field reports every text it is given, changed or not
}

void Shell::setTypedText(Field field, std::string_view text)
{
    fieldTexts_[index(field)] = std::string(text);
    fieldTextChanged(field);
}

// What a field's text-changed notification does.
void Shell::fieldTextChanged(Field field)
{
    switch (field) {
        case Field::Parameter1:
            applyParameterText(1);
            break;
        case Field::Parameter2:
            applyParameterText(2);
            break;
        case Field::X:
            refreshFunctionValues();
            break;
        case Field::Q:
            refreshQuantile();
            break;
        default:
            break;  // result fields: no command
    }
}

void Shell::applyParameterText(int k)
{
    const double value = fieldNumber(parameterField(k));
    if (k == 1) {
        selected().setParameter1(value);
    } else {
        selected().setParameter2(value);
    }
    refreshStatistics();
    refreshQuantile();
    refreshFunctionValues();
}

double Shell::fieldNumber(Field field) const
{
    return parseNumber(std::string_view(fieldTexts_[index(field)]).substr(0, fieldReadLimit));
}

void Shell::setFieldVisible(Field field, bool visible)
{
    if (fieldVisible_[index(field)] == visible) return;
    fieldVisible_[index(field)] = visible;
    if (view_) view_->fieldVisibilityChanged(field, visible);
}

void Shell::setLabelText(Label label, std::string text)
{
    std::string& current = labelTexts_[static_cast<int>(label)];
    if (current == text) return;
    current = std::move(text);
    if (view_) view_->labelTextChanged(label, current);
}

void Shell::setSelection(Selection which, int value)
{
    int& current = selections_[static_cast<int>(which)];
    if (current == value) return;
    current = value;
    if (view_) view_->selectionChanged(which, value);
}

void Shell::setGraphTitle(std::string title)
{
    if (graphTitle_ == title) return;
    graphTitle_ = std::move(title);
    if (view_) view_->graphTitleChanged(graphTitle_);
}

void Shell::showResult(Field field, double value)
{
    showResult(field, Result{value, selected().status()});  // read right after the call
}

void Shell::showResult(Field field, const Result& result)
{
    results_[index(field)] = result;
    setFieldText(field, formatResult(result.value, result.status));
    if (view_) view_->resultChanged(field);
}

void Shell::showIntervalResult(IntervalField field, const Result& result)
{
    intervalResults_[intervalIndex(field)] = result;
    std::string text = formatResult(result.value, result.status);
    std::string& current = intervalTexts_[intervalIndex(field)];
    if (current == text) return;
    current = std::move(text);
    if (view_) view_->intervalTextChanged(field, current);
}

void Shell::repaintFormula()
{
    if (view_) view_->formulaChanged(state_.selectedDistribution, state_.selectedFunction);
}

void Shell::requestRedraw()
{
    if (shutDown_ || !services_.requestRedraw) return;
    services_.requestRedraw(plotRequest());
}
