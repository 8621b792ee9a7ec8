#pragma once

// A distribution by the name the reference generators under tests/data use.

#include <memory>
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

inline std::unique_ptr<Distribution> makeDistribution(const std::string& name, double p1, double p2)
{
    if (name == "uniform") return std::make_unique<UniformDistribution>(p1, p2);
    if (name == "exponential") return std::make_unique<ExponentialDistribution>(p1);
    if (name == "cauchy") return std::make_unique<CauchyDistribution>(p1, p2);
    if (name == "double_exponential") return std::make_unique<DoubleExponentialDistribution>(p1);
    if (name == "normal") return std::make_unique<NormalDistribution>(p1, p2);
    if (name == "lognormal") return std::make_unique<LognormalDistribution>(p1, p2);
    if (name == "gamma") return std::make_unique<GammaDistribution>(p1, p2);
    if (name == "chi_square") return std::make_unique<ChiSquareDistribution>(p1);
    if (name == "beta") return std::make_unique<BetaDistribution>(p1, p2);
    if (name == "student") return std::make_unique<StudentDistribution>(p1);
    if (name == "f") return std::make_unique<FDistribution>(p1, p2);
    if (name == "poisson") return std::make_unique<PoissonDistribution>(p1);
    if (name == "binomial") return std::make_unique<BinomialDistribution>(p1, p2);
    if (name == "negative_binomial") return std::make_unique<NegativeBinomialDistribution>(p1, p2);
    if (name == "geometric") return std::make_unique<GeometricDistribution>(p1);
    if (name == "weibull") return std::make_unique<WeibullDistribution>(p1, p2);
    if (name == "logistic") return std::make_unique<LogisticDistribution>(p1, p2);
    if (name == "gumbel") return std::make_unique<GumbelDistribution>(p1, p2);
    if (name == "pareto") return std::make_unique<ParetoDistribution>(p1, p2);
    if (name == "rayleigh") return std::make_unique<RayleighDistribution>(p1);
    if (name == "discrete_uniform") return std::make_unique<DiscreteUniformDistribution>(p1, p2);
    return nullptr;
}
