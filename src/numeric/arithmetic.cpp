#include "numeric/arithmetic.h"

#include "numeric/double_double.h"

WITH_FUSED_MULTIPLY_ADD double fusedQuotientIntoSubnormals(double a, double b) { return quotientIntoSubnormals(a, b); }
