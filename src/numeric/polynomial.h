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

namespace polynomial_detail {

// The terms of x^Low .. x^(Low + Width - 1), those beyond the table 0, over x^Low.
template <std::size_t Low, std::size_t Width, std::size_t N>
constexpr double estrinBlock(const double (&coefficients)[N], double x, double x2, double x4, double x8)
{
    if constexpr (Width == 1) {
        return coefficients[N - 1 - Low];
    } else {
        constexpr std::size_t half = Width / 2;
        const double lower = estrinBlock<Low, half>(coefficients, x, x2, x4, x8);
        if constexpr (Low + half >= N) {
            return lower;
        } else {
            const double power = half == 1 ? x : half == 2 ? x2 : half == 4 ? x4 : x8;
            return estrinBlock<Low + half, half>(coefficients, x, x2, x4, x8) * power + lower;
        }
    }
}

constexpr std::size_t widthFor(std::size_t n) { return n <= 1 ? 1 : 2 * widthFor((n + 1) / 2); }

}  // namespace polynomial_detail

// The same polynomial by Estrin's scheme: pairs of terms, then pairs of pairs,
// each level one multiply-add deep, so a table of up to 16 coefficients takes
// four levels where Horner's rule takes 15 steps one after the other. For the
// long polynomials of a path whose time is its latency.
template <std::size_t N>
constexpr double evaluatePolynomialInParallel(const double (&coefficients)[N], double x)
{
    static_assert(N >= 1 && N <= 16);
    const double x2 = x * x, x4 = x2 * x2, x8 = x4 * x4;
    return polynomial_detail::estrinBlock<0, polynomial_detail::widthFor(N)>(coefficients, x, x2, x4, x8);
}
