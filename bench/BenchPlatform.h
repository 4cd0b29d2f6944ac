#pragma once
// The platform the benchmarks run the window on: the real files, processes
// and widgets, but a program folder and a cache folder of the benchmark's
// own, message boxes answered OK, and file dialogs answered from a queue.

#include "platform/PosixSystem.h"
#include "platform/QtDesktop.h"

#include <QTemporaryDir>

#include <deque>
#include <vector>

class BenchPlatform : public QtDesktop, public PosixSystem {
public:
    BenchPlatform();
    ~BenchPlatform() override;

    std::vector<MessageBoxRequest> messages;
    std::deque<QString> fileAnswers; // an empty queue cancels
    QTemporaryDir programDir;
    QTemporaryDir cacheDir;

    // True when the one message box so far said the run completed.
    bool runCompleted() const;

    MsgAnswer messageBox(const MessageBoxRequest &request) override;
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    bool previousInstanceRunning() override { return false; }
    void endProgram() override {}
    QString programFolder() override { return programDir.path(); }
    QString cacheFolder() override;

private:
    Desktop *previousDesktop_ = nullptr;
    System *previousSystem_ = nullptr;
};
