#pragma once

#include <cmath>

#include "model/distribution.h"
#include "numeric/double_double.h"

// The four discrete distributions on k = 0, 1, 2, ...; every function rounds
// its argument down to k first, and pdf is the mass at k. The Poisson mean and
// the binomial and negative binomial counts N are whole numbers. hazard is not
// defined for any of them (Invalid).
//
// The masses come from their saddle-point expansion (exact to the rounding of
// its exponent). cdf and survival each sum the masses of the tail they ask
// for, from its far end, where those fall off within a few thousand terms,
// and otherwise take the regularised incomplete gamma or beta integral or
// its complement, whichever is the smaller side; so far tails keep every
// digit down to the smallest doubles. Quantiles search the integers from a
// Cornish-Fisher start and are exact. Against 50-digit values: masses and
// tails within 100 |ln v| 2^-52 of the value v (1e-13 where v is not tiny),
// quantiles exact, as far as the incomplete integrals are (their shapes grow
// with the counts). pmfStep given a previous mass that underflowed (below
// the smallest normal double) computes the mass at k directly.

// Poisson with mean lambda, a whole number with 0 < lambda <= 1e15.
class PoissonDistribution final : public Distribution {
public:
    explicit PoissonDistribution(double lambda) : Distribution(1, false, lambda, 0.0, 1) {}

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
    double validQuantile(double q) override;
    double validPmfStep(double k, double previous) override;
};

// Successes in N trials (a whole number with 0 < N <= 1e15), success
// probability 0 < p < 1. Counts above N are SingularPoint: mass 0, cdf 1.
class BinomialDistribution final : public Distribution {
public:
    BinomialDistribution(double trials, double p) : Distribution(2, false, trials, p, 1) {}

    const char* parameterSymbol1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain1() const override;
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
};

// Failures before the N-th success (N a whole number with 0 < N <= 1e15),
// success probability 0 < p < 1.
class NegativeBinomialDistribution final : public Distribution {
public:
    NegativeBinomialDistribution(double successes, double p) : Distribution(2, false, successes, p, 1) {}

    const char* parameterSymbol1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain1() const override;
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
};

// Failures before the first success, 0 < p < 1 (never rounded).
class GeometricDistribution final : public Distribution {
public:
    explicit GeometricDistribution(double p) : Distribution(1, false, p) {}

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
    double validQuantile(double q) override;
    double validPmfStep(double k, double previous) override;
    void prepareParameters() override;

    double upperTail(double k) const;
    double lowerTail(double k) const;
    double quantileOfPowerOfTwoStay(double q) const;

    double scaledStayPower(double factor, double n) const;

    DoubleDouble logStay_ = {0.0, 0.0};  // ln(1 - p) in two parts
    double inverseLogStay_ = 0.0;        // 1 / ln(1 - p)
    double productLimit_ = 0.0;          // the ln(1 - q) above which the quantile takes that reciprocal
    bool stayIsExact_ = false;
    int stayExponent_ = 0;  // e where 1 - p = 2^e exactly, otherwise 0
};
