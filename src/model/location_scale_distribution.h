#pragma once

#include "model/distribution.h"
#include "model/location_scale.h"

// A distribution of a location (the first parameter) and a scale > 0 (the
// second), which keeps the division by its scale ready with the parameters.
class LocationScaleDistribution : public Distribution {
protected:
    LocationScaleDistribution(double location, double scale) : Distribution(2, true, location, scale) {}

    void prepareParameters() override { scale_.take(parameters_[1]); }

    // z = (x - location) / scale.
    double standardScore(double x) const { return ::standardScore(x, parameters_[0], scale_); }

    ScaleDivisor scale_;
};
