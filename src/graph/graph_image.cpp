#include "graph/graph_image.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "graph/plot_vector_registers.h"
#include "graph/ui_font.h"

using namespace plot_frame;

namespace {

constexpr int labelFontCellHeight = 14;
constexpr int messageFontHeight = 32;  // character height
constexpr PlotRect messageRect{0, 57, width, 172};
constexpr const char* messageLines[] = {"Invalid ", "Parameter"};
constexpr int tickHalfLength = 4;
constexpr int xTickTop = 212;
constexpr int xTickBottom = 218;
constexpr int maxPenWidth = 32;

QColor toColor(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QRect toQRect(const PlotRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Glyphs in one solid colour, like every other pixel of the graph.
QFont graphFont(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class GraphPainter {
public:
    GraphPainter(QImage& image, const GraphOptions& options)
        : painter_(&image),
          textColor_(toColor(options.textColor)),
          functionColor_(toColor(options.functionColor)),
          gridColor_(toColor(options.gridColor)),
          functionWidth_(std::clamp(options.lineWeight, 1, maxPenWidth)),
          labelFont_(graphFont(uiFont(labelFontCellHeight, FontHeight::Cell))),
          labelCell_(uiFontCellMetrics(labelFont_))
    {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
    }

    // A line covers its start and stops one pixel before its end. Every pixel
    // of the walk is a width x width square, grown up and left from the pixel
    // for even widths.
    void line(PlotPoint a, PlotPoint b, const QColor& color, int penWidth)
    {
        const int dx = std::abs(b.x - a.x);
        const int dy = -std::abs(b.y - a.y);
        const int sx = a.x < b.x ? 1 : -1;
        const int sy = a.y < b.y ? 1 : -1;
        const int offset = penWidth / 2;
        int error = dx + dy;
        int x = a.x;
        int y = a.y;
        while (x != b.x || y != b.y) {
            if (x + penWidth > 0 && x - penWidth < width && y + penWidth > 0 && y - penWidth < height) {
                painter_.fillRect(x - offset, y - offset, penWidth, penWidth, color);
            }
            const int doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                x += sx;
            }
            if (doubled <= dx) {
                error += dx;
                y += sy;
            }
        }
    }

    void functionLine(PlotPoint a, PlotPoint b) { line(a, b, functionColor_, functionWidth_); }
    void gridLine(PlotPoint a, PlotPoint b) { line(a, b, gridColor_, 1); }

    // Left- and top-aligned in the rectangle and clipped to it.
    void label(const PlotRect& rect, const std::string& text)
    {
        if (rect.right <= rect.left || rect.bottom <= rect.top) return;
        painter_.save();
        painter_.setClipRect(toQRect(rect));
        painter_.setFont(labelFont_);
        painter_.setPen(textColor_);
        painter_.drawText(rect.left, rect.top + labelCell_.ascent, QString::fromStdString(text));
        painter_.restore();
    }

    // Two lines, each centred across the frame, the first at the rectangle's top.
    void invalidParameterMessage()
    {
        const QFont font = graphFont(uiFont(messageFontHeight, FontHeight::Character, QFont::Bold));
        const QFontMetrics metrics(font);
        const CellMetrics cell = uiFontCellMetrics(font);
        painter_.save();
        painter_.setClipRect(toQRect(messageRect));
        painter_.setFont(font);
        painter_.setPen(textColor_);
        int top = messageRect.top;
        for (const char* line : messageLines) {
            const QString text = QString::fromLatin1(line);
            const int left =
                messageRect.left + (messageRect.right - messageRect.left - metrics.horizontalAdvance(text)) / 2;
            painter_.drawText(left, top + cell.ascent, text);
            top += cell.height();
        }
        painter_.restore();
    }

private:
    QPainter painter_;
    QColor textColor_;
    QColor functionColor_;
    QColor gridColor_;
    int functionWidth_;
    QFont labelFont_;
    CellMetrics labelCell_;
};

bool isStopRequested(const StopQuery& stopRequested) { return stopRequested && stopRequested(); }

}  // namespace

QImage newGraphImage(const GraphOptions& options)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(toColor(options.backgroundColor));
    return image;
}

bool drawFunctionPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options,
                      const StopQuery& stopRequested)
{
    GraphPainter painter(image, options);
    if (plot.parametersInvalid) {
        painter.invalidParameterMessage();
        return true;
    }
    if (plot.abandoned) return false;

    for (std::size_t n = 1; n < plot.curve.size(); ++n) {
        if (isStopRequested(stopRequested)) return false;
        painter.functionLine(plot.curve[n - 1], plot.curve[n]);
    }

    painter.gridLine({leftEdge, baseline}, {xAxisEnd, baseline});
    if (plot.zeroLabel) painter.label(*plot.zeroLabel, "0");
    painter.gridLine({plot.yAxisX, yAxisTop}, {plot.yAxisX, baseline});

    for (const PlotYTick& tick : plot.yTicks) {
        painter.label(tick.labelRect, tick.label);
        painter.gridLine({plot.yAxisX - tickHalfLength, tick.y}, {plot.yAxisX + tickHalfLength, tick.y});
    }
    for (std::size_t n = 0; n < plot.xTicks.size(); ++n) {
        if (n == 0 && !plot.xLabels.empty()) painter.label(plot.xLabels.front().rect, plot.xLabels.front().text);
        painter.gridLine({plot.xTicks[n].x, xTickBottom}, {plot.xTicks[n].x, xTickTop});
    }
    for (std::size_t n = 1; n < plot.xLabels.size(); ++n) painter.label(plot.xLabels[n].rect, plot.xLabels[n].text);
    return true;
}

Distribution* applyPlotRequest(DistributionSet& distributions, const PlotRequest& request)
{
    if (request.distribution < 0 || request.distribution >= distributionCount) return nullptr;
    Distribution* distribution = distributions[request.distribution].get();
    if (distribution == nullptr) return nullptr;
    distribution->setParameter1(request.parameters[0]);
    distribution->setParameter2(request.parameters[1]);
    distribution->setParameter3(request.parameters[2]);
    distribution->setParameter4(request.parameters[3]);
    return distribution;
}

QImage renderGraphImage(const PlotRequest& request, DistributionSet& distributions, const StopQuery& stopRequested)
{
    QImage image = newGraphImage(request.options);
    // Filling the image leaves the vector registers' upper halves dirty,
    // which slows the plain-SSE sampling below several times over.
    clearUpperVectorRegisters();
    FunctionPlot plot;
    if (Distribution* distribution = applyPlotRequest(distributions, request)) {
        plot = computeFunctionPlot(*distribution, request.function, stopRequested);
    } else {
        plot.parametersInvalid = true;
    }
    if (!drawFunctionPlot(image, plot, request.options, stopRequested)) return QImage();
    return image;
}
