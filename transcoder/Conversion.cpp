#include "transcoder/Conversion.h"

#include "jobs/core/TranscoderArguments.h"
#include "transcoder/AmrEncoder.h"
#include "transcoder/ScratchFolder.h"
#include "transcoder/ToolRun.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

using TranscoderArguments::Plan;

namespace {

void say(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

// The tools are found on PATH; Debian's ffmpeg package brings both.
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

int runFfmpeg(const QString &ffmpeg, const QStringList &arguments)
{
    return finished(runTool(ffmpeg, arguments, false), QStringLiteral("ffmpeg"));
}

// ffmpeg has no AMR-NB encoder here: it decodes the audio, opencore encodes
// it, ffmpeg puts it beside the video.
int convertWithAmr(const QString &ffmpeg, const Plan &plan)
{
    const QString ffprobe = findTool(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        return ExitStatus::toolMissing;
    const ToolOutcome probe = runTool(
        ffprobe,
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
         QStringLiteral("a"), QStringLiteral("-show_entries"), QStringLiteral("stream=index"),
         QStringLiteral("-of"), QStringLiteral("csv=p=0"), plan.input},
        true);
    if (const int status = finished(probe, QStringLiteral("ffprobe")))
        return status;

    ScratchFolder scratch;
    if (!scratch.isValid()) {
        say(QStringLiteral("conv: cannot make a temporary folder: %1").arg(scratch.errorString()));
        return 1;
    }
    QString amrPath;
    // An input without sound gives a 3GP without sound.
    if (!probe.output.trimmed().isEmpty()) {
        const QString rawPath = scratch.file(QStringLiteral("audio.raw"));
        if (const int status = runFfmpeg(ffmpeg, TranscoderArguments::audioDecodeArguments(plan, rawPath)))
            return status;
        const QString encodedPath = scratch.file(QStringLiteral("audio.amr"));
        const AmrResult encoded = encodeAmrFile(rawPath, encodedPath, plan.amrMode);
        QFile::remove(rawPath);
        if (!encoded.ok) {
            say(encoded.error);
            return 1;
        }
        if (encoded.frames > 0)
            amrPath = encodedPath;
    }
    return runFfmpeg(ffmpeg, TranscoderArguments::muxArguments(plan, amrPath));
}

} // namespace

int convert(const QStringList &legacyArguments)
{
    const Plan plan = TranscoderArguments::translate(legacyArguments);
    if (!plan.error.isEmpty()) {
        say(plan.error);
        return ExitStatus::badArguments;
    }
    const QString ffmpeg = findTool(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        return ExitStatus::toolMissing;

    const bool outputExisted = QFileInfo::exists(plan.output);
    int status = plan.amrAudio ? convertWithAmr(ffmpeg, plan)
                               : runFfmpeg(ffmpeg, plan.ffmpegArguments);
    const QFileInfo output(plan.output);
    if (status == 0 && (!output.isFile() || output.size() == 0)) {
        say(QStringLiteral("conv: ffmpeg wrote no output to %1").arg(plan.output));
        status = 1;
    }
    // A failed run leaves no half-written or empty file to be taken for a result;
    // a file we were not allowed to replace stays.
    if (status != 0 && (plan.overwrite || !outputExisted) && QFileInfo(plan.output).isFile())
        QFile::remove(plan.output);
    return status;
}
