#include "model/pareto_distribution.h"

#include <cmath>

#include "model/density_terms.h"
#include "numeric/inline_exp.h"
#include "numeric/inline_log.h"

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
    return okUnlessInfinite(inlineExp(std::log(alpha) - std::log(x) - alpha * logRatio(x)));
}

double ParetoDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double xm = parameters_[0], alpha = parameters_[1];
    if (x <= xm) return ok(0.0);
    // Beyond 2 xm, 1 minus the survival's one power wherever that is at most
    // 1/2 (so nothing cancels); elsewhere the complement of exp.
    const double ratio = xm / x;
    if (x > 2.0 * xm && std::isnormal(ratio)) {
        const double tail = std::pow(ratio, alpha);
        if (tail <= 0.5) return ok(1.0 - tail);
    }
    return ok(-std::expm1(-alpha * logRatio(x)));
}

double ParetoDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    const double xm = parameters_[0], alpha = parameters_[1];
    if (x <= xm) return ok(1.0);
    // pow of the quotient, which carries only its own rounding times alpha;
    // exp(-alpha log(x / xm)) where that quotient has left the normal doubles.
    const double ratio = xm / x;
    if (x > 2.0 * xm && std::isnormal(ratio)) return ok(std::pow(ratio, alpha));
    return ok(inlineExp(-alpha * logRatio(x)));
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
    const double xm = parameters_[0], alpha = parameters_[1];
    if (q == 0.0) return ok(xm);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    // xm (1 - q)^(-1/alpha): from q = 1/2 on, where 1 - q is exact, as that
    // power, whose exponent's rounding would otherwise grow with the tail;
    // below, as xm exp(-log1p(-q) / alpha), keeping the digits of a small q.
    const double growth = q >= 0.5 ? inverseShape_.power(1.0 - q, -1.0) : inlineExp(-inlineLog1p(-q) / alpha);
    if (std::isfinite(growth)) return okUnlessInfinite(xm * growth);
    return okUnlessInfinite(inlineExp(std::log(xm) - std::log1p(-q) / alpha));
}

void ParetoDistribution::prepareParameters() { inverseShape_.take(parameters_[1]); }

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
