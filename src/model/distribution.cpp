#include "model/distribution.h"

double Distribution::survival(double x)
{
    // The status is the one cdf left.
    return 1.0 - cdf(x);
}

double Distribution::hazard(double x)
{
    const double density = pdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    const double tail = 1.0 - cdf(x);
    if (status() != ResultStatus::Ok) return 0.0;
    if (tail == 0.0) return fail(ResultStatus::PlusInfinity);
    return ok(density / tail);
}

double Distribution::pmfStep(double, double) { return fail(ResultStatus::Invalid); }

double Distribution::graphLow() { return quantile(0.001); }

double Distribution::graphHigh() { return quantile(0.999); }

const char* Distribution::parameterSymbol1() const { return ""; }
const char* Distribution::parameterSymbol2() const { return ""; }
const char* Distribution::parameterSymbol3() const { return ""; }
const char* Distribution::parameterSymbol4() const { return ""; }
const char* Distribution::parameterDomain1() const { return ""; }
const char* Distribution::parameterDomain2() const { return ""; }
const char* Distribution::parameterDomain3() const { return ""; }
const char* Distribution::parameterDomain4() const { return ""; }
