// The real popup menus under real X input, bare and with a window manager:
// an item is chosen with the left button only; a right or middle click on
// it chooses nothing and the menu stays open.

#include "platform/QtDesktop.h"
#include "support/Missing.h"
#include "support/RealInput.h"
#include "window/frmPop.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class RealMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RealInput::haveXdotool())
            SKIP_OR_FAIL_MISSING("xdotool is not installed");
    }

    // Pops `menu` up through the real platform and plays `user` once it shows.
    // A menu still up after the user has gone is closed, so no test hangs.
    void popUp(QMenu *menu, const std::function<void()> &user)
    {
        bool played = false;
        QTimer::singleShot(0, menu, [&] {
            if (QTest::qWaitFor([&] { return menu->isVisible(); }) && QTest::qWaitForWindowExposed(menu)) {
                QTest::qWait(100);
                user();
            }
            played = true;
            if (menu->isVisible())
                menu->close();
        });
        real.popupMenu(menu, QPoint(200, 200));
        EXPECT_TRUE(played);
    }

    // A click on an item, then the double-click time waited out, so that
    // the next click on the same spot is a click of its own.
    static void clickItem(QMenu *menu, QAction *item, int button)
    {
        ASSERT_TRUE(RealInput::click(button, menu->mapToGlobal(menu->actionGeometry(item).center())));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }

    QtDesktop real;
};

TEST_F(RealMenus, RightOrMiddleClicksOnAnyItemOfEveryMenuChooseNothingAndLeaveItOpen)
{
    frmPop &pop = frmPopInstance();
    for (QMenu *menu : {pop.menuFile, pop.menuTools, pop.menuSettings, pop.menuAbout, pop.remove}) {
        SCOPED_TRACE(menu->title().toStdString());
        QSignalSpy chosen(menu, &QMenu::triggered);
        bool stayedOpen = true;
        popUp(menu, [&] {
            for (QAction *item : menu->actions()) {
                if (item->isSeparator())
                    continue;
                for (int button : {3, 2}) { // xdotool's right and middle
                    clickItem(menu, item, button);
                    stayedOpen = stayedOpen && menu->isVisible();
                }
            }
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(chosen.count(), 0);
    }
}

TEST_F(RealMenus, ALeftClickChoosesTheItemAndClosesTheMenuAfterOtherButtonsDidNot)
{
    QMenu menu;
    QAction *first = menu.addAction(QStringLiteral("First"));
    QAction *second = menu.addAction(QStringLiteral("Second"));
    QSignalSpy firstChosen(first, &QAction::triggered), secondChosen(second, &QAction::triggered);
    bool openAfterOthers = false, closedAfterLeft = false;
    popUp(&menu, [&] {
        clickItem(&menu, second, 3);
        clickItem(&menu, first, 2);
        openAfterOthers = menu.isVisible();
        clickItem(&menu, second, 1);
        closedAfterLeft = !menu.isVisible();
    });
    EXPECT_TRUE(openAfterOthers);
    EXPECT_TRUE(closedAfterLeft);
    EXPECT_EQ(firstChosen.count(), 0);
    EXPECT_EQ(secondChosen.count(), 1);
}

} // namespace
