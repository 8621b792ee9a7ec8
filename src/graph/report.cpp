#include "graph/report.h"

#include <QBuffer>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRectF>
#include <QSize>
#include <cmath>

#include "graph/ui_font.h"
#include "graph/whole_file.h"

namespace {

// The source rectangles copied onto the page: the top 304 x 67 of a formula
// picture, the whole 304 x 230 graph.
constexpr QRect formulaSource(0, 0, 304, 67);
constexpr QRect graphSource(0, 0, 304, 230);

// One place of the page, given in fractions of its width and height.
struct Fraction {
    double x;
    double y;
};

int truncated(double fraction, int extent) { return static_cast<int>(fraction * extent); }

QPoint at(const QSize& page, Fraction f) { return {truncated(f.x, page.width()), truncated(f.y, page.height())}; }

// The UI typeface with a cell (ascent plus descent) `cellHeight` device
// pixels tall. The parameter lines use it too: their symbols arrive already
// as Greek letters.
QFont pageFont(int cellHeight, QFont::Weight weight)
{
    QFont font = uiFont(cellHeight, FontHeight::Cell, weight);
    // No ligatures: a word copied from the page must read as it was printed.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    return font;
}

// Draws `text` with its top-left corner at `corner`.
void drawTextAt(QPainter& painter, QPoint corner, const QString& text)
{
    painter.drawText(QPoint(corner.x(), corner.y() + uiFontCellMetrics(painter.font()).ascent), text);
}

// Stretches `source` of `image` onto `target`, both scaled alike; source rows
// or columns the image does not have stay blank.
void drawStretched(QPainter& painter, const QImage& image, const QRect& source, const QRect& target)
{
    if (image.isNull() || source.isEmpty()) return;
    const QRect available = source.intersected(image.rect());
    if (available.isEmpty()) return;
    const double scaleX = double(target.width()) / source.width();
    const double scaleY = double(target.height()) / source.height();
    const QRectF placed(target.x() + (available.x() - source.x()) * scaleX,
                        target.y() + (available.y() - source.y()) * scaleY, available.width() * scaleX,
                        available.height() * scaleY);
    painter.drawImage(placed, image, available);
}

QString line(const char* label, const QString& value) { return QString::fromLatin1(label) + value; }

}  // namespace

QString reportTitle(const QString& distributionName)
{
    if (distributionName == QLatin1String("F-distribution")) return QStringLiteral("Probaview: F-distribution");
    return QStringLiteral("Probaview: %1 Distribution").arg(distributionName);
}

QString reportDocumentName(const QString& distributionName)
{
    return QStringLiteral("Probaview: %1").arg(distributionName);
}

void paintReport(QPainter& painter, const QSize& page, const ReportContent& c)
{
    const int H = page.height();
    const QFont titleFont = pageFont(truncated(0.025, H), QFont::Bold);
    const QFont headingFont = pageFont(truncated(0.015, H), QFont::Bold);
    const QFont textFont = pageFont(truncated(0.015, H), QFont::Normal);
    const QFont symbolFont = textFont;

    painter.save();
    painter.setFont(titleFont);
    drawTextAt(painter, at(page, {0.05, 0.05}), reportTitle(c.distributionName));

    painter.setFont(headingFont);
    drawTextAt(painter, at(page, {0.05, 0.085}), QStringLiteral("Distribution's Parameters:"));
    drawTextAt(painter, at(page, {0.05, 0.155}), QStringLiteral("Common Statistics:"));
    drawTextAt(painter, at(page, {0.05, 0.285}), QStringLiteral("Function value:"));
    drawTextAt(painter, at(page, {0.05, 0.395}), QStringLiteral("q-Quantile:"));
    drawTextAt(painter, at(page, {0.05, 0.445}), c.graphTitle);

    painter.setFont(symbolFont);
    drawTextAt(painter, at(page, {0.07, 0.105}), c.parameterSymbols[0] + QStringLiteral(" = ") + c.parameterTexts[0]);
    if (c.parameterCount == 2)
        drawTextAt(painter, at(page, {0.07, 0.125}),
                   c.parameterSymbols[1] + QStringLiteral(" = ") + c.parameterTexts[1]);

    painter.setFont(textFont);
    drawTextAt(painter, at(page, {0.07, 0.175}), line("Mean = ", c.mean));
    drawTextAt(painter, at(page, {0.07, 0.195}), line("Standart Deviation = ", c.standardDeviation));
    drawTextAt(painter, at(page, {0.07, 0.215}), line("Coefficient of Variation = ", c.coefficientOfVariation));
    drawTextAt(painter, at(page, {0.07, 0.235}), line("Skewness = ", c.skewness));
    drawTextAt(painter, at(page, {0.07, 0.255}), line("Kurtosis = ", c.kurtosis));
    const QString fx = QStringLiteral("(%1) = ").arg(c.x);
    drawTextAt(painter, at(page, {0.07, 0.305}), line("Probability Density Function: f", fx + c.density));
    drawTextAt(painter, at(page, {0.07, 0.325}),
               line("Cumulative Distribution Function: F", fx + c.distributionFunction));
    drawTextAt(painter, at(page, {0.07, 0.345}), line("Survival Function: S", fx + c.survival));
    drawTextAt(painter, at(page, {0.07, 0.365}), line("Hazard Function: h", fx + c.hazard));
    drawTextAt(painter, at(page, {0.07, 0.415}), QStringLiteral("F(%1) = %2").arg(c.quantile, c.q));

    // Both pictures take their two sides from H and the graph from W, which
    // keeps the aspect ratio of their sources.
    const QSize pictureSize(truncated(0.1815, H), truncated(0.04, H));
    drawStretched(painter, c.densityFormula, formulaSource, QRect(at(page, {0.25, 0.105}), pictureSize));
    drawStretched(painter, c.functionFormula, formulaSource, QRect(at(page, {0.05, 0.465}), pictureSize));
    const QSize graphSize(truncated(0.25, page.width()), truncated(0.1891, page.width()));
    drawStretched(painter, c.graph, graphSource, QRect(at(page, {0.05, 0.505}), graphSize));
    if (c.interval) {
        const ReportInterval& i = *c.interval;
        drawTextAt(painter, at(page, {0.05, 0.68}), QStringLiteral("Interval: a = %1, b = %2").arg(i.a, i.b));
        drawTextAt(painter, at(page, {0.07, 0.70}), QStringLiteral("P(X < a) = ") + i.below);
        drawTextAt(painter, at(page, {0.07, 0.72}), QStringLiteral("P(a ≤ X ≤ b) = ") + i.inside);
        drawTextAt(painter, at(page, {0.07, 0.74}), QStringLiteral("P(X > b) = ") + i.above);
        drawTextAt(painter, at(page, {0.07, 0.76}),
                   QStringLiteral("Central interval holding p = %1: [%2, %3]").arg(i.p, i.centralLow, i.centralHigh));
    }
    painter.restore();
}

bool printReport(QPagedPaintDevice& device, const ReportContent& content)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintReport(painter, QSize(device.width(), device.height()), content);
    return painter.end();
}

bool printReport(QPrinter& printer, const ReportContent& content)
{
    printer.setDocName(reportDocumentName(content.distributionName));
    const bool printed = printReport(static_cast<QPagedPaintDevice&>(printer), content);
    return printed && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

bool printReportToPdf(const ReportContent& content, const QString& path, const QPageSize& pageSize, int dotsPerInch)
{
    // The page is made in memory first, so that every byte's write to the file can be checked.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(reportDocumentName(content.distributionName));
        writer.setCreator(QStringLiteral("Probaview"));
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        printed = printReport(writer, content);
    }
    return printed && writeWholeFile(path, pdf).isEmpty();
}
