// The Weibull, logistic, Gumbel, Pareto, Rayleigh and discrete uniform laws
// against 50-digit references (tests/data/six_reference.py): every value
// within the tolerance its record states, far into both tails, and the status
// each operation must give where a moment or value does not exist.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "../reference_data.h"
#include "family_operations.h"
#include "model/extreme_value_distributions.h"
#include "model/pareto_distribution.h"
#include "model/result_status.h"

namespace {

bool isStatusName(const std::string& text) { return !text.empty() && std::isupper(text[0]); }

TEST(SixFamilies, ValuesAreExactToTheirConditionAndMissingOnesAreStatuses)
{
    const auto records = readReferenceData("six_reference.txt");
    ASSERT_GT(records.size(), 700u);
    std::map<std::string, std::pair<double, double>> worst;  // share of the tolerance, error
    for (const auto& r : records) {
        auto d = makeDistribution(r[0], referenceNumber(r[1]), referenceNumber(r[2]));
        ASSERT_TRUE(d) << r[0];
        const double got = callOperation(*d, operationNamed(r[3]), referenceNumber(r[4]));
        const std::string where = r[0] + "(" + r[1] + ", " + r[2] + ") " + r[3] + "(" + r[4] + ")";
        if (isStatusName(r[5])) {
            EXPECT_STREQ(resultStatusName(d->status()), r[5].c_str()) << where;
            continue;
        }
        const double expected = referenceNumber(r[5]), tolerance = referenceNumber(r[6]);
        EXPECT_EQ(d->status(), ResultStatus::Ok) << where << " gave " << got;
        if (std::fabs(expected) < DBL_MIN) {
            EXPECT_LE(std::fabs(got - expected), DBL_MIN) << where;  // below the normal doubles
            continue;
        }
        const double error = std::fabs(got - expected) / std::fabs(expected);
        EXPECT_LE(error, tolerance) << where << " gave " << got;
        auto& [share, largest] = worst[r[0] + " " + r[3]];
        share = std::fmax(share, error / tolerance);
        largest = std::fmax(largest, error);
    }
    if (std::getenv("PROBAVIEW_REPORT_ERRORS")) {
        for (const auto& [what, measured] : worst)
            std::printf("%-36s %.2g of its tolerance, error %.2g\n", what.c_str(), measured.first, measured.second);
    }
}

// Edges that the references do not reach: the ends of the supports, the
// density's pole, and whole parameters rounded down.
TEST(SixFamilies, SupportEndsPolesAndRoundedParameters)
{
    constexpr double inf = INFINITY;
    struct Case {
        const char* name;
        double p1, p2;
        Operation operation;
        double argument, value;
        ResultStatus status;
    };
    const Case cases[] = {
        {"weibull", 0.5, 1, Operation::Pdf, 0, 0, PlusInfinity},
        {"weibull", 0.5, 1, Operation::Hazard, 0, 0, PlusInfinity},
        {"weibull", 2, 4, Operation::Hazard, 0, 0, Ok},
        {"weibull", 2, 4, Operation::Hazard, inf, 0, PlusInfinity},
        {"weibull", 1, 4, Operation::Hazard, inf, 0.25, Ok},
        {"weibull", 2, 1, Operation::Survival, -1, 1, Ok},
        {"weibull", 2, 1, Operation::Quantile, 1, infiniteQuantile, PlusInfinity},
        {"weibull", 0, 1, Operation::Cdf, 1, 0, Invalid},
        {"gumbel", 0, 1, Operation::Hazard, inf, 1, Ok},
        {"gumbel", 0, 1, Operation::Hazard, -inf, 0, Ok},
        {"gumbel", 0, 1, Operation::Quantile, 0, 0, MinusInfinity},
        {"logistic", 0, 1, Operation::Hazard, 1e300, 1, Ok},
        {"logistic", 0, 0, Operation::Pdf, 1, 0, Invalid},
        {"pareto", 2, 3, Operation::Pdf, 1.5, 0, Ok},
        {"pareto", 2, 3, Operation::Hazard, 2, 1.5, Ok},
        {"pareto", 2, 3, Operation::Quantile, 0, 2, Ok},
        {"pareto", 2, 3, Operation::GraphLow, 0, 2, Ok},
        {"pareto", -2, 3, Operation::GraphLow, 0, 0, Invalid},
        {"rayleigh", 2, 0, Operation::Hazard, inf, 0, PlusInfinity},
        {"rayleigh", 2, 0, Operation::Cdf, inf, 1, Ok},
        {"discrete_uniform", 1.7, 6.2, Operation::Mean, 0, 3.5, Ok},
        {"discrete_uniform", 1.7, 6.2, Operation::GraphLow, 0, 0, Ok},
        {"discrete_uniform", 1.7, 6.2, Operation::GraphHigh, 0, 7, Ok},
        {"discrete_uniform", 6, 1, Operation::Pdf, 3, 0, Invalid},
        {"discrete_uniform", 1, 6, Operation::Hazard, 3, 0, Invalid},
        {"discrete_uniform", -1e16, 0, Operation::Cdf, 0, 0, Invalid},
    };
    for (const auto& c : cases) {
        auto d = makeDistribution(c.name, c.p1, c.p2);
        const double got = callOperation(*d, c.operation, c.argument);
        const std::string where = std::string(c.name) + " " + operationName(c.operation);
        EXPECT_EQ(d->status(), c.status) << where << "(" << c.argument << ")";
        EXPECT_EQ(got, c.value) << where << "(" << c.argument << ")";
    }
}

// The mass walk of the graph gives every mass of the support and none beside it.
// The Pareto powers xm (1 - q)^(-1/alpha), (xm / x)^alpha and the density
// against their values correctly rounded (60 digits): within a unit also
// where the exponent of the power is large (alpha = 0.1, q = 0.999: 69;
// alpha = 1000) or beyond 700 with a small xm. The plain powers were up to
// 1.8e-13 off there.
TEST(SixFamilies, ParetoPowersWithinAUnit)
{
    using D = Distribution;
    struct Case {
        double (D::*function)(double);
        double xm, alpha, argument, expected;
    };
    const Case cases[] = {
        {&D::quantile, 1.0, 3.0, 0.95, 0x1.5b7209557b0ecp+1},
        {&D::quantile, 1.0, 0.1, 0.999, 0x1.93e5939a08c90p+99},
        {&D::quantile, 1.0, 0.1, 0.05, 0x1.ab9115bcfe596p+0},
        {&D::quantile, 0.5, 0.1, 6.163766781242184e-05, 0x1.002868975b05bp-1},
        {&D::quantile, 2.5, 1.0, 1e-300, 0x1.4000000000000p+1},
        {&D::quantile, 1e300, 2.0, 0.5, 0x1.0e4d50f99b211p+997},
        {&D::quantile, 3.0, 1000.0, 0.999, 0x1.82a9692889ad5p+1},
        {&D::quantile, 5.9072231309391e-157, 0.04477119006217005, 0.9999999999999994, 0x1.f0285e391fb20p+612},
        {&D::quantile, 0.5, 0.03622183837077757, 0.9999999999929835, 0x1.e792373c13e9fp+1021},
        {&D::quantile, 2.2661910212338863e-276, 0.017137663451227265, 0.9999999072458896, 0x1.706da5c39045ap+447},
        {&D::survival, 3.0, 1000.0, 5.045188167927046, 0x1.09d770ee02fa7p-750},
        {&D::survival, 2.9593894235278664e+250, 1000.0, 5.904758192082629e+250, 0x1.56e1fc2f8f3bfp-997},
        {&D::pdf, 3.009965655619866e-113, 1000.0, 6.634152423499469e-113, 0x1.5d5ecc7eeb679p-758},
        {&D::pdf, 6.829095800730098e-277, 1000.0, 1.9853357880561716e-276, 0x1.2885ad62b705ap-614},
    };
    for (const Case& c : cases) {
        ParetoDistribution d(c.xm, c.alpha);
        const double value = (d.*c.function)(c.argument);
        EXPECT_LE(std::fabs(value - c.expected), 0x1p-52 * c.expected)
            << c.xm << ' ' << c.alpha << ' ' << c.argument << " got " << value;
    }
}

// The Weibull quantile lambda (-log1p(-q))^(1/k) against its value correctly
// rounded (60 digits): within a unit also where 1/k magnifies the rounding
// of the logarithm (the power of the rounded logarithm was up to 1.2e-13 off),
// and where lambda e^y needs the logarithm of lambda.
TEST(SixFamilies, WeibullQuantileWithinAUnit)
{
    struct Case {
        double k, lambda, q, expected;
    };
    const Case cases[] = {
        {0.1, 1.0, 0.999, 0x1.d7d85d4265207p+27},
        {1.5, 1.0, 0.05, 0x1.1aba9f583eb53p-3},
        {1000.0, 1.0, 0.5, 0x1.ffcff81edd6d5p-1},
        {0.1, 4.722449502458343e+18, 3.2429423984080243e-32, 0x1.fc904f21266e1p-985},
        {0.1, 7.767871042427037e+274, 3.247233636222572e-32, 0x1.1a4575b11c53dp-133},
        {0.2863622803247368, 2.0885753657750864e+250, 4.983952596626705e-156, 0x1.f4dbdf664b51bp-971},
    };
    for (const Case& c : cases) {
        WeibullDistribution d(c.k, c.lambda);
        const double value = d.quantile(c.q);
        EXPECT_LE(std::fabs(value - c.expected), 0x1p-52 * c.expected)
            << c.k << ' ' << c.lambda << ' ' << c.q << " got " << value;
    }
}

TEST(SixFamilies, DiscreteUniformMassWalkCoversItsSupport)
{
    auto d = makeDistribution("discrete_uniform", -2, 2);
    double sum = 0;
    for (double k = -4; k <= 4; ++k) sum += d->pmfStep(k, 0.0);
    EXPECT_EQ(sum, 1.0);
}

}  // namespace
