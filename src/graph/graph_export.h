#pragma once

#include <QString>

#include "graph/plot_request.h"

// Writes the graph of the request to `path`, in the format its extension names
// (case-insensitive): ".svg" an SVG drawing and ".pdf" a one-page PDF, both of
// paths and text, anything else a PNG image of the graph area's pixels. The
// file is written whole or not at all (through a temporary file beside it);
// on failure `error` says why and false is returned.
// Whether exportGraph writes `path` as a vector drawing (".svg" or ".pdf").
bool isVectorGraphPath(const QString& path);

bool exportGraph(const PlotRequest& request, const QString& path, QString& error);
