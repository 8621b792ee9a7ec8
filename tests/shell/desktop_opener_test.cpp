#include "shell/desktop_opener.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct OpenerCase {
    const char* what;
    const char* xdgOpenScript;  // nullptr: no xdg-open on the PATH
    bool failed;
};

// xdg-open's own exit codes: 0 opened, 3 no program for the address, 4 the program failed.
const OpenerCase openerCases[] = {
    {"xdg-open hands the address over", "#!/bin/sh\nprintf %s \"$1\" > \"${0%/*}/handed\"\nexit 0\n", false},
    {"xdg-open finds no program", "#!/bin/sh\nprintf %s \"$1\" > \"${0%/*}/handed\"\nexit 3\n", true},
    {"xdg-open's program fails", "#!/bin/sh\nprintf %s \"$1\" > \"${0%/*}/handed\"\nexit 4\n", true},
    {"no xdg-open and no other opener", nullptr, true},
};

TEST(DesktopOpener, ReportsWhenNothingOnTheDesktopOpensTheAddress)
{
    static int argc = 1;
    static char name[] = "tests_shell";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    const QByteArray path = qgetenv("PATH");
    const QUrl address(QStringLiteral("https://www.tessavan.com/probaview/?a=1&b=%202"));

    for (const OpenerCase& c : openerCases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir bin;
        ASSERT_TRUE(bin.isValid());
        if (c.xdgOpenScript) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(c.xdgOpenScript);
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit());

        bool failed = false;
        desktopOpener()(address, [&failed] { failed = true; });
        // The watched xdg-open removes itself once it has ended.
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && !QCoreApplication::instance()->findChildren<QProcess*>().isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        qputenv("PATH", path);

        EXPECT_EQ(failed, c.failed);
        if (c.xdgOpenScript) {
            QFile handed(bin.filePath(QStringLiteral("handed")));
            ASSERT_TRUE(handed.open(QIODevice::ReadOnly));
            EXPECT_EQ(QUrl(QString::fromUtf8(handed.readAll())), address);
        }
    }
}

}  // namespace
