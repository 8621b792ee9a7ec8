#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

#include "cli/shell_output.h"
#include "graph/formula_picture.h"
#include "graph/graph_image.h"

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int exitCode = runCommandLine(arguments, in, out, err);
    return {exitCode, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(CommandLine, PrintsTheStartStateAsTheWindowShowsIt)
{
    const CliRun r = run({});
    EXPECT_EQ(r.exitCode, exitSuccess);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "Distribution: Normal\n"
              "Function: Probability Density Function (PDF)\n"
              "μ ∈R: 0\n"
              "σ ∈(0;+∞): 1\n"
              "x: 0\n"
              "f: 0.398942\n"
              "F: 0.5\n"
              "S: 0.5\n"
              "h: 0.797885\n"
              "q ∈[0;1]: 0.95\n"
              "x: 1.644854\n"
              "Mean: 0\n"
              "Standard Deviation: 1\n"
              "Coefficient of Variation: div 0\n"
              "Skewness: 0\n"
              "Kurtosis: 3\n");
}

TEST(CommandLine, LeavesOutTheHiddenParameterField)
{
    const CliRun r = run({"--distribution", "EXPONENTIAL", "--x", "1", "--function", "Hazard"});
    EXPECT_EQ(r.exitCode, exitSuccess);
    EXPECT_EQ(r.out,
              "Distribution: Exponential\n"
              "Function: Hazard Function\n"
              "λ ∈(0;+∞): 1\n"
              "x: 1\n"
              "f: 0.367879\n"
              "F: 0.632121\n"
              "S: 0.367879\n"
              "h: 1\n"
              "q ∈[0;1]: 0.95\n"
              "x: 2.995732\n"
              "Mean: 1\n"
              "Standard Deviation: 1\n"
              "Coefficient of Variation: 1\n"
              "Skewness: 2\n"
              "Kurtosis: 9\n");
}

TEST(CommandLine, WritesTheFieldTextsAsOneJsonObject)
{
    const CliRun r = run({"--distribution", "uniform", "--p1", "-1", "--p2=3", "--q", "0.25", "--json"});
    EXPECT_EQ(r.exitCode, exitSuccess);
    EXPECT_EQ(r.out,
              "{\"distribution\": \"Uniform\", \"function\": \"pdf\", \"p1\": \"-1\", \"p2\": \"3\", \"x\": \"0\", "
              "\"q\": \"0.25\", \"mean\": \"1\", \"standardDeviation\": \"1.154701\", "
              "\"coefficientOfVariation\": \"1.154701\", \"skewness\": \"0\", \"kurtosis\": \"1.8\", "
              "\"pdf\": \"0.25\", \"cdf\": \"0.25\", \"survival\": \"0.75\", \"hazard\": \"0.333333\", "
              "\"quantile\": \"0\"}\n");
}

TEST(CommandLine, FullOutputCarriesEachValueAndItsStatus)
{
    const CliRun r = run({"--full", "--q", ""});
    EXPECT_EQ(r.exitCode, exitSuccess);
    EXPECT_NE(r.out.find("\"quantile\": \"-inf\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"values\": {\"mean\": {\"value\": 0, \"status\": \"Ok\"}, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"coefficientOfVariation\": {\"value\": 0, \"status\": \"DivisionByZero\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"quantile\": {\"value\": 0, \"status\": \"MinusInfinity\"}}}"), std::string::npos);

    // The density at 0 with all 17 digits, read back to the same double.
    const std::string key = "\"pdf\": {\"value\": ";
    const std::size_t at = r.out.find(key);
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::stod(r.out.substr(at + key.size())), 0.3989422804014327, 1e-16);
}

TEST(CommandLine, WritesNumbersForJson)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(jsonNumber(infinity), "\"inf\"");
    EXPECT_EQ(jsonNumber(-infinity), "\"-inf\"");
    EXPECT_EQ(jsonNumber(std::nan("")), "\"nan\"");
    EXPECT_EQ(jsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(jsonNumber(-1e300), "-1.0000000000000001e+300");
    EXPECT_EQ(jsonString("a\"b\\c\td\x01"), "\"a\\\"b\\\\c\\td\\u0001\"");
}

TEST(CommandLine, AcceptsListAndMenuNamesInAnyCase)
{
    for (const char* name : {"F-distribution", "f-DISTRIBUTION", "F-Distribution"}) {
        const CliRun r = run({"--distribution", name, "--json"});
        EXPECT_EQ(r.exitCode, exitSuccess) << name;
        EXPECT_EQ(r.out.rfind("{\"distribution\": \"F-distribution\", ", 0), 0u) << name;
    }
    EXPECT_EQ(run({"--distribution", "double exponential"}).exitCode, exitSuccess);
}

TEST(CommandLine, RejectsWrongOptionsWithAMessageAndExitCode2)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--bogus"},
        {"stray"},
        {"--distribution", "Erlang"},
        {"--function", "median"},
        {"--p1"},
        {"--json=yes"},
        {"--batch", "--x", "1"},
        {"--batch", "--graph", "g.png"},
        {"--graph"},
        {"--batch", "--formula", "f.png"},
        {"--formula="},
        {"--distribution", "Exponential", "--p2", "1"},
    };
    for (const auto& arguments : wrong) {
        const CliRun r = run(arguments);
        EXPECT_EQ(r.exitCode, exitUsage) << arguments[0];
        EXPECT_EQ(r.out, "") << arguments[0];
        EXPECT_NE(r.err.find("probaview-cli: "), std::string::npos) << arguments[0];
    }
    EXPECT_NE(run({"--distribution", "Erlang"}).err.find("Double Exponential"), std::string::npos);
}

TEST(CommandLine, HelpExplainsEveryOption)
{
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.exitCode, exitSuccess);
    for (const char* option : {"--distribution", "--p1", "--p2", "--x", "--q", "--function", "--json", "--full",
                               "--graph", "--formula", "--batch", "--help", "Exit codes"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
}

TEST(CommandLine, BatchEvaluatesEachRecordFromAFreshStartAndGoesOnAfterAMalformedLine)
{
    const std::string input =
        "Normal\t0.5\t2\t1\t0.3\n"
        "Nope\t1\t\t0\t0.5\n"
        "Exponential\t2\t\t1\t0.5\r\n"
        "Normal\t0\t1\t0\n"
        "Exponential\t1\t3\t0\t0.5\n"
        "poisson\t2.5\t\t3\t\n";
    const CliRun r = run({"--batch"}, input);
    EXPECT_EQ(r.exitCode, exitFailure);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 6u);

    // A record gives what the same texts typed on the command line give.
    const auto single = [](std::vector<std::string> arguments) {
        arguments.push_back("--json");
        return lines(run(arguments).out).at(0);
    };
    EXPECT_EQ(out[0], single({"--distribution", "Normal", "--p1", "0.5", "--p2", "2", "--x", "1", "--q", "0.3"}));
    EXPECT_EQ(out[2], single({"--distribution", "Exponential", "--p1", "2", "--x", "1", "--q", "0.5"}));
    EXPECT_EQ(out[5], single({"--distribution", "Poisson", "--p1", "2.5", "--x", "3", "--q", ""}));
    EXPECT_NE(out[5].find("\"p1\": \"2.5\""), std::string::npos);

    for (int i : {1, 3, 4}) {
        EXPECT_EQ(out[i].rfind("{\"line\": " + std::to_string(i + 1) + ", \"error\": \"", 0), 0u) << out[i];
    }
}

TEST(CommandLine, BatchWithFullAddsTheValues)
{
    const CliRun r = run({"--batch", "--full"}, "Uniform\t0\t1\t0.5\t0.5\n");
    EXPECT_EQ(r.exitCode, exitSuccess);
    EXPECT_NE(r.out.find("\"values\": {"), std::string::npos);
    EXPECT_NE(r.out.find("\"quantile\": {\"value\": 0.5, \"status\": \"Ok\"}"), std::string::npos);
}

TEST(CommandLine, WritesTheGraphAsTheGraphAreaShowsIt)
{
    const std::string file = ::testing::TempDir() + "probaview_cli_graph_" + std::to_string(::getpid()) + ".png";
    const CliRun r = run({"--distribution", "Gamma", "--p1", "2", "--function", "cdf", "--graph", file});
    EXPECT_EQ(r.exitCode, exitSuccess) << r.err;
    EXPECT_NE(r.out.find("Function: Cumulative Distribution Function (CPF)"), std::string::npos);

    PlotRequest request;
    request.distribution = 5;
    request.parameters[0] = 2.0;
    request.parameters[1] = 1.0;
    request.function = ShownFunction::Distribution;
    const QImage written(QString::fromStdString(file));
    std::remove(file.c_str());
    ASSERT_EQ(written.size(), QSize(304, 230));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB888), renderGraphImage(request));

    const CliRun unwritable = run({"--graph", "/nonexistent-folder/graph.png"});
    EXPECT_EQ(unwritable.exitCode, exitFailure);
    EXPECT_NE(unwritable.err.find("/nonexistent-folder/graph.png"), std::string::npos);
}

TEST(CommandLine, WritesTheSelectedFunctionsFormulaPictureOrSaysThereIsNone)
{
    const std::string file = ::testing::TempDir() + "probaview_cli_formula_" + std::to_string(::getpid()) + ".png";
    const CliRun r = run({"--distribution", "Binomial", "--function", "survival", "--formula", file});
    EXPECT_EQ(r.exitCode, exitSuccess) << r.err;
    const QImage written(QString::fromStdString(file));
    std::remove(file.c_str());
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), loadFormulaPicture(13002));

    // The discrete distributions have no hazard picture: no file, and a failure the caller can see.
    const CliRun hazard = run({"--distribution", "Poisson", "--function", "hazard", "--formula", file});
    EXPECT_EQ(hazard.exitCode, exitFailure);
    EXPECT_NE(hazard.err.find("Poisson has no formula picture"), std::string::npos) << hazard.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));

    const CliRun unwritable = run({"--formula", "/nonexistent-folder/formula.png"});
    EXPECT_EQ(unwritable.exitCode, exitFailure);
    EXPECT_NE(unwritable.err.find("/nonexistent-folder/formula.png"), std::string::npos);
}

TEST(CommandLine, JsonLinesAreValidUtf8WhateverBytesComeIn)
{
    const std::string replacement = "\xEF\xBF\xBD";
    struct Case {
        std::string bytes;
        std::string text;  // as written into JSON, unquoted
    };
    const Case cases[] = {
        {"\xCE\xBC \xE2\x88\x88 \xF0\x9D\x84\x9E", "\xCE\xBC \xE2\x88\x88 \xF0\x9D\x84\x9E"},  // well formed
        {"1\xff", "1" + replacement},
        {"\xC0\xAF", replacement + replacement},                                      // overlong "/"
        {"\xED\xA0\x80", replacement + replacement + replacement},                    // a surrogate
        {"\xF4\x90\x80\x80", replacement + replacement + replacement + replacement},  // above U+10FFFF
        {"\xE2\x88x\xF0\x9D\x84", replacement + "x" + replacement},                   // cut short
    };
    for (const Case& c : cases) EXPECT_EQ(jsonString(c.bytes), '"' + c.text + '"') << c.text;

    const CliRun r = run({"--batch"}, "Normal\t1\xff\t1\t0\t0.5\nNorm\xe9\t1\t1\t0\t0.5\n");
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NE(out[0].find("\"p1\": \"1" + replacement + "\""), std::string::npos) << out[0];
    EXPECT_NE(out[1].find("Norm" + replacement + "\\\""), std::string::npos) << out[1];
}

}  // namespace

namespace {

TEST(CommandLine, IntervalAndCentralAddTheirKeysAndTheGraphIsWrittenByExtension)
{
    const CliRun r = run({"--distribution", "binomial", "--interval", "3", "7", "--central", "0.5", "--full"});
    EXPECT_EQ(r.exitCode, exitSuccess);
    for (const char* expected : {"\"intervalBelow\": \"0.05468", "\"intervalInside\": \"0.890625\"",
                                 "\"intervalAbove\": \"0.05468", "\"centralLow\": \"4\"", "\"centralHigh\": \"6\"",
                                 "\"intervalInside\": {\"value\": 0.890625, \"status\": \"Ok\"}"}) {
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << " in " << r.out;
    }
    EXPECT_NE(run({"--interval", "-1", "1"}).out.find("P(a \xE2\x89\xA4 X \xE2\x89\xA4 b): 0.682689\n"),
              std::string::npos);

    // SVG and PDF are drawings of paths and text, not embedded pictures.
    const std::string folder = testing::TempDir();
    for (const char* name : {"graph.svg", "graph.pdf"}) {
        const std::string file = folder + name;
        EXPECT_EQ(run({"--interval", "-1", "1", "--graph", file}).exitCode, exitSuccess);
        QFile written(QString::fromStdString(file));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file;
        const QByteArray bytes = written.readAll();
        EXPECT_TRUE(bytes.startsWith(name[6] == 's' ? "<?xml" : "%PDF")) << file;
        EXPECT_FALSE(bytes.contains("<image") || bytes.contains("/Subtype /Image")) << file;
        std::remove(file.c_str());
    }
    EXPECT_EQ(run({"--graph", "/nonexistent-folder/graph.svg"}).exitCode, exitFailure);
}

}  // namespace
