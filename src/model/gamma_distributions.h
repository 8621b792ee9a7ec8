#pragma once

#include <cmath>

#include "model/distribution.h"

// The distributions built on the incomplete gamma integral.

// Gamma with shape gamma > 0 and scale beta > 0 (density (x/beta)^(gamma-1)
// exp(-x/beta) / (Gamma(gamma) beta)). The constructor keeps |gamma| and |beta|.
class GammaDistribution final : public Distribution {
public:
    GammaDistribution(double shape, double scale) : Distribution(2, true, std::fabs(shape), std::fabs(scale)) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double survival(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const;
    double okUnlessOverflow(double value);
};

// Chi-square with n degrees of freedom. Every operation but graphLow first
// rounds n down in place; n < 1 is then invalid.
class ChiSquareDistribution final : public Distribution {
public:
    explicit ChiSquareDistribution(double degrees) : Distribution(1, true, std::floor(degrees)) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double survival(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;

private:
    bool floorAndTest();
    double okUnlessOverflow(double value);
};
