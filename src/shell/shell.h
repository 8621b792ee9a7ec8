#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "graph/plot_request.h"
#include "model/catalogue.h"
#include "model/interval_probability.h"
#include "model/result_status.h"
#include "shell/panel_memo.h"
#include "shell/shell_state.h"
#include "shell/shell_view.h"

// What the shell asks of the rest of the program. Each may be left empty.
struct ShellServices {
    // Wakes the renderer for a new pass over this snapshot; never waits for it.
    std::function<void(const PlotRequest&)> requestRedraw;
    // Stops the renderer for good (at shutdown, before the options are saved).
    std::function<void()> stopRenderer;
    // Keeps the graph options for the next run.
    std::function<void(const GraphOptions&)> saveOptions;
};

// Where a selection command came from: the menu, or the list or selector
// itself (which then already shows the new selection).
enum class CommandSource { Menu, Control };

// The headless application shell: the state of a run, the texts of every
// field and label, the marks and selections, and the commands that change
// them in their fixed order of effects. A window or the command line is a
// view over it; the graph is reached only through redraw requests.
class Shell {
public:
    explicit Shell(const GraphOptions& storedOptions = {}, ShellServices services = {});

    // The view is told everything it must show at once, then every change.
    void attachView(ShellView* view);

    // Fills the panels as the window does while it is built and first shown:
    // the first redraw request, the parameter labels and fields, the
    // statistics, then the quantile.
    void start();

    // Commands.
    void selectDistribution(int d, CommandSource source = CommandSource::Menu);
    void selectFunction(ShownFunction f, CommandSource source = CommandSource::Menu);
    void editParameter(int k, std::string_view text);  // the user typed: field k now reads text
    void editX(std::string_view text);
    void editQ(std::string_view text);
    void editField(Field field, std::string_view text);  // any editable field; others are ignored
    void setLineWeight(int weight);
    void chooseColor(ColorTarget target);
    void resetColors();
    void shutdown();

    // The interval panel: while it is open its results follow every change
    // and the graph shades [a, b].
    void setIntervalPanelOpen(bool open);
    void editIntervalField(IntervalField field, std::string_view text);  // a, b or p; others are ignored

    // The panel refreshes, each acting on the selected distribution.
    void refreshParameterLabels();
    void refreshParameterFields();
    void refreshStatistics();  // ends with a redraw request
    void refreshQuantile();
    void refreshFunctionValues();
    void refreshIntervals();

    // What the window shows.
    using FieldTexts = std::array<std::string, fieldCount>;
    const FieldTexts& fieldTexts() const { return fieldTexts_; }
    const std::string& fieldText(Field field) const { return fieldTexts_[index(field)]; }
    bool isFieldVisible(Field field) const { return fieldVisible_[index(field)]; }
    const std::string& labelText(Label label) const { return labelTexts_[static_cast<int>(label)]; }
    int selection(Selection which) const { return selections_[static_cast<int>(which)]; }
    const std::string& graphTitle() const { return graphTitle_; }
    bool isIntervalPanelOpen() const { return intervalPanelOpen_; }
    const std::string& intervalText(IntervalField field) const { return intervalTexts_[intervalIndex(field)]; }
    std::optional<Result> intervalResult(IntervalField field) const { return intervalResults_[intervalIndex(field)]; }
    // [a, b] as the graph shades it: nothing while the panel is closed or the
    // ends do not read as numbers with a <= b.
    std::optional<PlotInterval> shadedInterval() const;

    // The value and status behind a result field; empty before its first refresh
    // and for fields that are not results.
    std::optional<Result> result(Field field) const { return results_[index(field)]; }

    const ShellState& state() const { return state_; }
    const Distribution& distribution(int d) const { return *distributions_[d]; }
    bool isShutDown() const { return shutDown_; }

    // A field's value with every digit: a result's shortest exact text (or its
    // status text), or the number a typed field reads as.
    std::string fullValueText(Field field) const;

    // Every value shown, each with every digit, as `label<TAB>value` lines:
    // the distribution, its parameters, x and the four functions there, q and
    // its quantile, the statistics, and the interval panel's results while it
    // is open.
    std::string valuesForCopy() const;

    // The graph's reading under pixel column `column` of the graph image: the
    // x of that sample and the selected function there; nothing off the
    // samples or when the parameters are unusable.
    struct GraphReading {
        double x = 0.0;
        Result value;
    };
    std::optional<GraphReading> graphReadingAt(int column);

    // The snapshot that a redraw request hands to the renderer.
    PlotRequest plotRequest() const;

private:
    static int index(Field field) { return static_cast<int>(field); }
    static int intervalIndex(IntervalField field) { return static_cast<int>(field); }
    Distribution& selected() { return *distributions_[state_.selectedDistribution]; }

    // A text set by the shell: the view is told, then the field's text-changed
    // handling runs, as it does for every text a field receives.
    void setFieldText(Field field, std::string text);
    // A text the user typed: the view shows it already.
    void setTypedText(Field field, std::string_view text);
    void fieldTextChanged(Field field);
    void applyParameterText(int k);
    double fieldNumber(Field field) const;

    void setFieldVisible(Field field, bool visible);
    void setLabelText(Label label, std::string text);
    void setSelection(Selection which, int value);
    void setGraphTitle(std::string title);
    void showResult(Field field, double value);
    void showResult(Field field, const Result& result);
    PanelState panelState(double argument);
    void showIntervalResult(IntervalField field, const Result& result);
    void repaintFormula();
    void requestRedraw();

    ShellState state_;
    ShellServices services_;
    DistributionSet distributions_;
    ShellView* view_ = nullptr;
    bool started_ = false;
    bool shutDown_ = false;

    FieldTexts fieldTexts_;
    std::array<bool, fieldCount> fieldVisible_;
    std::array<std::optional<Result>, fieldCount> results_;
    std::array<std::string, labelCount> labelTexts_;
    std::array<int, selectionCount> selections_{};
    std::string graphTitle_;

    // While a distribution is being selected: every parameter text it sets
    // recomputes the panels, and the selection refreshes them once more, so
    // most of those computations repeat one at the same state.
    bool selecting_ = false;
    PanelMemo<1> quantileMemo_;
    PanelMemo<4> functionValuesMemo_;

    bool intervalPanelOpen_ = false;
    std::array<std::string, intervalFieldCount> intervalTexts_{"-1", "1", "0.95"};
    std::array<std::optional<Result>, intervalFieldCount> intervalResults_;
};
