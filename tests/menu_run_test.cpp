// A whole conversion run chosen from the Convert menu happens inside the
// title's press handler, with the title still pressed.

#include "tools/fake_run.h"
#include "window/ImageArea.h"
#include "window/Module1.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MenuRun : public ::testing::Test, public FakeRun {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    void TearDown() override { Module1::MenuButtonDown = false; }

    bool titlePushed() const
    {
        return window.imgMenu[1]->hasPicture()
               && window.imgMenu[1]->picture().cacheKey() == window.imgMenuPush[1].cacheKey();
    }
};

TEST_F(MenuRun, StartConvertingRunsEveryEntryBeforeThePressHandlerReturns)
{
    addEntry(source("a.flv", "SLEEP 200\nfirst"), path("a.avi"));
    addEntry(source("b.flv", "SLEEP 200\nsecond"), path("b.mp4"));

    bool pressReturned = false;
    int ticksWhileWaiting = 0;
    bool pushedWhileWaiting = true;
    QTimer watcher;
    watcher.setInterval(50);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!window.isEnabled()) { // the transcoder runs
            ++ticksWhileWaiting;
            pushedWhileWaiting = pushedWhileWaiting && titlePushed() && !pressReturned;
        }
    });
    watcher.start();
    bool completeWhilePressed = false;
    platform.duringMessageBox = [&](const MessageBoxRequest &box) {
        completeWhilePressed =
            box.text == QStringLiteral("Converting Complete.") && titlePushed() && !pressReturned;
    };
    platform.menuChoices = {QStringLiteral("Start Converting(C)")};

    window.imgMenu_MouseDown(1, 1, 0, 0, 0);
    pressReturned = true;

    EXPECT_GT(ticksWhileWaiting, 2) << "window events ran while the transcoder worked";
    EXPECT_TRUE(pushedWhileWaiting);
    EXPECT_TRUE(completeWhilePressed);
    EXPECT_EQ(read(path("a.avi")), "SLEEP 200\nfirst");
    EXPECT_EQ(read(path("b.mp4")), "SLEEP 200\nsecond");
    EXPECT_EQ(calls().size(), 2u);
    EXPECT_TRUE(leftovers().isEmpty());
    EXPECT_TRUE(titlePushed()) << "the press handler does not restore the title";
    EXPECT_FALSE(Module1::MenuButtonDown);
    EXPECT_TRUE(window.isEnabled());
}

} // namespace
