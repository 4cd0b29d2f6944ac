#include "transcoder/ToolRun.h"

#include "platform/ChildLifetime.h"
#include "transcoder/EndingCleanup.h"

StartedTool::StartedTool(const QString &program, const QStringList &arguments, bool captureOutput)
    : captureOutput_(captureOutput)
{
    process_.setProgram(program);
    process_.setArguments(arguments);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setProcessChannelMode(captureOutput ? QProcess::SeparateChannels
                                                 : QProcess::ForwardedOutputChannel);
    // If we are killed, ffmpeg must not go on writing a file nobody waits for.
    ChildLifetime::tieToParent(process_);
    QObject::connect(&process_, &QProcess::readyReadStandardError, &process_,
                     [this] { relay_.take(process_.readAllStandardError()); });
    // An ending signal waits until the tool is on the handler's list.
    ChildLifetime::HeldEndingSignals held;
    process_.start(QIODevice::ReadOnly);
    if (!process_.waitForStarted(-1)) {
        outcome_.lastLine = QStringLiteral("conv: cannot start %1: %2").arg(program, process_.errorString());
        done_ = true;
        return;
    }
    pid_ = pid_t(process_.processId());
    if (!EndingCleanup::addTool(pid_)) {
        ChildLifetime::stop(process_, 0);
        outcome_.lastLine = QStringLiteral("conv: cannot start %1: too many tools at once").arg(program);
        done_ = true;
        return;
    }
    outcome_.started = true;
}

StartedTool::~StartedTool() { abandon(); }

ToolOutcome StartedTool::finish()
{
    if (done_)
        return outcome_;
    done_ = true;
    process_.waitForFinished(-1);
    EndingCleanup::forgetTool(pid_);
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
    ChildLifetime::stop(process_, ChildLifetime::toolStopGraceMs);
    EndingCleanup::forgetTool(pid_);
}

ToolOutcome runTool(const QString &program, const QStringList &arguments, bool captureOutput)
{
    return StartedTool(program, arguments, captureOutput).finish();
}
