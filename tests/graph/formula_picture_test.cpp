#include "graph/formula_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "model/catalogue.h"

namespace {

// The bounding box of the non-white pixels, and the grey level of the darkest.
QRect inkBounds(const QImage& picture, int& darkest)
{
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if ((pixel & 0xFFFFFF) == 0xFFFFFF) continue;
            bounds |= QRect(x, y, 1, 1);
            darkest = std::min(darkest, qGray(pixel));
        }
    }
    return bounds;
}

TEST(FormulaPicture, EveryPairWithAFormulaHasACentredPictureThatTheBoxShowsWhole)
{
    int count = 0;
    for (int d = 0; d < distributionCount; ++d) {
        for (int f = 0; f < shownFunctionCount; ++f) {
            if (!hasFormulaPicture(d, shownFunctionAt(f))) continue;
            const int number = formulaPictureNumber(d, shownFunctionAt(f));
            SCOPED_TRACE(number);
            const QImage picture = loadFormulaPicture(number);
            ASSERT_FALSE(picture.isNull());
            ++count;
            EXPECT_EQ(picture.width(), 304);
            EXPECT_GE(picture.height(), 60);
            EXPECT_LE(picture.height(), 67);

            // Dark ink on a white ground, centred across, and all of it inside the
            // top 60 rows that the formula box shows.
            int darkest = 255;
            const QRect ink = inkBounds(picture, darkest);
            ASSERT_FALSE(ink.isEmpty());
            EXPECT_LT(darkest, 64);
            EXPECT_LE(ink.bottom(), 59);
            EXPECT_NEAR(ink.left(), picture.width() - 1 - ink.right(), 1);
        }
    }
    EXPECT_EQ(count, 79);
}

TEST(FormulaPicture, NumbersOutsideTheCatalogueAndDiscreteHazardsHaveNone)
{
    for (int number : {12003, 13003, 14003, 15003, 21003, 0, -1000, 999, 1004, 11004, 2500, 22000, 22001, 100000}) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(loadFormulaPicture(number).isNull());
    }
}

TEST(FormulaPicture, WritesTheSelectedPictureAsAFileOrNothingForAPairWithoutOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    const QString written = folder.filePath("normal-cdf.png");
    ASSERT_TRUE(writeFormulaPicture(1, ShownFunction::Distribution, written));
    const QImage readBack(written);
    ASSERT_FALSE(readBack.isNull());
    EXPECT_EQ(readBack.convertToFormat(QImage::Format_RGB32), loadFormulaPicture(2001));

    const QString hazard = folder.filePath("poisson-hazard.png");
    EXPECT_FALSE(writeFormulaPicture(11, ShownFunction::Hazard, hazard));
    EXPECT_FALSE(QFile::exists(hazard));
    EXPECT_FALSE(writeFormulaPicture(21, ShownFunction::Density, folder.filePath("none.png")));
    EXPECT_FALSE(writeFormulaPicture(1, ShownFunction::Distribution, folder.filePath("no-such-folder/normal-cdf.png")));
}

}  // namespace
