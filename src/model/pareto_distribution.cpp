#include "model/pareto_distribution.h"

#include <cmath>

#include "model/density_terms.h"
#include "numeric/double_double.h"
#include "numeric/extended_log.h"
#include "numeric/inline_exp.h"
#include "numeric/inline_log.h"
#include "numeric/scaled_exponential.h"

namespace {

// xm (1 - q)^(-r - d) for 0 < q < 1, r + d = 1/alpha: xm e^y with y =
// -log1p(-q) (r + d), the logarithm and the product in two parts, so that y
// carries no rounding of its own, which its exponential would multiply by y
// (at alpha = 0.1 and q = 0.999, by 69).
WITH_FUSED_MULTIPLY_ADD double quantilePower(double q, const ParetoDistribution::KeptTerms& terms)
{
    // The low part of the product lies within a few units of the high one's
    // last place, as the exponential needs.
    const DoubleDouble y = times(negated(inlineLog1pParts(-q)), terms.inverseShape);
    return scaledExponential(y, terms.location);
}

// y = alpha log(x / xm) in two parts for xm < x < infinity: up to 2 xm
// from log1p of (x - xm) / xm, the difference exact and the quotient's
// rounding error joining the logarithm's; beyond from log x - log xm. A
// power of the rounded quotient xm / x carried its rounding times alpha, and
// a rounded y its own times y.
inline DoubleDouble survivalExponent(double x, double xm, double alpha, const ParetoDistribution::KeptTerms& terms)
{
    DoubleDouble logRatio;
    if (x <= 2 * xm) {
        const double excess = x - xm, ratio = excess / xm;
        logRatio = inlineLog1pParts(ratio, std::fma(-ratio, xm, excess) * terms.inverseLocation);
    } else {
        logRatio = plus(inlineLogParts(x), negated(terms.location.log));
    }
    return times(logRatio, alpha);
}

// (xm / x)^alpha = e^-y.
WITH_FUSED_MULTIPLY_ADD double survivalPower(double x, double xm, double alpha,
                                             const ParetoDistribution::KeptTerms& terms)
{
    const DoubleDouble y = survivalExponent(x, xm, alpha, terms);
    return inlineExpTimes(-y.hi, -y.lo, 1.0);
}

// The density (alpha / x) e^-y as e^(log alpha - log x - y), for where e^-y
// or alpha / x has left the normal doubles.
WITH_FUSED_MULTIPLY_ADD double densityByLogarithms(double x, double xm, double alpha,
                                                   const ParetoDistribution::KeptTerms& terms)
{
    const DoubleDouble y = survivalExponent(x, xm, alpha, terms);
    const DoubleDouble exponent = plus(plus(terms.logShape, negated(inlineLogParts(x))), negated(y));
    return scaledExponential(exponent, ExponentialFactor{});
}

}  // namespace

bool ParetoDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double ParetoDistribution::logRatio(double x) const
{
    // Up to 2 xm the difference x - xm is exact, and log1p keeps the digits
    // of a small ratio; beyond, the quotient, or the logs where it overflows.
    const double xm = parameters_[0];
    if (x <= 2.0 * xm) return std::log1p((x - xm) / xm);
    const double ratio = x / xm;
    if (std::isfinite(ratio)) return std::log(ratio);
    return std::log(x) - std::log(xm);
}

double ParetoDistribution::validMean()
{
    const double xm = parameters_[0], alpha = parameters_[1];
    if (alpha <= 1) return fail(ResultStatus::PlusInfinity);
    return okUnlessInfinite(xm * (alpha / (alpha - 1.0)));
}

double ParetoDistribution::validStandardDeviation()
{
    // xm / (alpha - 1) sqrt(alpha / (alpha - 2)); infinite while the mean is
    // finite but the second moment is not, undefined where the mean is infinite.
    const double xm = parameters_[0], alpha = parameters_[1];
    if (alpha <= 1) return fail(ResultStatus::Invalid);
    if (alpha <= 2) return fail(ResultStatus::PlusInfinity);
    return okUnlessInfinite(xm / (alpha - 1.0) * std::sqrt(alpha / (alpha - 2.0)));
}

double ParetoDistribution::validCoefficientOfVariation()
{
    const double alpha = parameters_[1];
    if (alpha <= 1) return fail(ResultStatus::Invalid);
    if (alpha <= 2) return fail(ResultStatus::PlusInfinity);
    return ok(1.0 / std::sqrt(alpha * (alpha - 2.0)));
}

double ParetoDistribution::validSkewness()
{
    const double alpha = parameters_[1];
    if (alpha <= 3) return fail(ResultStatus::Invalid);
    return ok(2.0 * (1.0 + alpha) / (alpha - 3.0) * std::sqrt((alpha - 2.0) / alpha));
}

double ParetoDistribution::validKurtosis()
{
    // 3 + 6 (a^3 + a^2 - 6a - 2) / (a (a - 3) (a - 4)), factor by factor so
    // that no cube overflows.
    const double a = parameters_[1];
    if (a <= 4) return fail(ResultStatus::Invalid);
    const double excess = 6.0 * ((a + 1.0) - (6.0 + 2.0 / a) / a) / (a - 3.0) * (a / (a - 4.0));
    return ok(3.0 + excess);
}

double ParetoDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double xm = parameters_[0], alpha = parameters_[1];
    if (x < xm || std::isinf(x)) return ok(0.0);
    // (alpha / x) S(x), in logarithms where a factor has left the normal doubles.
    const double tail = validSurvival(x), rate = alpha / x;
    if (allOrdinary(tail, rate)) {
        const double density = rate * tail;
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(densityByLogarithms(x, xm, alpha, terms_));
}

double ParetoDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double xm = parameters_[0], alpha = parameters_[1];
    if (x <= xm) return ok(0.0);
    // Beyond 2 xm, 1 minus the survival's one power wherever that is at most
    // 1/2 (so nothing cancels); elsewhere the complement of exp.
    if (x > 2.0 * xm && std::isfinite(x)) {
        const double tail = survivalPower(x, xm, alpha, terms_);
        if (tail <= 0.5) return ok(1.0 - tail);
    }
    return ok(-std::expm1(-alpha * logRatio(x)));
}

double ParetoDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    const double xm = parameters_[0], alpha = parameters_[1];
    if (x <= xm) return ok(1.0);
    if (std::isinf(x)) return ok(0.0);
    return ok(survivalPower(x, xm, alpha, terms_));
}

double ParetoDistribution::validHazard(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    // f / S = alpha / x on the support.
    if (x < parameters_[0]) return ok(0.0);
    return okUnlessInfinite(parameters_[1] / x);
}

double ParetoDistribution::validQuantile(double q)
{
    if (q == 0.0) return ok(parameters_[0]);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return okUnlessInfinite(quantilePower(q, terms_));
}

void ParetoDistribution::prepareParameters()
{
    terms_.inverseShape = reciprocal(parameters_[1]);
    terms_.location.take(parameters_[0]);
    // Below 2^-1024, where 1/xm overflows, the quotient's rounding error is left out.
    const double inverseLocation = 1 / parameters_[0];
    terms_.inverseLocation = std::isfinite(inverseLocation) ? inverseLocation : 0.0;
    terms_.logShape = extendedLog(parameters_[1]);
}

double ParetoDistribution::graphLow()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return ok(parameters_[0]);
}

// The 0.98 point: a small shape's long tail would flatten the curve at 0.999.
double ParetoDistribution::graphHigh() { return quantile(0.98); }

const char* ParetoDistribution::parameterSymbol1() const { return "s"; }
const char* ParetoDistribution::parameterSymbol2() const { return "a"; }
const char* ParetoDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* ParetoDistribution::parameterDomain2() const { return parameter_domain::positive; }
