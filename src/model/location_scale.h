#pragma once

#include <cmath>

// z = (x - location) / scale for a scale > 0, also where x - location
// overflows while both are finite.
inline double standardScore(double x, double location, double scale)
{
    const double difference = x - location;
    if (std::isinf(difference) && std::isfinite(x) && std::isfinite(location)) return x / scale - location / scale;
    return difference / scale;
}
