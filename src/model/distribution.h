#pragma once

#include "model/result_status.h"

// A probability distribution with up to four parameters.
//
// Every numeric operation tests the current parameters, returns a double (0 on
// failure) and leaves a ResultStatus in the instance, which the caller reads
// right after the call. Parameters are written unchecked; whole-number
// parameters are rounded down in place by the operations that use them.
//
// An instance belongs to one thread: the shell and the render thread each own
// a complete set (see catalogue.h), so a status read is always one's own.
class Distribution {
public:
    Distribution() = default;
    Distribution(const Distribution&) = delete;
    Distribution& operator=(const Distribution&) = delete;
    virtual ~Distribution() = default;

    // Statistics.
    virtual double mean() = 0;
    virtual double standardDeviation() = 0;
    virtual double coefficientOfVariation() = 0;
    virtual double skewness() = 0;
    virtual double kurtosis() = 0;  // plain, not excess: the normal gives 3

    // Functions at x; pdf is the mass at floor(x) for a discrete distribution.
    virtual double pdf(double x) = 0;
    virtual double cdf(double x) = 0;
    virtual double survival(double x);
    virtual double hazard(double x);

    // The inverse of cdf at q in [0, 1].
    virtual double quantile(double q) = 0;

    // P(X = k) from previous = P(X = k - 1); k = 0 gives P(X = 0) directly.
    virtual double pmfStep(double k, double previous);

    // The x-range of the graph; the status after graphHigh judges the parameters.
    virtual double graphLow();
    virtual double graphHigh();

    // Parameter labels, as bytes of the Symbol typeface ("m" shows as mu).
    virtual const char* parameterSymbol1() const;
    virtual const char* parameterSymbol2() const;
    virtual const char* parameterSymbol3() const;
    virtual const char* parameterSymbol4() const;
    virtual const char* parameterDomain1() const;
    virtual const char* parameterDomain2() const;
    virtual const char* parameterDomain3() const;
    virtual const char* parameterDomain4() const;

    Distribution& setParameter1(double value) { parameters_[0] = value; return *this; }
    Distribution& setParameter2(double value) { parameters_[1] = value; return *this; }
    Distribution& setParameter3(double value) { parameters_[2] = value; return *this; }
    Distribution& setParameter4(double value) { parameters_[3] = value; return *this; }
    double parameter1() const { return parameters_[0]; }
    double parameter2() const { return parameters_[1]; }
    double parameter3() const { return parameters_[2]; }
    double parameter4() const { return parameters_[3]; }
    bool isContinuous() const { return continuous_; }
    int parameterCount() const { return parameterCount_; }
    ResultStatus status() const { return status_; }

protected:
    Distribution(int parameterCount, bool continuous, double parameter1, double parameter2 = 0.0)
        : parameters_{parameter1, parameter2, 0.0, 0.0}, continuous_(continuous), parameterCount_(parameterCount)
    {
    }

    // Status helpers: `return ok(value);` and `return fail(ResultStatus::Invalid);`.
    // A NaN has no value to show, so it is never passed off as a result: it
    // reads as an invalid argument (say an infinite x against an infinite mean).
    double ok(double value)
    {
        if (value != value) return fail(ResultStatus::Invalid);
        status_ = ResultStatus::Ok;
        return value;
    }
    double fail(ResultStatus status, double value = 0.0) { status_ = status; return value; }
    void setStatus(ResultStatus status) { status_ = status; }

    double parameters_[4] = {0.0, 0.0, 0.0, 0.0};

private:
    bool continuous_ = true;
    int parameterCount_ = 0;
    ResultStatus status_ = ResultStatus::Ok;
};

// The domain texts of the parameter labels (Symbol typeface bytes: 0xCE is the
// element-of sign, 0xA5 the infinity sign).
namespace parameter_domain {
inline constexpr const char* lessThanB = "<b";
inline constexpr const char* greaterThanA = ">a";
inline constexpr const char* real = "\xCE" "R";
inline constexpr const char* positive = "\xCE" "(0;+" "\xA5" ")";
inline constexpr const char* positiveWhole = "\xCE" "Z+";
inline constexpr const char* unitInterval = "\xCE" "(0;1)";
}  // namespace parameter_domain

// 2^52: the number that stands for an infinite quantile where one must be returned.
inline constexpr double infiniteQuantile = 4503599627370496.0;
