#include "graph/formula_picture.h"

#include "model/catalogue.h"

// Q_INIT_RESOURCE names a global function, so it must be used outside any
// namespace. Calling it also keeps the linker from dropping the resource
// object out of the static library.
static void registerFormulaResources() { Q_INIT_RESOURCE(formulas); }

QImage loadFormulaPicture(int number)
{
    static const bool registered = (registerFormulaResources(), true);
    (void)registered;

    const QImage picture(QStringLiteral(":/formulas/%1.gif").arg(number));
    if (picture.isNull()) return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool writeFormulaPicture(int d, ShownFunction f, const QString& path)
{
    if (!hasFormulaPicture(d, f)) return false;
    const QImage picture = loadFormulaPicture(formulaPictureNumber(d, f));
    return !picture.isNull() && picture.save(path);
}
