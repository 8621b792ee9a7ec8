#include "numeric/beta_functions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "numeric/constants.h"
#include "numeric/discrete_masses.h"
#include "numeric/double_double.h"
#include "numeric/extended_log.h"
#include "numeric/gamma_functions.h"
#include "numeric/inline_exp.h"
#include "numeric/normal_integral.h"
#include "numeric/polynomial.h"
#include "numeric/root_finder.h"
#include "numeric/scaled_error_function.h"
#include "numeric/tail_fractions.h"

namespace {

using constants::logSqrtTwoPi;

constexpr double stirlingRange = 13;  // from here on ln Gamma is Stirling's formula with its remainder
constexpr double seriesThreshold = 0.95;
// From this smaller shape on, the integral comes from the uniform expansion;
// below it the continued fraction needs at most a few thousand rounds.
constexpr double largeShapes = 1e4;
// From this ratio of the larger shape to the square of the smaller (at least 1)
// the integral is the gamma limit below.
constexpr double gammaLimitRatio = 1e5;
// The limit's relative error also grows like v^2 / 50 in the small shape's
// variable v; up to here it stays below 1e-16.
constexpr double gammaLimitReach = 7e-8;
// Beyond this r eta^2 / 2 the smaller tail is below 1e-320.
constexpr double largestTailExponent = 745;
// The power series shrinks each term by at least 0.95 where it is used, so it
// settles within about 800 terms; the bound only guards against non-finite input.
constexpr int seriesRounds = 5000;
// Below this shape the complement of a power-series value is formed directly.
constexpr double tinyShape = 1e-13;
// The uniform expansion's terms c_0..c_4, each a series of 30 powers of its
// scaled variable: where the expansion is used, what they leave out stays
// below 1e-23 of the integral (measured in 60 digits with more of both).
constexpr int expansionTerms = 30;
constexpr int expansionOrders = 5;
constexpr int inverseRounds = 200;
constexpr double inverseTolerance = 4 * constants::epsilon;
// Below this shape a root at its end magnifies the tail's rounding more than
// ten times, and is worth one more evaluation of the tail in two parts.
constexpr double polishShape = 0.1;
// Below this first neglected term an end's power law starts the inverse.
constexpr double nearlyExact = 1e-3;
// From this many degrees of freedom, and for normal quantiles z with
// z^2 <= 0.002 k, the Student quantile is its expansion in 1/k alone.
constexpr double expansionDegrees = 1e4;
constexpr double expansionReach = 0.002;
constexpr double twoOverPi = 2 / constants::pi;
constexpr double halfPi = constants::pi / 2;

struct Tails {
    double lower;
    double upper;
};

// u - ln(1 + u) for u = v / v0 - 1, given v, v0 and the difference v - v0
// formed without rounding away what v keeps: logExcess near v0, and far from
// it the logarithm of the quotient, which keeps a small v's digits.
double excessOf(double v, double v0, double difference)
{
    const double u = difference / v0;
    return std::fabs(u) < 0.5 ? logExcess(u) : u - std::log(v / v0);
}

// -(a ln(x / x0) + b ln(y / y0)) >= 0 about the mean x0 = a / (a + b), y0 = 1 - x0:
// the sum a h(x / x0 - 1) + b h(y / y0 - 1) with h(u) = u - ln(1 + u), whose
// linear parts cancel exactly; dx = x - x0 is given apart where the caller
// knows it better than x itself.
double meanDeviation(double a, double b, double x, double y, double dx)
{
    const double c = a + b;
    return a * excessOf(x, a / c, dx) + b * excessOf(y, b / c, -dx);
}

// The share s / (a + b), s = a or b, as a high and a low part: D. E. Knuth's
// exact sum for a + b and the quotient's residual by a fused multiply-add,
// correct to about 1e-32 relative, as the distance of x from the mean needs
// where a steep density would magnify the mean's own rounding.
struct Split {
    double high;
    double low;
};

Split shareOfSum(double share, double a, double b)
{
    const double c = a + b;
    const double bPart = c - a;
    const double cLow = (a - (c - bPart)) + (b - bPart);
    const double q = share / c;
    return {q, (std::fma(-q, c, share) - q * cLow) / c};
}

double meanDeviation(double a, double b, double x, double y)
{
    if (x < y) {
        const Split x0 = shareOfSum(a, a, b);
        return meanDeviation(a, b, x, y, (x - x0.high) - x0.low);
    }
    const Split y0 = shareOfSum(b, a, b);
    return meanDeviation(a, b, x, y, (y0.high - y) + y0.low);
}

// ln(x^a y^b / B(a, b)) + a ln(x / x0) + b ln(y / y0) for both shapes in
// Stirling's range: ln(x0^a y0^b / B(a, b)) with the large terms of Stirling's
// formula cancelled by hand.
double logNormaliserAtMean(double a, double b)
{
    const double c = a + b;
    return 0.5 * (std::log(a) + std::log(b) - std::log(c)) - logSqrtTwoPi - logGammaRemainder(a) -
           logGammaRemainder(b) + logGammaRemainder(c);
}

// ln(x^a y^b / B(a, b)) with y = 1 - x given apart, so that neither loses its
// digits to the other. Where both shapes reach Stirling's range the large terms
// cancel by hand around the mean x0 = a / (a + b); where one alone does, its
// ratio Gamma(a + b) / (Gamma(b) b^a) is formed without them.
double logPowerFactor(double a, double b, double x, double y)
{
    const double c = a + b;
    if (a >= stirlingRange && b >= stirlingRange) return logNormaliserAtMean(a, b) - meanDeviation(a, b, x, y);
    const double logX = x < 0.5 ? std::log(x) : std::log1p(-y);
    const double logY = y < 0.5 ? std::log(y) : std::log1p(-x);
    if (b >= stirlingRange && a < stirlingRange) {
        // x^a y^b / B(a, b) = (b x)^a y^b / Gamma(a) * Gamma(a + b) / (Gamma(b) b^a).
        return a * (std::log(b) + logX) + b * logY - logGamma(a) + (c - 0.5) * std::log1p(a / b) - a +
               logGammaRemainder(c) - logGammaRemainder(b);
    }
    if (a >= stirlingRange && b < stirlingRange) {
        return b * (std::log(a) + logY) + a * logX - logGamma(b) + (c - 0.5) * std::log1p(b / a) - b +
               logGammaRemainder(c) - logGammaRemainder(a);
    }
    return a * logX + b * logY - logBeta(a, b);
}

// Gamma(a + b) / (Gamma(1 + a) Gamma(b)) - 1 for a tiny shape a <= 1e-13: a
// (psi(b) - psi(1)) to within a relative a.
double tinyShapeNormaliserExcess(double a, double b) { return std::expm1(a * (digamma(b) + constants::eulerGamma)); }

// 1/pi, 1/sqrt(2 pi) and 1/3, each in two parts.
constexpr DoubleDouble inversePi = {0x1.45f306dc9c883p-2, -0x1.6b01ec5417056p-56};
constexpr DoubleDouble inverseSqrtTwoPi = {0x1.9884533d43651p-2, -0x1.cbc0d30ebfd15p-56};
constexpr DoubleDouble twoPi = {0x1.921fb54442d18p+2, 0x1.1a62633145c07p-52};

// Up to here t^2 stays a normal double with its low part.
constexpr double largestSquaredArgument = 1e150;
// Below this many degrees of freedom, half of them below Stirling's range, the
// double factorials of the Student normaliser are whole numbers below 2^53.
constexpr double factorialDegrees = 2 * stirlingRange;
// A deviance beyond this leaves the density below the subnormals.
constexpr double largestDeviance = 800.0;

// factor e^exponent rounded once: the factor's low part joins the exponent.
double exponentialTimes(DoubleDouble exponent, DoubleDouble factor)
{
    const DoubleDouble sum = normalized({exponent.hi, exponent.lo + factor.lo / factor.hi});
    return inlineExpTimes(sum.hi, sum.lo, factor.hi);
}

// ln x and ln y for x + y = 1, each in two parts, from the smaller of the two,
// which the caller knows best.
struct LogPair {
    DoubleDouble x;
    DoubleDouble y;
};

LogPair logsOfShares(double x, double y)
{
    if (x <= y) return {extendedLog(x), logOnePlus({-x, 0.0})};
    return {logOnePlus({-y, 0.0}), extendedLog(y)};
}

// ln(Gamma(s + L) / (Gamma(L) L^s)) for L >= 13 in two parts:
// (s + L - 1/2) ln(1 + s/L) - s + mu(s + L) - mu(L), Stirling's large terms
// cancelled by hand. For a small s it is near 0 while its terms are near s,
// so s is kept apart from the remainders rather than rounded against them.
DoubleDouble logGammaRatio(double s, double large)
{
    const DoubleDouble power = times(plus(twoSum(s, large), {-0.5, 0.0}), logOnePlus(divide({s, 0.0}, large)));
    return plus(power, twoSum(-s, logGammaRemainder(s + large) - logGammaRemainder(large)));
}

// ln(u^s v^L / (s B(s, L))) for s below Stirling's range and L at or above
// it, u + v = 1, as s (ln L + ln u) + L ln v + ln(Gamma(s + L) / (Gamma(L)
// L^s)) - ln Gamma(1 + s): each large term in two parts, ln L against ln u
// where L u is near 1 (at L = 5e16 both are near 38, and s ln(L + s) rounded
// apart would lose 4e-15), and the small shape's own gamma function small.
DoubleDouble logBesideLargeShape(double s, double large, DoubleDouble logU, DoubleDouble logV)
{
    const DoubleDouble powers = plus(times(plus(extendedLog(large), logU), s), times(logV, large));
    return plus(powers, plus(logGammaRatio(s, large), {-logGammaOfOnePlus(s), 0.0}));
}

// -D(a, c x) - D(b, c y) + mu(c) - mu(a) - mu(b), c = a + b, D the deviance
// x ln(x / m) + m - x, in two parts: the exponent of the saddle-point forms
// of the density and of the integrals' factor once both shapes reach
// Stirling's range. -inf where it leaves the density below the subnormals.
DoubleDouble largeShapesExponent(double a, double b, DoubleDouble c, DoubleDouble shareX, DoubleDouble shareY)
{
    const DoubleDouble deviance =
        plus(saddlePointDeviance(a, times(c, shareX)), saddlePointDeviance(b, times(c, shareY)));
    if (!(deviance.hi <= largestDeviance)) return {-constants::infinity, 0.0};
    const double stirling = logGammaRemainder(c.hi) - logGammaRemainder(a) - logGammaRemainder(b);
    return {-deviance.hi, stirling - deviance.lo};
}

// x and y = 1 - x each exact in two parts, from the smaller one.
struct Shares {
    DoubleDouble x;
    DoubleDouble y;
};

Shares sharesOf(double x, double y)
{
    if (x <= y) return {{x, 0.0}, twoSum(1.0, -x)};
    return {twoSum(1.0, -y), {y, 0.0}};
}

// Both shapes from Stirling's range on, in the saddle-point form of the
// binomial masses: sqrt(a b / (2 pi c)) / (x y) e^(-D(a, c x) - D(b, c y) +
// mu(c) - mu(a) - mu(b)): no power like x^999 and no logarithm in the
// hundreds rounds. 0 where the root's argument leaves the normal doubles, as
// the density has long underflowed there.
double densityOfLargeShapes(double a, double b, double x, double y)
{
    const DoubleDouble c = twoSum(a, b);
    const Shares shares = sharesOf(x, y);
    const DoubleDouble exponent = largeShapesExponent(a, b, c, shares.x, shares.y);
    if (exponent.hi == -constants::infinity) return 0.0;
    const DoubleDouble product = times(shares.x, shares.y);
    const DoubleDouble rootArgument = divide(divide(times(times(twoPi, c), times(product, product)), a), b);
    if (!std::isnormal(rootArgument.hi)) return 0.0;
    return exponentialTimes(exponent, inverseRoot(rootArgument));
}

// x^a y^b / (a B(a, b)), the factor of the power series and the continued
// fraction (the density times x y / a), as factor e^exponent with the
// exponent in two parts, so that the factor rounds once however large the
// logarithms of its powers. logs are ln x and ln y in two parts. Below
// Stirling's range in both shapes it is x^a y^b b Gamma(a + b) / (Gamma(1 + a)
// Gamma(1 + b)), ln b apart as the one large term a tiny b brings.
// A factor of 0 where it underflows.
struct PowerFactor {
    DoubleDouble exponent;
    DoubleDouble factor;
};

PowerFactor integralFactor(double a, double b, double x, double y, const LogPair& logs)
{
    constexpr DoubleDouble one = {1.0, 0.0};
    if (a >= stirlingRange && b >= stirlingRange) {
        const DoubleDouble c = twoSum(a, b);
        const Shares shares = sharesOf(x, y);
        const DoubleDouble exponent = largeShapesExponent(a, b, c, shares.x, shares.y);
        // sqrt(b / (2 pi c a)), its argument formed so that it overflows only
        // where the exponent has long underflowed.
        const DoubleDouble rootArgument = times(times(twoPi, divide(c, b)), a);
        if (exponent.hi == -constants::infinity || !std::isnormal(rootArgument.hi)) return {{0.0, 0.0}, {0.0, 0.0}};
        return {exponent, inverseRoot(rootArgument)};
    }
    if (b >= stirlingRange) return {logBesideLargeShape(a, b, logs.x, logs.y), one};
    if (a >= stirlingRange) {
        // x^a y^b / (b B(a, b)) times b / a.
        const DoubleDouble shapes = plus(extendedLog(b), negated(extendedLog(a)));
        return {plus(logBesideLargeShape(b, a, logs.y, logs.x), shapes), one};
    }
    const DoubleDouble powers = plus(plus(times(logs.x, a), times(logs.y, b)), extendedLog(b));
    const DoubleDouble gammas = plus(twoSum(logGamma(a + b), -logGammaOfOnePlus(a)), {-logGammaOfOnePlus(b), 0.0});
    return {plus(powers, gammas), one};
}

// The beta density where one shape lies below Stirling's range and the other
// at or above it: the integrals' factor for the small shape s, times s / (u v)
// by the exponent, u and v the shares of s and the large shape.
double densityBesideLargeShape(double s, double large, DoubleDouble logU, DoubleDouble logV)
{
    const DoubleDouble exponent = plus(logBesideLargeShape(s, large, logU, logV), negated(plus(logU, logV)));
    return exponentialTimes(exponent, {s, 0.0});
}

// The integrals' factor times a multiplier m, rounded once; 0 where it underflows.
double integralFactorTimes(const PowerFactor& f, DoubleDouble m)
{
    if (f.factor.hi == 0) return 0.0;
    return exponentialTimes(f.exponent, times(f.factor, m));
}

// The sum S of the power series below: sum_{n >= 1} (1 - b)_n / n! x^n / (a + n).
double seriesSum(double a, double b, double x, IterationCount* count)
{
    double term = 1.0;
    double sum = 0.0;
    for (int n = 1; n <= seriesRounds; ++n) {
        countRound(count);
        term *= (n - b) * x / n;
        const double next = term / (a + n);
        sum += next;
        if (!(std::fabs(next) > 1e-17 * std::fabs(sum) + 1e-300)) break;
    }
    return sum;
}

// The power series' x^a / (a B(a, b)) without y^b, which is near 1 there (b x <= 1).
PowerFactor seriesFactor(double a, double b, double x, double y, const LogPair& logs)
{
    PowerFactor f = integralFactor(a, b, x, y, logs);
    f.exponent = plus(f.exponent, negated(times(logs.y, b)));
    return f;
}

// I(a, b; x) and its complement by the power series (A&S 26.5.4 rearranged)
//   I = x^a / (a B(a, b)) (1 + a sum_{n >= 1} (1 - b)_n / n! x^n / (a + n)),
// for b x <= 1 and x <= 0.95, where its terms shrink at once. For a tiny shape
// the value is all but 1, and the complement comes directly from
//   1 - I = -(x^a - 1) - x^a (G + (1 + G) a S),  G = 1 / (a B(a, b)) - 1.
// Elsewhere, where I is above 1/2, the complement is -expm1 of ln I, whose
// absolute error is that of I's few logarithms: 1 - I would add I's rounding,
// which a complement of 0.04 magnifies 24 times.
WITH_FUSED_MULTIPLY_ADD Tails powerSeries(double a, double b, double x, double y, IterationCount* count)
{
    const double sum = seriesSum(a, b, x, count);
    if (a <= tinyShape) {
        const double g = tinyShapeNormaliserExcess(a, b);
        const double logX = std::log(x);
        const double power = std::exp(a * logX);
        const double upper = -std::expm1(a * logX) - power * (g + (1.0 + g) * a * sum);
        return {1.0 - upper, upper};
    }
    const PowerFactor f = seriesFactor(a, b, x, y, logsOfShares(x, y));
    const DoubleDouble multiplier = twoSum(1.0, a * sum);
    const double lower = integralFactorTimes(f, multiplier);
    if (!(lower > 0.5)) return {lower, 1.0 - lower};
    const double logLower =
        f.exponent.hi + (f.exponent.lo + (std::log(f.factor.hi) + f.factor.lo / f.factor.hi) + std::log1p(a * sum));
    return {lower, -std::expm1(logLower)};
}

// ln I(a, b; x) in two parts where powerSeries gives I for a above tinyShape:
// the logarithm of the series' one product, whose rounding it leaves out.
DoubleDouble logSeriesTail(double a, double b, double x, double y, IterationCount* count)
{
    const double sum = seriesSum(a, b, x, count);
    const PowerFactor f = seriesFactor(a, b, x, y, logsOfShares(x, y));
    const DoubleDouble product = times(f.factor, twoSum(1.0, a * sum));
    const DoubleDouble logProduct = extendedLog(product.hi);
    return plus(f.exponent, {logProduct.hi, logProduct.lo + product.lo / product.hi});
}

// lambda = a - (a + b) x = (a + b) y - b, from whichever of x and y is the
// smaller and exact to the last place of lambda itself, where the product,
// up to the size of a, would leave it only that product's last place.
WITH_FUSED_MULTIPLY_ADD double distanceFromMean(double a, double b, double x, double y)
{
    const DoubleDouble total = twoSum(a, b);
    if (x <= y) {
        const DoubleDouble product = plus(twoProduct(total.hi, x), {total.lo * x, 0.0});
        return (a - product.hi) - product.lo;
    }
    const DoubleDouble product = plus(twoProduct(total.hi, y), {total.lo * y, 0.0});
    return (product.hi - b) + product.lo;
}

// I(a, b; x) by its continued fraction (A&S 26.5.8) for x below about the mean,
// times x^a y^b / (a B(a, b)); a few sqrt(min(a, b)) rounds. For both shapes
// above 1 in the form that starts from the distance to the mean, whose first
// terms do not cancel near it.
WITH_FUSED_MULTIPLY_ADD Tails continuedFraction(double a, double b, double x, double y, IterationCount* count)
{
    const LogPair logs = logsOfShares(x, y);
    PowerFactor f = integralFactor(a, b, x, y, logs);
    if (f.factor.hi == 0 || f.exponent.hi < -constants::largestExponent - 36) return {0.0, 1.0};
    if (a > 1 && b > 1) {
        const double lower =
            integralFactorTimes(f, betaFractionFromMean(a, b, x, y, distanceFromMean(a, b, x, y), count));
        return {lower, 1.0 - lower};
    }
    if (x < 0.5) {
        const double lower = integralFactorTimes(f, {betaFraction(a, b, x, count), 0.0});
        return {lower, 1.0 - lower};
    }
    // Near x = 1 the fraction in z = x / y, whose terms keep the digits of y;
    // its 1 / y joins the exponent, as it may be as large as the factor is small.
    f.exponent = plus(f.exponent, negated(logs.y));
    const double lower = integralFactorTimes(f, {betaRatioFraction(a, b, x / y, count), 0.0});
    return {lower, 1.0 - lower};
}

// Truncated power series in zeta, lowest power first.
struct Series {
    double c[expansionTerms] = {};
};

// The terms of the uniform expansion for the mean p = a / r, scaled so that
// their series keep coefficients of order one however lopsided the shapes.
// With w = (x - p) / sqrt(p q) and eta^2 / 2 = -(p ln(x / p) + q ln(y / q)),
// w(eta) obeys w w' = eta (1 + gamma w - w^2), gamma = (q - p) / sqrt(p q),
// so its radius shrinks like 1 / gamma. In zeta = rho eta and S = rho w,
// rho = max(1, |gamma|), the equation is S S' = zeta (1 + g S - S^2 / rho^2),
// |g| <= 1. The terms c_0 = 1/w - 1/eta and c_(k+1) = (c_k' - c_k'(0)) / eta
// are then c_k(eta) = rho^(2k+1) C_k(zeta), C_k obeying the same relations in
// S and zeta.
struct Expansion {
    double rho;
    Series orders[expansionOrders];
};

// S's coefficients s_1..s_n (s_0 = 0) from the recurrence that matching
// powers of zeta in S S' = zeta (1 + g S - k S^2) gives: the power zeta^m
// holds (m + 1) s_m next to products of earlier coefficients.
template <int n>
void scaledDeviationSeries(double g, double k, double (&s)[n + 1])
{
    double square[n + 1] = {};  // S^2
    s[0] = 0.0;
    s[1] = 1.0;
    for (int m = 2; m <= n; ++m) {
        double sum = 0.0;
        for (int j = 1; j < m - 1; ++j) square[m - 1] += s[j] * s[m - 1 - j];
        for (int j = 2; j < m; ++j) sum += j * s[j] * s[m + 1 - j];
        s[m] = (g * s[m - 1] - k * square[m - 1] - sum) / (m + 1);
    }
}

// p and q are given apart: near either end 1 - p would keep only the
// absolute digits of p, and gamma needs the smaller one to its last digit.
void expansionCoefficients(double p, double q, Expansion& e)
{
    // C_(K-1) needs C_0 to 2 (K - 1) powers beyond the kept ones.
    constexpr int reach = expansionTerms + 2 * (expansionOrders - 1);
    const double gamma = (q - p) / std::sqrt(p * q);
    e.rho = std::fmax(1.0, std::fabs(gamma));
    double s[reach + 2];
    scaledDeviationSeries<reach + 1>(gamma / e.rho, 1.0 / (e.rho * e.rho), s);
    // C_0 = (zeta / S - 1) / zeta from the reciprocal of S / zeta.
    double reciprocal[reach + 1] = {1.0};
    for (int n = 1; n <= reach; ++n) {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j) sum -= s[j + 1] * reciprocal[n - j];
        reciprocal[n] = sum;
    }
    double c[reach];
    for (int i = 0; i < reach; ++i) c[i] = reciprocal[i + 1];
    for (int k = 0; k < expansionOrders; ++k) {
        for (int i = 0; i < expansionTerms; ++i) e.orders[k].c[i] = c[i];
        for (int i = 0; i + 2 < reach; ++i) c[i] = (i + 2) * c[i + 2];
    }
}

double evaluateSeries(const Series& s, double zeta)
{
    double sum = 0.0;
    for (int i = expansionTerms - 1; i >= 0; --i) sum = sum * zeta + s.c[i];
    return sum;
}

// sum_k c_k(eta) / r^k as rho sum_k C_k(zeta) (rho^2 / r)^k.
double expansionSum(const Expansion& e, double eta, double r)
{
    const double zeta = e.rho * eta;
    const double t = e.rho * e.rho / r;
    double sum = 0.0;
    for (int k = expansionOrders - 1; k >= 0; --k) sum = sum * t + evaluateSeries(e.orders[k], zeta);
    return e.rho * sum;
}

// I(a, b; x) for x at or below the mean and min(a, b) >= largeShapes, by the
// uniform expansion of N. M. Temme (1992), "Incomplete Laplace integrals:
// uniform asymptotic expansion with application to the incomplete beta function":
//   I = erfc(-eta sqrt(r/2)) / 2 - e^-eps e^(-r eta^2/2) / sqrt(2 pi r) sum_k c_k(eta) / r^k,
// r = a + b, eps = mu(a) + mu(b) - mu(r) the Stirling remainders. A fixed
// number of operations at any shape. r eta^2 / 2, some hundreds in the far
// tails, is the sum of two deviances in two parts, as a rounding of it would
// be a relative error of the tail.
Tails uniformExpansion(double a, double b, double x, double y)
{
    const DoubleDouble r = twoSum(a, b);
    const Shares shares = sharesOf(x, y);
    const DoubleDouble meanX = times(r, shares.x);  // a at the mean
    const DoubleDouble exponent =
        normalized(plus(saddlePointDeviance(a, meanX), saddlePointDeviance(b, times(r, shares.y))));
    if (!(exponent.hi <= largestTailExponent)) return {0.0, 1.0};
    // The caller's test of the side rounds; within that rounding of the mean
    // eta's sign still moves the value by eta sqrt(r / pi), so it comes from
    // r x - a, exact here.
    const bool above = (meanX.hi - a) + meanX.lo > 0;
    const double eta = std::copysign(std::sqrt(2.0 * exponent.hi / r.hi), above ? 1.0 : -1.0);
    // The coefficients depend on the mean alone, and a graph or a table asks for
    // many x at one pair of shapes: keep the last set (per thread, no allocation).
    const double p = a / r.hi, q = b / r.hi;
    thread_local double cachedMean[2] = {-1.0, -1.0};
    thread_local Expansion expansion;
    if (p != cachedMean[0] || q != cachedMean[1]) {
        expansionCoefficients(p, q, expansion);
        cachedMean[0] = p;
        cachedMean[1] = q;
    }
    const double epsilon = logGammaRemainder(a) + logGammaRemainder(b) - logGammaRemainder(r.hi);
    const double remainder =
        std::exp(-epsilon) * expansionSum(expansion, eta, r.hi) / (constants::sqrtTwoPi * std::sqrt(r.hi));
    // Above the mean erfc(-eta sqrt(r/2)) = 2 - erfc(eta sqrt(r/2)), and the
    // upper tail is the one of this form.
    const double erfcPart = 0.5 * scaledComplementaryErrorFunction(std::sqrt(exponent.hi));
    if (above) {
        const double upper = exponentialTimes(negated(exponent), {erfcPart + remainder, 0.0});
        return {1.0 - upper, upper};
    }
    const double lower = exponentialTimes(negated(exponent), {erfcPart - remainder, 0.0});
    return {lower, 1.0 - lower};
}

// I(s, L; v) and its complement for a huge shape L beside a small one s, by
// the gamma limit with the midpoint scale of A. R. DiDonato and A. H. Morris
// (1992), "Algorithm 708: significant digit computation of the incomplete beta
// function ratios": u = -(L + (s - 1)/2) ln(1 - v) gives P(s, u) and Q(s, u),
// whose relative error is of order s^3 / L^2 + v^2 / 50 (measured; below 1e-14
// where it is used).
// u reaches the hundreds in the far tails, where a rounding of u is magnified
// u times: u is formed in two parts and its low part enters to first order,
// through the density d P / du.
Tails gammaLimit(double s, double large, double v, double w, IterationCount* count)
{
    const DoubleDouble scale = twoSum(large, 0.5 * (s - 1.0));
    const DoubleDouble u = normalized(negated(times(scale, v < 0.5 ? logOnePlus({-v, 0.0}) : extendedLog(w))));
    const double shift = u.lo * gammaDensity(s, u.hi);
    return {incompleteGamma(s, u.hi, count) + shift, complementaryIncompleteGamma(s, u.hi, count) - shift};
}

// Both shapes 1/2: the arcsine law, I(1/2, 1/2; x) = (2/pi) asin(sqrt(x)), the
// smaller tail from the smaller of x and y = 1 - x. A few roundings: relative
// error below 4e-16 (measured against 50-digit values over (0, 1)).
Tails arcsineTails(double x, double y)
{
    if (x <= y) {
        const double lower = std::asin(std::sqrt(x)) * twoOverPi;
        return {lower, 1.0 - lower};
    }
    const double upper = std::asin(std::sqrt(y)) * twoOverPi;
    return {1.0 - upper, upper};
}

// The arcsine density 1 / (pi sqrt(x (1 - x))), rounded once: 1 - x, its
// product with x and the inverse root each in two parts. Where x (1 - x)
// comes near the subnormals its parts would not be exact, and the density is
// formed plainly.
double arcsineDensity(double x)
{
    const DoubleDouble product = times(twoSum(1.0, -x), x);
    if (!(product.hi >= 0x1p-900)) return 1.0 / (constants::pi * std::sqrt(x * (1.0 - x)));
    const DoubleDouble density = times(inverseRoot(product), inversePi);
    return density.hi + density.lo;
}

// The smaller tail first: the lower one for x at or below the mean, where the
// expansions converge; above it, the same for the mirrored shapes.
Tails betaTails(double a, double b, double x, double y, IterationCount* count)
{
    if (!(a > 0) || !(b > 0) || !(x >= 0) || !(y >= 0)) return {0.0, 1.0};
    if (x == 0) return {0.0, 1.0};
    if (y == 0) return {1.0, 0.0};
    if (a == 0.5 && b == 0.5) return arcsineTails(x, y);
    // The power series on whichever side it converges at once; a tiny shape puts
    // all but a sliver of the mass at its end, and the series then gives the
    // sliver directly, on whichever side it lies.
    if (b * x <= 1 && x <= seriesThreshold) return powerSeries(a, b, x, y, count);
    if (a * y <= 1 && y <= seriesThreshold) {
        const Tails mirror = powerSeries(b, a, y, x, count);
        return {mirror.upper, mirror.lower};
    }
    const double small = std::fmin(a, b);
    if (small < largeShapes && std::fmax(a, b) >= gammaLimitRatio * std::fmax(1.0, small * small) &&
        (a <= b ? x : y) <= gammaLimitReach) {
        if (a <= b) return gammaLimit(a, b, x, y, count);
        const Tails mirror = gammaLimit(b, a, y, x, count);
        return {mirror.upper, mirror.lower};
    }
    const bool mirrored = x < y ? x * (a + b) > a : y * (a + b) < b;
    if (mirrored) {
        std::swap(a, b);
        std::swap(x, y);
    }
    const Tails tails =
        std::fmin(a, b) >= largeShapes ? uniformExpansion(a, b, x, y) : continuedFraction(a, b, x, y, count);
    const Tails clamped = {std::clamp(tails.lower, 0.0, 1.0), std::clamp(tails.upper, 0.0, 1.0)};
    return mirrored ? Tails{clamped.upper, clamped.lower} : clamped;
}

}  // namespace

double logBeta(double a, double b)
{
    if (a > b) std::swap(a, b);
    if (b < stirlingRange) return logGamma(a) + logGamma(b) - logGamma(a + b);
    // ln Gamma(b) - ln Gamma(a + b) by Stirling's formula, its large terms cancelled by hand.
    const double c = a + b;
    if (a < stirlingRange) {
        return logGamma(a) - (b - 0.5) * std::log1p(a / b) - a * std::log(c) + a + logGammaRemainder(b) -
               logGammaRemainder(c);
    }
    return logSqrtTwoPi + (a - 0.5) * std::log(a / c) - 0.5 * std::log(c) - (b - 0.5) * std::log1p(a / b) +
           logGammaRemainder(a) + logGammaRemainder(b) - logGammaRemainder(c);
}

double betaFunction(double a, double b) { return std::exp(logBeta(a, b)); }

double fDensity(double n1, double n2, double x)
{
    // With u = x n1 / n2 and w = u / (1 + u), the density is that of beta(a, b),
    // a = n1/2, b = n2/2, at w times dw/dx = w (1 - w) / x: w^a (1 - w)^b / (B x).
    // w's distance from the mean a / (a + b) is a (x - 1) / ((1 + u)(a + b)),
    // which keeps its digits where w - a / (a + b) would round them away.
    const double a = 0.5 * n1, b = 0.5 * n2, c = a + b;
    const double u = x * (n1 / n2);
    const double w = u / (1.0 + u), y = 1.0 / (1.0 + u);
    const double dx = a * (x - 1.0) / ((1.0 + u) * c);
    return std::exp(logNormaliserAtMean(a, b) - meanDeviation(a, b, w, y, dx) - std::log(x));
}

double incompleteBeta(double a, double b, double x, IterationCount* count)
{
    if (!(x > 0) || x > 1) return 0.0;
    if (!(a > 0) || !(b > 0)) return 0.0;
    return betaTails(a, b, x, 1.0 - x, count).lower;
}

double complementaryIncompleteBeta(double a, double b, double x, IterationCount* count)
{
    if (!(x > 0)) return 1.0;
    if (!(x < 1) || !(a > 0) || !(b > 0)) return 0.0;
    return betaTails(a, b, x, 1.0 - x, count).upper;
}

namespace {

// A start for the x with I(a, b; x) = p <= 1/2, with its y = 1 - x. For shapes
// above 1 the normal approximation of A&S 26.5.22 (after H. E. Carter, 1947)
// where it lands inside (0, 1). Otherwise the power law of whichever end holds the root, as in
// W. H. Press et al. (2007), "Numerical Recipes", 3rd ed., 6.14: near 0,
// I = x^a / (a B(a, b)) (1 + O(x)); near 1, 1 - I = y^b / (b B(a, b)) (1 + O(y));
// of the two, the one whose first neglected term, a (1 - b) x / (a + 1) or
// b (1 - a) y / (b + 1), is the smaller. The power law near 0 comes first
// wherever its neglected term is below 1e-3, shapes above 1 or not.
Tails inverseStart(double a, double b, double p)
{
    const double logB = logBeta(a, b);
    const double low = std::exp((std::log(p) + std::log(a) + logB) / a);
    const double lowTerm = std::fabs(1.0 - b) * low * a / (a + 1.0);
    if (lowTerm < nearlyExact) return {low, 1.0 - low};
    if (a > 1 && b > 1) {
        const double g = -inverseNormal(p);
        const double lambda = (g * g - 3.0) / 6.0;
        const double h = 2.0 / (1.0 / (2.0 * a - 1.0) + 1.0 / (2.0 * b - 1.0));
        const double w = g * std::sqrt(h + lambda) / h -
                         (1.0 / (2.0 * b - 1.0) - 1.0 / (2.0 * a - 1.0)) * (lambda + 5.0 / 6.0 - 2.0 / (3.0 * h));
        const double ratio = b * std::exp(2.0 * w);
        const double x = a / (a + ratio);
        if (x > 0 && x < 1 && !(low < 0.1 * x)) return {x, ratio / (a + ratio)};
        const double start = std::fmin(low, a / (a + b));
        return {start, 1.0 - start};
    }
    const double high = std::exp((std::log1p(-p) + std::log(b) + logB) / b);
    const double highTerm = std::fabs(1.0 - a) * high * b / (b + 1.0);
    if (low < 1 && !(highTerm < lowTerm && high < 1)) return {low, 1.0 - low};
    if (high < 1) return {1.0 - high, high};
    return {a / (a + b), b / (a + b)};
}

// A root at the end of a small shape s, where the tail grows like u^s in the
// distance u from that end, carries the tail's rounding 1/s times over. Where
// the power series gives that tail, one more Newton step on ln(tail / p), the
// series' logarithm and ln p each in two parts, leaves only the rounding of u.
// Where the other tail was inverted (p the complement of a lower tail above
// 1/2), the step is taken on this one, towards 1 - p in two parts: the other
// tail's slope there magnifies its rounding as much.
double polishedRoot(double a, double b, double p, bool lower, double x, IterationCount* count)
{
    bool atLowerEnd = lower;
    DoubleDouble target = {p, 0.0};
    if (!((lower ? a : b) < polishShape) && (lower ? b : a) < polishShape) {
        atLowerEnd = !lower;
        target = twoSum(1.0, -p);
    }
    const double y = 1.0 - x;
    const double s = atLowerEnd ? a : b, t = atLowerEnd ? b : a, u = atLowerEnd ? x : y, v = atLowerEnd ? y : x;
    if (!(s < polishShape) || !(s > tinyShape) || !(u > 0) || !(t * u <= 1 && u <= seriesThreshold)) return x;
    const DoubleDouble logTarget = extendedLog(target.hi);
    const DoubleDouble residual =
        plus(logSeriesTail(s, t, u, v, count), negated({logTarget.hi, logTarget.lo + target.lo / target.hi}));
    const double density = betaDensity(s, t, u, v);
    if (!(density > 0)) return x;
    const double root = u - (residual.hi + residual.lo) * target.hi / density;
    return atLowerEnd ? root : 1.0 - root;
}

// The x with I(a, b; x) = p (lower) or 1 - I(a, b; x) = p (upper), p <= 1/2,
// by the bracketed Halley iteration on that tail itself; the slope is the
// density x^(a-1) y^(b-1) / B(a, b).
double invertTail(double a, double b, double p, bool lower, IterationCount* count)
{
    if (a == 0.5 && b == 0.5) {
        // The arcsine law's tail p <= 1/2 ends at sin^2(pi p / 2): relative error
        // below 5e-16 (measured against 50-digit values).
        const double s = std::sin(halfPi * p);
        const double end = s * s;
        return lower ? end : 1.0 - end;
    }
    // The upper tail of (a, b) at x is the lower tail of (b, a) at 1 - x.
    const Tails mirrored = lower ? Tails{} : inverseStart(b, a, p);
    const Tails start = lower ? inverseStart(a, b, p) : Tails{mirrored.upper, mirrored.lower};
    if (start.lower == 0) return 0.0;  // the root lies below the double range
    double x0 = start.lower;
    if (start.upper < constants::halfEpsilon) {
        // The root may lie above the largest double below 1, where it rounds to 1.
        const double top = 1.0 - constants::halfEpsilon;
        const Tails atTop = betaTails(a, b, top, constants::halfEpsilon, count);
        if (lower ? atTop.lower < p : atTop.upper > p) return 1.0;
        x0 = top;
    }
    if (!(x0 > 0 && x0 < 1)) x0 = 0.5;
    // The residual is ln(tail / p): a power-law or exponential tail is nearly
    // linear in it, so Halley's steps stay long where the tail is steep. Near
    // the root it is the logarithm of the quotient, which rounds only the small
    // residual: ln(tail) - ln(p) would keep a rounding of ln(p), some 1e-13 at
    // p = 1e-300, and a root at a small shape a magnifies it 1/a times.
    const double logTarget = std::log(p);
    const auto step = [&](double x) {
        const double y = 1.0 - x;
        const Tails tails = betaTails(a, b, x, y, count);
        const double tail = lower ? tails.lower : tails.upper;
        const double density = std::exp(logPowerFactor(a, b, x, y)) / (x * y);
        const double ratio = density / tail;  // the slope of ln(tail)
        const double curvature = (a - 1.0) / x - (b - 1.0) / y;
        const double quotient = tail / p;
        const double residual = std::isnormal(quotient) ? std::log(quotient) : std::log(tail) - logTarget;
        return lower ? RootStep{residual, ratio, curvature - ratio} : RootStep{-residual, ratio, curvature + ratio};
    };
    return polishedRoot(a, b, p, lower, findRoot(step, x0, Bracket{0.0, 1.0}, inverseTolerance, inverseRounds, count),
                        count);
}

}  // namespace

double inverseIncompleteBeta(double a, double b, double p, IterationCount* count)
{
    if (!(p > 0)) return 0.0;
    if (!(p < 1)) return 1.0;
    return p <= 0.5 ? invertTail(a, b, p, true, count) : invertTail(a, b, 1.0 - p, false, count);
}

double inverseComplementaryIncompleteBeta(double a, double b, double q, IterationCount* count)
{
    if (!(q > 0)) return 1.0;
    if (!(q < 1)) return 0.0;
    return q <= 0.5 ? invertTail(a, b, q, false, count) : invertTail(a, b, 1.0 - q, true, count);
}

namespace {

// x = k / (k + t^2) and y = t^2 / (k + t^2), each without the rounding of the other.
struct StudentArguments {
    double x;
    double y;
};

StudentArguments studentArguments(double k, double t)
{
    const double r = std::fabs(t) / std::sqrt(k);
    if (r < 1) {
        const double r2 = r * r;
        return {1.0 / (1.0 + r2), r2 / (1.0 + r2)};
    }
    const double s = 1.0 / r;
    const double s2 = s * s;
    return {s2 / (1.0 + s2), 1.0 / (1.0 + s2)};
}

// The Student quantile for k degrees of freedom at the normal quantile z, by
// the expansion of A&S 26.7.5 (after E. A. Cornish and R. A. Fisher, 1937)
// through its 1/k^4 term:
//   t = z + g1(z) / k + g2(z) / k^2 + g3(z) / k^3 + g4(z) / k^4.
// The first omitted term is about 1e-4 (z^2 / k)^5 of z, so from k = 1e4 on
// and for z^2 <= 0.002 k it is below 1e-17; what remains is z's own error:
// within 2.5e-16 of 30-digit values at k from 1e4 to 1e6 and p down to 1e-300.
double studentQuantileExpansion(double k, double z)
{
    const double z2 = z * z;
    const double g1 = (z2 + 1.0) / 4.0;
    const double g2 = ((5.0 * z2 + 16.0) * z2 + 3.0) / 96.0;
    const double g3 = (((3.0 * z2 + 19.0) * z2 + 17.0) * z2 - 15.0) / 384.0;
    const double g4 = ((((79.0 * z2 + 776.0) * z2 + 1482.0) * z2 - 1920.0) * z2 - 945.0) / 92160.0;
    const double r = 1.0 / k;
    return z + z * (r * (g1 + r * (g2 + r * (g3 + r * g4))));
}

}  // namespace

namespace {

// 1 / B(k/2, 1/2) = Gamma((k+1)/2) / (sqrt(pi) Gamma(k/2)) as factor e^exponent.
// Below 26 degrees the gamma ratio is one of double factorials,
// (k-1)!! / (k-2)!! times 1/pi (odd k) or 1/2 (even k) after sqrt(pi) cancels,
// exact in its two products; above, sqrt(k / (2 pi)) e^(mu(k/2 + 1/2) - mu(k/2)
// - (k/2) (1/k - ln(1 + 1/k))) by Stirling's formula, which tends to the
// normal law's constant without rounding.
struct Scaled {
    DoubleDouble factor;
    double exponent;
};

Scaled studentNormaliser(double k)
{
    const double half = 0.5 * k;
    if (k < factorialDegrees) {
        const bool odd = std::fmod(k, 2.0) == 1.0;
        double numerator = 1.0, denominator = 1.0;
        for (double j = odd ? 1.0 : 2.0; j + 2.0 <= k; j += 2.0) {
            numerator *= j + 1.0;
            denominator *= j;
        }
        const DoubleDouble ratio = divide({numerator, 0.0}, denominator);
        return {odd ? times(ratio, inversePi) : DoubleDouble{0.5 * ratio.hi, 0.5 * ratio.lo}, 0.0};
    }
    const double logRatio = -half * logExcess(1.0 / k) + logGammaRemainder(half + 0.5) - logGammaRemainder(half);
    return {times(inverseSqrtTwoPi, times(inverseRoot({k, 0.0}), k)), logRatio};
}

// x^(k/2) / (k B(k/2, 1/2)) times a multiplier, x = 1 / (1 + s), rounded once:
// the power is e^(-(k/2) ln(1 + s)) with the logarithm in two parts, so that
// neither the rounding of x nor that of the product, up to hundreds, enters.
double studentPowerTimes(double k, DoubleDouble s, DoubleDouble multiplier)
{
    const Scaled normaliser = studentNormaliser(k);
    const DoubleDouble exponent = plus(times(logOnePlus(s), -0.5 * k), {normaliser.exponent, 0.0});
    return exponentialTimes(exponent, times(divide(normaliser.factor, k), multiplier));
}

// (1/2) I(k/2, 1/2; x), x = 1 / (1 + s) <= 0.95, s = t^2 / k, by the power
// series as in powerSeries: x^(k/2) / (k B) (1 + (k/2) S), its power by
// studentPowerTimes.
double studentSeriesTail(double k, DoubleDouble s, IterationCount* count)
{
    const double a = 0.5 * k;
    const double x = 1.0 / (1.0 + s.hi);
    double term = 1.0;
    double sum = 0.0;
    for (int n = 1; n <= seriesRounds; ++n) {
        countRound(count);
        term *= (n - 0.5) * x / n;
        const double next = term / (a + n);
        sum += next;
        if (!(next > 1e-17 * sum)) break;
    }
    return studentPowerTimes(k, s, twoSum(1.0, a * sum));
}

// (1/2) I(k/2, 1/2; x) for x = 1 / (1 + s) above the series' reach, s = t^2 / k,
// by the continued fraction in z = x / y = 1 / s as continuedFraction takes it:
// x^(k/2) / (k B) G / sqrt(y), its power by studentPowerTimes: from the
// rounded x and y it would carry (k/2) y times their rounding, 4.7e-14 at
// k = 1e4 and t = -20.
double studentFractionTail(double k, DoubleDouble s, IterationCount* count)
{
    const double a = 0.5 * k;
    const double fraction = betaRatioFraction(a, 0.5, 1.0 / s.hi, count);
    const double rootOfInverseY = std::sqrt((1.0 + s.hi) / s.hi);
    return studentPowerTimes(k, s, {fraction * rootOfInverseY, 0.0});
}

// t^2 / k in two parts, for |t| below largestSquaredArgument.
DoubleDouble squareOverDegrees(double k, double t) { return divide(twoProduct(t, t), k); }

}  // namespace

// From here on Student's density is the normal one with its first correction
// in 1/k (R. A. Fisher, 1925, "Expansion of Student's integral in powers of
// n^-1"): the next term, about t^8 / (32 k^2) relative, stays below 1e-17
// wherever the tails are normal doubles (|t| < 38.6).
constexpr double normalLimitDegrees = 1e15;

// From here on Student's distribution function is the normal one with
// Fisher's corrections in 1/k and 1/k^2: the term after them stays below
// 4e-17 relative out to |t| = 40 (against 40-digit integrals), where the
// incomplete beta integral of shapes k/2 and 1/2 loses up to 1.4e-15 and
// costs ten times as much.
constexpr double normalLimitOfDistribution = 1e11;

WITH_FUSED_MULTIPLY_ADD double betaDensity(double a, double b, double x, double y)
{
    if (a == 0.5 && b == 0.5) return arcsineDensity(x);
    if (a >= stirlingRange && b >= stirlingRange) return densityOfLargeShapes(a, b, x, y);
    const LogPair logs = logsOfShares(x, y);
    if (b >= stirlingRange) return densityBesideLargeShape(a, b, logs.x, logs.y);
    if (a >= stirlingRange) return densityBesideLargeShape(b, a, logs.y, logs.x);
    return std::exp(logPowerFactor(a, b, x, y)) / x / y;
}

WITH_FUSED_MULTIPLY_ADD double studentDistribution(double k, double t, IterationCount* count)
{
    k = std::floor(k);
    if (!(k >= 1) || std::isnan(t)) return std::numeric_limits<double>::quiet_NaN();
    if (t == 0) return 0.5;
    const double magnitude = std::fabs(t);
    double tail = 0.0;
    if (k == 1) {
        // The Cauchy tail atan(1 / |t|) / pi, exact far beyond where 1 / t^2 underflows.
        tail = std::atan2(1.0, magnitude) / constants::pi;
    } else if (k == 2) {
        // (1 - |t| / sqrt(2 + t^2)) / 2 written without the cancellation.
        const double root = std::hypot(std::sqrt(2.0), magnitude);
        tail = 1.0 / (root * (root + magnitude));
    } else if (k >= normalLimitOfDistribution) {
        // Q(a) + phi(a) ((a^3 + a) / (4k) + (3a^7 - 7a^5 - 5a^3 - 3a) / (96 k^2)) at
        // a = |t|; nothing is left of either tail past |t| = 40.
        if (magnitude > 40) return t < 0 ? 0.0 : 1.0;
        const double density = inlineExp(-0.5 * magnitude * magnitude) * constants::inverseSqrtTwoPi;
        const double square = magnitude * magnitude;
        const double first = magnitude * (square + 1) / (4 * k);
        const double second = magnitude * (((3 * square - 7) * square - 5) * square - 3) / (96 * k * k);
        tail = normalUpperTail(magnitude) + density * (first + second);
    } else {
        // (1/2) I(k/2, 1/2; x) = (1/2) (1 - I(1/2, k/2; y)): the form whose argument is small.
        const StudentArguments arguments = studentArguments(k, t);
        // Where the series in x converges and is the one betaTails would take.
        const bool seriesInX =
            arguments.x <= arguments.y || (arguments.x <= seriesThreshold && 0.5 * k * arguments.y > 1.0);
        if (seriesInX && magnitude < largestSquaredArgument) {
            tail = studentSeriesTail(k, squareOverDegrees(k, magnitude), count);
            return t < 0 ? tail : 1.0 - tail;
        }
        // Beyond it, where betaTails would take the continued fraction, with the power from t^2 / k.
        const bool gammaLimitTaken = 0.5 * k >= gammaLimitRatio && arguments.y <= gammaLimitReach;
        if (arguments.x > arguments.y && 0.5 * k * arguments.y > 1.0 && !gammaLimitTaken) {
            tail = studentFractionTail(k, squareOverDegrees(k, magnitude), count);
            return t < 0 ? tail : 1.0 - tail;
        }
        tail = arguments.x <= arguments.y ? 0.5 * incompleteBeta(0.5 * k, 0.5, arguments.x, count)
                                          : 0.5 * complementaryIncompleteBeta(0.5, 0.5 * k, arguments.y, count);
    }
    return t < 0 ? tail : 1.0 - tail;
}

WITH_FUSED_MULTIPLY_ADD double studentDensity(double k, double t)
{
    k = std::floor(k);
    if (!(k >= 1) || std::isnan(t)) return std::numeric_limits<double>::quiet_NaN();
    const double magnitude = std::fabs(t);
    if (k >= normalLimitDegrees) {
        // phi(t) (1 + (t^4 - 2 t^2 - 1) / (4k)); 0 past |t| = 40, as the true density is there.
        if (magnitude > 40) return 0.0;
        const double square = magnitude * magnitude;
        return inlineExp(-0.5 * square) * constants::inverseSqrtTwoPi * (1 + ((square - 2) * square - 1) / (4 * k));
    }
    if (k == 2) {
        // (2 + t^2)^(-3/2), as 1 / r / r^2 with r = hypot(sqrt 2, t) so that nothing overflows early.
        const double r = std::hypot(std::sqrt(2.0), magnitude);
        return 1.0 / r / (r * r);
    }
    const double half = 0.5 * k;
    if (magnitude < largestSquaredArgument) {
        // (1 + t^2/k)^(-(k+1)/2) / (sqrt(k) B(k/2, 1/2)) with the power's
        // exponent, up to hundreds, in two parts and rounded once.
        const Scaled normaliser = studentNormaliser(k);
        const DoubleDouble exponent =
            plus(times(logOnePlus(squareOverDegrees(k, magnitude)), -(half + 0.5)), {normaliser.exponent, 0.0});
        return exponentialTimes(exponent, times(normaliser.factor, inverseRoot({k, 0.0})));
    }
    // Out where t^2 overflows: ln(1 + t^2/k) = 2 ln(|t| / sqrt(k)).
    const double logBase = 2.0 * std::log(magnitude / std::sqrt(k));
    if (half < stirlingRange) return std::exp(-(half + 0.5) * logBase - 0.5 * std::log(k) - logBeta(0.5, half));
    // 1 / (sqrt(k) B(1/2, k/2)) = R / sqrt(2 pi), R = Gamma(k/2 + 1/2) / (Gamma(k/2) sqrt(k/2)),
    // formed from Stirling's remainders so that it tends to 1 without rounding.
    const double logRatio = half * std::log1p(1.0 / k) - 0.5 + logGammaRemainder(half + 0.5) - logGammaRemainder(half);
    return std::exp(-(half + 0.5) * logBase + logRatio) / constants::sqrtTwoPi;
}

double studentQuantile(double k, double p, IterationCount* count)
{
    k = std::floor(k);
    if (!(p > 0)) return -constants::infinity;
    if (!(p < 1)) return constants::infinity;
    if (p == 0.5) return 0.0;
    const double side = p < 0.5 ? -1.0 : 1.0;
    const double tail = p < 0.5 ? p : 1.0 - p;  // exact for p >= 1/2
    if (k == 1) return side / std::tan(constants::pi * tail);
    if (k == 2) return side * (1.0 - 2.0 * tail) / std::sqrt(2.0 * tail * (1.0 - tail));
    if (k >= expansionDegrees) {
        const double z = inverseNormal(tail);
        if (z * z <= expansionReach * k) return -side * studentQuantileExpansion(k, z);
    }
    // I(k/2, 1/2; x) = 2 tail: solve for x where it lies below 1/2, else for y = 1 - x.
    const double twice = 2.0 * tail;
    const double halfway = incompleteBeta(0.5 * k, 0.5, 0.5, count);
    double x = 0.0, y = 0.0;
    if (twice <= halfway) {
        x = inverseIncompleteBeta(0.5 * k, 0.5, twice, count);
        y = 1.0 - x;
    } else {
        y = inverseComplementaryIncompleteBeta(0.5, 0.5 * k, twice, count);
        x = 1.0 - y;
    }
    return side * std::sqrt(k) * std::sqrt(y / x);
}
