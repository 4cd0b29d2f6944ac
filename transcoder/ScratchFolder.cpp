#include "transcoder/ScratchFolder.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr int maxFiles = 4;
constexpr size_t maxPath = 4096;
constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Plain buffers: the signal handler may touch nothing else.
char folderPath[maxPath];
char filePaths[maxFiles][maxPath];
volatile sig_atomic_t fileCount = 0;
struct sigaction previous[3];

void removeAll()
{
    for (int i = 0; i < fileCount; ++i)
        unlink(filePaths[i]);
    if (folderPath[0])
        rmdir(folderPath);
}

void onEndingSignal(int signal)
{
    removeAll();
    std::signal(signal, SIG_DFL);
    raise(signal);
}

bool copyPath(char *to, const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (size_t(bytes.size()) >= maxPath)
        return false;
    std::memcpy(to, bytes.constData(), size_t(bytes.size()) + 1);
    return true;
}

} // namespace

ScratchFolder::ScratchFolder()
{
    // Held from before the folder exists until the handler can remove it, so
    // that an ending signal in between cannot leave it behind.
    sigset_t ending, before;
    sigemptyset(&ending);
    for (int signal : endingSignals)
        sigaddset(&ending, signal);
    pthread_sigmask(SIG_BLOCK, &ending, &before);
    folder_.emplace(QDir::tempPath() + QStringLiteral("/morvane-conv-XXXXXX"));
    if (folder_->isValid() && copyPath(folderPath, folder_->path())) {
        struct sigaction action {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < 3; ++i)
            sigaction(endingSignals[i], &action, &previous[i]);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

ScratchFolder::~ScratchFolder()
{
    if (folderPath[0]) {
        for (int i = 0; i < 3; ++i)
            sigaction(endingSignals[i], &previous[i], nullptr);
        fileCount = 0;
        folderPath[0] = '\0';
    }
    // QTemporaryDir removes the folder and what is in it.
}

QString ScratchFolder::file(const QString &name)
{
    const QString path = folder_->filePath(name);
    if (fileCount < maxFiles && copyPath(filePaths[fileCount], path))
        fileCount = fileCount + 1;
    return path;
}
