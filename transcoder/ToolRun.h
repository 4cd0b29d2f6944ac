#pragma once
// Runs one ffmpeg tool to its end: standard input from /dev/null, its
// messages passed on to our stderr as they come, the last one kept.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolOutcome {
    int status = 1;          // the tool's exit status; 1 when it could not start or crashed
    bool started = false;
    bool crashed = false;    // ended by a signal
    QString lastLine;        // the last telling line on its stderr, or why it did not start
    QByteArray output;       // its stdout, when captured
};

// captureOutput false: the tool's stdout goes to ours.
ToolOutcome runTool(const QString &program, const QStringList &arguments, bool captureOutput);
