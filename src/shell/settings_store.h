#pragma once

#include "graph/plot_request.h"

class QSettings;

// The graph's options kept between runs under the maker "Tessavan" and the
// program "Probaview", as 32-bit unsigned values named "[Function Color]",
// "[Grid Color]", "[Background Color]", "[Text Color]" and "[Graph Bold]".
//
// They are written per user; machine-wide values are read as defaults under
// the user's own. A missing value keeps the option it would fill; a value that
// is not a 32-bit unsigned number, or a line weight outside 1..3, is ignored
// the same way. Nothing is reported: an unreadable or unwritable store simply
// leaves the options as they were.

// Reads the stored options over `options` (normally the defaults).
GraphOptions loadGraphOptions(GraphOptions options = {});
void saveGraphOptions(const GraphOptions& options);

// The same on a given store, for callers that keep their own.
GraphOptions loadGraphOptions(QSettings& store, GraphOptions options = {});
void saveGraphOptions(QSettings& store, const GraphOptions& options);
