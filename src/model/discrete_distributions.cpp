#include "model/discrete_distributions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

// The masses by their saddle-point expansion: Loader (2000), "Fast and
// accurate computation of binomial probabilities".
#include "numeric/beta_functions.h"
#include "numeric/discrete_masses.h"
#include "numeric/gamma_functions.h"
#include "numeric/normal_integral.h"

namespace {

// The largest Poisson mean and number of trials or successes: whole numbers
// in double, and every operation stays well under a millisecond.
constexpr double maximumCount = 1e15;

// Up to these the distribution functions and quantiles walk the masses (the
// ranges these distributions always had); above, the regularised incomplete
// gamma and beta integrals give them.
constexpr double poissonWalkLimit = 700.0;
constexpr double trialsWalkLimit = 1000.0;

// A tail summed mass by mass gives up after this many terms and turns to the
// integral: the tail is then not far out, and the integral keeps its digits.
constexpr double shortTailSteps = 4096.0;

// Steps the mass walk may take before a cdf or quantile of the negative
// binomial or geometric distribution turns to its closed form or search.
constexpr double walkBudget = 4096.0;

// Past the mode, a term below sum * 2^-54 is under half an ulp of the sum, and
// so is every later term: the walked sum is final.
constexpr double finalSumRatio = 0x1p-54;

// A tail sum stops once its terms fall below this fraction of it.
constexpr double tailSumRatio = 0x1p-60;
constexpr double tailSumMaximumSteps = 1.0e6;

// exp(x) is 0 in double below about -745.13.
constexpr double underflowExponent = -746.0;

// The negative binomial mass keeps its plain sums of logarithms up to this count.
constexpr double plainLogSumLimit = 1024.0;

// k = floor(x) when that is a count; false for negative x and NaN.
bool takeCount(double x, double& k)
{
    k = std::floor(x);
    return k >= 0.0;
}

// A success probability lies strictly between 0 and 1.
bool isSuccessProbability(double p) { return p > 0.0 && p < 1.0; }

// A sum of rounded masses can pass 1 by an ulp, which would make the survival
// function read -0.
double atMostOne(double sum) { return std::min(sum, 1.0); }

// One step of each mass walk: P(X = k) from previous = P(X = k - 1).
double binomialStep(double n, double p, double k, double previous)
{
    return ((n + 1.0 - k) * previous * p) / ((1.0 - p) * k);
}

double negativeBinomialStep(double n, double p, double k, double previous)
{
    return (((k + n - 1.0) * previous) / k) * (1.0 - p);
}

double geometricStep(double p, double previous) { return (1.0 - p) * previous; }

// The distribution-function walk: P(X <= k) as the sum of the masses 0..k,
// each from the one before by `step`. The sum equals the full walk's bit for
// bit even when the walk ends early on a final sum. Returns false, leaving
// the sum unusable, if the walk would need more than `budget` steps.
template <class Step>
bool walkDistributionFunction(double first, double k, double budget, Step step, double& sum)
{
    double term = first;
    sum = term;
    for (double i = 1.0; i <= k; i += 1.0) {
        if (i > budget) return false;
        const double next = step(i, term);
        sum += next;
        if (next < term && next < sum * finalSumRatio) break;
        term = next;
    }
    return true;
}

// Whether a distribution-function walk of a negative binomial (n, p) mass
// (the geometric's when n = 1) that starts from `first` surely runs out of the
// budget before k, so that walking would only waste its steps: k lies past the
// budget, and the final-sum test cannot fire within it, either because the
// masses still rise at the budget (the test needs a falling mass) or because
// each mass is at least (1 - p) times the one before and so stays above 2^-52,
// twice the test's bound for any sum of masses (the margin covers the rounding
// of the walk).
bool walkRunsOutOfBudget(double first, double n, double p, double k)
{
    if (!(k > walkBudget)) return false;
    const bool risingAtBudget = (n - 1.0) * (1.0 - p) >= (walkBudget + 2.0) * p;
    return risingAtBudget || first * std::pow(1.0 - p, walkBudget) >= 4.0 * finalSumRatio;
}

enum class WalkEnd { Reached, Stalled, OutOfBudget };

// The quantile walk: the smallest k whose walked sum reaches q. Stalled means
// the sum became final below q (q within rounding of 1); k is then where the
// remaining mass fell below the sum's last digit.
template <class Step>
WalkEnd walkQuantile(double first, double q, double budget, Step step, double& k)
{
    double term = first;
    double sum = term;
    k = 0.0;
    while (sum < q) {
        if (k + 1.0 > budget) return WalkEnd::OutOfBudget;
        const double next = step(k + 1.0, term);
        sum += next;
        k += 1.0;
        if (sum < q && next < term && next < sum * finalSumRatio) return WalkEnd::Stalled;
        term = next;
    }
    return WalkEnd::Reached;
}

// The sum of the binomial(n, p) masses from `start` to `end`, stepping
// towards `end`, where the masses do not grow in that direction (`start` lies
// on the far side of the mode). Stops once the terms no longer count.
double binomialTailSum(double n, double p, double start, double end, double maximumSteps = tailSumMaximumSteps,
                       bool* settled = nullptr)
{
    const double q = 1.0 - p;
    double term = binomialMass(start, n, p);
    double sum = term;
    const bool upwards = end > start;
    double j = start;
    for (double steps = 0.0; j != end && term > sum * tailSumRatio && steps < maximumSteps; steps += 1.0) {
        if (upwards) {
            term = term * ((n - j) * p) / ((j + 1.0) * q);
            j += 1.0;
        } else {
            term = term * (j * q) / ((n - j + 1.0) * p);
            j -= 1.0;
        }
        sum += term;
    }
    if (settled) *settled = j == end || !(term > sum * tailSumRatio);
    return sum;
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
    bool settled = false;
    if (k + 1.0 > binomialMode(n, p)) {
        const double sum = binomialTailSum(n, p, k + 1.0, n, shortTailSteps, &settled);
        if (settled) return std::min(1.0, sum);
    } else {
        const double below = binomialTailSum(n, p, k, 0.0, shortTailSteps, &settled);
        if (settled) return std::clamp(1.0 - below, 0.0, 1.0);
    }
    return incompleteBeta(k + 1.0, n - k, p);
}

// P(X <= k) of the binomial (n, p) for any n: the masses from k down summed
// where they fall off quickly, else the complement of the upper tail, which
// then holds no more than the digits the result needs.
double binomialLowerTail(double n, double p, double k)
{
    if (k < 0.0) return 0.0;
    if (k >= n) return 1.0;
    if (k < binomialMode(n, p)) {
        bool settled = false;
        const double sum = binomialTailSum(n, p, k, 0.0, shortTailSteps, &settled);
        if (settled) return std::min(1.0, sum);
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

double negativeBinomialMass(double successes, double p, double k)
{
    if (std::isinf(k)) return 0.0;
    return successes / (successes + k) * binomialMass(successes, successes + k, p);
}

// P(X <= k) of the geometric (p): 1 - (1 - p)^(k + 1).
double geometricDistributionFunction(double p, double k) { return -std::expm1((k + 1.0) * std::log1p(-p)); }

// The masses first, first * ratio(j + 1), ... summed from the count `start`
// on in the direction `step` (+1 or -1) until they no longer count or the
// count leaves [0, +inf); false when that takes more than shortTailSteps terms.
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

// P(X > k) of the Poisson (lambda): the masses above k where they fall off
// quickly, else the lower incomplete gamma integral P(k + 1, lambda).
double poissonUpperTail(double lambda, double k)
{
    if (std::isinf(k)) return 0.0;
    double sum = 0.0;
    if (k + 1.0 > lambda &&
        shortTailSum(
            poissonMass(k + 1.0, lambda), k + 1.0, 1.0, [lambda](double, double next) { return lambda / next; }, sum)) {
        return std::min(1.0, sum);
    }
    return incompleteGamma(k + 1.0, lambda);
}

// P(X <= k) of the Poisson (lambda): as the upper tail, from k down, else
// the upper incomplete gamma integral Q(k + 1, lambda).
double poissonLowerTail(double lambda, double k)
{
    if (std::isinf(k)) return 1.0;
    double sum = 0.0;
    if (k < lambda &&
        shortTailSum(
            poissonMass(k, lambda), k, -1.0, [lambda](double current, double) { return current / lambda; }, sum)) {
        return std::min(1.0, sum);
    }
    return complementaryIncompleteGamma(k + 1.0, lambda);
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

// The quantile at q of a count law from its two tails: the smallest k with
// P(X <= k) >= q, judged above q = 1/2 as P(X > k) <= 1 - q, where both sides
// keep their digits. The search starts from the normal approximation with its
// skewness correction (Cornish and Fisher (1937), "Moments and cumulants in the
// specification of distributions") and settles on the integers.
template <class Lower, class Upper>
double tailQuantile(double q, double mean, double deviation, double skewness, double top, Lower lower, Upper upper)
{
    if (q == 0.0) return 0.0;
    const double z = inverseNormal(q);
    const double guess = mean + deviation * (z + skewness * (z * z - 1.0) / 6.0) - 0.5;
    const double complement = 1.0 - q;
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

namespace {

// The Poisson masses e^-lambda lambda^n / n! for n = 0, 1, 2, ..., each as
// (log(lambda) n - lambda) - (log 1 + ... + log n), the running sum of
// logarithms carried from one n to the next.
class PoissonTerms {
public:
    explicit PoissonTerms(double lambda) : lambda_(lambda), logLambda_(std::log(lambda)) {}

    double count() const { return n_; }
    double exponent() const { return (logLambda_ * n_ + (-lambda_)) - logSum_; }
    double term() const { return std::exp(exponent()); }
    void advance()
    {
        n_ += 1.0;
        logSum_ += std::log(n_);
    }
    // Past the mean the exponent only falls: once exp of it is 0, so is every later term.
    bool restVanish() const { return n_ > lambda_ && exponent() < underflowExponent; }

private:
    double lambda_;
    double logLambda_;
    double n_ = 0.0;
    double logSum_ = 0.0;
};

}  // namespace

double PoissonDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    if (parameters_[0] > poissonWalkLimit) return ok(std::isinf(k) ? 0.0 : poissonMass(k, parameters_[0]));
    PoissonTerms terms(parameters_[0]);
    while (terms.count() < k) {
        terms.advance();
        if (terms.restVanish()) return ok(0.0);
    }
    return ok(terms.term());
}

double PoissonDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    if (parameters_[0] > poissonWalkLimit) return ok(poissonLowerTail(parameters_[0], k));
    // The masses k, k - 1, ..., 0 added in that order; masses that are 0 in
    // double add nothing, so the walk ends where they begin.
    PoissonTerms terms(parameters_[0]);
    std::vector<double> masses;
    masses.reserve(static_cast<std::size_t>(std::min(k, 2.0 * poissonWalkLimit)) + 1);
    masses.push_back(terms.term());
    while (terms.count() < k) {
        terms.advance();
        if (terms.restVanish()) break;
        masses.push_back(terms.term());
    }
    double sum = 0.0;
    for (auto mass = masses.rbegin(); mass != masses.rend(); ++mass) sum += *mass;
    return ok(atMostOne(sum));
}

double PoissonDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    const double lambda = parameters_[0];
    // Below the mean the survival is near 1 and the complement keeps it.
    if (k < lambda) return ok(1.0 - cdf(x));
    return ok(poissonUpperTail(lambda, k));
}

double PoissonDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double lambda = parameters_[0];
    if (lambda > poissonWalkLimit) {
        const double deviation = std::sqrt(lambda);
        return ok(tailQuantile(
            q, lambda, deviation, 1.0 / deviation, DBL_MAX, [lambda](double k) { return poissonLowerTail(lambda, k); },
            [lambda](double k) { return poissonUpperTail(lambda, k); }));
    }
    PoissonTerms terms(parameters_[0]);
    double sum = 0.0;
    for (;;) {
        const double mass = terms.term();
        sum += mass;
        if (sum >= q) break;
        // Stalled below q: nothing later can lift the sum.
        if (terms.count() > parameters_[0] && mass < sum * finalSumRatio) break;
        terms.advance();
    }
    return ok(terms.count());
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
    if (n > trialsWalkLimit) return ok(binomialMass(k, n, p));
    double upper = 0.0;
    for (double i = n - k + 1.0; i <= n; i += 1.0) upper += std::log(i);
    double lower = 0.0;
    for (double i = 2.0; i <= k; i += 1.0) lower += std::log(i);
    const double s = upper - lower;
    return ok(std::exp(std::log1p(-p) * (n - k) + (std::log(p) * k + s)));
}

double BinomialDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (k > n) return fail(ResultStatus::SingularPoint, 1.0);
    const double first = std::pow(1.0 - p, n);
    if (n > trialsWalkLimit || first < DBL_MIN) return ok(binomialLowerTail(n, p, k));
    double sum;
    walkDistributionFunction(
        first, k, HUGE_VAL, [n, p](double i, double previous) { return binomialStep(n, p, i, previous); }, sum);
    return ok(atMostOne(sum));
}

double BinomialDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    const double n = parameters_[0], p = parameters_[1];
    // Above N nothing is left, as the distribution function's SingularPoint says.
    if (k > n) return fail(ResultStatus::SingularPoint, 0.0);
    if (k < binomialMode(n, p)) return ok(1.0 - cdf(x));
    return ok(binomialUpperTail(n, p, k));
}

double BinomialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double n = parameters_[0], p = parameters_[1];
    if (n > trialsWalkLimit) {
        const double variance = (n * p) * (1.0 - p);
        return ok(tailQuantile(
            q, n * p, std::sqrt(variance), (1.0 - 2.0 * p) / std::sqrt(variance), n,
            [n, p](double k) { return binomialLowerTail(n, p, k); },
            [n, p](double k) { return binomialUpperTail(n, p, k); }));
    }
    const double first = std::pow(1.0 - p, n);
    if (first < DBL_MIN) {
        return ok(searchQuantile(n * p, 1.0, n, [n, p, q](double k) { return binomialLowerTail(n, p, k) >= q; }));
    }
    double k;
    const WalkEnd end = walkQuantile(
        first, q, n, [n, p](double i, double previous) { return binomialStep(n, p, i, previous); }, k);
    // The sum stayed below q through all N + 1 masses: the count cannot pass N.
    if (end == WalkEnd::OutOfBudget) return fail(ResultStatus::SingularPoint, n);
    return ok(k);
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
    const double n = parameters_[0], p = parameters_[1];
    if (k > plainLogSumLimit || n > trialsWalkLimit) return ok(negativeBinomialMass(n, p, k));
    double upper = 0.0;
    for (double i = 0.0; i < k; i += 1.0) upper += std::log(n + i);
    double lower = 0.0;
    for (double i = 2.0; i <= k; i += 1.0) lower += std::log(i);
    const double s = upper - lower;
    return ok(std::exp(std::log1p(-p) * k + (s + std::log(p) * n)));
}

double NegativeBinomialDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    const double first = std::pow(p, n);
    double sum;
    if (n <= trialsWalkLimit && first >= DBL_MIN && !walkRunsOutOfBudget(first, n, p, k) &&
        walkDistributionFunction(
            first, k, walkBudget, [n, p](double i, double previous) { return negativeBinomialStep(n, p, i, previous); },
            sum)) {
        return ok(atMostOne(sum));
    }
    return ok(negativeBinomialDistributionFunction(n, p, k));
}

double NegativeBinomialDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    const double n = parameters_[0], p = parameters_[1];
    if (k < ((1.0 - p) * n) / p) return ok(1.0 - cdf(x));
    return ok(negativeBinomialUpperTail(n, p, k));
}

double NegativeBinomialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double n = parameters_[0], p = parameters_[1];
    const double first = std::pow(p, n);
    if (n <= trialsWalkLimit && first >= DBL_MIN) {
        double k;
        const WalkEnd end = walkQuantile(
            first, q, walkBudget, [n, p](double i, double previous) { return negativeBinomialStep(n, p, i, previous); },
            k);
        if (end != WalkEnd::OutOfBudget) return ok(k);
    }
    const double mean = ((1.0 - p) * n) / p;
    const double deviation = std::sqrt((1.0 - p) * n) / p;
    const double skew = (2.0 - p) / std::sqrt((1.0 - p) * n);
    const double k = tailQuantile(
        q, mean, deviation, skew, DBL_MAX,
        [n, p](double count) { return negativeBinomialDistributionFunction(n, p, count); },
        [n, p](double count) { return negativeBinomialUpperTail(n, p, count); });
    if (std::isinf(k)) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return ok(k);
}

double NegativeBinomialDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0], p = parameters_[1];
    if (count == 0.0) return ok(std::pow(p, n));
    if (!(previous >= DBL_MIN)) return ok(negativeBinomialMass(n, p, count));
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

double GeometricDistribution::validPdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double p = parameters_[0];
    return ok(std::exp(std::log1p(-p) * k + std::log(p)));
}

double GeometricDistribution::validCdf(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid);
    const double p = parameters_[0];
    double sum;
    if (p >= DBL_MIN && !walkRunsOutOfBudget(p, 1.0, p, k) &&
        walkDistributionFunction(
            p, k, walkBudget, [p](double, double previous) { return geometricStep(p, previous); }, sum)) {
        return ok(atMostOne(sum));
    }
    return ok(geometricDistributionFunction(p, k));
}

double GeometricDistribution::validSurvival(double x)
{
    double k;
    if (!takeCount(x, k)) return fail(ResultStatus::Invalid, 1.0);
    const double p = parameters_[0], stay = 1.0 - p;
    // (1 - p)^(k + 1); pow keeps every digit where 1 - p is exact.
    if (1.0 - stay == p) return ok(std::pow(stay, k + 1.0));
    return ok(std::exp((k + 1.0) * std::log1p(-p)));
}

double GeometricDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    const double p = parameters_[0];
    double k;
    if (p >= DBL_MIN && walkQuantile(
                            p, q, walkBudget, [p](double, double previous) { return geometricStep(p, previous); }, k) !=
                            WalkEnd::OutOfBudget) {
        return ok(k);
    }
    // 1 - (1 - p)^(k + 1) >= q solved for k, then settled on the integers.
    const double guess = std::log1p(-q) / std::log1p(-p) - 1.0;
    k = searchQuantile(std::isfinite(guess) ? guess : DBL_MAX, 1.0, DBL_MAX,
                       [p, q](double count) { return geometricDistributionFunction(p, count) >= q; });
    if (std::isinf(k)) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return ok(k);
}

double GeometricDistribution::validPmfStep(double k, double previous)
{
    double count;
    if (!takeCount(k, count)) return fail(ResultStatus::Invalid);
    const double p = parameters_[0];
    if (count == 0.0) return ok(p);
    if (!(previous >= DBL_MIN)) return ok(std::exp(std::log1p(-p) * count + std::log(p)));
    return ok(geometricStep(p, previous));
}

const char* GeometricDistribution::parameterSymbol1() const { return "p"; }

const char* GeometricDistribution::parameterDomain1() const { return parameter_domain::unitInterval; }
