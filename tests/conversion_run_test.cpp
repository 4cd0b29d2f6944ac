// Conversion runs with a fake transcoder: what is started, what is
// delivered, what the user is told, and what is left behind.

#include "jobs/BusyCell.h"
#include "jobs/SettingsPanel.h"
#include "jobs/core/RunReport.h"
#include "platform/EndingSignals.h"
#include "tools/fake_run.h"
#include "window/ImageArea.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// What the window looks like while the transcoder runs.
struct Snapshot {
    QString counter;
    QStringList holder;
    bool windowEnabled = true;
    std::vector<bool> buttonsEnabled;
    bool listHidden = false;
    bool convertingShown = false;
    bool cellsShown = false;
};

class ConversionRun : public ::testing::Test, protected FakeRun {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    void TearDown() override
    {
        EXPECT_EQ(leftovers(), QStringList()) << "a run left staging files or transcoder copies";
    }

    const MessageBoxRequest &onlyMessage()
    {
        EXPECT_EQ(platform.messages.size(), 1u);
        return platform.messages.back();
    }

    void expectComplete()
    {
        const MessageBoxRequest &box = onlyMessage();
        EXPECT_EQ(box.text, QStringLiteral("Converting Complete."));
        EXPECT_EQ(box.title, QStringLiteral("OK"));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }

    void expectWarning(const QString &text)
    {
        const MessageBoxRequest &box = onlyMessage();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, QStringLiteral("Warning"));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }

    void expectIdle()
    {
        EXPECT_FALSE(window.LV->isHidden());
        EXPECT_TRUE(window.LV->isEnabled());
        EXPECT_TRUE(window.isEnabled());
        for (ImageArea *button : window.imgButton)
            EXPECT_TRUE(button->isEnabled());
        for (BusyCell *cell : window.SP)
            EXPECT_TRUE(cell->isHidden());
        EXPECT_FALSE(window.Timer1->isActive());
        EXPECT_EQ(window.lstShell->count(), 0);
    }

    // Converts, recording a snapshot whenever the window is disabled and the
    // counter or the holder changed since the last one.
    std::vector<Snapshot> convertWatching()
    {
        std::vector<Snapshot> seen;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (window.isEnabled())
                return;
            Snapshot now;
            now.counter = window.lblFileNo->text();
            for (int i = 0; i < window.lstShell->count(); ++i)
                now.holder << window.lstShell->item(i)->text();
            now.windowEnabled = window.isEnabled();
            // Their own state: inside the disabled window every child reads disabled.
            for (ImageArea *button : window.imgButton)
                now.buttonsEnabled.push_back(!button->testAttribute(Qt::WA_ForceDisabled));
            now.listHidden = window.LV->isHidden();
            now.convertingShown = !window.lblConverting->isHidden();
            now.cellsShown = !window.SP[0]->isHidden() && !window.SP[9]->isHidden();
            if (seen.empty() || seen.back().counter != now.counter || seen.back().holder != now.holder)
                seen.push_back(now);
        });
        watch.start();
        convert();
        return seen;
    }
};

TEST_F(ConversionRun, EmptyListAsksForAnEntryAndStartsNothing)
{
    window.picSetting->show();
    convert();
    expectWarning(QStringLiteral("Please click Add Button to add a FLV file"));
    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(window.lblConverting->isHidden());
    EXPECT_TRUE(window.lblFileNo->isHidden());
    for (ImageArea *button : window.imgButton)
        EXPECT_TRUE(button->isEnabled());
}

TEST_F(ConversionRun, ThreeEntriesCountDownAndEachGetsItsOwnResult)
{
    addEntry(source("a.flv", "SLEEP 120\nfirst"), path("a.AVI"));
    addEntry(source("b.flv", "SLEEP 120\nsecond"), path("b.wmv"));
    addEntry(source("c.flv", "SLEEP 120\nthird"), path("c.Mov"));
    window.picSetting->show();

    const std::vector<Snapshot> seen = convertWatching();

    ASSERT_EQ(seen.size(), 3u);
    const char *counters[] = {"3 file(s) left", "2 file(s) left", "1 file(s) left"};
    const char *lines[] = {
        "/data/conv.exe -i %1/tmpFile.flv -r 25.0 -y -s 320x240 %1/tmpFile.avi",
        "/data/conv1.exe -i %1/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 %1/tmpFile.wmv",
        "/data/conv.exe -y -i %1/tmpFile.flv -y  -s 320x240 %1/tmpFile.mov"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].counter, QLatin1String(counters[i]));
        EXPECT_EQ(seen[i].holder, QStringList(platform.cacheFolder() + QString(lines[i]).arg(staging())));
        EXPECT_FALSE(seen[i].windowEnabled);
        EXPECT_EQ(seen[i].buttonsEnabled, std::vector<bool>({false, false, false, false, false, true}));
        EXPECT_TRUE(seen[i].listHidden);
        EXPECT_TRUE(seen[i].convertingShown);
        EXPECT_TRUE(seen[i].cellsShown);
    }

    EXPECT_EQ(read(path("a.AVI")), "SLEEP 120\nfirst");
    EXPECT_EQ(read(path("b.wmv")), "SLEEP 120\nsecond");
    EXPECT_EQ(read(path("c.Mov")), "SLEEP 120\nthird");
    expectComplete();
    expectIdle();
    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_EQ(window.lblFileNo->text(), QStringLiteral("1 file(s) left"));
    EXPECT_EQ(window.CurrentFileIndex, 4);
    EXPECT_EQ(window.LV->RowCount(), 3) << "a run never changes the list";
}

TEST_F(ConversionRun, TheTranscoderIsStartedByExactPathWithOneArgumentPerSetting)
{
    platform.subFolder = QStringLiteral("/My Programs/Morvane Converter");
    ASSERT_TRUE(QDir().mkpath(program()));
    ASSERT_TRUE(start());
    window.picSetting->cmbSizeAVI->setEditText(QStringLiteral(" 320x240 /tmp/extra.avi "));
    window.picSetting->cmbFPSAVI->setEditText(QString());
    addEntry(source("a.flv", "clip"), path("a.avi"));

    convert();

    expectComplete();
    const std::vector<QStringList> started = calls();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0],
              QStringList({platform.cacheFolder() + "/data/conv.exe", "-i", staging() + "/tmpFile.flv", "-r",
                           "", "-y", "-s", "320x240 /tmp/extra.avi", staging() + "/tmpFile.avi"}));
    EXPECT_EQ(read(path("a.avi")), "clip");
}

TEST_F(ConversionRun, AnEntryWithoutAFormatEndsTheRunThere)
{
    addEntry(source("a.flv", "first"), path("a.avi"));
    addEntry(source("b.flv", "second"), path("b.mpg"));
    addEntry(source("c.flv", "third"), path("c.avi"));

    convert();

    EXPECT_EQ(read(path("a.avi")), "first");
    EXPECT_FALSE(QFile::exists(path("b.mpg")));
    EXPECT_FALSE(QFile::exists(path("c.avi")));
    EXPECT_EQ(calls().size(), 1u);
    expectWarning("1 of 3 file(s) converted.\n\n" + path("b.mpg") + ": no output format\n" + path("c.avi")
                  + ": not converted: the run ended before it");
    expectIdle();
    EXPECT_EQ(window.lblFileNo->text(), QStringLiteral("2 file(s) left"));
}

TEST_F(ConversionRun, AMissingTranscoderEndsTheRunAndTheNextRunStartsWithItsOwnLine)
{
    ASSERT_TRUE(QFile::remove(program() + "/conv.dll"));
    addEntry(source("w.flv", "wmv one"), path("w.wmv"));
    addEntry(source("a.flv", "avi one"), path("a.avi"));
    addEntry(source("x.flv", "wmv two"), path("x.wmv"));

    convert();

    EXPECT_EQ(read(path("w.wmv")), "wmv one");
    EXPECT_FALSE(QFile::exists(path("a.avi")));
    EXPECT_FALSE(QFile::exists(path("x.wmv")));
    expectWarning("1 of 3 file(s) converted.\n\n" + path("a.avi") + ": the transcoder " + program()
                  + "/conv.dll is missing\n" + path("x.wmv") + ": not converted: the run ended before it");
    expectIdle();
    ASSERT_EQ(calls().size(), 1u);

    // Again with the transcoder back: the first start carries the first entry's line.
    ASSERT_TRUE(install("conv.dll"));
    platform.messages.clear();
    convert();
    expectComplete();
    const std::vector<QStringList> started = calls();
    ASSERT_EQ(started.size(), 4u);
    EXPECT_EQ(started[1].first(), platform.cacheFolder() + "/data/conv1.exe");
    EXPECT_EQ(started[1].last(), staging() + "/tmpFile.wmv");
    EXPECT_EQ(started[2].first(), platform.cacheFolder() + "/data/conv.exe");
    EXPECT_EQ(read(path("a.avi")), "avi one");
    EXPECT_EQ(read(path("x.wmv")), "wmv two");
}

TEST_F(ConversionRun, ASourceGoneBeforeTheRunFailsOnlyItsEntry)
{
    const QString gone = source("gone.flv", "old source");
    write(path("gone.avi"), "kept");
    addEntry(gone, path("gone.avi"));
    addEntry(source("b.flv", "second"), path("b.avi"));
    ASSERT_TRUE(QFile::remove(gone));

    convert();

    EXPECT_EQ(read(path("gone.avi")), "kept");
    EXPECT_EQ(read(path("b.avi")), "second");
    ASSERT_EQ(calls().size(), 1u) << "no transcoder for an entry that could not be staged";
    expectWarning("1 of 2 file(s) converted.\n\n" + path("gone.avi") + ": the source file does not exist");
}

TEST_F(ConversionRun, AnOutputFolderThatDoesNotExistFailsOnlyItsEntry)
{
    const QString nowhere = path("no such folder/x.avi");
    addEntry(source("a.flv", "first"), nowhere);
    addEntry(source("b.flv", "second"), path("b.avi"));

    convert();

    EXPECT_FALSE(QFile::exists(path("no such folder")));
    EXPECT_EQ(read(path("b.avi")), "second");
    expectWarning("1 of 2 file(s) converted.\n\n" + nowhere
                  + ": the output folder does not exist or cannot be written");
}

TEST_F(ConversionRun, AFailedTranscoderNeverDeliversAnEarlierResultOrAPart)
{
    const struct {
        const char *mode;
        const char *reason;
    } cases[] = {
        {"NOTHING", "the transcoder wrote no output"},
        {"EMPTY", "the transcoder wrote an empty output"},
        {"FAIL", "the transcoder failed: fake transcoder: cannot encode this input"},
        {"PARTIAL", "the transcoder failed: fake transcoder: stopped half-way"},
        {"CRASH", "the transcoder ended abnormally: fake transcoder: stopped half-way"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        window.LV->clear();
        platform.messages.clear();
        const QString failing = path(QString("second-%1.avi").arg(c.mode));
        write(failing, "the user's old file");
        addEntry(source("a.flv", "first entry's result"), path("first.avi"));
        addEntry(source("b.flv", QByteArray(c.mode) + "\n" + QByteArray(4096, 'x')), failing);
        addEntry(source("c.flv", "third entry's result"), path("third.avi"));

        convert();

        EXPECT_EQ(read(failing), "the user's old file");
        EXPECT_EQ(read(path("first.avi")), "first entry's result");
        EXPECT_EQ(read(path("third.avi")), "third entry's result");
        expectWarning("2 of 3 file(s) converted.\n\n" + failing + ": " + c.reason);
        const QStringList strays = QDir(work.path()).entryList(QDir::Hidden | QDir::Files);
        EXPECT_TRUE(strays.filter(QStringLiteral(".second")).isEmpty()) << qPrintable(strays.join(' '));
        EXPECT_EQ(leftovers(), QStringList());
    }
}

TEST_F(ConversionRun, AStagedResultLeftFromBeforeIsNotDelivered)
{
    FakeRun::write(staging() + "/tmpFile.avi", "left by a run that was killed");
    write(path("a.avi"), "the user's old file");
    addEntry(source("a.flv", "NOTHING"), path("a.avi"));

    convert();

    EXPECT_EQ(read(path("a.avi")), "the user's old file");
    expectWarning("0 of 1 file(s) converted.\n\n" + path("a.avi") + ": the transcoder wrote no output");
}

TEST_F(ConversionRun, DeliveryReplacesAnExistingOutputWholeAndKeepsNothingBeside)
{
    write(path("a.mp4"), QByteArray(100000, 'o'));
    addEntry(source("a.flv", "new result"), path("a.mp4"));
    convert();
    expectComplete();
    EXPECT_EQ(read(path("a.mp4")), "new result");
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files | QDir::Hidden).join(' '),
              QStringLiteral("a.flv a.mp4"));
}

TEST_F(ConversionRun, AskedToEndMidRunItStopsCleanlyAndThenEndsTheProgram)
{
    const struct {
        const char *name;
        std::function<void(frmMain &)> askToEnd;
    } ways[] = {
        {"the window manager's close", [](frmMain &window) { window.close(); }},
        {"an ending signal",
         [](frmMain &window) {
             EndingSignals::watch([&window] { window.EndProgram(); });
             ::raise(SIGTERM);
         }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        window.LV->clear();
        platform.messages.clear();
        platform.endProgramCalls = 0;
        write(path("a.avi"), "the user's old file");
        QFile::remove(path("b.avi"));
        const size_t startsBefore = calls().size();
        addEntry(source("a.flv", "SLEEP 60000\nnew"), path("a.avi"));
        addEntry(source("b.flv", "second"), path("b.avi"));
        // Once the first transcoder has started.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (calls().size() > startsBefore) {
                poll.stop();
                way.askToEnd(window);
            }
        });
        poll.start(20);

        convert();
        EndingSignals::unwatch();

        EXPECT_EQ(read(path("a.avi")), "the user's old file");
        EXPECT_FALSE(QFile::exists(path("b.avi")));
        EXPECT_EQ(calls().size(), startsBefore + 1) << "the second entry never started";
        EXPECT_TRUE(platform.messages.empty()) << "no box keeps an ending program";
        EXPECT_EQ(platform.endProgramCalls, 1);
        EXPECT_EQ(leftovers(), QStringList());
        expectIdle();
    }
    // Without a run the window closes as ever.
    window.close();
    EXPECT_EQ(platform.endProgramCalls, 1);
}

} // namespace

TEST(RunReportText, ListsEachFailureAndCountsTheRestBeyondTwenty)
{
    RunReport report;
    report.entries = 25;
    report.converted = 1;
    for (int i = 1; i <= 24; ++i)
        report.failures.push_back({QString("/o/%1.avi").arg(i), QStringLiteral("why")});
    const QStringList lines = report.warningText().split('\n');
    ASSERT_EQ(lines.size(), 2 + 20 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("1 of 25 file(s) converted."));
    EXPECT_EQ(lines[2], QStringLiteral("/o/1.avi: why"));
    EXPECT_EQ(lines[21], QStringLiteral("/o/20.avi: why"));
    EXPECT_EQ(lines[22], QStringLiteral("... and 4 more not converted"));
    EXPECT_FALSE(report.complete());
}
