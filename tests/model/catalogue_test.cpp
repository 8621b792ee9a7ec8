#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "model/beta_distributions.h"
#include "model/closed_form_distributions.h"
#include "model/discrete_distributions.h"
#include "model/discrete_uniform_distribution.h"
#include "model/extreme_value_distributions.h"
#include "model/gamma_distributions.h"
#include "model/logistic_distribution.h"
#include "model/normal_distributions.h"
#include "model/pareto_distribution.h"

namespace {

template <class T>
bool is(const Distribution& d)
{
    return dynamic_cast<const T*>(&d) != nullptr;
}

struct Entry {
    const char* name;
    const char* menuText;
    bool (*hasClass)(const Distribution&);
    int parameterCount;
    bool continuous;
    double parameter1;
    double parameter2;
};

// The catalogue in its order: list and menu texts, class, parameters and defaults.
const Entry catalogue[distributionCount] = {
    {"Uniform", "Uniform", is<UniformDistribution>, 2, true, 0.0, 1.0},
    {"Normal", "Normal", is<NormalDistribution>, 2, true, 0.0, 1.0},
    {"Lognormal", "Lognormal", is<LognormalDistribution>, 2, true, 1.0, 1.0},
    {"Exponential", "Exponential", is<ExponentialDistribution>, 1, true, 1.0, 0.0},
    {"Cauchy", "Cauchy", is<CauchyDistribution>, 2, true, 0.0, 1.0},
    {"Gamma", "Gamma", is<GammaDistribution>, 2, true, 1.0, 1.0},
    {"Beta", "Beta", is<BetaDistribution>, 2, true, 0.5, 0.5},
    {"Student", "Student", is<StudentDistribution>, 1, true, 1.0, 0.0},
    {"F-distribution", "F-Distribution", is<FDistribution>, 2, true, 1.0, 1.0},
    {"Chi-Square", "Chi-Square", is<ChiSquareDistribution>, 1, true, 1.0, 0.0},
    {"Double Exponential", "Double Exponential", is<DoubleExponentialDistribution>, 1, true, 1.0, 0.0},
    {"Poisson", "Poisson", is<PoissonDistribution>, 1, false, 10.0, 0.0},
    {"Binomial", "Binomial", is<BinomialDistribution>, 2, false, 10.0, 0.5},
    {"Negative Binomial", "Negative Binomial", is<NegativeBinomialDistribution>, 2, false, 10.0, 0.5},
    {"Geometric", "Geometric", is<GeometricDistribution>, 1, false, 0.5, 0.0},
    {"Weibull", "Weibull", is<WeibullDistribution>, 2, true, 1.5, 1.0},
    {"Logistic", "Logistic", is<LogisticDistribution>, 2, true, 0.0, 1.0},
    {"Gumbel", "Gumbel", is<GumbelDistribution>, 2, true, 0.0, 1.0},
    {"Pareto", "Pareto", is<ParetoDistribution>, 2, true, 1.0, 3.0},
    {"Rayleigh", "Rayleigh", is<RayleighDistribution>, 1, true, 1.0, 0.0},
    {"Discrete Uniform", "Discrete Uniform", is<DiscreteUniformDistribution>, 2, false, 1.0, 6.0},
};

TEST(Catalogue, ListsTheDistributionsInOrderWithTheirDefaults)
{
    const DistributionSet set = makeDistributionSet();
    for (int d = 0; d < distributionCount; ++d) {
        const Entry& entry = catalogue[d];
        const Distribution& distribution = *set[d];
        EXPECT_STREQ(distributionNames[d], entry.name) << d;
        EXPECT_STREQ(distributionMenuTexts[d], entry.menuText) << d;
        EXPECT_TRUE(entry.hasClass(distribution)) << d << " " << entry.name;
        EXPECT_EQ(distribution.parameterCount(), entry.parameterCount) << entry.name;
        EXPECT_EQ(distribution.isContinuous(), entry.continuous) << entry.name;
        EXPECT_EQ(distribution.parameter1(), entry.parameter1) << entry.name;
        EXPECT_EQ(distribution.parameter2(), entry.parameter2) << entry.name;
        EXPECT_EQ(distribution.parameter3(), 0.0) << entry.name;
        EXPECT_EQ(distribution.parameter4(), 0.0) << entry.name;
        EXPECT_EQ(distribution.status(), ResultStatus::Ok) << entry.name;
        // Parameters in use have labels; the others have none.
        EXPECT_NE(std::string(distribution.parameterSymbol1()), "") << entry.name;
        EXPECT_EQ(std::string(distribution.parameterSymbol2()).empty(), entry.parameterCount < 2) << entry.name;
    }
    EXPECT_STREQ(distributionNames[defaultDistribution], "Normal");
}

TEST(Catalogue, NumbersFormulaPicturesByIndex)
{
    EXPECT_EQ(formulaPictureNumber(0, ShownFunction::Density), 1000);
    EXPECT_EQ(formulaPictureNumber(8, ShownFunction::Distribution), 9001);
    EXPECT_EQ(formulaPictureNumber(14, ShownFunction::Survival), 15002);
    EXPECT_EQ(formulaPictureNumber(15, ShownFunction::Hazard), 16003);
    EXPECT_EQ(formulaPictureNumber(20, ShownFunction::Survival), 21002);

    int pictures = 0;
    for (int d = 0; d < distributionCount; ++d) {
        for (int f = 0; f < shownFunctionCount; ++f) pictures += hasFormulaPicture(d, shownFunctionAt(f));
        // The discrete distributions have no hazard picture (12003 ... 15003, 21003).
        EXPECT_EQ(hasFormulaPicture(d, ShownFunction::Hazard), catalogue[d].continuous) << d;
    }
    EXPECT_EQ(pictures, 56 + 5 * 4 + 3);
    EXPECT_FALSE(hasFormulaPicture(-1, ShownFunction::Density));
    EXPECT_FALSE(hasFormulaPicture(21, ShownFunction::Density));
    EXPECT_FALSE(hasFormulaPicture(0, shownFunctionAt(4)));
}

TEST(Catalogue, EachSetOwnsItsInstances)
{
    DistributionSet shell = makeDistributionSet();
    DistributionSet renderer = makeDistributionSet();
    for (int d = 0; d < distributionCount; ++d) {
        ASSERT_NE(shell[d].get(), renderer[d].get()) << d;
        shell[d]->setParameter1(-7.5).setParameter2(-7.5);
        shell[d]->mean();  // leaves its status on the shell's instance only
        EXPECT_EQ(renderer[d]->parameter1(), catalogue[d].parameter1) << d;
        EXPECT_EQ(renderer[d]->parameter2(), catalogue[d].parameter2) << d;
        EXPECT_EQ(renderer[d]->status(), ResultStatus::Ok) << d;
    }
}

}  // namespace
