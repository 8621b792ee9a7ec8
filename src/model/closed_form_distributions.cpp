#include "model/closed_form_distributions.h"

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

}  // namespace

// ---------------------------------------------------------------- uniform

bool UniformDistribution::isValid() const { return parameters_[0] < parameters_[1]; }

double UniformDistribution::validMean()
{
    const double a = parameters_[0], b = parameters_[1];
    return ok((a + b) * 0.5);
}

double UniformDistribution::validStandardDeviation()
{
    const double a = parameters_[0], b = parameters_[1];
    return ok(std::sqrt((b - a) * (b - a) / 12));
}

double UniformDistribution::validCoefficientOfVariation()
{
    const double a = parameters_[0], b = parameters_[1];
    // A zero mean has no finite ratio, as for the normal distribution.
    if (b + a == 0.0) return fail(ResultStatus::DivisionByZero);
    return ok((b - a) / (std::sqrt(3.0) * (b + a)));
}

double UniformDistribution::validSkewness() { return ok(0.0); }

double UniformDistribution::validKurtosis() { return ok(1.8); }

double UniformDistribution::validPdf(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    if (x < a || x > b) return fail(ResultStatus::Invalid);
    return ok(1 / (b - a));
}

double UniformDistribution::validCdf(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    if (x < a) return ok(0.0);
    if (x > b) return ok(1.0);
    return ok((x - a) / (b - a));
}

double UniformDistribution::validSurvival(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    if (x > b) return ok(0.0);
    if (x < a || x - a <= b - x) return 1 - cdf(x);
    return ok((b - x) / (b - a));  // the upper part, without cancelling against 1
}

double UniformDistribution::validHazard(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    // Outside the support there is no density to divide, as in pdf.
    if (x < a || x > b) return fail(ResultStatus::Invalid);
    if (x == b) return fail(ResultStatus::SingularPoint);
    return ok(1 / (b - x));
}

double UniformDistribution::validQuantile(double q)
{
    const double a = parameters_[0], b = parameters_[1];
    return ok((b - a) * q + a);
}

double UniformDistribution::graphLow() { return ok(parameters_[0]); }

double UniformDistribution::graphHigh() { return ok(parameters_[1]); }

const char* UniformDistribution::parameterSymbol1() const { return "a"; }
const char* UniformDistribution::parameterSymbol2() const { return "b"; }
const char* UniformDistribution::parameterDomain1() const { return parameter_domain::lessThanB; }
const char* UniformDistribution::parameterDomain2() const { return parameter_domain::greaterThanA; }

// ---------------------------------------------------------------- exponential

bool ExponentialDistribution::isValid() const { return parameters_[0] > 0; }

double ExponentialDistribution::validMean() { return ok(1 / parameters_[0]); }

double ExponentialDistribution::validStandardDeviation() { return ok(1 / parameters_[0]); }

double ExponentialDistribution::validCoefficientOfVariation() { return ok(1.0); }

double ExponentialDistribution::validSkewness() { return ok(2.0); }

double ExponentialDistribution::validKurtosis() { return ok(9.0); }

double ExponentialDistribution::validPdf(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    const double lambda = parameters_[0];
    return ok(std::exp((-lambda) * x) * lambda);
}

double ExponentialDistribution::validCdf(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    const double lambda = parameters_[0];
    return ok(1 - std::exp((-lambda) * x));
}

double ExponentialDistribution::validSurvival(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid, 1.0);
    return ok(std::exp((-parameters_[0]) * x));
}

double ExponentialDistribution::validHazard(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    return ok(parameters_[0]);
}

double ExponentialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return ok(std::log(1 - q) * (-1 / parameters_[0]));
}

double ExponentialDistribution::graphLow() { return ok(0.0); }

const char* ExponentialDistribution::parameterSymbol1() const { return "l"; }
const char* ExponentialDistribution::parameterDomain1() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- Cauchy

bool CauchyDistribution::isValid() const { return parameters_[1] > 0; }

// The Cauchy distribution has no moments.
bool CauchyDistribution::defines(Statistic) const { return false; }

double CauchyDistribution::validPdf(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(1 / ((sigma * pi) * ((x - mu) * (x - mu) / (sigma * sigma) + 1)));
}

double CauchyDistribution::validCdf(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(std::atan((x - mu) / sigma) / pi + 0.5);
}

double CauchyDistribution::validSurvival(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    const double d = x - mu;
    if (d <= sigma) return 1 - cdf(x);
    // Beyond one scale to the right, 1/2 - atan(z)/pi = atan(1/z)/pi keeps every digit.
    return ok(std::atan(sigma / d) / pi);
}

double CauchyDistribution::validHazard(double x)
{
    const double mu = parameters_[0], sigma = parameters_[1];
    const double d = x - mu;
    const double z = d / sigma;
    if (std::fabs(z) <= 1) return ok(1 / ((sigma * pi) * (z * z + 1)) / (0.5 - std::atan(z) / pi));

    // Far out, in u = 1/z so that nothing squares into overflow: the density is
    // (u/d) / (pi (1 + u^2)) and the survival atan(u)/pi on the right,
    // 1 + atan(u)/pi on the left.
    const double u = sigma / d;
    if (d > 0) {
        const double slope = u == 0 ? 1.0 : u / std::atan(u);
        return ok(slope / (d * (1 + u * u)));
    }
    const double density = (u / d) / (pi * (1 + u * u));
    return ok(density / (1 + std::atan(u) / pi));
}

double CauchyDistribution::validQuantile(double q)
{
    // The tangent of -pi/2 and pi/2 in doubles is finite; the ends are infinite.
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    const double mu = parameters_[0], sigma = parameters_[1];
    return ok(std::tan((q - 0.5) * pi) * sigma + mu);
}

double CauchyDistribution::graphLow() { return quantile(0.02); }

double CauchyDistribution::graphHigh() { return quantile(0.98); }

const char* CauchyDistribution::parameterSymbol1() const { return "m"; }
const char* CauchyDistribution::parameterSymbol2() const { return "s"; }
const char* CauchyDistribution::parameterDomain1() const { return parameter_domain::real; }
const char* CauchyDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- double exponential

bool DoubleExponentialDistribution::isValid() const { return parameters_[0] > 0; }

double DoubleExponentialDistribution::validMean() { return ok(0.0); }

double DoubleExponentialDistribution::validStandardDeviation() { return ok(std::sqrt(2.0) / parameters_[0]); }

// The mean is 0, so the ratio is never defined.
bool DoubleExponentialDistribution::defines(Statistic which) const
{
    return which != Statistic::CoefficientOfVariation;
}

double DoubleExponentialDistribution::validSkewness() { return ok(0.0); }

double DoubleExponentialDistribution::validKurtosis() { return ok(6.0); }

double DoubleExponentialDistribution::validPdf(double x)
{
    const double lambda = parameters_[0];
    return ok(std::exp(std::fabs(x) * (-lambda)) * lambda / 2);
}

double DoubleExponentialDistribution::validCdf(double x)
{
    const double lambda = parameters_[0];
    if (x < 0) return ok(std::exp(x * lambda) * 0.5);
    return ok(1 - std::exp((-lambda) * x) * 0.5);
}

double DoubleExponentialDistribution::validSurvival(double x)
{
    if (x < 0) return 1 - cdf(x);
    return ok(std::exp((-parameters_[0]) * x) * 0.5);
}

// Shown without the factor lambda, as the hazard's formula picture has it.
double DoubleExponentialDistribution::validHazard(double x)
{
    // The density over the survival: lambda on the right half, where both are
    // the same exponential, and lambda e / (2 - e) with e = exp(lambda x) on the left.
    const double lambda = parameters_[0];
    if (x >= 0) return ok(lambda);
    const double e = std::exp(x * lambda);
    return ok(lambda * e / (2 - e));
}

double DoubleExponentialDistribution::validQuantile(double q)
{
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    const double lambda = parameters_[0];
    if (q < 0.5) return ok(std::log(2 * q) / lambda);
    return ok(-std::log((1 - q) * 2) / lambda);
}

const char* DoubleExponentialDistribution::parameterSymbol1() const { return "l"; }
const char* DoubleExponentialDistribution::parameterDomain1() const { return parameter_domain::positive; }
