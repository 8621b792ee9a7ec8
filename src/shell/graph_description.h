#pragma once

#include <string>
#include <vector>

#include "model/shown_function.h"

class Distribution;
class Shell;

// The graph in words, for a screen reader: "Probability density of Normal
// (0, 1) from -3.09023 to 3.090232", or "... (0, -1): invalid parameters". The range is the
// one the graph shows, computed as the plot model computes it (on
// `distribution`, whose status it changes); the parameters are their fields'
// texts as shown, and the ends are value texts.
std::string graphDescription(Distribution& distribution, const std::string& name, ShownFunction function,
                             const std::vector<std::string>& parameterTexts);

// The same for the shell's graph, computed on a copy of the selected
// distribution: asking changes nothing in the shell.
std::string graphDescription(const Shell& shell);
