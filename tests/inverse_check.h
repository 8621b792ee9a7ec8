#pragma once

#include <cmath>

// Whether x solves f(x) = y as closely as x's own precision lets it: moving x by
// `relative` of its distance to the nearer end of the domain (0, or `upperEnd`
// when finite), plus 64 units in the last place, carries f across y with the
// tolerance `slack` on y. For a monotone f this holds near the true root only,
// and it stays meaningful where f is so steep that no double hits y closely.
template <typename Function>
bool solvesWithinItsPrecision(Function f, double x, double y, double relative, double slack, double upperEnd = INFINITY)
{
    const double room = std::isinf(upperEnd) ? x : std::fmin(x, upperEnd - x);
    const double units = 64 * (std::nextafter(x, INFINITY) - x);
    const double below = x - room * relative - units;
    const double above = x + room * relative + units;
    const double fBelow = f(std::fmax(below, 0.0));
    const double fAbove = f(std::isinf(upperEnd) ? above : std::fmin(above, upperEnd));
    const double low = std::fmin(fBelow, fAbove), high = std::fmax(fBelow, fAbove);
    return low <= y * (1 + slack) && high >= y * (1 - slack);
}
