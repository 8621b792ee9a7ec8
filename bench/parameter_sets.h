// The parameter sets the command, render and side-by-side benchmarks run at:
// every distribution at its defaults, then each family at its hardest valid
// parameters (largest counts, smallest and largest shapes, extreme p).
#pragma once

#include <array>
#include <cstdlib>
#include <string>

struct ParameterSet {
    int distribution;        // catalogue index d
    const char* parameter1;  // as typed into the first parameter field
    const char* parameter2;  // nullptr for a one-parameter distribution
    const char* bulkX;       // an x in the bulk of the distribution (its mean or near it)
};

inline constexpr ParameterSet parameterSets[] = {
    {0, "0", "1", "0.5"},    // uniform
    {1, "0", "1", "0.5"},    // normal
    {2, "1", "1", "1"},      // lognormal
    {3, "1", nullptr, "1"},  // exponential
    {4, "0", "1", "0.5"},    // Cauchy
    {5, "1", "1", "1"},      // gamma
    {5, "0.01", "1", "0.01"},
    {5, "10000", "1", "10000"},
    {6, "0.5", "0.5", "0.5"},  // beta
    {6, "0.01", "1000", "0.00001"},
    {6, "1000", "1000", "0.5"},
    {7, "1", nullptr, "1"},  // Student
    {7, "1000000", nullptr, "1"},
    {8, "1", "1", "1"},  // F
    {8, "100000", "100000", "1"},
    {9, "1", nullptr, "1"},  // chi-square
    {9, "100000", nullptr, "100000"},
    {10, "1", nullptr, "0.5"},  // double exponential
    {11, "10", nullptr, "10"},  // Poisson
    {11, "700", nullptr, "700"},
    {12, "10", "0.5", "5"},  // binomial
    {12, "1000", "0.6", "600"},
    {12, "1000", "0.001", "1"},
    {13, "10", "0.5", "10"},  // negative binomial
    {13, "1000", "0.4", "1500"},
    {13, "1000", "0.000001", "1000000000"},
    {14, "0.5", nullptr, "1"},  // geometric
    {14, "0.000001", nullptr, "1000000"},
    // Beyond those: shapes far past the usual range, and a negative binomial
    // whose distribution function is a long way from its first mass.
    {5, "10000000000", "1", "10000000000"},
    {9, "1000000000", nullptr, "1000000000"},
    {9, "1000000000000000", nullptr, "1000000000000000"},
    {13, "1", "0.000001", "1000000"},
    // The later six at their defaults and hardest shapes.
    {15, "1.5", "1", "1"},  // Weibull
    {15, "0.1", "1", "1"},
    {15, "1000", "1", "1"},
    {16, "0", "1", "0.5"},  // logistic
    {17, "0", "1", "0.5"},  // Gumbel
    {18, "1", "3", "1.5"},  // Pareto
    {18, "1", "0.1", "10"},
    {19, "1", nullptr, "1"},  // Rayleigh
    {20, "1", "6", "3"},      // discrete uniform
    {20, "1", "1000000000000000", "500000000000000"},
};

// The short names of the catalogue's distributions, in catalogue order.
inline constexpr std::array<const char*, 21> distributionKeys = {
    "uniform",
    "normal",
    "lognormal",
    "exponential",
    "cauchy",
    "gamma",
    "beta",
    "student",
    "f",
    "chi_square",
    "double_exponential",
    "poisson",
    "binomial",
    "negative_binomial",
    "geometric",
    "weibull",
    "logistic",
    "gumbel",
    "pareto",
    "rayleigh",
    "discrete_uniform",
};

// "gamma(0.01, 1)": how a parameter set is named in the benchmarks' output.
inline std::string parameterSetName(const ParameterSet& set)
{
    std::string name = std::string(distributionKeys[set.distribution]) + "(" + set.parameter1;
    if (set.parameter2) name += std::string(", ") + set.parameter2;
    return name + ")";
}

inline double parameterValue(const char* text) { return text ? std::strtod(text, nullptr) : 0.0; }
