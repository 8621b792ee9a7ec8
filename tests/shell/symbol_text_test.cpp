#include "shell/symbol_text.h"

#include <gtest/gtest.h>

#include "model/distribution.h"

namespace {

TEST(SymbolText, ShowsTheParameterLabelsAsTheyRead)
{
    const struct {
        const char* bytes;
        const char* shown;
    } cases[] = {
        {"a", "α"},
        {"b", "β"},
        {"m", "μ"},
        {"s", "σ"},
        {"l", "λ"},
        {"g", "γ"},
        {"n", "ν"},
        {"p", "π"},
        {"N", "Ν"},
        {"n1", "ν1"},
        {"n2", "ν2"},
        {"", ""},
        {parameter_domain::lessThanB, "<β"},
        {parameter_domain::greaterThanA, ">α"},
        {parameter_domain::atMostB, "≤β"},
        {parameter_domain::atLeastA, "≥α"},
        {"k", "κ"},
        {parameter_domain::real, "∈R"},
        {parameter_domain::positive, "∈(0;+∞)"},
        {parameter_domain::positiveWhole, "∈Ζ+"},
        {parameter_domain::unitInterval, "∈(0;1)"},
        {"\xCE[0;1]", "∈[0;1]"},
    };
    for (const auto& c : cases) EXPECT_EQ(symbolTextToUtf8(c.bytes), c.shown) << c.bytes;
}

TEST(SymbolText, NeverWritesAnInvalidUtf8Byte)
{
    // Upper bytes that no label uses become the replacement character.
    EXPECT_EQ(symbolTextToUtf8("\x80x\xFF"), "\uFFFDξ\uFFFD");
}

}  // namespace
