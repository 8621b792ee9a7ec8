#pragma once

#include <limits>
#include <numbers>

// The mathematical and floating-point constants of the numeric library, in one
// place; the standard library's where it has them.
namespace constants {

inline constexpr double pi = std::numbers::pi;
inline constexpr double inverseSqrtPi = std::numbers::inv_sqrtpi;
inline constexpr double twoOverSqrtPi = 2 * std::numbers::inv_sqrtpi;
inline constexpr double eulerGamma = std::numbers::egamma;
inline constexpr double sqrtTwo = std::numbers::sqrt2;
inline constexpr double sqrtTwoPi = 2.5066282746310005024;         // sqrt(2 pi)
inline constexpr double inverseSqrtTwoPi = 0.3989422804014326779;  // 1 / sqrt(2 pi)
inline constexpr double logSqrtTwoPi = 0.91893853320467274178;     // ln sqrt(2 pi)
inline constexpr double logTwoPi = 1.8378770664093454836;          // ln(2 pi)
// ln 2 in two parts, the head a whole multiple of 2^-42, so that e ln2Head is
// exact for every binary exponent e of a double: the tables' logarithms.
inline constexpr double ln2Head = 0x1.62e42fefa3800p-1;
inline constexpr double ln2Tail = 0x1.ef35793c76730p-45;

inline constexpr double epsilon = std::numeric_limits<double>::epsilon();  // 2^-52
inline constexpr double halfEpsilon = epsilon / 2;                         // 2^-53, the unit roundoff
inline constexpr double infinity = std::numeric_limits<double>::infinity();
inline constexpr double largestDouble = std::numeric_limits<double>::max();
inline constexpr double smallestNormal = std::numeric_limits<double>::min();
// ln of the largest double and of the smallest normal one: exp overflows above
// the first and leaves the normal range below the second.
inline constexpr double largestExponent = 709.78271289338399684;
inline constexpr double smallestExponent = -708.39641853226410622;

}  // namespace constants
