#include "support/TestSystem.h"

#include <QFile>

#include <cerrno>

TestSystem::TestSystem() { previous_ = setSystem(this); }

TestSystem::~TestSystem() { setSystem(previous_); }

const TestSystem::Fault *TestSystem::faultFor(const char *call, const QString &path) const
{
    for (const Fault &fault : faults) {
        if (fault.call == QLatin1String(call) && path.contains(fault.pathPart))
            return &fault;
    }
    return nullptr;
}

SysResult TestSystem::copyFile(const QString &source, const QString &destination)
{
    // A failing copy still empties the name first, as the real one does.
    if (const Fault *fault = faultFor("copyFile", destination)) {
        real_.deleteFile(destination);
        return {fault->error};
    }
    return real_.copyFile(source, destination);
}

SysResult TestSystem::deleteFile(const QString &path)
{
    if (const Fault *fault = faultFor("deleteFile", path))
        return {fault->error};
    return real_.deleteFile(path);
}

bool TestSystem::isPlainFile(const QString &path) { return real_.isPlainFile(path); }

bool TestSystem::isFolder(const QString &path) { return real_.isFolder(path); }

QString TestSystem::makePrivateFolder(const QString &path) { return real_.makePrivateFolder(path); }

Delivery TestSystem::deliver(const QString &stagedResult, const QString &outputPath)
{
    ResultDelivery::Calls calls;
    const ResultDelivery::Calls real;
    calls.renameAt = [this, real](int fromDir, const char *from, int toDir, const char *to) {
        if (const Fault *fault = faultFor("renameAt", QFile::decodeName(from))) {
            errno = fault->error;
            return -1;
        }
        return real.renameAt(fromDir, from, toDir, to);
    };
    calls.openAt = [this, real](int dir, const char *name, int flags, mode_t mode) {
        if (const Fault *fault = faultFor("openAt", QFile::decodeName(name))) {
            errno = fault->error;
            return -1;
        }
        return real.openAt(dir, name, flags, mode);
    };
    auto written = std::make_shared<qint64>(0);
    calls.copyChunk = [this, real, written](int in, int out, size_t count) -> ssize_t {
        if (const Fault *fault = faultFor("copyChunk", QString())) {
            if (*written >= fault->afterBytes) {
                errno = fault->error;
                return -1;
            }
            count = std::min<size_t>(count, size_t(fault->afterBytes - *written));
        }
        const ssize_t moved = real.copyChunk(in, out, count);
        if (moved > 0)
            *written += moved;
        return moved;
    };
    if (temporaryName)
        calls.temporaryName = temporaryName;
    return ResultDelivery::deliver(stagedResult, outputPath, calls);
}

std::unique_ptr<ChildProcess> TestSystem::startProcess(const QString &program, const QStringList &arguments)
{
    if (faultFor("startProcess", program))
        return nullptr;
    return real_.startProcess(program, arguments);
}

bool TestSystem::previousInstanceRunning() { return otherInstanceRunning; }

void TestSystem::endProgram() { ++endProgramCalls; }

QString TestSystem::programFolder() { return programDir.path(); }

QString TestSystem::cacheFolder() { return cacheDir.path() + QStringLiteral("/morvane-converter"); }
