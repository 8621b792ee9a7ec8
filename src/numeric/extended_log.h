#pragma once

#include "numeric/double_double.h"

// log x as hi + lo for a positive finite x, within 2^-77 plus about 2^-100
// of the value: the multiple x log(x / m) in the masses' deviances must be
// exact to some 1e-17 for counts up to millions. Other x give the library's
// log in hi.
DoubleDouble extendedLog(double x);
