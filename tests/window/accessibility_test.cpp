#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "graph/formula_picture.h"
#include "graph/formula_text.h"
#include "qt_application.h"
#include "window/formula_box.h"
#include "window/function_selector.h"
#include "window/graph_area.h"
#include "window/main_window.h"

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which) : QStringLiteral("<no interface>");
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<MainWindow> window;
};

struct NamedField {
    Field field;
    const char* name;
};

// The standard normal distribution as the window starts.
const NamedField namedFields[] = {
    {Field::Parameter1, "μ"},
    {Field::Parameter2, "σ"},
    {Field::X, "x"},
    {Field::Pdf, "f"},
    {Field::Cdf, "F"},
    {Field::Survival, "S"},
    {Field::Hazard, "h"},
    {Field::Q, "q"},
    {Field::Quantile, "x"},
    {Field::Mean, "Mean"},
    {Field::StandardDeviation, "Standard Deviation"},
    {Field::CoefficientOfVariation, "Coefficient of Variation"},
    {Field::Skewness, "Skewness"},
    {Field::Kurtosis, "Kurtosis"},
};

TEST_F(AccessibilityTest, EveryFieldIsNamedByItsLabelAndDescribedWithItsValue)
{
    for (const NamedField& c : namedFields) {
        QLineEdit* edit = window->field(c.field);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(accessibleText(edit, QAccessible::Name), QString::fromUtf8(c.name));
        EXPECT_TRUE(accessibleText(edit, QAccessible::Description).endsWith(QStringLiteral(": ") + edit->text()))
            << accessibleText(edit, QAccessible::Description).toStdString();
    }
    EXPECT_EQ(accessibleText(window->field(Field::Pdf), QAccessible::Description),
              "Value of Probability Density Function (PDF): 0.398942");
    // On Linux Qt gives a list's name as its current text and its label through a relation.
    EXPECT_EQ(window->distributionList()->accessibleName(), "Distribution");
    EXPECT_EQ(accessibleText(window->distributionList(), QAccessible::Value), "Normal");
    EXPECT_EQ(accessibleText(window->functionSelector(), QAccessible::Name), "Function");
    EXPECT_EQ(accessibleText(window->functionSelector()->button(1), QAccessible::Name), "CDF");

    // A distribution of other symbols renames the parameter fields; a typed value is described at once.
    window->shell().selectDistribution(6);  // Beta
    for (const auto& [field, label] : {std::pair{Field::Parameter1, ControlRole::ParameterSymbol1},
                                       std::pair{Field::Parameter2, ControlRole::ParameterSymbol2}}) {
        const QString symbol = static_cast<QLabel*>(window->control(label))->text();
        EXPECT_NE(symbol, "μ");
        EXPECT_EQ(accessibleText(window->field(field), QAccessible::Name), symbol);
    }
    window->field(Field::X)->setFocus();
    window->field(Field::X)->selectAll();
    QTest::keyClicks(window->field(Field::X), "2.5");
    EXPECT_TRUE(accessibleText(window->field(Field::X), QAccessible::Description).endsWith(": 2.5"));
}

TEST_F(AccessibilityTest, TheGraphIsDescribedInWordsAndTheFormulaAsItsTeX)
{
    struct Case {
        int distribution;
        ShownFunction function;
        const char* secondParameter;  // typed into parameter field 2, or nullptr
        const char* expected;         // the description's start
    };
    const Case cases[] = {
        {1, ShownFunction::Density, nullptr, "Probability density of Normal (0, 1) from -"},
        {11, ShownFunction::Density, nullptr, "Probability mass of Poisson ("},
        {1, ShownFunction::Survival, nullptr, "Survival function of Normal (0, 1) from -"},
        {1, ShownFunction::Density, "-1", "Probability density of Normal (0, -1): invalid parameters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        window->shell().selectDistribution(c.distribution);
        window->shell().selectFunction(c.function);
        if (c.secondParameter) window->shell().editParameter(2, c.secondParameter);
        const QString description = accessibleText(window->graphArea(), QAccessible::Description);
        EXPECT_TRUE(description.startsWith(QString::fromUtf8(c.expected))) << description.toStdString();
        EXPECT_EQ(accessibleText(window->graphArea(), QAccessible::Name), "Graph");
        window->shell().editParameter(2, "1");
    }

    auto* formula = static_cast<FormulaBox*>(window->control(ControlRole::FormulaBox));
    window->shell().selectDistribution(1);
    window->shell().selectFunction(ShownFunction::Density);
    EXPECT_EQ(accessibleText(formula, QAccessible::Name), "Formula");
    EXPECT_TRUE(accessibleText(formula, QAccessible::Description).contains("\\sigma\\sqrt{2\\pi}"));

    // Every picture the program shows has its formula to read.
    for (int d = 0; d < distributionCount; ++d) {
        for (int f = 0; f < shownFunctionCount; ++f) {
            const int number = formulaPictureNumber(d, shownFunctionAt(f));
            if (!loadFormulaPicture(number).isNull()) {
                EXPECT_FALSE(formulaText(number).isEmpty()) << number;
            }
        }
    }
}

// After a menu opened with the mouse is closed with Escape, the keyboard is
// back with the window's fields at once: Tab moves the focus.
TEST_F(AccessibilityTest, TabWorksAtOnceAfterAMouseOpenedMenuIsEscaped)
{
    QLineEdit* x = window->field(Field::X);
    x->setFocus();
    QMenuBar* bar = window->menuBar();
    QAction* help = bar->actions().last();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    QMenu* menu = help->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    QCoreApplication::processEvents();

    // The window's keyboard focus is the field again, not the menu bar, and Tab moves on from it.
    ASSERT_EQ(window->focusWidget(), x);
    QTest::keyClick(x, Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), window->field(Field::Pdf));
}

}  // namespace
