#pragma once
// The real platform: Qt Widgets for everything modal, POSIX for files.

#include "platform/Platform.h"

class QLockFile;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MsgAnswer messageBox(const MessageBoxRequest &request) override;
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    void popupMenu(QMenu *menu, const QPoint &globalPos) override;
    QPoint pointerPosition() override;

    bool shellOpen(const QString &path) override;
    void doEvents() override;
    void endProgram() override;

    bool copyFile(const QString &source, const QString &destination) override;
    bool deleteFile(const QString &path) override;
    bool isPlainFile(const QString &path) override;
    bool isFolder(const QString &path) override;
    bool createFolder(const QString &path) override;

    std::unique_ptr<ChildProcess> startProcess(const QString &program,
                                               const QStringList &arguments) override;

    bool previousInstanceRunning() override;

    QString programFolder() override;
    QString stagingFolder() override;

private:
    std::unique_ptr<QLockFile> instanceLock_;
};
