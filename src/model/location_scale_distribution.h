#pragma once

#include <cmath>

#include "model/distribution.h"
#include "model/location_scale.h"

// A distribution of a location (the first parameter) and a scale > 0 (the
// second), which keeps the division by its scale ready with the parameters.
class LocationScaleDistribution : public Distribution {
protected:
    LocationScaleDistribution(double location, double scale) : Distribution(2, true, location, scale) {}

    void prepareParameters() override { scale_.take(parameters_[1]); }

    // z = (x - location) / scale, also where x - location overflows: there as
    // 2 (x/2 - location/2) / scale, whose halves are exact, so that z takes
    // the same two roundings as anywhere else (x / scale - location / scale
    // took three, some z^2 units of a tail). An infinite x or location gives
    // the same infinity or NaN either way.
    double standardScore(double x) const
    {
        const double difference = x - parameters_[0];
        if (std::isinf(difference)) [[unlikely]]
            return scale_.divide(x * 0.5 - parameters_[0] * 0.5) * 2;
        return scale_.divide(difference);
    }

    ScaleDivisor scale_;
};
