#include "model/result_status.h"

namespace {

struct StatusTexts {
    const char* text;
    const char* name;
};

constexpr StatusTexts statusTexts[] = {
    {"ok", "Ok"},           {"-inf", "MinusInfinity"},   {"+inf", "PlusInfinity"},
    {"-", "SingularPoint"}, {"div 0", "DivisionByZero"}, {"sqrt(-1)", "SquareRootOfNegative"},
    {"-", "Invalid"},
};

const StatusTexts& entry(ResultStatus status)
{
    const int code = static_cast<int>(status);
    return statusTexts[(code >= 0 && code <= 6) ? code : 6];
}

}  // namespace

const char* resultStatusText(ResultStatus status) { return entry(status).text; }

const char* resultStatusName(ResultStatus status) { return entry(status).name; }
