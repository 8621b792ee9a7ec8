#include "window/help_fallback.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>

#include "qt_application.h"
#include "shell/product.h"
#include "window/main_window.h"
#include "window/menu_table.h"

namespace {

struct OpenCase {
    const char* what;
    int command;
    bool desktopOpens;       // whether the desktop's opener succeeds
    const char* handedOver;  // the end of the address the desktop is given
    bool ownHelpWindow;
    bool addressMessage;
};

const OpenCase openCases[] = {
    {"F1 with a viewer", menu_command::helpContent, true, "/help/index.html", false, false},
    {"F1 without a viewer", menu_command::helpContent, false, "/help/index.html", true, false},
    {"home page with a browser", menu_command::visitHomePage, true, "tessavan.com/probaview/", false, false},
    {"home page without a browser", menu_command::visitHomePage, false, "tessavan.com/probaview/", false, true},
};

TEST(HelpFallback, TheManualAndTheHomePageReachTheUserWithOrWithoutADesktopOpener)
{
    ensureApplication();
    for (const OpenCase& c : openCases) {
        SCOPED_TRACE(c.what);
        MainWindow window;
        QList<QUrl> handed;
        window.setDesktopOpener([&](const QUrl& url, const OpenFailed& failed) {
            handed.append(url);
            if (!c.desktopOpens) failed();
        });
        window.menuAction(c.command)->trigger();

        ASSERT_EQ(handed.size(), 1);
        EXPECT_TRUE(handed.front().toString().endsWith(QString::fromLatin1(c.handedOver)))
            << handed.front().toString().toStdString();
        ASSERT_EQ(window.helpWindow() != nullptr, c.ownHelpWindow);
        if (c.ownHelpWindow) {
            EXPECT_TRUE(window.helpWindow()->isVisible());
            EXPECT_EQ(window.helpWindow()->documentTitle(), "Probaview v1.0 Help");
        }
        const QList<QMessageBox*> messages = window.findChildren<QMessageBox*>();
        ASSERT_EQ(messages.size(), c.addressMessage ? 1 : 0);
        if (c.addressMessage) {
            EXPECT_TRUE(messages.front()->text().contains(QString::fromLatin1(product::homePageAddress)));
            EXPECT_TRUE(messages.front()->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
            EXPECT_TRUE(messages.front()->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
        }
    }
}

TEST(HelpFallback, TheOwnHelpWindowFollowsTheManualsLinks)
{
    ensureApplication();
    HelpWindow help;
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));

    // Click the contents' entry "Typing numbers": the window moves to that section.
    QTextCursor link = help.document()->find(QStringLiteral("Typing numbers"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 2);
    help.setTextCursor(link);
    help.ensureCursorVisible();
    const QPoint inside = help.cursorRect(link).center();
    QTest::mouseClick(help.viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(help.source().fragment(), "fields");
    EXPECT_EQ(help.source().fileName(), "index.html");
}

}  // namespace
