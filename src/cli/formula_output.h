#pragma once

#include <string>

#include "model/shown_function.h"

// Writes the formula picture of function f of distribution d, as the formula
// box shows it before the button face is put under it, to a file whose suffix
// names the format (PNG for ".png"). Returns an empty text, or what went wrong:
// a discrete distribution has no hazard picture.
std::string writeFormulaImage(int d, ShownFunction f, const std::string& file);
