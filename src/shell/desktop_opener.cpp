#include "shell/desktop_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// xdg-open ends with 0 once a program has the address and with a failure code
// when it has found none; a program it starts in the foreground keeps it
// running, which is success too. Only its end is watched: the process is not
// waited for, and its output goes nowhere.
void openWithXdgOpen(const QString& program, const QUrl& url, const OpenFailed& failed)
{
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto reported = std::make_shared<bool>(false);
    auto fail = [failed, reported] {
        if (*reported) return;
        *reported = true;
        if (failed) failed();
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, fail](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        fail();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [process, fail](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0) fail();
        process->deleteLater();
    });
    process->start(program, {url.toString(QUrl::FullyEncoded)});
}
#endif

}  // namespace

DesktopOpener desktopOpener()
{
    return [](const QUrl& url, const OpenFailed& failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!xdgOpen.isEmpty() && !qEnvironmentVariableIsSet("FLATPAK_ID")) {
            openWithXdgOpen(xdgOpen, url, failed);
            return;
        }
        // Without xdg-open Qt tries the desktop's own launchers.
#endif
        if (!QDesktopServices::openUrl(url) && failed) failed();
    };
}
