#include "cli/image_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include "graph/whole_file.h"

std::string writeImageFile(const QImage& image, const std::string& file, const char* format, const std::string& what)
{
    const std::string failure = "cannot write the " + what + " to " + file + ": ";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return failure + writer.errorString().toStdString();
    const QString error = writeWholeFile(QFile::decodeName(QByteArray::fromStdString(file)), bytes);
    if (!error.isEmpty()) return failure + error.toStdString();
    return {};
}
