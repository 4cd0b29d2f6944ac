// Hover and pressed looks of the tool buttons and menu titles, the titles'
// popups, and mouse capture for a held press.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/Module1.h"
#include "window/frmMain.h"
#include "window/frmPop.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Kind { Idle, Hover, Pushed };

// What a group shows: which element carries a picture, and which picture.
struct Look {
    int index = -1;
    Kind kind = Kind::Idle;
};

Look idle() { return {}; }
Look hover(int i) { return {i, Kind::Hover}; }
Look pushed(int i) { return {i, Kind::Pushed}; }

std::string describe(const Look &look)
{
    switch (look.kind) {
    case Kind::Idle: return "idle";
    case Kind::Hover: return "hover " + std::to_string(look.index);
    case Kind::Pushed: return "pushed " + std::to_string(look.index);
    }
    return "?";
}

template <size_t N>
std::string shown(const std::array<ImageArea *, N> &areas, const std::array<QPixmap, N> &hoverStore,
                  const std::array<QPixmap, N> &pushStore)
{
    std::string text;
    for (size_t i = 0; i < N; ++i) {
        if (!areas[i]->hasPicture())
            continue;
        const qint64 key = areas[i]->picture().cacheKey();
        if (!text.empty())
            text += ", ";
        if (key == hoverStore[i].cacheKey())
            text += "hover " + std::to_string(i);
        else if (key == pushStore[i].cacheKey())
            text += "pushed " + std::to_string(i);
        else
            text += "foreign picture on " + std::to_string(i);
    }
    return text.empty() ? "idle" : text;
}

class ToolStrip : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;

    void SetUp() override
    {
        ASSERT_TRUE(window.Form_Load());
        Module1::MenuButtonDown = false;
    }
    void TearDown() override { Module1::MenuButtonDown = false; }

    std::string buttons() const
    {
        return shown(window.imgButton, window.imgButtonData, window.imgButtonPush);
    }
    std::string titles() const { return shown(window.imgMenu, window.imgMenuMove, window.imgMenuPush); }

    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // A point of an element in the window's own coordinates.
    QPoint centreOf(QWidget *w) const { return w->geometry().center(); }
};

TEST_F(ToolStrip, LooksFollowTheirTransitions)
{
    struct Step {
        const char *what;
        std::function<void(frmMain &)> act;
        Look button;
        Look title;
        bool held;
    };
    // The Settings command is the one released here: it only shows the panel.
    const Step steps[] = {
        {"move on button 2", [](frmMain &w) { w.imgButton_MouseMove(2, 0, 0, 0, 0); }, hover(2), idle(),
         false},
        {"move on button 4", [](frmMain &w) { w.imgButton_MouseMove(4, 0, 0, 0, 0); }, hover(4), idle(),
         false},
        {"move on title 1 leaves the buttons alone", [](frmMain &w) { w.imgMenu_MouseMove(1, 0, 0, 0, 0); },
         hover(4), hover(1), false},
        {"press button 3", [](frmMain &w) { w.imgButton_MouseDown(3, 1, 0, 0, 0); }, pushed(3), hover(1),
         true},
        {"move on button 0 while held", [](frmMain &w) { w.imgButton_MouseMove(0, 1, 0, 0, 0); }, pushed(3),
         hover(1), true},
        {"move on title 2 while held", [](frmMain &w) { w.imgMenu_MouseMove(2, 1, 0, 0, 0); }, pushed(3),
         hover(1), true},
        {"release button 3", [](frmMain &w) { w.imgButton_MouseUp(3, 1, 0, 0, 0); }, hover(3), hover(1),
         false},
        {"press title 2, menu closed without a choice",
         [](frmMain &w) { w.imgMenu_MouseDown(2, 1, 0, 0, 0); }, hover(3), pushed(2), false},
        {"move on button 1 keeps the pressed title", [](frmMain &w) { w.imgButton_MouseMove(1, 0, 0, 0, 0); },
         hover(1), pushed(2), false},
        {"move on title 3", [](frmMain &w) { w.imgMenu_MouseMove(3, 0, 0, 0, 0); }, hover(1), hover(3),
         false},
        {"press title 0 with the right button", [](frmMain &w) { w.imgMenu_MouseDown(0, 2, 0, 0, 0); },
         hover(1), pushed(0), false},
        {"release on title 2 wherever the pointer is",
         [](frmMain &w) {
             Module1::MenuButtonDown = true;
             w.imgMenu_MouseUp(2, 1, 0, 0, 0);
         },
         hover(1), hover(2), false},
        {"press a title number out of range", [](frmMain &w) { w.imgMenu_MouseDown(4, 1, 0, 0, 0); },
         hover(1), idle(), false},
        {"press title 1", [](frmMain &w) { w.imgMenu_MouseDown(1, 1, 0, 0, 0); }, hover(1), pushed(1), false},
        {"move on the bare window", [](frmMain &w) { w.Form_MouseMove(0, 0, 0, 0); }, idle(), idle(), false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act(window);
        EXPECT_EQ(buttons(), describe(step.button));
        EXPECT_EQ(titles(), describe(step.title));
        EXPECT_EQ(Module1::MenuButtonDown, step.held);
    }
    EXPECT_FALSE(window.picSetting->isHidden()) << "the release ran Settings";
    EXPECT_EQ(scripted.popups.size(), 3u) << "the out-of-range title popped up nothing";
}

TEST_F(ToolStrip, TitlesPopTheirMenusBelowThemselvesAndKeepTheFlagUntilClosed)
{
    frmPop &pop = frmPopInstance();
    QMenu *const menus[4] = {pop.menuFile, pop.menuTools, pop.menuSettings, pop.menuAbout};
    // Left of each title, and 710 twips down, at 15 twips to a pixel.
    const QPoint corners[4] = {{16, 47}, {62, 47}, {135, 47}, {204, 47}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        bool heldWhileOpen = false;
        std::string titleWhileOpen;
        scripted.duringPopup = [&](QMenu *) {
            heldWhileOpen = Module1::MenuButtonDown;
            titleWhileOpen = titles();
        };
        scripted.popups.clear();
        window.imgMenu_MouseDown(qint16(i), 1, 0, 0, 0);
        ASSERT_EQ(scripted.popups.size(), 1u);
        EXPECT_EQ(scripted.popups[0].menuTitle, menus[i]->title());
        EXPECT_EQ(scripted.popups[0].globalPos, window.mapToGlobal(corners[i]));
        EXPECT_TRUE(heldWhileOpen);
        EXPECT_EQ(titleWhileOpen, describe(pushed(i)));
        EXPECT_FALSE(Module1::MenuButtonDown);
    }
}

TEST_F(ToolStrip, FocusGoesToTheWindowAfterTheFileMenuOnly)
{
    showWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.LV->show();
    for (int i : {1, 2, 3, 0}) {
        SCOPED_TRACE(i);
        window.LV->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), window.LV);
        window.imgMenu_MouseDown(qint16(i), 1, 0, 0, 0);
        EXPECT_EQ(QApplication::focusWidget(), i == 0 ? static_cast<QWidget *>(&window) : window.LV);
    }
}

// Real mouse events through the window, so that the press's capture decides
// who gets the moves and the release.
TEST_F(ToolStrip, AHeldButtonGetsItsMovesAndReleaseWherever)
{
    showWindow();
    QWindow *handle = window.windowHandle();
    const QPoint onButton = centreOf(window.imgButton[3]);
    const QPoint onOther = centreOf(window.imgButton[0]);
    const QPoint onTitle = centreOf(window.imgMenu[1]);
    const QPoint offStrip(400, 300);

    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(int(mouse));
        window.picSetting->hide();
        QTest::mouseMove(handle, onButton);
        EXPECT_EQ(buttons(), describe(hover(3)));
        QTest::mousePress(handle, mouse, {}, onButton);
        EXPECT_EQ(buttons(), describe(pushed(3)));
        QTest::mouseMove(handle, onOther);
        QTest::mouseMove(handle, onTitle);
        EXPECT_EQ(buttons(), describe(pushed(3))) << "moves while held change nothing";
        EXPECT_EQ(titles(), describe(idle()));
        QTest::mouseMove(handle, offStrip);
        EXPECT_TRUE(window.picSetting->isHidden()) << "a press runs nothing";
        QTest::mouseRelease(handle, mouse, {}, offStrip);
        EXPECT_FALSE(window.picSetting->isHidden()) << "the release outside ran Settings";
        EXPECT_EQ(buttons(), describe(hover(3))) << "hovered although the pointer is elsewhere";
        EXPECT_FALSE(Module1::MenuButtonDown);
    }
}

TEST_F(ToolStrip, ATitlePressedByTheMousePopsItsMenuAndItsReleaseRestoresHover)
{
    showWindow();
    QWindow *handle = window.windowHandle();
    const QPoint onTitle = centreOf(window.imgMenu[2]);
    QTest::mouseMove(handle, onTitle);
    EXPECT_EQ(titles(), describe(hover(2)));
    QTest::mousePress(handle, Qt::LeftButton, {}, onTitle);
    ASSERT_EQ(scripted.popups.size(), 1u);
    EXPECT_EQ(scripted.popups[0].menuTitle, QStringLiteral("Settings"));
    EXPECT_EQ(titles(), describe(pushed(2)));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(titles(), describe(hover(2)));
    EXPECT_FALSE(Module1::MenuButtonDown);
    EXPECT_EQ(scripted.popups.size(), 1u) << "the release pops up nothing";
}

TEST_F(ToolStrip, ButtonsDisabledForARunGetNoEvents)
{
    showWindow();
    QWindow *handle = window.windowHandle();
    for (int i = 0; i <= 4; ++i)
        window.imgButton[i]->setEnabled(false);
    window.LV->AppendRow(QStringLiteral("/clips/a.flv"));

    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const QPoint on = centreOf(window.imgButton[i]);
        QTest::mouseMove(handle, on);
        QTest::mousePress(handle, Qt::LeftButton, {}, on);
        EXPECT_FALSE(Module1::MenuButtonDown);
        QTest::mouseMove(handle, on + QPoint(1, 1));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, on + QPoint(1, 1));
        EXPECT_EQ(buttons(), describe(idle()));
    }
    EXPECT_TRUE(scripted.fileDialogs.empty());
    EXPECT_TRUE(scripted.popups.empty());
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(scripted.shellOpened.empty());
    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_EQ(window.LV->RowCount(), 1);

    // Exit stays enabled during a run.
    const QPoint exit = centreOf(window.imgButton[5]);
    QTest::mousePress(handle, Qt::LeftButton, {}, exit);
    EXPECT_EQ(buttons(), describe(pushed(5)));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, exit);
    EXPECT_EQ(scripted.endProgramCalls, 1);
}

} // namespace
