#include "model/extreme_value_distributions.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/density_terms.h"
#include "model/location_scale.h"
#include "numeric/double_double.h"
#include "numeric/inline_exp.h"
#include "numeric/inline_log.h"
#include "numeric/scaled_exponential.h"

namespace {

constexpr double pi = std::numbers::pi;

// Euler's constant, the mean of the standard Gumbel law.
constexpr double eulerGamma = 0.57721566490153286061;

// The skewness 12 sqrt(6) zeta(3) / pi^3 and plain kurtosis 27/5 of the Gumbel law.
constexpr double gumbelSkewness = 1.1395470994046486575;
constexpr double gumbelKurtosis = 5.4;

// The Rayleigh law's sqrt(pi/2), sqrt((4 - pi)/2), sqrt((4 - pi)/pi),
// skewness 2 sqrt(pi) (pi - 3) / (4 - pi)^(3/2) and plain kurtosis
// 3 - (6 pi^2 - 24 pi + 16) / (4 - pi)^2, to 20 digits from mpmath.
constexpr double rayleighMeanFactor = 1.2533141373155002512;
constexpr double rayleighDeviationFactor = 0.65513637756203355309;
constexpr double rayleighVariation = 0.52272320087706331514;
constexpr double rayleighSkewness = 0.63111065781893713819;
constexpr double rayleighKurtosis = 3.2450893006876380628;

// zeta(2), zeta(3), ..., zeta(49), for the Taylor series of log Gamma(1 + x).
constexpr double zetaValues[] = {
    1.6449340668482264365, 1.2020569031595942854, 1.0823232337111381915, 1.0369277551433699263, 1.0173430619844491397,
    1.0083492773819228268, 1.0040773561979443394, 1.0020083928260822144, 1.0009945751278180853, 1.0004941886041194646,
    1.0002460865533080483, 1.0001227133475784891, 1.0000612481350587048, 1.0000305882363070205, 1.0000152822594086519,
    1.0000076371976378998, 1.0000038172932649998, 1.0000019082127165539, 1.0000009539620338728, 1.0000004769329867878,
    1.0000002384505027277, 1.0000001192199259653, 1.0000000596081890513, 1.0000000298035035147, 1.0000000149015548284,
    1.0000000074507117898, 1.0000000037253340248, 1.0000000018626597235, 1.0000000009313274324, 1.0000000004656629065,
    1.0000000002328311834, 1.0000000001164155017, 1.0000000000582077209, 1.0000000000291038504, 1.0000000000145519219,
    1.0000000000072759598, 1.0000000000036379795, 1.0000000000018189897, 1.0000000000009094948, 1.0000000000004547474,
    1.0000000000002273737, 1.0000000000001136868, 1.0000000000000568434, 1.0000000000000284217, 1.0000000000000142109,
    1.0000000000000071054, 1.0000000000000035527, 1.0000000000000017764,
};

// Up to this h = 1/k the series below has converged within its 48 terms for
// every n up to 4 (4 h <= 0.4, and 0.4^49 < 1e-19).
constexpr double seriesReach = 0.1;

// sum over n = 2, 3, 4 of weights[n - 2] D_n(h), where
// D_n(h) = log(Gamma(1 + n h) / Gamma(1 + h)^n) is the log of the n-th moment
// of a Weibull law with shape 1/h over the n-th power of its mean; for
// h <= seriesReach. From the Taylor series log Gamma(1 + x) = -gamma x +
// sum_{m >= 2} (-1)^m zeta(m) x^m / m (Abramowitz and Stegun (1964), Handbook
// of Mathematical Functions, 6.1.33): D_n = sum (-1)^m zeta(m) (n^m - n) h^m / m.
// The weights of the central moments cancel its low powers of h exactly,
// before any rounding, where the log-gammas would agree to many digits.
double logMomentSeries(const std::array<double, 3>& weights, double h)
{
    std::array<double, 3> powers = {2.0, 3.0, 4.0};
    double sum = 0.0, hPower = h;
    for (int m = 2; m < 50; ++m) {
        hPower *= h;
        double weight = 0.0;
        for (int j = 0; j < 3; ++j) {
            powers[j] *= j + 2.0;
            weight += weights[j] * (powers[j] - (j + 2.0));
        }
        const double term = zetaValues[m - 2] / m * (weight * hPower);
        sum += m % 2 == 0 ? term : -term;
    }
    return sum;
}

// log Gamma(1 + x).
double logGammaOnePlus(double x) { return std::lgamma(1.0 + x); }

// D_n(h) for n = 2, 3, 4: the series for small h, else the log-gammas.
double logMomentRatio(int n, double h)
{
    if (h <= seriesReach) {
        std::array<double, 3> weights = {0.0, 0.0, 0.0};
        weights[n - 2] = 1.0;
        return logMomentSeries(weights, h);
    }
    return logGammaOnePlus(n * h) - n * logGammaOnePlus(h);
}

// expm1(d) - d, by its Taylor series where d is small enough to lose digits.
double expm1Excess(double d)
{
    if (std::fabs(d) > 0.5) return std::expm1(d) - d;
    double term = d, sum = 0.0;
    for (int j = 2; j < 30; ++j) {
        term *= d / j;
        sum += term;
    }
    return sum;
}

// The shape statistics of a Weibull law with shape 1/h from the moment ratios
// r_n = E[X^n] / E[X]^n = exp(D_n): the squared coefficient of variation
// r2 - 1, skewness (r3 - 3 r2 + 2) / (r2 - 1)^(3/2) and kurtosis
// (r4 - 4 r3 + 6 r2 - 3) / (r2 - 1)^2. Three regimes: for small h (large
// shapes) the numerators from the series of D_n with their leading powers
// cancelled, plus the expm1(D) - D terms; in the middle from e_n = r_n - 1;
// for large h (small shapes), where r_n overflows, everything over a power
// of r2 so that only differences of log-gammas are exponentiated.
double weibullVariationSquared(double h) { return std::expm1(logMomentRatio(2, h)); }

double weibullSkewness(double h)
{
    const double d2 = logMomentRatio(2, h), d3 = logMomentRatio(3, h);
    const double e2 = std::expm1(d2);
    if (h <= seriesReach) {
        const double numerator = logMomentSeries({-3.0, 1.0, 0.0}, h) + expm1Excess(d3) - 3.0 * expm1Excess(d2);
        return numerator / (e2 * std::sqrt(e2));
    }
    if (d2 <= 1.0) return (std::expm1(d3) - 3.0 * e2) / (e2 * std::sqrt(e2));
    // r3 / r2^(3/2) = exp(D3 - 1.5 D2) = Gamma(1 + 3h) / Gamma(1 + 2h)^(3/2).
    const double g2 = logGammaOnePlus(2.0 * h), g3 = logGammaOnePlus(3.0 * h);
    const double numerator = inlineExp(g3 - 1.5 * g2) - 3.0 * inlineExp(-0.5 * d2) + 2.0 * inlineExp(-1.5 * d2);
    return numerator / std::pow(-std::expm1(-d2), 1.5);
}

double weibullKurtosis(double h)
{
    const double d2 = logMomentRatio(2, h), d3 = logMomentRatio(3, h), d4 = logMomentRatio(4, h);
    const double e2 = std::expm1(d2);
    if (h <= seriesReach) {
        const double numerator =
            logMomentSeries({6.0, -4.0, 1.0}, h) + expm1Excess(d4) - 4.0 * expm1Excess(d3) + 6.0 * expm1Excess(d2);
        return numerator / (e2 * e2);
    }
    if (d2 <= 1.0) return (std::expm1(d4) - 4.0 * std::expm1(d3) + 6.0 * e2) / (e2 * e2);
    const double g1 = logGammaOnePlus(h), g2 = logGammaOnePlus(2.0 * h), g3 = logGammaOnePlus(3.0 * h),
                 g4 = logGammaOnePlus(4.0 * h);
    // r4 / r2^2 = exp(g4 - 2 g2) and r3 / r2^2 = exp(g3 - 2 g2 + g1), g_n = log Gamma(1 + n h).
    const double numerator = inlineExp(g4 - 2.0 * g2) - 4.0 * inlineExp(g3 - 2.0 * g2 + g1) + 6.0 * inlineExp(-d2) -
                             3.0 * inlineExp(-2.0 * d2);
    const double spread = -std::expm1(-d2);
    return numerator / (spread * spread);
}

// exp(-exp(-z)) and its complement: the Gumbel distribution and survival functions.
double gumbelCdf(double z) { return inlineExp(-inlineExp(-z)); }
double gumbelSurvival(double z) { return -std::expm1(-inlineExp(-z)); }

// lambda v^(1/k) with v = -log1p(-q), as lambda e^y with y = log(v) (r +
// d), r + d = 1/k: v and its logarithm in two parts, and their product by
// r + d, so that y carries no rounding of its own. A power of the rounded v
// carried that rounding times 1/k.
WITH_FUSED_MULTIPLY_ADD double weibullQuantile(double q, const WeibullDistribution::QuantileTerms& terms)
{
    const DoubleDouble logOneMinusQ = inlineLog1pParts(-q);
    const double v = -logOneMinusQ.hi, vLow = -logOneMinusQ.lo;
    const DoubleDouble logV = inlineLogParts(v);
    const DoubleDouble y = times({logV.hi, logV.lo + vLow / v}, terms.inverseShape);
    return scaledExponential(y, terms.scale);
}

}  // namespace

// ---------------------------------------------------------------- Weibull

bool WeibullDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double WeibullDistribution::logScaled(double x) const
{
    const double t = scale_.divide(x);
    if (std::isnormal(t)) return std::log(t);
    return std::log(x) - std::log(parameters_[1]);
}

// The mean lambda Gamma(1 + 1/k); the shape statistics from the moment
// ratios of weibullSkewness and its neighbours, which keep their digits at
// large shapes where Gamma(1 + 2/k) - Gamma(1 + 1/k)^2 and the like cancel,
// and at small shapes where the gamma functions overflow.
double WeibullDistribution::validMean()
{
    const double h = 1.0 / parameters_[0], lambda = parameters_[1];
    const double mean = lambda * std::tgamma(1.0 + h);
    if (std::isnormal(mean)) return ok(mean);
    return okUnlessInfinite(inlineExp(std::log(lambda) + std::lgamma(1.0 + h)));
}

double WeibullDistribution::validStandardDeviation()
{
    const double mean = validMean();
    if (status() != ResultStatus::Ok) return mean;
    const double variation = validCoefficientOfVariation();
    if (status() != ResultStatus::Ok) return variation;
    return okUnlessInfinite(mean * variation);
}

double WeibullDistribution::validCoefficientOfVariation()
{
    // sqrt(r2 - 1), as exp(D2 / 2) sqrt(1 - 1/r2) where r2 itself would overflow.
    const double h = 1.0 / parameters_[0];
    const double d2 = logMomentRatio(2, h);
    if (d2 <= 1.0) return ok(std::sqrt(weibullVariationSquared(h)));
    return okUnlessInfinite(inlineExp(0.5 * d2) * std::sqrt(-std::expm1(-d2)));
}

double WeibullDistribution::validSkewness() { return okUnlessInfinite(weibullSkewness(1.0 / parameters_[0])); }

double WeibullDistribution::validKurtosis() { return okUnlessInfinite(weibullKurtosis(1.0 / parameters_[0])); }

double WeibullDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double k = parameters_[0], lambda = parameters_[1];
    if (x < 0 || std::isinf(x)) return ok(0.0);
    if (x == 0) {
        if (k < 1) return fail(ResultStatus::PlusInfinity);  // the density's pole
        return okUnlessInfinite(k == 1 ? 1.0 / lambda : 0.0);
    }
    // k u exp(-u) / x with u = (x / lambda)^k, in logarithms where a factor
    // has left the normal doubles.
    const double t = scale_.divide(x);
    const double u = std::isnormal(t) ? std::pow(t, k) : inlineExp(k * logScaled(x)), decay = inlineExp(-u);
    if (allOrdinary(u, decay)) {
        const double density = k * u / x * decay;
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(inlineExp(std::log(k) + k * logScaled(x) - u - std::log(x)));
}

double WeibullDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    if (x <= 0) return ok(0.0);
    const double t = scale_.divide(x), k = parameters_[0];
    const double u = std::isnormal(t) ? std::pow(t, k) : inlineExp(k * logScaled(x));
    return ok(-std::expm1(-u));
}

double WeibullDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    if (x <= 0) return ok(1.0);
    const double t = scale_.divide(x), k = parameters_[0];
    const double u = std::isnormal(t) ? std::pow(t, k) : inlineExp(k * logScaled(x));
    return ok(inlineExp(-u));
}

double WeibullDistribution::validHazard(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double k = parameters_[0], lambda = parameters_[1];
    if (x < 0) return ok(0.0);
    // The ratio of density and survival in closed form, (k / lambda) (x / lambda)^(k - 1),
    // which needs neither of the two that underflow in the far tail.
    if (k == 1) return okUnlessInfinite(1.0 / lambda);
    if (x == 0) return k < 1 ? fail(ResultStatus::PlusInfinity) : ok(0.0);
    const double t = scale_.divide(x);
    if (std::isnormal(t)) {
        const double u = std::pow(t, k);
        const double rate = k * u / x;
        if (std::isnormal(u) && std::isnormal(rate)) return ok(rate);
    }
    return okUnlessInfinite(inlineExp(std::log(k) - std::log(lambda) + (k - 1.0) * logScaled(x)));
}

double WeibullDistribution::validQuantile(double q)
{
    if (q == 0.0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return okUnlessInfinite(weibullQuantile(q, quantileTerms_));
}

void WeibullDistribution::prepareParameters()
{
    scale_.take(parameters_[1]);
    quantileTerms_.inverseShape = reciprocal(parameters_[0]);
    quantileTerms_.scale.take(parameters_[1]);
}

double WeibullDistribution::graphLow() { return ok(0.0); }

const char* WeibullDistribution::parameterSymbol1() const { return "k"; }
const char* WeibullDistribution::parameterSymbol2() const { return "l"; }
const char* WeibullDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* WeibullDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- Gumbel

bool GumbelDistribution::isValid() const { return parameters_[1] > 0; }

double GumbelDistribution::validMean() { return okUnlessInfinite(parameters_[0] + parameters_[1] * eulerGamma); }

double GumbelDistribution::validStandardDeviation() { return okUnlessInfinite(parameters_[1] * (pi / std::sqrt(6.0))); }

double GumbelDistribution::validCoefficientOfVariation()
{
    const double mu = parameters_[0], beta = parameters_[1];
    const double mean = mu + beta * eulerGamma;
    // A zero mean has no finite ratio, as for the normal distribution.
    if (mean == 0.0) return fail(ResultStatus::DivisionByZero);
    return okUnlessInfinite(beta * (pi / std::sqrt(6.0)) / mean);
}

double GumbelDistribution::validSkewness() { return ok(gumbelSkewness); }

double GumbelDistribution::validKurtosis() { return ok(gumbelKurtosis); }

double GumbelDistribution::validPdf(double x)
{
    const double z = standardScore(x);
    // w exp(-w) / beta with w = exp(-z), in logarithms where a factor has left
    // the normal doubles (far left exp(-w) underflows, far right w does).
    const double w = inlineExp(-z), decay = inlineExp(-w);
    if (std::isinf(w)) return ok(0.0);  // far left, beyond every double
    if (allOrdinary(w, decay)) {
        const double density = scale_.divide(w * decay);
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(inlineExp(-z - w - std::log(parameters_[1])));
}

double GumbelDistribution::validCdf(double x) { return ok(gumbelCdf(standardScore(x))); }

double GumbelDistribution::validSurvival(double x) { return ok(gumbelSurvival(standardScore(x))); }

double GumbelDistribution::validHazard(double x)
{
    // f / S = (w / expm1(w)) / beta with w = exp(-z): 1/beta far right,
    // where density and survival both vanish, and w exp(-w) / beta far left.
    const double beta = parameters_[1];
    const double z = standardScore(x);
    const double w = inlineExp(-z);
    if (w == 0.0) return okUnlessInfinite(1.0 / beta);
    if (std::isinf(w)) return ok(0.0);
    const double ratio = w / std::expm1(w);
    if (std::isnormal(ratio)) {
        const double rate = scale_.divide(ratio);
        if (std::isnormal(rate)) return okUnlessInfinite(rate);
    }
    return okUnlessInfinite(inlineExp(-z - w - std::log(beta)));
}

double GumbelDistribution::validQuantile(double q)
{
    if (q == 0.0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    // mu - beta log(-log q); above 1/2, -log q as -log1p(q - 1), whose q - 1 is exact.
    const double v = q > 0.5 ? -std::log1p(q - 1.0) : -std::log(q);
    return okUnlessInfinite(parameters_[0] - parameters_[1] * std::log(v));
}

const char* GumbelDistribution::parameterSymbol1() const { return "m"; }
const char* GumbelDistribution::parameterSymbol2() const { return "b"; }
const char* GumbelDistribution::parameterDomain1() const { return parameter_domain::real; }
const char* GumbelDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- Rayleigh

bool RayleighDistribution::isValid() const { return parameters_[0] > 0; }

double RayleighDistribution::validMean() { return okUnlessInfinite(parameters_[0] * rayleighMeanFactor); }

double RayleighDistribution::validStandardDeviation()
{
    return okUnlessInfinite(parameters_[0] * rayleighDeviationFactor);
}

double RayleighDistribution::validCoefficientOfVariation() { return ok(rayleighVariation); }

double RayleighDistribution::validSkewness() { return ok(rayleighSkewness); }

double RayleighDistribution::validKurtosis() { return ok(rayleighKurtosis); }

double RayleighDistribution::validPdf(double x)
{
    if (!(x > 0 && x < std::numeric_limits<double>::infinity()))
        return std::isnan(x) ? fail(ResultStatus::Invalid) : ok(0.0);
    // (t / sigma) exp(-t^2 / 2) with t = x / sigma, in logarithms where a
    // factor has left the normal doubles: t, or the exponential beyond
    // t = 37.64 (e^-708.39 is the least normal double). t is tested rather
    // than the exponential, which then need not be waited for.
    const double t = scale_.divide(x);
    if (t >= std::numeric_limits<double>::min() && t <= 37.64) {
        const double density = scale_.divide(t) * inlineExp(-t * t * 0.5);
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(inlineExp(std::log(x) - 2.0 * std::log(parameters_[0]) - t * t * 0.5));
}

double RayleighDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    if (x <= 0) return ok(0.0);
    const double t = scale_.divide(x);
    return ok(-std::expm1(-t * t * 0.5));
}

double RayleighDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    if (x <= 0) return ok(1.0);
    const double t = scale_.divide(x);
    return ok(inlineExp(-t * t * 0.5));
}

double RayleighDistribution::validHazard(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    if (x <= 0) return ok(0.0);
    // f / S = x / sigma^2, formed without the two factors that underflow far out.
    const double sigma = parameters_[0];
    return okUnlessInfinite(x / sigma / sigma);
}

double RayleighDistribution::validQuantile(double q)
{
    if (q == 0.0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity, infiniteQuantile);
    return okUnlessInfinite(parameters_[0] * std::sqrt(-2.0 * std::log1p(-q)));
}

double RayleighDistribution::graphLow() { return ok(0.0); }

const char* RayleighDistribution::parameterSymbol1() const { return "s"; }
const char* RayleighDistribution::parameterDomain1() const { return parameter_domain::positive; }
