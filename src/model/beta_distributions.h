#pragma once

#include <cmath>

#include "model/distribution.h"

// The distributions built on the incomplete beta integral.

// Beta on [0, 1] with shapes alpha > 0 and beta > 0; it defines no kurtosis.
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
    double survival(double x) override;
    double hazard(double x) override;
    double quantile(double q) override;
    double graphLow() override;
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    bool isValid() const;
    double okUnlessOverflow(double value);
};

// Student's t with nu degrees of freedom. Every operation but the coefficient of
// variation first rounds nu down in place; each moment has its own bound on nu.
class StudentDistribution final : public Distribution {
public:
    explicit StudentDistribution(double degrees) : Distribution(1, true, std::floor(degrees)) {}

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
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;

private:
    // Rounds nu down in place and tells whether it exceeds the bound.
    bool floorAndTest(double bound);
    double okUnlessOverflow(double value);
};

// F with nu1 and nu2 degrees of freedom. Every operation but kurtosis and graphLow
// first rounds both down in place; each moment has its own bound on nu2.
class FDistribution final : public Distribution {
public:
    FDistribution(double degrees1, double degrees2)
        : Distribution(2, true, std::floor(degrees1), std::floor(degrees2))
    {
    }

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
    double graphHigh() override;
    const char* parameterSymbol1() const override;
    const char* parameterDomain1() const override;
    const char* parameterSymbol2() const override;
    const char* parameterDomain2() const override;

private:
    // Rounds nu1 and nu2 down in place; valid when nu1 > 0 and nu2 > bound.
    bool floorAndTest(double bound);
    // w = n2 / (x n1 + n2), whose incomplete beta I(n2/2, n1/2; w) is the survival.
    double tailArgument(double x) const;
    double okUnlessOverflow(double value);
};
