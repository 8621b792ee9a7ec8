#include "cli/formula_output.h"

#include <QFile>
#include <QString>

#include "graph/formula_picture.h"
#include "model/catalogue.h"

std::string writeFormulaImage(int d, ShownFunction f, const std::string& file)
{
    if (!hasFormulaPicture(d, f)) {
        return std::string(distributionNames[d]) + " has no formula picture for its hazard function";
    }
    if (!writeFormulaPicture(d, f, QFile::decodeName(QByteArray::fromStdString(file)))) {
        return "cannot write the formula picture to " + file;
    }
    return {};
}
