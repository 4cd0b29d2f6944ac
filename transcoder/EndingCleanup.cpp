#include "transcoder/EndingCleanup.h"

#include "platform/ChildLifetime.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int maxTools = 4;
constexpr int maxFiles = 4;
constexpr size_t maxPath = 4096;

static_assert(sizeof(sig_atomic_t) >= sizeof(pid_t));

// Plain storage: the handler may touch nothing else.
pid_t owner = 0;
volatile sig_atomic_t tools[maxTools];
char folderPath[maxPath];
char filePaths[maxFiles][maxPath];
volatile sig_atomic_t fileCount = 0;

void onEndingSignal(int signal)
{
    // A child of ours between fork and exec, before it has put our handlers
    // back to their defaults: the tools and files are not its own.
    if (::getpid() != owner)
        ::_exit(128 + signal);
    pid_t running[maxTools];
    int count = 0;
    for (int i = 0; i < maxTools; ++i) {
        if (tools[i] > 0)
            running[count++] = pid_t(tools[i]);
        tools[i] = 0;
    }
    // The tools first: ffmpeg still writes into the folder until it ends.
    ChildLifetime::stopAndReap(running, count, ChildLifetime::toolStopGraceMs);
    for (int i = 0; i < fileCount; ++i)
        ::unlink(filePaths[i]);
    fileCount = 0;
    if (folderPath[0])
        ::rmdir(folderPath);
    folderPath[0] = '\0';

    // Ends us once the handler returns: the signal is held until then.
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

bool copyPath(char *to, const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (size_t(bytes.size()) >= maxPath)
        return false;
    std::memcpy(to, bytes.constData(), size_t(bytes.size()) + 1);
    // The path is whole before the handler can see it.
    std::atomic_signal_fence(std::memory_order_release);
    return true;
}

} // namespace

void EndingCleanup::install()
{
    owner = ::getpid();
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    // One signal's clean-up is not interrupted by another's.
    action.sa_mask = ChildLifetime::endingSet();
    for (int signal : ChildLifetime::endingSignals)
        ::sigaction(signal, &action, nullptr);
}

bool EndingCleanup::addTool(pid_t pid)
{
    for (int i = 0; i < maxTools; ++i) {
        if (tools[i] == 0) {
            tools[i] = pid;
            return true;
        }
    }
    return false;
}

void EndingCleanup::forgetTool(pid_t pid)
{
    for (int i = 0; i < maxTools; ++i) {
        if (tools[i] == pid)
            tools[i] = 0;
    }
}

bool EndingCleanup::setFolder(const QString &path) { return copyPath(folderPath, path); }

bool EndingCleanup::addFile(const QString &path)
{
    if (fileCount >= maxFiles || !copyPath(filePaths[fileCount], path))
        return false;
    fileCount = fileCount + 1;
    return true;
}

void EndingCleanup::forgetFolder()
{
    fileCount = 0;
    folderPath[0] = '\0';
}
