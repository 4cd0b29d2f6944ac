#include "transcoder/ToolRun.h"

#include <QProcess>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace {

class StderrRelay {
public:
    void take(const QByteArray &chunk)
    {
        std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stderr);
        std::fflush(stderr);
        for (char c : chunk) {
            if (c == '\n' || c == '\r')
                endLine();
            else if (pending_.size() < 4096)
                pending_.append(c);
        }
    }

    QString lastLine()
    {
        endLine();
        return last_;
    }

private:
    void endLine()
    {
        const QString line = QString::fromLocal8Bit(pending_).trimmed();
        // ffmpeg's closing "Conversion failed!" says nothing; the line before does.
        if (!line.isEmpty() && line != QLatin1String("Conversion failed!"))
            last_ = line;
        pending_.clear();
    }

    QByteArray pending_;
    QString last_;
};

} // namespace

ToolOutcome runTool(const QString &program, const QStringList &arguments, bool captureOutput)
{
    ToolOutcome outcome;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(captureOutput ? QProcess::SeparateChannels
                                                : QProcess::ForwardedOutputChannel);
    // If we are killed, ffmpeg must not go on writing a file nobody waits for.
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });

    StderrRelay relay;
    QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                     [&] { relay.take(process.readAllStandardError()); });
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        outcome.lastLine = QStringLiteral("conv: cannot start %1: %2")
                               .arg(program, process.errorString());
        return outcome;
    }
    outcome.started = true;
    process.waitForFinished(-1);
    relay.take(process.readAllStandardError());
    if (captureOutput)
        outcome.output = process.readAllStandardOutput();
    outcome.lastLine = relay.lastLine();
    outcome.crashed = process.exitStatus() != QProcess::NormalExit;
    if (!outcome.crashed)
        outcome.status = process.exitCode();
    return outcome;
}
