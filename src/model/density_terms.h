#pragma once

#include <cmath>

// A density's direct formula is kept while each of its factors is an ordinary
// double (finite, non-zero, not subnormal); otherwise the factors have
// overflowed or lost their digits, and the density is taken from the same
// formula in logarithms.
template <typename... Factors>
bool allOrdinary(Factors... factors)
{
    return (std::isnormal(factors) && ...);
}
