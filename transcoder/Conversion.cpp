#include "transcoder/Conversion.h"

#include "transcoder/AmrConversion.h"
#include "transcoder/ToolReport.h"
#include "transcoder/TranscoderArguments.h"

#include <QFile>
#include <QFileInfo>

int convert(const QStringList &legacyArguments)
{
    const TranscoderArguments::Plan plan = TranscoderArguments::translate(legacyArguments);
    if (!plan.error.isEmpty()) {
        say(plan.error);
        return ExitStatus::badArguments;
    }
    const QString ffmpeg = findTool(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        return ExitStatus::toolMissing;

    const bool outputExisted = QFileInfo::exists(plan.output);
    int status =
        plan.amrAudio ? convertWithAmr(ffmpeg, plan) : finished(runTool(ffmpeg, plan.ffmpegArguments, false));
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
