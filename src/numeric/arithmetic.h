#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// Small exact helpers of double arithmetic.

// 1 for x > 0, -1 for x < 0, 0 otherwise (also for NaN).
constexpr double sign(double x)
{
    if (x > 0) return 1.0;
    if (x < 0) return -1.0;
    return 0.0;
}

// x^n by repeated squaring; n = 0 gives 1, negative n gives 1 / x^|n|. Exact
// while the intermediate powers are; otherwise within about log2(n) roundings.
constexpr double integerPower(double x, int n)
{
    double result = 1.0;
    unsigned int m = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
    while (true) {
        if (m & 1u) result *= x;
        m >>= 1;
        if (m == 0) break;
        x *= x;
    }
    return n < 0 ? 1.0 / result : result;
}

// 2^m for a whole m in [-1022, 1023], built from its bits.
inline double powerOfTwo(std::int64_t m) { return std::bit_cast<double>(static_cast<std::uint64_t>(m + 1023) << 52); }

// floor(log2 x) for a normal x > 0, read from its bits.
inline int binaryExponent(double x) { return static_cast<int>(std::bit_cast<std::uint64_t>(x) >> 52 & 0x7ff) - 1023; }

// a / b for normal a, b > 0, correctly rounded also where the quotient falls
// below the smallest normal double: a division whose result is subnormal
// takes the processor's slow path, which made a far normal density twice as
// slow. There the quotient is counted in units of the smallest subnormal,
// 2^-1074, rounded to a whole count by adding 2^52, and the count's bits are
// the subnormal itself.
inline double quotientIntoSubnormals(double a, double b)
{
    const double raised = a * 0x1p1022;
    if (!(raised < b)) return a / b;
    constexpr double shift = 0x1p52;
    std::uint64_t count =
        std::bit_cast<std::uint64_t>(raised / b * shift + shift) - std::bit_cast<std::uint64_t>(shift);
    // raised / b < 1 is off by at most 2^-54, a quarter of a unit: the count
    // is the nearest or, near a half unit, the next (the rounding done twice).
    // The sign of raised - (count +- 1/2) 2^-52 b, exact from fma, settles
    // it; a tie goes to the even count.
    const double countValue = static_cast<double>(static_cast<std::int64_t>(count));
    const double above = std::fma(-((countValue + 0.5) * 0x1p-52), b, raised);
    const double below = std::fma(-((countValue - 0.5) * 0x1p-52), b, raised);
    const bool odd = (count & 1u) != 0;
    if (above > 0 || (above == 0 && odd))
        ++count;
    else if (below < 0 || (below == 0 && odd))
        --count;
    return std::bit_cast<double>(count);
}
