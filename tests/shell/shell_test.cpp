#include "shell/shell.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "model/distribution.h"
#include "shell/number_text.h"

namespace {

constexpr int uniform = 0, normal = 1, exponential = 3, poisson = 11;

const char* fieldName(Field field)
{
    static const char* const names[] = {"p1", "p2",       "x",    "pdf", "cdf", "survival", "hazard",
                                        "q",  "quantile", "mean", "sd",  "cv",  "skewness", "kurtosis"};
    return names[static_cast<int>(field)];
}

// Records every notification as one line, and answers colour dialogs from a queue.
struct RecordingView : ShellView {
    std::vector<std::string> events;
    std::deque<std::optional<Color>> colorAnswers;
    CustomColors slotsSeen{};
    Color slotWritten = 0x123456;

    void fieldTextChanged(Field field, const std::string& text) override
    {
        events.push_back(std::string("text ") + fieldName(field) + " " + text);
    }
    void fieldVisibilityChanged(Field field, bool visible) override
    {
        events.push_back(std::string("visible ") + fieldName(field) + (visible ? " yes" : " no"));
    }
    void labelTextChanged(Label label, const std::string& text) override
    {
        events.push_back("label " + std::to_string(static_cast<int>(label)) + " " + text);
    }
    void selectionChanged(Selection which, int index) override
    {
        events.push_back("selection " + std::to_string(static_cast<int>(which)) + " " + std::to_string(index));
    }
    void graphTitleChanged(const std::string& title) override { events.push_back("title " + title); }
    void formulaChanged(int d, ShownFunction f) override
    {
        events.push_back("formula " + std::to_string(d) + " " + std::to_string(indexOf(f)));
    }
    std::optional<Color> runColorDialog(ColorTarget, CustomColors& customColors) override
    {
        slotsSeen = customColors;
        customColors[0] = slotWritten;  // the user edits a custom slot, then confirms or cancels
        std::optional<Color> answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    }

    bool saw(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
    bool sawAny(const std::string& prefix) const
    {
        return std::any_of(events.begin(), events.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }
};

// A started shell with a recording view and a recording redraw sink.
struct ShellFixture : ::testing::Test {
    std::vector<PlotRequest> redraws;
    std::vector<std::string> shutdownSteps;
    GraphOptions saved;
    RecordingView view;
    Shell shell{GraphOptions{}, services()};

    ShellServices services()
    {
        return {[this](const PlotRequest& request) { redraws.push_back(request); },
                [this] { shutdownSteps.push_back("stop renderer"); },
                [this](const GraphOptions& options) {
                    shutdownSteps.push_back("save options");
                    saved = options;
                }};
    }

    void SetUp() override
    {
        shell.attachView(&view);
        shell.start();
        forget();
    }
    void forget()
    {
        view.events.clear();
        redraws.clear();
    }
    void expectLastRedrawShowsTheState()
    {
        ASSERT_FALSE(redraws.empty());
        const PlotRequest& last = redraws.back();
        const PlotRequest now = shell.plotRequest();
        EXPECT_EQ(last.distribution, now.distribution);
        EXPECT_EQ(last.function, now.function);
        EXPECT_EQ(last.options, now.options);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(last.parameters[i], now.parameters[i]) << i;
    }
};

struct FieldText {
    Field field;
    const char* text;
};

TEST(ShellStart, ShowsTheStandardNormalDistribution)
{
    std::vector<PlotRequest> redraws;
    Shell shell(GraphOptions{}, {[&](const PlotRequest& r) { redraws.push_back(r); }, {}, {}});
    shell.start();

    const FieldText expected[] = {
        {Field::Parameter1, "0"},
        {Field::Parameter2, "1"},
        {Field::X, "0"},
        {Field::Pdf, "0.398942"},
        {Field::Cdf, "0.5"},
        {Field::Survival, "0.5"},
        {Field::Hazard, "0.797885"},
        {Field::Q, "0.95"},
        {Field::Quantile, "1.644854"},
        {Field::Mean, "0"},
        {Field::StandardDeviation, "1"},
        {Field::CoefficientOfVariation, "div 0"},
        {Field::Skewness, "0"},
        {Field::Kurtosis, "3"},
    };
    for (const auto& e : expected) EXPECT_EQ(shell.fieldText(e.field), e.text) << fieldName(e.field);
    EXPECT_EQ(shell.result(Field::CoefficientOfVariation)->status, ResultStatus::DivisionByZero);
    EXPECT_FALSE(shell.result(Field::Parameter1).has_value());

    EXPECT_TRUE(shell.isFieldVisible(Field::Parameter2));
    EXPECT_EQ(shell.labelText(Label::ParameterSymbol1), "m");
    EXPECT_EQ(shell.labelText(Label::ParameterSymbol2), "s");
    EXPECT_EQ(shell.labelText(Label::ParameterDomain1), parameter_domain::real);
    EXPECT_EQ(shell.labelText(Label::ParameterDomain2), parameter_domain::positive);
    EXPECT_EQ(shell.graphTitle(), "Probability Density Function (PDF)");
    EXPECT_EQ(shell.selection(Selection::DistributionList), normal);
    EXPECT_EQ(shell.selection(Selection::DistributionMark), normal);
    EXPECT_EQ(shell.selection(Selection::FunctionTab), 0);
    EXPECT_EQ(shell.selection(Selection::FunctionMark), 0);
    EXPECT_EQ(shell.selection(Selection::LineWeightMark), 2);

    ASSERT_FALSE(redraws.empty());
    EXPECT_EQ(redraws.front().options, GraphOptions{});
    EXPECT_EQ(redraws.back().distribution, normal);
    EXPECT_EQ(redraws.back().parameters[0], 0.0);
    EXPECT_EQ(redraws.back().parameters[1], 1.0);
}

TEST(ShellStart, StoredOptionsAreInForceFromTheFirstDrawing)
{
    const GraphOptions stored{0x0000FF, 0x00FF00, 0x000000, 0xFFFFFF, 3};
    std::vector<PlotRequest> redraws;
    Shell shell(stored, {[&](const PlotRequest& r) { redraws.push_back(r); }, {}, {}});
    shell.start();
    EXPECT_EQ(shell.selection(Selection::LineWeightMark), 3);
    ASSERT_FALSE(redraws.empty());
    EXPECT_EQ(redraws.front().options, stored);

    // A weight that is no menu item falls back to the normal line.
    Shell odd(GraphOptions{.lineWeight = 7});
    EXPECT_EQ(odd.state().lineWeight, 2);
    EXPECT_EQ(odd.selection(Selection::LineWeightMark), 2);
}

TEST_F(ShellFixture, OneParameterDistributionHidesAndEmptiesTheSecondField)
{
    shell.editParameter(2, "5");
    shell.selectDistribution(exponential);

    EXPECT_FALSE(shell.isFieldVisible(Field::Parameter2));
    EXPECT_EQ(shell.fieldText(Field::Parameter2), "");
    EXPECT_EQ(shell.distribution(exponential).parameter2(), 0.0);
    EXPECT_EQ(shell.fieldText(Field::Parameter1), "1");
    EXPECT_EQ(shell.labelText(Label::ParameterSymbol2), "");
    EXPECT_EQ(shell.labelText(Label::ParameterDomain2), "");
    EXPECT_TRUE(view.saw("visible p2 no"));
    EXPECT_TRUE(view.saw("text p2 "));

    // The hidden field takes no typing.
    forget();
    shell.editParameter(2, "5");
    EXPECT_EQ(shell.distribution(exponential).parameter2(), 0.0);
    EXPECT_TRUE(redraws.empty());

    // Back on the normal distribution the field shows again, with its own parameter.
    shell.selectDistribution(normal);
    EXPECT_TRUE(shell.isFieldVisible(Field::Parameter2));
    EXPECT_EQ(shell.fieldText(Field::Parameter2), "5");
}

TEST_F(ShellFixture, EverySelectedDistributionHoldsTheValuesOfItsDisplayedTexts)
{
    for (int d = 0; d < distributionCount; ++d) {
        shell.selectDistribution(d);
        const Distribution& distribution = shell.distribution(d);
        EXPECT_EQ(parseNumber(shell.fieldText(Field::Parameter1)), distribution.parameter1()) << d;
        EXPECT_EQ(shell.labelText(Label::ParameterSymbol1), distribution.parameterSymbol1()) << d;
        EXPECT_EQ(shell.labelText(Label::ParameterDomain2), distribution.parameterDomain2()) << d;
        if (distribution.parameterCount() == 2) {
            EXPECT_TRUE(shell.isFieldVisible(Field::Parameter2)) << d;
            EXPECT_EQ(parseNumber(shell.fieldText(Field::Parameter2)), distribution.parameter2()) << d;
        } else {
            EXPECT_FALSE(shell.isFieldVisible(Field::Parameter2)) << d;
            EXPECT_EQ(distribution.parameter2(), 0.0) << d;
        }
        expectLastRedrawShowsTheState();
    }
}

TEST_F(ShellFixture, ATypedParameterIsUsedAsTypedUntilTheDistributionIsSelectedAgain)
{
    shell.editParameter(1, "0.1234567");
    EXPECT_EQ(shell.distribution(normal).parameter1(), 0.1234567);
    EXPECT_EQ(shell.fieldText(Field::Parameter1), "0.1234567");
    EXPECT_FALSE(view.sawAny("text p1"));  // the view shows what the user typed already

    shell.selectDistribution(uniform);
    shell.selectDistribution(normal);
    EXPECT_EQ(shell.fieldText(Field::Parameter1), "0.123457");
    EXPECT_EQ(shell.distribution(normal).parameter1(), 0.123457);
    EXPECT_TRUE(view.saw("text p1 0.123457"));
}

// A selection rewrites each parameter as shown, one field after the other,
// and the panels it shows meanwhile are kept for it: at the end every panel
// must hold, to the last digit, the values of the parameters both fields hold.
TEST_F(ShellFixture, ASelectionEndsWithThePanelsOfItsFinalParameters)
{
    shell.editParameter(1, "0.1234567891");
    shell.editParameter(2, "1.234567891");
    shell.editX("0.7");
    shell.selectDistribution(uniform);
    shell.selectDistribution(normal);

    Shell typed;
    typed.start();
    typed.editParameter(1, shell.fieldText(Field::Parameter1));
    typed.editParameter(2, shell.fieldText(Field::Parameter2));
    typed.editX("0.7");
    for (Field f : {Field::Pdf, Field::Cdf, Field::Survival, Field::Hazard, Field::Quantile})
        EXPECT_EQ(shell.fullValueText(f), typed.fullValueText(f)) << fieldName(f);
}

TEST_F(ShellFixture, AWholeNumberParameterShowsRoundedDownOnceSelectedAgain)
{
    shell.selectDistribution(poisson);
    shell.editParameter(1, "2.5");
    EXPECT_EQ(shell.fieldText(Field::Parameter1), "2.5");
    const Shell::FieldTexts typedHalf = shell.fieldTexts();

    Shell whole;
    whole.start();
    whole.selectDistribution(poisson);
    whole.editParameter(1, "2");
    for (int i = static_cast<int>(Field::Pdf); i < fieldCount; ++i) {
        if (static_cast<Field>(i) == Field::Q) continue;
        EXPECT_EQ(typedHalf[i], whole.fieldText(static_cast<Field>(i))) << fieldName(static_cast<Field>(i));
    }

    shell.selectDistribution(normal);
    shell.selectDistribution(poisson);
    EXPECT_EQ(shell.fieldText(Field::Parameter1), "2");
    EXPECT_EQ(shell.distribution(poisson).parameter1(), 2.0);
}

TEST_F(ShellFixture, QAndXTextsReadAsNumbers)
{
    const struct {
        const char* q;
        const char* quantile;
    } quantiles[] = {{"", "-inf"}, {"1.5", "-"}, {"0.5", "0"}, {"1", "+inf"}, {"-", "-inf"}};
    for (const auto& c : quantiles) {
        shell.editQ(c.q);
        EXPECT_EQ(shell.fieldText(Field::Quantile), c.quantile) << '"' << c.q << '"';
    }

    shell.editX("0");
    const Shell::FieldTexts atZero = shell.fieldTexts();
    for (const char* x : {"-", "", "abc", " 0"}) {
        shell.editX(x);
        for (Field f : {Field::Pdf, Field::Cdf, Field::Survival, Field::Hazard}) {
            EXPECT_EQ(shell.fieldText(f), atZero[static_cast<int>(f)]) << '"' << x << '"';
        }
    }
}

TEST_F(ShellFixture, XAndQEditsRecomputeOnlyTheirOwnPanelAndNeverRedraw)
{
    shell.editX("1");
    for (const std::string& e : view.events) {
        EXPECT_TRUE(e.rfind("text pdf", 0) == 0 || e.rfind("text cdf", 0) == 0 || e.rfind("text survival", 0) == 0 ||
                    e.rfind("text hazard", 0) == 0)
            << e;
    }
    EXPECT_EQ(shell.fieldText(Field::Cdf), "0.841345");
    view.events.clear();

    shell.editQ("0.5");
    EXPECT_EQ(view.events, std::vector<std::string>{"text quantile 0"});
    EXPECT_TRUE(redraws.empty());
}

TEST_F(ShellFixture, EditingAParameterRefreshesResultsAndRedrawsOnceButLeavesTheLabels)
{
    shell.editParameter(2, "2");
    EXPECT_EQ(shell.fieldText(Field::StandardDeviation), "2");
    EXPECT_EQ(shell.fieldText(Field::Quantile), "3.289707");
    EXPECT_EQ(shell.fieldText(Field::Pdf), "0.199471");
    EXPECT_FALSE(view.sawAny("label"));
    EXPECT_FALSE(view.sawAny("visible"));
    EXPECT_FALSE(view.sawAny("selection"));
    EXPECT_FALSE(view.sawAny("formula"));
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].parameters[1], 2.0);

    // Text beyond the first 1023 characters is never read.
    shell.editParameter(1, std::string(1023, '0') + "7");
    EXPECT_EQ(shell.distribution(normal).parameter1(), 0.0);
}

TEST_F(ShellFixture, SelectingAFunctionMovesMarksTabAndTitleAndLeavesThePanels)
{
    struct {
        CommandSource source;
        bool tabTold;
    } cases[] = {{CommandSource::Menu, true}, {CommandSource::Control, false}};
    for (const auto& c : cases) {
        shell.selectFunction(ShownFunction::Density);
        forget();
        shell.selectFunction(ShownFunction::Hazard, c.source);
        EXPECT_EQ(view.saw("selection 2 3"), c.tabTold);
        EXPECT_TRUE(view.saw("selection 3 3"));
        EXPECT_TRUE(view.saw("title Hazard Function"));
        EXPECT_TRUE(view.saw("formula 1 3"));
        EXPECT_FALSE(view.sawAny("text"));
        EXPECT_EQ(shell.selection(Selection::FunctionTab), 3);
        ASSERT_EQ(redraws.size(), 1u);
        EXPECT_EQ(redraws[0].function, ShownFunction::Hazard);
    }
    shell.selectFunction(shownFunctionAt(4));
    shell.selectFunction(shownFunctionAt(-1));
    EXPECT_EQ(shell.state().selectedFunction, ShownFunction::Hazard);
}

TEST_F(ShellFixture, SelectingADistributionMovesListAndMarkAndRedrawsTheNewState)
{
    shell.selectDistribution(8);
    EXPECT_TRUE(view.saw("selection 0 8"));
    EXPECT_TRUE(view.saw("selection 1 8"));
    EXPECT_TRUE(view.saw("formula 8 0"));
    expectLastRedrawShowsTheState();
    EXPECT_EQ(redraws.back().distribution, 8);

    forget();
    shell.selectDistribution(5, CommandSource::Control);  // the list shows it already
    EXPECT_FALSE(view.saw("selection 0 5"));
    EXPECT_TRUE(view.saw("selection 1 5"));
    EXPECT_EQ(shell.selection(Selection::DistributionList), 5);
    expectLastRedrawShowsTheState();

    forget();
    shell.selectDistribution(21);
    EXPECT_TRUE(view.events.empty());
    EXPECT_TRUE(redraws.empty());
}

TEST_F(ShellFixture, LineWeightMovesTheMarkAndRedraws)
{
    shell.setLineWeight(3);
    EXPECT_EQ(view.events, std::vector<std::string>{"selection 4 3"});
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].options.lineWeight, 3);

    forget();
    shell.setLineWeight(0);
    shell.setLineWeight(4);
    EXPECT_EQ(shell.state().lineWeight, 3);
    EXPECT_TRUE(redraws.empty());
}

TEST_F(ShellFixture, AColourChangesOnlyWhenTheDialogIsConfirmed)
{
    view.colorAnswers = {std::nullopt, Color{0x00FF00}};
    shell.chooseColor(ColorTarget::Grid);
    EXPECT_EQ(shell.state().gridColor, 0xD00000u);
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(view.slotsSeen[0], 0xFFFFFFu);

    view.slotWritten = 0xABCDEF;
    shell.chooseColor(ColorTarget::Grid);
    EXPECT_EQ(view.slotsSeen[0], 0x123456u);  // the run keeps the slots the last dialog left
    EXPECT_EQ(shell.state().customColors[0], 0xABCDEFu);
    EXPECT_EQ(shell.state().gridColor, 0x00FF00u);
    EXPECT_EQ(shell.state().functionColor, 0xD00000u);
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].options.gridColor, 0x00FF00u);

    const ColorTarget targets[] = {ColorTarget::Function, ColorTarget::Background, ColorTarget::Text};
    view.colorAnswers = {Color{1}, Color{2}, Color{3}};
    for (ColorTarget t : targets) shell.chooseColor(t);
    EXPECT_EQ(redraws.back().options, (GraphOptions{1, 0x00FF00, 2, 3, 2}));
}

TEST_F(ShellFixture, DefaultColoursKeepTheLineWeightAndTheCustomSlots)
{
    shell.setLineWeight(3);
    view.colorAnswers = {Color{0x0000FF}};
    shell.chooseColor(ColorTarget::Function);
    forget();
    shell.resetColors();
    EXPECT_EQ(shell.state().graphOptions(), (GraphOptions{0xD00000, 0xD00000, 0xE0F0E0, 0x404040, 3}));
    EXPECT_EQ(shell.state().customColors[0], 0x123456u);
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].options.lineWeight, 3);
}

TEST_F(ShellFixture, ShutdownStopsTheRendererThenSavesTheOptionsOnce)
{
    shell.setLineWeight(1);
    forget();
    shell.shutdown();
    EXPECT_EQ(shutdownSteps, (std::vector<std::string>{"stop renderer", "save options"}));
    EXPECT_EQ(saved.lineWeight, 1);

    shell.selectFunction(ShownFunction::Survival);
    shell.shutdown();
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(shutdownSteps.size(), 2u);
}

// A view that applies every notification to its own copy, as a window does.
struct MirrorView : ShellView {
    std::array<std::string, fieldCount> texts;
    std::array<bool, fieldCount> visible{};
    std::array<std::string, labelCount> labels;
    std::array<int, selectionCount> selections{};
    std::string title;

    void fieldTextChanged(Field f, const std::string& t) override { texts[static_cast<int>(f)] = t; }
    void fieldVisibilityChanged(Field f, bool v) override { visible[static_cast<int>(f)] = v; }
    void labelTextChanged(Label l, const std::string& t) override { labels[static_cast<int>(l)] = t; }
    void selectionChanged(Selection s, int i) override { selections[static_cast<int>(s)] = i; }
    void graphTitleChanged(const std::string& t) override { title = t; }
};

TEST(ShellView, AMirroringViewAlwaysAgreesWithTheShell)
{
    Shell shell;
    MirrorView mirror;
    shell.attachView(&mirror);
    shell.start();

    // Each step is what a user does; typed texts land in the mirror's own widgets.
    const auto type = [&](Field f, const char* text) {
        mirror.texts[static_cast<int>(f)] = text;
        shell.editField(f, text);
    };
    const std::function<void()> steps[] = {
        [&] { type(Field::Parameter1, "2.5"); },
        [&] { shell.selectDistribution(poisson); },
        [&] { type(Field::Parameter1, "3.7"); },
        [&] { shell.selectDistribution(13, CommandSource::Control); },
        [&] { type(Field::X, "4"); },
        [&] { type(Field::Q, ""); },
        [&] { shell.selectFunction(ShownFunction::Survival, CommandSource::Control); },
        [&] { shell.selectDistribution(poisson); },
        [&] { shell.selectFunction(ShownFunction::Distribution); },
        [&] { shell.setLineWeight(1); },
        [&] { shell.selectDistribution(uniform); },
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step]();
        for (int i = 0; i < fieldCount; ++i) {
            EXPECT_EQ(mirror.texts[i], shell.fieldText(static_cast<Field>(i))) << step << " " << i;
            EXPECT_EQ(mirror.visible[i], shell.isFieldVisible(static_cast<Field>(i))) << step << " " << i;
        }
        for (int i = 0; i < labelCount; ++i) EXPECT_EQ(mirror.labels[i], shell.labelText(static_cast<Label>(i)));
        EXPECT_EQ(mirror.title, shell.graphTitle()) << step;
        EXPECT_EQ(mirror.selections[static_cast<int>(Selection::DistributionMark)], shell.state().selectedDistribution);
        EXPECT_EQ(mirror.selections[static_cast<int>(Selection::FunctionMark)],
                  indexOf(shell.state().selectedFunction));
        EXPECT_EQ(mirror.selections[static_cast<int>(Selection::LineWeightMark)], shell.state().lineWeight);
        EXPECT_EQ(shell.selection(Selection::DistributionList), shell.state().selectedDistribution);
        EXPECT_EQ(shell.selection(Selection::FunctionTab), indexOf(shell.state().selectedFunction));
    }
}

}  // namespace
