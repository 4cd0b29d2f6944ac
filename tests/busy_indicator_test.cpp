// The busy indicator: its ticks and colours, and how it moves during runs.

#include "jobs/BusyCell.h"
#include "tools/fake_run.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QColor Design(128, 128, 255);
const QColor Light(147, 189, 255);
const QColor Dark(66, 123, 175);

// Index of the one dark cell, -1 when there is none or more than one.
int darkCell(const frmMain &window)
{
    int dark = -1;
    for (int i = 0; i < 10; ++i) {
        if (window.SP[i]->fillColor() == Dark) {
            if (dark != -1)
                return -1;
            dark = i;
        }
    }
    return dark;
}

class BusyIndicator : public ::testing::Test, protected FakeRun {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_F(BusyIndicator, CellsStartHiddenInTheDesignColourWithTheTimerOff)
{
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(window.SP[i]->isHidden());
        EXPECT_EQ(window.SP[i]->fillColor(), Design);
        EXPECT_EQ(window.SP[i]->geometry(),
                  QRect(twips(6150 + 240 * i), twips(5820), twips(225), twips(225)));
    }
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 500);
    EXPECT_EQ(window.BusyStep, 0);
}

TEST_F(BusyIndicator, CellsAreOutlinedInTheActiveTextColourWhileTheWindowIsDisabled)
{
    // As during a run: the cells show only while the window takes no input.
    window.setEnabled(false);
    window.ShowBusyIndicator();
    const QColor text = window.palette().color(QPalette::Active, QPalette::WindowText);
    ASSERT_NE(text, window.palette().color(QPalette::Disabled, QPalette::WindowText));
    for (BusyCell *cell : window.SP) {
        const QImage image = cell->grab().toImage();
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (QPoint edge : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom),
                            QPoint(right / 2, 0), QPoint(0, bottom / 2)})
            EXPECT_EQ(image.pixelColor(edge), text);
        EXPECT_EQ(image.pixelColor(right / 2, bottom / 2), cell->fillColor());
    }
}

TEST_F(BusyIndicator, EachTickPaintsOneDarkCellAndStepsOnWrappingAfterTheTenth)
{
    for (int tick = 0; tick < 23; ++tick) {
        window.Timer1_Timer();
        SCOPED_TRACE(tick);
        EXPECT_EQ(darkCell(window), tick % 10);
        for (int i = 0; i < 10; ++i) {
            if (i != tick % 10) {
                EXPECT_EQ(window.SP[i]->fillColor(), Light);
            }
        }
        EXPECT_EQ(window.BusyStep, (tick + 1) % 10);
    }
}

TEST_F(BusyIndicator, HidingKeepsColoursAndStepAndStopsTheTimer)
{
    window.ShowBusyIndicator();
    for (BusyCell *cell : window.SP)
        EXPECT_FALSE(cell->isHidden());
    EXPECT_FALSE(window.Timer1->isActive()) << "showing does not switch the timer on";
    window.StartBusyTimer();
    EXPECT_TRUE(window.Timer1->isActive());
    for (int i = 0; i < 7; ++i)
        window.Timer1_Timer();

    window.HideBusyIndicator();

    for (BusyCell *cell : window.SP)
        EXPECT_TRUE(cell->isHidden());
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.BusyStep, 7);
    EXPECT_EQ(darkCell(window), 6);
    window.Timer1_Timer();
    EXPECT_EQ(darkCell(window), 7) << "the next sweep goes on where the last stopped";
}

TEST_F(BusyIndicator, SwitchingOnARunningTimerKeepsItsRhythm)
{
    window.StartBusyTimer();
    QElapsedTimer clock;
    clock.start();
    // No events run while sleeping, so no tick can fire and start the next
    // interval: only a restart can give the timer time back.
    QTest::qSleep(300);
    window.StartBusyTimer();
    const qint64 elapsed = clock.elapsed();
    const int remaining = window.Timer1->remainingTime();

    EXPECT_TRUE(window.Timer1->isActive());
    // What was left of the first interval, however long the sleep took; a
    // coarse timer may fire up to 5 % (25 ms) late, and times are rounded to
    // whole milliseconds. A restart leaves 500.
    const qint64 leftOfInterval = std::max<qint64>(0, 500 - elapsed);
    EXPECT_LE(remaining, leftOfInterval + 26) << "after " << elapsed << " ms";
}

TEST_F(BusyIndicator, TheDarkCellStepsOnAcrossEntriesWithoutStartingAgain)
{
    // Each entry shorter than a tick: a timer restarted for each entry would never fire.
    for (int i = 0; i < 8; ++i)
        addEntry(source(QString("s%1.flv").arg(i), "SLEEP 250"), path(QString("o%1.avi").arg(i)));
    std::vector<std::pair<int, QString>> ticks; // dark cell, counter at the tick
    QObject::connect(window.Timer1, &QTimer::timeout,
                     [&] { ticks.emplace_back(darkCell(window), window.lblFileNo->text()); });

    convert();

    ASSERT_GE(ticks.size(), 3u);
    QStringList counters;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].first, int(i % 10)) << "tick " << i;
        if (!counters.contains(ticks[i].second))
            counters << ticks[i].second;
    }
    EXPECT_GE(counters.size(), 3) << "ticks in several entries: " << qPrintable(counters.join(", "));
    EXPECT_EQ(window.BusyStep, int(ticks.size() % 10));
    EXPECT_FALSE(window.Timer1->isActive());
    for (BusyCell *cell : window.SP)
        EXPECT_TRUE(cell->isHidden());
}

TEST_F(BusyIndicator, ARunThatFailsBeforeAnyStartStillEndsHidden)
{
    addEntry(source("a.flv", "x"), path("a.mpeg"));
    convert();
    for (BusyCell *cell : window.SP) {
        EXPECT_TRUE(cell->isHidden());
        EXPECT_EQ(cell->fillColor(), Design) << "no tick ran";
    }
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.BusyStep, 0);
}

} // namespace
