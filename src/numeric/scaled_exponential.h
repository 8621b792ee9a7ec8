#pragma once

#include <cmath>

#include "numeric/constants.h"
#include "numeric/double_double.h"
#include "numeric/extended_log.h"
#include "numeric/inline_exp.h"

// A positive factor f kept for products f e^y: as a mantissa in [1, 2) times
// a power of two, and as its logarithm in two parts.
struct ExponentialFactor {
    double mantissa = 1.0;
    double scale = 1.0;
    DoubleDouble log = {0.0, 0.0};

    void take(double factor)
    {
        int exponent = 0;
        mantissa = 2 * std::frexp(factor, &exponent);
        scale = std::ldexp(1.0, exponent - 1);
        log = extendedLog(factor);
    }
};

// f e^y for y = hi + lo (lo within a few units of hi's last place): the
// mantissa times e^y rounded once and scaled exactly wherever |y| < 700.
// Beyond, where e^y alone may leave the doubles while the product does not,
// e^(y + log f), taken 2^512 lower where that sum is large. For functions
// compiled with fused multiply-add (see double_double.h).
inline double scaledExponential(DoubleDouble y, const ExponentialFactor& factor)
{
    if (std::fabs(y.hi) < 700) return inlineExpTimes(y.hi, y.lo, factor.mantissa) * factor.scale;
    const DoubleDouble sum = plus(y, factor.log);
    if (sum.hi < 700) return inlineExpTimes(sum.hi, sum.lo, 1.0);
    constexpr DoubleDouble lowering = {-512 * constants::ln2Head, -512 * constants::ln2Tail};
    const DoubleDouble lowered = plus(sum, lowering);
    return inlineExpTimes(lowered.hi, lowered.lo, 1.0) * 0x1p512;
}
