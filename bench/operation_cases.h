#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "model/distribution.h"

// One timed operation on a freshly made distribution, named "family_parameters/operation".
struct OperationCase {
    const char* name;
    std::function<std::unique_ptr<Distribution>()> make;
    std::function<double(Distribution&)> operation;
};

// Registers each case as a benchmark in microseconds; the cases must outlive the run.
template <std::size_t N>
bool registerOperationCases(const OperationCase (&cases)[N])
{
    for (const OperationCase& c : cases) {
        benchmark::RegisterBenchmark(c.name, [&c](benchmark::State& state) {
            auto distribution = c.make();
            for (auto _ : state) benchmark::DoNotOptimize(c.operation(*distribution));
        })->Unit(benchmark::kMicrosecond);
    }
    return true;
}
