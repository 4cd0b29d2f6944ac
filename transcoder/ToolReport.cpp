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

// One wording whichever tool failed: the user knows only the transcoder.
int finished(const ToolOutcome &outcome)
{
    if (!outcome.started) {
        say(outcome.lastLine);
        return 1;
    }
    if (outcome.crashed) {
        say(QStringLiteral("conv: the conversion ended abnormally"));
        return 1;
    }
    if (outcome.status != 0) {
        say(outcome.lastLine.isEmpty()
                ? QStringLiteral("conv: the conversion failed (exit status %1)").arg(outcome.status)
                : QStringLiteral("conv: ") + outcome.lastLine);
    }
    return outcome.status;
}
