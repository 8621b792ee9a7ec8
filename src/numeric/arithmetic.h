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

// count 2^-1074 for 0 <= count <= 2^52 (a real count): adding 2^52 rounds it
// to the nearest whole count, whose bits are that subnormal (or at 2^52 the
// smallest normal), with no subnormal arithmetic on the way.
inline double subnormalOfCount(double count)
{
    constexpr double shift = 0x1p52;
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(count + shift) - std::bit_cast<std::uint64_t>(shift));
}

// a times count 2^-1074 for 0 <= a <= 1 and a whole count below 2^52: a
// subnormal (or the smallest normal), whose bits are the whole number nearest
// a count, rounded once by the fma against 2^52, whose last place is 1.
// A multiplication into the subnormals takes the processor's slow path.
inline double productIntoSubnormals(double a, double count)
{
    constexpr double shift = 0x1p52;
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(std::fma(a, count, shift)) -
                                 std::bit_cast<std::uint64_t>(shift));
}

// The count of smallest subnormals, 2^-1074, nearest to a / b for raised =
// a 2^1022 < b, from a first count off by at most one: the sign of raised -
// (count +- 1/2) 2^-52 b, exact from fma, settles it; a tie goes to the
// even count. The count's bits are the subnormal itself.
inline double subnormalFromCount(std::uint64_t count, double raised, double b)
{
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

// a / b for normal a, b > 0, correctly rounded also where the quotient falls
// below the smallest normal double: a division whose result is subnormal
// takes the processor's slow path, which made a far normal density twice as
// slow. There the quotient is counted in units of the smallest subnormal,
// rounded to a whole count by adding 2^52, from 2^1022 / b rounded and kept
// beside b (no division on that path). The path needs raised < b and so
// b > 1, where that reciprocal is a normal double (1/b itself would be
// subnormal beyond 2^1022); raised / b from it is within 2^-52, so the first
// count is within 1.5 units of the exact quotient and one of the nearest.
inline double quotientIntoSubnormals(double a, double b, double raisedReciprocalOfB)
{
    const double raised = a * 0x1p1022;
    if (!(raised < b)) return a / b;
    constexpr double shift = 0x1p52;
    const std::uint64_t count =
        std::bit_cast<std::uint64_t>(a * raisedReciprocalOfB * shift + shift) - std::bit_cast<std::uint64_t>(shift);
    return subnormalFromCount(count, raised, b);
}

// The same, the reciprocal formed here: its division does not wait for a.
inline double quotientIntoSubnormals(double a, double b) { return quotientIntoSubnormals(a, b, 0x1p1022 / b); }

// The same, compiled with fused multiply-add where the processor has it, for
// the rounding test (without it, each fma is a library call).
double fusedQuotientIntoSubnormals(double a, double b);
