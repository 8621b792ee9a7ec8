#include "model/normal_distributions.h"

#include <cmath>
#include <limits>

#include "numeric/normal_integral.h"

namespace {

constexpr double sqrtTwo = 1.4142135623730951;
constexpr double twoPi = 6.283185307179586;

constexpr double erfcReach = 10;  // complementaryErrorFunction is 0 from here on

// Phi(z) through the error function.
double standardNormalCdf(double z) { return (errorFunction(z / sqrtTwo) + 1) * 0.5; }

double standardNormalDensity(double z) { return std::exp(-z * z / 2) / std::sqrt(twoPi); }

// 1 - Phi(z) for z > 0 from the complement of erf, and beyond its reach from
// Mills' ratio: relative error below 2e-8 down to the smallest normal double.
double standardNormalUpperTail(double z)
{
    const double t = z / sqrtTwo;
    if (t < erfcReach) return complementaryErrorFunction(t) * 0.5;
    return std::exp(-z * z / 2) * (millsRatio(z) / std::sqrt(twoPi));
}

// phi(z) / (1 - Phi(z)); past the reach of erfc the density and the tail both
// vanish, but their ratio, the reciprocal of Mills' ratio, does not.
double standardNormalHazard(double z)
{
    if (z / sqrtTwo < erfcReach) {
        const double tail = z > 0 ? standardNormalUpperTail(z) : 1 - standardNormalCdf(z);
        return standardNormalDensity(z) / tail;
    }
    return 1 / millsRatio(z);
}

// log(x / mu), also where the quotient itself would overflow or underflow.
double logOfQuotient(double x, double mu)
{
    const double ratio = x / mu;
    if (ratio >= std::numeric_limits<double>::min() && ratio <= std::numeric_limits<double>::max())
        return std::log(ratio);
    return std::log(x) - std::log(mu);
}

}  // namespace

// ---------------------------------------------------------------- normal

bool NormalDistribution::isValid() const { return parameters_[1] > 0; }

double NormalDistribution::validMean() { return ok(parameters_[0]); }

double NormalDistribution::validStandardDeviation() { return ok(parameters_[1]); }

double NormalDistribution::validCoefficientOfVariation()
{
    if (parameters_[0] == 0.0) return fail(ResultStatus::DivisionByZero);
    return ok(parameters_[1] / parameters_[0]);
}

double NormalDistribution::validSkewness() { return ok(0.0); }

double NormalDistribution::validKurtosis() { return ok(3.0); }

double NormalDistribution::validPdf(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    const double density = std::exp(-(x - mu) * (x - mu) / ((2 * sigma) * sigma)) / (std::sqrt(twoPi) * sigma);
    if (std::isfinite(density)) return ok(density);
    // A tiny sigma squares to 0 (0 / 0 at the mean); the standardised form keeps it.
    const double z = (x - mu) / sigma;
    return ok(std::exp(-z * z / 2) / (std::sqrt(twoPi) * sigma));
}

double NormalDistribution::validCdf(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(standardNormalCdf((x - mu) / sigma));
}

double NormalDistribution::validSurvival(double x)
{
    const double z = (x - parameters_[0]) / parameters_[1];
    if (z <= 0) return 1 - cdf(x);
    return ok(standardNormalUpperTail(z));
}

double NormalDistribution::validHazard(double x)
{
    const double sigma = parameters_[1];
    return okUnlessInfinite(standardNormalHazard((x - parameters_[0]) / sigma) / sigma);
}

double NormalDistribution::validQuantile(double q)
{
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    return ok(inverseNormal(q) * parameters_[1] + parameters_[0]);
}

const char* NormalDistribution::parameterSymbol1() const { return "m"; }
const char* NormalDistribution::parameterSymbol2() const { return "s"; }
const char* NormalDistribution::parameterDomain1() const { return parameter_domain::real; }
const char* NormalDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- lognormal

bool LognormalDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double LognormalDistribution::validMean()
{
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(std::exp((0.5 * sigma) * sigma) * mu);
}

double LognormalDistribution::validStandardDeviation()
{
    const double mu = parameters_[0], sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(((mu * mu) * w) * (w - 1)));
}

double LognormalDistribution::validCoefficientOfVariation()
{
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(w - 1));
}

double LognormalDistribution::validSkewness()
{
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(w - 1) * (w + 2));
}

double LognormalDistribution::validKurtosis()
{
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(((w * w) * w) * w + ((2 * w) * w) * w + (3 * w) * w - 3);
}

double LognormalDistribution::validPdf(double x)
{
    // No mass at or below 0: the support starts there.
    if (x <= 0) return ok(0.0);
    const double mu = parameters_[0], sigma = parameters_[1];
    const double t = std::log(x / mu) / sigma;
    return ok(std::exp((-t) * t / 2) / (std::sqrt(twoPi) * (x * sigma)));
}

double LognormalDistribution::validCdf(double x)
{
    if (x <= 0) return ok(0.0);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(standardNormalCdf(std::log(x / mu) / sigma));
}

double LognormalDistribution::validSurvival(double x)
{
    if (x <= 0) return ok(1.0);
    const double t = logOfQuotient(x, parameters_[0]) / parameters_[1];
    if (t <= 0) return 1 - cdf(x);
    return ok(standardNormalUpperTail(t));
}

double LognormalDistribution::validHazard(double x)
{
    // Nothing below the support, and the hazard dies away like log(x)/x.
    if (x <= 0 || x == std::numeric_limits<double>::infinity()) return ok(0.0);
    const double sigma = parameters_[1];
    return ok(standardNormalHazard(logOfQuotient(x, parameters_[0]) / sigma) / x / sigma);
}

double LognormalDistribution::validQuantile(double q)
{
    if (q == 0.0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    return ok(std::exp(inverseNormal(q) * parameters_[1]) * parameters_[0]);
}

double LognormalDistribution::graphLow() { return ok(0.0); }

// The long right tail is cut at the 95% point.
double LognormalDistribution::graphHigh() { return quantile(0.95); }

const char* LognormalDistribution::parameterSymbol1() const { return "m"; }
const char* LognormalDistribution::parameterSymbol2() const { return "s"; }
const char* LognormalDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* LognormalDistribution::parameterDomain2() const { return parameter_domain::positive; }
