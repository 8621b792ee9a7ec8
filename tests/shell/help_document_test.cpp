#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "shell/help_services.h"

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpDocument, IsWrittenAsALocalFileWithItsStyleSheet)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString target = folder.filePath("nested/help");
    const QUrl url = writeHelpDocument(target);
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QDir(target).absoluteFilePath("index.html"));
    EXPECT_TRUE(QFile::exists(QDir(target).filePath("probaview.css")));
    // A second call, with the viewer perhaps still reading it, gives the same file.
    EXPECT_EQ(writeHelpDocument(target), url);
}

TEST(HelpDocument, CannotBeWrittenBelowAFile)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(writeHelpDocument(folder.filePath("file/help")).isEmpty());
}

TEST(HelpDocument, ExplainsEveryDistributionStatusAndOption)
{
    QTemporaryDir folder;
    const QString html = readAll(writeHelpDocument(folder.path()).toLocalFile());
    ASSERT_FALSE(html.isEmpty());
    const char* topics[] = {
        // every distribution under its list name
        "Uniform",
        "Normal",
        "Lognormal",
        "Exponential",
        "Cauchy",
        "Gamma",
        "Beta",
        "Student",
        "F-distribution",
        "Chi-Square",
        "Double Exponential",
        "Poisson",
        "Binomial",
        "Negative Binomial",
        "Geometric",
        // the status texts
        "<code>-</code>",
        "<code>-inf</code>",
        "<code>+inf</code>",
        "<code>div 0</code>",
        "<code>sqrt(-1)</code>",
        // the command line
        "--distribution",
        "--p1",
        "--p2",
        "--x",
        "--q",
        "--function",
        "--json",
        "--full",
        "--graph",
        "--formula",
        "--report",
        "--batch",
        "--help",
    };
    for (const char* topic : topics) EXPECT_TRUE(html.contains(topic)) << topic;
}

TEST(HelpDocument, EveryLinkLeadsSomewhere)
{
    QTemporaryDir folder;
    const QString html = readAll(writeHelpDocument(folder.path()).toLocalFile());
    QSet<QString> anchors;
    static const QRegularExpression idPattern(R"re(\bid="([^"]+)")re");
    for (auto it = idPattern.globalMatch(html); it.hasNext();) anchors.insert(it.next().captured(1));
    static const QRegularExpression linkPattern(R"re(\b(?:href|src)="([^"]+)")re");
    int links = 0;
    for (auto it = linkPattern.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        if (target.startsWith('#'))
            EXPECT_TRUE(anchors.contains(target.mid(1))) << target.toStdString();
        else
            EXPECT_TRUE(QFile::exists(folder.filePath(target))) << target.toStdString();
    }
    EXPECT_GT(links, 20);
}

}  // namespace
