#include "window/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "graph/report.h"
#include "qt_application.h"
#include "shell/report_content.h"
#include "window/function_selector.h"
#include "window/graph_area.h"
#include "window/menu_table.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QString text(Field field) const { return window->field(field)->text(); }
    QString labelText(ControlRole role) const { return static_cast<QLabel*>(window->control(role))->text(); }
    QString graphTitle() const { return static_cast<QGroupBox*>(window->control(ControlRole::GraphBox))->title(); }
    bool marked(int command) const { return window->menuAction(command)->isChecked(); }

    // Replaces a field's text as the user does: select all, delete, then type.
    void typeInto(Field field, const QString& keys)
    {
        QLineEdit* edit = window->field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsOnTheStandardNormalDensity)
{
    EXPECT_EQ(window->windowTitle(), "Probaview v1.0");
    EXPECT_EQ(window->distributionList()->currentText(), "Normal");
    EXPECT_EQ(window->functionSelector()->currentIndex(), 0);
    EXPECT_EQ(graphTitle(), "Probability Density Function (PDF)");
    EXPECT_TRUE(marked(distributionCommandOf(1)));
    EXPECT_TRUE(marked(functionCommandOf(ShownFunction::Density)));
    EXPECT_TRUE(marked(lineWeightCommandOf(2)));

    EXPECT_EQ(text(Field::Parameter1), "0");
    EXPECT_EQ(text(Field::Parameter2), "1");
    EXPECT_EQ(labelText(ControlRole::ParameterSymbol1), "μ");
    EXPECT_EQ(labelText(ControlRole::ParameterSymbol2), "σ");
    EXPECT_EQ(labelText(ControlRole::ParameterDomain2), "∈(0;+∞)");
    EXPECT_EQ(text(Field::X), "0");
    EXPECT_EQ(text(Field::Q), "0.95");
    EXPECT_EQ(text(Field::Quantile), "1.644854");
    EXPECT_EQ(text(Field::Pdf), "0.398942");
    EXPECT_EQ(text(Field::Cdf), "0.5");

    const char* statistics[] = {"0", "1", "div 0", "0", "3"};
    const Field statisticFields[] = {Field::Mean, Field::StandardDeviation, Field::CoefficientOfVariation,
                                     Field::Skewness, Field::Kurtosis};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(text(statisticFields[i]), statistics[i]) << i;

    window->settleGraph();
    EXPECT_GE(window->graphArea()->imagesReceived(), 1);
    EXPECT_EQ(window->graphArea()->image().size(), QSize(304, 230));
}

TEST_F(MainWindowTest, MenuAndControlsAgreeWhicheverIsUsed)
{
    // From the menu: the list, the mark and the selector follow.
    window->menuAction(distributionCommandOf(5))->trigger();
    EXPECT_EQ(window->distributionList()->currentText(), "Gamma");
    EXPECT_TRUE(marked(distributionCommandOf(5)));
    EXPECT_FALSE(marked(distributionCommandOf(1)));

    window->menuAction(functionCommandOf(ShownFunction::Hazard))->trigger();
    EXPECT_EQ(window->functionSelector()->currentIndex(), 3);
    EXPECT_TRUE(marked(functionCommandOf(ShownFunction::Hazard)));
    EXPECT_EQ(graphTitle(), "Hazard Function");

    // Each selector item's tip is its function's long name, as the graph box shows it.
    EXPECT_EQ(window->functionSelector()->button(1)->toolTip(), "Cumulative Distribution Function (CPF)");

    window->menuAction(lineWeightCommandOf(3))->trigger();
    EXPECT_TRUE(marked(lineWeightCommandOf(3)));
    EXPECT_FALSE(marked(lineWeightCommandOf(2)));

    // From the controls: the marks follow.
    QComboBox* list = window->distributionList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), "Beta");
    EXPECT_TRUE(marked(distributionCommandOf(6)));
    EXPECT_FALSE(marked(distributionCommandOf(5)));
    EXPECT_EQ(labelText(ControlRole::ParameterSymbol1), "α");

    QTest::mouseClick(window->functionSelector()->button(1), Qt::LeftButton);
    EXPECT_EQ(window->functionSelector()->currentIndex(), 1);
    EXPECT_TRUE(marked(functionCommandOf(ShownFunction::Distribution)));
    EXPECT_FALSE(marked(functionCommandOf(ShownFunction::Hazard)));
    EXPECT_EQ(graphTitle(), "Cumulative Distribution Function (CPF)");
}

TEST_F(MainWindowTest, TabVisitsTheFieldsInCreationOrderAndSkipsAHiddenOne)
{
    const auto tabFrom = [](QWidget* start, int steps) {
        start->setFocus();
        for (int i = 0; i < steps; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    const std::vector<QWidget*> order = {
        window->distributionList(),
        window->functionSelector(),
        window->field(Field::Parameter1),
        window->field(Field::Parameter2),
        window->field(Field::X),
        window->field(Field::Pdf),
        window->field(Field::Cdf),
        window->field(Field::Survival),
        window->field(Field::Hazard),
        window->field(Field::Q),
        window->field(Field::Quantile),
        window->field(Field::Mean),
        window->field(Field::StandardDeviation),
        window->field(Field::CoefficientOfVariation),
        window->field(Field::Skewness),
        window->field(Field::Kurtosis),
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_EQ(tabFrom(order.front(), static_cast<int>(i)), order[i]) << "Tab " << i;
    }

    // Exponential has one parameter: field 2 and its labels are empty and hidden.
    window->menuAction(distributionCommandOf(3))->trigger();
    EXPECT_FALSE(window->field(Field::Parameter2)->isVisible());
    EXPECT_EQ(text(Field::Parameter2), "");
    EXPECT_EQ(labelText(ControlRole::ParameterSymbol2), "");
    EXPECT_EQ(labelText(ControlRole::ParameterDomain2), "");
    EXPECT_EQ(tabFrom(window->field(Field::Parameter1), 1), window->field(Field::X));

    // Back on a two-parameter distribution the field returns.
    window->menuAction(distributionCommandOf(1))->trigger();
    EXPECT_TRUE(window->field(Field::Parameter2)->isVisible());
    EXPECT_EQ(tabFrom(window->field(Field::Parameter1), 1), window->field(Field::Parameter2));
}

TEST_F(MainWindowTest, TypedParametersReachThePanelsAndTheGraph)
{
    window->settleGraph();
    const int imagesAtStart = window->graphArea()->imagesReceived();

    typeInto(Field::Parameter2, "2");
    EXPECT_EQ(text(Field::StandardDeviation), "2");
    EXPECT_EQ(text(Field::Quantile), "3.289707");
    window->settleGraph();
    EXPECT_GT(window->graphArea()->imagesReceived(), imagesAtStart);

    // Dropped characters change nothing.
    typeInto(Field::Parameter1, "1x");
    EXPECT_EQ(text(Field::Parameter1), "1");
    EXPECT_EQ(text(Field::Mean), "1");
}

TEST_F(MainWindowTest, XAndQEditsRefreshTheirOwnPanelOnly)
{
    window->settleGraph();
    const int imagesBefore = window->graphArea()->imagesReceived();

    typeInto(Field::X, "1");
    EXPECT_EQ(text(Field::Cdf), "0.841345");
    typeInto(Field::Q, "1.5");
    EXPECT_EQ(text(Field::Quantile), "-");
    typeInto(Field::Q, "-");
    EXPECT_EQ(text(Field::Q), "-");
    EXPECT_EQ(text(Field::Quantile), "-inf");  // no number reads as q = 0
    EXPECT_EQ(text(Field::Mean), "0");

    window->settleGraph();
    EXPECT_EQ(window->graphArea()->imagesReceived(), imagesBefore);
}

TEST_F(MainWindowTest, ThePrintedPageTakesTheTextsAsShown)
{
    window->menuAction(distributionCommandOf(3))->trigger();  // Exponential, one parameter
    window->menuAction(functionCommandOf(ShownFunction::Distribution))->trigger();
    typeInto(Field::X, "2");
    window->settleGraph();

    const ReportContent page = window->reportContent();
    EXPECT_EQ(page.distributionName, "Exponential");
    EXPECT_EQ(page.parameterCount, 1);
    EXPECT_EQ(page.parameterSymbols[0], "λ");
    EXPECT_EQ(page.parameterTexts[0], text(Field::Parameter1));
    EXPECT_EQ(page.x, "2");
    EXPECT_EQ(page.distributionFunction, text(Field::Cdf));
    EXPECT_EQ(page.survival, text(Field::Survival));
    EXPECT_EQ(page.quantile, text(Field::Quantile));
    EXPECT_EQ(page.kurtosis, text(Field::Kurtosis));
    EXPECT_EQ(page.graphTitle, "Cumulative Distribution Function (CPF)");
    EXPECT_FALSE(page.densityFormula.isNull());
    EXPECT_FALSE(page.functionFormula.isNull());
    EXPECT_NE(page.densityFormula, page.functionFormula);
    EXPECT_EQ(page.graph, window->graphArea()->image());

    // The window prints the page the command line writes, long texts cut alike.
    typeInto(Field::X, QString(600, '1'));
    EXPECT_EQ(window->reportContent().x, reportContent(window->shell(), QImage()).x);
    EXPECT_EQ(window->reportContent().x.size(), 511);
}

TEST_F(MainWindowTest, ValuesAreCopiedWithAllTheirDigits)
{
    window->menuAction(menu_command::copyValues)->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Distribution\tNormal\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("f(x)\t0.3989422804014327\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Quantile\t1.6448536269514722\n")) << copied.toStdString();

    QLineEdit* density = window->field(Field::Pdf);
    density->setFocus();
    QTest::keyClick(density, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.3989422804014327");
    EXPECT_TRUE(density->toolTip().contains("0.3989422804014327")) << density->toolTip().toStdString();
}

TEST_F(MainWindowTest, ClosingStopsTheShell)
{
    window->close();
    EXPECT_TRUE(window->shell().isShutDown());
}

}  // namespace
