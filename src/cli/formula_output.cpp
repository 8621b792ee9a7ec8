#include "cli/formula_output.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QString>

#include "cli/image_file.h"
#include "graph/formula_picture.h"
#include "model/catalogue.h"

namespace {

// The image format the file's suffix names ("png" for "f.png"), or PNG when it
// names none that can be written.
QByteArray formatOfSuffix(const std::string& file)
{
    const QByteArray suffix =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("png");
}

}  // namespace

std::string writeFormulaImage(int d, ShownFunction f, const std::string& file)
{
    if (!hasFormulaPicture(d, f)) {
        return std::string(distributionNames[d]) + " has no formula picture for its hazard function";
    }
    const QImage picture = loadFormulaPicture(formulaPictureNumber(d, f));
    if (picture.isNull()) return "the formula picture could not be loaded";
    return writeImageFile(picture, file, formatOfSuffix(file).constData(), "formula picture");
}
