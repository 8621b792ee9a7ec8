#include "graph/ui_font.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QRawFont>

namespace {

TEST(UiFont, HeightsMapToTheShippedFacesCellsAndEms)
{
    struct Case {
        int height;
        FontHeight kind;
        QFont::Weight weight;
        int pixelSize, cellAscent, cellHeight;
    };
    const Case cases[] = {
        {14, FontHeight::Cell, QFont::Normal, 12, 12, 14},     // the labels and the controls
        {32, FontHeight::Character, QFont::Bold, 32, 32, 39},  // the invalid-parameter message
        {24, FontHeight::Cell, QFont::Bold, 20, 20, 24},
    };
    for (const Case& c : cases) {
        const QFont font = uiFont(c.height, c.kind, c.weight);
        EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.height;
        const CellMetrics cell = uiFontCellMetrics(font);
        EXPECT_EQ(cell.ascent, c.cellAscent) << c.height;
        EXPECT_EQ(cell.height(), c.cellHeight) << c.height;

        // Drawn with the embedded faces, whatever the machine has installed.
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid());
        EXPECT_EQ(raw.familyName(), "Tahoma");
        // Bold is drawn by emboldening the regular outlines: the shipped bold
        // face only spaces regular-weight glyphs wider.
        EXPECT_EQ(raw.styleName(), "Regular");
        EXPECT_EQ(QFontInfo(font).bold(), c.weight == QFont::Bold);
    }
}

}  // namespace
