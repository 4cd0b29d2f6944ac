#pragma once
// How a child of ours is kept from outliving us, shared by the program and
// the transcoder stand-in: the signals that end us, how long a child asked
// to stop gets before it is killed, and the start and stop that keep to
// them. Qt Core and POSIX only, no widgets.

#include <csignal>
#include <sys/types.h>

class QProcess;

namespace ChildLifetime {

// The signals on which we end what we do cleanly before we go.
inline constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The stand-in's tools, asked to stop, get this long: ffmpeg given SIGTERM
// finishes its file first, which takes from moments to seconds, and a file
// nobody will take may as well be cut short.
inline constexpr int toolStopGraceMs = 2000;
// The program gives the stand-in a second more: it stops its tools, waits
// for them and removes its files within it, so the program never kills a
// stand-in (leaving its tools to end unwatched) that was keeping to time.
inline constexpr int stopGraceMs = toolStopGraceMs + 1000;

// The ending signals as a set.
sigset_t endingSet();

// Holds the ending signals in this thread while it lives: around a start and
// whatever must be recorded about the child before a handler may run.
class HeldEndingSignals {
public:
    HeldEndingSignals();
    ~HeldEndingSignals();
    HeldEndingSignals(const HeldEndingSignals &) = delete;
    HeldEndingSignals &operator=(const HeldEndingSignals &) = delete;

private:
    sigset_t before_;
};

// The child that process starts ends when we end, however we end. The
// kernel's parent-death signal follows the thread that forked the child, not
// the process: start children from the thread that lives as long as they
// may (the main thread).
void tieToParent(QProcess &process);

// What the child does after fork to tie itself to parent (the pid taken
// before the fork): the ending signals back to their defaults and let
// through, SIGTERM when parent's forking thread ends, and _exit(127) at once
// if parent has already gone. Async-signal-safe.
void tieThisChild(pid_t parent);

// Terminate, kill after graceMs, and wait until it has gone.
void stop(QProcess &process, int graceMs);

// The same for our own children by pid, async-signal-safe for a signal
// handler: all are asked at once, those still there after graceMs are
// killed, and all are reaped. A pid that is no longer a child of ours is
// left alone. At most 16 pids.
void stopAndReap(const pid_t *pids, int count, int graceMs);

} // namespace ChildLifetime
