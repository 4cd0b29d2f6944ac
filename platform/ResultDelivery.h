#pragma once
// Puts a staged result at the user's output path: by one rename where both
// lie on one file system, else by a copy into a file of our own beside the
// output, which is then renamed over it.

#include "platform/FileCopy.h"
#include "platform/System.h"

#include <QByteArray>

#include <functional>
#include <sys/types.h>

namespace ResultDelivery {

// The system calls a delivery makes; a test replaces one to make that step fail.
struct Calls {
    std::function<int(int fromDir, const char *from, int toDir, const char *to)> renameAt;
    std::function<int(int dir, const char *name, int flags, mode_t mode)> openAt;
    FileCopy::ChunkCopier copyChunk = FileCopy::copyChunk;
    // The name of the file the copy is made in, in the output's folder.
    std::function<QByteArray(const QByteArray &outputName)> temporaryName;

    Calls();
};

Delivery deliver(const QString &stagedResult, const QString &outputPath, const Calls &calls = {});

} // namespace ResultDelivery
