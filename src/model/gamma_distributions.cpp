#include "model/gamma_distributions.h"

#include <cmath>
#include <limits>

#include "model/density_terms.h"
#include "numeric/gamma_functions.h"
#include "numeric/tail_fractions.h"

namespace {

// The hazard of a gamma law with the given shape at x = scale * t, from its
// density and survival Q(shape, t). Where either has left the range of normal
// doubles far to the right, it is 1 / (x F) with F the continued fraction of
// Gamma(shape, t), which needs neither. +inf where the tail is 0 and the
// hazard truly infinite. (Legendre's fraction: Abramowitz and Stegun (1964),
// Handbook of Mathematical Functions, 6.5.31.)
double gammaHazard(double shape, double t, double x, double density, double tail)
{
    if (std::isnormal(density) && std::isnormal(tail)) return density / tail;
    if (t > 1 && t > shape) return 1 / (x * gammaTailFraction(shape, t));
    if (tail == 0) return std::numeric_limits<double>::infinity();
    return density / tail;
}

// The x with P(shape, x) = q for 0 < q < 1. Below the median the lower tail is
// inverted itself: 1 - q would round away the digits of a small q.
double gammaQuantile(double shape, double q)
{
    if (q < 0.5) return inverseIncompleteGamma(shape, q);
    return inverseComplementaryIncompleteGamma(shape, 1.0 - q);
}

}  // namespace

// ---------------------------------------------------------------- gamma

bool GammaDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double GammaDistribution::validMean() { return okUnlessInfinite(parameters_[0] * parameters_[1]); }

double GammaDistribution::validStandardDeviation()
{
    return okUnlessInfinite(std::sqrt(parameters_[0]) * parameters_[1]);
}

double GammaDistribution::validCoefficientOfVariation() { return okUnlessInfinite(1.0 / std::sqrt(parameters_[0])); }

double GammaDistribution::validSkewness() { return okUnlessInfinite(2.0 / std::sqrt(parameters_[0])); }

double GammaDistribution::validKurtosis() { return okUnlessInfinite(6.0 / parameters_[0] + 3.0); }

double GammaDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double shape = parameters_[0], scale = parameters_[1];
    // Below the support the density is 0, as the distribution function says.
    if (x < 0) return ok(0.0);
    const double t = x / scale;
    if (t == 0) {
        // The pole of a shape below 1 is an infinite density, not a number.
        if (shape < 1) return fail(ResultStatus::PlusInfinity);
        return okUnlessInfinite(shape == 1 ? 1.0 / scale : 0.0);
    }
    if (std::isinf(t)) return ok(0.0);

    const double density = gammaDensity(shape, t) / scale;
    if (std::isnormal(density)) return ok(density);
    return okUnlessInfinite(std::exp(logGammaFactor(shape, t) - std::log(t) - std::log(scale)));
}

double GammaDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    return ok(incompleteGamma(parameters_[0], x / parameters_[1]));
}

double GammaDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    const double t = x / parameters_[1];
    if (std::isinf(t)) return ok(t > 0 ? 0.0 : 1.0);
    return ok(complementaryIncompleteGamma(parameters_[0], t));
}

double GammaDistribution::validHazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double shape = parameters_[0], scale = parameters_[1];
    const double t = x / scale;
    if (t == std::numeric_limits<double>::infinity()) return ok(1 / scale);  // the limit far right
    return okUnlessInfinite(gammaHazard(shape, t, x, density, survival(x)));
}

double GammaDistribution::validQuantile(double q)
{
    if (q == 0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    return okUnlessInfinite(gammaQuantile(parameters_[0], q) * parameters_[1]);
}

double GammaDistribution::graphLow()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    // A shape below 1 has a pole at 0: start where the curve is drawable.
    if (parameters_[0] < 1) return quantile(0.05);
    return ok(0.0);
}

const char* GammaDistribution::parameterSymbol1() const { return "g"; }
const char* GammaDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* GammaDistribution::parameterSymbol2() const { return "b"; }
const char* GammaDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- chi-square

bool ChiSquareDistribution::isValid() const { return parameters_[0] > 0; }

double ChiSquareDistribution::validMean() { return okUnlessInfinite(parameters_[0]); }

double ChiSquareDistribution::validStandardDeviation() { return okUnlessInfinite(std::sqrt(parameters_[0] * 2.0)); }

double ChiSquareDistribution::validCoefficientOfVariation() { return ok(std::sqrt(2.0 / parameters_[0])); }

double ChiSquareDistribution::validSkewness()
{
    // Twice the coefficient of variation, with the status that call leaves.
    const double variation = coefficientOfVariation();
    return variation + variation;
}

double ChiSquareDistribution::validKurtosis() { return ok(12.0 / parameters_[0] + 3.0); }

double ChiSquareDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double n = parameters_[0];
    if (x < 0) return ok(0.0);
    if (x == 0) return n < 3 ? fail(ResultStatus::SingularPoint) : ok(0.0);
    if (std::isinf(x)) return ok(0.0);

    const double half = n * 0.5;
    const double density = 0.5 * gammaDensity(half, x * 0.5);
    if (std::isnormal(density)) return ok(density);
    return okUnlessInfinite(std::exp(logGammaFactor(half, x * 0.5) - std::log(x)));
}

double ChiSquareDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    return ok(incompleteGamma(parameters_[0] * 0.5, x * 0.5));
}

double ChiSquareDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    if (std::isinf(x)) return ok(x > 0 ? 0.0 : 1.0);
    return ok(complementaryIncompleteGamma(parameters_[0] * 0.5, x * 0.5));
}

double ChiSquareDistribution::validHazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    if (x == std::numeric_limits<double>::infinity()) return ok(0.5);  // the limit far right
    return okUnlessInfinite(gammaHazard(parameters_[0] * 0.5, x * 0.5, x, density, survival(x)));
}

double ChiSquareDistribution::validQuantile(double q)
{
    if (q == 0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    const double e = gammaQuantile(parameters_[0] * 0.5, q);
    return okUnlessInfinite(e + e);
}

double ChiSquareDistribution::graphLow() { return ok(0.0); }

const char* ChiSquareDistribution::parameterSymbol1() const { return "n"; }
const char* ChiSquareDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }
