#include "window/window_fonts.h"

#include "graph/ui_font.h"

namespace window_fonts {

namespace {

constexpr int uiCellHeight = 14;
// The parameter labels were drawn in a Symbol face 16 pixels high; the UI face
// has the Greek letters they stand for.
constexpr int symbolCellHeight = 16;

}  // namespace

QFont ui() { return uiFont(uiCellHeight, FontHeight::Cell); }

QFont symbol() { return uiFont(symbolCellHeight, FontHeight::Cell); }

QFont footer(int cellHeight) { return uiFont(cellHeight, FontHeight::Cell, QFont::Bold); }

}  // namespace window_fonts
