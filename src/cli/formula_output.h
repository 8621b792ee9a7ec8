#pragma once

#include <string>

// Writes the formula picture of function f of distribution d, as the formula
// box shows it before the button face is put under it, to a file whose suffix
// names the format (PNG for ".png"). Returns an empty text, or what went wrong:
// a discrete distribution has no hazard picture.
std::string writeFormulaImage(int d, int f, const std::string& file);
