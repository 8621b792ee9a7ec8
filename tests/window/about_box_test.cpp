#include "window/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "qt_application.h"

namespace {

TEST(DialogUnits, ScaleByAQuarterOfTheWidthAndAnEighthOfTheHeight)
{
    // Base units of a 6 x 13 pixel font; halves round away from zero.
    const DialogBaseUnits base{6, 13};
    struct Case {
        QRect units;
        QRect pixels;
    };
    const Case cases[] = {
        {QRect(0, 0, 217, 93), QRect(0, 0, 326, 151)},    {QRect(65, 7, 145, 47), QRect(98, 11, 218, 76)},
        {QRect(7, 74, 139, 14), QRect(11, 120, 209, 23)}, {QRect(160, 74, 50, 14), QRect(240, 120, 75, 23)},
        {QRect(24, 20, 21, 20), QRect(36, 33, 32, 33)},
    };
    for (const Case& c : cases) EXPECT_EQ(dialogUnitsToPixels(c.units, base), c.pixels);
}

class AboutBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    static QPushButton* button(AboutBox& box, const QString& text)
    {
        for (QPushButton* b : box.findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
};

TEST_F(AboutBoxTest, IsLaidOutInDialogUnitsOfItsFont)
{
    AboutBox box(nullptr, [] {});
    EXPECT_EQ(box.windowTitle(), "Probaview v1.0 :: About");
    // The shipped Tahoma-compatible face at 8 points has Tahoma's base units.
    const DialogBaseUnits base = dialogBaseUnits(box.font());
    EXPECT_EQ(base.width, 6);
    EXPECT_EQ(base.height, 13);
    EXPECT_EQ(box.size(), QSize(326, 151));
    ASSERT_TRUE(button(box, "Visit Home Page..."));
    ASSERT_TRUE(button(box, "OK"));
    EXPECT_EQ(button(box, "Visit Home Page...")->geometry(), dialogUnitsToPixels(QRect(7, 74, 139, 14), base));
    EXPECT_EQ(button(box, "OK")->geometry(), dialogUnitsToPixels(QRect(160, 74, 50, 14), base));

    const QStringList lines = [&] {
        for (QLabel* label : box.findChildren<QLabel*>())
            if (!label->text().isEmpty()) return label->text().split('\n');
        return QStringList();
    }();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].isEmpty());
    EXPECT_TRUE(lines[1].startsWith("Probaview v1.0"));
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[3].contains("Tessavan"));
    EXPECT_TRUE(lines[5].isEmpty() && lines[6].isEmpty());
}

TEST_F(AboutBoxTest, EndsWithItsButtonsButNotWithEscape)
{
    int homePageOpened = 0;
    struct Case {
        const char* action;
        int result;
        int opened;
    };
    const Case cases[] = {{"OK", 1, 0}, {"Visit Home Page...", 1, 1}, {"close", 0, 0}};
    for (const Case& c : cases) {
        homePageOpened = 0;
        AboutBox box(nullptr, [&] { ++homePageOpened; });
        box.open();
        ASSERT_TRUE(box.isVisible());

        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &escape);
        EXPECT_TRUE(box.isVisible()) << "Escape closed the box";

        if (QString(c.action) == "close")
            box.close();
        else
            button(box, c.action)->click();
        EXPECT_FALSE(box.isVisible()) << c.action;
        EXPECT_EQ(box.result(), c.result) << c.action;
        EXPECT_EQ(homePageOpened, c.opened) << c.action;
    }
}

}  // namespace
