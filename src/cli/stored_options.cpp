#include "cli/stored_options.h"

#include "app/settings_store.h"

GraphOptions storedGraphOptions() { return loadGraphOptions(); }
