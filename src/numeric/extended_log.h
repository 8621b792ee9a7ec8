#pragma once

#include <cmath>

#include "numeric/double_double.h"

// log x as hi + lo for a positive finite x, within 2^-77 plus about 2^-100
// of the value: the multiple x log(x / m) in the masses' deviances must be
// exact to some 1e-17 for counts up to millions. Other x give the library's
// log in hi.
DoubleDouble extendedLog(double x);

// ln(1 + s) for s > -1/2 in two parts. A power (1 + s)^n at a large n
// multiplies any absolute error of the logarithm by n, so near 0 it is the
// series 2 (v + v^3/3 + ...), v = s / (2 + s), exact to some 2^-80 relative;
// the terms past v^3 are below 2^-24 of it and need no second part. From 2^-5
// on the extended logarithm's 2^-77 is already that small against the value.
inline DoubleDouble logOnePlus(DoubleDouble s)
{
    // Below 2^-5 the series in s / (2 + s); 1/3 in two parts.
    constexpr double logSeriesBound = 0x1p-5;
    constexpr DoubleDouble oneThird = {0x1.5555555555555p-2, 0x1.5555555555555p-56};
    if (std::fabs(s.hi) < logSeriesBound) {
        const DoubleDouble v = divide(s, plus({2.0, 0.0}, s));
        const DoubleDouble square = times(v, v);
        const DoubleDouble cube = times(times(square, v), oneThird);
        const double w = square.hi;
        const double rest =
            cube.hi * w * (3.0 / 5 + w * (3.0 / 7 + w * (3.0 / 9 + w * (3.0 / 11 + w * (3.0 / 13 + w * (3.0 / 15))))));
        const DoubleDouble sum = plus(v, cube);
        return {2.0 * sum.hi, 2.0 * (sum.lo + rest)};
    }
    const DoubleDouble base = twoSum(1.0, s.hi);
    const DoubleDouble log = extendedLog(base.hi);
    return normalized({log.hi, log.lo + (base.lo + s.lo) / base.hi});
}
