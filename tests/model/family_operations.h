#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>

#include "make_distribution.h"
#include "model/distribution.h"

// The operations of a distribution by name, so that tables of cases can name
// what they call.

enum class Operation {
    Mean,
    StandardDeviation,
    CoefficientOfVariation,
    Skewness,
    Kurtosis,
    Pdf,
    Cdf,
    Survival,
    Hazard,
    Quantile,
    GraphLow,
    GraphHigh,
};

inline constexpr Operation allOperations[] = {
    Operation::Mean,     Operation::StandardDeviation, Operation::CoefficientOfVariation,
    Operation::Skewness, Operation::Kurtosis,          Operation::Pdf,
    Operation::Cdf,      Operation::Survival,          Operation::Hazard,
    Operation::Quantile, Operation::GraphLow,          Operation::GraphHigh,
};

inline const char* operationName(Operation operation)
{
    switch (operation) {
        case Operation::Mean:
            return "mean";
        case Operation::StandardDeviation:
            return "standardDeviation";
        case Operation::CoefficientOfVariation:
            return "coefficientOfVariation";
        case Operation::Skewness:
            return "skewness";
        case Operation::Kurtosis:
            return "kurtosis";
        case Operation::Pdf:
            return "pdf";
        case Operation::Cdf:
            return "cdf";
        case Operation::Survival:
            return "survival";
        case Operation::Hazard:
            return "hazard";
        case Operation::Quantile:
            return "quantile";
        case Operation::GraphLow:
            return "graphLow";
        case Operation::GraphHigh:
            return "graphHigh";
    }
    return "";
}

inline Operation operationNamed(const std::string& name)
{
    for (Operation operation : allOperations) {
        if (name == operationName(operation)) return operation;
    }
    return Operation::Mean;
}

inline double callOperation(Distribution& d, Operation operation, double argument)
{
    switch (operation) {
        case Operation::Mean:
            return d.mean();
        case Operation::StandardDeviation:
            return d.standardDeviation();
        case Operation::CoefficientOfVariation:
            return d.coefficientOfVariation();
        case Operation::Skewness:
            return d.skewness();
        case Operation::Kurtosis:
            return d.kurtosis();
        case Operation::Pdf:
            return d.pdf(argument);
        case Operation::Cdf:
            return d.cdf(argument);
        case Operation::Survival:
            return d.survival(argument);
        case Operation::Hazard:
            return d.hazard(argument);
        case Operation::Quantile:
            return d.quantile(argument);
        case Operation::GraphLow:
            return d.graphLow();
        case Operation::GraphHigh:
            return d.graphHigh();
    }
    return 0;
}

// The statuses and the any-value marker the tables of cases use.
inline constexpr double any = NAN;
inline constexpr auto Ok = ResultStatus::Ok;
inline constexpr auto Invalid = ResultStatus::Invalid;
inline constexpr auto PlusInfinity = ResultStatus::PlusInfinity;
inline constexpr auto MinusInfinity = ResultStatus::MinusInfinity;
inline constexpr auto SingularPoint = ResultStatus::SingularPoint;

// One expected outcome of an operation: its value (NAN: any value) and status.
struct FamilyCase {
    Operation operation;
    double argument;
    double value;
    ResultStatus status;
};

// Runs each case on d: the status always, the value unless it is NaN (any).
inline void expectCases(Distribution& d, std::initializer_list<FamilyCase> cases, const char* label)
{
    for (const auto& c : cases) {
        const double value = callOperation(d, c.operation, c.argument);
        EXPECT_EQ(d.status(), c.status) << label << " " << operationName(c.operation) << "(" << c.argument << ")";
        if (!std::isnan(c.value)) {
            EXPECT_NEAR(value, c.value, 1e-15 * std::fmax(1, std::fabs(c.value)))
                << label << " " << operationName(c.operation) << "(" << c.argument << ")";
        }
    }
}
