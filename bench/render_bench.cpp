// One whole render pass (the plot model with its 274 samples, then the curve,
// axes and ticks drawn into the 304 x 230 image) for every function of every
// parameter set, as the render thread runs it.
#include <benchmark/benchmark.h>

#include <string>

#include "graph/graph_image.h"
#include "parameter_sets.h"

namespace {

const char* const functionKeys[] = {"density", "cdf", "survival", "hazard"};

const bool registered = [] {
    for (const ParameterSet& set : parameterSets) {
        for (int f = 0; f < shownFunctionCount; ++f) {
            PlotRequest request;
            request.distribution = set.distribution;
            request.parameters[0] = parameterValue(set.parameter1);
            request.parameters[1] = parameterValue(set.parameter2);
            request.function = shownFunctionAt(f);
            const std::string name = std::string("render/") + functionKeys[f] + "/" + parameterSetName(set) + "/-";
            benchmark::RegisterBenchmark(name.c_str(), [request](benchmark::State& state) {
                DistributionSet distributions = makeDistributionSet();
                for (auto _ : state) benchmark::DoNotOptimize(renderGraphImage(request, distributions));
            })->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace
