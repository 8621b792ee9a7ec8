#pragma once

#include "graph/plot_request.h"

// The graph options the command line draws with: those kept between runs of
// the window. Until options are stored, these are the defaults.
GraphOptions storedGraphOptions();
