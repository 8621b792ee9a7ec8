#include "model/beta_distributions.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "model/density_terms.h"
#include "model/location_scale.h"
#include "numeric/beta_functions.h"
#include "numeric/gamma_functions.h"
#include "numeric/tail_fractions.h"

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// density / tail while both are normal doubles; otherwise, far out where the
// caller can give it, the same ratio from the tail's continued fraction, which
// neither overflows nor underflows (Abramowitz and Stegun (1964), Handbook of
// Mathematical Functions, 26.5.8). +inf where the tail is 0 and the hazard
// truly infinite.
template <typename FarRatio>
double hazardRatio(double density, double tail, bool farOut, FarRatio farRatio)
{
    if (std::isnormal(density) && std::isnormal(tail)) return density / tail;
    if (farOut) return farRatio();
    if (tail == 0) return infinity;
    return density / tail;
}

// a / (a + b) and sqrt(a + b + 1) for positive shapes, also where a + b overflows.
double shareOfSum(double a, double b)
{
    const double sum = a + b;
    return std::isinf(sum) ? (a * 0.5) / (a * 0.5 + b * 0.5) : a / sum;
}

double rootOfSumPlusOne(double a, double b)
{
    const double sum = a + b + 1.0;
    return std::isinf(sum) ? std::numbers::sqrt2 * std::sqrt(a * 0.5 + b * 0.5 + 0.5) : std::sqrt(sum);
}

// (n1 + n2 - 2) / (n1 (n2 - 4)), half the squared coefficient of variation of
// F, as 1 / (n2 - 4) + ((n2 - 2) / (n2 - 4)) / n1 so that no product overflows.
double fRelativeVariance(double n1, double n2) { return 1.0 / (n2 - 4.0) + ((n2 - 2.0) / (n2 - 4.0)) / n1; }

// Beyond this |t| the Student tail variable n / (n + t^2) loses its digits.
constexpr double studentSquareLimit = 1e150;

// From this shape on a density comes from its logarithm about the mean.
constexpr double largeShape = 13;

}  // namespace

// ---------------------------------------------------------------- beta

bool BetaDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double BetaDistribution::validMean() { return ok(shareOfSum(parameters_[0], parameters_[1])); }

double BetaDistribution::validStandardDeviation()
{
    // sqrt(m (1 - m) / (a + b + 1)) with m the mean, factor by factor so that
    // no product of shapes overflows or underflows.
    const double a = parameters_[0], b = parameters_[1];
    return ok(std::sqrt(shareOfSum(a, b)) * std::sqrt(shareOfSum(b, a)) / rootOfSumPlusOne(a, b));
}

double BetaDistribution::validCoefficientOfVariation()
{
    const double a = parameters_[0], b = parameters_[1];
    return okUnlessInfinite(std::sqrt(b) / std::sqrt(a) / rootOfSumPlusOne(a, b));
}

double BetaDistribution::validSkewness()
{
    const double a = parameters_[0], b = parameters_[1];
    // 2 (b - a) sqrt(a + b + 1) / ((a + b + 2) sqrt(a b)), factor by factor.
    const double spread = (b - a) / (a * 0.5 + b * 0.5 + 1.0);
    return okUnlessInfinite(spread * (rootOfSumPlusOne(a, b) / std::sqrt(a)) / std::sqrt(b));
}

// The beta distribution is given no kurtosis.
bool BetaDistribution::defines(Statistic which) const { return which != Statistic::Kurtosis; }

double BetaDistribution::validPdf(double x)
{
    if (!(x >= 0 && x <= 1)) return fail(ResultStatus::Invalid);
    const double a = parameters_[0], b = parameters_[1];
    // The ends read 0; an end where the density does not vanish is marked singular.
    if (x == 0) return a <= 1 ? fail(ResultStatus::SingularPoint) : ok(0.0);
    if (x == 1) return b <= 1 ? fail(ResultStatus::SingularPoint) : ok(0.0);

    // From shape 13 on the powers below would each round by up to (shape) units;
    // the arcsine law's density is a closed form.
    if (a >= largeShape || b >= largeShape || (a == 0.5 && b == 0.5))
        return okUnlessInfinite(betaDensity(a, b, x, 1.0 - x));
    const double right = std::pow(1.0 - x, b - 1.0);
    const double left = std::pow(x, a - 1.0);
    const double norm = betaFunction(a, b);
    if (allOrdinary(right, left, norm)) {
        const double density = (right * left) / norm;
        if (std::isnormal(density)) return ok(density);
    }
    return okUnlessInfinite(std::exp((b - 1.0) * std::log1p(-x) + (a - 1.0) * std::log(x) - logBeta(a, b)));
}

double BetaDistribution::validCdf(double x)
{
    if (!(x >= 0 && x <= 1)) return fail(ResultStatus::Invalid);
    return ok(incompleteBeta(parameters_[0], parameters_[1], x));
}

double BetaDistribution::validSurvival(double x)
{
    if (!(x >= 0 && x <= 1)) return fail(ResultStatus::Invalid, 1.0);
    // The complement chooses its side itself: below the mean of a tiny first
    // shape I(a, b; x) is already near 1 (Beta(1e-30, 0.5) at 1e-300 leaves
    // 6.9e-28), which 1 - I would lose.
    return ok(complementaryIncompleteBeta(parameters_[0], parameters_[1], x));
}

double BetaDistribution::validHazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double a = parameters_[0], b = parameters_[1];
    const double y = 1.0 - x;
    // Near 1 the hazard is b / (y (1 - y) F(b, a; y)).
    const auto farRatio = [&] { return b / (y * (1.0 - y) * betaFraction(b, a, y)); };
    return okUnlessInfinite(hazardRatio(density, survival(x), x > a / (a + b) && y > 0, farRatio));
}

double BetaDistribution::validQuantile(double q)
{
    if (q == 0 || q == 1.0) return ok(q);
    return ok(inverseIncompleteBeta(parameters_[0], parameters_[1], q));
}

double BetaDistribution::graphLow()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return ok(0.0);
}

double BetaDistribution::graphHigh()
{
    if (!roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return ok(1.0);
}

const char* BetaDistribution::parameterSymbol1() const { return "a"; }
const char* BetaDistribution::parameterDomain1() const { return parameter_domain::positive; }
const char* BetaDistribution::parameterSymbol2() const { return "b"; }
const char* BetaDistribution::parameterDomain2() const { return parameter_domain::positive; }

// ---------------------------------------------------------------- Student

bool StudentDistribution::isValid() const { return parameters_[0] > 0; }

double StudentDistribution::validMean()
{
    if (parameters_[0] <= 1) return fail(ResultStatus::Invalid);
    return ok(0.0);
}

double StudentDistribution::validStandardDeviation()
{
    if (parameters_[0] <= 2) return fail(ResultStatus::Invalid);
    const double n = parameters_[0];
    return ok(std::sqrt(n / (n - 2.0)));
}

// The mean is 0, so the ratio is never defined.
bool StudentDistribution::defines(Statistic which) const { return which != Statistic::CoefficientOfVariation; }

double StudentDistribution::validSkewness()
{
    if (parameters_[0] <= 3) return fail(ResultStatus::Invalid);
    return ok(0.0);
}

double StudentDistribution::validKurtosis()
{
    if (parameters_[0] <= 4) return fail(ResultStatus::Invalid);
    const double n = parameters_[0];
    return ok((n - 2.0) * 3.0 / (n - 4.0));
}

double StudentDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    return ok(studentDensity(parameters_[0], x));
}

double StudentDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    return ok(studentDistribution(parameters_[0], x));
}

double StudentDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    if (x <= 0) return 1.0 - validCdf(x);
    // The upper tail is the lower one reflected: no 1 - cdf near 1.
    const double n = parameters_[0];
    const double tail = studentDistribution(n, -x);
    if (x <= studentSquareLimit && std::isnormal(tail)) return ok(tail);

    // Out where n / (n + x^2) underflows: I(n/2, 1/2; z) / 2 from its prefactor
    // in logarithms and its continued fraction.
    const double a = n * 0.5, b = 0.5;
    const double logZ = x <= studentSquareLimit ? std::log(n) - std::log(n + x * x) : std::log(n) - 2.0 * std::log(x);
    const double z = std::exp(logZ);
    const double logPrefactor = a * logZ + b * std::log1p(-z) - logBeta(a, b) - std::log(a);
    return ok(0.5 * std::exp(logPrefactor) * betaFraction(a, b, z));
}

double StudentDistribution::validHazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double n = parameters_[0];
    // Right of t = 2 the hazard is n / (t F(n/2, 1/2; z)) with z = n / (n + t^2).
    const auto farRatio = [&] {
        const double z = x <= studentSquareLimit ? n / (n + x * x) : (n / x) / x;
        return n / (x * betaFraction(n * 0.5, 0.5, z));
    };
    return okUnlessInfinite(hazardRatio(density, survival(x), x > 2, farRatio));
}

double StudentDistribution::validQuantile(double q)
{
    if (q == 0) return fail(ResultStatus::MinusInfinity);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);
    // Finite wherever it is representable; only q within a few units of 0 or 1
    // at one degree of freedom carries it beyond the double range.
    return okUnlessInfinite(studentQuantile(parameters_[0], q));
}

double StudentDistribution::graphLow() { return quantile(0.02); }

double StudentDistribution::graphHigh() { return quantile(0.98); }

const char* StudentDistribution::parameterSymbol1() const { return "n"; }
const char* StudentDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }

// ---------------------------------------------------------------- F

bool FDistribution::isValid() const { return parameters_[0] > 0 && parameters_[1] > 0; }

double FDistribution::validMean()
{
    if (parameters_[1] <= 2) return fail(ResultStatus::Invalid);
    const double n2 = parameters_[1];
    return ok(n2 / (n2 - 2.0));
}

double FDistribution::validStandardDeviation()
{
    if (parameters_[1] <= 4) return fail(ResultStatus::Invalid);
    // The mean n2 / (n2 - 2) times the coefficient of variation, so that no
    // square of a degree of freedom overflows.
    const double n1 = parameters_[0], n2 = parameters_[1];
    return okUnlessInfinite(n2 / (n2 - 2.0) * std::sqrt(2.0 * fRelativeVariance(n1, n2)));
}

double FDistribution::validCoefficientOfVariation()
{
    if (parameters_[1] <= 4) return fail(ResultStatus::Invalid);
    return ok(std::sqrt(2.0 * fRelativeVariance(parameters_[0], parameters_[1])));
}

double FDistribution::validSkewness()
{
    if (parameters_[1] <= 6) return fail(ResultStatus::Invalid);
    const double n1 = parameters_[0], n2 = parameters_[1];
    // sqrt(8 (n2 - 4) / (n1 + n2 - 2)) (2 n1 + n2 - 2) / (sqrt(n1) (n2 - 6)), with
    // sqrt(n1) divided into the second factor so that neither overflows.
    const double root = std::sqrt(n1);
    return ok(std::sqrt(8.0 * (n2 - 4.0) / (n1 + n2 - 2.0)) * ((2.0 * root + (n2 - 2.0) / root) / (n2 - 6.0)));
}

// The kurtosis is left undefined for every choice of the degrees of freedom.
bool FDistribution::defines(Statistic which) const { return which != Statistic::Kurtosis; }

double FDistribution::validPdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double n1 = parameters_[0], n2 = parameters_[1];
    // Below the support the density is 0, as the distribution function says.
    if (x < 0) return ok(0.0);
    if (x == 0) return fail(ResultStatus::SingularPoint);
    if (std::isinf(x)) return ok(0.0);

    const double half1 = n1 * 0.5, half2 = n2 * 0.5, halfSum = (n1 + n2) * 0.5;
    if (half1 >= largeShape && half2 >= largeShape) {
        // The powers below would each round by up to (n1 + n2) / 2 units.
        const double density = fDensity(n1, n2, x);
        if (std::isnormal(density)) return ok(density);
    }
    const double power = std::pow(x, half1 - 1.0);
    const double ratioPower = std::pow(n1 / n2, half1);
    const double gammaSum = gammaFunction(halfSum);
    const double base = std::pow(x * n1 / n2 + 1.0, halfSum);
    const double gammaProduct = gammaFunction(half2) * gammaFunction(half1);
    if (allOrdinary(power, ratioPower, gammaSum, base, gammaProduct)) {
        const double density = (power * (ratioPower * gammaSum)) / (base * gammaProduct);
        if (std::isnormal(density)) return ok(density);
    }
    // a ln u - (a + b) ln(1 + u) with u = x n1 / n2, written for large u without
    // the cancellation of its two terms.
    const double u = x * n1 / n2;
    const double powers =
        u >= 1 ? -half1 * std::log1p(1.0 / u) - half2 * std::log1p(u) : half1 * std::log(u) - halfSum * std::log1p(u);
    return okUnlessInfinite(std::exp(powers - std::log(x) - logBeta(half1, half2)));
}

double FDistribution::validCdf(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid);
    const double n1 = parameters_[0], n2 = parameters_[1];
    if (x <= 0) return ok(0.0);
    // I(n1/2, n2/2; u/(u + n2)) up to the mean of its argument; above it the same
    // value as 1 - I(n2/2, n1/2; n2/(u + n2)), whose argument keeps the digits
    // of its distance to 1 (and which reaches 1 at x = +inf).
    const double a = n1 * 0.5, b = n2 * 0.5;
    const double u = x * n1;
    const double w = n2 / (u + n2);
    if (w >= b / (a + b)) return ok(incompleteBeta(a, b, u / (u + n2)));
    return ok(1.0 - incompleteBeta(b, a, w));
}

double FDistribution::validSurvival(double x)
{
    if (std::isnan(x)) return fail(ResultStatus::Invalid, 1.0);
    if (x <= 0) return ok(1.0);
    const double n1 = parameters_[0], n2 = parameters_[1];
    const double a = n1 * 0.5, b = n2 * 0.5;
    const double w = tailArgument(x);
    if (w >= b / (a + b)) return 1.0 - validCdf(x);
    // The side the distribution function takes as 1 - I(n2/2, n1/2; w).
    return ok(incompleteBeta(b, a, w));
}

double FDistribution::validHazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double n1 = parameters_[0], n2 = parameters_[1];
    const double a = n1 * 0.5, b = n2 * 0.5;
    const double w = x > 0 ? tailArgument(x) : 1.0;
    // Far right the hazard is n2 / (2 x F(n2/2, n1/2; w)).
    const auto farRatio = [&] { return n2 / (2.0 * x * betaFraction(b, a, w)); };
    return okUnlessInfinite(hazardRatio(density, survival(x), w < b / (a + b), farRatio));
}

double FDistribution::tailArgument(double x) const
{
    // n2 / (x n1 + n2), also where x n1 overflows.
    const double n1 = parameters_[0], n2 = parameters_[1];
    const double u = x * n1;
    return std::isinf(u) ? (n2 / n1) / x : n2 / (u + n2);
}

double FDistribution::validQuantile(double q)
{
    if (q == 0) return ok(0.0);
    if (q == 1.0) return fail(ResultStatus::PlusInfinity);

    const double n1 = parameters_[0], n2 = parameters_[1];
    const double a = n2 * 0.5, b = n1 * 0.5, h = 1.0 - q;
    const double g = survivalAtRatio_;
    // The lower branch inverts at q itself rather than at 1 - h, which rounds.
    const auto lowerBranch = [&](double m) { return okUnlessInfinite((m * n2) / ((1.0 - m) * n1)); };
    if (g > h || h < 0.001) {
        // Below the median a small q loses its digits in h = 1 - q; the lower
        // branch keeps them wherever 1 - m there holds more digits than q does.
        if (q < 0.5) {
            const double m = inverseIncompleteBeta(b, a, q);
            if (1.0 - m >= q) return lowerBranch(m);
        }
        const double m = inverseIncompleteBeta(a, b, h);
        return okUnlessInfinite((n2 - m * n2) / (m * n1));
    }
    return lowerBranch(inverseIncompleteBeta(b, a, q));
}

void FDistribution::prepareParameters()
{
    survivalAtRatio_ = incompleteBeta(parameters_[1] * 0.5, parameters_[0] * 0.5, 0.5);
}

double FDistribution::graphLow() { return ok(0.0); }

double FDistribution::graphHigh()
{
    // With one denominator degree of freedom the tail is so long that the
    // 0.95 quantile would flatten the curve against the axis.
    const double high = quantile(0.95);
    return parameters_[1] == 1 ? high * 0.025 : high;
}

const char* FDistribution::parameterSymbol1() const { return "n1"; }
const char* FDistribution::parameterDomain1() const { return parameter_domain::positiveWhole; }
const char* FDistribution::parameterSymbol2() const { return "n2"; }
const char* FDistribution::parameterDomain2() const { return parameter_domain::positiveWhole; }
