#pragma once

#include <cmath>
#include <numbers>

// z = (x - location) / scale for a scale > 0, also where x - location
// overflows while both are finite.
inline double standardScore(double x, double location, double scale)
{
    const double difference = x - location;
    if (std::isinf(difference) && std::isfinite(x) && std::isfinite(location)) return x / scale - location / scale;
    return difference / scale;
}

// The quantile tan(pi (q - 1/2)) of the standard Cauchy law for 0 < q < 1,
// in the tails as -1 / tan(pi q) and 1 / tan(pi (1 - q)), which keep the
// digits of a small q or 1 - q that q - 1/2 would lose.
inline double standardCauchyQuantile(double q)
{
    constexpr double pi = std::numbers::pi;
    if (q < 0.25) return -1 / std::tan(pi * q);
    if (q > 0.75) return 1 / std::tan(pi * (1 - q));
    return std::tan(pi * (q - 0.5));
}
