#include "platform/PosixSystem.h"

#include "platform/FileCopy.h"
#include "platform/ProcessRunner.h"
#include "platform/ResultDelivery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

PosixSystem::PosixSystem() = default;
PosixSystem::~PosixSystem() = default;

SysResult PosixSystem::copyFile(const QString &source, const QString &destination)
{
    return FileCopy::copyReplacing(source, destination);
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

bool PosixSystem::isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool PosixSystem::createFolder(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).exists())
        return false;
    // Missing parents are made too, each private to the user.
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !QFileInfo(parent).exists())
        createFolder(parent);
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
}

Delivery PosixSystem::deliver(const QString &stagedResult, const QString &outputPath)
{
    return ResultDelivery::deliver(stagedResult, outputPath);
}

std::unique_ptr<ChildProcess> PosixSystem::startProcess(const QString &program,
                                                        const QStringList &arguments)
{
    return ProcessRunner::start(program, arguments);
}

bool PosixSystem::previousInstanceRunning()
{
    if (instanceLock_)
        return false;
    // The user's runtime folder is private; the shared temporary folder,
    // the last resort, needs the user's number in the name to stay per user.
    QString path = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!path.isEmpty())
        path += QStringLiteral("/morvane-converter.lock");
    else
        path = QDir::tempPath() + QStringLiteral("/morvane-converter-%1.lock").arg(::getuid());
    auto lock = std::make_unique<QLockFile>(path);
    // Never stale by age: only a holder that has gone frees it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    instanceLock_ = std::move(lock);
    return false;
}

void PosixSystem::endProgram()
{
    std::_Exit(0);
}

QString PosixSystem::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString PosixSystem::stagingFolder()
{
    // The generic location: no organisation or application name inserted.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/morvane-converter/tmp");
}
