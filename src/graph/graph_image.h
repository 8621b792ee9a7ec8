#pragma once

#include <QImage>
#include <QPainter>

#include "graph/function_plot.h"
#include "graph/plot_request.h"
#include "model/catalogue.h"

// The graph as an image: 304 x 230 pixels, 24 bits per pixel (Format_RGB888,
// the bitmap the graph area shows and the report prints, byte for byte).
// Drawing needs a QGuiApplication (for the fonts); any thread may draw.
//
// On a high-density screen the image has devicePixelRatio times as many
// pixels each way and says so (QImage::devicePixelRatio): the plot keeps its
// frame's geometry, and lines and text are drawn at the device's pixels.

// A new graph image filled with the background colour.
QImage newGraphImage(const GraphOptions& options, double devicePixelRatio = 1.0);

// Draws the plot into an image from newGraphImage, at its device pixel ratio:
// the curve, then the axes, the "0" label and the ticks over it; or only the
// invalid-parameter message.
// stopRequested is asked before every curve segment; false when it ended the
// drawing early (or the plot itself was abandoned), leaving the rest undrawn.
bool drawFunctionPlot(QImage& image, const FunctionPlot& plot, const GraphOptions& options,
                      const StopQuery& stopRequested = {});

// How a graph is drawn: pixel by pixel, exactly as the window shows it, or as
// strokes, fills and text for a vector file (SVG, PDF).
enum class GraphDrawing { Pixels, Vector };

// The same onto any painter whose device is at least 304 x 230 units, already
// filled with the background colour.
bool drawFunctionPlot(QPainter& painter, const FunctionPlot& plot, const GraphOptions& options, GraphDrawing drawing,
                      const StopQuery& stopRequested = {});

// The plot of the request, with its interval marked when it has one.
FunctionPlot plotOfRequest(const PlotRequest& request, DistributionSet& distributions,
                           const StopQuery& stopRequested = {});

// Writes the request's four parameters into the set's instance of the requested
// distribution and returns it; null when the index names no instance.
Distribution* applyPlotRequest(DistributionSet& distributions, const PlotRequest& request);

// Computes and draws the requested graph on the instances of `distributions`.
// A null image when stopRequested ended the pass early.
QImage renderGraphImage(const PlotRequest& request, DistributionSet& distributions,
                        const StopQuery& stopRequested = {});

// The same on a fresh set of the catalogue's distributions.
inline QImage renderGraphImage(const PlotRequest& request)
{
    DistributionSet distributions = makeDistributionSet();
    return renderGraphImage(request, distributions);
}
