#pragma once

#include <cmath>
#include <limits>

#include "model/result_status.h"

// The five statistics an instance may define.
enum class Statistic { Mean, StandardDeviation, CoefficientOfVariation, Skewness, Kurtosis };

// A probability distribution with up to four parameters.
//
// Every numeric operation tests the current parameters, returns a double (0 on
// failure) and leaves a ResultStatus in the instance, which the caller reads
// right after the call. Parameters are written unchecked; the whole-number
// ones (the first `wholeParameterCount`) are rounded down in place when an
// operation takes them.
//
// The public operations are the one place that takes and tests the
// parameters: each rounds, asks isValid() and, if that holds, calls the
// distribution's own valid...() part; otherwise it gives Invalid with 0 (1 for
// the survival function, whose complement is then 0). A quantile's q outside
// [0, 1] is Invalid in the same place, and so is a statistic the distribution
// never defines, before its parameters are touched.
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
    double mean();
    double standardDeviation();
    double coefficientOfVariation();
    double skewness();
    double kurtosis();  // plain, not excess: the normal gives 3

    // Functions at x; pdf is the mass at floor(x) for a discrete distribution.
    // While the parameters stay as last taken and valid, each is one test and
    // a call of the distribution's own part; at invalid ones, Invalid at once.
    double pdf(double x) { return hasValidParameters() ? validPdf(x) : fail(ResultStatus::Invalid); }
    double cdf(double x) { return hasValidParameters() ? validCdf(x) : fail(ResultStatus::Invalid); }
    double survival(double x) { return hasValidParameters() ? validSurvival(x) : fail(ResultStatus::Invalid, 1.0); }
    double hazard(double x) { return hasValidParameters() ? validHazard(x) : fail(ResultStatus::Invalid); }

    // The inverse of cdf at q in [0, 1].
    double quantile(double q)
    {
        return hasValidParameters() && q >= 0.0 && q <= 1.0 ? validQuantile(q) : fail(ResultStatus::Invalid);
    }

    // P(X = k) from previous = P(X = k - 1); k = 0 gives P(X = 0) directly.
    double pmfStep(double k, double previous);

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

    Distribution& setParameter1(double value) { return setParameter(0, value); }
    Distribution& setParameter2(double value) { return setParameter(1, value); }
    Distribution& setParameter3(double value) { return setParameter(2, value); }
    Distribution& setParameter4(double value) { return setParameter(3, value); }
    double parameter1() const { return parameters_[0]; }
    double parameter2() const { return parameters_[1]; }
    double parameter3() const { return parameters_[2]; }
    double parameter4() const { return parameters_[3]; }
    bool isContinuous() const { return continuous_; }
    int parameterCount() const { return parameterCount_; }
    ResultStatus status() const { return status_; }

protected:
    // The first `wholeParameterCount` parameters are whole numbers: stored and
    // taken as their floors.
    Distribution(int parameterCount, bool continuous, double parameter1, double parameter2 = 0.0,
                 int wholeParameterCount = 0);

    // Whether the parameters, already rounded, describe a distribution.
    virtual bool isValid() const = 0;

    // Whether the statistic exists for some parameters; one that never does
    // (the Cauchy moments, say) needs no valid...() part.
    virtual bool defines(Statistic) const { return true; }

    // The operations for valid parameters, each leaving its own status. The
    // defaults: survival 1 - cdf; hazard pdf / survival, undefined for a
    // discrete distribution; no mass recurrence.
    virtual double validMean();
    virtual double validStandardDeviation();
    virtual double validCoefficientOfVariation();
    virtual double validSkewness();
    virtual double validKurtosis();
    virtual double validPdf(double x) = 0;
    virtual double validCdf(double x) = 0;
    virtual double validSurvival(double x);
    virtual double validHazard(double x);
    virtual double validQuantile(double q) = 0;  // q in [0, 1]
    virtual double validPmfStep(double k, double previous);

    // Status helpers: `return ok(value);` and `return fail(ResultStatus::Invalid);`.
    // A NaN has no value to show, so it is never passed off as a result: it
    // reads as an invalid argument (say an infinite x against an infinite mean).
    double ok(double value)
    {
        if (value != value) return fail(ResultStatus::Invalid);
        status_ = ResultStatus::Ok;
        return value;
    }
    double fail(ResultStatus status, double value = 0.0)
    {
        status_ = status;
        return value;
    }
    void setStatus(ResultStatus status) { status_ = status; }
    // A value that overflowed to an infinity is reported by its status, not as a number.
    // One test for the usual finite value; the rest sorts out what it is not.
    double okUnlessInfinite(double value)
    {
        if (std::fabs(value) < std::numeric_limits<double>::infinity()) [[likely]] {
            status_ = ResultStatus::Ok;
            return value;
        }
        if (value != value) return fail(ResultStatus::Invalid);
        return fail(value > 0 ? ResultStatus::PlusInfinity : ResultStatus::MinusInfinity);
    }

    // Rounds the whole-number parameters down in place, then tests them all:
    // what every operation does first (the graph's range where it needs to).
    // The work is done once after the parameters change, so a run of calls at
    // the same parameters (a graph's samples, a quantile's search) pays for it
    // once.
    bool roundAndTestParameters()
    {
        if (parametersChanged_) [[unlikely]]
            takeChangedParameters();
        return parametersReady_;
    }

    // Called once for each new set of valid parameters, before any operation
    // at them: a distribution keeps here what its operations would otherwise
    // recompute on every call (a logarithm of the beta function, say).
    virtual void prepareParameters() {}

    double parameters_[4] = {0.0, 0.0, 0.0, 0.0};

private:
    // Writes a parameter unchecked; the next operation takes it.
    Distribution& setParameter(int index, double value)
    {
        parameters_[index] = value;
        parametersChanged_ = true;
        parametersReady_ = false;
        return *this;
    }
    void takeChangedParameters();

    // roundAndTestParameters() with the usual case, parameters taken and
    // valid, settled by one test.
    bool hasValidParameters() { return parametersReady_ || roundAndTestParameters(); }

    // The entry of a statistic: undefined, invalid or the distribution's own part.
    double statistic(Statistic which, double (Distribution::*validPart)());

    bool continuous_ = true;
    int parameterCount_ = 0;
    int wholeParameterCount_ = 0;
    ResultStatus status_ = ResultStatus::Ok;
    bool parametersChanged_ = true;  // set by every setParameter...
    bool parametersReady_ = false;   // taken since the last change, and valid
};

// The domain texts of the parameter labels (Symbol typeface bytes: 0xCE is the
// element-of sign, 0xA5 the infinity sign, 0xA3 and 0xB3 less and greater or equal).
namespace parameter_domain {
inline constexpr const char* lessThanB = "<b";
inline constexpr const char* greaterThanA = ">a";
inline constexpr const char* atMostB =
    "\xA3"
    "b";
inline constexpr const char* atLeastA =
    "\xB3"
    "a";
inline constexpr const char* real =
    "\xCE"
    "R";
inline constexpr const char* positive =
    "\xCE"
    "(0;+"
    "\xA5"
    ")";
inline constexpr const char* positiveWhole =
    "\xCE"
    "Z+";
inline constexpr const char* unitInterval =
    "\xCE"
    "(0;1)";
}  // namespace parameter_domain

// 2^52: the number that stands for an infinite quantile where one must be returned.
inline constexpr double infiniteQuantile = 4503599627370496.0;
