// Starting and waiting for a transcoder: the wait ends only when the child
// has gone, a stop ends even a child that ignores SIGTERM, and no child
// outlives its parent, however the parent ends.

#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Gone, or a zombie left for a reaper that is not ours.
bool hasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) == "Z";
}

bool endsWithin(qint64 pid, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!hasEnded(pid)) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(20);
    }
    return true;
}

qint64 readPid(const QString &file, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray text = f.readAll().trimmed();
            if (!text.isEmpty())
                return text.toLongLong();
        }
        QThread::msleep(20);
    }
    return 0;
}

TEST(ProcessRunner, AnOrdinaryEndGivesItsCodeAndLastLine)
{
    auto child = ProcessRunner::start("/bin/sh", {"-c", "echo first; echo 'the last words' >&2; exit 3"});
    ASSERT_TRUE(child);
    const ProcessOutcome outcome = child->wait();
    EXPECT_TRUE(outcome.exitedNormally);
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.lastErrorLine, QStringLiteral("the last words"));
    EXPECT_FALSE(ProcessRunner::start("/no/such/program", {}));
}

TEST(ProcessRunner, AStopEndsEvenAChildThatIgnoresTerminate)
{
    QTemporaryDir dir;
    const QString pidFile = dir.path() + "/pid";
    auto child =
        ProcessRunner::start("/bin/sh", {"-c", "trap '' TERM; echo $$ > " + pidFile + "; exec sleep 60"});
    ASSERT_TRUE(child);
    const qint64 pid = readPid(pidFile, 10000);
    ASSERT_GT(pid, 0);
    QTimer::singleShot(0, [&] { child->stop(); });

    const ProcessOutcome outcome = child->wait();

    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.exitedNormally);
    EXPECT_TRUE(hasEnded(pid));
}

TEST(ProcessRunner, AQuittingApplicationStillWaitsUntilTheChildHasGone)
{
    QTemporaryDir dir;
    const QString pidFile = dir.path() + "/pid";
    ProcessOutcome outcome;
    qint64 pid = 0;
    bool returned = false;
    QTimer::singleShot(0, [&] {
        auto child = ProcessRunner::start("/bin/sh", {"-c", "echo $$ > " + pidFile + "; exec sleep 60"});
        ASSERT_TRUE(child);
        pid = readPid(pidFile, 10000);
        // The window manager's close of the last window quits the application mid-wait.
        QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
        outcome = child->wait();
        returned = true;
        EXPECT_TRUE(hasEnded(pid)) << "the wait returned while the child ran on";
    });
    QCoreApplication::exec();

    ASSERT_TRUE(returned);
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.exitedNormally && outcome.exitCode == 0) << "must not read as a success";
}

TEST(ProcessRunner, NoChildOutlivesItsParentEvenAKilledOne)
{
    for (int signal : {SIGKILL, SIGTERM}) {
        SCOPED_TRACE(signal);
        QTemporaryDir dir;
        const QString pidFile = dir.path() + "/pid";
        QProcess parent;
        parent.start(MORVANE_TEST_TOOLS_DIR "/hold_child",
                     {"/bin/sh", "-c", "echo $$ > " + pidFile + "; exec sleep 60"});
        ASSERT_TRUE(parent.waitForStarted());
        const qint64 pid = readPid(pidFile, 10000);
        ASSERT_GT(pid, 0);

        ::kill(pid_t(parent.processId()), signal);
        ASSERT_TRUE(parent.waitForFinished(10000));

        EXPECT_TRUE(endsWithin(pid, 10000)) << "the child ran on after its parent ended";
        if (!hasEnded(pid))
            ::kill(pid_t(pid), SIGKILL);
    }
}

} // namespace
