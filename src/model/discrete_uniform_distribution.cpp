#include "model/discrete_uniform_distribution.h"

#include <cmath>

namespace {

// The largest |a| and |b|: whole numbers and their counts stay exact in double.
constexpr double maximumEnd = 1e15;

}  // namespace

bool DiscreteUniformDistribution::isValid() const
{
    const double a = parameters_[0], b = parameters_[1];
    return a <= b && a >= -maximumEnd && b <= maximumEnd;
}

double DiscreteUniformDistribution::validMean() { return ok(parameters_[0] * 0.5 + parameters_[1] * 0.5); }

double DiscreteUniformDistribution::validStandardDeviation()
{
    // sqrt((n^2 - 1) / 12), with n^2 - 1 as (n - 1)(n + 1), both exact.
    const double n = count();
    return ok(std::sqrt((n - 1.0) * (n + 1.0) / 12.0));
}

double DiscreteUniformDistribution::validCoefficientOfVariation()
{
    const double n = count(), mean = parameters_[0] * 0.5 + parameters_[1] * 0.5;
    // A zero mean has no finite ratio, as for the normal distribution.
    if (mean == 0.0) return fail(ResultStatus::DivisionByZero);
    return ok(std::sqrt((n - 1.0) * (n + 1.0) / 12.0) / mean);
}

// A single value has no spread to measure its shape by.
double DiscreteUniformDistribution::validSkewness()
{
    if (count() == 1.0) return fail(ResultStatus::DivisionByZero);
    return ok(0.0);
}

double DiscreteUniformDistribution::validKurtosis()
{
    // 3 - 6 (n^2 + 1) / (5 (n^2 - 1)) = 1.8 - 2.4 / (n^2 - 1).
    const double n = count();
    if (n == 1.0) return fail(ResultStatus::DivisionByZero);
    return ok(1.8 - 2.4 / ((n - 1.0) * (n + 1.0)));
}

double DiscreteUniformDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double k = std::floor(x);
    if (k < parameters_[0] || k > parameters_[1]) return ok(0.0);
    return ok(1.0 / count());
}

double DiscreteUniformDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double k = std::floor(x), a = parameters_[0], b = parameters_[1];
    if (k < a) return ok(0.0);
    if (k >= b) return ok(1.0);
    return ok((k - a + 1.0) / count());
}

double DiscreteUniformDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    const double k = std::floor(x), a = parameters_[0], b = parameters_[1];
    if (k < a) return ok(1.0);
    if (k >= b) return ok(0.0);
    return ok((b - k) / count());
}

double DiscreteUniformDistribution::validQuantile(double q)
{
    // The smallest k with (k - a + 1) / n >= q, that is a - 1 + m for the
    // smallest whole m >= q n; the sign of fma(q, n, -m) = q n - m is exact,
    // so the rounded guess ceil(q n) is settled exactly.
    const double a = parameters_[0], n = count();
    if (q == 0.0) return ok(a);
    double m = std::ceil(q * n);
    while (m > 1.0 && std::fma(q, n, -(m - 1.0)) <= 0.0) m -= 1.0;
    while (std::fma(q, n, -m) > 0.0) m += 1.0;
    return ok(a - 1.0 + m);
}

double DiscreteUniformDistribution::validPmfStep(double k, double) { return validPdf(k); }

// One empty count on either side of the support.
double DiscreteUniformDistribution::graphLow()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return ok(parameters_[0] - 1.0);
}

double DiscreteUniformDistribution::graphHigh()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return ok(parameters_[1] + 1.0);
}

const char* DiscreteUniformDistribution::parameterSymbol1() const { return "a"; }
const char* DiscreteUniformDistribution::parameterSymbol2() const { return "b"; }
const char* DiscreteUniformDistribution::parameterDomain1() const { return parameter_domain::atMostB; }
const char* DiscreteUniformDistribution::parameterDomain2() const { return parameter_domain::atLeastA; }
