#include "numeric/gamma_functions.h"

#include <cmath>
#include <limits>

#include "numeric/constants.h"
#include "numeric/discrete_masses.h"
#include "numeric/double_double.h"
#include "numeric/extended_log.h"
#include "numeric/inline_exp.h"
#include "numeric/normal_integral.h"
#include "numeric/polynomial.h"
#include "numeric/root_finder.h"
#include "numeric/scaled_error_function.h"
#include "numeric/tail_fractions.h"

namespace {

using constants::eulerGamma;
using constants::infinity;
using constants::largestDouble;
using constants::logSqrtTwoPi;
using constants::smallestNormal;
using constants::sqrtTwoPi;

constexpr double stirlingSwitch = 33;
constexpr double powerSplit = 143.01608;
constexpr double recurrenceLimit = 13;     // logGamma recurs below it
constexpr double shortSeriesLimit = 1000;  // logGamma's two-term series from here
constexpr double noSeriesLimit = 1e8;      // logGamma drops the series above it
constexpr double tinyArgument = 1e-300;    // below it 1/x may overflow; ln Gamma(x) = -ln x - eulerGamma x
constexpr double seriesTolerance = 0x1p-57;
constexpr double underflowLimit = -constants::largestExponent;
// Below this shape and x the integrals come from the small-shape forms, which
// keep Q's digits when P is all but 1.
constexpr double smallShape = 1;
constexpr double smallShapeReach = 1.5;
// Q's small-shape form sums three parts of about a that cancel to a E1(x):
// by 6 times at x = 0.9 and 17 at x = 1.4, so from x = 0.75 on the fraction,
// up to 150 rounds there, keeps Q's digits instead.
constexpr double upperSmallShapeReach = 0.75;

// The series and the continued fraction need about 8.3 sqrt(a) rounds where they
// converge most slowly (x near a); near x = a they run only below
// uniformShape, well within this bound.
constexpr int expansionRounds = 100000;
// From this shape on P and Q come from the uniform expansion below wherever
// |eta| <= uniformReach (x from about 0.5 a to 1.9 a): the series would need
// some 80 rounds at x = a here and more with sqrt(a). Further out they converge
// fast. From a = 4200 on every tail above the underflow lies within reach.
constexpr double uniformShape = 100;
constexpr double uniformReach = 0.6;
// Beyond this a eta^2 / 2 the smaller tail is below 1e-320 (about e^-745 / 60).
constexpr double largestExponent = 750;
// Below this a eta^2 / 2 (erfc's argument below 9) the C library's erfc keeps
// 1e-15 of its value; beyond it was measured to lose 1e-14, while the continued
// fraction of the scaled erfc needs no more than a dozen rounds.
constexpr double erfcExponentLimit = 81;
constexpr int logExcessRounds = 30;  // 13 suffice at |t| = 0.5
constexpr double digammaSeriesStart = 10;
// Halley rounds of the inverse: a handful from a good start; the bound covers
// geometric bisection across the whole double range and then to full precision.
constexpr int inverseRounds = 200;
constexpr double inverseTolerance = 4 * constants::epsilon;
// Below this shape a root near 0 magnifies P's rounding more than ten times,
// and is worth one more evaluation of P in two parts.
constexpr double polishShape = 0.1;

// Gamma(x + 2) on 0 <= x < 1 as P(x) / Q(x).
constexpr double gammaNumerator[] = {0.00016011952247675185,
                                     0.0011913514700658638,
                                     0.010421379756176156,
                                     0.04763678004571372,
                                     0.20744822764843596,
                                     0.4942148268014971,
                                     1};
constexpr double gammaDenominator[] = {
    -2.3158187332412014e-05, 0.0005396055804933034, -0.004456419138517973, 0.011813978522206043,
    0.035823639860549865,    -0.23459179571824335,  0.0714304917030273,    1};
// 1/Gamma(1 + a) - 1 = a (c_1 + c_2 a + ... + c_26 a^25), highest first; within
// 2e-18 for |a| <= 1 (tools/derive_reciprocal_gamma_series.py).
constexpr double reciprocalGammaSeries[] = {
    1.1866922547516004e-18,  -1.1812593016974588e-16, 1.2267786282382608e-15,  -5.348122539423018e-15,
    -2.0583260535665066e-14, 5.100370287454476e-13,   -3.696805618642206e-12,  7.782263439905071e-12,
    1.0434267116911005e-10,  -1.18127457048702e-09,   5.002007644469223e-09,   6.116095104481416e-09,
    -2.056338416977607e-07,  1.133027231981696e-06,   -1.2504934821426706e-06, -2.013485478078824e-05,
    0.0001280502823881162,   -0.00021524167411495098, -0.0011651675918590652,  0.0072189432466631,
    -0.009621971527876973,   -0.04219773455554433,    0.16653861138229148,     -0.04200263503409524,
    -0.6558780715202539,     0.5772156649015329};

// Stirling's correction series in 1/x.
constexpr double stirlingCorrection[] = {0.0007873113957930937, -0.00022954996161337815, -0.0026813261780578124,
                                         0.0034722222160545866, 0.08333333333334823};
// ln Gamma(x + 2) on 0 <= x < 1 as x B(x) / C(x).
constexpr double logGammaNumerator[] = {-1378.2515256912086, -38801.631513463784, -331612.9927388712,
                                        -1162370.974927623,  -1721737.0082083966, -853555.6642457654};
constexpr double logGammaDenominator[] = {1,
                                          -351.81570143652345,
                                          -17064.210665188115,
                                          -220528.59055385445,
                                          -1139334.4436798252,
                                          -2532523.0717758294,
                                          -2018891.4143353277};
// The asymptotic series of ln Gamma in 1/x^2.
constexpr double logGammaAsymptotic[] = {0.0008116141674705084, -0.0005950619042843014, 0.0007936503404577169,
                                         -0.002777777777300997, 0.0833333333333332};

// The uniform expansion of the incomplete gamma integrals for large shapes:
//   Q(a, x) = erfc(eta sqrt(a/2)) / 2 + e^(-a eta^2/2) / sqrt(2 pi a) sum_k c_k(eta) / a^k,
//   P(a, x) = erfc(-eta sqrt(a/2)) / 2 - (the same sum),
// with lambda = x / a, eta^2 / 2 = lambda - 1 - ln lambda and eta of the sign of
// lambda - 1. c_0 = 1 / (lambda - 1) - 1 / eta and c_k = c_{k-1}' / eta + (-1)^k g_k / (lambda - 1),
// g_k the coefficients of Stirling's series for Gamma (1/12, 1/288, -139/51840, ...).
// Each c_k is cancellation-prone near eta = 0, so here they are its Taylor
// polynomials in eta (tools/derive_uniform_expansion.py), for |eta| <= 0.6 and
// a >= 100: there the terms left out, and c_7 / a^7, stay below 1e-17 of the tail.
// The first table is lambda - 1 as a function of eta, for the inverse.
constexpr double uniformExpansionLambda[] = {1.5326196647277207e-14,
                                             5.2401866818838735e-15,
                                             -2.513834640057088e-13,
                                             1.2822077905614429e-12,
                                             -3.239317851416903e-12,
                                             -1.5008349408791911e-12,
                                             5.717312238897994e-11,
                                             -2.921357345635569e-10,
                                             7.32986413160022e-10,
                                             5.159887341078076e-10,
                                             -1.47216272806884e-08,
                                             7.542464855411896e-08,
                                             -1.85406221071516e-07,
                                             -2.428276122977769e-07,
                                             4.899078973153047e-06,
                                             -2.553644914756026e-05,
                                             5.878894767783657e-05,
                                             0.0002314814814814815,
                                             -0.003703703703703704,
                                             0.027777777777777776,
                                             0.3333333333333333,
                                             1.0,
                                             0.0};
constexpr double uniformExpansionTerm0[] = {
    2.8534893807047445e-14,  -1.392388722418162e-13, 3.371763262400985e-13,  1.1004392031956135e-13,
    -5.0276692801141755e-12, 2.4361948020667415e-11, -5.830772132550426e-11, -2.5514193994946248e-11,
    9.14769958223679e-10,    -4.382036018453353e-09, 1.0261809784240309e-08, 6.707853543401498e-09,
    -1.7665952736826078e-07, 8.296711340953087e-07,  -1.85406221071516e-06,  -2.185448510679992e-06,
    3.919263178522438e-05,   -0.0001787551440329218, 0.0003527336860670194,  0.0011574074074074073,
    -0.014814814814814815,   0.08333333333333333,    -0.3333333333333333};
constexpr double uniformExpansionTerm1[] = {5.996696365683689e-13,   -2.933186643771437e-12,  7.1624989648114856e-12,
                                            6.067215101604758e-14,   -8.56390702649298e-11,   4.162792991842583e-10,
                                            -1.0091543710600413e-09, -1.7543241719747647e-11, 1.1951628599778148e-08,
                                            -5.752545603517705e-08,  1.378633446915721e-07,   4.647127802807434e-09,
                                            -1.6120900894563446e-06, 7.64916091608111e-06,    -1.8098550334489977e-05,
                                            -4.018775720164609e-07,  0.00020576131687242798,  -0.0009902263374485596,
                                            0.0026455026455026454,   -0.003472222222222222,   -0.001851851851851852};
constexpr double uniformExpansionTerm2[] = {
    1.197593554636698e-11,   -5.5645956134363323e-11, 1.2872252400089318e-10, 9.428356159014678e-13,
    -1.3670488396617114e-09, 6.228974084922022e-09,   -1.409252991086752e-08, -2.0477098421990866e-10,
    1.4280614206064242e-07,  -6.298992138380055e-07,  1.3721957309062934e-06, 3.423578734096138e-08,
    -1.2760635188618728e-05, 5.2923448829120125e-05,  -0.0001073665322636516, 2.0093878600823047e-06,
    0.0007716049382716049,   -0.0026813271604938273,  0.004133597883597883};
constexpr double uniformExpansionTerm3[] = {
    -9.460496661855133e-10,  2.0620131815488797e-09,  2.3928620439808118e-12,  -1.9111168485973655e-08,
    8.099464905388083e-08,   -1.6958404091930278e-07, -2.7861080291528143e-11, 1.4230900732435883e-06,
    -5.6749528269915965e-06, 1.1082654115347302e-05,  -2.396505113867297e-07,  -7.561801671883977e-05,
    0.00026772063206283885,  -0.0004691894943952557,  0.00022947209362139917,  0.0006494341563786008};
constexpr double uniformExpansionTerm4[] = {-1.4189739437803219e-08, 2.8865829742708783e-08,  2.956794137544049e-11,
                                            -2.292934834000805e-07,  8.907507532205309e-07,   -1.6954149536558305e-06,
                                            2.507497226237533e-10,   1.1375726970678419e-05,  -3.968365047179435e-05,
                                            6.641498215465122e-05,   -1.4638452578843418e-06, -0.0002990724803031902,
                                            0.0007840392217200666,   -0.0008618882909167117};
constexpr double uniformExpansionTerm5[] = {3.4652846491085265e-07, -3.252473551298454e-10,  -2.291481176508095e-06,
                                            8.018470256334202e-06,  -1.3594048189768693e-05, 1.419062920643967e-07,
                                            6.797780477937208e-05,  -0.00019932570516188847, 0.0002772753244959392,
                                            -6.972813758365857e-05, -0.00033679855336635813};
constexpr double uniformExpansionTerm6[] = {-1.8329116582843375e-05, 5.61168275310625e-05,  -8.153969367561969e-05,
                                            7.902353232660328e-07,   0.0002708782096718045, -0.0005921664373536939,
                                            0.0005313079364639922};

double stirlingGamma(double x)
{
    double w = 1.0 / x;
    w = 1.0 + w * evaluatePolynomial(stirlingCorrection, w);
    double y = std::exp(x);
    if (x > powerSplit) {
        const double v = std::pow(x, 0.5 * x - 0.25);
        y = v * (v / y);
    } else {
        y = std::pow(x, x - 0.5) / y;
    }
    return sqrtTwoPi * y * w;
}

// x^a e^-x / Gamma(a), the factor both expansions share; 0 when it underflows
// (or cannot be formed, as at x = +inf). Below shape 1 it is a x^a e^-x /
// Gamma(1 + a), so a tiny shape's large ln Gamma(a) never passes through exp.
double incompleteGammaFactor(double a, double x)
{
    if (a < smallShape) {
        const double e = a * std::log(x) - x - logGamma(1.0 + a);
        return e >= underflowLimit ? a * std::exp(e) : 0.0;
    }
    const double e = logGammaFactor(a, x);
    if (!(e >= underflowLimit)) return 0.0;
    return std::exp(e);
}

// 1/Gamma(1 + a) - 1 for |a| <= 1, without the cancellation of the difference.
double reciprocalGammaExcess(double a) { return a * evaluatePolynomial(reciprocalGammaSeries, a); }

// The power term x^a e^-x / Gamma(a + 1) of both expansions is the
// exponential of a sum of terms in the hundreds (a ln x at x = 1e-300, x at
// x = 600, the deviance of a large shape): one rounding of that sum in plain
// doubles is already up to 1e-13 of the result. So the exponent is carried in
// two doubles, and the factor that the series or the fraction contributes
// joins the one rounding of the exponential.

// Below this shape ln Gamma(a + 1) comes from the reciprocal series and a
// product of at most 15 factors; from it on, Stirling's remainder series is
// good to 1e-18.
constexpr double stirlingShape = 16;
// Beyond this the power term is below the subnormals, whatever its factor.
constexpr double vanishingExponent = -800;
constexpr DoubleDouble twoPi = {0x1.921fb54442d18p+2, 0x1.1a62633145c07p-52};

// ln(x^a e^-x / Gamma(a + 1)) for a < stirlingShape. With a = f + m, m whole,
//   1/Gamma(a + 1) = (1 + g(f)) / ((f + 1)(f + 2)...(f + m)),
// g the reciprocal series, whose logarithm is below 0.13; the factors f + k
// are exact and their product is kept in two parts.
DoubleDouble directExponent(double a, double x)
{
    const double whole = std::floor(a);
    const double f = a - whole;
    const DoubleDouble log = extendedLog(x);
    const DoubleDouble power = twoProduct(a, log.hi);
    DoubleDouble sum = twoSum(power.hi, -x);
    sum.lo += power.lo + a * log.lo + std::log1p(reciprocalGammaExcess(f));
    if (whole > 0) {
        DoubleDouble product = {f + 1.0, 0.0};
        for (double k = 2; k <= whole; ++k) product = times(product, f + k);
        const DoubleDouble logProduct = extendedLog(product.hi);
        sum = plus(sum, {-logProduct.hi, -(logProduct.lo + product.lo / product.hi)});
    }
    return normalized(sum);
}

// factor x^a e^-x / Gamma(a + 1) for a factor hi + lo > 0, rounded once;
// 0 where it underflows. From stirlingShape on it is C. Loader's (2000)
// saddle-point form e^-(D + R(a)) / sqrt(2 pi a), D = a ln(a / x) + x - a
// the deviance and R Stirling's remainder, as the Poisson masses: the root's
// rounding, like the factor's, is a relative error that joins the exponent.
double powerTermTimes(double a, double x, DoubleDouble factor)
{
    double scale = factor.hi;
    double correction = factor.lo / factor.hi;
    DoubleDouble exponent;
    if (a < stirlingShape) {
        exponent = directExponent(a, x);
    } else {
        const DoubleDouble deviance = saddlePointDeviance(a, {x, 0.0});
        exponent = {-deviance.hi, -deviance.lo - stirlingRemainder(a)};
        const RoundedInverseRoot root = roundedInverseRoot(times(twoPi, a));
        const DoubleDouble product = twoProduct(scale, root.root);
        scale = product.hi;
        correction += product.lo / product.hi - 0.5 * root.eta;
    }
    if (!(exponent.hi > vanishingExponent) || !(scale > 0)) return 0.0;
    const DoubleDouble sum = normalized({exponent.hi, exponent.lo + correction});
    // The inline exponential takes factors up to 2^40; a larger one (the
    // density of a huge shape) passes its power of two outside.
    if (scale <= 0x1p40) return inlineExpTimes(sum.hi, sum.lo, scale);
    int twos = 0;
    const double fraction = std::frexp(scale, &twos);
    return std::ldexp(inlineExpTimes(sum.hi, sum.lo, fraction), twos);
}

// P(a, x) for x <= max(1, a) by its power series
//   P = x^a e^-x / Gamma(a + 1) (1 + x / (a + 1) + x^2 / ((a + 1)(a + 2)) + ...),
// all terms positive (A&S 6.5.29); about 8 sqrt(a) rounds at x = a.
WITH_FUSED_MULTIPLY_ADD DoubleDouble lowerSeriesSum(double a, double x, IterationCount* count)
{
    // Each term c x / (a + n) rounds a + n, the product and the quotient; the
    // errors, exact by fma, add up in drift, which corrects every term to
    // first order: where the terms shrink slowly (x = a / 2 and up) their
    // roundings would otherwise pile up to some units in the sum.
    double c = 1.0;
    double drift = 0.0;
    DoubleDouble s = {1.0, 0.0};
    for (int round = 1; round <= expansionRounds; ++round) {
        countRound(count);
        const DoubleDouble r = twoSum(a, round);
        const DoubleDouble product = twoProduct(c, x);
        if (product.hi == 0) break;
        c = product.hi / r.hi;
        drift += (std::fma(-c, r.hi, product.hi) + product.lo) / product.hi - r.lo / r.hi;
        s = quickTwoSum(s.hi, c + (s.lo + c * drift));
        // The terms left out add up to less than c x / (a + n + 1 - x).
        if (!(c * x > seriesTolerance * s.hi * (r.hi + 1.0 - x))) break;
    }
    return s;
}

double lowerSeries(double a, double x, IterationCount* count)
{
    return powerTermTimes(a, x, lowerSeriesSum(a, x, count));
}

// Q(a, x) for x > max(1, a) by Legendre's continued fraction times its factor.
WITH_FUSED_MULTIPLY_ADD double upperFraction(double a, double x, IterationCount* count)
{
    return powerTermTimes(a, x, times(gammaTailFractionParts(a, x, count), a));
}

// Q(a, x) for a < 1 and x < upperSmallShapeReach, formed directly: with
//   S = sum_{n >= 1} (-x)^n / (n! (a + n)), g = 1/Gamma(1 + a) - 1, e = x^a - 1,
//   Q = -(g + e + g e) - (1 + g)(1 + e) a S,
// the small-shape form of W. Gautschi (1979), "A computational procedure for
// incomplete gamma functions", as N. M. Temme (1994) recasts it in "A set of
// algorithms for the incomplete gamma functions". It keeps Q's digits where P
// rounds to 1 (Q is about a E1(x) for a tiny shape).
double smallShapeUpper(double a, double x, IterationCount* count)
{
    double term = 1.0;
    double s = 0.0;
    for (int n = 1; n <= expansionRounds; ++n) {
        countRound(count);
        term *= -x / n;
        const double next = term / (a + n);
        s += next;
        if (!(std::fabs(next) > 1e-17 * std::fabs(s))) break;
    }
    const double g = reciprocalGammaExcess(a);
    const double e = std::expm1(a * std::log(x));
    // x^a / Gamma(1 + a), from the power itself: 1 + e would lose a small x^a.
    const double scale = (1.0 + g) * std::exp(a * std::log(x));
    return -(g + e + g * e) - scale * a * s;
}

}  // namespace

double logExcess(double t)
{
    if (!(std::fabs(t) < 0.5)) return t - std::log1p(t);
    const double u = t / (2.0 + t);
    const double uu = u * u;
    double power = 1.0;
    double sum = 0.0;
    for (int k = 1; k <= logExcessRounds; ++k) {
        power *= uu;
        const double term = power / (2.0 * k + 1.0);
        sum += term;
        if (term < 1e-17 * sum) break;
    }
    return t * u - 2.0 * u * sum;
}

namespace {

// A value carried as an unevaluated sum hi + lo, |lo| within a rounding of hi.
struct SplitDouble {
    double hi;
    double lo;
};

// eta^2 / 2 = T - ln(1 + T) for T = t + tLow with -0.5 <= t <= 1, as a split
// double. With u = T / (2 + T),
//   T - ln(1 + T) = u (T - 2 S),  S = u^2/3 + R,  R = u^4/5 + u^6/7 + ...
// (from ln(1 + T) = 2 artanh u), a sum without cancellation; u, u^2/3 and the
// products carry their rounding errors (error-free transformations with fma,
// as in T. J. Dekker, 1971, "A floating-point technique for extending the
// available precision"), R, some T^3 / 80 of the whole, needs none: the
// relative error is about 1e-18 t^3 plus a few units in 1e-32.
SplitDouble halfEtaSquared(double t, double tLow)
{
    const double v = 2.0 + t;
    const double vLow = (2.0 - v) + t;  // exact: |t| < 2
    const double u = t / v;
    const double uLow = (std::fma(-u, v, t) - u * vLow) / v + 2.0 * tLow / (v * v);
    const double uu = u * u;
    const double third = uu / 3.0;
    const double thirdLow = (std::fma(-third, 3.0, uu) + std::fma(u, u, -uu) + 2.0 * u * uLow) / 3.0;
    double power = uu;
    double rest = 0.0;
    for (int k = 2; k <= logExcessRounds; ++k) {
        power *= uu;
        const double term = power / (2.0 * k + 1.0);
        rest += term;
        if (term < 1e-17 * rest) break;
    }
    const double series = third + rest;
    const double seriesLow = (third - series) + rest + thirdLow;
    const double w = t - 2.0 * series;
    const double wLow = ((t - w) - 2.0 * series) + tLow - 2.0 * seriesLow;
    const double hi = u * w;
    const double lo = std::fma(u, w, -hi) + u * wLow + uLow * w;
    return {hi + lo, (hi - (hi + lo)) + lo};
}

// The smaller of P(a, x) and Q(a, x) for a >= uniformShape by the uniform
// expansion: Q where x >= a, P below. Tails past the underflow are 0; found is
// false where |eta| lies beyond the reach of the tables. The exponent a eta^2 / 2
// is carried to about 1e-16 absolute, so the tails keep their digits even
// where e^-exponent is 1e-300.
struct SmallerTail {
    double value;
    bool upper;
    bool found;
};

SmallerTail uniformExpansionTail(double a, double x, IterationCount* count)
{
    const double d = x - a;  // exact where x lies within a factor 2 of a
    const double t = d / a;
    const bool upper = t >= 0;
    if (!(t > -0.5 && t < 1.0)) {
        // Beyond the reach of the tables: only a tail past the underflow is settled.
        const bool underflows = !(a * logExcess(t) <= largestExponent);
        return {0.0, upper, underflows};
    }
    const SplitDouble half = halfEtaSquared(t, std::fma(-t, a, d) / a);
    const double exponent = a * half.hi;
    const double exponentLow = std::fma(a, half.hi, -exponent) + a * half.lo;
    if (!(exponent <= largestExponent)) return {0.0, upper, true};
    const double eta = std::copysign(std::sqrt(2.0 * half.hi), t);
    if (!(std::fabs(eta) <= uniformReach)) return {0.0, upper, false};
    const double r = 1.0 / a;
    // Horner's rule in 1/a over the seven terms; their own polynomials are
    // independent chains the processor runs side by side.
    const double c0 = evaluatePolynomial(uniformExpansionTerm0, eta);
    const double c1 = evaluatePolynomial(uniformExpansionTerm1, eta);
    const double c2 = evaluatePolynomial(uniformExpansionTerm2, eta);
    const double c3 = evaluatePolynomial(uniformExpansionTerm3, eta);
    const double c4 = evaluatePolynomial(uniformExpansionTerm4, eta);
    const double c5 = evaluatePolynomial(uniformExpansionTerm5, eta);
    const double c6 = evaluatePolynomial(uniformExpansionTerm6, eta);
    const double sum = c0 + r * (c1 + r * (c2 + r * (c3 + r * (c4 + r * (c5 + r * c6)))));
    const double remainder = (upper ? sum : -sum) / (sqrtTwoPi * std::sqrt(a));
    const double decay = std::exp(-exponent) * (1.0 - exponentLow);  // e^-(exponent + exponentLow)
    const double y = std::sqrt(exponent);
    if (exponent < erfcExponentLimit) {
        // y^2 misses the full exponent by a rounding and its low part, which erfc
        // would magnify by 2 y^2; the first-order correction erfc'(y) (sqrt(exponent) - y)
        // takes them back.
        const double miss = std::fma(y, y, -exponent) - exponentLow;
        const double rounding = y > 0 ? miss * (0.5 * constants::inverseSqrtPi) / y : 0.0;
        return {0.5 * std::erfc(y) + (remainder + rounding) * decay, upper, true};
    }
    // Far out: erfc scaled by e^(y^2), which varies slowly with y (so needs no
    // correction for its rounding), with the factor taken once.
    const double scaled = 0.5 * scaledComplementaryErrorFunction(y, count) + remainder;
    return {scaled * decay, upper, true};
}

}  // namespace

double gammaFunction(double x)
{
    if (!(x > 0)) return x == 0 || x < 0 ? infinity : x;
    if (x == infinity) return infinity;
    if (x > stirlingSwitch) return stirlingGamma(x);

    double z = 1.0;
    while (x >= 3) {
        x -= 1.0;
        z *= x;
    }
    while (x < 2) {
        if (x < 1e-9) return z / ((1.0 + eulerGamma * x) * x);
        z /= x;
        x += 1.0;
    }
    if (x == 2) return z;
    x -= 2.0;
    return z * evaluatePolynomial(gammaNumerator, x) / evaluatePolynomial(gammaDenominator, x);
}

double logGamma(double x)
{
    if (!(x > 0)) return x == 0 || x < 0 ? infinity : x;
    if (x < tinyArgument) return -std::log(x) - eulerGamma * x;

    if (x < recurrenceLimit) {
        double z = 1.0;
        double p = 0.0;
        double u = x;
        while (u >= 3) {
            p -= 1.0;
            u = x + p;
            z *= u;
        }
        while (u < 2) {
            z /= u;
            p += 1.0;
            u = x + p;
        }
        if (u == 2) return std::log(z);
        p -= 2.0;
        const double t = x + p;
        return std::log(z) + t * evaluatePolynomial(logGammaNumerator, t) / evaluatePolynomial(logGammaDenominator, t);
    }

    return (x - 0.5) * std::log(x) - x + logSqrtTwoPi + logGammaRemainder(x);
}

double logGammaOfOnePlus(double s)
{
    if (std::fabs(s) <= 1) return -std::log1p(reciprocalGammaExcess(s));
    return logGamma(1.0 + s);
}

double digamma(double x)
{
    if (!(x > 0)) return constants::infinity * -1.0;
    // psi(x) = psi(x + n) - sum 1/(x + k), then the asymptotic series from 10 on:
    // psi(x) = ln x - 1/(2x) - 1/(12x^2) + 1/(120x^4) - 1/(252x^6) + 1/(240x^8) - 1/(132x^10)
    //          + 691/(32760x^12) - 1/(12x^14): the first term left out is below 5e-17 at 10,
    // where the x^-12 term is 2e-14. Below 10 the logarithm and the shift, which
    // cancel to half their size at x = 1/2, are carried in two parts.
    DoubleDouble shift = {0.0, 0.0};
    while (x < digammaSeriesStart) {
        const double inverse = 1.0 / x;
        shift = plus(shift, {inverse, std::fma(-inverse, x, 1.0) / x});
        x += 1.0;
    }
    const DoubleDouble logX = shift.hi == 0.0 ? DoubleDouble{std::log(x), 0.0} : extendedLog(x);
    const DoubleDouble head = plus(logX, negated(shift));
    const double r = 1.0 / (x * x);
    const double series =
        r * (1.0 / 12 -
             r * (1.0 / 120 - r * (1.0 / 252 - r * (1.0 / 240 - r * (1.0 / 132 - r * (691.0 / 32760 - r / 12))))));
    return head.hi + (head.lo - 0.5 / x - series);
}

double logGammaRemainder(double x)
{
    if (x < recurrenceLimit) return logGamma(x) - ((x - 0.5) * std::log(x) - x + logSqrtTwoPi);
    if (x > noSeriesLimit) return 0.0;
    const double r = 1.0 / (x * x);
    if (x >= shortSeriesLimit) {
        return ((0.0007936507936507938 * r - 0.002777777777777778) * r + 0.08333333333333333) / x;
    }
    return evaluatePolynomial(logGammaAsymptotic, r) / x;
}

double logGammaFactor(double a, double x)
{
    if (a < recurrenceLimit) return a * std::log(x) - x - logGamma(a);
    // With ln Gamma(a) written out by Stirling's formula, a ln x - x and ln Gamma(a)
    // lose their common part exactly: a (ln(1 + t) - t) with t = (x - a) / a is left.
    const double t = (x - a) / a;
    const double logRatio = std::fabs(t) < 0.5 ? std::log1p(t) : std::log(x / a);
    return a * (logRatio - t) + 0.5 * std::log(a) - logSqrtTwoPi - logGammaRemainder(a);
}

WITH_FUSED_MULTIPLY_ADD double gammaDensity(double a, double x)
{
    if (!(a > 0) || !(x > 0)) return 0.0;
    // a / x joins the power term's one rounding; where it leaves the doubles,
    // or the density does, the logarithm answers.
    const DoubleDouble ratio = divide({a, 0.0}, x);
    if (std::isnormal(ratio.hi)) {
        const double density = powerTermTimes(a, x, ratio);
        if (std::isnormal(density)) return density;
    }
    return std::exp(logGammaFactor(a, x) - std::log(x));
}

double incompleteGamma(double a, double x, IterationCount* count)
{
    if (!(x > 0) || !(a > 0)) return 0.0;
    if (a >= uniformShape) {
        const SmallerTail tail = uniformExpansionTail(a, x, count);
        if (tail.found) return tail.upper ? 1.0 - tail.value : tail.value;
    }
    // Below shape 1 the series converges fast up to x = 1.5, and 1 - Q would
    // lose a small P.
    const bool series = a < smallShape ? x < smallShapeReach : x <= a;
    return series ? lowerSeries(a, x, count) : 1.0 - upperFraction(a, x, count);
}

double complementaryIncompleteGamma(double a, double x, IterationCount* count)
{
    if (!(x > 0) || !(a > 0)) return 1.0;
    if (a >= uniformShape) {
        const SmallerTail tail = uniformExpansionTail(a, x, count);
        if (tail.found) return tail.upper ? tail.value : 1.0 - tail.value;
    }
    if (a < smallShape) return x < upperSmallShapeReach ? smallShapeUpper(a, x, count) : upperFraction(a, x, count);
    return x > a ? upperFraction(a, x, count) : 1.0 - lowerSeries(a, x, count);
}

namespace {

// A start for the x with P(a, x) = p (lower) or Q(a, x) = p (upper), p <= 1/2.
// Near the lower end, P is about x^a / Gamma(a + 1); elsewhere the cube of a
// normal deviate: E. B. Wilson and M. M. Hilferty (1931), "The distribution of
// chi-square".
double inverseStart(double a, double p, bool lower)
{
    if (lower) {
        const double power = std::exp((std::log(p) + logGamma(a + 1.0)) / a);
        if (a < smallShape || power < 0.1 * a) return power;
    }
    const double d = 1.0 / (9.0 * a);
    const double z = inverseNormal(p);
    const double v = 1.0 - d + (lower ? z : -z) * std::sqrt(d);
    if (v > 0) return std::fmin(a * v * v * v, largestDouble);
    // Wilson-Hilferty fails in a far upper tail of a small shape: there
    // Q is about x^(a-1) e^-x / Gamma(a), so x is about -ln(p Gamma(a)).
    return std::fmax(-std::log(p) - logGamma(a), 1.0);
}

// For a >= uniformShape, a start near the root where P(a, x)
// (lower) or Q(a, x) = p, or 0 where the root lies beyond the reach of the
// uniform expansion. N. M. Temme (1992), "Asymptotic inversion of the
// incomplete gamma function": the erfc term alone gives eta0 = z / sqrt(a),
// z the normal deviate of p, and the next order eta = eta0 + ln(eta0 / (lambda0 - 1)) / (a eta0);
// with eta0 / (lambda0 - 1) = 1 + eta0 c_0(eta0) that logarithm keeps its digits near eta0 = 0.
// The error left is O(1/a^2): measured 1.8e-6 of x at a = 100, 1.8e-8 at 1e3,
// 1.7e-10 at 1e4 (p from 1e-6 to 1/2, against mpmath).
double uniformExpansionStart(double a, double p, bool lower)
{
    const double z = inverseNormal(p);
    const double eta0 = (lower ? z : -z) / std::sqrt(a);
    if (!(std::fabs(eta0) <= uniformReach)) return 0.0;
    const double c0 = evaluatePolynomial(uniformExpansionTerm0, eta0);
    const double correction = eta0 == 0 ? c0 : std::log1p(eta0 * c0) / eta0;
    const double eta = eta0 + correction / a;
    if (!(std::fabs(eta) <= uniformReach)) return 0.0;
    return a + a * evaluatePolynomial(uniformExpansionLambda, eta);
}

// Halley's steps from a start near the root, at most a few. Halley's method
// triples the digits each step: with the residual ln(tail / p), whose
// derivatives scale with sqrt(a) near x = a and less in the tails, a step of
// size m leaves an error of about m^3 / a. Once that is below a tenth of a
// rounding of x, the stepped x is the root. 0 if the steps do not settle.
template <typename Step>
double polishNearRoot(Step step, double x, double a, IterationCount* count)
{
    constexpr int polishRounds = 3;
    for (int round = 0; round < polishRounds; ++round) {
        countRound(count);
        const RootStep s = step(x);
        if (s.residual == 0) return x;
        double move = s.residual / s.slope;
        const double halley = 1.0 - 0.5 * move * s.curvature;
        if (!(halley > 0.5 && halley < 2)) return 0.0;
        move /= halley;
        if (!(std::fabs(move) < 0.01 * x)) return 0.0;
        x -= move;
        const double size = std::fabs(move);
        if (size * size * size <= 1e-17 * a * x) return x;
    }
    return 0.0;
}

// A root of P(a, x) = p at a small shape a, where P grows like x^a, carries
// P's rounding 1/a times over: one more Newton step on ln(P / p), the series'
// logarithm and ln p each in two parts, leaves only the rounding of x.
double polishedLowerRoot(double a, double p, double x, IterationCount* count)
{
    if (!(a < polishShape) || !(x > 0 && x < smallShapeReach)) return x;
    const DoubleDouble sum = lowerSeriesSum(a, x, count);
    const DoubleDouble logSum = extendedLog(sum.hi);
    const DoubleDouble logTail = plus(directExponent(a, x), {logSum.hi, logSum.lo + sum.lo / sum.hi});
    const DoubleDouble residual = plus(logTail, negated(extendedLog(p)));
    const double density = incompleteGammaFactor(a, x) / x;
    if (!(density > 0)) return x;
    return x - (residual.hi + residual.lo) * p / density;
}

// The x >= 0 where the smaller tail P(a, x) (lower) or Q(a, x) (upper) equals
// p <= 1/2, by the bracketed Halley iteration on that tail itself, so a small
// tail keeps the digits that 1 - p would round away.
double invertIncompleteGamma(double a, double p, bool lower, IterationCount* count)
{
    // Shape 1 is the exponential law: P = 1 - e^-x, inverted in closed form.
    if (a == 1) return lower ? -std::log1p(-p) : -std::log(p);
    // Below shape 1e-3 the upper tail at the smallest normal double can
    // already be under p: the root, and the quantile, lie below the doubles.
    if (!lower && a < 1e-3 && complementaryIncompleteGamma(a, smallestNormal, count) < p) return 0.0;
    // The residual is ln(tail / p): a power-law or exponential tail is nearly
    // linear in it, so Halley's steps stay long where the tail is steep.
    const double logTarget = std::log(p);
    const auto step = [&](double x) {
        const double tail = lower ? incompleteGamma(a, x, count) : complementaryIncompleteGamma(a, x, count);
        // The density x^(a-1) e^-x / Gamma(a) over the tail is the slope of ln(tail).
        const double ratio = incompleteGammaFactor(a, x) / x / tail;
        const double curvature = (a - 1.0) / x - 1.0;
        // ln(tail / p) rounds only the small residual; ln(tail) - ln(p) would
        // leave a rounding of ln(p), some 1e-13 at p = 1e-300, which a root at
        // a small shape a magnifies 1/a times.
        const double quotient = tail / p;
        const double residual = std::isnormal(quotient) ? std::log(quotient) : std::log(tail) - logTarget;
        return lower ? RootStep{residual, ratio, curvature - ratio} : RootStep{-residual, ratio, curvature + ratio};
    };
    double x0 = 0.0;
    if (a >= uniformShape) {
        x0 = uniformExpansionStart(a, p, lower);
        if (x0 > 0) {
            const double root = polishNearRoot(step, x0, a, count);
            if (root > 0) return root;
        }
    }
    if (!(x0 > 0)) x0 = inverseStart(a, p, lower);
    if (x0 == 0) return 0.0;  // the root lies below the double range
    const double root = findRoot(step, x0, Bracket{0.0, largestDouble}, inverseTolerance, inverseRounds, count);
    return lower ? polishedLowerRoot(a, p, root, count) : root;
}

}  // namespace

double inverseComplementaryIncompleteGamma(double a, double y0, IterationCount* count)
{
    if (!(y0 < 1)) return 0.0;
    if (!(y0 > 0)) return infinity;
    return y0 < 0.5 ? invertIncompleteGamma(a, y0, false, count) : invertIncompleteGamma(a, 1.0 - y0, true, count);
}

double inverseIncompleteGamma(double a, double p, IterationCount* count)
{
    if (!(p > 0)) return 0.0;
    if (!(p < 1)) return infinity;
    return p <= 0.5 ? invertIncompleteGamma(a, p, true, count) : invertIncompleteGamma(a, 1.0 - p, false, count);
}
