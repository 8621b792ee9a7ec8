#pragma once

#include <atomic>
#include <cmath>
#include <functional>

#include "model/distribution.h"

// A distribution whose range and function values the test scripts, counting
// the calls the graph makes.
class ScriptedDistribution final : public Distribution {
public:
    struct Result {
        double value = 0.0;
        ResultStatus status = ResultStatus::Ok;
    };
    using Function = std::function<Result(double x)>;
    using Step = std::function<Result(double k, double previous)>;

    explicit ScriptedDistribution(bool continuous, double low = 0.0, double high = 1.0)
        : Distribution(2, continuous, 0.0, 0.0), low_(low), high_(high)
    {
    }

    Function density = [](double) { return Result{}; };
    Function distributionFunction = [](double) { return Result{}; };
    Function hazardFunction = [](double) { return Result{0.0, ResultStatus::Invalid}; };
    Step massStep = [](double, double) { return Result{0.0, ResultStatus::Invalid}; };
    ResultStatus rangeStatus = ResultStatus::Ok;

    std::atomic<int> functionCalls{0};  // pdf, cdf, survival, hazard
    std::atomic<int> stepCalls{0};

    // The range and results are given as they are, NaN included, so that the
    // plot can be tried on what a faulty distribution might return.
    double graphLow() override { return given(ResultStatus::Ok, low_); }
    double graphHigh() override
    {
        return rangeStatus == ResultStatus::Ok ? given(ResultStatus::Ok, high_) : fail(rangeStatus);
    }

private:
    bool isValid() const override { return true; }
    double validMean() override { return ok(0.0); }
    double validStandardDeviation() override { return ok(0.0); }
    double validCoefficientOfVariation() override { return ok(0.0); }
    double validSkewness() override { return ok(0.0); }
    double validKurtosis() override { return ok(0.0); }
    double validPdf(double x) override { return count(density(x)); }
    double validCdf(double x) override { return count(distributionFunction(x)); }
    double validHazard(double x) override { return count(hazardFunction(x)); }
    double validQuantile(double) override { return fail(ResultStatus::Invalid); }
    double validPmfStep(double k, double previous) override
    {
        ++stepCalls;
        return report(massStep(std::floor(k), previous));
    }
    double count(Result result)
    {
        ++functionCalls;
        return report(result);
    }
    double report(Result result) { return given(result.status, result.value); }
    double given(ResultStatus status, double value)
    {
        setStatus(status);
        return value;
    }

    double low_;
    double high_;
};

// P(X <= k) for the geometric distribution below, without cancellation for small p.
inline double geometricBelow(double p, double k) { return -std::expm1((k + 1.0) * std::log1p(-p)); }

// P(X = k) = p (1 - p)^k on k = 0, 1, 2, ...: mass, one-step ratio and distribution function.
inline void scriptGeometric(ScriptedDistribution& distribution, double p)
{
    distribution.density = [p](double x) {
        const double k = std::floor(x);
        return ScriptedDistribution::Result{k < 0 ? 0.0 : p * std::pow(1.0 - p, k)};
    };
    distribution.distributionFunction = [p](double x) {
        const double k = std::floor(x);
        return ScriptedDistribution::Result{k < 0 ? 0.0 : geometricBelow(p, k)};
    };
    distribution.massStep = [p](double k, double previous) {
        return ScriptedDistribution::Result{k == 0 ? p : previous * (1.0 - p)};
    };
}
