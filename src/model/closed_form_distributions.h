#pragma once

#include <numbers>

#include "model/distribution.h"
#include "model/location_scale_distribution.h"

// Continuous distributions whose every operation is a closed form.

// Uniform on [a, b]; valid when a < b. Its hazard 1/(b - x) is singular at b
// and, like its density, undefined outside [a, b].
class UniformDistribution final : public Distribution {
public:
    UniformDistribution(double a, double b) : Distribution(2, true, a, b) {}

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

    double spanFraction(double low, double high) const;

    double density_ = 1.0;    // 1 / (b - a)
    double halfWidth_ = 0.5;  // (b - a) / 2, finite where b - a overflows
    ScaleDivisor width_;      // b - a, an infinity where it overflows
};

// Exponential with rate lambda > 0.
class ExponentialDistribution final : public Distribution {
public:
    explicit ExponentialDistribution(double lambda) : Distribution(1, true, lambda) {}

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
    void prepareParameters() override { rate_.take(parameters_[0]); }

    // lambda x for x >= 0 (or NaN), a subnormal x from its bits: its product
    // would take the processor's slow path, some 30 cycles.
    double rateTimes(double x) const
    {
        return !(x < std::numeric_limits<double>::min()) || x == 0 ? rate_.multiply(x) : rate_.multiplySubnormal(x);
    }

    ScaleDivisor rate_;  // lambda
};

// Cauchy with location mu and scale sigma > 0; it has no moments, and its
// quantile is infinite at q = 0 and q = 1.
class CauchyDistribution final : public LocationScaleDistribution {
public:
    CauchyDistribution(double mu, double sigma) : LocationScaleDistribution(mu, sigma) {}

    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const override;
    bool defines(Statistic which) const override;
    double validPdf(double x) override;
    double validCdf(double x) override;
    double validSurvival(double x) override;
    double validHazard(double x) override;
    double validQuantile(double q) override;
    void prepareParameters() override;
    double densityAway(double x, double difference) const;

    // The density's units, kept with sigma = s / t.
    double densityUnit_ = 1.0;                             // t
    double unitScaleSquared_ = 1.0;                        // s^2, infinite where t is not a double
    double unitHeight_ = 1 / std::numbers::pi;             // s / pi
    double usualUpTo_ = 0x1p1020;                          // 2^1020 s / (pi 2^-1022) at most
    double subnormalAbove_ = 0x1p1022 / std::numbers::pi;  // t 2^1022 (s / pi)
    double countHeight_ = 0.0;                             // (s / pi) 2^1074 t where that is needed
};

// Density lambda/2 exp(-lambda |x|), centred at 0; lambda > 0. Its hazard is
// shown without the factor lambda: 1 for x >= 0, e/(2 - e) with e = exp(lambda x) below.
class DoubleExponentialDistribution final : public Distribution {
public:
    explicit DoubleExponentialDistribution(double lambda) : Distribution(1, true, lambda) {}

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
    void prepareParameters() override;

    ScaleDivisor rate_;  // lambda
    // Nearer 0 than flatWithin_ every function is as at 0 (lambda |x| < 2^-56),
    // the density there, x != 0, being flatDensity_.
    double flatWithin_ = 0.0;
    double flatDensity_ = 0.0;
    // Below this q (or 1 - q) the quantile lies beyond the doubles.
    double infiniteQuantileWithin_ = 0.0;
};
