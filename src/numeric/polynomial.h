#pragma once

#include <cstddef>

// Horner's rule over a coefficient table listed from the highest power down.
template <std::size_t N>
constexpr double evaluatePolynomial(const double (&coefficients)[N], double x)
{
    double sum = coefficients[0];
    for (std::size_t i = 1; i < N; ++i) sum = sum * x + coefficients[i];
    return sum;
}
