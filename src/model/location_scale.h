#pragma once

#include <cmath>
#include <numbers>

// Division by a scale fixed with the parameters. Where the scale is a power
// of two its reciprocal is exact, and a product with it is the same correctly
// rounded number as the quotient, at a fraction of a division's latency; the
// usual scales (1, 2, 1/2) are such powers.
class ScaleDivisor {
public:
    void take(double scale)
    {
        scale_ = scale;
        int exponent = 0;
        const double reciprocal = 1 / scale;
        exact_ = std::frexp(scale, &exponent) == 0.5 && std::isfinite(reciprocal) && reciprocal != 0;
        reciprocal_ = exact_ ? reciprocal : 0.0;
    }
    double divide(double value) const { return exact_ ? value * reciprocal_ : value / scale_; }
    double scale() const { return scale_; }

private:
    double scale_ = 1.0;
    double reciprocal_ = 1.0;
    bool exact_ = true;
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
