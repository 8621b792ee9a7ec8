#pragma once

#include "model/distribution.h"

// Continuous distributions whose every operation is a closed form.

// Uniform on [a, b]; valid when a < b.
class UniformDistribution final : public Distribution {
public:
    UniformDistribution(double a, double b) : Distribution(2, true, a, b) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;
};

// Exponential with rate lambda > 0.
class ExponentialDistribution final : public Distribution {
public:
    explicit ExponentialDistribution(double lambda) : Distribution(1, true, lambda) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
};

// Cauchy with location mu and scale sigma > 0; it has no moments.
class CauchyDistribution final : public Distribution {
public:
    CauchyDistribution(double mu, double sigma) : Distribution(2, true, mu, sigma) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;
};

// Laplace density lambda/2 exp(-lambda |x|), centred at 0; lambda > 0.
class DoubleExponentialDistribution final : public Distribution {
public:
    explicit DoubleExponentialDistribution(double lambda) : Distribution(1, true, lambda) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
};
