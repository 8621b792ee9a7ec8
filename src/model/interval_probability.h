#pragma once

#include "model/distribution.h"

// A computed value with the status of the call that gave it.
struct Result {
    double value = 0.0;
    ResultStatus status = ResultStatus::Ok;
};

// P(X < a), P(a <= X <= b) and P(X > b). For a discrete distribution both ends
// belong to the interval: P(3 <= X <= 7) = F(7) - F(2). The three sum to 1;
// the middle one is taken from the distribution function in the lower half and
// from the survival function in the upper half, so a small probability far in
// either tail keeps its digits. All three are Invalid when a > b or either end
// is NaN.
struct IntervalProbabilities {
    Result below;
    Result inside;
    Result above;
};
IntervalProbabilities intervalProbabilities(Distribution& distribution, double a, double b);

// The central interval [q((1 - p) / 2), q((1 + p) / 2)] holding probability p,
// for p in [0, 1]; both ends Invalid outside.
struct CentralInterval {
    Result low;
    Result high;
};
CentralInterval centralInterval(Distribution& distribution, double p);
