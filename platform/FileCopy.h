#pragma once
// Whole-file copies through the kernel's fast path.

#include "platform/System.h"

#include <QString>

#include <functional>
#include <sys/types.h>

namespace FileCopy {

// Moves up to count bytes from in to out at their offsets: what was moved,
// 0 at the end of in, -1 with errno on failure.
ssize_t copyChunk(int in, int out, size_t count);
using ChunkCopier = std::function<ssize_t(int in, int out, size_t count)>;

// Copies the rest of in to out, chunk by chunk.
SysResult copyAll(int in, int out, const ChunkCopier &chunk = copyChunk);

// Copies source into a new file at destination for a folder of the
// program's own: the name is deleted first, whatever happens next, and made
// anew exclusively, never through a link, with the source's owner bits only.
// Nothing is left at destination when the copy fails.
SysResult copyToNewFile(const QString &source, const QString &destination);

} // namespace FileCopy
