#include "model/closed_form_distributions.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "model/location_scale.h"
#include "numeric/arithmetic.h"
#include "numeric/double_double.h"
#include "numeric/inline_exp.h"
#include "numeric/inline_log.h"

namespace {

constexpr double pi = std::numbers::pi;

// (b - a) / 2 without overflow.
double halfSpan(double a, double b) { return b * 0.5 - a * 0.5; }

}  // namespace

// ---------------------------------------------------------------- uniform

bool UniformDistribution::isValid() const { return parameters_[0] < parameters_[1]; }

double UniformDistribution::validMean()
{
    const double a = parameters_[0], b = parameters_[1];
    return ok(a * 0.5 + b * 0.5);
}

double UniformDistribution::validStandardDeviation()
{
    const double a = parameters_[0], b = parameters_[1];
    // (b - a) / sqrt(12), from the half span so that no step overflows.
    return ok(halfSpan(a, b) / std::numbers::sqrt3);
}

double UniformDistribution::validCoefficientOfVariation()
{
    const double a = parameters_[0], b = parameters_[1];
    // A zero mean has no finite ratio, as for the normal distribution.
    if (b + a == 0.0) return fail(ResultStatus::DivisionByZero);
    return okUnlessInfinite(halfSpan(a, b) / (std::numbers::sqrt3 * (a * 0.5 + b * 0.5)));
}

double UniformDistribution::validSkewness() { return ok(0.0); }

double UniformDistribution::validKurtosis() { return ok(1.8); }

void UniformDistribution::prepareParameters()
{
    const double a = parameters_[0], b = parameters_[1];
    halfWidth_ = halfSpan(a, b);
    density_ = 0.5 / halfWidth_;
    width_.take(b - a);
}

// (high - low) / (b - a) for a <= low <= high <= b, also where a difference
// overflows (only if b - a does, since rounding keeps their order).
double UniformDistribution::spanFraction(double low, double high) const
{
    if (std::isinf(width_.scale())) return halfSpan(low, high) / halfWidth_;
    return width_.divide(high - low);
}

double UniformDistribution::validPdf(double x)
{
    if (x < parameters_[0] || x > parameters_[1]) return fail(ResultStatus::Invalid);
    return okUnlessInfinite(density_);
}

double UniformDistribution::validCdf(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    if (x < a) return ok(0.0);
    if (x > b) return ok(1.0);
    return ok(spanFraction(a, x));
}

double UniformDistribution::validSurvival(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    if (x > b) return ok(0.0);
    if (x < a) return ok(1.0);
    return ok(spanFraction(x, b));  // the upper part itself, which 1 - cdf would cancel
}

double UniformDistribution::validHazard(double x)
{
    const double a = parameters_[0], b = parameters_[1];
    // Outside the support there is no density to divide, as in pdf.
    if (x < a || x > b) return fail(ResultStatus::Invalid);
    if (x == b) return fail(ResultStatus::SingularPoint);
    return okUnlessInfinite(0.5 / halfSpan(x, b));
}

double UniformDistribution::validQuantile(double q)
{
    const double a = parameters_[0], b = parameters_[1];
    const double width = b - a;
    if (std::isfinite(width)) return ok(width * q + a);
    const double halfStep = halfSpan(a, b) * q;
    return ok(a + halfStep + halfStep);
}

double UniformDistribution::graphLow() { return ok(parameters_[0]); }

double UniformDistribution::graphHigh() { return ok(parameters_[1]); }

const char* UniformDistribution::parameterSymbol1() const { return "a"; }
const char* UniformDistribution::parameterSymbol2() const { return "b"; }
const char* UniformDistribution::parameterDomain1() const { return parameter_domain::lessThanB; }
const char* UniformDistribution::parameterDomain2() const { return parameter_domain::greaterThanA; }

// ---------------------------------------------------------------- exponential

bool ExponentialDistribution::isValid() const { return parameters_[0] > 0; }

double ExponentialDistribution::validMean() { return okUnlessInfinite(1 / parameters_[0]); }

double ExponentialDistribution::validStandardDeviation() { return okUnlessInfinite(1 / parameters_[0]); }

double ExponentialDistribution::validCoefficientOfVariation() { return ok(1.0); }

double ExponentialDistribution::validSkewness() { return ok(2.0); }

double ExponentialDistribution::validKurtosis() { return ok(9.0); }

double ExponentialDistribution::validPdf(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    return okUnlessInfinite(rate_.multiply(inlineExp(-rateTimes(x))));
}

double ExponentialDistribution::validCdf(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    return ok(-std::expm1(-rateTimes(x)));
}

double ExponentialDistribution::validSurvival(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid, 1.0);
    return ok(inlineExp(-rateTimes(x)));
}

double ExponentialDistribution::validHazard(double x)
{
    if (x < 0) return fail(ResultStatus::Invalid);
    return ok(parameters_[0]);
}

double ExponentialDistribution::validQuantile(double q)
{
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    // -log(1 - q) / lambda, which at q = 0 is -0 (shown so) as it always was.
    return okUnlessInfinite(-rate_.divide(inlineLog1p(0.0 - q)));
}

double ExponentialDistribution::graphLow() { return ok(0.0); }

const char* ExponentialDistribution::parameterSymbol1() const { return "l"; }
const char* ExponentialDistribution::parameterDomain1() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- Cauchy

bool CauchyDistribution::isValid() const { return parameters_[1] > 0; }

// The Cauchy distribution has no moments.
bool CauchyDistribution::defines(Statistic) const { return false; }

void CauchyDistribution::prepareParameters()
{
    LocationScaleDistribution::prepareParameters();
    // The density sigma / (pi (d^2 + sigma^2)) for d = x - mu is taken in
    // units t, a power of two, where sigma t = s lies in [1, 2), so that
    // neither d^2 nor sigma^2 leaves the doubles on the usual path. Where t
    // itself would, every x takes the path through z.
    int exponent = 0;
    const double mantissa = std::frexp(parameters_[1], &exponent);
    const bool scalable = exponent >= -1000 && exponent <= 1000;
    // From sigma = 2 on, the density can be subnormal where the quotient is
    // not; its count of 2^-1074 is then taken from the numerator (s / pi)
    // 2^1074 t, which overflows below sigma = 2^51 unless s and t are lowered
    // by 2^26 there.
    const int lowering = exponent >= 2 && exponent < 52 ? 26 : 0;
    densityUnit_ = std::ldexp(1.0, 1 - exponent - lowering);
    const double s = std::ldexp(2 * mantissa, -lowering);
    unitScaleSquared_ = scalable ? s * s : std::numeric_limits<double>::infinity();
    unitHeight_ = std::ldexp(2 * mantissa / pi, -lowering);
    // Up to this denominator (s / pi) / denominator is a normal double; above
    // the next one its product by t is not.
    usualUpTo_ = std::ldexp(1.0, 1020 - lowering);
    subnormalAbove_ = std::ldexp(unitHeight_, 1023 - exponent - lowering);
    countHeight_ = exponent >= 2 ? std::ldexp(unitHeight_, 1075 - exponent - lowering) : 0.0;
}

double CauchyDistribution::validPdf(double x)
{
    // The usual path, one division: (s / pi) / ((d t)^2 + s^2) in the units
    // of t, wherever that quotient is a normal double (an overflowing d, an
    // unscalable sigma or a NaN fails the test).
    const double difference = x - parameters_[0];
    const double scaled = difference * densityUnit_;
    const double denominator = scaled * scaled + unitScaleSquared_;
    if (denominator <= usualUpTo_) {
        if (denominator <= subnormalAbove_) return ok(unitHeight_ / denominator * densityUnit_);
        return ok(subnormalOfCount(countHeight_ / denominator));
    }
    // Far out, where |z| > 2^509 and d^2 swamps sigma^2 (a finite s^2 marks
    // a scalable sigma): sigma / (pi d^2), from d alone so that it need not
    // wait for a z.
    const double square = difference * difference;
    if (square >= std::numeric_limits<double>::min() && square <= 0x1p1022 && unitScaleSquared_ <= 4)
        return ok(parameters_[1] / (pi * square));
    return okUnlessInfinite(densityAway(x, difference));
}

// The density off the usual path: far out, where d^2 swamps sigma^2, or at
// an overflowing d or an unscalable sigma.
double CauchyDistribution::densityAway(double x, double difference) const
{
    const double sigma = parameters_[1];
    // Far out at a scalable sigma, where d^2 leaves the doubles: sigma /
    // (pi d^2) from sigma / d and 1 / d.
    if (std::isfinite(unitScaleSquared_) && std::isfinite(difference))
        return (sigma / difference) * (1 / difference) / pi;
    const double z = standardScore(x);
    if (std::fabs(z) <= 0x1p500) return fusedQuotientIntoSubnormals(1 / (pi * (z * z + 1)), sigma);
    // Beyond, 1 + z^2 is z^2, which would overflow: sigma / (pi d^2) as above,
    // a subnormal sigma raised by 2^64 meanwhile so that sigma / d keeps its
    // digits; where d itself overflows, u^2 / (pi sigma) with u = 1/z.
    if (std::isfinite(difference)) {
        const double raise = sigma < std::numeric_limits<double>::min() ? 0x1p64 : 1.0;
        return (sigma * raise / difference) * (1 / difference) / pi / raise;
    }
    const double u = 1 / z;
    return u * (u / sigma) / pi;
}

double CauchyDistribution::validCdf(double x)
{
    const double z = standardScore(x);
    // Left of -1, 1/2 + atan(z)/pi = atan(-1/z)/pi keeps every digit of the tail.
    if (z < -1) return ok(std::atan(-1 / z) / pi);
    return ok(std::atan(z) / pi + 0.5);
}

double CauchyDistribution::validSurvival(double x)
{
    const double z = standardScore(x);
    // Beyond one scale to the right, 1/2 - atan(z)/pi = atan(1/z)/pi keeps every digit.
    if (z > 1) return ok(std::atan(1 / z) / pi);
    if (z < -1) return ok(1 - std::atan(-1 / z) / pi);
    return ok(0.5 - std::atan(z) / pi);
}

double CauchyDistribution::validHazard(double x)
{
    const double sigma = parameters_[1];
    const double z = standardScore(x);
    if (std::fabs(z) <= 1) return okUnlessInfinite(1 / ((pi * (z * z + 1)) * (0.5 - std::atan(z) / pi)) / sigma);

    // Far out, in u = 1/z so that nothing squares into overflow: the density is
    // u (u / sigma) / (pi (1 + u^2)) and the survival atan(u)/pi on the right,
    // 1 + atan(u)/pi on the left.
    const double u = 1 / z;
    if (z > 0) {
        const double slope = u == 0 ? 1.0 : u / std::atan(u);
        return okUnlessInfinite(slope * u / (1 + u * u) / sigma);
    }
    const double density = u * (u / sigma) / (pi * (1 + u * u));
    return okUnlessInfinite(density / (1 + std::atan(u) / pi));
}

double CauchyDistribution::validQuantile(double q)
{
    // The tangent of -pi/2 and pi/2 in doubles is finite; the ends are infinite.
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    return okUnlessInfinite(standardCauchyQuantile(q) * parameters_[1] + parameters_[0]);
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

double DoubleExponentialDistribution::validStandardDeviation()
{
    return okUnlessInfinite(std::numbers::sqrt2 / parameters_[0]);
}

// The mean is 0, so the ratio is never defined.
bool DoubleExponentialDistribution::defines(Statistic which) const
{
    return which != Statistic::CoefficientOfVariation;
}

double DoubleExponentialDistribution::validSkewness() { return ok(0.0); }

double DoubleExponentialDistribution::validKurtosis() { return ok(6.0); }

// At a rate so small that it is subnormal every product lambda x near 0 is
// too, which the processor serves many times slower; there the functions are
// flat, and the quantile's logarithm overflows at almost every q.
void DoubleExponentialDistribution::prepareParameters()
{
    const double lambda = parameters_[0];
    rate_.take(lambda);
    flatWithin_ = 0x1p-56 / lambda;
    // lambda/2 (1 - lambda |x|) rounds down to the unit below lambda/2 where
    // lambda/2 is half a subnormal unit, which lambda/2 would round to even.
    flatDensity_ = lambda < 0x1p-1021 ? std::bit_cast<double>(std::bit_cast<std::uint64_t>(lambda) >> 1) : lambda / 2;
    // |log 2q| / lambda exceeds the largest double where 2q < exp(-lambda max),
    // with a margin of 2^-30 in the logarithm for the roundings.
    infiniteQuantileWithin_ = std::exp(-lambda * std::numeric_limits<double>::max()) * (0.5 - 0x1p-31);
}

double DoubleExponentialDistribution::validPdf(double x)
{
    const double lambda = parameters_[0];
    if (std::fabs(x) < flatWithin_) return ok(x == 0.0 ? lambda / 2 : flatDensity_);
    return ok(inlineExp(std::fabs(x) * (-lambda)) * (lambda / 2));
}

double DoubleExponentialDistribution::validCdf(double x)
{
    const double lambda = parameters_[0];
    if (std::fabs(x) < flatWithin_) return ok(0.5);
    if (x < 0) return ok(inlineExp(x * lambda) * 0.5);
    return ok(1 - inlineExp((-lambda) * x) * 0.5);
}

double DoubleExponentialDistribution::validSurvival(double x)
{
    if (std::fabs(x) < flatWithin_) return ok(0.5);
    if (x < 0) return 1 - validCdf(x);
    return ok(inlineExp((-parameters_[0]) * x) * 0.5);
}

// Shown without the factor lambda, as the hazard's formula picture has it.
double DoubleExponentialDistribution::validHazard(double x)
{
    // The density over the survival: lambda on the right half, where both are
    // the same exponential, and lambda e / (2 - e) with e = exp(lambda x) on the left.
    const double lambda = parameters_[0];
    if (x >= 0) return ok(lambda);
    const double e = inlineExp(x * lambda);
    return ok(lambda * e / (2 - e));
}

double DoubleExponentialDistribution::validQuantile(double q)
{
    // q = 0 and q = 1 among them.
    if (q <= infiniteQuantileWithin_) return fail(ResultStatus::MinusInfinity);
    if (1 - q <= infiniteQuantileWithin_) return fail(ResultStatus::PlusInfinity);
    if (q < 0.5) return okUnlessInfinite(rate_.divide(std::log(2 * q)));
    return okUnlessInfinite(-rate_.divide(std::log((1 - q) * 2)));
}

const char* DoubleExponentialDistribution::parameterSymbol1() const { return "l"; }
const char* DoubleExponentialDistribution::parameterDomain1() const { return parameter_domain::positive; }
