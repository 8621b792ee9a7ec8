#include "window/numeric_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "qt_application.h"

namespace {

class NumericFieldWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        field = std::make_unique<NumericField>();
        field->resize(64, 20);
        field->show();
        field->setFocus();
    }

    void paste(const QString& clipboardText)
    {
        QApplication::clipboard()->setText(clipboardText);
        QTest::keyClick(field.get(), Qt::Key_V, Qt::ControlModifier);
    }

    std::unique_ptr<NumericField> field;
};

TEST_F(NumericFieldWidget, TypedKeysPassTheFilter)
{
    QTest::keyClicks(field.get(), "1.2.3");
    EXPECT_EQ(field->text(), "1.23");

    field->clear();
    QTest::keyClicks(field.get(), "1e5");
    EXPECT_EQ(field->text(), "15");

    // A minus counts only before the first character.
    field->setText("5");
    field->setCursorPosition(1);
    QTest::keyClick(field.get(), Qt::Key_Minus);
    EXPECT_EQ(field->text(), "5");
    field->setCursorPosition(0);
    QTest::keyClick(field.get(), Qt::Key_Minus);
    EXPECT_EQ(field->text(), "-5");
    field->setCursorPosition(0);
    QTest::keyClick(field.get(), Qt::Key_Minus);
    EXPECT_EQ(field->text(), "-5");

    // Editing keys keep working.
    field->end(false);
    QTest::keyClick(field.get(), Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "-");
}

TEST_F(NumericFieldWidget, DroppedKeysRaiseNoEdit)
{
    field->setText("2");
    QSignalSpy edits(field.get(), &QLineEdit::textEdited);
    QTest::keyClicks(field.get(), "x +,");
    EXPECT_EQ(field->text(), "2");
    EXPECT_EQ(edits.count(), 0);
    QTest::keyClicks(field.get(), "5");
    EXPECT_EQ(edits.count(), 1);
}

TEST_F(NumericFieldWidget, PastesFollowTheRules)
{
    paste("-2.5");
    EXPECT_EQ(field->text(), "-2.5");

    field->setText("3");
    field->end(false);
    paste("-2.5");
    EXPECT_EQ(field->text(), "3");

    field->setText("1.5");
    field->end(false);
    paste("2.5");
    EXPECT_EQ(field->text(), "1.5");

    field->clear();
    paste("12a");
    EXPECT_EQ(field->text(), "");

    // An empty clipboard leaves even a selection alone.
    field->setText("42");
    field->selectAll();
    paste("");
    EXPECT_EQ(field->text(), "42");

    field->setText("7");
    field->end(false);
    paste("25");
    EXPECT_EQ(field->text(), "725");
}

TEST_F(NumericFieldWidget, ContextMenuPasteFollowsTheRules)
{
    const auto pasteFromMenu = [this](const QString& clipboardText) {
        QApplication::clipboard()->setText(clipboardText);
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field.get(), &request);
        QMenu* menu = field->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        QAction* pasteAction = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        ASSERT_NE(pasteAction, nullptr);
        pasteAction->trigger();
        delete menu;
    };
    field->setText("1.5");
    field->end(false);
    pasteFromMenu("2.5");
    EXPECT_EQ(field->text(), "1.5");
    pasteFromMenu("25");
    EXPECT_EQ(field->text(), "1.525");
}

TEST_F(NumericFieldWidget, EnterIsReported)
{
    QSignalSpy returns(field.get(), &NumericField::returnPressedInField);
    QTest::keyClick(field.get(), Qt::Key_Return);
    ASSERT_EQ(returns.count(), 1);
    EXPECT_EQ(returns.at(0).at(0).value<NumericField*>(), field.get());
}

TEST_F(NumericFieldWidget, ProgramTextIsShownAsSet)
{
    field->setReadOnly(true);
    field->setText("-inf");
    EXPECT_EQ(field->text(), "-inf");
    paste("5");
    EXPECT_EQ(field->text(), "-inf");
}

}  // namespace
