#pragma once

#include <string>

#include "model/result_status.h"

// The display text of a number: "%.6f" cut to 8 characters, then trailing
// zeros and a bare point removed (123.456789 reads 123.4567, 0.5 reads 0.5).
// Numbers whose integer part with its sign needs more than 8 characters are
// shown in the shortest scientific form that fits 8 characters (1.23e+08), so
// no digit of the integer part is ever dropped silently; infinities read
// "+inf" and "-inf", and NaN reads "-".
std::string formatValue(double x);

// The display text of a result: the number for Ok and SingularPoint,
// otherwise the status text ("-inf", "+inf", "div 0", "sqrt(-1)", "-").
std::string formatResult(double x, ResultStatus status);

// The shortest text that reads back to exactly x ("0.3989422804014327",
// "1e-300"); infinities read "+inf" and "-inf", and NaN reads "-".
std::string formatFullValue(double x);

// formatFullValue of the number for Ok and SingularPoint, otherwise the
// status text, as formatResult does for the shown texts.
std::string formatFullResult(double x, ResultStatus status);
