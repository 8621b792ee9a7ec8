#include "model/logistic_distribution.h"

#include <cmath>
#include <numbers>

#include "model/density_terms.h"
#include "model/location_scale.h"
#include "numeric/inline_exp.h"

namespace {

// pi / sqrt(3): the standard deviation of the standard logistic law.
constexpr double deviationFactor = std::numbers::pi / std::numbers::sqrt3;

// 1 / (1 + exp(-z)), the standard lower tail; left of 0 as e / (1 + e) with
// e = exp(z), so that a far tail keeps its digits instead of 1 + tiny.
// The upper tail is the lower tail at -z.
double standardLogisticCdf(double z)
{
    if (z < 0) {
        const double e = inlineExp(z);
        return e / (1.0 + e);
    }
    return 1.0 / (1.0 + inlineExp(-z));
}

}  // namespace

bool LogisticDistribution::isValid() const { return parameters_[1] > 0; }

double LogisticDistribution::validMean() { return ok(parameters_[0]); }

double LogisticDistribution::validStandardDeviation() { return okUnlessInfinite(parameters_[1] * deviationFactor); }

double LogisticDistribution::validCoefficientOfVariation()
{
    const double mu = parameters_[0], s = parameters_[1];
    // A zero mean has no finite ratio, as for the normal distribution.
    if (mu == 0.0) return fail(ResultStatus::DivisionByZero);
    return okUnlessInfinite(s * deviationFactor / mu);
}

double LogisticDistribution::validSkewness() { return ok(0.0); }

double LogisticDistribution::validKurtosis() { return ok(4.2); }

double LogisticDistribution::validPdf(double x)
{
    // e / (s (1 + e)^2) with e = exp(-|z|), symmetric about mu; in logarithms
    // where e or the result has left the normal doubles.
    const double z = std::fabs(standardScore(x));
    const double e = inlineExp(-z);
    if (allOrdinary(e)) {
        const double density = scale_.divide(e / ((1.0 + e) * (1.0 + e)));
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(inlineExp(-z - 2.0 * std::log1p(e) - std::log(parameters_[1])));
}

double LogisticDistribution::validCdf(double x) { return ok(standardLogisticCdf(standardScore(x))); }

double LogisticDistribution::validSurvival(double x) { return ok(standardLogisticCdf(-standardScore(x))); }

double LogisticDistribution::validHazard(double x)
{
    // f / S = F / s: the lower tail over the scale, in logarithms far left
    // where F has left the normal doubles but the ratio need not have.
    const double s = parameters_[1];
    const double z = standardScore(x);
    const double lower = standardLogisticCdf(z);
    if (std::isnormal(lower)) {
        const double rate = scale_.divide(lower);
        if (std::isnormal(rate)) return okUnlessInfinite(rate);
    }
    return okUnlessInfinite(inlineExp(z - std::log1p(inlineExp(z)) - std::log(s)));
}

double LogisticDistribution::validQuantile(double q)
{
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    // mu + s log(q / (1 - q)); near the median as log1p((2q - 1) / (1 - q)),
    // whose 2q - 1 is exact there, so the small logit keeps its digits.
    const double logit = q >= 0.25 && q <= 0.75 ? std::log1p((2.0 * q - 1.0) / (1.0 - q)) : std::log(q / (1.0 - q));
    return okUnlessInfinite(parameters_[0] + parameters_[1] * logit);
}

const char* LogisticDistribution::parameterSymbol1() const { return "m"; }
const char* LogisticDistribution::parameterSymbol2() const { return "s"; }
const char* LogisticDistribution::parameterDomain1() const { return parameter_domain::real; }
const char* LogisticDistribution::parameterDomain2() const { return parameter_domain::positive; }
