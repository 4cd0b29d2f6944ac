#pragma once
// One conversion by the legacy line's arguments, done with Debian's ffmpeg.
// Returns the exit status: ffmpeg's, or non-zero when any step failed.
// Every failure ends with one line on stderr that says why.

#include <QStringList>

namespace ExitStatus {
constexpr int badArguments = 2;
constexpr int toolMissing = 127;
} // namespace ExitStatus

int convert(const QStringList &legacyArguments);
