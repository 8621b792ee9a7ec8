#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "numeric/arithmetic.h"

// Division by a scale fixed with the parameters. Where the scale is a power
// of two its reciprocal is exact, and a product with it is the same correctly
// rounded number as the quotient, at a fraction of a division's latency; the
// usual scales (1, 2, 1/2) are such powers. A subnormal scale would send
// every division down the processor's slow path: the value is divided by the
// scale raised by 2^64 and the quotient raised back, the same number, as a
// quotient below 2^-958 would need a value below the doubles.
class ScaleDivisor {
public:
    void take(double scale)
    {
        scale_ = scale;
        int exponent = 0;
        const double reciprocal = 1 / scale;
        exact_ = std::frexp(scale, &exponent) == 0.5 && std::isfinite(reciprocal) && reciprocal != 0;
        reciprocal_ = exact_ ? reciprocal : 0.0;
        subnormal_ = !exact_ && scale != 0 && std::fabs(scale) < std::numeric_limits<double>::min();
        raisedScale_ = subnormal_ ? scale * 0x1p64 : scale;
        loweredScale_ = scale * 0x1p-537;
        scaleCount_ = static_cast<double>(std::bit_cast<std::int64_t>(std::fabs(scale)));
    }
    double divide(double value) const
    {
        if (exact_) return value * reciprocal_;
        if (subnormal_) return value / raisedScale_ * 0x1p64;
        return value / scale_;
    }
    // value * scale, the same way off the slow path: the same number wherever
    // it is a normal double, within a unit of the smallest subnormal below.
    // Where the product is subnormal too (|value| <= 1) it is built from the
    // scale's count of 2^-1074, as the same correctly rounded number.
    double multiply(double value) const
    {
        if (!subnormal_) [[likely]]
            return value * scale_;
        if (std::fabs(value) <= 1) return std::copysign(productIntoSubnormals(std::fabs(value), scaleCount_), value);
        return value * raisedScale_ * 0x1p-64;
    }
    // The same for a subnormal value, whose product would take the slow path
    // too (some 30 cycles): its count of 2^-1074, its bits, lowered by 2^-537
    // times the scale lowered by as much, both exact, so that the one
    // rounding is that of value * scale.
    double multiplySubnormal(double value) const
    {
        const auto count = static_cast<double>(std::bit_cast<std::int64_t>(std::fabs(value)));
        return std::copysign(count * 0x1p-537 * loweredScale_, value);
    }
    double scale() const { return scale_; }

private:
    double scale_ = 1.0;
    double reciprocal_ = 1.0;
    double raisedScale_ = 1.0;
    double loweredScale_ = 0x1p-537;  // scale 2^-537
    double scaleCount_ = 0.0;         // a subnormal scale's count of 2^-1074
    bool exact_ = true;
    bool subnormal_ = false;
};

// The quantile tan(pi (q - 1/2)) of the standard Cauchy law for 0 < q < 1,
// in the tails as -1 / tan(pi q) and 1 / tan(pi (1 - q)), which keep the
// digits of a small q or 1 - q that q - 1/2 would lose.
inline double standardCauchyQuantile(double q)
{
    constexpr double pi = std::numbers::pi;
    if (q < 0.25) return -1 / std::tan(pi * q);
    if (q > 0.75) return 1 / std::tan(pi * (1 - q));
    return std::tan(pi * (q - 0.5));
}
