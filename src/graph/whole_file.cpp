#include "graph/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) return QStringLiteral("it is not a regular file");

    QSaveFile file(path);
    // Unbuffered, so that each write reports how much really reached the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) break;  // the short write before this one carried no error; this one does
        written += n;
    }
    if (written < bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}
