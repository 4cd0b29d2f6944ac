#include "transcoder/ToolRun.h"

#include <csignal>
#include <sys/prctl.h>

namespace {

// ffmpeg ends within moments of SIGTERM; this is only a bound.
constexpr int stopGraceMs = 10000;

} // namespace

StartedTool::StartedTool(const QString &program, const QStringList &arguments, bool captureOutput)
    : captureOutput_(captureOutput)
{
    process_.setProgram(program);
    process_.setArguments(arguments);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setProcessChannelMode(captureOutput ? QProcess::SeparateChannels
                                                 : QProcess::ForwardedOutputChannel);
    // If we are killed, ffmpeg must not go on writing a file nobody waits for.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    QObject::connect(&process_, &QProcess::readyReadStandardError, &process_,
                     [this] { relay_.take(process_.readAllStandardError()); });
    process_.start(QIODevice::ReadOnly);
    if (!process_.waitForStarted(-1)) {
        outcome_.lastLine = QStringLiteral("conv: cannot start %1: %2")
                                .arg(program, process_.errorString());
        done_ = true;
        return;
    }
    outcome_.started = true;
}

StartedTool::~StartedTool()
{
    abandon();
}

ToolOutcome StartedTool::finish()
{
    if (done_)
        return outcome_;
    done_ = true;
    process_.waitForFinished(-1);
    relay_.take(process_.readAllStandardError());
    if (captureOutput_)
        outcome_.output = process_.readAllStandardOutput();
    outcome_.lastLine = relay_.lastLine();
    outcome_.crashed = process_.exitStatus() != QProcess::NormalExit;
    if (!outcome_.crashed)
        outcome_.status = process_.exitCode();
    return outcome_;
}

void StartedTool::abandon()
{
    if (done_)
        return;
    done_ = true;
    relay_.mute();
    process_.terminate();
    if (!process_.waitForFinished(stopGraceMs)) {
        process_.kill();
        process_.waitForFinished(-1);
    }
}

ToolOutcome runTool(const QString &program, const QStringList &arguments, bool captureOutput)
{
    return StartedTool(program, arguments, captureOutput).finish();
}
