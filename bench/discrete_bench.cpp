// The discrete distributions at the parameters where a plain walk of the mass
// would underflow, run for billions of steps or overflow its counter.
#include <memory>

#include "model/discrete_distributions.h"
#include "operation_cases.h"

namespace {

const OperationCase discreteCases[] = {
    {"poisson_700/cdf_700", [] { return std::make_unique<PoissonDistribution>(700); },
     [](Distribution& d) { return d.cdf(700); }},
    {"poisson_700/cdf_1e300", [] { return std::make_unique<PoissonDistribution>(700); },
     [](Distribution& d) { return d.cdf(1e300); }},
    {"poisson_700/quantile_0.999", [] { return std::make_unique<PoissonDistribution>(700); },
     [](Distribution& d) { return d.quantile(0.999); }},
    {"binomial_1000_0.6/cdf_600", [] { return std::make_unique<BinomialDistribution>(1000, 0.6); },
     [](Distribution& d) { return d.cdf(600); }},
    {"binomial_1000_0.6/quantile_0.5", [] { return std::make_unique<BinomialDistribution>(1000, 0.6); },
     [](Distribution& d) { return d.quantile(0.5); }},
    {"binomial_1000_0.5/pdf_500", [] { return std::make_unique<BinomialDistribution>(1000, 0.5); },
     [](Distribution& d) { return d.pdf(500); }},
    {"negative_binomial_1000_0.4/graph_low", [] { return std::make_unique<NegativeBinomialDistribution>(1000, 0.4); },
     [](Distribution& d) { return d.graphLow(); }},
    {"negative_binomial_1000_1e-6/quantile_0.001",
     [] { return std::make_unique<NegativeBinomialDistribution>(1000, 1e-6); },
     [](Distribution& d) { return d.quantile(0.001); }},
    {"negative_binomial_1000_1e-6/cdf_1e9", [] { return std::make_unique<NegativeBinomialDistribution>(1000, 1e-6); },
     [](Distribution& d) { return d.cdf(1e9); }},
    {"negative_binomial_200_0.05/quantile_0.999",
     [] { return std::make_unique<NegativeBinomialDistribution>(200, 0.05); },
     [](Distribution& d) { return d.quantile(0.999); }},
    {"negative_binomial_1_1e-300/quantile_0.001",
     [] { return std::make_unique<NegativeBinomialDistribution>(1, 1e-300); },
     [](Distribution& d) { return d.quantile(0.001); }},
    {"geometric_1e-12/quantile_0.5", [] { return std::make_unique<GeometricDistribution>(1e-12); },
     [](Distribution& d) { return d.quantile(0.5); }},
    {"geometric_1e-12/cdf_1e12", [] { return std::make_unique<GeometricDistribution>(1e-12); },
     [](Distribution& d) { return d.cdf(1e12); }},
};

const bool registered = registerOperationCases(discreteCases);

}  // namespace
