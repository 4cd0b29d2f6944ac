#include "transcoder/ToolReport.h"

#include <QStandardPaths>

#include <cstdio>

void say(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

// Debian's ffmpeg package brings both tools.
QString findTool(const QString &name)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        say(QStringLiteral("conv: %1 is not installed (not found on PATH); install Debian's ffmpeg package")
                .arg(name));
    return path;
}

int finished(const ToolOutcome &outcome, const QString &name)
{
    if (!outcome.started) {
        say(outcome.lastLine);
        return 1;
    }
    if (outcome.crashed) {
        say(QStringLiteral("conv: %1 ended abnormally").arg(name));
        return 1;
    }
    if (outcome.status != 0) {
        QString line = QStringLiteral("conv: %1 failed (exit status %2)").arg(name).arg(outcome.status);
        if (!outcome.lastLine.isEmpty())
            line += QStringLiteral(": ") + outcome.lastLine;
        say(line);
    }
    return outcome.status;
}
