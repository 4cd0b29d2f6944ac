#pragma once
// A private (owner-only) temporary folder for intermediate files. It goes
// away with the object, and also when the program is ended by SIGTERM,
// SIGINT or SIGHUP while it exists (EndingCleanup). One at a time.

#include <QString>
#include <QTemporaryDir>

#include <optional>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    bool isValid() const { return folder_->isValid(); }
    QString errorString() const { return folder_->errorString(); }
    // The path of a file in the folder, removed with it; at most four.
    QString file(const QString &name);

private:
    std::optional<QTemporaryDir> folder_; // made in the constructor, with the signals held
};
