#pragma once
// Runs ffmpeg's tools: standard input from /dev/null, their messages passed
// on to our stderr, the last one kept. A tool never outlives us: an ending
// signal stops it and waits for it (EndingCleanup), and the kernel ends it if
// we are killed.

#include "transcoder/StderrRelay.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/types.h>

struct ToolOutcome {
    int status = 1; // the tool's exit status; 1 when it could not start or crashed
    bool started = false;
    bool crashed = false; // ended by a signal
    QString lastLine;     // the last telling line on its stderr, or why it did not start
    QByteArray output;    // its stdout, when captured
};

// A tool started now and waited for later, so that another can run meanwhile.
// Its messages are read only while finish() or abandon() waits: until then
// the choice between passing them on and dropping them is still open.
class StartedTool {
public:
    // captureOutput false: the tool's stdout goes to ours.
    StartedTool(const QString &program, const QStringList &arguments, bool captureOutput);
    ~StartedTool(); // abandons a tool still running
    StartedTool(const StartedTool &) = delete;
    StartedTool &operator=(const StartedTool &) = delete;

    // Waits for the tool's end; its messages are passed on.
    ToolOutcome finish();
    // Its result is not wanted: ends it and waits, its messages dropped.
    void abandon();

private:
    QProcess process_;
    StderrRelay relay_;
    ToolOutcome outcome_;
    bool captureOutput_;
    bool done_ = false;
    pid_t pid_ = 0;
};

// Runs one tool to its end.
ToolOutcome runTool(const QString &program, const QStringList &arguments, bool captureOutput);
