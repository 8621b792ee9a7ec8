#pragma once

#include <string>

#include "graph/plot_request.h"

// Draws the graph the window's graph area would show for the request and
// writes it as a PNG file, or for a name ending in .svg or .pdf as a vector
// drawing. Needs no display: without a running Qt
// application, one on the offscreen platform is made for the call.
// Returns an empty text, or what went wrong.
std::string writeGraphImage(const PlotRequest& request, const std::string& file);
