#pragma once

#include "numeric/iteration_count.h"

// e^(y^2) erfc(y) for y >= 0: below 1 the C library's erfc times e^(y^2); from
// 1 on Laplace's continued fraction of erfc (A&S 7.1.14) by the modified Lentz
// method (about 190 rounds at 1, six at 27). Being scaled, it never underflows;
// it falls like 1 / (y sqrt(pi)). Relative error below 1.3e-15 on the reference
// set. NaN for y < 0 or NaN.
double scaledComplementaryErrorFunction(double y, IterationCount* count = nullptr);
