#include "model/normal_distributions.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "model/location_scale.h"
#include "numeric/arithmetic.h"
#include "numeric/constants.h"
#include "numeric/double_double.h"
#include "numeric/inline_exp.h"
#include "numeric/normal_integral.h"

namespace {

using constants::inverseSqrtTwoPi;
using constants::logSqrtTwoPi;
using constants::sqrtTwoPi;

// Above this exponent exp is a normal double (the smallest is exp(-708.4)).
constexpr double normalExponentFloor = -708;

// Beyond this exponent exp overflows for any scale factor of the double range.
constexpr double exponentReach = 1500;

// Phi(z), the lower tail taken as the upper tail of -z so that it never cancels.
double standardNormalCdf(double z) { return normalUpperTail(-z); }

// exp(-z^2/2) / (sqrt(2 pi) s1 s2), in logarithms where a factor has left the
// range of normal doubles (so that, say, a tiny scale does not turn a far tail
// into 0 / 0 or lose its digits to a subnormal).
double gaussianDensity(double z, double s1, double s2 = 1.0)
{
    const double exponent = -z * z / 2;
    if (exponent > normalExponentFloor) {
        const double e = inlineExp(exponent), s = s1 * s2 * sqrtTwoPi;
        if (std::isnormal(s)) return fusedQuotientIntoSubnormals(e, s);
    }
    // Each logarithm of a scale lies within 745 of 0: past z^2 / 2 = 2240 the
    // density underflows whatever they are.
    if (z * z > 4480) return 0.0;
    return inlineExp(exponent - std::log(s1) - std::log(s2) - logSqrtTwoPi);
}

// 1 / (sigma sqrt(2 pi)), the factor of the densities' usual path; NaN where
// it is not a normal double, which fails that path's test and leaves every
// density to gaussianDensity.
double densityFactor(double sigma)
{
    const double factor = inverseSqrtTwoPi / sigma;
    return std::isnormal(factor) ? factor : std::numeric_limits<double>::quiet_NaN();
}

// phi(z) / (1 - Phi(z)); from z = 1.75 on the reciprocal of Mills' ratio,
// which needs no exponential, and where the density and the tail both vanish
// their ratio does not.
double standardNormalHazard(double z)
{
    if (z >= 1.75) return 1 / millsRatio(z);
    return gaussianDensity(z, 1.0) / normalUpperTail(z);
}

// What the standard normal quantile z of q, a double within a few units in
// its last place, lacks: one Newton step on the tail on z's side, whose
// relative accuracy carries into digits below z's last place, while the
// density is a normal double. 1 - q is exact above the median. The lognormal
// quantile exp(sigma z) multiplies z's error by sigma: at sigma = 30 it was
// 1.8e-14 off in the bulk and 1.5e-13 in the tails.
double normalQuantileBeyondDouble(double q, double z)
{
    const double size = std::fabs(z);
    if (!(size <= 37)) return 0.0;
    const double density = gaussianDensity(z, 1.0);
    const double excess = normalUpperTail(size) - (z > 0 ? 1.0 - q : q);
    return z > 0 ? excess / density : -excess / density;
}

// scale * exp(exponent + tail) for scale > 0 and a tail below an ulp of the
// exponent (the rounding error of forming it), without overflowing or
// underflowing midway: exp(700) is taken out while the exponent is large.
double scaledExp(double scale, double exponent, double tail = 0.0)
{
    if (std::isnan(exponent)) return exponent;
    if (exponent > exponentReach) return std::numeric_limits<double>::infinity();
    if (exponent < -exponentReach) return 0.0;
    double value = scale;
    for (; exponent > 700; exponent -= 700) value *= inlineExp(700.0);
    for (; exponent < -700; exponent += 700) value *= inlineExp(-700.0);
    return value * (inlineExp(exponent) * (1 + tail));
}

}  // namespace

// ---------------------------------------------------------------- normal

bool NormalDistribution::isValid() const { return parameters_[1] > 0; }

double NormalDistribution::validMean() { return ok(parameters_[0]); }

double NormalDistribution::validStandardDeviation() { return ok(parameters_[1]); }

double NormalDistribution::validCoefficientOfVariation()
{
    if (parameters_[0] == 0.0) return fail(ResultStatus::DivisionByZero);
    return okUnlessInfinite(parameters_[1] / parameters_[0]);
}

double NormalDistribution::validSkewness() { return ok(0.0); }

double NormalDistribution::validKurtosis() { return ok(3.0); }

double NormalDistribution::validPdf(double x)
{
    // The usual case first: exp(-z^2/2) a normal double, times the kept
    // 1 / (sigma sqrt(2 pi)), and still a normal double.
    const double z = standardScore(x), exponent = -z * z / 2;
    if (exponent > normalExponentFloor) {
        const double e = inlineExp(exponent), density = e * densityFactor_;
        if (density >= std::numeric_limits<double>::min() && density < constants::infinity) return ok(density);
        // A density among the subnormals at sigma sqrt(2 pi) >= 1: its count of
        // 2^-1074, e 2^1000 (exact) times the kept 2^74 / (sigma sqrt(2 pi)).
        if (countFactor_ == countFactor_) return ok(subnormalOfCount(e * 0x1p1000 * countFactor_));
        // A density among the subnormals at a smaller scale, or a factor that is one.
        if (densityDivisor_ == densityDivisor_)
            return okUnlessInfinite(fusedQuotientIntoSubnormals(e, densityDivisor_));
    }
    return okUnlessInfinite(gaussianDensity(z, parameters_[1]));
}

void NormalDistribution::prepareParameters()
{
    LocationScaleDistribution::prepareParameters();
    densityFactor_ = densityFactor(parameters_[1]);
    const double divisor = parameters_[1] * sqrtTwoPi;
    densityDivisor_ = std::isnormal(divisor) ? divisor : std::numeric_limits<double>::quiet_NaN();
    // Where sigma sqrt(2 pi) >= 1 the density e / (sigma sqrt(2 pi)) is at
    // most 1 and its count of 2^-1074 at most 2^52 where it is subnormal.
    const double countFactor = 0x1p74 / sqrtTwoPi / parameters_[1];
    countFactor_ = countFactor <= 0x1p74 ? countFactor : std::numeric_limits<double>::quiet_NaN();
}

double NormalDistribution::validCdf(double x) { return ok(standardNormalCdf(standardScore(x))); }

double NormalDistribution::validSurvival(double x) { return ok(normalUpperTail(standardScore(x))); }

double NormalDistribution::validHazard(double x)
{
    return okUnlessInfinite(scale_.divide(standardNormalHazard(standardScore(x))));
}

double NormalDistribution::validQuantile(double q)
{
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    return okUnlessInfinite(inverseNormal(q) * parameters_[1] + parameters_[0]);
}

const char* NormalDistribution::parameterSymbol1() const { return "m"; }
const char* NormalDistribution::parameterSymbol2() const { return "s"; }
const char* NormalDistribution::parameterDomain1() const { return parameter_domain::real; }
const char* NormalDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- lognormal

bool LognormalDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

// The statistics in s = sigma^2, carried with the rounding error of the
// square from fma (Dekker (1971), "A floating-point technique for extending
// the available precision"), so that exp(s / 2) keeps its digits at large shapes.
double LognormalDistribution::validMean()
{
    const double mu = parameters_[0], sigma = parameters_[1];
    const double s = sigma * sigma, error = std::fma(sigma, sigma, -s);
    return okUnlessInfinite(scaledExp(mu, s / 2, error / 2));
}

double LognormalDistribution::validStandardDeviation()
{
    // mu exp(s / 2) sqrt(exp(s) - 1), and for s > 1 mu exp(s) sqrt(1 - exp(-s)).
    const double mu = parameters_[0], sigma = parameters_[1];
    const double s = sigma * sigma, error = std::fma(sigma, sigma, -s);
    if (s <= 1) return ok(mu * (inlineExp(s / 2) * std::sqrt(std::expm1(s))));
    return okUnlessInfinite(scaledExp(mu, s, error) * std::sqrt(-std::expm1(-s)));
}

double LognormalDistribution::validCoefficientOfVariation()
{
    const double sigma = parameters_[1];
    const double s = sigma * sigma;
    if (s <= 1) return ok(std::sqrt(std::expm1(s)));
    return okUnlessInfinite(scaledExp(std::sqrt(-std::expm1(-s)), s / 2, std::fma(sigma, sigma, -s) / 2));
}

double LognormalDistribution::validSkewness()
{
    // (w + 2) sqrt(w - 1) with w = exp(s); for s > 1 as exp(3s/2) (1 + 2/w) sqrt(1 - 1/w).
    const double sigma = parameters_[1];
    const double s = sigma * sigma;
    if (s <= 1) return ok((inlineExp(s) + 2) * std::sqrt(std::expm1(s)));
    const double shrink = (1 + 2 * inlineExp(-s)) * std::sqrt(-std::expm1(-s));
    return okUnlessInfinite(scaledExp(shrink, 1.5 * s, 1.5 * std::fma(sigma, sigma, -s)));
}

double LognormalDistribution::validKurtosis()
{
    // w^4 + 2 w^3 + 3 w^2 - 3 with w = exp(s): overflows only with w^4.
    const double sigma = parameters_[1];
    const double w = inlineExp(sigma * sigma);
    return okUnlessInfinite(((w * w) * w) * w + ((2 * w) * w) * w + (3 * w) * w - 3);
}

double LognormalDistribution::validPdf(double x)
{
    // No mass at or below 0: the support starts there.
    if (x <= 0) return ok(0.0);
    if (std::isinf(x)) return ok(0.0);
    // The usual case first, as for the normal density. The factor over x is
    // taken while the logarithm is under way, and a large x cannot overflow
    // it: it underflows instead, and fails the test of the result. The
    // exponent -L^2 / (2 sigma^2), L = log(x / mu), takes the kept
    // 1 / (2 sigma^2) rather than a division by sigma: as many roundings.
    const double factorOverX = densityFactor_ / x;
    const double logQuotient = logOfQuotient(x), exponent = -(logQuotient * logQuotient) * halfPrecision_;
    if (exponent > normalExponentFloor) {
        const double density = inlineExp(exponent) * factorOverX;
        if (density >= std::numeric_limits<double>::min() && density < constants::infinity) return ok(density);
    }
    return okUnlessInfinite(gaussianDensity(shape_.divide(logQuotient), x, parameters_[1]));
}

void LognormalDistribution::prepareParameters()
{
    shape_.take(parameters_[1]);
    median_.take(parameters_[0]);
    densityFactor_ = densityFactor(parameters_[1]);
    const double halfPrecision = 0.5 / parameters_[1] / parameters_[1];
    halfPrecision_ = std::isnormal(halfPrecision) ? halfPrecision : std::numeric_limits<double>::quiet_NaN();
    logMedian_ = std::log(parameters_[0]);
    quotientLow_ = parameters_[0] * 0x1p-1000;
    quotientHigh_ = parameters_[0] * 0x1p1000;
}

// log(x / mu), also where the quotient itself would overflow or underflow
// (and the difference of the logarithms cannot cancel).
double LognormalDistribution::logOfQuotient(double x) const
{
    // Between the bounds the quotient lies within 2^1000 of 1; outside, the
    // division is not even tried (an underflow in it costs more than a log).
    if (x > quotientLow_ && x < quotientHigh_) return std::log(median_.divide(x));
    return std::log(x) - logMedian_;
}

double LognormalDistribution::validCdf(double x)
{
    if (x <= 0) return ok(0.0);
    return ok(standardNormalCdf(shape_.divide(logOfQuotient(x))));
}

double LognormalDistribution::validSurvival(double x)
{
    if (x <= 0) return ok(1.0);
    return ok(normalUpperTail(shape_.divide(logOfQuotient(x))));
}

double LognormalDistribution::validHazard(double x)
{
    // Nothing below the support, and the hazard dies away like log(x)/x.
    if (x <= 0 || x == std::numeric_limits<double>::infinity()) return ok(0.0);
    const double sigma = parameters_[1];
    return okUnlessInfinite(standardNormalHazard(logOfQuotient(x) / sigma) / x / sigma);
}

double LognormalDistribution::validQuantile(double q)
{
    if (q == 0.0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    const double z = inverseNormal(q), sigma = parameters_[1];
    const double exponent = z * sigma;
    const double tail = std::fma(z, sigma, -exponent) + sigma * normalQuantileBeyondDouble(q, z);
    return okUnlessInfinite(scaledExp(parameters_[0], exponent, tail));
}

double LognormalDistribution::graphLow() { return ok(0.0); }

// The long right tail is cut at the 95% point.
double LognormalDistribution::graphHigh() { return quantile(0.95); }

const char* LognormalDistribution::parameterSymbol1() const { return "m"; }
const char* LognormalDistribution::parameterSymbol2() const { return "s"; }
const char* LognormalDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* LognormalDistribution::parameterDomain2() const { return parameter_domain::positive; }
