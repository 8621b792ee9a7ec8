#include "window/formula_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <map>

#include "graph/formula_picture.h"
#include "qt_application.h"

namespace {

const QColor buttonFace(0xC8, 0xB4, 0xA0);

// A box on a known button face, counting how often each picture is loaded.
struct CountingBox {
    std::map<int, int> loads;
    std::function<QImage(int)> picture = loadFormulaPicture;
    FormulaBox box{nullptr, [this](int number) { return ++loads[number], picture(number); }};

    CountingBox()
    {
        QPalette palette = box.palette();
        palette.setColor(QPalette::Button, buttonFace);
        box.setPalette(palette);
    }

    // What the box shows inside its edge, 304 x 60.
    QImage shown(int d, int f)
    {
        box.setSelection(d, f);
        return box.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(1, 1, 304, 60);
    }
};

// The box's inside must be the picture's top-left corner ANDed onto the face,
// and the bare face wherever there is no picture.
void expectPictureOnFace(const QImage& shown, const QImage& picture)
{
    int mismatches = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb face = buttonFace.rgb();
            const QRgb expected = picture.valid(x, y) ? (face & picture.pixel(x, y)) | 0xFF000000 : face;
            if (shown.pixel(x, y) != expected && ++mismatches <= 3) {
                ADD_FAILURE() << "at (" << x << ", " << y << "): " << std::hex << shown.pixel(x, y) << " instead of "
                              << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

class FormulaBoxTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(FormulaBoxTest, ShowsThePictureAndedOntoTheButtonFaceOrTheBareFaceWithoutOne)
{
    CountingBox counting;
    // Pictures of both kinds, the discrete hazards, and pairs outside the catalogue.
    for (auto [d, f] : {std::pair{0, 0},
                        {1, 1},
                        {10, 3},
                        {12, 0},
                        {14, 2},
                        {11, 3},
                        {12, 3},
                        {13, 3},
                        {14, 3},
                        {20, 3},
                        {21, 0},
                        {-1, 0},
                        {1, 4}}) {
        SCOPED_TRACE(testing::Message() << d << ", " << f);
        const QImage picture = loadFormulaPicture(formulaPictureNumber(d, shownFunctionAt(f)));
        const QImage shown = counting.shown(d, f);
        expectPictureOnFace(shown, picture);
        if (picture.isNull()) continue;

        // The white ground shows the face itself; the ink darkens it.
        EXPECT_EQ(shown.pixel(0, 0), buttonFace.rgb());
        int darker = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) darker += qGray(shown.pixel(x, y)) < qGray(buttonFace.rgb()) / 2;
        }
        EXPECT_GT(darker, 20);
    }
}

TEST_F(FormulaBoxTest, ShowsOnlyTheTopLeft304By60PixelsOfALargerPicture)
{
    // A pattern larger than the box each way, so a shift or a scaling shows.
    QImage large(317, 67, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, qRgb(x % 256, (x * 7 + y * 13) % 256, y * 3));
    }
    CountingBox counting;
    counting.picture = [&](int) { return large; };
    expectPictureOnFace(counting.shown(1, 0), large);
}

TEST_F(FormulaBoxTest, LoadsEachPictureOnceAndReusesItWhenThePairComesBack)
{
    CountingBox counting;
    const QImage firstShown = counting.shown(1, 0);
    for (int round = 0; round < 2; ++round) {
        for (int d = 0; d < distributionCount; ++d) {
            for (int f = 0; f < shownFunctionCount; ++f) counting.shown(d, f);
        }
    }
    EXPECT_EQ(counting.shown(1, 0), firstShown);

    for (int d = 0; d < distributionCount; ++d) {
        for (int f = 0; f < shownFunctionCount; ++f) {
            const int number = formulaPictureNumber(d, shownFunctionAt(f));
            SCOPED_TRACE(number);
            // A missing picture never fills its entry, so every paint looks for it again.
            if (hasFormulaPicture(d, shownFunctionAt(f))) {
                EXPECT_EQ(counting.loads[number], 1);
            } else {
                EXPECT_GE(counting.loads[number], 2);
            }
        }
    }
}

}  // namespace
