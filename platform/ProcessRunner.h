#pragma once
// Starts a child with no terminal: standard input from /dev/null, its output
// drained as it comes so a full pipe never blocks it. The child is told by
// the kernel to end when this process ends, however that happens; that is
// bound to the calling thread, so start children from the main thread.

#include "platform/System.h"

namespace ProcessRunner {
std::unique_ptr<ChildProcess> start(const QString &program, const QStringList &arguments);
}
