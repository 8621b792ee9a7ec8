#pragma once

#include <bit>
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
