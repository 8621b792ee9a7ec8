#include "model/interval_probability.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Result invalid{0.0, ResultStatus::Invalid};

Result cdfAt(Distribution& distribution, double x)
{
    const double value = distribution.cdf(x);
    return {value, distribution.status()};
}

Result survivalAt(Distribution& distribution, double x)
{
    const double value = distribution.survival(x);
    return {value, distribution.status()};
}

Result quantileAt(Distribution& distribution, double q)
{
    const double value = distribution.quantile(q);
    return {value, distribution.status()};
}

}  // namespace

IntervalProbabilities intervalProbabilities(Distribution& distribution, double a, double b)
{
    if (!(a <= b)) return {invalid, invalid, invalid};
    // For whole values, "below a" ends at the last count before a.
    const double lowEdge = distribution.isContinuous() ? a : std::ceil(a) - 1;
    const Result below = cdfAt(distribution, lowEdge);
    const Result above = survivalAt(distribution, b);
    if (below.status != ResultStatus::Ok) return {below, below, above};
    if (above.status != ResultStatus::Ok) return {below, above, above};

    // The difference of two tail probabilities of the same side: both small
    // where the interval lies far in that tail, so nothing cancels against 1.
    Result inside;
    if (below.value <= 0.5) {
        const Result upTo = cdfAt(distribution, b);
        inside = {upTo.value - below.value, upTo.status};
    } else {
        const Result from = survivalAt(distribution, lowEdge);
        inside = {from.value - above.value, from.status};
    }
    inside.value = std::max(inside.value, 0.0);
    return {below, inside, above};
}

CentralInterval centralInterval(Distribution& distribution, double p)
{
    if (!(p >= 0.0 && p <= 1.0)) return {invalid, invalid};
    const double tail = (1.0 - p) / 2;
    return {quantileAt(distribution, tail), quantileAt(distribution, 1.0 - tail)};
}
