#pragma once

#include <cmath>

// On x86-64 fused multiply-add is not in the baseline instruction set, so
// std::fma is a library call, and the dozen in a mass doubled its time. The
// functions built on the products below are therefore compiled twice, once
// with the instruction, and the loader picks the copy the processor can run;
// both give the same bits. flatten draws their helpers into each copy.
// The thread sanitizer's runtime is not up yet when the loader runs the
// choosing function, which it instruments, so there one plain copy serves.
#if defined(__SANITIZE_THREAD__)
#define DOUBLE_DOUBLE_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DOUBLE_DOUBLE_THREAD_SANITIZER 1
#endif
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(DOUBLE_DOUBLE_THREAD_SANITIZER)
#define WITH_FUSED_MULTIPLY_ADD __attribute__((flatten, target_clones("fma", "default")))
#else
#define WITH_FUSED_MULTIPLY_ADD
#endif

// A number carried as hi + lo, |lo| at most about half a unit in the last
// place of hi, with the exact sums and products that build it (Dekker (1971),
// "A floating-point technique for extending the available precision").
// Where a result is the exponential of a sum of terms in the hundreds, one
// rounding of that sum is already its whole relative error; carried this way
// the sum keeps some 100 bits.
struct DoubleDouble {
    double hi;
    double lo;
};

// a + b exactly, for any order of magnitude of a and b.
inline DoubleDouble twoSum(double a, double b)
{
    const double sum = a + b, bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly where |a| >= |b|.
inline DoubleDouble quickTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a b exactly, unless the product leaves the normal doubles.
inline DoubleDouble twoProduct(double a, double b)
{
    const double product = a * b;
    return {product, std::fma(a, b, -product)};
}

// a b for a double double a, to a few units in 2^-104.
inline DoubleDouble times(DoubleDouble a, double b)
{
    const DoubleDouble product = twoProduct(a.hi, b);
    return {product.hi, product.lo + a.lo * b};
}

inline DoubleDouble times(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble product = twoProduct(a.hi, b.hi);
    return {product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi)};
}

// a / b, a quotient whose remainder fma gives exactly.
inline DoubleDouble divide(DoubleDouble a, double b)
{
    const double quotient = a.hi / b;
    return {quotient, (std::fma(-quotient, b, a.hi) + a.lo) / b};
}

inline DoubleDouble divide(DoubleDouble a, DoubleDouble b)
{
    const double quotient = a.hi / b.hi;
    return {quotient, ((std::fma(-quotient, b.hi, a.hi) + a.lo) - quotient * b.lo) / b.hi};
}

inline DoubleDouble plus(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble sum = twoSum(a.hi, b.hi);
    return {sum.hi, sum.lo + (a.lo + b.lo)};
}

// 1 / sqrt(v) for v = hi + lo > 0 as the rounded root r and eta = r^2 v - 1,
// which fma gives exactly to first order: 1 / sqrt(v) = r (1 - eta / 2).
struct RoundedInverseRoot {
    double root;
    double eta;
};

inline RoundedInverseRoot roundedInverseRoot(DoubleDouble v)
{
    const double root = 1.0 / std::sqrt(v.hi);
    const DoubleDouble square = twoProduct(root, root);
    return {root, std::fma(square.hi, v.hi, -1.0) + (square.lo * v.hi + square.hi * v.lo)};
}

// 1 / sqrt(v) in two parts.
inline DoubleDouble inverseRoot(DoubleDouble v)
{
    const RoundedInverseRoot r = roundedInverseRoot(v);
    return {r.root, -0.5 * r.eta * r.root};
}

inline DoubleDouble negated(DoubleDouble a) { return {-a.hi, -a.lo}; }

// 1 / k as its rounding and the rest, exact to first order by fma.
inline DoubleDouble reciprocal(double k)
{
    const double rounded = 1.0 / k;
    return {rounded, std::fma(-rounded, k, 1.0) / k};
}

// The same number with hi the nearest double to it.
inline DoubleDouble normalized(DoubleDouble a) { return twoSum(a.hi, a.lo); }
