#pragma once
// Whole-file copy through the kernel's fast path.

#include <QString>

namespace FileCopy {
// Copies source over destination (replacing it, keeping the source's
// permission bits). False when the copy could not be made completely.
bool copyReplacing(const QString &source, const QString &destination);
}
