#pragma once

#include <QFont>

// How a font height is measured. Cell: ascent plus descent, the line a text
// needs (a positive height in the original font records). Character: the em
// size, the cell without its internal leading (a negative height there).
enum class FontHeight { Cell, Character };

// The UI typeface (Tahoma, as the metric-compatible faces shipped with the
// program) at `height` pixels of the device it will draw on. The shipped faces
// are registered on first use, so a QGuiApplication must exist; safe to call
// from any thread.
QFont uiFont(int height, FontHeight kind = FontHeight::Character, QFont::Weight weight = QFont::Normal);

// The cell of a font made by uiFont, in pixels, measured as the original
// measured it: from the typeface's Windows ascent and descent, which are
// larger than the typographic ones QFontMetrics reports. A text drawn "at the
// top" of a rectangle has its baseline `ascent` pixels below the top, and the
// lines of a text are `height()` pixels apart.
struct CellMetrics {
    int ascent = 0;
    int descent = 0;
    int height() const { return ascent + descent; }
};
CellMetrics uiFontCellMetrics(const QFont& font);
