#pragma once

#include <QFont>

// The window's fonts, by the cell height (ascent plus descent) each has in pixels.
namespace window_fonts {

QFont ui();                  // the controls, tooltips and menus' neighbours: cell height 14
QFont symbol();              // the parameter symbols and domains: cell height 16
QFont footer(int cellHeight);  // bold footer texts

// A font of `family` whose cell is at most `cellHeight` pixels high.
QFont withCellHeight(const QString& family, int cellHeight, QFont::Weight weight);

}  // namespace window_fonts
