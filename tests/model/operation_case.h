#pragma once

// One operation of a distribution with the value and status it must give:
// the rows of the table-driven edge-case tests.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "model/distribution.h"

struct OperationCase {
    std::string what;
    std::function<double(Distribution&)> call;
    double value;
    ResultStatus status;
};

inline OperationCase op(const char* name, double (Distribution::*operation)(), double value, ResultStatus status)
{
    return {name, [operation](Distribution& d) { return (d.*operation)(); }, value, status};
}

inline OperationCase op(const char* name, double (Distribution::*operation)(double), double x, double value,
                        ResultStatus status)
{
    return {std::string(name) + "(" + std::to_string(x) + ")",
            [operation, x](Distribution& d) { return (d.*operation)(x); }, value, status};
}

// Values must match exactly (a relative 1e-15 for computed ones); the status always.
inline void expectCases(Distribution& d, const std::string& label, std::initializer_list<OperationCase> cases)
{
    for (const auto& c : cases) {
        const double got = c.call(d);
        EXPECT_EQ(d.status(), c.status) << label << " " << c.what;
        EXPECT_NEAR(got, c.value, 1e-15 * std::fabs(c.value)) << label << " " << c.what;
    }
}
