#include "graph/graph_image.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

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
constexpr double maxDevicePixelRatio = 8.0;  // beyond any screen; keeps a bad ratio from a huge image

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
    // `image` holds the frame at `scale` device pixels per frame pixel; it
    // is painted in device pixels (its own ratio set to 1 meanwhile).
    GraphPainter(QImage& image, const GraphOptions& options, double scale)
        : painter_(&image),
          scale_(scale),
          deviceWidth_(image.width()),
          deviceHeight_(image.height()),
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

    void functionLine(PlotPoint a, PlotPoint b) { line(a, b, functionColor_, functionWidth_); }
    void gridLine(PlotPoint a, PlotPoint b) { line(a, b, gridColor_, 1); }

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

    QPainter painter_;
    double scale_;
    int deviceWidth_;
    int deviceHeight_;
    QColor textColor_;
    QColor functionColor_;
    QColor gridColor_;
    int functionWidth_;
    QFont labelFont_;
    CellMetrics labelCell_;
};

bool isStopRequested(const StopQuery& stopRequested) { return stopRequested && stopRequested(); }

bool drawScaledPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options, double scale,
                    const StopQuery& stopRequested);

}  // namespace

QImage newGraphImage(const GraphOptions& options, double devicePixelRatio)
{
    const double scale = devicePixelRatio >= 1.0 && devicePixelRatio <= maxDevicePixelRatio ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale)),
                 QImage::Format_RGB888);
    image.fill(toColor(options.backgroundColor));
    image.setDevicePixelRatio(scale);
    return image;
}

bool drawFunctionPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options,
                      const StopQuery& stopRequested)
{
    // Painted in device pixels; the image says its ratio again when done.
    const double scale = image.devicePixelRatio();
    image.setDevicePixelRatio(1.0);
    const bool whole = drawScaledPlot(image, plot, options, scale, stopRequested);
    image.setDevicePixelRatio(scale);
    return whole;
}

namespace {

bool drawScaledPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options, double scale,
                    const StopQuery& stopRequested)
{
    GraphPainter painter(image, options, scale);
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

QImage renderGraphImage(const PlotRequest& request, DistributionSet& distributions, const StopQuery& stopRequested)
{
    QImage image = newGraphImage(request.options, request.devicePixelRatio);
    FunctionPlot plot;
    if (Distribution* distribution = applyPlotRequest(distributions, request)) {
        plot = computeFunctionPlot(*distribution, request.function, stopRequested);
    } else {
        plot.parametersInvalid = true;
    }
    if (!drawFunctionPlot(image, plot, request.options, stopRequested)) return QImage();
    return image;
}
