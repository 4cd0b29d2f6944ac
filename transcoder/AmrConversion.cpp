#include "transcoder/AmrConversion.h"

#include "transcoder/AmrEncoder.h"
#include "transcoder/Conversion.h"
#include "transcoder/ScratchFolder.h"
#include "transcoder/ToolReport.h"
#include "transcoder/ToolRun.h"

#include <QFile>
#include <QFileInfo>

namespace TA = TranscoderArguments;

namespace {

struct Streams {
    bool video = false;
    bool audio = false;
};

Streams streamsIn(const QByteArray &probeOutput)
{
    Streams streams;
    for (const QByteArray &line : probeOutput.split('\n')) {
        const QByteArray kind = line.trimmed();
        streams.video = streams.video || kind == "video";
        streams.audio = streams.audio || kind == "audio";
    }
    return streams;
}

// The video alone goes through the output's own muxer, so that the final
// stream copy changes nothing in it.
QString videoFileName(const TA::Plan &plan)
{
    const QString suffix = QFileInfo(plan.output).suffix();
    return suffix.isEmpty() ? QStringLiteral("video") : QStringLiteral("video.") + suffix;
}

// Encodes the decoded sound as AMR-NB; amrPath is left empty when there are
// no samples.
int encodeSound(const QString &rawPath, const TA::Plan &plan, ScratchFolder &scratch, QString &amrPath)
{
    const QString encodedPath = scratch.file(QStringLiteral("audio.amr"));
    const AmrResult encoded = encodeAmrFile(rawPath, encodedPath, plan.amrMode);
    QFile::remove(rawPath);
    if (!encoded.ok) {
        say(encoded.error);
        return 1;
    }
    if (encoded.frames > 0)
        amrPath = encodedPath;
    return 0;
}

} // namespace

int convertWithAmr(const QString &ffmpeg, const TA::Plan &plan)
{
    const QString ffprobe = findTool(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        return ExitStatus::toolMissing;
    ScratchFolder scratch;
    if (!scratch.isValid()) {
        say(QStringLiteral("conv: cannot make a temporary folder: %1").arg(scratch.errorString()));
        return 1;
    }

    // Each tool start costs about 0.05 s, so the video encoding, the sound's
    // decoding and the probe run side by side; a stream copy joins the parts.
    // The tools are declared after the folder, so they have ended before it goes.
    QString videoPath = scratch.file(videoFileName(plan));
    const QString rawPath = scratch.file(QStringLiteral("audio.raw"));
    StartedTool video(ffmpeg, TA::videoArguments(plan, videoPath), false);
    StartedTool decode(ffmpeg, TA::audioDecodeArguments(plan, rawPath), false);

    const ToolOutcome probe = runTool(ffprobe, TA::streamProbeArguments(plan), true);
    if (const int status = finished(probe))
        return status;
    const Streams streams = streamsIn(probe.output);

    // An input without sound gives a 3GP without sound (the decode found
    // nothing to do; its complaint is dropped).
    QString amrPath;
    if (streams.audio) {
        if (const int status = finished(decode.finish()))
            return status;
        if (const int status = encodeSound(rawPath, plan, scratch, amrPath))
            return status;
    } else {
        decode.abandon();
    }
    // Sound alone gives a 3GP with sound alone; with neither, the video
    // run's failure says why.
    if (!streams.video && !amrPath.isEmpty()) {
        video.abandon();
        videoPath.clear();
    } else if (const int status = finished(video.finish())) {
        return status;
    }
    return finished(runTool(ffmpeg, TA::muxArguments(plan, videoPath, amrPath), false));
}
