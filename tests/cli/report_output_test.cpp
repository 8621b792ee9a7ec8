#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sstream>

#include "cli/command_line.h"
#include "graph/graph_image.h"
#include "shell/settings_store.h"

namespace {

// The command line reads the options kept between runs: every test of this
// program sees an empty store of its own, never the user's.
class EmptySettingsEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(user_.isValid() && machine_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(user_.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(machine_.path()));
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

// The standard output of a command, read through a pipe.
QString commandOutput(const QString& command)
{
    QByteArray output;
    if (FILE* pipe = popen(command.toLocal8Bit().constData(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, qsizetype(n));
        EXPECT_EQ(pclose(pipe), 0) << command.toStdString();
    }
    return QString::fromUtf8(output);
}

// Runs probaview-cli itself with an empty settings folder, after the shell
// commands `before`; returns its exit code.
int runProgram(const std::vector<std::string>& arguments, const QString& configFolder, const QString& before = {})
{
    QString command = before + "XDG_CONFIG_HOME='" + configFolder + "' '" + QString(PROBAVIEW_CLI) + "'";
    for (const std::string& argument : arguments) command += " '" + QString::fromStdString(argument) + "'";
    FILE* pipe = popen((command + " >/dev/null 2>&1").toLocal8Bit().constData(), "r");
    if (!pipe) return -1;
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QString pdfText(const QString& pdf) { return commandOutput("pdftotext -layout '" + pdf + "' -"); }

int pdfImageCount(const QString& pdf)
{
    // Two heading lines, then one line per image.
    return int(commandOutput("pdfimages -list '" + pdf + "'").trimmed().split('\n').size()) - 2;
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
        // In a process of its own, as a user runs it.
        ASSERT_EQ(runProgram(arguments, folder.path()), exitSuccess) << pdf.toStdString();
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

TEST(CommandLineReport, EachOutputStandsOnItsOwnAndAFailedOneLeavesNothing)
{
    QTemporaryDir folder;
    const std::string graph = folder.filePath("g.png").toStdString();
    const std::string formula = folder.filePath("f.png").toStdString();
    const std::string report = folder.filePath("r.pdf").toStdString();
    struct Case {
        std::vector<std::string> arguments;
        std::string failure;               // what the message names
        std::vector<std::string> written;  // the outputs that must exist
    };
    const Case cases[] = {
        {{"--distribution", "Poisson", "--function", "hazard", "--formula", formula, "--report", report, "--graph",
          graph},
         "no formula picture",
         {graph, report}},
        {{"--graph", "/dev/full", "--report", report}, "/dev/full", {report}},
        {{"--graph", "/proc/version", "--formula", formula}, "/proc/version", {formula}},
        {{"--formula", folder.path().toStdString()}, folder.path().toStdString(), {}},
    };
    for (const Case& c : cases) {
        for (const std::string& file : {graph, formula, report}) QFile::remove(QString::fromStdString(file));
        const ReportRun r = runCli(c.arguments);
        EXPECT_EQ(r.exitCode, exitFailure) << c.failure;
        EXPECT_NE(r.err.find(c.failure), std::string::npos) << r.err;
        for (const std::string& file : c.written) EXPECT_TRUE(QFile::exists(QString::fromStdString(file))) << file;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), c.written.size()) << c.failure;
    }
    EXPECT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());

    // A disk that fills up while the image is written: a file-size limit of
    // one block makes every write past it fail.
    for (const char* option : {"--graph", "--formula", "--report"}) {
        const QString file = folder.filePath(QString("full") + option + ".out");
        EXPECT_EQ(runProgram({option, file.toStdString()}, folder.path(), "trap '' XFSZ; ulimit -f 1; "), exitFailure)
            << option;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{}) << option;
    }
}

}  // namespace
