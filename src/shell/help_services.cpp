#include "shell/help_services.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

#include "shell/browser_command.h"
#include "shell/product.h"

#ifdef Q_OS_WIN
#include <QProcess>
#include <QSettings>
#endif

namespace {

const QString embeddedHelp = QStringLiteral(":/help");
const QString startPage = QStringLiteral("index.html");

// Copies one embedded file over its local twin unless the twin already holds
// the same bytes (the viewer may still have it open).
bool copyEmbedded(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = source.readAll();
    QFile target(to);
    if (target.open(QIODevice::ReadOnly) && target.readAll() == bytes) return true;
    target.close();
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return target.write(bytes) == bytes.size();
}

}  // namespace

QUrl writeHelpDocument(const QString& folder)
{
    Q_INIT_RESOURCE(help);
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) return {};
    for (QDirIterator it(embeddedHelp, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString from = it.next();
        const QString relative = QDir(embeddedHelp).relativeFilePath(from);
        if (!target.mkpath(QFileInfo(relative).path())) return {};
        if (!copyEmbedded(from, target.filePath(relative))) return {};
    }
    if (!QFile::exists(target.filePath(startPage))) return {};
    return QUrl::fromLocalFile(target.absoluteFilePath(startPage));
}

QUrl embeddedHelpUrl()
{
    Q_INIT_RESOURCE(help);
    return QUrl(QStringLiteral("qrc") + embeddedHelp + QLatin1Char('/') + startPage);
}

QUrl helpDocumentUrl()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) return {};
    return writeHelpDocument(QDir(cache).filePath(
        QStringLiteral("%1/%2/help")
            .arg(QString::fromLatin1(product::makerName), QString::fromLatin1(product::applicationName))));
}

void openHelp(const OpenFailed& failed, const DesktopOpener& opener)
{
    const QUrl url = helpDocumentUrl();
    if (url.isValid()) {
        opener(url, failed);
    } else if (failed) {
        failed();
    }
}

void openInBrowser(const QString& url, const OpenFailed& failed, const DesktopOpener& opener)
{
#ifdef Q_OS_WIN
    // The address goes to the registered browser program itself, not through
    // the platform's association for web addresses.
    const QSettings command(QStringLiteral("HKEY_CLASSES_ROOT\\http\\shell\\open\\command"), QSettings::NativeFormat);
    const QByteArray text = command.value(QStringLiteral(".")).toString().toLocal8Bit();
    const std::string program = browserProgramFromCommand(std::string_view(text.constData(), text.size()));
    if (!program.empty() && QProcess::startDetached(QString::fromLocal8Bit(program.c_str()), {url})) return;
#endif
    opener(QUrl(url), failed);
}

void openHomePage(const OpenFailed& failed, const DesktopOpener& opener)
{
    openInBrowser(QString::fromLatin1(product::homePageAddress), failed, opener);
}
