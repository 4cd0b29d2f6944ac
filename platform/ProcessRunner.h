#pragma once
// Starts a child with no terminal: standard input from /dev/null, its output
// drained as it comes so a full pipe never blocks it.

#include "platform/Platform.h"

namespace ProcessRunner {
std::unique_ptr<ChildProcess> start(const QString &program, const QStringList &arguments);
}
