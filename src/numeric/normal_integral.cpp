#include "numeric/normal_integral.h"

#include <cmath>

#include "numeric/constants.h"
#include "numeric/double_double.h"
#include "numeric/inline_exp.h"
#include "numeric/polynomial.h"

namespace {

constexpr double expMinusTwo = 0.1353352832366127;
constexpr double nearTailLimit = 8;  // switch between the two tail fits of inverseNormal

// inverseNormal: central range in v = (p - 0.5)^2, then the two tails in 1 / r.
constexpr double centralNumerator[] = {-59.96335010141079, 98.00107541859997, -56.67628574690703, 13.931260938727968,
                                       -1.2391658386738125};
constexpr double centralDenominator[] = {1,
                                         1.9544885833814176,
                                         4.676279128988815,
                                         86.36024213908905,
                                         -225.46268785411937,
                                         200.26021238006066,
                                         -82.03722561683334,
                                         15.90562251262117,
                                         -1.1833162112133};
constexpr double nearTailNumerator[] = {4.0554489230596245,  31.525109459989388,   57.16281922464213,
                                        44.08050738932008,   14.684956192885803,   2.1866330685079025,
                                        -0.1402560791713545, -0.03504246268278482, -0.0008574567851546854};
constexpr double nearTailDenominator[] = {1,
                                          15.779988325646675,
                                          45.39076351288792,
                                          41.3172038254672,
                                          15.04253856929075,
                                          2.504649462083094,
                                          -0.1421829228547878,
                                          -0.038080640769157834,
                                          -0.0009332594808954575};
constexpr double farTailNumerator[] = {3.2377489177694603,     6.915228890689842,     3.9388102529247444,
                                       1.3330346081580755,     0.2014853895491791,    0.012371663481782003,
                                       0.00030158155350823543, 2.658069746867375e-06, 6.239745391849833e-09};
constexpr double farTailDenominator[] = {1,
                                         6.02427039364742,
                                         3.6798356385616087,
                                         1.3770209948908132,
                                         0.21623699359449666,
                                         0.01342040060885432,
                                         0.00032801446468212774,
                                         2.8924786474538064e-06,
                                         6.790194080099813e-09};

}  // namespace

double errorFunction(double x) { return std::erf(x); }

double complementaryErrorFunction(double x) { return std::erfc(x); }

double inverseNormal(double p)
{
    double y = p;
    bool negate = true;
    if (y > 1.0 - expMinusTwo) {
        y = 1.0 - y;
        negate = false;
    }

    if (y > expMinusTwo) {
        const double u = y - 0.5;
        const double v = u * u;
        const double z =
            u + u * (v * evaluatePolynomial(centralNumerator, v) / evaluatePolynomial(centralDenominator, v));
        return z * constants::sqrtTwoPi;
    }

    const double r = std::sqrt(-2.0 * std::log(y));
    const double z0 = r - std::log(r) / r;
    const double w = 1.0 / r;
    const double correction =
        r < nearTailLimit ? w * evaluatePolynomial(nearTailNumerator, w) / evaluatePolynomial(nearTailDenominator, w)
                          : w * evaluatePolynomial(farTailNumerator, w) / evaluatePolynomial(farTailDenominator, w);
    const double z = z0 - correction;
    return negate ? -z : z;
}

namespace {

// From here on the tail comes from a rational fit of Mills' ratio, below from
// the C library's erfc, which is fast up to its argument 1.25 (z = 1.77) but
// takes two exponentials beyond.
constexpr double fitStart = 1.75;

// z M(z) = 1 + P(w) / Q(w) with w = z^2 for z >= 1.75, from
// tools/derive_normal_tail_fit.py: P / Q is within 7.6e-18 of its target, which
// leaves z M(z) within 2.5e-18.
constexpr double millsTailNumerator[] = {-1.0,
                                         -89.39551074272535,
                                         -3092.0103333663897,
                                         -53369.74679116533,
                                         -495394.2949474738,
                                         -2490096.2039452977,
                                         -6511679.697637303,
                                         -8063450.88868811,
                                         -3912064.0350052523,
                                         -472765.8332750149};
constexpr double millsTailDenominator[] = {1.0,
                                           92.39551074272528,
                                           3354.19686559466,
                                           62151.40472675548,
                                           640292.0847875515,
                                           3753973.297719977,
                                           12350716.488371328,
                                           21711589.8426758,
                                           18503144.084075276,
                                           6323112.612874524,
                                           551364.4363840105};

// From here z M(z) is 1 to the last bit (it is 1 - 1/z^2 + ...), and z^2
// would overflow the fit's powers.
constexpr double millsRatioOne = 0x1p30;

// 1/sqrt(2 pi) as the sum of two doubles.
constexpr double inverseSqrtTwoPiHigh = 0.3989422804014327;
constexpr double inverseSqrtTwoPiLow = -2.49232720227773e-17;

// 1/sqrt(2) as the sum of two doubles.
constexpr double halfSqrtTwoHigh = 0.7071067811865476;
constexpr double halfSqrtTwoLow = -4.833646656726457e-17;

// Beyond this the tail is below the smallest subnormal double.
constexpr double underflowReach = 38.62;

// z M(z) as a fraction: 1 + P / Q = (Q + P) / Q, both at w = z^2 for z >= 1.75.
struct MillsFraction {
    double numerator;    // P, the part below 1
    double denominator;  // Q
};

MillsFraction millsFraction(double w)
{
    return {evaluatePolynomialInParallel(millsTailNumerator, w), evaluatePolynomialInParallel(millsTailDenominator, w)};
}

// erfc(hi + lo) = erfc(hi) (1 - 2 lo M(hi)) to first order, with M(x) =
// exp(-x^2) / (sqrt(pi) erfc(x)), which (x + sqrt(x^2 + 4/pi)) / 2 matches
// within 4% at every x >= 0 (its bounds: Abramowitz and Stegun 7.1.13), ample
// for a correction of a few ulps; without it the rounding of z / sqrt 2 alone
// would cost about z^2 ulps of the tail.
double upperTailByErfc(double z)
{
    const double high = z * halfSqrtTwoHigh;
    const double low = std::fma(z, halfSqrtTwoHigh, -high) + z * halfSqrtTwoLow;
    const double ratio = 0.5 * (high + std::sqrt(high * high + 4 / constants::pi));
    // Added as a term of its own: a factor 1 - 2 lo M rounded to a double would cost an ulp.
    const double tail = complementaryErrorFunction(high) * 0.5;
    return std::fma(tail, -2 * low * ratio, tail);
}

// Q(z) = e^(-z^2/2) (Q + P) / (sqrt(2 pi) z Q) with z^2 / 2 in two parts, so
// the exponential takes no rounding of it; the rounding of Q cancels but for
// its share in P / Q, under a fifth.
double upperTailByFit(double z)
{
    const DoubleDouble square = twoProduct(z, z);
    const MillsFraction fraction = millsFraction(square.hi);
    const double q = fraction.denominator;
    const double scaledSum =
        std::fma(inverseSqrtTwoPiHigh, q, std::fma(inverseSqrtTwoPiLow, q, inverseSqrtTwoPiHigh * fraction.numerator));
    return inlineExpTimes(-0.5 * square.hi, -0.5 * square.lo, scaledSum / (z * q));
}

// Q(z) for z >= 0 (and NaN for NaN).
double upperTailOfPositive(double z)
{
    if (z > underflowReach) return 0.0;
    if (z >= fitStart) return upperTailByFit(z);
    return upperTailByErfc(z);
}

}  // namespace

// Compiled with fused multiply-add where the processor has it: the fma of its
// paths were library calls, which doubled the time of a normal distribution
// function.
WITH_FUSED_MULTIPLY_ADD double normalUpperTail(double z)
{
    // 1 - Q(-z) rounds to 1 once Q(-z) is below 2^-54 (z < -8.2924), and
    // at -inf; Q(+inf) is 0 beyond the reach of the doubles.
    if (z < -8.3) return 1.0;
    return z < 0 ? 1 - upperTailOfPositive(-z) : upperTailOfPositive(z);
}

WITH_FUSED_MULTIPLY_ADD double millsRatio(double z)
{
    if (z >= millsRatioOne) return 1 / z;
    if (z >= fitStart) {
        const MillsFraction fraction = millsFraction(z * z);
        return (fraction.denominator + fraction.numerator) / (z * fraction.denominator);
    }
    // Nearer the centre the ratio of the two functions themselves.
    return normalUpperTail(z) / (inlineExp(-z * z / 2) * constants::inverseSqrtTwoPi);
}
