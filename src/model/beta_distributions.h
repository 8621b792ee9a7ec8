#pragma once

#include <cmath>

#include "model/distribution.h"

// The distributions built on the incomplete beta integral.

// Beta on [0, 1] with shapes alpha > 0 and beta > 0; it defines no kurtosis.
class BetaDistribution final : public Distribution {
public:
    BetaDistribution(double alpha, double beta) : Distribution(2, true, alpha, beta) {}

    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const override;
    bool defines(Statistic which) const override;
    double validMean() override;
    double validStandardDeviation() override;
    double validCoefficientOfVariation() override;
    double validSkewness() override;
    double validPdf(double x) override;
    double validCdf(double x) override;
    double validSurvival(double x) override;
    double validHazard(double x) override;
    double validQuantile(double q) override;
};

// Student's t with nu degrees of freedom, a whole number nu > 0; each moment
// exists only above its own bound on nu.
class StudentDistribution final : public Distribution {
public:
    explicit StudentDistribution(double degrees) : Distribution(1, true, degrees, 0.0, 1) {}

    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;

private:
    bool isValid() const override;
    bool defines(Statistic which) const override;
    double validMean() override;
    double validStandardDeviation() override;
    double validSkewness() override;
    double validKurtosis() override;
    double validPdf(double x) override;
    double validCdf(double x) override;
    double validSurvival(double x) override;
    double validHazard(double x) override;
    double validQuantile(double q) override;
};

// F with nu1 and nu2 degrees of freedom, whole numbers above 0; each moment
// exists only above its own bound on nu2.
class FDistribution final : public Distribution {
public:
    FDistribution(double degrees1, double degrees2) : Distribution(2, true, degrees1, degrees2, 2) {}

    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const override;
    bool defines(Statistic which) const override;
    double validMean() override;
    double validStandardDeviation() override;
    double validCoefficientOfVariation() override;
    double validSkewness() override;
    double validPdf(double x) override;
    double validCdf(double x) override;
    double validSurvival(double x) override;
    double validHazard(double x) override;
    double validQuantile(double q) override;
    void prepareParameters() override;
    // w = n2 / (x n1 + n2), whose incomplete beta I(n2/2, n1/2; w) is the survival.
    double tailArgument(double x) const;

    // The survival at x = n2 / n1, I(n2/2, n1/2; 1/2), which tells the quantile
    // which of its two inverses keeps the digits: one integral per parameter
    // set, not one per quantile.
    double survivalAtRatio_ = 0.5;
};
