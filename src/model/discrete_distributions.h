#pragma once

#include "model/distribution.h"

// The four discrete distributions; pdf is the mass at floor(x).

// Poisson with mean lambda, rounded down to a whole number >= 1.
class PoissonDistribution final : public Distribution {
public:
    explicit PoissonDistribution(double lambda) : Distribution(1, false, lambda) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double pmfStep(double k, double previous) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
};

// Binomial: N trials (a whole number >= 1), success probability 0 < p < 1.
class BinomialDistribution final : public Distribution {
public:
    BinomialDistribution(int trials, double p) : Distribution(2, false, trials, p) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double pmfStep(double k, double previous) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;
};

// Failures before the N-th success (N a whole number >= 1), 0 < p < 1.
class NegativeBinomialDistribution final : public Distribution {
public:
    NegativeBinomialDistribution(int successes, double p) : Distribution(2, false, successes, p) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double pmfStep(double k, double previous) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;
};

// Failures before the first success, 0 < p < 1.
class GeometricDistribution final : public Distribution {
public:
    explicit GeometricDistribution(double p) : Distribution(1, false, p) {}

    double mean() override;
    double standardDeviation() override;
    double coefficientOfVariation() override;
    double skewness() override;
    double kurtosis() override;
    double pdf(double x) override;
    double cdf(double x) override;
    double hazard(double x) override;
    double pmfStep(double k, double previous) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
};
