#pragma once

#include "model/distribution.h"
#include "numeric/double_double.h"
#include "numeric/scaled_exponential.h"

// Pareto with scale xm > 0 and shape alpha > 0 on x >= xm:
// S(x) = (xm / x)^alpha. Below the support pdf, cdf and hazard are 0 and
// survival is 1. Its moments exist only below alpha: the mean is +inf for
// alpha <= 1, the standard deviation +inf for 1 < alpha <= 2 (and undefined
// below), skewness and kurtosis undefined up to alpha = 3 and 4. Against
// 50-digit values every result is within 6e-14 relative (within
// max(1e-13, 100 cond 2^-52), cond its condition number in x or q).
class ParetoDistribution final : public Distribution {
public:
    ParetoDistribution(double scale, double shape) : Distribution(2, true, scale, shape) {}

    // What the functions keep of the parameters: 1/alpha as its rounding r
    // and the rest d, xm for products xm e^y, 1/xm rounded, and log alpha in
    // two parts.
    struct KeptTerms {
        DoubleDouble inverseShape = {1.0, 0.0};
        double inverseLocation = 1.0;
        ExponentialFactor location;
        DoubleDouble logShape = {0.0, 0.0};
    };

    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const override;
    double validMean() override;
    double validStandardDeviation() override;
    double validCoefficientOfVariation() override;
    double validSkewness() override;
    double validKurtosis() override;
    double validPdf(double x) override;
    double validCdf(double x) override;
    double validSurvival(double x) override;
    double validHazard(double x) override;
    double validQuantile(double q) override;
    void prepareParameters() override;
    // log(x / xm) for x >= xm.
    double logRatio(double x) const;

    KeptTerms terms_;
};
