#pragma once

#include "model/distribution.h"

// Uniform on the whole numbers a, a + 1, ..., b: a <= b, both whole
// (rounded down) and within 1e15 of 0, so that every count is exact. Every
// function rounds its argument down to k first; pdf is the mass 1/(b - a + 1)
// on the support and 0 off it. hazard is not defined (Invalid). Every value
// is a quotient or root of exact whole numbers, within 2e-16 relative of
// the exact one, and quantiles are exact.
class DiscreteUniformDistribution final : public Distribution {
public:
    DiscreteUniformDistribution(double lowest, double highest) : Distribution(2, false, lowest, highest, 2) {}

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
    double validQuantile(double q) override;
    double validPmfStep(double k, double previous) override;
    // b - a + 1, the number of values.
    double count() const { return parameters_[1] - parameters_[0] + 1.0; }
};
