#pragma once

#include "model/distribution.h"
#include "model/location_scale_distribution.h"

// The distributions built on the normal integral.

// Normal with mean mu and standard deviation sigma > 0.
class NormalDistribution final : public LocationScaleDistribution {
public:
    NormalDistribution(double mu, double sigma) : LocationScaleDistribution(mu, sigma) {}

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

    double densityFactor_ = 0.0;   // 1 / (sigma sqrt(2 pi)), NaN where not a normal double
    double densityDivisor_ = 0.0;  // sigma sqrt(2 pi), NaN where not a normal double
    double countFactor_ = 0.0;     // 2^74 / (sigma sqrt(2 pi)), NaN where sigma sqrt(2 pi) < 1
};

// X = mu exp(sigma Z) for a standard normal Z: median mu > 0, shape sigma > 0.
// No mass at or below 0: pdf and cdf are 0 there.
class LognormalDistribution final : public Distribution {
public:
    LognormalDistribution(double mu, double sigma) : Distribution(2, true, mu, sigma) {}

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

    double logOfQuotient(double x) const;  // log(x / mu)

    ScaleDivisor shape_;          // sigma
    ScaleDivisor median_;         // mu
    double densityFactor_ = 0.0;  // 1 / (sigma sqrt(2 pi)), NaN where not a normal double
    double halfPrecision_ = 0.0;  // 1 / (2 sigma^2), NaN where not a normal double
    double logMedian_ = 0.0;      // log(mu)
    double quotientLow_ = 0.0;    // mu 2^-1000 and mu 2^1000, where x / mu leaves
    double quotientHigh_ = 0.0;   // the doubles it is safe to divide into
};
