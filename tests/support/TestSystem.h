#pragma once
// The system half of the platform for tests: the real files and processes,
// in a program folder and a cache folder of the test's own, with any call
// made to fail on demand. Widget-free, for the core's tests too.

#include "platform/PosixSystem.h"
#include "platform/ResultDelivery.h"

#include <QTemporaryDir>

#include <functional>
#include <vector>

class TestSystem : public System {
public:
    // A call that fails: the call's name ("copyFile" names the destination,
    // "deleteFile", "startProcess" the program, and the delivery's own
    // "renameAt" (the name renamed from), "openAt" and "copyChunk"), and a
    // part of the path it must name (empty: any). copyChunk fails once
    // afterBytes bytes went through.
    struct Fault {
        QString call;
        QString pathPart;
        int error = EIO;
        qint64 afterBytes = 0;
    };
    std::vector<Fault> faults;
    // The delivery's own file beside the output; unset: a random name.
    std::function<QByteArray(const QByteArray &outputName)> temporaryName;

    bool otherInstanceRunning = false;
    int endProgramCalls = 0;
    QTemporaryDir programDir;
    QTemporaryDir cacheDir;

    TestSystem();
    ~TestSystem() override;

    SysResult copyFile(const QString &source, const QString &destination) override;
    SysResult deleteFile(const QString &path) override;
    bool isPlainFile(const QString &path) override;
    bool isFolder(const QString &path) override;
    QString makePrivateFolder(const QString &path) override;
    Delivery deliver(const QString &stagedResult, const QString &outputPath) override;
    std::unique_ptr<ChildProcess> startProcess(const QString &program, const QStringList &arguments) override;
    bool previousInstanceRunning() override;
    void endProgram() override;
    QString programFolder() override;
    QString cacheFolder() override;

private:
    const Fault *faultFor(const char *call, const QString &path) const;

    PosixSystem real_;
    System *previous_ = nullptr;
};
