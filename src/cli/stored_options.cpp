#include "cli/stored_options.h"

GraphOptions storedGraphOptions() { return GraphOptions{}; }
