#pragma once

#include "numeric/iteration_count.h"

// e^(y^2) erfc(y) for y >= 0, to about 1e-15 relative: the power series of erf
// below 1, the continued fraction of erfc above (about 190 rounds at 1, six at
// 27). Being scaled, it never underflows; it falls like 1 / (y sqrt(pi)). NaN
// for y < 0 or NaN.
double scaledComplementaryErrorFunction(double y, IterationCount* count = nullptr);
