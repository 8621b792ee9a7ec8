#include "graph/graph_image.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <algorithm>
#include <cmath>
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
constexpr double shadeStrength = 0.25;  // of the function colour over the background
constexpr int markDash = 3;
constexpr double maxDevicePixelRatio = 8.0;  // beyond any screen; keeps a bad ratio from a huge image             //
                                             // the interval marks' dashes and gaps, in pixels

QColor toColor(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The function colour laid lightly over the background: the shading's tint.
QColor shadeColor(const GraphOptions& options)
{
    const QColor over = toColor(options.functionColor), under = toColor(options.backgroundColor);
    const auto mix = [](int a, int b) { return static_cast<int>(b + (a - b) * shadeStrength + 0.5); };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()), mix(over.blue(), under.blue()));
}

QRect toQRect(const PlotRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Glyphs in one solid colour, like every other pixel of the graph.
QFont graphFont(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class GraphPainter {
public:
    // The painter paints in device pixels, `scale` of them per frame pixel,
    // on a device of deviceSize of them.
    GraphPainter(QPainter& painter, const GraphOptions& options, GraphDrawing drawing, double scale, QSize deviceSize)
        : painter_(painter),
          drawing_(drawing),
          scale_(scale),
          deviceWidth_(deviceSize.width()),
          deviceHeight_(deviceSize.height()),
          textColor_(toColor(options.textColor)),
          functionColor_(toColor(options.functionColor)),
          gridColor_(toColor(options.gridColor)),
          shadeColor_(shadeColor(options)),
          functionWidth_(std::clamp(options.lineWeight, 1, maxPenWidth)),
          labelFont_(graphFont(uiFont(labelFontCellHeight, FontHeight::Cell))),
          labelCell_(uiFontCellMetrics(labelFont_))
    {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
    }

    // A line covers its start and stops one pixel before its end. Every pixel
    // of the walk is a width x width square, grown up and left from the pixel
    // for even widths. At a scale above 1 the walk runs over device pixels
    // between the scaled ends with a scaled square, so a frame pixel's square
    // covers exactly that pixel's device pixels and slopes step by one device
    // pixel.
    void line(PlotPoint from, PlotPoint to, const QColor& color, int framePenWidth)
    {
        const PlotPoint a = toDevice(from);
        const PlotPoint b = toDevice(to);
        const int penWidth = std::max(1, static_cast<int>(std::lround(framePenWidth * scale_)));
        const int offset = static_cast<int>(std::lround(framePenWidth / 2 * scale_));
        const int dx = std::abs(b.x - a.x);
        const int dy = -std::abs(b.y - a.y);
        const int sx = a.x < b.x ? 1 : -1;
        const int sy = a.y < b.y ? 1 : -1;
        int error = dx + dy;
        int x = a.x;
        int y = a.y;
        while (x != b.x || y != b.y) {
            if (x + penWidth > 0 && x - penWidth < deviceWidth_ && y + penWidth > 0 && y - penWidth < deviceHeight_) {
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

    // In a vector drawing a line is one stroke of the pen, not its pixels.
    void strokedLine(PlotPoint a, PlotPoint b, const QColor& color, int penWidth)
    {
        if (drawing_ == GraphDrawing::Pixels) return line(a, b, color, penWidth);
        painter_.setPen(QPen(color, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawLine(QPointF(a.x + 0.5, a.y + 0.5), QPointF(b.x + 0.5, b.y + 0.5));
    }

    void functionLine(PlotPoint a, PlotPoint b) { strokedLine(a, b, functionColor_, functionWidth_); }
    void gridLine(PlotPoint a, PlotPoint b) { strokedLine(a, b, gridColor_, 1); }

    // The whole curve as one path, for a vector drawing.
    void functionCurve(const std::vector<PlotPoint>& curve)
    {
        QPolygonF points;
        for (const PlotPoint& point : curve) points << QPointF(point.x + 0.5, point.y + 0.5);
        painter_.setPen(QPen(functionColor_, functionWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawPolyline(points);
    }

    // A shaded column from the baseline up to a curve point.
    void shadedColumn(PlotPoint top)
    {
        painter_.fillRect(QRectF(top.x * scale_, top.y * scale_, scale_, (baseline - top.y + 1) * scale_), shadeColor_);
    }

    // A dashed vertical line across the plot at x, in the function colour.
    void intervalMark(int x)
    {
        for (int y = yAxisTop; y < baseline; y += 2 * markDash) {
            painter_.fillRect(QRectF(x * scale_, y * scale_, scale_, std::min(markDash, baseline - y) * scale_),
                              functionColor_);
        }
    }

    // Left- and top-aligned in the rectangle and clipped to it.
    void label(const PlotRect& rect, const std::string& text)
    {
        if (rect.right <= rect.left || rect.bottom <= rect.top) return;
        painter_.save();
        painter_.scale(scale_, scale_);
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
        painter_.scale(scale_, scale_);
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
    PlotPoint toDevice(PlotPoint p) const
    {
        return {static_cast<int>(std::lround(p.x * scale_)), static_cast<int>(std::lround(p.y * scale_))};
    }

    QPainter& painter_;
    GraphDrawing drawing_;
    double scale_;
    int deviceWidth_;
    int deviceHeight_;
    QColor textColor_;
    QColor functionColor_;
    QColor gridColor_;
    QColor shadeColor_;
    int functionWidth_;
    QFont labelFont_;
    CellMetrics labelCell_;
};

bool isStopRequested(const StopQuery& stopRequested) { return stopRequested && stopRequested(); }

bool drawPlot(QPainter& target, const FunctionPlot& plot, const GraphOptions& options, GraphDrawing drawing,
              double scale, QSize deviceSize, const StopQuery& stopRequested);

}  // namespace

QImage newGraphImage(const GraphOptions& options, double devicePixelRatio)
{
    const double scale = devicePixelRatio >= 1.0 && devicePixelRatio <= maxDevicePixelRatio ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale)),
                 QImage::Format_RGB888);
    image.setDevicePixelRatio(scale);
    image.fill(toColor(options.backgroundColor));
    return image;
}

bool drawFunctionPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options,
                      const StopQuery& stopRequested)
{
    // Painted in device pixels; the image says its ratio again when done.
    const double scale = image.devicePixelRatio();
    image.setDevicePixelRatio(1.0);
    bool whole = false;
    {
        QPainter painter(&image);
        whole = drawPlot(painter, plot, options, GraphDrawing::Pixels, scale, image.size(), stopRequested);
    }
    image.setDevicePixelRatio(scale);
    return whole;
}

bool drawFunctionPlot(QPainter& target, const FunctionPlot& plot, const GraphOptions& options, GraphDrawing drawing,
                      const StopQuery& stopRequested)
{
    return drawPlot(target, plot, options, drawing, 1.0, QSize(width, height), stopRequested);
}

namespace {

bool drawPlot(QPainter& target, const FunctionPlot& plot, const GraphOptions& options, GraphDrawing drawing,
              double scale, QSize deviceSize, const StopQuery& stopRequested)
{
    GraphPainter painter(target, options, drawing, scale, deviceSize);
    if (plot.parametersInvalid) {
        painter.invalidParameterMessage();
        return true;
    }
    if (plot.abandoned) return false;

    for (const PlotPoint& top : plot.shadedColumns) painter.shadedColumn(top);
    for (const int x : plot.intervalMarks) painter.intervalMark(x);
    if (drawing == GraphDrawing::Vector) {
        painter.functionCurve(plot.curve);
    } else {
        for (std::size_t n = 1; n < plot.curve.size(); ++n) {
            if (isStopRequested(stopRequested)) return false;
            painter.functionLine(plot.curve[n - 1], plot.curve[n]);
        }
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

}  // namespace

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

FunctionPlot plotOfRequest(const PlotRequest& request, DistributionSet& distributions, const StopQuery& stopRequested)
{
    FunctionPlot plot;
    if (Distribution* distribution = applyPlotRequest(distributions, request)) {
        plot = computeFunctionPlot(*distribution, request.function, stopRequested);
        if (request.interval) markInterval(plot, request.function, distribution->isContinuous(), *request.interval);
    } else {
        plot.parametersInvalid = true;
    }
    return plot;
}

QImage renderGraphImage(const PlotRequest& request, DistributionSet& distributions, const StopQuery& stopRequested)
{
    QImage image = newGraphImage(request.options, request.devicePixelRatio);
    // Filling the image leaves the vector registers' upper halves dirty,
    // which slows the plain-SSE sampling below several times over.
    clearUpperVectorRegisters();
    const FunctionPlot plot = plotOfRequest(request, distributions, stopRequested);
    if (!drawFunctionPlot(image, plot, request.options, stopRequested)) return QImage();
    return image;
}
