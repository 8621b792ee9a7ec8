#include "shell/graph_description.h"

#include "graph/function_plot.h"
#include "model/catalogue.h"
#include "model/distribution.h"
#include "model/value_text.h"
#include "shell/shell.h"

namespace {

std::string functionPhrase(ShownFunction function, bool continuous)
{
    switch (function) {
        case ShownFunction::Density:
            return continuous ? "Probability density" : "Probability mass";
        case ShownFunction::Distribution:
            return "Cumulative distribution function";
        case ShownFunction::Survival:
            return "Survival function";
        case ShownFunction::Hazard:
            return "Hazard function";
    }
    return {};
}

}  // namespace

std::string graphDescription(Distribution& distribution, const std::string& name, ShownFunction function,
                             const std::vector<std::string>& parameterTexts)
{
    std::string text = functionPhrase(function, distribution.isContinuous()) + " of " + name + " (";
    for (std::size_t k = 0; k < parameterTexts.size(); ++k) text += (k ? ", " : "") + parameterTexts[k];
    text += ")";
    const FunctionPlot plot = computeFunctionPlot(distribution, function);
    if (plot.parametersInvalid) return text + ": invalid parameters";
    return text + " from " + formatValue(plot.low) + " to " + formatValue(plot.high);
}

std::string graphDescription(const Shell& shell)
{
    const PlotRequest request = shell.plotRequest();
    DistributionSet copies = makeDistributionSet();
    Distribution& copy = *copies[request.distribution];
    copy.setParameter1(request.parameters[0]);
    copy.setParameter2(request.parameters[1]);
    copy.setParameter3(request.parameters[2]);
    copy.setParameter4(request.parameters[3]);
    std::vector<std::string> parameterTexts;
    for (const Field field : {Field::Parameter1, Field::Parameter2}) {
        if (shell.isFieldVisible(field)) parameterTexts.push_back(shell.fieldText(field));
    }
    return graphDescription(copy, distributionNames[request.distribution], request.function, parameterTexts);
}
