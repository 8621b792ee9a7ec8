#pragma once

#include <cmath>

#include "model/distribution.h"

// The distributions built on the incomplete gamma integral.

// Gamma with shape gamma > 0 and scale beta > 0 (density (x/beta)^(gamma-1)
// exp(-x/beta) / (Gamma(gamma) beta)). The constructor keeps |gamma| and |beta|.
class GammaDistribution final : public Distribution {
public:
    GammaDistribution(double shape, double scale) : Distribution(2, true, std::fabs(shape), std::fabs(scale)) {}

    double graphLow() override;
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
};

// Chi-square with n degrees of freedom, a whole number n > 0.
class ChiSquareDistribution final : public Distribution {
public:
    explicit ChiSquareDistribution(double degrees) : Distribution(1, true, degrees, 0.0, 1) {}

    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;

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
};
