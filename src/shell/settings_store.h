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
//
// The store is the INI files QSettings keeps for maker and program: the
// user's in XDG_CONFIG_HOME (~/.config/Tessavan/Probaview.conf), the
// machine-wide ones in XDG_CONFIG_DIRS (/etc/xdg). A file that is not a
// regular file (a pipe, a device) or that holds an "@" or a backslash (the forms
// by which Qt stores typed values, which it would decode) is ignored as a
// whole: it is never opened blocking nor decoded, and the user's is not
// written over.

// Reads the stored options over `options` (normally the defaults).
GraphOptions loadGraphOptions(GraphOptions options = {});
void saveGraphOptions(const GraphOptions& options);

// The same on a given store, for callers that keep their own.
GraphOptions loadGraphOptions(QSettings& store, GraphOptions options = {});
void saveGraphOptions(QSettings& store, const GraphOptions& options);
