#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

// ln v for a normal double v > 0, within 1.5e-4: its binary exponent and the
// series 2 (t + t^3/3 + t^5/5) of the mantissa m in [1, 2), t = (m - 1)/(m + 1)
// at most 1/3. For corrections that only need a few digits.
inline double roughLog(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const int exponent = static_cast<int>(bits >> 52) - 1023;
    const double m = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
    const double t = (m - 1) / (m + 1), t2 = t * t;
    return exponent * std::numbers::ln2 + 2 * t * (1 + t2 * (1.0 / 3 + t2 * 0.2));
}

// Powers v^(1/k) for a shape k fixed with the parameters. 1/k is kept with
// its rounding error d, which is put back by the first-order term of
// v^(1/k) = v^r (1 + d ln v), r the rounded 1/k: pow alone would carry
// d ln v, up to many units in the last place where v^r is far from 1.
class ReciprocalPower {
public:
    void take(double k)
    {
        reciprocal_ = 1.0 / k;
        error_ = std::fma(-reciprocal_, k, 1.0) / k;
    }

    // v^(sign/k) for v > 0, sign 1 or -1.
    double power(double v, double sign = 1.0) const
    {
        // The correction is a few units in the last place: a logarithm good
        // to 1e-4 leaves it exact to 1e-18 relative while 1/k is at most 16.
        const double logV = v >= std::numeric_limits<double>::min() && reciprocal_ <= 16 ? roughLog(v) : std::log(v);
        return std::pow(v, sign * reciprocal_) * (1.0 + sign * error_ * logV);
    }

    double reciprocal() const { return reciprocal_; }
    double reciprocalError() const { return error_; }

private:
    double reciprocal_ = 1.0;  // 1/k, rounded
    double error_ = 0.0;       // 1/k minus its rounding
};
