// CPU of the program while it waits for a transcoder that sleeps 5 s,
// beside the busy poll the legacy run used (let events run, waitpid with
// WNOHANG, let events run, again), both in this one run.

#include "BenchRun.h"
#include "BenchSupport.h"

#include <QFile>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int SleepMs = 5000;

double busyPollCpuPerSecond(const BenchRun &run)
{
    const QByteArray program = QFile::encodeName(BenchRun::fakeTranscoder());
    const QByteArray input = QFile::encodeName(run.path("poll.flv"));
    const QByteArray output = QFile::encodeName(run.path("poll.avi"));
    char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>("-i"),
                    const_cast<char *>(input.constData()), const_cast<char *>(output.constData()), nullptr};
    const double cpu0 = ownCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
        fail("cannot start the stand-in");
    for (;;) {
        QCoreApplication::processEvents();
        int status = 0;
        const bool gone = ::waitpid(pid, &status, WNOHANG) == pid;
        QCoreApplication::processEvents();
        if (gone)
            break;
    }
    return (ownCpuSeconds() - cpu0) / secondsOf(wall);
}

} // namespace

int main(int argc, char **argv)
{
    BenchEnvironment environment;
    QApplication app(argc, argv);
    BenchRun run;
    if (!run.start())
        fail("start-up");
    const QByteArray sleeper = "SLEEP " + QByteArray::number(SleepMs) + "\n";
    run.addEntry(run.source("wait.flv", sleeper), run.path("wait.avi"));
    run.source("poll.flv", sleeper);

    const double cpu0 = ownCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run.convert();
    const double programWall = secondsOf(wall);
    const double program = (ownCpuSeconds() - cpu0) / programWall;
    if (!run.platform.runCompleted())
        fail("the run did not complete");

    const double poll = busyPollCpuPerSecond(run);
    std::printf("GUI CPU while a stand-in transcoder sleeps %d ms\n", SleepMs);
    std::printf("  the program's run (one entry, %.2f s wall): %.5f CPU s per wall s\n", programWall,
                program);
    std::printf("  busy poll, processEvents + waitpid(WNOHANG): %.5f CPU s per wall s\n", poll);
    std::printf("  program / poll: %.3f%%\n", 100.0 * program / poll);
    return 0;
}
