#pragma once

// What the last numeric operation of a distribution says about its result.
// Ok and SingularPoint show the number; every other status shows its text.
enum class ResultStatus : int {
    Ok = 0,
    MinusInfinity = 1,
    PlusInfinity = 2,
    SingularPoint = 3,
    DivisionByZero = 4,
    SquareRootOfNegative = 5,
    Invalid = 6,
};

// The display text of a status: "ok", "-inf", "+inf", "-", "div 0", "sqrt(-1)", "-".
const char* resultStatusText(ResultStatus status);

// The enumerator's own name ("Ok", "PlusInfinity", ...), for machine-readable output.
const char* resultStatusName(ResultStatus status);
