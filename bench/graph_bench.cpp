// One graph computation (range, 274 samples, scale, curve, axes, ticks), for
// ranges the sampler covers sample by sample, by walking the masses between
// samples, and by taking those masses from the distribution function.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "graph/function_plot.h"
#include "model/closed_form_distributions.h"
#include "model/discrete_distributions.h"
#include "model/normal_distributions.h"

namespace {

struct GraphCase {
    const char* name;
    std::function<std::unique_ptr<Distribution>()> make;
    int function;
};

const GraphCase graphCases[] = {
    {"normal/density", [] { return std::make_unique<NormalDistribution>(0.0, 1.0); }, 0},
    {"normal/hazard", [] { return std::make_unique<NormalDistribution>(0.0, 1.0); }, 3},
    {"cauchy/cdf", [] { return std::make_unique<CauchyDistribution>(0.0, 1.0); }, 1},
    {"poisson_10/mass", [] { return std::make_unique<PoissonDistribution>(10.0); }, 0},
    {"binomial_1000_0.5/cdf", [] { return std::make_unique<BinomialDistribution>(1000, 0.5); }, 1},
    {"negative_binomial_1000_0.01/cdf_walked",
     [] { return std::make_unique<NegativeBinomialDistribution>(1000, 0.01); }, 1},
    {"geometric_1e-4/survival_walked", [] { return std::make_unique<GeometricDistribution>(1e-4); }, 2},
    {"geometric_1e-7/cdf_from_cdf", [] { return std::make_unique<GeometricDistribution>(1e-7); }, 1},
};

void computeGraph(benchmark::State& state, const GraphCase& graphCase)
{
    const auto distribution = graphCase.make();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeFunctionPlot(*distribution, shownFunctionAt(graphCase.function)));
}

const bool registered = [] {
    for (const GraphCase& graphCase : graphCases) {
        benchmark::RegisterBenchmark((std::string("graph/") + graphCase.name).c_str(), computeGraph, graphCase);
    }
    return true;
}();

}  // namespace
