#pragma once

#include <QFont>

// The window's fonts, all of the UI typeface, by the cell height (ascent plus
// descent) in pixels that each has on the platform the layout comes from.
namespace window_fonts {

QFont ui();                    // controls and tooltips: cell height 14
QFont symbol();                // parameter symbols and domains: cell height 16
QFont footer(int cellHeight);  // the bold footer texts

}  // namespace window_fonts
