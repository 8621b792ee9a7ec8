#pragma once

#include "graph/plot_request.h"

// The graph options the command line draws with: those the window keeps
// between runs (see app/settings_store.h).
GraphOptions storedGraphOptions();
