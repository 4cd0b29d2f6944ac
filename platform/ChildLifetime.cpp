#include "platform/ChildLifetime.h"

#include <QProcess>

#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int maxPids = 16;
constexpr long pollNs = 10 * 1000 * 1000;

// True once pid has been reaped here or is no child of ours (reaped by
// someone else, so the number may since name another process).
bool reapedOrForeign(pid_t pid)
{
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(pid, &status, WNOHANG);
    } while (got < 0 && errno == EINTR);
    return got != 0;
}

void reapBlocking(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

sigset_t ChildLifetime::endingSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : endingSignals)
        sigaddset(&set, signal);
    return set;
}

ChildLifetime::HeldEndingSignals::HeldEndingSignals()
{
    const sigset_t ending = endingSet();
    pthread_sigmask(SIG_BLOCK, &ending, &before_);
}

ChildLifetime::HeldEndingSignals::~HeldEndingSignals() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

void ChildLifetime::tieThisChild(pid_t parent)
{
    // Until exec the child still runs our handlers, which act for the parent
    // (its files, its children); and a signal ignored here stays ignored
    // across exec, the parent-death one included.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    for (int signal : endingSignals)
        ::sigaction(signal, &standard, nullptr);
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // A parent that died before the request took effect sent nothing.
    if (::getppid() != parent)
        ::_exit(127);
    // A mask held around the start is inherited across exec.
    const sigset_t ending = endingSet();
    ::sigprocmask(SIG_UNBLOCK, &ending, nullptr);
}

void ChildLifetime::tieToParent(QProcess &process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] { tieThisChild(parent); });
}

void ChildLifetime::stop(QProcess &process, int graceMs)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs)) {
        process.kill();
        process.waitForFinished(-1);
    }
}

void ChildLifetime::stopAndReap(const pid_t *pids, int count, int graceMs)
{
    pid_t left[maxPids];
    int leftCount = 0;
    for (int i = 0; i < count && leftCount < maxPids; ++i) {
        if (pids[i] > 0 && !reapedOrForeign(pids[i])) {
            ::kill(pids[i], SIGTERM);
            left[leftCount++] = pids[i];
        }
    }
    const timespec step{0, pollNs};
    for (long waited = 0; leftCount > 0 && waited < graceMs * 1000000L; waited += pollNs) {
        ::nanosleep(&step, nullptr);
        for (int i = 0; i < leftCount;) {
            if (reapedOrForeign(left[i]))
                left[i] = left[--leftCount];
            else
                ++i;
        }
    }
    for (int i = 0; i < leftCount; ++i) {
        ::kill(left[i], SIGKILL);
        reapBlocking(left[i]);
    }
}
