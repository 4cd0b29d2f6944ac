#include "transcoder/ScratchFolder.h"

#include "platform/ChildLifetime.h"
#include "transcoder/EndingCleanup.h"

#include <QDir>

ScratchFolder::ScratchFolder()
{
    // Held from before the folder exists until the handler knows it, so that
    // an ending signal in between cannot leave it behind.
    ChildLifetime::HeldEndingSignals held;
    folder_.emplace(QDir::tempPath() + QStringLiteral("/morvane-conv-XXXXXX"));
    if (folder_->isValid())
        EndingCleanup::setFolder(folder_->path());
}

ScratchFolder::~ScratchFolder()
{
    // Held while it goes, so that the handler finds it either whole or gone.
    ChildLifetime::HeldEndingSignals held;
    folder_.reset();
    EndingCleanup::forgetFolder();
}

QString ScratchFolder::file(const QString &name)
{
    const QString path = folder_->filePath(name);
    EndingCleanup::addFile(path);
    return path;
}
