#pragma once

#include "model/distribution.h"

// The distributions built on the incomplete gamma integral.

// Gamma with shape gamma > 0 and scale beta > 0.
class GammaDistribution final : public Distribution {
public:
    GammaDistribution(double shape, double scale) : Distribution(2, true, shape, scale) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;
};

// Chi-square with n degrees of freedom, rounded down to a whole number >= 1.
class ChiSquareDistribution final : public Distribution {
public:
    explicit ChiSquareDistribution(double degrees) : Distribution(1, true, degrees) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
};
