#pragma once
// What an ending signal (SIGTERM, SIGINT, SIGHUP) does to the stand-in: the
// tools it runs are stopped and waited for, then its intermediate files are
// removed, then it ends by that signal. So once it has gone, nothing it
// started is still running, and the program that stops it can rely on that.
//
// The handler sees only what is recorded here. Record a tool with the ending
// signals held from before its start (ChildLifetime::HeldEndingSignals), so
// that no signal finds it running unrecorded.

#include <QString>

#include <sys/types.h>

namespace EndingCleanup {

// Once, first thing in main.
void install();

// A running tool; false when too many run at once.
bool addTool(pid_t pid);
// Once it has been waited for.
void forgetTool(pid_t pid);

// The scratch folder and, at most four, files in it. False when the path
// cannot be kept (too long, too many).
bool setFolder(const QString &path);
bool addFile(const QString &path);
// Once the folder has been removed.
void forgetFolder();

} // namespace EndingCleanup
