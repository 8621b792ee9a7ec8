#include "numeric/discrete_masses.h"

#include <cmath>
#include <numbers>

#include "numeric/extended_log.h"
#include "numeric/inline_exp.h"

namespace {

// 2 pi / 16 and 1/3, each in two parts.
constexpr DoubleDouble twoPiOverSixteen = {0x1.921fb54442d18p-2, 0x1.1a62633145c07p-56};
constexpr DoubleDouble third = {0x1.5555555555555p-2, 0x1.5555555555555p-56};

// stirlingRemainder(n) for n = 1..15, where the asymptotic series is not yet
// accurate to double precision.
constexpr double stirlingRemainderTable[] = {
    0.08106146679532725822,   0.041340695955409294094,  0.027677925684998339149, 0.020790672103765093112,
    0.016644691189821192163,  0.013876128823070747999,  0.011896709945891770095, 0.010411265261972096497,
    0.0092554621827127329177, 0.0083305634333628712565, 0.007573675487951840795, 0.0069428401072095298657,
    0.0064089941880042070684, 0.0059513701127588477356, 0.005554733551962801371,
};
constexpr double stirlingTableEnd = 15.0;

// Coefficients of the asymptotic series 1/(12n) - 1/(360n^3) + 1/(1260n^5) - ...
// to n^-11: the first term left out is 1.4e-18 at n = 16, where the n^-11
// term would still be 1.1e-16.
constexpr double stirlingSeries[] = {1.0 / 12.0,   1.0 / 360.0,  1.0 / 1260.0,
                                     1.0 / 1680.0, 1.0 / 1188.0, 691.0 / 360360.0};

// Below this |x - m| / (x + m) the deviance is summed as a series. A mass
// that is a normal double has a deviance below 708; above the bound that
// keeps x below 708 2^12, so the logarithm's error, x 2^-77 at most, stays
// below 2^-55; below it the series' terms past the second add up to no more
// than 708 2^-12 / 3, whose rounding in plain doubles is as small.
constexpr double devianceSeriesBound = 0x1p-6;

// A deviance beyond this leaves e^-deviance below the subnormals, whatever
// the root and the Stirling terms beside it.
constexpr double vanishingDeviance = 800.0;

// x log(x / m) + m - x near x = m. With v = (x - m) / (x + m) and D = (x - m) v
// it is D + 2x (v^3/3 + v^5/5 + ...), and as 2x = (x + m) + (x - m) that is
// D + D v/3 + D (v^2/3 + (1 + v) v^3 (1/5 + v^2/7 + ...)). D, up to some
// hundreds, and D v/3 are carried in two parts; the rest is under 0.06.
DoubleDouble devianceSeries(double x, DoubleDouble m)
{
    // x - m.hi is exact this near (Sterbenz); halved operands keep x + m
    // finite up to the largest doubles.
    const DoubleDouble halfDifference = twoSum(0.5 * x - 0.5 * m.hi, -0.5 * m.lo);
    const DoubleDouble halfSum = plus(twoSum(0.5 * x, 0.5 * m.hi), {0.5 * m.lo, 0.0});
    const DoubleDouble v = divide(halfDifference, halfSum);
    const DoubleDouble leading = times({2.0 * halfDifference.hi, 2.0 * halfDifference.lo}, v);
    const DoubleDouble cubic = times(times(leading, v), third);
    const double w = v.hi, square = w * w;
    const double series = 1.0 / 5 + square * (1.0 / 7 + square * (1.0 / 9 + square * (1.0 / 11 + square / 13)));
    const double rest = leading.hi * (square * (1.0 / 3) + (1.0 + w) * (square * w) * series);
    const DoubleDouble sum = plus(leading, cubic);
    return {sum.hi, sum.lo + rest};
}

// x log(x / m) + m - x away from x = m, for x > 0: the logarithm of the
// rounded quotient, corrected to first order by the quotient's remainder and
// by m.lo, whose shares are 2^-53 of it.
DoubleDouble devianceByLog(double x, DoubleDouble m)
{
    const double quotient = x / m.hi;
    const DoubleDouble log = extendedLog(quotient);
    const double correction = (std::fma(-quotient, m.hi, x) - quotient * m.lo) / x;
    const DoubleDouble product = twoProduct(x, log.hi);
    const DoubleDouble difference = twoSum(m.hi, -x);
    const DoubleDouble sum = twoSum(product.hi, difference.hi);
    return {sum.hi, sum.lo + ((product.lo + difference.lo) + (m.lo + x * (log.lo + correction)))};
}

// e^exponent factor / sqrt(16 rootArgument), rounded once: the root's and the
// factor's roundings, relative and about 2^-53, join the exponent, whose
// exponential then takes the whole product in one fma.
double scaledExponential(DoubleDouble exponent, DoubleDouble rootArgument, DoubleDouble factor)
{
    const RoundedInverseRoot root = roundedInverseRoot(rootArgument);
    const DoubleDouble scale = twoProduct(0.25 * root.root, factor.hi);
    const double correction = (scale.lo + scale.hi * (factor.lo / factor.hi)) / scale.hi - 0.5 * root.eta;
    const DoubleDouble sum = normalized({exponent.hi, exponent.lo + correction});
    return inlineExpTimes(sum.hi, sum.lo, scale.hi);
}

// base^n for base = hi + lo > 0.
double power(DoubleDouble base, double n)
{
    const DoubleDouble log = extendedLog(base.hi);
    const DoubleDouble product = twoProduct(n, log.hi);
    if (product.hi < -vanishingDeviance) return 0.0;
    const DoubleDouble sum = normalized({product.hi, product.lo + n * (log.lo + base.lo / base.hi)});
    return inlineExpTimes(sum.hi, sum.lo, 1.0);
}

// log(C(n, k) p^k q^(n - k)) + log(sqrt(2 pi k (n - k) / n)) for 0 < k < n,
// q = 1 - p in two parts; -infinity where the mass vanishes.
DoubleDouble binomialExponent(double k, double n, double p, DoubleDouble q)
{
    const DoubleDouble deviance =
        plus(saddlePointDeviance(k, twoProduct(n, p)), saddlePointDeviance(n - k, times(q, n)));
    if (!(deviance.hi <= vanishingDeviance)) return {-INFINITY, 0.0};
    const double stirling = stirlingRemainder(n) - stirlingRemainder(k) - stirlingRemainder(n - k);
    return {-deviance.hi, stirling - deviance.lo};
}

}  // namespace

double stirlingRemainder(double n)
{
    if (n <= 0.0) return 0.0;
    if (n <= stirlingTableEnd) return stirlingRemainderTable[static_cast<int>(n) - 1];
    const double s = 1.0 / (n * n);
    const double* c = stirlingSeries;
    return (c[0] - (c[1] - (c[2] - (c[3] - (c[4] - c[5] * s) * s) * s) * s) * s) / n;
}

WITH_FUSED_MULTIPLY_ADD DoubleDouble saddlePointDeviance(double x, DoubleDouble m)
{
    if (x == 0.0) return m;
    if (std::fabs(x - m.hi) < 2.0 * devianceSeriesBound * (0.5 * x + 0.5 * m.hi)) return devianceSeries(x, m);
    return devianceByLog(x, m);
}

WITH_FUSED_MULTIPLY_ADD double binomialMass(double k, double n, double p)
{
    if (k < 0.0 || k > n) return 0.0;
    const DoubleDouble q = twoSum(1.0, -p);
    if (k == 0.0) return power(q, n);
    if (k == n) return power({p, 0.0}, n);
    const DoubleDouble exponent = binomialExponent(k, n, p, q);
    if (exponent.hi == -INFINITY) return 0.0;
    // 2 pi k (n - k) / n, over 16 to stay finite for the largest counts.
    const DoubleDouble rootArgument = times(times(divide({n - k, 0.0}, n), k), twoPiOverSixteen);
    return scaledExponential(exponent, rootArgument, {1.0, 0.0});
}

WITH_FUSED_MULTIPLY_ADD double negativeBinomialMass(double k, double successes, double p)
{
    if (k < 0.0) return 0.0;
    if (k == 0.0) return power({p, 0.0}, successes);
    // successes / n times the binomial (n, p) mass at successes, n = successes + k:
    // the factor is carried to the exponential with the root 2 pi successes k / n.
    const double n = successes + k;
    const DoubleDouble exponent = binomialExponent(successes, n, p, twoSum(1.0, -p));
    if (exponent.hi == -INFINITY) return 0.0;
    const DoubleDouble rootArgument = times(times(divide({k, 0.0}, n), successes), twoPiOverSixteen);
    return scaledExponential(exponent, rootArgument, divide({successes, 0.0}, n));
}

WITH_FUSED_MULTIPLY_ADD double poissonMass(double k, double lambda)
{
    if (k < 0.0) return 0.0;
    if (k == 0.0) return std::exp(-lambda);
    const DoubleDouble deviance = saddlePointDeviance(k, {lambda, 0.0});
    if (!(deviance.hi <= vanishingDeviance)) return 0.0;
    const DoubleDouble exponent = {-deviance.hi, -deviance.lo - stirlingRemainder(k)};
    return scaledExponential(exponent, times(twoPiOverSixteen, k), {1.0, 0.0});
}

namespace {

// Beyond this exponent the power is below the subnormals (and an infinite
// count would make its two parts a NaN).
constexpr double vanishingExponent = -800.0;

}  // namespace

WITH_FUSED_MULTIPLY_ADD double powerOfComplement(DoubleDouble logOfComplement, double n, double factor)
{
    const DoubleDouble exponent = times(logOfComplement, n);
    if (!(exponent.hi > vanishingExponent)) return 0.0;
    // Its low part, within a unit of the head's last place, joins the reduced
    // argument as it is.
    return inlineExpTimes(exponent.hi, exponent.lo, factor);
}

WITH_FUSED_MULTIPLY_ADD double complementOfPowerOfComplement(DoubleDouble logOfComplement, double n)
{
    if (!(logOfComplement.hi * n > vanishingExponent)) return 1.0;
    const DoubleDouble exponent = normalized(times(logOfComplement, n));
    // Where the power is above 1/2 its complement is small: -expm1 of the
    // exponent's head, with the tail's share e^hi lo added to first order.
    if (exponent.hi > -std::numbers::ln2) {
        const double belowOne = std::expm1(exponent.hi);
        return -(belowOne + exponent.lo * (1.0 + belowOne));
    }
    return 1.0 - inlineExpTimes(exponent.hi, exponent.lo, 1.0);
}
