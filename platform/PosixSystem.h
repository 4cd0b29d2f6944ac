#pragma once
// The real system: POSIX files and processes, Qt Core for the folders.

#include "platform/System.h"
#include "platform/UniqueFd.h"

class PosixSystem : public System {
public:
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
    UniqueFd instanceLock_;
};
