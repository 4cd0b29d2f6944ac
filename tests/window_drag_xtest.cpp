// Real X input on the colour-keyed window, on a bare server and under a
// window manager: the see-through margin and corner cuts pass presses to the
// window beneath; any button on the body's edge drags the window, and the
// move ends at that button's release.

#include "support/BeneathWindow.h"
#include "support/Missing.h"
#include "support/RealInput.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RealPointer : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RealInput::haveXdotool())
            SKIP_OR_FAIL_MISSING("xdotool is not installed");
        beneath.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&beneath));
        ASSERT_TRUE(window.Form_Load());
        window.move(100, 100);
        window.show();
        window.raise();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        ASSERT_EQ(window.pos(), QPoint(100, 100));
    }

    // Where the window is now by the X server's account.
    QPoint shownAt() const { return window.mapToGlobal(QPoint(0, 0)); }

    ScriptedPlatform platform;
    BeneathWindow beneath{QRect(0, 0, 900, 700)};
    frmMain window;
};

TEST_F(RealPointer, PressesOnTheMarginAndCornerCutsReachTheWindowBeneath)
{
    const QPoint points[] = {{1, 200}, {3, 3},   {596, 300}, {300, 0},   {300, 487}, // margin
                             {4, 4},   {5, 4},   {4, 5},     {593, 4},   {592, 4},   {593, 5},
                             {4, 483}, {5, 483}, {4, 482},   {593, 483}, {592, 483}, {593, 482}}; // cuts
    for (QPoint at : points) {
        SCOPED_TRACE(std::to_string(at.x()) + "," + std::to_string(at.y()));
        const QPoint before = window.pos();
        const size_t pressesBefore = beneath.presses.size();
        ASSERT_TRUE(RealInput::drag(1, before + at, QPoint(30, 20)));
        EXPECT_EQ(window.pos(), before);
        ASSERT_EQ(beneath.presses.size(), pressesBefore + 1);
        EXPECT_EQ(beneath.presses.back(), before + at);
    }
}

TEST_F(RealPointer, AnyButtonOnTheBodysOutermostPixelsDragsTheWindowUntilItsRelease)
{
    struct Case {
        int button; // xdotool's: 1 left, 2 middle, 3 right
        QPoint at;
    };
    const Case cases[] = {{1, {6, 4}},     {3, {4, 6}},     {2, {593, 300}},
                          {1, {300, 483}}, {3, {300, 470}}, {2, {6, 300}}};
    for (const Case &c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button) + " at " + std::to_string(c.at.x()) + ","
                     + std::to_string(c.at.y()));
        const QPoint before = window.pos();
        ASSERT_TRUE(RealInput::drag(c.button, before + c.at, QPoint(36, 22)));
        EXPECT_EQ(window.pos(), before + QPoint(36, 22));
        EXPECT_EQ(shownAt(), before + QPoint(36, 22));
        // No button held: the pointer moving on leaves the window where it is.
        ASSERT_TRUE(RealInput::movePointer(before + c.at + QPoint(120, 90)));
        ASSERT_TRUE(RealInput::movePointer(before + c.at + QPoint(-40, 60)));
        EXPECT_EQ(window.pos(), before + QPoint(36, 22));
        EXPECT_EQ(shownAt(), before + QPoint(36, 22));
    }
    EXPECT_TRUE(beneath.presses.empty());
}

TEST_F(RealPointer, AClickOnTheBackgroundWithAnyButtonLeavesTheWindowInPlace)
{
    // Also when the program is busy and sees the press only after the release.
    for (bool busy : {false, true})
        for (int button : {1, 2, 3}) {
            SCOPED_TRACE("button " + std::to_string(button) + (busy ? ", busy" : ""));
            const QPoint before = window.pos();
            const QPoint at = before + QPoint(300, 470);
            if (busy)
                ASSERT_EQ(
                    QProcess::execute("xdotool", {"mousemove", QString::number(at.x()),
                                                  QString::number(at.y()), "click", QString::number(button)}),
                    0);
            else
                ASSERT_TRUE(RealInput::click(button, at));
            ASSERT_TRUE(RealInput::movePointer(before + QPoint(450, 300)));
            ASSERT_TRUE(RealInput::movePointer(before + QPoint(200, 200)));
            EXPECT_EQ(window.pos(), before);
            EXPECT_EQ(shownAt(), before);
        }
    EXPECT_TRUE(beneath.presses.empty());
}

} // namespace
