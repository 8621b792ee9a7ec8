#include "model/catalogue.h"

#include "model/beta_distributions.h"
#include "model/closed_form_distributions.h"
#include "model/discrete_distributions.h"
#include "model/discrete_uniform_distribution.h"
#include "model/extreme_value_distributions.h"
#include "model/gamma_distributions.h"
#include "model/logistic_distribution.h"
#include "model/normal_distributions.h"
#include "model/pareto_distribution.h"

const std::array<const char*, distributionCount> distributionNames = {
    "Uniform",
    "Normal",
    "Lognormal",
    "Exponential",
    "Cauchy",
    "Gamma",
    "Beta",
    "Student",
    "F-distribution",
    "Chi-Square",
    "Double Exponential",
    "Poisson",
    "Binomial",
    "Negative Binomial",
    "Geometric",
    "Weibull",
    "Logistic",
    "Gumbel",
    "Pareto",
    "Rayleigh",
    "Discrete Uniform",
};

const std::array<const char*, distributionCount> distributionMenuTexts = {
    "Uniform",
    "Normal",
    "Lognormal",
    "Exponential",
    "Cauchy",
    "Gamma",
    "Beta",
    "Student",
    "F-Distribution",
    "Chi-Square",
    "Double Exponential",
    "Poisson",
    "Binomial",
    "Negative Binomial",
    "Geometric",
    "Weibull",
    "Logistic",
    "Gumbel",
    "Pareto",
    "Rayleigh",
    "Discrete Uniform",
};

DistributionSet makeDistributionSet()
{
    return {
        std::make_unique<UniformDistribution>(0.0, 1.0),
        std::make_unique<NormalDistribution>(0.0, 1.0),
        std::make_unique<LognormalDistribution>(1.0, 1.0),
        std::make_unique<ExponentialDistribution>(1.0),
        std::make_unique<CauchyDistribution>(0.0, 1.0),
        std::make_unique<GammaDistribution>(1.0, 1.0),
        std::make_unique<BetaDistribution>(0.5, 0.5),
        std::make_unique<StudentDistribution>(1.0),
        std::make_unique<FDistribution>(1.0, 1.0),
        std::make_unique<ChiSquareDistribution>(1.0),
        std::make_unique<DoubleExponentialDistribution>(1.0),
        std::make_unique<PoissonDistribution>(10.0),
        std::make_unique<BinomialDistribution>(10, 0.5),
        std::make_unique<NegativeBinomialDistribution>(10, 0.5),
        std::make_unique<GeometricDistribution>(0.5),
        std::make_unique<WeibullDistribution>(1.5, 1.0),
        std::make_unique<LogisticDistribution>(0.0, 1.0),
        std::make_unique<GumbelDistribution>(0.0, 1.0),
        std::make_unique<ParetoDistribution>(1.0, 3.0),
        std::make_unique<RayleighDistribution>(1.0),
        std::make_unique<DiscreteUniformDistribution>(1.0, 6.0),
    };
}
