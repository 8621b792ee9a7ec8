#include "model/normal_distributions.h"

#include <cmath>

#include "numeric/normal_integral.h"

namespace {

constexpr double sqrtTwo = 1.4142135623730951;
constexpr double twoPi = 6.283185307179586;

// Phi(z) through the error function.
double standardNormalCdf(double z) { return (errorFunction(z / sqrtTwo) + 1) * 0.5; }

}  // namespace

// ---------------------------------------------------------------- normal

bool NormalDistribution::isValid() const { return parameters_[1] > 0; }

double NormalDistribution::mean()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    return ok(parameters_[0]);
}

double NormalDistribution::standardDeviation()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    return ok(parameters_[1]);
}

double NormalDistribution::coefficientOfVariation()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    if (parameters_[0] == 0.0) return fail(ResultStatus::DivisionByZero);
    return ok(parameters_[1] / parameters_[0]);
}

double NormalDistribution::skewness()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    return ok(0.0);
}

double NormalDistribution::kurtosis()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    return ok(3.0);
}

double NormalDistribution::pdf(double x)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(std::exp(-(x - mu) * (x - mu) / ((2 * sigma) * sigma)) / (std::sqrt(twoPi) * sigma));
}

double NormalDistribution::cdf(double x)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(standardNormalCdf((x - mu) / sigma));
}

double NormalDistribution::quantile(double q)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    if (q < 0 || q > 1) return fail(ResultStatus::Invalid);
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

double LognormalDistribution::mean()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(std::exp((0.5 * sigma) * sigma) * mu);
}

double LognormalDistribution::standardDeviation()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double mu = parameters_[0], sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(((mu * mu) * w) * (w - 1)));
}

double LognormalDistribution::coefficientOfVariation()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(w - 1));
}

double LognormalDistribution::skewness()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(std::sqrt(w - 1) * (w + 2));
}

double LognormalDistribution::kurtosis()
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    const double sigma = parameters_[1];
    const double w = std::exp(sigma * sigma);
    return ok(((w * w) * w) * w + ((2 * w) * w) * w + (3 * w) * w - 3);
}

double LognormalDistribution::pdf(double x)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    // No mass at or below 0: the support starts there.
    if (x <= 0) return ok(0.0);
    const double mu = parameters_[0], sigma = parameters_[1];
    const double t = std::log(x / mu) / sigma;
    return ok(std::exp((-t) * t / 2) / (std::sqrt(twoPi) * (x * sigma)));
}

double LognormalDistribution::cdf(double x)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    if (x <= 0) return ok(0.0);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(standardNormalCdf(std::log(x / mu) / sigma));
}

double LognormalDistribution::quantile(double q)
{
    if (!isValid()) return fail(ResultStatus::Invalid);
    if (q < 0 || q > 1) return fail(ResultStatus::Invalid);
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
