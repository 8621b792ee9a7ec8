#include "numeric/normal_integral.h"

#include <cmath>

#include "numeric/constants.h"
#include "numeric/continued_fraction.h"
#include "numeric/double_double.h"
#include "numeric/polynomial.h"

namespace {

constexpr double expMinusTwo = 0.1353352832366127;
constexpr double nearTailLimit = 8;    // switch between the two tail fits of inverseNormal
constexpr int millsRatioRounds = 100;  // 40 suffice at z = 5

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

double millsRatio(double z)
{
    if (z == constants::infinity) return 0.0;
    // Q(z) / phi(z) = 1 / (z + 1 / (z + 2 / (z + 3 / (z + ...)))) (Laplace, 1805).
    const auto terms = [z](int n) { return FractionTerm{n == 1 ? 1.0 : n - 1.0, z}; };
    return evaluateContinuedFractionWithoutLead(terms, millsRatioRounds);
}

namespace {

// 1/sqrt(2) as the sum of two doubles.
constexpr double halfSqrtTwoHigh = 0.7071067811865476;
constexpr double halfSqrtTwoLow = -4.833646656726457e-17;

// Up to here erfc(z / sqrt 2) stays a normal double (erfc(26.2) = 1.6e-300);
// beyond, the upper tail comes from Mills' ratio, which needs few rounds there.
constexpr double millsRatioReach = 37;

// Beyond this the tail is below the smallest subnormal double.
constexpr double underflowReach = 38.62;

}  // namespace

// erfc(hi + lo) = erfc(hi) (1 - 2 lo M(hi)) to first order, with M(x) =
// exp(-x^2) / (sqrt(pi) erfc(x)), which (x + sqrt(x^2 + 4/pi)) / 2 matches
// within 4% at every x >= 0 (its bounds: Abramowitz and Stegun 7.1.13), ample
// for a correction of a few ulps; without it the rounding of z / sqrt 2 alone
// would cost about z^2 ulps of the tail. Compiled with fused multiply-add
// where the processor has it: its two fma were library calls, which doubled
// the time of a normal distribution function.
WITH_FUSED_MULTIPLY_ADD double normalUpperTail(double z)
{
    if (std::isinf(z)) return z > 0 ? 0.0 : 1.0;
    if (z < 0) return 1 - normalUpperTail(-z);
    if (z > underflowReach) return 0.0;
    if (z >= millsRatioReach) return std::exp(-z * z / 2) * (millsRatio(z) / constants::sqrtTwoPi);
    const double high = z * halfSqrtTwoHigh;
    const double low = std::fma(z, halfSqrtTwoHigh, -high) + z * halfSqrtTwoLow;
    const double ratio = 0.5 * (high + std::sqrt(high * high + 4 / constants::pi));
    // Added as a term of its own: a factor 1 - 2 lo M rounded to a double would cost an ulp.
    const double tail = complementaryErrorFunction(high) * 0.5;
    return std::fma(tail, -2 * low * ratio, tail);
}
