#include "app/window_fonts.h"

#include <QFontMetrics>

namespace window_fonts {

namespace {

constexpr int uiCellHeight = 14;
constexpr int symbolCellHeight = 16;

QString uiFamily() { return QStringLiteral("Tahoma"); }

}  // namespace

QFont withCellHeight(const QString& family, int cellHeight, QFont::Weight weight)
{
    QFont font(family);
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    for (int pixelSize = cellHeight; pixelSize > 1; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

QFont ui() { return withCellHeight(uiFamily(), uiCellHeight, QFont::Normal); }

QFont symbol() { return withCellHeight(uiFamily(), symbolCellHeight, QFont::Normal); }

QFont footer(int cellHeight) { return withCellHeight(uiFamily(), cellHeight, QFont::Bold); }

}  // namespace window_fonts
