#include "model/distribution.h"

#include <algorithm>
#include <cmath>

Distribution::Distribution(int parameterCount, bool continuous, double parameter1, double parameter2,
                           int wholeParameterCount)
    : parameters_{parameter1, parameter2, 0.0, 0.0},
      continuous_(continuous),
      parameterCount_(parameterCount),
      wholeParameterCount_(wholeParameterCount)
{
    for (int i = 0; i < wholeParameterCount_; ++i) parameters_[i] = std::floor(parameters_[i]);
}

void Distribution::takeChangedParameters()
{
    for (int i = 0; i < wholeParameterCount_; ++i) parameters_[i] = std::floor(parameters_[i]);
    parametersReady_ = isValid();
    parametersChanged_ = false;
    if (parametersReady_) prepareParameters();
}

double Distribution::statistic(Statistic which, double (Distribution::*validPart)())
{
    if (!defines(which) || !roundAndTestParameters()) return fail(ResultStatus::Invalid);
    return (this->*validPart)();
}

double Distribution::mean() { return statistic(Statistic::Mean, &Distribution::validMean); }

double Distribution::standardDeviation()
{
    return statistic(Statistic::StandardDeviation, &Distribution::validStandardDeviation);
}

double Distribution::coefficientOfVariation()
{
    return statistic(Statistic::CoefficientOfVariation, &Distribution::validCoefficientOfVariation);
}

double Distribution::skewness() { return statistic(Statistic::Skewness, &Distribution::validSkewness); }

double Distribution::kurtosis() { return statistic(Statistic::Kurtosis, &Distribution::validKurtosis); }

double Distribution::pmfStep(double k, double previous)
{
    return roundAndTestParameters() ? validPmfStep(k, previous) : fail(ResultStatus::Invalid);
}

// Reached only for a statistic that defines() denies.
double Distribution::validMean() { return fail(ResultStatus::Invalid); }
double Distribution::validStandardDeviation() { return fail(ResultStatus::Invalid); }
double Distribution::validCoefficientOfVariation() { return fail(ResultStatus::Invalid); }
double Distribution::validSkewness() { return fail(ResultStatus::Invalid); }
double Distribution::validKurtosis() { return fail(ResultStatus::Invalid); }

double Distribution::validSurvival(double x)
{
    // The status is the one cdf left.
    return 1.0 - validCdf(x);
}

double Distribution::validHazard(double x)
{
    // A mass function has no hazard rate.
    if (!isContinuous()) return fail(ResultStatus::Invalid);
    const double density = validPdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double tail = validSurvival(x);
    if (status() != ResultStatus::Ok) return 0.0;
    if (tail == 0.0) return fail(ResultStatus::PlusInfinity);
    return ok(density / tail);
}

double Distribution::validPmfStep(double, double) { return fail(ResultStatus::Invalid); }

// The range from the 0.001 to the 0.999 quantile; for counts, from
// floor(low - 0.5), not below 0, to floor(high + 1.5).
double Distribution::graphLow()
{
    const double low = quantile(0.001);
    return isContinuous() ? low : std::max(0.0, std::floor(low - 0.5));
}

double Distribution::graphHigh()
{
    const double high = quantile(0.999);
    return isContinuous() ? high : std::floor(high + 1.5);
}

const char* Distribution::parameterSymbol1() const { return ""; }
const char* Distribution::parameterSymbol2() const { return ""; }
const char* Distribution::parameterSymbol3() const { return ""; }
const char* Distribution::parameterSymbol4() const { return ""; }
const char* Distribution::parameterDomain1() const { return ""; }
const char* Distribution::parameterDomain2() const { return ""; }
const char* Distribution::parameterDomain3() const { return ""; }
const char* Distribution::parameterDomain4() const { return ""; }
