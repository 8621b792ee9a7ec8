#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <sstream>

#include "app/settings_store.h"
#include "cli/command_line.h"
#include "graph/graph_image.h"

namespace {

// The command line reads the options kept between runs: every test of this
// program sees an empty store of its own, never the user's.
class EmptySettingsEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(user_.isValid() && machine_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user_.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, machine_.path());
    }

private:
    QTemporaryDir user_;
    QTemporaryDir machine_;
};

[[maybe_unused]] testing::Environment* const settings = testing::AddGlobalTestEnvironment(new EmptySettingsEnvironment);

struct ReportRun {
    int exitCode;
    std::string err;
};

ReportRun runCli(const std::vector<std::string>& arguments)
{
    std::istringstream in;
    std::ostringstream out, err;
    const int exitCode = runCommandLine(arguments, in, out, err);
    return {exitCode, err.str()};
}

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfImageCount(const QString& pdf)
{
    QProcess process;
    process.start("pdfimages", {"-list", pdf});
    EXPECT_TRUE(process.waitForFinished(60000));
    // Two heading lines, then one line per image.
    return static_cast<int>(QString::fromUtf8(process.readAllStandardOutput()).trimmed().split('\n').size()) - 2;
}

TEST(CommandLineReport, WritesThePrintedPageForTheState)
{
    QTemporaryDir folder;
    struct Case {
        std::vector<std::string> arguments;
        std::vector<const char*> lines;  // texts the page must show
        const char* absent;              // a text it must not show
        int images;                      // the two formula pictures and the graph
    };
    const Case cases[] = {
        {{},
         {"Probaview: Normal Distribution", "μ = 0", "σ = 1", "Coefficient of Variation = div 0", "F(1.644854) = 0.95",
          "Probability Density Function (PDF)"},
         "DistributionDistribution",
         3},
        {{"--distribution", "f-distribution", "--p1", "3", "--p2", "6", "--x", "1", "--function", "cdf"},
         {"Probaview: F-distribution", "ν1 = 3", "ν2 = 6", "Mean = 1.5", "Kurtosis = -",
          "Cumulative Distribution Function (CPF)"},
         "F-distributionDistribution",
         3},
        {{"--distribution", "Poisson", "--function", "hazard", "--q", "1"},
         {"Probaview: Poisson Distribution", "λ = 10", "Hazard Function: h(0) = -", "Hazard Function"},
         "=0\n",  // no second parameter line
         2},      // the discrete hazard has no formula picture
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString pdf = folder.filePath(QString("report%1.pdf").arg(n++));
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--report", pdf.toStdString()});
        const ReportRun r = runCli(arguments);
        ASSERT_EQ(r.exitCode, exitSuccess) << r.err;
        // Compared without blanks: the extractor guesses the gaps between
        // letters of two typefaces (the Greek comes from a fallback face).
        const QString text = pdfText(pdf).remove(' ');
        for (const char* line : c.lines)
            EXPECT_TRUE(text.contains(QString::fromUtf8(line).remove(' '))) << line << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QString::fromUtf8(c.absent).remove(' '))) << c.absent;
        EXPECT_EQ(pdfImageCount(pdf), c.images) << pdf.toStdString();
    }
}

TEST(CommandLineReport, AnUnwritableFileFailsWithExitCode1AndLeavesNothing)
{
    const ReportRun r = runCli({"--report", "/nonexistent-folder/report.pdf"});
    EXPECT_EQ(r.exitCode, exitFailure);
    EXPECT_NE(r.err.find("/nonexistent-folder/report.pdf"), std::string::npos);
    EXPECT_FALSE(QFile::exists("/nonexistent-folder/report.pdf"));

    EXPECT_EQ(runCli({"--report"}).exitCode, exitUsage);
    EXPECT_EQ(runCli({"--report", ""}).exitCode, exitUsage);
    EXPECT_EQ(runCli({"--batch", "--report", "x.pdf"}).exitCode, exitUsage);
}

TEST(CommandLineReport, GraphIsDrawnWithTheStoredOptions)
{
    QTemporaryDir folder;
    GraphOptions stored;
    stored.backgroundColor = 0x0000FF;  // red
    stored.lineWeight = 3;
    saveGraphOptions(stored);
    const QString png = folder.filePath("graph.png");
    const ReportRun r = runCli({"--graph", png.toStdString()});
    saveGraphOptions(GraphOptions{});
    ASSERT_EQ(r.exitCode, exitSuccess) << r.err;

    PlotRequest request;
    request.options = stored;
    const QImage expected = renderGraphImage(request);
    EXPECT_EQ(QImage(png).convertToFormat(expected.format()), expected);
    request.options = GraphOptions{};
    EXPECT_NE(QImage(png).convertToFormat(expected.format()), renderGraphImage(request));
}

}  // namespace
