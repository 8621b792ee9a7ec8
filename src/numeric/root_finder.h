#pragma once

#include <cmath>

#include "numeric/iteration_count.h"

// Bracketed Halley iteration for the inverses of the library's distribution
// functions: E. Halley (1694), "A new, exact and easy method of finding the
// roots of equations", with the bracket safeguard of W. H. Press et al. (2007),
// "Numerical Recipes", 3rd ed., section 9.4 (rtsafe). Each round narrows the
// bracket by the sign of the residual and takes the Halley step (the Newton
// step where no curvature is given) when it lands inside the bracket and
// shrinks; otherwise it bisects, geometrically where the bracket spans orders
// of magnitude, so roots from 1e-300 to 1e300 are reached in a bounded number
// of rounds. Near a root it converges cubically: a few rounds from a good start.

struct RootStep {
    double residual;   // g(x) - target, increasing in x across the bracket
    double slope;      // g'(x) > 0
    double curvature;  // g''(x) / g'(x), or 0 for a Newton step
};

struct Bracket {
    double low;   // residual <= 0 here
    double high;  // residual >= 0 here
};

namespace root_finder {

// How many tolerances a step may still move while it follows the residual's
// rounding rather than the root.
inline constexpr double noiseReach = 64;

// The next point to try when the Halley step fails: the midpoint, or the
// geometric mean where the bracket is wide and positive, or a point far below
// high where low is 0.
inline double bisect(const Bracket& b)
{
    if (b.low > 0 && b.high > 4 * b.low) return std::sqrt(b.low) * std::sqrt(b.high);
    if (b.low == 0 && b.high > 0) return b.high * 0x1p-32;
    return b.low + 0.5 * (b.high - b.low);
}

}  // namespace root_finder

// The x in the bracket where step(x).residual changes sign, starting at x.
// Stops when a step moves x by less than tolerance relative, when the bracket
// closes to that width, or after maximumRounds evaluations.
template <typename Step>
double findRoot(Step step, double x, Bracket bracket, double tolerance, int maximumRounds,
                IterationCount* count = nullptr)
{
    double lastMove = bracket.high - bracket.low;
    for (int round = 0; round < maximumRounds; ++round) {
        countRound(count);
        const RootStep s = step(x);
        if (s.residual == 0) return x;
        if (s.residual < 0)
            bracket.low = x;
        else
            bracket.high = x;
        double move = s.residual / s.slope;
        const double halley = 1.0 - 0.5 * move * s.curvature;
        if (halley > 0.5 && halley < 2) move /= halley;
        double next = x - move;
        if (std::fabs(move) <= tolerance * std::fabs(x)) return next;
        // A step that no longer shrinks though it lies within a few rounding
        // errors' reach of x follows the residual's own rounding: it is kept,
        // for a bisection from here would throw away the bracket's near side.
        const bool shrinking =
            std::fabs(move) < 0.75 * lastMove || std::fabs(move) <= root_finder::noiseReach * tolerance * std::fabs(x);
        // Outside the bracket, or not converging fast enough: bisect.
        if (!(next > bracket.low && next < bracket.high) || !shrinking) {
            next = root_finder::bisect(bracket);
            move = x - next;
        }
        lastMove = std::fabs(move);
        if (std::fabs(next - x) <= tolerance * std::fabs(next)) return next;
        if (bracket.high - bracket.low <= tolerance * std::fabs(bracket.high)) return next;
        x = next;
    }
    return x;
}
