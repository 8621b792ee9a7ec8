#include "graph/graph_export.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "graph/graph_image.h"

namespace {

constexpr QSize graphSize{plot_frame::width, plot_frame::height};

QColor backgroundOf(const GraphOptions& options)
{
    const Color c = options.backgroundColor;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Draws the plot on a device of graphSize units, background first.
bool drawVector(QPaintDevice& device, const FunctionPlot& plot, const GraphOptions& options)
{
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), graphSize), backgroundOf(options));
    return drawFunctionPlot(painter, plot, options, GraphDrawing::Vector);
}

bool writeSvg(QSaveFile& file, const FunctionPlot& plot, const GraphOptions& options)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(graphSize);
    svg.setViewBox(QRect(QPoint(0, 0), graphSize));
    svg.setTitle(QStringLiteral("Probaview graph"));
    return drawVector(svg, plot, options);
}

bool writePdf(QSaveFile& file, const FunctionPlot& plot, const GraphOptions& options)
{
    // One page the size of the graph, one unit a point.
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(graphSize), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Probaview graph"));
    return drawVector(pdf, plot, options);
}

}  // namespace

bool isVectorGraphPath(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool exportGraph(const PlotRequest& request, const QString& path, QString& error)
{
    DistributionSet distributions = makeDistributionSet();
    const FunctionPlot plot = plotOfRequest(request, distributions);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QString extension = path.section(QLatin1Char('.'), -1).toLower();
    bool drawn = false;
    if (extension == QLatin1String("svg")) {
        drawn = writeSvg(file, plot, request.options);
    } else if (extension == QLatin1String("pdf")) {
        drawn = writePdf(file, plot, request.options);
    } else {
        QImage image = newGraphImage(request.options);
        drawn = drawFunctionPlot(image, plot, request.options) && image.save(&file, "PNG");
    }
    if (!drawn) {
        file.cancelWriting();
        error =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the graph could not be drawn");
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
