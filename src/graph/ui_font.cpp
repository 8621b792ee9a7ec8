#include "graph/ui_font.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

// Outside any namespace, as the resource system requires.
static void initialiseFontResources() { Q_INIT_RESOURCE(fonts); }

namespace {

// The regular face only: bold is this face emboldened (see resources/fonts/README.md).
constexpr const char* faces[] = {":/fonts/tahoma.ttf"};

// Tahoma's own values, used only if the shipped face cannot be read.
constexpr double fallbackAscentPerEm = 2049.0 / 2048.0;
constexpr double fallbackDescentPerEm = 423.0 / 2048.0;

struct Typeface {
    QString family = QStringLiteral("Tahoma");
    double ascentPerEm = fallbackAscentPerEm;    // usWinAscent / unitsPerEm
    double descentPerEm = fallbackDescentPerEm;  // usWinDescent / unitsPerEm
};

int bigEndian16(const QByteArray& table, int offset)
{
    return (static_cast<unsigned char>(table[offset]) << 8) | static_cast<unsigned char>(table[offset + 1]);
}

// The Windows cell metrics of the face, from its OS/2 table.
void readCellMetrics(const QByteArray& fontData, Typeface& face)
{
    constexpr int winAscentOffset = 74;
    constexpr int winDescentOffset = 76;
    const QRawFont raw(fontData, 16.0);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    if (os2.size() < winDescentOffset + 2 || raw.unitsPerEm() <= 0) return;
    const int ascent = bigEndian16(os2, winAscentOffset);
    const int descent = bigEndian16(os2, winDescentOffset);
    if (ascent <= 0 || descent < 0) return;
    face.ascentPerEm = ascent / raw.unitsPerEm();
    face.descentPerEm = descent / raw.unitsPerEm();
}

const Typeface& typeface()
{
    static const Typeface face = [] {
        initialiseFontResources();
        Typeface loaded;
        for (const char* path : faces) {
            QFile file(QString::fromLatin1(path));
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QByteArray data = file.readAll();
            const QStringList families =
                QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFontFromData(data));
            if (!families.isEmpty()) loaded.family = families.front();
            if (path == faces[0]) readCellMetrics(data, loaded);
        }
        return loaded;
    }();
    return face;
}

}  // namespace

QFont uiFont(int height, FontHeight kind, QFont::Weight weight)
{
    const Typeface& face = typeface();
    const double em = kind == FontHeight::Cell ? height / (face.ascentPerEm + face.descentPerEm) : height;
    QFont font(face.family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    font.setWeight(weight);
    return font;
}

CellMetrics uiFontCellMetrics(const QFont& font)
{
    const Typeface& face = typeface();
    const double em = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
    return {static_cast<int>(std::lround(em * face.ascentPerEm)),
            static_cast<int>(std::lround(em * face.descentPerEm))};
}
