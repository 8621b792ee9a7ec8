#include "shell/report_content.h"

#include <gtest/gtest.h>

#include "shell/shell.h"

namespace {

TEST(ReportContent, CopiesTheWindowsTextsAsShown)
{
    Shell shell;
    shell.start();
    const ReportContent c = reportContent(shell, QImage());
    EXPECT_EQ(c.distributionName, "Normal");
    EXPECT_EQ(c.parameterCount, 2);
    EXPECT_EQ(c.parameterSymbols[0], "μ");
    EXPECT_EQ(c.parameterSymbols[1], "σ");
    EXPECT_EQ(c.parameterTexts[0], "0");
    EXPECT_EQ(c.parameterTexts[1], "1");
    EXPECT_EQ(c.mean, "0");
    EXPECT_EQ(c.standardDeviation, "1");
    EXPECT_EQ(c.coefficientOfVariation, "div 0");
    EXPECT_EQ(c.skewness, "0");
    EXPECT_EQ(c.kurtosis, "3");
    EXPECT_EQ(c.x, "0");
    EXPECT_EQ(c.density, QString::fromStdString(shell.fieldText(Field::Pdf)));
    EXPECT_EQ(c.distributionFunction, "0.5");
    EXPECT_EQ(c.survival, "0.5");
    EXPECT_EQ(c.hazard, QString::fromStdString(shell.fieldText(Field::Hazard)));
    EXPECT_EQ(c.q, "0.95");
    EXPECT_EQ(c.quantile, "1.644854");
    EXPECT_EQ(c.graphTitle, "Probability Density Function (PDF)");
}

TEST(ReportContent, FollowsTheSelectionAndTheTypedTexts)
{
    struct Case {
        int distribution;
        int function;
        const char* parameter1;  // typed into field 1, or nullptr
        const char* q;           // typed into the q field, or nullptr
        const char* name;
        int parameterCount;
        const char* symbol1;
        const char* text1;
        const char* quantile;
        const char* graphTitle;
        bool functionFormula;
    };
    const Case cases[] = {
        {3, 3, nullptr, nullptr, "Exponential", 1, "λ", "1", "2.995732", "Hazard Function", true},
        {8, 1, nullptr, nullptr, "F-distribution", 2, "ν1", "1", nullptr, "Cumulative Distribution Function (CPF)",
         true},
        {11, 3, nullptr, nullptr, "Poisson", 1, "λ", "10", nullptr, "Hazard Function", false},
        {1, 0, "abc", nullptr, "Normal", 2, "μ", "abc", nullptr, "Probability Density Function (PDF)", true},
        {1, 2, nullptr, "", "Normal", 2, "μ", "0", "-inf", "Survival Function", true},
    };
    for (const Case& k : cases) {
        Shell shell;
        shell.start();
        shell.selectDistribution(k.distribution);
        shell.selectFunction(shownFunctionAt(k.function));
        if (k.parameter1) shell.editParameter(1, k.parameter1);
        if (k.q) shell.editQ(k.q);
        QImage graph(304, 230, QImage::Format_RGB32);
        const ReportContent c = reportContent(shell, graph);
        SCOPED_TRACE(k.name);
        EXPECT_EQ(c.distributionName, k.name);
        EXPECT_EQ(c.parameterCount, k.parameterCount);
        EXPECT_EQ(c.parameterSymbols[0], QString::fromUtf8(k.symbol1));
        EXPECT_EQ(c.parameterTexts[0], k.text1);
        if (k.parameterCount == 1) {
            EXPECT_EQ(c.parameterTexts[1], "");
        }
        if (k.quantile) {
            EXPECT_EQ(c.quantile, k.quantile);
        }
        EXPECT_EQ(c.graphTitle, k.graphTitle);
        EXPECT_FALSE(c.densityFormula.isNull());
        EXPECT_EQ(!c.functionFormula.isNull(), k.functionFormula);
        EXPECT_EQ(c.graph.size(), QSize(304, 230));
    }
}

}  // namespace
