#pragma once

#include <QImage>
#include <QPageSize>
#include <QString>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QSize;

// The interval panel's texts, printed below the graph while the panel is open.
struct ReportInterval {
    QString a, b, below, inside, above;
    QString p, centralLow, centralHigh;
};

// Everything the printed page shows, copied from the window's controls as they
// are displayed at that moment; nothing is computed anew.
struct ReportContent {
    QString distributionName;     // as the distribution list shows it ("F-distribution")
    int parameterCount = 2;       // the second parameter line is printed only for exactly 2
    QString parameterSymbols[2];  // the labels as shown, in Greek ("μ", "σ")
    QString parameterTexts[2];    // the parameter fields' texts
    QString mean;
    QString standardDeviation;
    QString coefficientOfVariation;
    QString skewness;
    QString kurtosis;
    QString x;  // the x field
    QString density;
    QString distributionFunction;
    QString survival;
    QString hazard;
    QString q;  // the q field
    QString quantile;
    QString graphTitle;      // the graph box's title, the selected function's long name
    QImage densityFormula;   // formula picture (d + 1) * 1000; null leaves its place empty
    QImage functionFormula;  // formula picture (d + 1) * 1000 + f of the selected function
    QImage graph;            // the graph area's current image, 304 x 230
    std::optional<ReportInterval> interval;
};

// "Probaview: F-distribution", otherwise "Probaview: <name> Distribution".
QString reportTitle(const QString& distributionName);
// The print job's name, "Probaview: <name>".
QString reportDocumentName(const QString& distributionName);

// Paints the page on a surface `page` device pixels large: every position and
// size is a fraction of its width W or height H, truncated, and the fonts are
// sized from H, so the page looks the same at any resolution.
void paintReport(QPainter& painter, const QSize& page, const ReportContent& content);

// Prints the one page on a printer, a PDF writer or any other paged device.
// Returns false, having drawn nothing, when the document or page cannot be
// started, and false when the device reports a failure at the end.
bool printReport(QPagedPaintDevice& device, const ReportContent& content);
// The same on a printer, with the job named by reportDocumentName.
bool printReport(QPrinter& printer, const ReportContent& content);

// Writes the page to a PDF file; the file appears only complete, and a failure
// leaves whatever was at `path` before. Needs a QGuiApplication for the fonts.
bool printReportToPdf(const ReportContent& content, const QString& path,
                      const QPageSize& pageSize = QPageSize(QPageSize::A4), int dotsPerInch = 600);
