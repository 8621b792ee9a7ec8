#include "shell/report_content.h"

#include "graph/formula_picture.h"
#include "model/catalogue.h"
#include "shell/shell.h"
#include "shell/symbol_text.h"

namespace {

// A control's text as the report takes it: the parameter fields give at most
// 411 characters, every other control 511.
constexpr qsizetype parameterTextLimit = 411;
constexpr qsizetype controlTextLimit = 511;

QString shown(const std::string& text, qsizetype limit = controlTextLimit)
{
    return QString::fromStdString(text).left(limit);
}

}  // namespace

ReportContent reportContent(const Shell& shell, const QImage& graph)
{
    const int d = shell.state().selectedDistribution;
    const ShownFunction f = shell.state().selectedFunction;
    const auto field = [&](Field which) { return shown(shell.fieldText(which)); };

    ReportContent c;
    c.distributionName = QString::fromLatin1(distributionNames[d]);
    c.parameterCount = shell.distribution(d).parameterCount();
    c.parameterSymbols[0] = shown(symbolTextToUtf8(shell.labelText(Label::ParameterSymbol1)));
    c.parameterSymbols[1] = shown(symbolTextToUtf8(shell.labelText(Label::ParameterSymbol2)));
    c.parameterTexts[0] = shown(shell.fieldText(Field::Parameter1), parameterTextLimit);
    c.parameterTexts[1] = shown(shell.fieldText(Field::Parameter2), parameterTextLimit);
    c.mean = field(Field::Mean);
    c.standardDeviation = field(Field::StandardDeviation);
    c.coefficientOfVariation = field(Field::CoefficientOfVariation);
    c.skewness = field(Field::Skewness);
    c.kurtosis = field(Field::Kurtosis);
    c.x = field(Field::X);
    c.density = field(Field::Pdf);
    c.distributionFunction = field(Field::Cdf);
    c.survival = field(Field::Survival);
    c.hazard = field(Field::Hazard);
    c.q = field(Field::Q);
    c.quantile = field(Field::Quantile);
    c.graphTitle = shown(shell.graphTitle());
    c.densityFormula = loadFormulaPicture(formulaPictureNumber(d, ShownFunction::Density));
    c.functionFormula = loadFormulaPicture(formulaPictureNumber(d, f));
    c.graph = graph;
    if (shell.isIntervalPanelOpen()) {
        const auto text = [&](IntervalField which) { return shown(shell.intervalText(which)); };
        c.interval =
            ReportInterval{text(IntervalField::A),          text(IntervalField::B),          text(IntervalField::Below),
                           text(IntervalField::Inside),     text(IntervalField::Above),      text(IntervalField::P),
                           text(IntervalField::CentralLow), text(IntervalField::CentralHigh)};
    }
    return c;
}
