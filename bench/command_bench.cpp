// The synchronous work of each shell command (select a distribution, edit a
// parameter, change x, change q): everything the panels recompute before the
// command returns. The redraw request only copies the snapshot, as handing it
// to the render thread does, so no drawing is timed here.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "graph/plot_vector_registers.h"
#include "parameter_sets.h"
#include "shell/shell.h"

namespace {

// The x and q texts each set is run at besides its bulk x.
const char* const extraXs[] = {"0", "1e300", "-1e300"};
const char* const qs[] = {"0.95", "0.001", "0.999", "1e-12"};

// A shell showing the parameter set, its bulk x and the default q.
struct ShellAtSet {
    PlotRequest lastRequest;
    Shell shell;

    explicit ShellAtSet(const ParameterSet& set)
        : shell(GraphOptions{}, ShellServices{[this](const PlotRequest& r) { lastRequest = r; }, {}, {}})
    {
        shell.start();
        shell.selectDistribution(set.distribution);
        shell.editParameter(1, set.parameter1);
        if (set.parameter2) shell.editParameter(2, set.parameter2);
        shell.editX(set.bulkX);
        shell.editQ("0.95");
    }
};

template <typename Command>
void registerCommand(const std::string& name, const ParameterSet& set, Command command)
{
    benchmark::RegisterBenchmark(name.c_str(), [&set, command](benchmark::State& state) {
        ShellAtSet at(set);
        clearUpperVectorRegisters();  // as the window's event loop does before each command
        for (auto _ : state) {
            command(at.shell);
            benchmark::DoNotOptimize(at.lastRequest);
        }
    })->Unit(benchmark::kMicrosecond);
}

const bool registered = [] {
    for (const ParameterSet& set : parameterSets) {
        const std::string setName = parameterSetName(set);
        registerCommand("command/select/" + setName + "/-", set,
                        [d = set.distribution](Shell& shell) { shell.selectDistribution(d); });
        registerCommand("command/parameter/" + setName + "/1", set,
                        [text = set.parameter1](Shell& shell) { shell.editParameter(1, text); });
        if (set.parameter2) {
            registerCommand("command/parameter/" + setName + "/2", set,
                            [text = set.parameter2](Shell& shell) { shell.editParameter(2, text); });
        }
        std::vector<const char*> xs{set.bulkX};
        xs.insert(xs.end(), std::begin(extraXs), std::end(extraXs));
        for (const char* x : xs) {
            registerCommand("command/x/" + setName + "/" + x, set, [x](Shell& shell) { shell.editX(x); });
        }
        for (const char* q : qs) {
            registerCommand("command/q/" + setName + "/" + q, set, [q](Shell& shell) { shell.editQ(q); });
        }
    }
    return true;
}();

}  // namespace
