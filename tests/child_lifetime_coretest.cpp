// The rules both the program and the transcoder stand-in keep for their
// children: a child never outlives its parent, not even one that died
// while the child was being tied to it, and a stop leaves nothing behind
// but touches nothing that is not ours.

#include "platform/ChildLifetime.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// No such process at all: a zombie still answers kill(pid, 0).
bool gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// The child's wait status, or -1 if it has not ended within ms.
int waitFor(pid_t pid, int ms)
{
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (clock.elapsed() < ms) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return status;
        QThread::msleep(10);
    }
    return -1;
}

void killAndReap(pid_t pid)
{
    if (pid > 0 && !gone(pid)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

void sleepForever()
{
    for (;;)
        ::pause();
}

class ChildLifetimeRules : public ::testing::Test {
protected:
    // An orphan comes to us, where we can see whether it lives on, and can
    // be reaped.
    void SetUp() override { ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }
};

TEST_F(ChildLifetimeRules, AChildWhoseParentDiedBeforeTheTieEndsAtOnce)
{
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t parent = ::fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        const pid_t self = ::getpid();
        const pid_t child = ::fork();
        if (child == 0) {
            // The parent dies between our fork and our tie to it.
            while (::getppid() == self)
                ::usleep(1000);
            ChildLifetime::tieThisChild(self);
            sleepForever(); // the program would run here, orphaned
        }
        [[maybe_unused]] const ssize_t put = ::write(pipeEnds[1], &child, sizeof child);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    pid_t child = 0;
    ASSERT_EQ(::read(pipeEnds[0], &child, sizeof child), ssize_t(sizeof child));
    ::close(pipeEnds[0]);
    ASSERT_GT(child, 0);
    ::waitpid(parent, nullptr, 0);

    const int status = waitFor(child, 5000);
    EXPECT_NE(status, -1) << "the child ran on after its parent had gone";
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 127);
    killAndReap(child);
}

TEST_F(ChildLifetimeRules, AChildStartedWithTheSignalsHeldAndIgnoredStillEndsOnThem)
{
    // The stand-in holds the ending signals around a start, and an ignored
    // signal would survive exec: the child must still end on SIGTERM, the
    // parent-death signal.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    ::sigaction(SIGTERM, &ignore, &before);
    QProcess child;
    child.setProgram("/bin/sleep");
    child.setArguments({"60"});
    ChildLifetime::tieToParent(child);
    {
        ChildLifetime::HeldEndingSignals held;
        child.start();
        ASSERT_TRUE(child.waitForStarted());
    }
    ::sigaction(SIGTERM, &before, nullptr);

    ::kill(pid_t(child.processId()), SIGTERM);
    ASSERT_TRUE(child.waitForFinished(5000)) << "SIGTERM did not reach the child: held or ignored";
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(child.exitCode(), SIGTERM);
    ChildLifetime::stop(child, 0);
}

TEST_F(ChildLifetimeRules, StopAndReapKillsWhatIgnoresTerminateAndLeavesStrangersAlone)
{
    const pid_t willing = ::fork();
    ASSERT_GE(willing, 0);
    if (willing == 0)
        sleepForever();
    const pid_t stubborn = ::fork();
    ASSERT_GE(stubborn, 0);
    if (stubborn == 0) {
        ::signal(SIGTERM, SIG_IGN);
        sleepForever();
    }
    // A grandchild: its number may be in a list of ours (a tool reaped an
    // instant ago, the number given to another) but it is not ours to end.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t middle = ::fork();
    ASSERT_GE(middle, 0);
    if (middle == 0) {
        const pid_t stranger = ::fork();
        if (stranger == 0)
            sleepForever();
        [[maybe_unused]] const ssize_t put = ::write(pipeEnds[1], &stranger, sizeof stranger);
        sleepForever();
    }
    ::close(pipeEnds[1]);
    pid_t stranger = 0;
    ASSERT_EQ(::read(pipeEnds[0], &stranger, sizeof stranger), ssize_t(sizeof stranger));
    ::close(pipeEnds[0]);
    QThread::msleep(50); // the stubborn one has set its SIG_IGN

    const pid_t pids[] = {willing, stranger, stubborn};
    QElapsedTimer clock;
    clock.start();
    ChildLifetime::stopAndReap(pids, 3, 300);
    const qint64 took = clock.elapsed();

    EXPECT_TRUE(gone(willing)) << "ended and reaped";
    EXPECT_TRUE(gone(stubborn)) << "killed after the grace and reaped";
    EXPECT_FALSE(gone(stranger));
    EXPECT_GE(took, 300) << "the stubborn one had its grace";
    killAndReap(willing);
    killAndReap(stubborn);
    ::kill(stranger, SIGKILL);
    killAndReap(middle);
    waitFor(stranger, 1000); // ours once its parent has gone
}

} // namespace
