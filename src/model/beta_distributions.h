#pragma once

#include "model/distribution.h"

// The distributions built on the incomplete beta integral.

// Beta on [0, 1] with shapes alpha > 0 and beta > 0.
class BetaDistribution final : public Distribution {
public:
    BetaDistribution(double alpha, double beta) : Distribution(2, true, alpha, beta) {}

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

// Student's t with nu degrees of freedom, rounded down to a whole number >= 1.
class StudentDistribution final : public Distribution {
public:
    explicit StudentDistribution(double degrees) : Distribution(1, true, degrees) {}

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
};

// F with nu1 and nu2 degrees of freedom, each rounded down to a whole number >= 1.
class FDistribution final : public Distribution {
public:
    FDistribution(double degrees1, double degrees2) : Distribution(2, true, degrees1, degrees2) {}

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
