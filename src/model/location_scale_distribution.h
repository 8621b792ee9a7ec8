#pragma once

#include <cmath>

#include "model/distribution.h"
#include "model/location_scale.h"

// A distribution of a location (the first parameter) and a scale > 0 (the
// second), which keeps the division by its scale ready with the parameters.
class LocationScaleDistribution : public Distribution {
protected:
    LocationScaleDistribution(double location, double scale) : Distribution(2, true, location, scale) {}

    void prepareParameters() override
    {
        scale_.take(parameters_[1]);
        scaledLocation_ = scale_.divide(parameters_[0]);
    }

    // z = (x - location) / scale, also where x - location overflows while
    // both are finite: there as x / scale - location / scale.
    double standardScore(double x) const
    {
        const double difference = x - parameters_[0];
        if (std::isinf(difference) && std::isfinite(x) && std::isfinite(parameters_[0]))
            return scale_.divide(x) - scaledLocation_;
        return scale_.divide(difference);
    }

    ScaleDivisor scale_;

private:
    double scaledLocation_ = 0.0;  // location / scale
};
