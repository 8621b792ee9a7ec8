#include "graph/report.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// A page of 8 x 11 inches at 600 dots per inch: W = 4800, H = 6600 device pixels.
const QPageSize letterPage(QSizeF(8, 11), QPageSize::Inch);
constexpr int dotsPerInch = 600;
constexpr double pixelsPerPoint = dotsPerInch / 72.0;

struct Word {
    QString text;
    double left, top, right, bottom;  // device pixels of the page
};

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString print(const ReportContent& content, const QString& name = "report.pdf")
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(printReportToPdf(content, path, letterPage, dotsPerInch));
        return path;
    }

    // The standard output of a program. Started through popen, not QProcess:
    // QProcess starts its child with clone() sharing the parent's memory, and
    // the child's calls run through the thread sanitizer's hooks in the
    // parent's thread state; that state stays broken afterwards, the thread's
    // later locks go unseen, and the sanitizer reports races that are not.
    static QString run(const QString& program, const QStringList& arguments)
    {
        QString command = program;
        for (const QString& argument : arguments) command += " '" + argument + "'";
        QByteArray output;
        FILE* pipe = popen(QFile::encodeName(command).constData(), "r");
        EXPECT_NE(pipe, nullptr) << program.toStdString();
        if (!pipe) return {};
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, qsizetype(n));
        EXPECT_EQ(pclose(pipe), 0) << program.toStdString();
        return QString::fromUtf8(output);
    }

    // The words of the page with their boxes, in reading order.
    std::vector<Word> words(const QString& pdf)
    {
        const QString html = folder.filePath("words.html");
        run("pdftotext", {"-bbox", pdf, html});
        QFile file(html);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        static const QRegularExpression wordPattern(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        std::vector<Word> found;
        for (auto match = wordPattern.globalMatch(text); match.hasNext();) {
            const auto m = match.next();
            found.push_back({m.captured(5).replace("&amp;", "&").replace("&apos;", "'"),
                             m.captured(1).toDouble() * pixelsPerPoint, m.captured(2).toDouble() * pixelsPerPoint,
                             m.captured(3).toDouble() * pixelsPerPoint, m.captured(4).toDouble() * pixelsPerPoint});
        }
        return found;
    }

    // The texts of the page line by line, each line with the box of its first word.
    struct Line {
        QString text;
        Word first;
    };
    std::vector<Line> lines(const QString& pdf)
    {
        std::vector<Line> result;
        for (const Word& word : words(pdf)) {
            if (!result.empty() && std::abs(result.back().first.top - word.top) < 20 &&
                word.left - result.back().first.left < 2000) {
                result.back().text += " " + word.text;
            } else {
                result.push_back({word.text, word});
            }
        }
        return result;
    }

    static std::optional<Line> lineStartingWith(const std::vector<Line>& all, const QString& start)
    {
        for (const Line& l : all)
            if (l.text.startsWith(start)) return l;
        return std::nullopt;
    }

    QTemporaryDir folder;
};

ReportContent normalContent()
{
    ReportContent c;
    c.distributionName = "Normal";
    c.parameterCount = 2;
    c.parameterSymbols[0] = "μ";
    c.parameterSymbols[1] = "σ";
    c.parameterTexts[0] = "0";
    c.parameterTexts[1] = "1";
    c.mean = "0";
    c.standardDeviation = "1";
    c.coefficientOfVariation = "div 0";
    c.skewness = "0";
    c.kurtosis = "3";
    c.x = "0";
    c.density = "0.398942";
    c.distributionFunction = "0.5";
    c.survival = "0.5";
    c.hazard = "0.797884";
    c.q = "0.95";
    c.quantile = "1.644853";
    c.graphTitle = "Probability Density Function (PDF)";
    return c;
}

QImage filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST_F(ReportTest, PrintsEveryTextAtItsPlaceForATwoParameterDistribution)
{
    const auto page = lines(print(normalContent()));
    // Each line with the corner of its first word in device pixels (x = fraction of W, y = fraction of H).
    struct Expected {
        const char* text;
        int left, top;
    };
    const Expected expected[] = {
        {"Probaview: Normal Distribution", 240, 330},
        {"Distribution's Parameters:", 240, 561},
        {"μ = 0", 336, 693},
        {"σ = 1", 336, 825},
        {"Common Statistics:", 240, 1023},
        {"Mean = 0", 336, 1155},
        {"Standart Deviation = 1", 336, 1287},
        {"Coefficient of Variation = div 0", 336, 1419},
        {"Skewness = 0", 336, 1551},
        {"Kurtosis = 3", 336, 1683},
        {"Function value:", 240, 1880},
        {"Probability Density Function: f(0) = 0.398942", 336, 2013},
        {"Cumulative Distribution Function: F(0) = 0.5", 336, 2145},
        {"Survival Function: S(0) = 0.5", 336, 2277},
        {"Hazard Function: h(0) = 0.797884", 336, 2409},
        {"q-Quantile:", 240, 2607},
        {"F(1.644853) = 0.95", 336, 2739},
        {"Probability Density Function (PDF)", 240, 2937},
    };
    ASSERT_EQ(page.size(), std::size(expected));
    for (std::size_t i = 0; i < page.size(); ++i) {
        EXPECT_EQ(page[i].text, QString::fromUtf8(expected[i].text));
        // A word box starts at the pen position and ends at the cell's bottom:
        // the cell is 0.025 H = 165 pixels high for the title, 0.015 H = 99 for the rest.
        const int cell = i == 0 ? 165 : 99;
        EXPECT_NEAR(page[i].first.left, expected[i].left, 2) << expected[i].text;
        EXPECT_NEAR(page[i].first.bottom, expected[i].top + cell, 3) << expected[i].text;
    }
}

TEST_F(ReportTest, OneParameterDistributionPrintsOneParameterLine)
{
    ReportContent c = normalContent();
    c.distributionName = "Exponential";
    c.parameterCount = 1;
    c.parameterSymbols[0] = "λ";
    c.parameterTexts[0] = "1";
    c.parameterSymbols[1] = "";
    c.parameterTexts[1] = "";
    c.mean = "-inf";
    const auto page = lines(print(c));
    ASSERT_TRUE(lineStartingWith(page, "Probaview:"));
    EXPECT_EQ(lineStartingWith(page, "Probaview:")->text, "Probaview: Exponential Distribution");
    ASSERT_TRUE(lineStartingWith(page, "λ"));
    EXPECT_EQ(lineStartingWith(page, "λ")->text, "λ = 1");
    EXPECT_FALSE(lineStartingWith(page, "="));
    EXPECT_FALSE(lineStartingWith(page, "σ"));
    EXPECT_EQ(page.size(), 17u);
    ASSERT_TRUE(lineStartingWith(page, "Mean"));
    EXPECT_EQ(lineStartingWith(page, "Mean")->text, "Mean = -inf");
}

TEST_F(ReportTest, FTitleHasNoTrailingDistributionWord)
{
    ReportContent c = normalContent();
    c.distributionName = "F-distribution";
    c.parameterSymbols[0] = "ν1";
    c.parameterSymbols[1] = "ν2";
    c.density = "-";
    const auto page = lines(print(c));
    EXPECT_EQ(page.front().text, "Probaview: F-distribution");
    EXPECT_EQ(lineStartingWith(page, "ν1")->text, "ν1 = 0");
    EXPECT_EQ(lineStartingWith(page, "Probability Density Function:")->text, "Probability Density Function: f(0) = -");
    EXPECT_EQ(reportTitle("Student"), "Probaview: Student Distribution");
    EXPECT_EQ(reportTitle("F-distribution"), "Probaview: F-distribution");
}

TEST_F(ReportTest, DocumentIsNamedAfterTheDistribution)
{
    const QString info = run("pdfinfo", {print(normalContent())});
    EXPECT_TRUE(info.contains(QRegularExpression("^Title: +Probaview: Normal$", QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("^Pages: +1$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(info.contains("576 x 792 pts"));
}

TEST_F(ReportTest, FontsAreSizedFromThePageHeight)
{
    // The same page on paper half as high: every word half as high, and the
    // title 0.025 / 0.015 times as high as the other texts.
    const auto full = words(print(normalContent(), "full.pdf"));
    const auto half = words(printReportToPdf(normalContent(), folder.filePath("half.pdf"),
                                             QPageSize(QSizeF(8, 5.5), QPageSize::Inch), dotsPerInch)
                                ? folder.filePath("half.pdf")
                                : QString());
    ASSERT_EQ(full.size(), half.size());
    ASSERT_GT(full.size(), 3u);
    const auto height = [](const Word& w) { return w.bottom - w.top; };
    for (std::size_t i = 0; i < full.size(); ++i) EXPECT_NEAR(height(half[i]), height(full[i]) / 2, 1) << i;
    EXPECT_NEAR(height(full[0]) / height(full[3]), 0.025 / 0.015, 0.02);
    // Pen positions scale with the page too: the texts keep 0.05 W and 0.07 W at any height.
    EXPECT_NEAR(half[3].left, full[3].left, 1);
}

// Whether `color` is `expected` but for the rounding of a colour conversion.
bool looksLike(QRgb color, QColor expected)
{
    return std::abs(qRed(color) - expected.red()) <= 2 && std::abs(qGreen(color) - expected.green()) <= 2 &&
           std::abs(qBlue(color) - expected.blue()) <= 2;
}

ReportContent contentWithPictures()
{
    ReportContent c = normalContent();
    c.graph = filled(304, 230, Qt::red);
    c.densityFormula = filled(304, 67, Qt::green);
    c.functionFormula = filled(304, 60, Qt::blue);  // 60 of the 67 source rows exist
    return c;
}

// The place of each picture: its colour and its rectangle on the page.
struct Placed {
    QColor color;
    QRect rect;
};

// Checks that each rectangle is filled with its colour and that the page is
// white `margin` pixels beyond its sides.
void expectPlaced(const QImage& page, const std::vector<Placed>& placed, int margin)
{
    for (const Placed& p : placed) {
        const QRect r = p.rect;
        for (QPoint inside : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center()})
            EXPECT_TRUE(looksLike(page.pixel(inside), p.color)) << inside.x() << "," << inside.y();
        for (QPoint outside :
             {r.topLeft() - QPoint(margin, 0), r.topLeft() - QPoint(0, margin), r.topRight() + QPoint(margin, 0),
              r.bottomLeft() + QPoint(0, margin), r.bottomRight() + QPoint(margin, margin)})
            EXPECT_TRUE(looksLike(page.pixel(outside), Qt::white)) << outside.x() << "," << outside.y();
    }
}

TEST_F(ReportTest, GraphAndPicturesAreStretchedToTheirPlaces)
{
    // On a 480 x 660 page: the graph at (24, 333), 120 x 90; both pictures
    // 119 x 26 (0.1815 H by 0.04 H), the density's at (120, 69); the
    // function's at (24, 306) shows its 60 rows only, the lower 3 stay blank.
    QImage page(480, 660, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintReport(painter, page.size(), contentWithPictures());
    painter.end();
    expectPlaced(
        page,
        {{Qt::red, QRect(24, 333, 120, 90)}, {Qt::green, QRect(120, 69, 119, 26)}, {Qt::blue, QRect(24, 306, 119, 23)}},
        1);
    EXPECT_TRUE(looksLike(page.pixel(24, 306 + 25), Qt::white));
}

TEST_F(ReportTest, PrintedGraphKeepsItsPlaceOnAPageOfKnownSize)
{
    // W = 4800, H = 6600: the graph at (240, 3333), 1200 x 907; the pictures
    // 1197 x 264, the density's at (1200, 693), the function's at (240, 3069).
    const QString pdf = print(contentWithPictures());
    run("pdftoppm", {"-r", QString::number(dotsPerInch), "-png", "-singlefile", pdf, folder.filePath("page")});
    const QImage page(folder.filePath("page.png"));
    ASSERT_EQ(page.size(), QSize(4800, 6600));
    // The rasteriser may round an image's edge out by one pixel.
    expectPlaced(page,
                 {{Qt::red, QRect(240, 3333, 1200, 907)},
                  {Qt::green, QRect(1200, 693, 1197, 264)},
                  {Qt::blue, QRect(240, 3069, 1197, 236)}},
                 2);
    EXPECT_TRUE(looksLike(page.pixel(240, 3069 + 250), Qt::white));
}

TEST_F(ReportTest, PrintingTwiceGivesTheSamePage)
{
    const ReportContent c = normalContent();
    const auto first = lines(print(c, "first.pdf"));
    const auto second = lines(print(c, "second.pdf"));
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].text, second[i].text);
        EXPECT_EQ(first[i].first.top, second[i].first.top);
    }
}

TEST_F(ReportTest, FailingToWriteLeavesNoFile)
{
    const QString missingFolder = folder.filePath("missing/report.pdf");
    EXPECT_FALSE(printReportToPdf(normalContent(), missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder in the way: the old folder stays, no half file next to it.
    const QString inTheWay = folder.filePath("taken");
    ASSERT_TRUE(QDir().mkpath(inTheWay));
    EXPECT_FALSE(printReportToPdf(normalContent(), inTheWay));
    EXPECT_TRUE(QFileInfo(inTheWay).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0);
}

}  // namespace
