#include "platform/PosixSystem.h"

#include "platform/FileCopy.h"
#include "platform/PrivateFolder.h"
#include "platform/ProcessRunner.h"
#include "platform/ResultDelivery.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SysResult PosixSystem::copyFile(const QString &source, const QString &destination)
{
    return FileCopy::copyToNewFile(source, destination);
}

SysResult PosixSystem::deleteFile(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 ? SysResult{} : SysResult{errno};
}

bool PosixSystem::isPlainFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool PosixSystem::isFolder(const QString &path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString PosixSystem::makePrivateFolder(const QString &path) { return PrivateFolder::make(path); }

Delivery PosixSystem::deliver(const QString &stagedResult, const QString &outputPath)
{
    return ResultDelivery::deliver(stagedResult, outputPath);
}

std::unique_ptr<ChildProcess> PosixSystem::startProcess(const QString &program, const QStringList &arguments)
{
    return ProcessRunner::start(program, arguments);
}

bool PosixSystem::previousInstanceRunning()
{
    if (instanceLock_)
        return false;
    // A kernel lock on an open file: it ends with its holder however that
    // ends, and what the file holds means nothing, so a lock file left by a
    // crash or a full disk never keeps a start out. The folder must be the
    // user's alone, or another account could hold the lock for us.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QFileInfo(folder).isAbsolute() || !PrivateFolder::problem(folder).isEmpty()) {
        folder = cacheFolder();
        if (!makePrivateFolder(folder).isEmpty())
            return false;
    }
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/morvane-converter.lock"));
    // Close-on-exec: a transcoder must not inherit the lock and hold it on.
    const auto open = [&path] {
        return UniqueFd(::open(path.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    };
    UniqueFd lock = open();
    // A link in the user's own folder is not followed but replaced.
    if (!lock && errno == ELOOP && ::unlink(path.constData()) == 0)
        lock = open();
    if (!lock)
        return false; // no lock to be had: better two instances than none
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK;
    instanceLock_ = std::move(lock);
    return false;
}

void PosixSystem::endProgram() { std::_Exit(0); }

QString PosixSystem::programFolder() { return QCoreApplication::applicationDirPath(); }

QString PosixSystem::cacheFolder()
{
    // The generic location: no organisation or application name inserted.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/morvane-converter");
}
