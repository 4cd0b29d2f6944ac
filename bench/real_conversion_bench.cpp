// The five formats of a 10 s FLV through the program with the real
// transcoder, beside ffmpeg run directly with the arguments the transcoder
// gives it.

#include "BenchPlatform.h"
#include "BenchSupport.h"
#include "jobs/SettingsPanel.h"
#include "jobs/core/RunFiles.h"
#include "jobs/core/TranscoderCommandLine.h"
#include "platform/FileCopy.h"
#include "transcoder/TranscoderArguments.h"
#include "window/frmMain.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace TranscoderCommandLine;

namespace {

constexpr int Rounds = 3;
const OutputFormat Formats[] = {OutputFormat::Avi, OutputFormat::Wmv, OutputFormat::Mov, OutputFormat::Mp4,
                                OutputFormat::ThreeGp};

SettingPieces piecesOf(const SettingsPanel &p)
{
    const auto t = &SettingsPanel::SettingPiece;
    return {t(p.cmbFPSAVI), t(p.cmbSizeAVI), t(p.cmbFPSWMV), t(p.cmbSizeWMV), t(p.cmbSizeMOV), t(p.cmbVBRMP4),
            t(p.cmbFPSMP4), t(p.cmbSizeMP4), t(p.cmbVBR3GP), t(p.cmbFPS3GP),  t(p.cmbSize3GP), t(p.cmbAB3GP)};
}

// ffmpeg's share of one conversion, as the transcoder would start it. For
// 3GP that is the audio decode, then the video encoded straight into the
// output, one after the other; the transcoder's ffprobe, its AMR-NB encoding
// and its final stream copy have no ffmpeg equivalent.
double ffmpegDirect(const CommandLine &line, const QString &scratch)
{
    const TranscoderArguments::Plan plan = TranscoderArguments::translate(line.arguments);
    if (!plan.error.isEmpty())
        fail(qPrintable(plan.error));
    QElapsedTimer wall;
    wall.start();
    if (!plan.amrAudio) {
        if (runToEnd("ffmpeg", plan.ffmpegArguments) != 0)
            fail("ffmpeg");
    } else {
        if (runToEnd("ffmpeg", TranscoderArguments::audioDecodeArguments(plan, scratch + "/a.raw")) != 0
            || runToEnd("ffmpeg", TranscoderArguments::videoArguments(plan, plan.output)) != 0)
            fail("ffmpeg (3gp)");
    }
    return secondsOf(wall);
}

} // namespace

int main(int argc, char **argv)
{
    BenchEnvironment environment;
    QApplication app(argc, argv);
    const QString build = QStringLiteral(MORVANE_BUILD_DIR);
    if (!QFile::exists(build + "/conv.dll") || QStandardPaths::findExecutable("ffmpeg").isEmpty())
        fail("needs conv.dll in the build folder and ffmpeg installed");

    BenchPlatform platform;
    frmMain window;
    window.Form_Load();
    QTemporaryDir work;
    for (const char *name : {"conv.dll", "conv1.dll"})
        FileCopy::copyToNewFile(build + '/' + name, platform.programFolder() + '/' + name);

    const QString source = work.path() + "/ten.flv";
    if (runToEnd("ffmpeg", {"-nostdin", "-loglevel", "error", "-f", "lavfi", "-i",
                            "testsrc=size=320x240:rate=25:duration=10", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=10", "-c:v", "flv", "-c:a",
                            "libmp3lame", "-ar", "44100", source})
        != 0)
        fail("making the source");
    for (OutputFormat format : Formats) {
        platform.fileAnswers = {source, work.path() + "/out." + extensionOf(format)};
        window.imgButton_MouseUp(0, 1, 0, 0, 0);
    }

    // The direct runs read a staged copy and write staging names of their own.
    const QString direct = work.path() + "/direct";
    QDir().mkpath(direct);
    FileCopy::copyToNewFile(source, RunFiles::stagedInput(direct));

    std::printf("Five formats of a 10 s 320x240 FLV (defaults)\n");
    for (int round = 1; round <= Rounds; ++round) {
        platform.messages.clear();
        QElapsedTimer wall;
        wall.start();
        window.imgButton_MouseUp(2, 1, 0, 0, 0);
        const double program = secondsOf(wall);
        if (!platform.runCompleted())
            fail(qPrintable("the run did not complete: "
                            + (platform.messages.empty() ? QString() : platform.messages.back().text)));

        double ffmpeg = 0;
        QStringList each;
        for (OutputFormat format : Formats) {
            const CommandLine line =
                compose(format, piecesOf(*window.picSetting), platform.dataFolder(), direct);
            const double seconds = ffmpegDirect(line, direct);
            ffmpeg += seconds;
            each << QString("%1 %2").arg(extensionOf(format)).arg(seconds, 0, 'f', 3);
        }
        std::printf("  round %d: program %.3f s, ffmpeg directly %.3f s (%s), ratio %.3f\n", round, program,
                    ffmpeg, qPrintable(each.join(", ")), program / ffmpeg);
    }
    return 0;
}
