#include "graph/formula_text.h"

#include <QFile>
#include <QHash>

namespace {

// tools/formula-pictures.tex-table, embedded: "number<TAB>TeX" lines, "#" comments.
QHash<int, QString> readFormulaTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/formula-texts/formula-pictures.tex-table"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || tab < 0) continue;
        bool isNumber = false;
        const int number = line.left(tab).toInt(&isNumber);
        if (isNumber) table.insert(number, line.mid(tab + 1).trimmed());
    }
    return table;
}

}  // namespace

QString formulaText(int pictureNumber)
{
    static const QHash<int, QString> table = readFormulaTable();
    return table.value(pictureNumber);
}
