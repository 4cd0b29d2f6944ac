// Moving the frameless window by its bare background, clearing every hover
// look by a move over it, and closing by the exit image.

#include "jobs/FileListView.h"
#include "jobs/LinkLabel.h"
#include "jobs/SettingsPanel.h"
#include "skin/Skin.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class WindowDrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.move(120, 90);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Press at `at` (window coordinates), move the pointer by `by` on the
    // screen, release. Events carry window coordinates, so each is placed
    // where the screen point lies in the window as it stands then.
    void drag(Qt::MouseButton button, QPoint at, QPoint by)
    {
        QWindow *handle = window.windowHandle();
        const QPoint start = window.mapToGlobal(at);
        QTest::mousePress(handle, button, {}, at);
        for (QPoint step : {by / 4, by / 2, by})
            QTest::mouseMove(handle, window.mapFromGlobal(start + step));
        QTest::mouseRelease(handle, button, {}, window.mapFromGlobal(start + by));
        QCoreApplication::processEvents();
    }

    ScriptedPlatform platform;
    frmMain window;
};

} // namespace

TEST_F(WindowDrag, AnyButtonOnTheBareBackgroundMovesTheWindowWithThePointer)
{
    struct Case {
        const char *where;
        QPoint at;
    };
    const Case places[] = {
        {"title strip", {300, 16}}, {"between the tool buttons", {77, 90}}, {"start panel", {300, 300}},
        {"footer", {300, 470}},     {"outermost drawn pixel", {6, 4}},
    };
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const Case &c : places) {
            SCOPED_TRACE(std::string(c.where) + ", button " + std::to_string(int(button)));
            const QPoint before = window.pos();
            drag(button, c.at, QPoint(40, 24));
            EXPECT_EQ(window.pos(), before + QPoint(40, 24));
        }
    }
    // The move ends with the release: later moves leave the window alone.
    const QPoint settled = window.pos();
    QTest::mouseMove(window.windowHandle(), QPoint(350, 460));
    QTest::mouseMove(window.windowHandle(), QPoint(360, 470));
    EXPECT_EQ(window.pos(), settled);
}

TEST_F(WindowDrag, PressesOnControlsAndOnTheMarginDoNotMoveTheWindow)
{
    window.lblConverting->show();
    window.lblFileNo->show();
    struct Case {
        const char *what;
        std::function<QPoint()> at;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"tool button", [&] { return window.imgButton[3]->geometry().center(); }, [] {}},
        {"menu title", [&] { return window.imgMenu[2]->geometry().center(); }, [] {}},
        {"exit image", [&] { return window.imgExit->geometry().center(); }, [] {}},
        {"run label", [&] { return window.lblConverting->geometry().center(); }, [] {}},
        {"counter label", [&] { return window.lblFileNo->geometry().topLeft() + QPoint(2, 2); }, [] {}},
        {"see-through margin", [] { return QPoint(1, 200); }, [] {}},
        {"corner cut", [] { return QPoint(4, 4); }, [] {}},
        {"file list", [&] { return window.LV->geometry().center(); }, [&] { window.LV->show(); }},
        {"file list's edge", [&] { return window.LV->geometry().topLeft(); }, [&] { window.LV->show(); }},
        {"settings panel", [&] { return QPoint(300, 440); }, [&] { window.picSetting->show(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const QPoint before = window.pos();
        // Right button: a left click on the exit image would end the program.
        drag(Qt::RightButton, c.at(), QPoint(30, 20));
        EXPECT_EQ(window.pos(), before);
    }
    EXPECT_EQ(platform.endProgramCalls, 0);
}

TEST_F(WindowDrag, AMoveOverTheBareBackgroundClearsEveryPictureAndBlackensTheLinks)
{
    auto giveEveryPicture = [&] {
        for (int i = 0; i < 6; ++i)
            window.imgButton[i]->setPicture(window.imgButtonData[i]);
        for (int i = 0; i < 4; ++i)
            window.imgMenu[i]->setPicture(window.imgMenuPush[i]);
        for (LinkLabel *link :
             {window.picSetting->lblOk, window.picSetting->lblCancel, window.picSetting->lblDefault})
            link->setTextColour(QColor(0, 0, 255));
    };
    auto picturesShown = [&] {
        int shown = 0;
        for (ImageArea *a : window.imgButton)
            shown += a->hasPicture();
        for (ImageArea *a : window.imgMenu)
            shown += a->hasPicture();
        return shown;
    };

    // A move over a run label goes to the label: nothing changes.
    window.lblConverting->show();
    giveEveryPicture();
    QTest::mouseMove(window.windowHandle(), window.lblConverting->geometry().center());
    QTest::mouseMove(window.windowHandle(), window.lblConverting->geometry().center() + QPoint(1, 0));
    EXPECT_EQ(picturesShown(), 10);

    // One move over the bare background, with the settings panel hidden.
    QTest::mouseMove(window.windowHandle(), QPoint(300, 470));
    EXPECT_EQ(picturesShown(), 0);
    for (LinkLabel *link :
         {window.picSetting->lblOk, window.picSetting->lblCancel, window.picSetting->lblDefault})
        EXPECT_EQ(link->textColour(), QColor(0, 0, 0));
}

TEST_F(WindowDrag, ClickingTheExitImageEndsTheProgramAtOnce)
{
    // Entries in the list change nothing: no question is asked.
    window.LV->show();
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, window.imgExit->geometry().center());
    EXPECT_EQ(platform.endProgramCalls, 0);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.imgExit->geometry().center());
    EXPECT_EQ(platform.endProgramCalls, 1);
    EXPECT_TRUE(platform.messages.empty());
}
