#include "model/discrete_distributions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

// The masses by their saddle-point expansion: Loader (2000), "Fast and
// accurate computation of binomial probabilities".
#include "numeric/arithmetic.h"
#include "numeric/beta_functions.h"
#include "numeric/discrete_masses.h"
#include "numeric/extended_log.h"
#include "numeric/gamma_functions.h"
#include "numeric/inline_exp.h"
#include "numeric/normal_integral.h"

namespace {

// The largest Poisson mean and number of trials or successes: whole numbers
// in double, and every operation stays well under a millisecond.
constexpr double maximumCount = 1e15;

// A tail summed mass by mass stops once its terms fall below this fraction of
// the sum, and gives up after shortTailSteps terms, turning to the incomplete
// gamma or beta integral. Each mass comes from the one before by a ratio,
// and the roundings of a long chain add up (2e-15 over the 560 masses of the
// Poisson (5000) tail beyond 5100, 1.5e-15 over the 300 of the negative
// binomial (1000, 1e-6) at its median), where the integrals stay within a
// unit or two.
constexpr double tailSumRatio = 0x1p-60;
constexpr double shortTailSteps = 64.0;

// k = floor(x) when that is a count; false for negative x and NaN.
bool takeCount(double x, double& k)
{
    k = std::floor(x);
    return k >= 0.0;
}

// factor 2^n for a factor in [1/2, 1] and n <= 0, rounded once, as ldexp
// does, without its call: below the normal doubles the exact part of the
// scaling comes first and the one rounding last.
double timesPowerOfTwo(double factor, int n)
{
    if (n >= -1022) return factor * powerOfTwo(n);
    if (n < -1100) return 0.0;
    return factor * powerOfTwo(n + 1022) * 0x1p-1022;
}

// A success probability lies strictly between 0 and 1.
bool isSuccessProbability(double p) { return p > 0.0 && p < 1.0; }

// One step of each mass recurrence: P(X = k) from previous = P(X = k - 1).
double binomialStep(double n, double p, double k, double previous)
{
    return ((n + 1.0 - k) * previous * p) / ((1.0 - p) * k);
}

double negativeBinomialStep(double n, double p, double k, double previous)
{
    return (((k + n - 1.0) * previous) / k) * (1.0 - p);
}

double geometricStep(double p, double previous) { return (1.0 - p) * previous; }

// The masses first, first * ratio(start, start + step), ... summed from the
// count `start` in the direction `step` (+1 or -1) until they no longer count
// or the count would leave [0, +inf); false when that takes more than
// shortTailSteps terms. Summed from the far end of a tail inwards, the terms
// only grow, so the sum is exact to its rounding.
template <class Ratio>
bool shortTailSum(double first, double start, double step, Ratio ratio, double& sum)
{
    double term = first;
    sum = term;
    double j = start;
    for (double steps = 0.0; steps < shortTailSteps; steps += 1.0) {
        if (!(term > sum * tailSumRatio) || j + step < 0.0) return true;
        term *= ratio(j, j + step);
        j += step;
        sum += term;
    }
    return false;
}

// Whether masses that start `distance` beyond the mean of a law with this
// variance can fall by tailSumRatio within shortTailSteps terms: their ratio
// falls like exp(-(distance + j) / variance), so the fall after m terms is
// about exp(-(distance m + m^2 / 2) / variance). A tail that cannot goes
// straight to its integral instead of summing in vain.
bool mayFallQuickly(double distance, double variance)
{
    constexpr double neededFall = 41.6;  // -ln(tailSumRatio)
    return distance * shortTailSteps + 0.5 * shortTailSteps * shortTailSteps >= neededFall * variance;
}

// The binomial (n, p) masses from `start` up to n (step +1) or down to 0
// (step -1), by shortTailSum.
bool binomialTailSum(double n, double p, double start, double step, double& sum)
{
    const double variance = (n * p) * (1.0 - p);
    if (!mayFallQuickly(step * (start - n * p), variance)) return false;
    const double q = 1.0 - p, first = binomialMass(start, n, p);
    if (step > 0) {
        return shortTailSum(
            first, start, 1.0, [n, p, q](double j, double) { return ((n - j) * p) / ((j + 1.0) * q); }, sum);
    }
    return shortTailSum(
        first, start, -1.0, [n, p, q](double j, double) { return (j * q) / ((n - j + 1.0) * p); }, sum);
}

double binomialMode(double n, double p) { return std::min(n, std::floor((n + 1.0) * p)); }

// P(X > k) of the binomial (n, p) for any n: the masses of the smaller side
// summed where they fall off quickly (above k, or from k down for the
// complement), else I(k + 1, n - k; p), whose argument is exact
// (Abramowitz and Stegun (1964), Handbook of Mathematical Functions, 26.5.24).
double binomialUpperTail(double n, double p, double k)
{
    if (k < 0.0) return 1.0;
    if (k >= n) return 0.0;
    double sum = 0.0;
    if (k + 1.0 > binomialMode(n, p)) {
        if (binomialTailSum(n, p, k + 1.0, 1.0, sum)) return std::min(1.0, sum);
    } else if (binomialTailSum(n, p, k, -1.0, sum)) {
        return std::clamp(1.0 - sum, 0.0, 1.0);
    }
    return incompleteBeta(k + 1.0, n - k, p);
}

// P(X <= k) of the binomial (n, p) for any n: below the mode the masses from
// k down summed where they fall off quickly, else 1 - I(k + 1, n - k; p)
// formed as the small tail it is; from the mode on the complement of the
// upper tail, which is then the smaller one.
double binomialLowerTail(double n, double p, double k)
{
    if (k < 0.0) return 0.0;
    if (k >= n) return 1.0;
    if (k < binomialMode(n, p)) {
        double sum = 0.0;
        if (binomialTailSum(n, p, k, -1.0, sum)) return std::min(1.0, sum);
        return complementaryIncompleteBeta(k + 1.0, n - k, p);
    }
    return std::clamp(1.0 - binomialUpperTail(n, p, k), 0.0, 1.0);
}

// P(X <= k) of the negative binomial (N, p): at most k failures before the
// N-th success means at least N successes in the first N + k trials.
double negativeBinomialDistributionFunction(double successes, double p, double k)
{
    if (std::isinf(k)) return 1.0;
    return binomialUpperTail(successes + k, p, successes - 1.0);
}

// P(X > k) of the negative binomial (N, p): fewer than N successes in N + k trials.
double negativeBinomialUpperTail(double successes, double p, double k)
{
    if (std::isinf(k)) return 0.0;
    return binomialLowerTail(successes + k, p, successes - 1.0);
}

// P(X <= k) of the Poisson (lambda) below the mean: the masses from k down
// where they fall off quickly, else the upper incomplete gamma integral
// Q(k + 1, lambda).
double poissonLowerSide(double lambda, double k)
{
    double sum = 0.0;
    const auto down = [lambda](double current, double) { return current / lambda; };
    if (mayFallQuickly(lambda - k, lambda) && shortTailSum(poissonMass(k, lambda), k, -1.0, down, sum)) {
        return std::min(1.0, sum);
    }
    return complementaryIncompleteGamma(k + 1.0, lambda);
}

// P(X > k) of the Poisson (lambda) at or above the mean: the masses above k
// where they fall off quickly, else the lower integral P(k + 1, lambda).
double poissonUpperSide(double lambda, double k)
{
    double sum = 0.0;
    const auto up = [lambda](double, double next) { return lambda / next; };
    if (mayFallQuickly(k + 1.0 - lambda, lambda) && shortTailSum(poissonMass(k + 1.0, lambda), k + 1.0, 1.0, up, sum)) {
        return std::min(1.0, sum);
    }
    return incompleteGamma(k + 1.0, lambda);
}

// P(X <= k) and P(X > k) of the Poisson (lambda): each from the smaller side.
double poissonLowerTail(double lambda, double k)
{
    if (std::isinf(k)) return 1.0;
    if (k < lambda) return poissonLowerSide(lambda, k);
    return std::clamp(1.0 - poissonUpperSide(lambda, k), 0.0, 1.0);
}

double poissonUpperTail(double lambda, double k)
{
    if (std::isinf(k)) return 0.0;
    if (k < lambda) return std::clamp(1.0 - poissonLowerSide(lambda, k), 0.0, 1.0);
    return poissonUpperSide(lambda, k);
}

// ln(1 - q) for 0 < q < 1 within a few ulps, by the plain logarithm, which is
// cheaper than log1p: 1 - q is exact from q = 1/2 on, and below the rounding
// d = (1 - q) - u of u = 1 - q, itself exact, is put back as ln(u + d) =
// ln(u) + d / u, where d / u is d (2 - u) to within d (1 - u)^2 / u: a
// product instead of a division in the chain.
double logOfComplement(double q)
{
    const double u = 1.0 - q;
    if (q >= 0.5) return std::log(u);
    const double rounding = (1.0 - u) - q;
    return std::log(u) - rounding * (u - 2.0);
}

// The smallest count k in [0, top] with reaches(k), found by widening a
// bracket around `guess` in steps that double from `step`, then bisecting.
// Gives infinity when even top does not reach it.
template <class Reaches>
double searchQuantile(double guess, double step, double top, Reaches reaches)
{
    guess = std::floor(std::clamp(guess, 0.0, top));
    step = std::max(1.0, std::floor(step));
    double low;   // !reaches(low); -1 stands below the support
    double high;  // reaches(high)
    if (reaches(guess)) {
        high = guess;
        for (;;) {
            low = high - step;
            if (low < 0.0) {
                low = -1.0;
                break;
            }
            if (!reaches(low)) break;
            high = low;
            step *= 2.0;
        }
    } else {
        low = guess;
        for (;;) {
            if (low >= top) return HUGE_VAL;
            high = std::min(top, low + step);
            if (reaches(high)) break;
            low = high;
            step *= 2.0;
        }
    }
    while (high - low > 1.0) {
        const double middle = std::floor(low + (high - low) / 2.0);
        if (middle <= low || middle >= high) break;
        if (reaches(middle)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

// The expansion below misses by about its first term left out, of the order
// of deviation x skewness^2 counts: past this many, Newton's steps cost less
// than the doublings and halvings of the search they save (a law as wide and
// skewed as the negative binomial (1000, 1e-6) is off by 10^5).
constexpr double refinedMiss = 16.0;

// The quantile at q of a count law from its two tails: the smallest k with
// P(X <= k) >= q, judged above q = 1/2 as P(X > k) <= 1 - q, where both sides
// keep their digits. The search starts from the normal approximation with its
// skewness correction (the Cornish-Fisher expansion: Cornish and Fisher, 1937,
// Revue de l'Institut International de Statistique 5, 307-320), where the law
// is wide moved by up to two Newton steps on the distribution function, whose
// slope between counts is the mass, and settles on the integers.
template <class Lower, class Upper, class Mass>
double tailQuantile(double q, double mean, double deviation, double skewness, double top, Lower lower, Upper upper,
                    Mass mass)
{
    if (q == 0.0) return 0.0;
    const double z = inverseNormal(q);
    double guess = mean + deviation * (z + skewness * (z * z - 1.0) / 6.0) - 0.5;
    const double complement = 1.0 - q;
    const bool refine = deviation * skewness * skewness > refinedMiss;
    for (int step = 0; step < 2 && refine && std::isfinite(guess); ++step) {
        const double k = std::floor(std::clamp(guess, 0.0, top));
        // P(X <= k) - q, from the tail that keeps its digits.
        const double excess = q <= 0.5 ? lower(k) - q : complement - upper(k);
        const double move = excess / mass(k);
        if (!std::isfinite(move)) break;
        guess = k - move;
        if (std::fabs(move) < 1.0) break;
    }
    const auto reaches = [&](double k) { return q <= 0.5 ? lower(k) >= q : upper(k) <= complement; };
    return searchQuantile(std::isfinite(guess) ? guess : top, 1.0, top, reaches);
}

}  // namespace

// --- Poisson ---------------------------------------------------------------

bool PoissonDistribution::isValid() const { return parameters_[0] > 0.0 && parameters_[0] <= maximumCount; }

double PoissonDistribution::validMean() { return ok(parameters_[0]); }

double PoissonDistribution::validStandardDeviation() { return ok(std::sqrt(parameters_[0])); }

double PoissonDistribution::validCoefficientOfVariation() { return ok(1.0 / std::sqrt(parameters_[0])); }

double PoissonDistribution::validSkewness() { return ok(1.0 / std::sqrt(parameters_[0])); }

double PoissonDistribution::validKurtosis() { return ok(1.0 / parameters_[0] + 3.0); }

double PoissonDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    return ok(std::isinf(k) ? 0.0 : poissonMass(k, parameters_[0]));
}

double PoissonDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    return ok(poissonLowerTail(parameters_[0], k));
}

double PoissonDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    return ok(poissonUpperTail(parameters_[0], k));
}

double PoissonDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double lambda = parameters_[0], deviation = std::sqrt(lambda);
    return ok(tailQuantile(
        q, lambda, deviation, 1.0 / deviation, DBL_MAX, [lambda](double k) { return poissonLowerTail(lambda, k); },
        [lambda](double k) { return poissonUpperTail(lambda, k); },
        [lambda](double k) { return poissonMass(k, lambda); }));
}

double PoissonDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double lambda = parameters_[0];
    if (count == 0.0) return ok(std::exp(-lambda));
    // A previous mass that underflowed carries nothing: take the mass directly.
    if (!(previous >= DBL_MIN)) return ok(poissonMass(count, lambda));
    return ok((previous * lambda) / count);
}

const char* PoissonDistribution::parameterSymbol1() const { return "l"; }

const char* PoissonDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }

// --- Binomial --------------------------------------------------------------

bool BinomialDistribution::isValid() const
{
    return parameters_[0] > 0.0 && parameters_[0] <= maximumCount && isSuccessProbability(parameters_[1]);
}

double BinomialDistribution::validMean() { return ok(parameters_[0] * parameters_[1]); }

double BinomialDistribution::validStandardDeviation()
{
    const double n = parameters_[0], p = parameters_[1];
    return ok(std::sqrt((n * p) * (1.0 - p)));
}

double BinomialDistribution::validCoefficientOfVariation()
{
    const double n = parameters_[0], p = parameters_[1];
    return okUnlessInfinite(std::sqrt((1.0 - p) / (n * p)));
}

double BinomialDistribution::validSkewness()
{
    const double n = parameters_[0], p = parameters_[1];
    return ok((1.0 - 2.0 * p) / std::sqrt((n * p) * (1.0 - p)));
}

double BinomialDistribution::validKurtosis()
{
    const double n = parameters_[0], p = parameters_[1];
    return okUnlessInfinite((3.0 - 6.0 / n) + 1.0 / ((n * p) * (1.0 - p)));
}

double BinomialDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (k > n) return fail(ResultStatus::SingularPoint);
    return ok(binomialMass(k, n, p));
}

double BinomialDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (k > n) return fail(ResultStatus::SingularPoint, 1.0);
    return ok(binomialLowerTail(n, p, k));
}

double BinomialDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    const double n = parameters_[0], p = parameters_[1];
    // Above N nothing is left, as the distribution function's SingularPoint says.
    if (k > n) return fail(ResultStatus::SingularPoint, 0.0);
    return ok(binomialUpperTail(n, p, k));
}

double BinomialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double n = parameters_[0], p = parameters_[1];
    const double variance = (n * p) * (1.0 - p);
    return ok(tailQuantile(
        q, n * p, std::sqrt(variance), (1.0 - 2.0 * p) / std::sqrt(variance), n,
        [n, p](double k) { return binomialLowerTail(n, p, k); },
        [n, p](double k) { return binomialUpperTail(n, p, k); }, [n, p](double k) { return binomialMass(k, n, p); }));
}

double BinomialDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (count > n) return fail(ResultStatus::SingularPoint);
    if (count == 0.0) return ok(std::pow(1.0 - p, n));
    if (!(previous >= DBL_MIN)) return ok(binomialMass(count, n, p));
    return ok(binomialStep(n, p, count, previous));
}

const char* BinomialDistribution::parameterSymbol1() const { return "N"; }

const char* BinomialDistribution::parameterSymbol2() const { return "p"; }

const char* BinomialDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }

const char* BinomialDistribution::parameterDomain2() const { return parameter_domain::unitInterval; }

// --- Negative binomial -----------------------------------------------------

bool NegativeBinomialDistribution::isValid() const
{
    return parameters_[0] > 0.0 && parameters_[0] <= maximumCount && isSuccessProbability(parameters_[1]);
}

double NegativeBinomialDistribution::validMean()
{
    const double n = parameters_[0], p = parameters_[1];
    const double value = ((1.0 - p) * n) / p;
    return okUnlessInfinite(value);
}

double NegativeBinomialDistribution::validStandardDeviation()
{
    const double n = parameters_[0], p = parameters_[1];
    // p * p underflows long before the deviation itself overflows.
    const double value = p * p >= DBL_MIN ? std::sqrt(((1.0 - p) * n) / (p * p)) : std::sqrt((1.0 - p) * n) / p;
    return okUnlessInfinite(value);
}

double NegativeBinomialDistribution::validCoefficientOfVariation()
{
    const double n = parameters_[0], p = parameters_[1];
    return ok(1.0 / std::sqrt((1.0 - p) * n));
}

double NegativeBinomialDistribution::validSkewness()
{
    const double n = parameters_[0], p = parameters_[1];
    return ok((2.0 - p) / std::sqrt((1.0 - p) * n));
}

double NegativeBinomialDistribution::validKurtosis()
{
    const double n = parameters_[0], p = parameters_[1];
    return ok(((p - 6.0) * p + 6.0) / ((1.0 - p) * n) + 3.0);
}

double NegativeBinomialDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    return ok(std::isinf(k) ? 0.0 : negativeBinomialMass(k, parameters_[0], parameters_[1]));
}

double NegativeBinomialDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    return ok(negativeBinomialDistributionFunction(parameters_[0], parameters_[1], k));
}

double NegativeBinomialDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    return ok(negativeBinomialUpperTail(parameters_[0], parameters_[1], k));
}

double NegativeBinomialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double n = parameters_[0], p = parameters_[1];
    const double mean = ((1.0 - p) * n) / p;
    const double deviation = std::sqrt((1.0 - p) * n) / p;
    const double skew = (2.0 - p) / std::sqrt((1.0 - p) * n);
    const double k = tailQuantile(
        q, mean, deviation, skew, DBL_MAX,
        [n, p](double count) { return negativeBinomialDistributionFunction(n, p, count); },
        [n, p](double count) { return negativeBinomialUpperTail(n, p, count); },
        [n, p](double count) { return negativeBinomialMass(count, n, p); });
    if (std::isinf(k)) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return ok(k);
}

double NegativeBinomialDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (count == 0.0) return ok(std::pow(p, n));
    if (!(previous >= DBL_MIN)) return ok(std::isinf(count) ? 0.0 : negativeBinomialMass(count, n, p));
    return ok(negativeBinomialStep(n, p, count, previous));
}

const char* NegativeBinomialDistribution::parameterSymbol1() const { return "N"; }

const char* NegativeBinomialDistribution::parameterSymbol2() const { return "p"; }

const char* NegativeBinomialDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }

const char* NegativeBinomialDistribution::parameterDomain2() const { return parameter_domain::unitInterval; }

// --- Geometric -------------------------------------------------------------

bool GeometricDistribution::isValid() const { return isSuccessProbability(parameters_[0]); }

double GeometricDistribution::validMean()
{
    const double p = parameters_[0];
    const double value = (1.0 - p) / p;
    return okUnlessInfinite(value);
}

double GeometricDistribution::validStandardDeviation()
{
    const double p = parameters_[0];
    const double value = std::sqrt(1.0 - p) / p;
    return okUnlessInfinite(value);
}

double GeometricDistribution::validCoefficientOfVariation() { return ok(1.0 / std::sqrt(1.0 - parameters_[0])); }

double GeometricDistribution::validSkewness()
{
    const double p = parameters_[0];
    return ok((2.0 - p) / std::sqrt(1.0 - p));
}

double GeometricDistribution::validKurtosis()
{
    const double p = parameters_[0];
    return ok(((p - 6.0) * p + 6.0) / (1.0 - p) + 3.0);
}

// ln(1 - p) and ln p serve every function; (1 - p) itself only where it is
// exact, as it is for p = 1/2, where pow keeps every digit of its powers.
void GeometricDistribution::prepareParameters()
{
    const double p = parameters_[0];
    // 1 - p is exact from p = 1/2 on.
    logStay_ = p < 0.5 ? logOnePlus({-p, 0.0}) : extendedLog(1.0 - p);
    inverseLogStay_ = 1.0 / logStay_.hi;
    // No product where ln(1 - p) is so small that its reciprocal overflows.
    productLimit_ = std::isinf(inverseLogStay_) ? 0.0 : 0x1p52 * logStay_.hi;
    stayIsExact_ = 1.0 - (1.0 - p) == p;
    int exponent = 0;
    stayExponent_ = stayIsExact_ && std::frexp(1.0 - p, &exponent) == 0.5 ? exponent - 1 : 0;
}

// factor (1 - p)^n for a whole n >= 0 where 1 - p is exact: where it is a
// power of two (p = 1/2, 3/4, ...) a change of exponent, one rounding at most.
double GeometricDistribution::scaledStayPower(double factor, double n) const
{
    // Past 1100 halvings every double is gone, so the count can be capped.
    if (stayExponent_ != 0) return timesPowerOfTwo(factor, static_cast<int>(std::min(n, 1100.0)) * stayExponent_);
    return factor * std::pow(1.0 - parameters_[0], n);
}

// P(X > k) = (1 - p)^(k + 1).
double GeometricDistribution::upperTail(double k) const
{
    if (stayIsExact_) return scaledStayPower(1.0, k + 1.0);
    return powerOfComplement(logStay_, k + 1.0, 1.0);
}

// P(X <= k) = 1 - (1 - p)^(k + 1), without the cancellation where it is small
// (where 1 - p is a power of two the difference is exact before its rounding).
double GeometricDistribution::lowerTail(double k) const
{
    if (stayExponent_ != 0) return 1.0 - scaledStayPower(1.0, k + 1.0);
    return complementOfPowerOfComplement(logStay_, k + 1.0);
}

double GeometricDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    if (stayIsExact_) return ok(scaledStayPower(parameters_[0], k));
    return ok(powerOfComplement(logStay_, k, parameters_[0]));
}

double GeometricDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    return ok(lowerTail(k));
}

double GeometricDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    return ok(upperTail(k));
}

// The smallest k with (1 - p)^(k + 1) <= 1 - q is ceil(t - 1) for
// t = ln(1 - q) / ln(1 - p). t carries a few roundings, so only where it lies
// that close to a whole number can that be one off: there the neighbours are
// judged by the tails themselves (the lower one for q <= 1/2, where 1 - q
// would lose the digits of a small q).
double GeometricDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    if (q == 0.0) return ok(0.0);
    if (stayExponent_ != 0) return ok(quantileOfPowerOfTwoStay(q));
    // The product's extra rounding is settled by the test of whole numbers
    // below; from about 2^52 on, where that test stops, t is the quotient.
    const double logOfRest = logOfComplement(q);
    const double t = logOfRest > productLimit_ ? logOfRest * inverseLogStay_ : logOfRest / logStay_.hi;
    if (!(t <= DBL_MAX)) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    double k = std::max(0.0, std::ceil(t - 1.0));
    // t lies in [k, k + 1], so its distance to the nearest whole number is
    // the smaller of the two offsets.
    const double offset = t - k;
    if (k < 0x1p53 && std::min(offset, 1.0 - offset) <= 0x1p-44 * std::max(1.0, t)) {
        const auto reaches = [this, q](double count) {
            return q <= 0.5 ? lowerTail(count) >= q : upperTail(count) <= 1.0 - q;
        };
        if (!reaches(k)) {
            k += 1.0;
        } else if (k > 0.0 && reaches(k - 1.0)) {
            k -= 1.0;
        }
    }
    return ok(k);
}

// Where 1 - p = 2^-s the quantile is read off the exponent of 1 - q, with no
// logarithm and no rounding: for 1 - q in [2^-(n+1), 2^-n), (1 - p)^(k + 1)
// = 2^-s(k+1) <= 1 - q exactly when s (k + 1) >= n + 1, so k = floor(n / s).
// Below q = 1/2 the mass at 0, p >= 1/2, is enough (and 1 - q is rounded).
double GeometricDistribution::quantileOfPowerOfTwoStay(double q) const
{
    if (q < 0.5) return 0.0;
    const int n = -binaryExponent(1.0 - q) - 1, s = -stayExponent_;
    return s == 1 ? n : n / s;
}

double GeometricDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double p = parameters_[0];
    if (count == 0.0) return ok(p);
    if (!(previous >= DBL_MIN)) return ok(powerOfComplement(logStay_, count, parameters_[0]));
    return ok(geometricStep(p, previous));
}

const char* GeometricDistribution::parameterSymbol1() const { return "p"; }

const char* GeometricDistribution::parameterDomain1() const { return parameter_domain::unitInterval; }
