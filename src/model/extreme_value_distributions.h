#pragma once

#include "model/distribution.h"
#include "model/location_scale_distribution.h"
#include "numeric/scaled_exponential.h"

// The laws of extremes and lifetimes whose every function is a closed form
// in (x / scale)^shape or in exp(-z): Weibull, Gumbel and Rayleigh. Each
// tail is taken from its own complementary form, so both keep their digits
// down to the smallest doubles. Against 50-digit values every result is
// within a third of max(1e-13, 100 cond 2^-52) relative, cond being its
// condition number in x (for a Weibull statistic, in the shape k).

// Weibull with shape k > 0 and scale lambda > 0 on x >= 0:
// F(x) = 1 - exp(-(x/lambda)^k). Below the support pdf, cdf and hazard are 0
// and survival is 1.
class WeibullDistribution final : public Distribution {
public:
    WeibullDistribution(double shape, double scale) : Distribution(2, true, shape, scale) {}

    // What the quantile keeps of the parameters: 1/k as its rounding r and
    // the rest d, and lambda for products lambda e^y.
    struct QuantileTerms {
        DoubleDouble inverseShape = {1.0, 0.0};
        ExponentialFactor scale;
    };

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
    // log(x / lambda) for x > 0, also where the quotient leaves the normal doubles.
    double logScaled(double x) const;
    void prepareParameters() override;

    ScaleDivisor scale_;  // lambda
    QuantileTerms quantileTerms_;
};

// Gumbel (the law of the largest value) with location mu and scale
// beta > 0: F(x) = exp(-exp(-(x - mu)/beta)).
class GumbelDistribution final : public LocationScaleDistribution {
public:
    GumbelDistribution(double mu, double beta) : LocationScaleDistribution(mu, beta) {}

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

// Rayleigh with scale sigma > 0 on x >= 0: F(x) = 1 - exp(-x^2 / (2 sigma^2)).
// Below the support pdf, cdf and hazard are 0 and survival is 1.
class RayleighDistribution final : public Distribution {
public:
    explicit RayleighDistribution(double sigma) : Distribution(1, true, sigma) {}

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
    void prepareParameters() override { scale_.take(parameters_[0]); }

    ScaleDivisor scale_;  // sigma
};
