#include "cli/stored_options.h"

#include "shell/settings_store.h"

GraphOptions storedGraphOptions() { return loadGraphOptions(); }
