#include "model/discrete_distributions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../reference_data.h"
#include "make_distribution.h"

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();

struct ReferenceCase {
    std::string family;
    std::string operation;
    double parameter1;
    double parameter2;
    double argument;
    double expected;
    double expectedUpper;  // quantiles: the answer may lie anywhere in [expected, expectedUpper]
};

std::vector<ReferenceCase> readReferenceCases()
{
    std::vector<ReferenceCase> cases;
    for (const ReferenceRecord& r : readReferenceData("discrete_reference.txt")) {
        const double expected = referenceNumber(r[5]);
        const double expectedUpper = r[1] == "quantile" ? referenceNumber(r[6]) : expected;
        cases.push_back(
            {r[0], r[1], referenceNumber(r[2]), referenceNumber(r[3]), referenceNumber(r[4]), expected, expectedUpper});
    }
    return cases;
}

std::string describe(const ReferenceCase& c)
{
    std::ostringstream text;
    text.precision(17);
    text << c.family << " (" << c.parameter1 << ", " << c.parameter2 << ") " << c.operation << "(" << c.argument
         << ") expected " << c.expected;
    return text.str();
}

// Masses to about a unit in the last place; distribution functions, short
// sums of masses or else the gamma and beta integrals, to a few units.
TEST(DiscreteDistributions, MatchHighPrecisionReferenceValues)
{
    const std::vector<ReferenceCase> cases = readReferenceCases();
    ASSERT_GT(cases.size(), 500u);
    double worstMass = 0.0, worstDistribution = 0.0;
    for (const ReferenceCase& c : cases) {
        auto distribution = makeDistribution(c.family, c.parameter1, c.parameter2);
        if (c.operation == "quantile") {
            const double k = distribution->quantile(c.argument);
            EXPECT_EQ(distribution->status(), ResultStatus::Ok) << describe(c);
            EXPECT_GE(k, c.expected) << describe(c);
            EXPECT_LE(k, c.expectedUpper) << describe(c);
            continue;
        }
        const bool mass = c.operation == "pdf";
        const double value = mass ? distribution->pdf(c.argument) : distribution->cdf(c.argument);
        EXPECT_EQ(distribution->status(), ResultStatus::Ok) << describe(c);
        const double error = std::fabs(value - c.expected);
        if (mass) {
            if (c.expected > 1e-300) worstMass = std::max(worstMass, error / c.expected);
            EXPECT_LE(error, 3e-16 * c.expected + 1e-300) << describe(c) << " got " << value;
        } else {
            worstDistribution = std::max(worstDistribution, std::min(error, error / c.expected));
            EXPECT_LE(error, std::max(1e-300, 7e-16 * c.expected)) << describe(c) << " got " << value;
        }
    }
    std::printf("worst relative mass error %.3g, worst distribution function error %.3g\n", worstMass,
                worstDistribution);
}

struct InvalidCase {
    const char* family;
    double parameter1;
    double parameter2;
};

TEST(DiscreteDistributions, RejectParametersOutsideTheirDomainInEveryOperation)
{
    const InvalidCase cases[] = {
        {"poisson", 1.1e15, 0},
        {"poisson", 0.9, 0},
        {"poisson", -3, 0},
        {"poisson", nan, 0},
        {"binomial", 1.1e15, 0.5},
        {"binomial", 0, 0.5},
        {"binomial", 10, 1.0},
        {"binomial", 10, 0.0},
        {"binomial", 10, nan},
        {"negative_binomial", 1.1e15, 0.5},
        {"negative_binomial", 10, 1.0},
        {"negative_binomial", 10, -0.1},
        {"geometric", 0.0, 0},
        {"geometric", 1.0, 0},
        {"geometric", nan, 0},
    };
    for (const InvalidCase& c : cases) {
        auto d = makeDistribution(c.family, 0, 0);
        d->setParameter1(c.parameter1).setParameter2(c.parameter2);
        const std::function<double()> operations[] = {
            [&] { return d->mean(); },          [&] { return d->standardDeviation(); },
            [&] { return d->kurtosis(); },      [&] { return d->pdf(1); },
            [&] { return d->cdf(1); },          [&] { return d->quantile(0.5); },
            [&] { return d->pmfStep(1, 0.1); }, [&] { return d->pmfStep(0, 0); },
        };
        for (const auto& operation : operations) {
            EXPECT_EQ(operation(), 0.0) << c.family << " " << c.parameter1 << " " << c.parameter2;
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << c.family << " " << c.parameter1;
        }
        // The graph takes the status after graphHigh as its verdict on the parameters.
        d->graphHigh();
        EXPECT_EQ(d->status(), ResultStatus::Invalid) << c.family << " " << c.parameter1;
        // The survival function passes the failed cdf's status on with 1 - 0.
        EXPECT_EQ(d->survival(1), 1.0);
        EXPECT_EQ(d->status(), ResultStatus::Invalid);
    }
}

TEST(DiscreteDistributions, RejectNegativeCountsQuantileArgumentsOutsideUnitIntervalAndHazard)
{
    for (const char* family : {"poisson", "binomial", "negative_binomial", "geometric"}) {
        auto d = makeDistribution(family, family == std::string("geometric") ? 0.5 : 10.0, 0.5);
        for (double x : {-0.5, -1e300, -infinity, nan}) {
            EXPECT_EQ(d->pdf(x), 0.0);
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << family << " pdf " << x;
            d->cdf(x);
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << family << " cdf " << x;
            d->pmfStep(x, 0.5);
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << family << " pmfStep " << x;
        }
        for (double q : {-1e-9, 1.0000000000000002, nan}) {
            EXPECT_EQ(d->quantile(q), 0.0);
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << family << " quantile " << q;
        }
        for (double x : {0.0, 3.0, 1e300}) {
            EXPECT_EQ(d->hazard(x), 0.0);
            EXPECT_EQ(d->status(), ResultStatus::Invalid) << family << " hazard " << x;
        }
        EXPECT_EQ(d->quantile(1.0), infiniteQuantile);
        EXPECT_EQ(d->status(), ResultStatus::PlusInfinity) << family;
        EXPECT_EQ(d->quantile(0.0), 0.0);
        EXPECT_EQ(d->status(), ResultStatus::Ok) << family;
    }
}

TEST(DiscreteDistributions, RoundWholeNumberParametersDownInPlaceInEveryOperation)
{
    const std::function<void(Distribution&)> operations[] = {
        [](Distribution& d) { d.mean(); },        [](Distribution& d) { d.skewness(); },
        [](Distribution& d) { d.pdf(2); },        [](Distribution& d) { d.cdf(2); },
        [](Distribution& d) { d.hazard(2); },     [](Distribution& d) { d.pmfStep(2, 0.1); },
        [](Distribution& d) { d.quantile(0.5); }, [](Distribution& d) { d.graphLow(); },
        [](Distribution& d) { d.graphHigh(); },   [](Distribution& d) { d.survival(2); },
    };
    for (const char* family : {"poisson", "binomial", "negative_binomial"}) {
        for (const auto& operation : operations) {
            auto d = makeDistribution(family, 10, 0.5);
            d->setParameter1(10.9);
            operation(*d);
            EXPECT_EQ(d->parameter1(), 10.0) << family;
            EXPECT_EQ(d->parameter2(), family == std::string("poisson") ? 0.0 : 0.5) << family;
        }
    }
    PoissonDistribution poisson(10.9);
    EXPECT_EQ(poisson.parameter1(), 10.0);
    GeometricDistribution geometric(0.3);
    geometric.setParameter1(0.75);
    geometric.cdf(3);
    EXPECT_EQ(geometric.parameter1(), 0.75);
}

TEST(DiscreteDistributions, PoissonWithFractionalMeanBehavesAsItsFloor)
{
    PoissonDistribution d(10);
    d.setParameter1(10.9);
    EXPECT_DOUBLE_EQ(d.kurtosis(), 3.1);
    const double mass = d.pdf(2.7);
    EXPECT_EQ(mass, d.pdf(2));
    EXPECT_NEAR(mass, std::exp(-10.0) * 50.0, 1e-15);
    d.setParameter1(700);
    d.mean();
    EXPECT_EQ(d.status(), ResultStatus::Ok);
}

TEST(DiscreteDistributions, BinomialCountsBeyondTheTrialsAreSingular)
{
    BinomialDistribution d(10, 0.5);
    EXPECT_EQ(d.pdf(11), 0.0);
    EXPECT_EQ(d.status(), ResultStatus::SingularPoint);
    EXPECT_EQ(d.cdf(11), 1.0);
    EXPECT_EQ(d.status(), ResultStatus::SingularPoint);
    EXPECT_EQ(d.cdf(1e300), 1.0);
    EXPECT_EQ(d.status(), ResultStatus::SingularPoint);
    EXPECT_EQ(d.pmfStep(11, 0.001), 0.0);
    EXPECT_EQ(d.status(), ResultStatus::SingularPoint);
    EXPECT_NEAR(d.cdf(10), 1.0, 1e-15);
    EXPECT_EQ(d.status(), ResultStatus::Ok);
    EXPECT_EQ(d.quantile(0.5), 5.0);
}

TEST(DiscreteDistributions, GeometricHalfGivesItsTextbookValues)
{
    GeometricDistribution d(0.5);
    EXPECT_EQ(d.pdf(0), 0.5);
    EXPECT_EQ(d.cdf(1), 0.75);
    EXPECT_EQ(d.quantile(0.75), 1.0);
    EXPECT_EQ(d.kurtosis(), 9.5);  // plain kurtosis, as every other distribution gives
    EXPECT_EQ(d.graphLow(), 0.0);  // floor(0 - 0.5) raised to 0
    EXPECT_EQ(d.status(), ResultStatus::Ok);
    EXPECT_EQ(d.graphHigh(), 10.0);

    // Where 1 - p is a power of two, every mass and tail is exact, down into
    // the subnormal doubles and past them, and so is the quantile at each
    // side of a step.
    struct Exact {
        double p, k, pdf, cdf, survival;
    };
    for (const Exact& e :
         {Exact{0.5, 9, 0x1p-10, 1 - 0x1p-10, 0x1p-10}, Exact{0.75, 3, 0.75 * 0x1p-6, 1 - 0x1p-8, 0x1p-8},
          Exact{1 - 0x1p-10, 1, (1 - 0x1p-10) * 0x1p-10, 1 - 0x1p-20, 0x1p-20},
          Exact{0.5, 1073, 0x1p-1074, 1.0, 0x1p-1074}, Exact{0.5, 5000, 0.0, 1.0, 0.0}}) {
        GeometricDistribution g(e.p);
        EXPECT_EQ(g.pdf(e.k), e.pdf) << e.p << " " << e.k;
        EXPECT_EQ(g.cdf(e.k), e.cdf) << e.p << " " << e.k;
        EXPECT_EQ(g.survival(e.k), e.survival) << e.p << " " << e.k;
        if (e.cdf == 1.0) continue;
        EXPECT_EQ(g.quantile(e.cdf), e.k) << e.p << " " << e.k;
        EXPECT_EQ(g.quantile(std::nextafter(e.cdf, 0.0)), e.k) << e.p << " " << e.k;
        EXPECT_EQ(g.quantile(std::nextafter(e.cdf, 1.0)), e.k + 1) << e.p << " " << e.k;
    }
}

TEST(DiscreteDistributions, NegativeBinomialWithOneSuccessIsTheGeometric)
{
    for (double p : {0.5, 0.02, 0.97, 1e-7}) {
        NegativeBinomialDistribution negative(1, p);
        GeometricDistribution geometric(p);
        EXPECT_DOUBLE_EQ(negative.mean(), geometric.mean()) << p;
        EXPECT_DOUBLE_EQ(negative.standardDeviation(), geometric.standardDeviation()) << p;
        EXPECT_DOUBLE_EQ(negative.coefficientOfVariation(), geometric.coefficientOfVariation()) << p;
        EXPECT_DOUBLE_EQ(negative.skewness(), geometric.skewness()) << p;
        EXPECT_DOUBLE_EQ(negative.kurtosis(), geometric.kurtosis()) << p;
        for (double x : {0.0, 1.0, 7.5, 300.0, 5000.0, 3e9}) {
            EXPECT_NEAR(negative.pdf(x), geometric.pdf(x), 1e-12 * geometric.pdf(x)) << p << " " << x;
            EXPECT_NEAR(negative.cdf(x), geometric.cdf(x), 1e-12) << p << " " << x;
        }
        for (double q : {0.001, 0.4, 0.999}) EXPECT_EQ(negative.quantile(q), geometric.quantile(q)) << p << " " << q;
    }
}

// The statistics agree with the moments of the mass itself, summed here.
TEST(DiscreteDistributions, StatisticsAreTheMomentsOfTheMass)
{
    struct Case {
        const char* family;
        double parameter1, parameter2;
    };
    const Case cases[] = {
        {"poisson", 7, 0},        {"poisson", 700, 0},           {"binomial", 30, 0.2},
        {"binomial", 1000, 0.97}, {"negative_binomial", 4, 0.3}, {"negative_binomial", 1000, 0.9},
        {"geometric", 0.15, 0},
    };
    for (const Case& c : cases) {
        auto d = makeDistribution(c.family, c.parameter1, c.parameter2);
        double m[5] = {0, 0, 0, 0, 0};
        const double center = d->mean();
        for (double k = 0; k < 100000; ++k) {
            const double mass = d->pdf(k);
            if (d->status() != ResultStatus::Ok || (k > center && mass < 1e-300)) break;
            for (int j = 0; j < 5; ++j) m[j] += mass * std::pow(k - (j == 0 ? 0.0 : center), j == 0 ? 1 : j);
        }
        const double variance = m[2];
        EXPECT_NEAR(m[0], center, 1e-9 * center) << c.family << " mean";
        EXPECT_NEAR(d->standardDeviation(), std::sqrt(variance), 1e-9 * std::sqrt(variance)) << c.family;
        EXPECT_NEAR(d->coefficientOfVariation(), std::sqrt(variance) / center, 1e-9) << c.family;
        EXPECT_NEAR(d->skewness(), m[3] / std::pow(variance, 1.5), 1e-8) << c.family;
        const double kurtosis = m[4] / (variance * variance);
        EXPECT_NEAR(d->kurtosis(), kurtosis, 1e-7 * kurtosis) << c.family;
    }
}

// Where the walk's first mass underflows, or its walk would run for a very
// long time, cdf and quantile still give the right answer.
TEST(DiscreteDistributions, FunctionsStayRightWhenTheFirstMassUnderflows)
{
    BinomialDistribution binomial(1000, 0.6);
    EXPECT_EQ(binomial.pmfStep(0, 0), 0.0);  // 0.4^1000 is below the smallest double
    EXPECT_NEAR(binomial.pdf(600), 0.02574, 1e-5);
    EXPECT_GT(binomial.cdf(599), 0.45);
    EXPECT_LT(binomial.cdf(599), 0.5);
    const double median = binomial.quantile(0.5);
    EXPECT_EQ(binomial.status(), ResultStatus::Ok);
    EXPECT_LT(binomial.cdf(median - 1), 0.5);
    EXPECT_GE(binomial.cdf(median), 0.5);

    // Walking pmfStep from 0 picks up the mass once it is representable.
    double mass = 0.0;
    for (double k = 0; k <= 600; ++k) mass = binomial.pmfStep(k, mass);
    EXPECT_NEAR(mass, binomial.pdf(600), 1e-9 * mass);

    NegativeBinomialDistribution negative(1000, 0.4);
    const double low = negative.graphLow();
    EXPECT_EQ(negative.status(), ResultStatus::Ok);
    const double high = negative.graphHigh();
    EXPECT_EQ(negative.status(), ResultStatus::Ok);
    EXPECT_LT(low, negative.mean());
    EXPECT_GT(high, negative.mean());
    EXPECT_NEAR(negative.cdf(low), 0.001, 0.001);
    EXPECT_NEAR(negative.cdf(high), 0.999, 0.001);
}

TEST(DiscreteDistributions, HugeCountsAnswerAtOnce)
{
    struct Case {
        const char* family;
        double parameter1, parameter2;
        double massEnds;  // the mass is 0 in double from about here on
    };
    const Case cases[] = {
        {"poisson", 700, 0, 2000},
        {"poisson", 1, 0, 200},
        {"negative_binomial", 1000, 1e-6, 2e9},
        {"negative_binomial", 1000, 0.5, 5000},
        {"negative_binomial", 3, 1e-12, 1e16},
        {"geometric", 1e-12, 0, 1e16},
        {"geometric", 0.5, 0, 2000},
        // Their walked sums round to just above 1.
        {"negative_binomial", 322, 0.9964344174265416, 1000},
        {"negative_binomial", 287, 0.50484680789459102, 5000},
    };
    for (const Case& c : cases) {
        auto d = makeDistribution(c.family, c.parameter1, c.parameter2);
        for (double x : {4294967296.5, 1e17, 1e300, DBL_MAX, infinity}) {
            if (x < c.massEnds) continue;
            EXPECT_EQ(d->pdf(x), 0.0) << c.family << " " << x;
            EXPECT_EQ(d->status(), ResultStatus::Ok);
            // The Poisson masses, as sums of logarithms, carry about 1e-12 of rounding.
            EXPECT_NEAR(d->cdf(x), 1.0, 1e-11) << c.family << " " << x;
            EXPECT_EQ(d->status(), ResultStatus::Ok);
            const double survival = d->survival(x);
            EXPECT_NEAR(survival, 0.0, 1e-11) << c.family << " " << x;
            EXPECT_GE(survival, 0.0) << c.family << " " << c.parameter1 << " " << c.parameter2;
        }
    }
}

TEST(DiscreteDistributions, DistributionFunctionsOnBothSidesOfTheWalkBudgetAreTheSumsOfTheMasses)
{
    // Past 64 counts the walk gives way to the closed forms; both must agree
    // with the plain sum of the masses, here in long double.
    struct Case {
        const char* family;
        double n, p;
    };
    const Case cases[] = {
        {"negative_binomial", 1, 1e-6}, {"negative_binomial", 10, 1e-6}, {"negative_binomial", 2, 1e-5},
        {"negative_binomial", 3, 1e-3}, {"negative_binomial", 50, 0.01}, {"geometric", 1e-6, 0},
        {"geometric", 1e-4, 0},         {"geometric", 2e-3, 0},
    };
    for (const Case& c : cases) {
        const bool geometric = c.family[0] == 'g';
        const long double n = geometric ? 1 : c.n, p = geometric ? c.n : c.p;
        auto d = makeDistribution(c.family, c.n, c.p);
        long double mass = std::pow(p, n), sum = mass;
        for (double k = 1; k <= 20000; ++k) {
            mass *= (k + n - 1) / k * (1 - p);
            sum += mass;
            if (k == 63 || k == 64 || k == 65 || k == 4096 || k == 20000) {
                EXPECT_NEAR(d->cdf(k), static_cast<double>(sum), 1e-12 * static_cast<double>(sum))
                    << c.family << " " << c.n << " " << c.p << " " << k;
            }
        }
    }
}

// A small lower tail too long to walk is its own integral, not 1 minus a
// rounded upper tail: at half chances it mirrors the upper tail beyond the mean.
TEST(DiscreteDistributions, FarLowerTailsOfHugeBinomialsKeepTheirDigits)
{
    auto d = makeDistribution("binomial", 1e12, 0.5);
    for (const double distance : {3e6, 5e6}) {  // six and ten deviations
        const double upper = d->survival(5e11 + distance - 1);
        EXPECT_GT(upper, 0.0);
        EXPECT_NEAR(d->cdf(5e11 - distance), upper, 1e-14 * upper) << distance;
    }
}

// Just below 1 the walked sum can stop short of q; the searches still end,
// on a count where the distribution function is 1 to double precision.
TEST(DiscreteDistributions, QuantilesJustBelowOneEndOnTheLastRepresentableCount)
{
    struct Case {
        const char* family;
        double parameter1, parameter2;
    };
    const Case cases[] = {
        {"poisson", 1, 0},
        {"poisson", 700, 0},
        {"binomial", 1000, 0.5},
        {"binomial", 1000, 0.6},
        {"negative_binomial", 1000, 0.4},
        {"negative_binomial", 10, 0.5},
        {"negative_binomial", 1000, 1e-6},
        {"geometric", 0.5, 0},
        {"geometric", 1e-9, 0},
    };
    const double q = std::nextafter(1.0, 0.0);
    for (const Case& c : cases) {
        auto d = makeDistribution(c.family, c.parameter1, c.parameter2);
        const double k = d->quantile(q);
        EXPECT_TRUE(d->status() == ResultStatus::Ok || d->status() == ResultStatus::SingularPoint) << c.family;
        EXPECT_TRUE(std::isfinite(k));
        EXPECT_GE(d->cdf(k), 1.0 - 1e-11) << c.family << " " << c.parameter1 << " " << c.parameter2;
        const double sd = d->standardDeviation();
        EXPECT_LT(k, d->mean() + 60 * sd) << c.family << " " << c.parameter1 << " " << c.parameter2;
        EXPECT_LT(d->cdf(std::max(0.0, std::floor(d->mean() - 2 * sd))), q);
    }
}

// At a success probability near the smallest double, results that exceed the
// largest double read "+inf" rather than showing an overflowed number.
TEST(DiscreteDistributions, ResultsBeyondTheLargestDoubleAreReportedAsInfinite)
{
    BinomialDistribution binomial(10, 1e-320);
    NegativeBinomialDistribution negative(1000, 1e-310);
    GeometricDistribution geometric(5e-324);
    struct Case {
        Distribution* distribution;
        double (Distribution::*operation)();
    };
    const Case cases[] = {
        {&binomial, &Distribution::coefficientOfVariation},
        {&binomial, &Distribution::kurtosis},
        {&negative, &Distribution::mean},
        {&negative, &Distribution::standardDeviation},
        {&geometric, &Distribution::mean},
        {&geometric, &Distribution::standardDeviation},
    };
    for (const Case& c : cases) {
        const double value = (c.distribution->*c.operation)();
        EXPECT_EQ(c.distribution->status(), ResultStatus::PlusInfinity) << c.distribution->parameterSymbol1();
        EXPECT_TRUE(std::isfinite(value));
    }
    for (Distribution* d : {static_cast<Distribution*>(&negative), static_cast<Distribution*>(&geometric)}) {
        EXPECT_EQ(d->quantile(0.5), infiniteQuantile);
        EXPECT_EQ(d->status(), ResultStatus::PlusInfinity);
    }
    // Just inside the range the numbers stand.
    GeometricDistribution small(1e-300);
    EXPECT_DOUBLE_EQ(small.mean(), 1e300);
    EXPECT_EQ(small.status(), ResultStatus::Ok);
    EXPECT_NEAR(small.quantile(0.5), std::log(2.0) * 1e300, 1e288);
    EXPECT_EQ(small.status(), ResultStatus::Ok);
}

TEST(DiscreteDistributions, ParameterTextsNameTheParameters)
{
    struct Case {
        const char* family;
        const char* symbol1;
        const char* symbol2;
        const char* domain1;
        const char* domain2;
    };
    const Case cases[] = {
        {"poisson", "l", "", parameter_domain::positiveWhole, ""},
        {"binomial", "N", "p", parameter_domain::positiveWhole, parameter_domain::unitInterval},
        {"negative_binomial", "N", "p", parameter_domain::positiveWhole, parameter_domain::unitInterval},
        {"geometric", "p", "", parameter_domain::unitInterval, ""},
    };
    for (const Case& c : cases) {
        auto d = makeDistribution(c.family, 10, 0.5);
        EXPECT_STREQ(d->parameterSymbol1(), c.symbol1);
        EXPECT_STREQ(d->parameterSymbol2(), c.symbol2);
        EXPECT_STREQ(d->parameterDomain1(), c.domain1);
        EXPECT_STREQ(d->parameterDomain2(), c.domain2);
        EXPECT_STREQ(d->parameterSymbol3(), "");
        EXPECT_STREQ(d->parameterDomain4(), "");
        EXPECT_FALSE(d->isContinuous());
    }
}

}  // namespace
