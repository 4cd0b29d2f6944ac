// A run ended from outside on a real X server: the window manager's close
// and SIGTERM mid-run leave the user's old output (or a whole new one),
// no transcoder running, nothing in staging or data/, and end the program.

#include "jobs/core/RunFiles.h"
#include "platform/EndingSignals.h"
#include "support/Missing.h"
#include "support/RealInput.h"
#include "tools/fake_run.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

bool windowManagerRuns()
{
    const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
    return !wmctrl.isEmpty() && QProcess::execute(wmctrl, {"-m"}) == 0;
}

// Processes started from the test's own program folder that still run.
QStringList transcodersRunning(const QString &dataFolder)
{
    QStringList found;
    for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = cmdline.readAll();
        QFile stat("/proc/" + pid + "/stat");
        const bool zombie = stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z ");
        if (!zombie && line.startsWith(QFile::encodeName(dataFolder + "/")))
            found << pid;
    }
    return found;
}

class RunEndedOnX : public ::testing::Test, protected FakeRun {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        write(path("clip.avi"), "the user's complete old file");
        addEntry(source("clip.flv", "SLEEP 60000\nnew"), path("clip.avi"));
        addEntry(source("next.flv", "second"), path("next.avi"));
    }

    void expectEndedCleanly()
    {
        EXPECT_EQ(read(path("clip.avi")), "the user's complete old file");
        EXPECT_FALSE(QFile::exists(path("next.avi")));
        EXPECT_EQ(calls().size(), 1u);
        EXPECT_EQ(transcodersRunning(platform.dataFolder()), QStringList());
        EXPECT_EQ(leftovers(), QStringList());
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(platform.endProgramCalls, 1);
    }

    // Once the transcoder runs and has logged its start, `act` from the
    // event loop the run waits in.
    void whenTranscoderRuns(std::function<void()> act)
    {
        auto poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [this, poll, act] {
            if (calls().empty() || transcodersRunning(platform.dataFolder()).isEmpty())
                return;
            poll->stop();
            act();
        });
        poll->start(50);
    }
};

} // namespace

TEST_F(RunEndedOnX, TheWindowManagersCloseEndsTheRunCleanly)
{
    // The bare server's run has none by design; the ".wm" run must have one.
    if (!RealInput::underWindowManager())
        GTEST_SKIP() << "no window manager on this display";
    if (!windowManagerRuns())
        SKIP_OR_FAIL_MISSING("the window manager is not running (wmctrl -m failed)");
    const QString id = QString::number(window.winId());
    whenTranscoderRuns([id] { QProcess::startDetached("wmctrl", {"-i", "-c", id}); });

    convert();

    expectEndedCleanly();
}

TEST_F(RunEndedOnX, SigtermEndsTheRunCleanly)
{
    EndingSignals::watch([this] { window.EndProgram(); });
    whenTranscoderRuns([] { ::kill(::getpid(), SIGTERM); });

    convert();
    EndingSignals::unwatch();

    expectEndedCleanly();
}
