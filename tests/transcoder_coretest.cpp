// The transcoder stand-in: how the legacy lines' arguments become ffmpeg's,
// then real conversions through the built conv.dll and conv1.dll, and how
// it ends when told to: never before the tools it started.

#include "platform/ChildLifetime.h"
#include "platform/ProcessRunner.h"
#include "support/Missing.h"
#include "transcoder/TranscoderArguments.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <ostream>
#include <sys/prctl.h>
#include <sys/wait.h>

namespace TA = TranscoderArguments;

// Readable failure messages for Qt strings.
static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// The 3GP line with the settings' defaults, as the run composes it.
const char *const Default3gpLine =
    "-i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.75k S/tmpFile.3gp";

QStringList words(const QString &line) { return line.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

const QString S = QStringLiteral("/s");
const QStringList quiet = {"-nostdin", "-hide_banner", "-loglevel", "error"};

// ---- Translation -----------------------------------------------------------

struct LineCase {
    const char *name;
    QStringList legacy;
    QStringList expected; // after the quiet prefix
};

TEST(TranscoderArguments, TheFourDirectLinesBecomeTheseRuns)
{
    const std::vector<LineCase> cases = {
        {"avi", words("-i /s/tmpFile.flv -r 25.0 -y -s 320x240 /s/tmpFile.avi"),
         words("-i /s/tmpFile.flv -r 25.0 -y -s 320x240 /s/tmpFile.avi")},
        {"wmv", words("-i /s/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 /s/tmpFile.wmv"),
         words("-i /s/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 /s/tmpFile.wmv")},
        {"mov doubled -y kept", words("-y -i /s/tmpFile.flv -y -s 320x240 /s/tmpFile.mov"),
         words("-y -i /s/tmpFile.flv -y -s 320x240 /s/tmpFile.mov")},
        {"mp4 kbit/s", words("-i /s/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 /s/tmpFile.mp4"),
         words("-i /s/tmpFile.flv -b:v 512k -y -r 25.0 -s 480x480 /s/tmpFile.mp4")},
        {"3gp with other audio", words("-i /s/in.flv -b 120 -y -r 14.985 -s 320x240 -acodec aac /s/out.3gp"),
         words("-i /s/in.flv -b:v 120k -y -r 14.985 -s 320x240 -acodec aac -vcodec mpeg4 /s/out.3gp")},
    };
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TA::Plan plan = TA::translate(c.legacy);
        EXPECT_TRUE(plan.error.isEmpty()) << plan.error.toStdString();
        EXPECT_FALSE(plan.amrAudio);
        EXPECT_EQ(plan.ffmpegArguments, quiet + c.expected);
        EXPECT_EQ(plan.ffmpegArguments.count("-y"), c.legacy.count("-y"));
        EXPECT_EQ(plan.output, c.legacy.last());
    }
}

TEST(TranscoderArguments, The3gpLineEncodesItsOwnAmrAudio)
{
    const TA::Plan plan = TA::translate(
        words("-i /s/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.75k "
              "/s/tmpFile.3gp"));
    ASSERT_TRUE(plan.error.isEmpty()) << plan.error.toStdString();
    EXPECT_TRUE(plan.amrAudio);
    EXPECT_EQ(plan.amrMode, 0);
    EXPECT_EQ(plan.amrSampleRate, 8000);
    EXPECT_EQ(plan.input, "/s/tmpFile.flv");
    EXPECT_EQ(TA::audioDecodeArguments(plan, "/t/a.raw"),
              quiet
                  + words("-y -i /s/tmpFile.flv -map 0:a:0? -vn -ac 1 -ar 8000 -c:a pcm_s16le "
                          "-f s16le /t/a.raw"));
    EXPECT_EQ(TA::streamProbeArguments(plan),
              words("-v error -show_entries stream=codec_type -of csv=p=0 /s/tmpFile.flv"));
    EXPECT_EQ(TA::videoArguments(plan, "/t/video.3gp"),
              quiet
                  + words("-i /s/tmpFile.flv -b:v 120k -y -r 14.985 -s 176x144 -map 0:v:0? -an "
                          "/t/video.3gp"));
    // The parts are joined as they are: nothing is encoded again.
    EXPECT_EQ(TA::muxArguments(plan, "/t/video.3gp", "/t/a.amr"),
              quiet + words("-y -i /t/video.3gp -i /t/a.amr -map 0 -map 1 -c copy /s/tmpFile.3gp"));
    EXPECT_EQ(TA::muxArguments(plan, "/t/video.3gp", QString()),
              quiet + words("-y -i /t/video.3gp -map 0 -c copy /s/tmpFile.3gp"));
    EXPECT_EQ(TA::muxArguments(plan, QString(), "/t/a.amr"),
              quiet + words("-y -i /t/a.amr -map 0 -c copy /s/tmpFile.3gp"));
}

TEST(TranscoderArguments, The3gpJoinKeepsTheLinesOverwriteAndOutputFormat)
{
    // Without -y an existing output is refused; the output's -f is the join's,
    // an -f before the input is the input's.
    const TA::Plan plain = TA::translate(words("-f flv -i /s/in.flv -acodec libamr_nb -f 3gp /s/out.bin"));
    ASSERT_TRUE(plain.error.isEmpty()) << plain.error.toStdString();
    EXPECT_EQ(TA::muxArguments(plain, "/t/video.bin", "/t/a.amr"),
              quiet + words("-i /t/video.bin -i /t/a.amr -map 0 -map 1 -c copy -f 3gp /s/out.bin"));
    EXPECT_EQ(TA::videoArguments(plain, "/t/video.bin"),
              quiet + words("-f flv -i /s/in.flv -f 3gp -map 0:v:0? -an /t/video.bin"));
}

TEST(TranscoderArguments, VideoBitRateGetsItsUnit)
{
    struct Case {
        QString given;
        QString passed; // empty: refused
    };
    const std::vector<Case> cases = {
        {"512", "512k"}, {"40", "40k"},    {"1.5", "1.5k"}, {"512k", "512k"},
        {"2M", "2M"},    {"800K", "800K"}, {"", ""},        {" ", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        const TA::Plan plan = TA::translate({"-i", "in.flv", "-b", c.given, "-y", "out.mp4"});
        if (c.passed.isEmpty()) {
            EXPECT_TRUE(plan.ffmpegArguments.isEmpty());
            EXPECT_TRUE(plan.error.startsWith("conv: ")) << plan.error.toStdString();
            EXPECT_TRUE(plan.error.contains("-b")) << plan.error.toStdString();
            EXPECT_FALSE(plan.error.contains('\n'));
        } else {
            EXPECT_TRUE(plan.error.isEmpty()) << plan.error.toStdString();
            const qsizetype at = plan.ffmpegArguments.indexOf("-b:v");
            ASSERT_GE(at, 0);
            EXPECT_EQ(plan.ffmpegArguments.value(at + 1), c.passed);
            EXPECT_FALSE(plan.ffmpegArguments.contains("-b"));
        }
    }
}

TEST(TranscoderArguments, ThreeGpVideoCodecFollowsTheFrameSize)
{
    const QStringList h263 = {"128x96", "176x144", "352x288", "704x576", "1408x1152", "qcif"};
    const QStringList others = {"160x120", "320x180", "320x240", "640x272", "480x480",
                                "640x360", "640x480", "720x306", "720x320", "176x145"};
    auto codecFor = [](const QString &size, const QString &output, bool amr) {
        QStringList legacy = {"-i", "in.flv", "-b", "120", "-y", "-r", "14.985", "-s", size};
        if (amr)
            legacy << "-acodec"
                   << "libamr_nb"
                   << "-ar"
                   << "8000"
                   << "-ab"
                   << "4.75k";
        legacy << output;
        const TA::Plan plan = TA::translate(legacy);
        EXPECT_TRUE(plan.error.isEmpty()) << plan.error.toStdString();
        const QStringList run = amr ? TA::videoArguments(plan, "video.3gp") : plan.ffmpegArguments;
        const qsizetype at = run.indexOf("-vcodec");
        return at < 0 ? QString() : run.value(at + 1);
    };
    for (bool amr : {true, false}) {
        for (const QString &size : h263) {
            SCOPED_TRACE(size.toStdString());
            EXPECT_EQ(codecFor(size, "out.3gp", amr), QString());
        }
        for (const QString &size : others) {
            SCOPED_TRACE(size.toStdString());
            EXPECT_EQ(codecFor(size, "out.3gp", amr), "mpeg4");
            EXPECT_EQ(codecFor(size, "OUT.3GP", amr), "mpeg4");
            EXPECT_EQ(codecFor(size, "out.mp4", amr), QString());
        }
    }
    // A codec the line names itself is left alone.
    const TA::Plan named = TA::translate(words("-i in.flv -s 320x240 -vcodec h264 out.3gp"));
    EXPECT_EQ(named.ffmpegArguments.count("-vcodec"), 1);
    EXPECT_EQ(named.ffmpegArguments.value(named.ffmpegArguments.indexOf("-vcodec") + 1), "h264");
}

TEST(TranscoderArguments, AmrModesAreTheEightRatesAndNothingElse)
{
    const std::vector<std::pair<QString, int>> known = {{"4.75k", 0}, {"5.15k", 1}, {"5.9k", 2},
                                                        {"6.7k", 3},  {"7.4k", 4},  {"7.95k", 5},
                                                        {"10.2k", 6}, {"12.2k", 7}, {"12.2K", 7}};
    for (const auto &[rate, mode] : known) {
        SCOPED_TRACE(rate.toStdString());
        EXPECT_EQ(TA::amrModeFor(rate), mode);
        const TA::Plan plan =
            TA::translate({"-i", "in.flv", "-acodec", "libamr_nb", "-ar", "8000", "-ab", rate, "out.3gp"});
        EXPECT_TRUE(plan.error.isEmpty());
        EXPECT_EQ(plan.amrMode, mode);
    }
    for (const QString rate : {"4.7k", "12.2", "4750", "13k", "5.9 k", "abc"}) {
        SCOPED_TRACE(rate.toStdString());
        EXPECT_EQ(TA::amrModeFor(rate), -1);
        const TA::Plan plan =
            TA::translate({"-i", "in.flv", "-acodec", "libamr_nb", "-ar", "8000", "-ab", rate, "out.3gp"});
        EXPECT_TRUE(plan.error.startsWith("conv: AMR-NB has no bit rate \"" + rate + "\""))
            << plan.error.toStdString();
        EXPECT_FALSE(plan.error.contains('\n'));
    }
}

TEST(TranscoderArguments, ArgumentsThatCannotRunAreRefusedWithOneLine)
{
    const std::vector<std::pair<const char *, QStringList>> cases = {
        {"empty frame rate", {"-i", "in.flv", "-r", "", "-y", "-s", "320x240", "out.avi"}},
        {"empty frame size", {"-i", "in.flv", "-r", "25.0", "-y", "-s", "", "out.avi"}},
        {"empty input", {"-i", "", "-y", "out.avi"}},
        {"empty word between options", {"-y", "-i", "in.flv", "-y", "", "-s", "320x240", "out.mov"}},
        {"empty output", {"-i", "in.flv", "-y", ""}},
        {"option without value", {"-i", "in.flv", "-y", "-s"}},
        {"no input", {"-y", "-s", "320x240", "out.avi"}},
        {"second output", {"-i", "in.flv", "extra.avi", "-y", "out.avi"}},
        {"AMR at 16 kHz", {"-i", "in.flv", "-acodec", "libamr_nb", "-ar", "16000", "out.3gp"}},
        {"nothing", {}},
    };
    for (const auto &[name, legacy] : cases) {
        SCOPED_TRACE(name);
        const TA::Plan plan = TA::translate(legacy);
        EXPECT_TRUE(plan.error.startsWith("conv: ")) << plan.error.toStdString();
        EXPECT_FALSE(plan.error.contains('\n'));
        EXPECT_TRUE(plan.ffmpegArguments.isEmpty());
    }
}

TEST(TranscoderArguments, ASettingWithBlanksStaysOneArgument)
{
    const TA::Plan plan =
        TA::translate({"-i", "/my clips/in.flv", "-r", "25.0", "-y", "-s", "320x240 x.avi", "/o/out.avi"});
    ASSERT_TRUE(plan.error.isEmpty());
    const QStringList expected = quiet + QStringList{"-i", "/my clips/in.flv", "-r",        "25.0", "-y",
                                                     "-s", "320x240 x.avi",    "/o/out.avi"};
    EXPECT_EQ(plan.ffmpegArguments, expected);
}

// ---- Real runs -------------------------------------------------------------

struct ToolRun {
    int exitCode = -1;
    bool normalExit = false;
    QStringList errorLines; // non-empty stderr lines
};

QString converter(const char *name) { return QStringLiteral(MORVANE_BUILD_DIR "/") + QLatin1String(name); }

ToolRun runProgram(const QString &program, const QStringList &arguments,
                   const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(-1) || !process.waitForFinished(120000))
        return run;
    run.normalExit = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.errorLines =
        QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

bool makeFlv(const QString &path, bool withAudio)
{
    QStringList arguments = {"-nostdin", "-hide_banner", "-loglevel",
                             "error",    "-y",           "-f",
                             "lavfi",    "-i",           "testsrc=size=320x240:rate=25"};
    if (withAudio)
        arguments << "-f"
                  << "lavfi"
                  << "-i"
                  << "sine=frequency=440:sample_rate=44100";
    arguments << "-t"
              << "2"
              << "-c:v"
              << "flv1";
    if (withAudio)
        arguments << "-c:a"
                  << "libmp3lame";
    arguments << path;
    const ToolRun run = runProgram("ffmpeg", arguments);
    return run.normalExit && run.exitCode == 0 && QFileInfo(path).size() > 0;
}

bool makeSoundOnlyFlv(const QString &path)
{
    const ToolRun run =
        runProgram("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                              "sine=frequency=440:sample_rate=44100", "-t", "2", "-c:a", "libmp3lame", path});
    return run.normalExit && run.exitCode == 0 && QFileInfo(path).size() > 0;
}

struct Probe {
    QJsonObject format;
    QJsonObject video;
    QJsonObject audio;
    int audioStreams = 0;
};

Probe probe(const QString &path)
{
    QProcess process;
    process.start("ffprobe", {"-v", "error", "-show_entries",
                              "format=format_name:format_tags=major_brand:stream=codec_type,"
                              "codec_name,width,height,r_frame_rate,sample_rate,channels",
                              "-of", "json", path});
    process.waitForFinished(60000);
    const QJsonObject top = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    Probe result;
    result.format = top.value("format").toObject();
    for (const QJsonValue &value : top.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        if (stream.value("codec_type") == "video") {
            result.video = stream;
        } else if (stream.value("codec_type") == "audio") {
            result.audio = stream;
            ++result.audioStreams;
        }
    }
    return result;
}

class TranscoderRun : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        haveFfmpeg_ = !QStandardPaths::findExecutable("ffmpeg").isEmpty()
                      && !QStandardPaths::findExecutable("ffprobe").isEmpty();
        if (!haveFfmpeg_)
            return;
        fixtures_ = new QTemporaryDir;
        madeFixtures_ = makeFlv(fixtures_->filePath("clip.flv"), true)
                        && makeFlv(fixtures_->filePath("silent.flv"), false)
                        && makeSoundOnlyFlv(fixtures_->filePath("sound.flv"));
    }
    static void TearDownTestSuite()
    {
        delete fixtures_;
        fixtures_ = nullptr;
    }

    void SetUp() override
    {
        if (!haveFfmpeg_)
            SKIP_OR_FAIL_MISSING("ffmpeg is not installed");
        ASSERT_TRUE(madeFixtures_) << "ffmpeg could not make the test clips";
        ASSERT_TRUE(QFileInfo(converter("conv.dll")).isExecutable());
        ASSERT_TRUE(QFileInfo(converter("conv1.dll")).isExecutable());
        ASSERT_TRUE(QDir().mkpath(staging_.filePath("tmp")));
        ASSERT_TRUE(QDir().mkpath(staging_.filePath("scratch")));
        environment_ = QProcessEnvironment::systemEnvironment();
        // Our intermediate files land here, where the test can look for leftovers.
        environment_.insert("TMPDIR", scratch());
    }

    QString stage(const char *fixture)
    {
        const QString path = staging_.filePath("tmp/tmpFile.flv");
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(fixtures_->filePath(fixture), path));
        return path;
    }
    QString s() const { return staging_.filePath("tmp"); }
    QString scratch() const { return staging_.filePath("scratch"); }
    QStringList leftovers() const
    {
        return QDir(scratch()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QStringList line(const QString &text) const { return words(QString(text).replace("S", s())); }

    QTemporaryDir staging_;
    QProcessEnvironment environment_;
    static inline QTemporaryDir *fixtures_ = nullptr;
    static inline bool haveFfmpeg_ = false;
    static inline bool madeFixtures_ = false;
};

TEST_F(TranscoderRun, EachFormatComesOutAsTheLineAsks)
{
    struct Case {
        const char *program;
        QString line;
        QString output;
        QString container; // format_name, or the major brand for the ISO family
        QString videoCodec;
        int width, height;
        QString frameRate;
        QString audioCodec;
    };
    const std::vector<Case> cases = {
        {"conv.dll", "-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi", "tmpFile.avi", "avi", "mpeg4",
         320, 240, "25/1", ""},
        {"conv1.dll", "-i S/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 S/tmpFile.wmv", "tmpFile.wmv",
         "asf", "wmv2", 320, 240, "25/1", ""},
        {"conv.dll", "-y -i S/tmpFile.flv -y -s 320x240 S/tmpFile.mov", "tmpFile.mov", "qt", "h264", 320, 240,
         "25/1", ""},
        {"conv.dll", "-i S/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 S/tmpFile.mp4", "tmpFile.mp4", "isom",
         "h264", 480, 480, "25/1", ""},
        {"conv.dll", Default3gpLine, "tmpFile.3gp", "3gp", "h263", 176, 144, "2997/200", "amr_nb"},
        {"conv.dll",
         "-i S/tmpFile.flv -b 120 -y -r 29.97 -s 320x240 -acodec libamr_nb -ar 8000 -ab 12.2k "
         "S/tmpFile.3gp",
         "tmpFile.3gp", "3gp", "mpeg4", 320, 240, "2997/100", "amr_nb"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        stage("clip.flv");
        const QString output = s() + "/" + c.output;
        const ToolRun run = runProgram(converter(c.program), line(c.line), environment_);
        EXPECT_TRUE(run.normalExit);
        EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
        EXPECT_TRUE(run.errorLines.isEmpty()) << run.errorLines.join('\n').toStdString();
        const Probe got = probe(output);
        const QString container =
            got.format.value("format_name").toString() == "avi"
                    || got.format.value("format_name").toString() == "asf"
                ? got.format.value("format_name").toString()
                : got.format.value("tags").toObject().value("major_brand").toString().trimmed();
        EXPECT_TRUE(container.startsWith(c.container)) << container.toStdString();
        EXPECT_EQ(got.video.value("codec_name").toString(), c.videoCodec);
        EXPECT_EQ(got.video.value("width").toInt(), c.width);
        EXPECT_EQ(got.video.value("height").toInt(), c.height);
        EXPECT_EQ(got.video.value("r_frame_rate").toString(), c.frameRate);
        EXPECT_EQ(got.audioStreams, 1);
        if (!c.audioCodec.isEmpty()) {
            EXPECT_EQ(got.audio.value("codec_name").toString(), c.audioCodec);
            EXPECT_EQ(got.audio.value("sample_rate").toString(), "8000");
            EXPECT_EQ(got.audio.value("channels").toInt(), 1);
        }
        EXPECT_EQ(leftovers(), QStringList());
    }
}

TEST_F(TranscoderRun, ASilentClipGivesA3gpWithoutSound)
{
    stage("silent.flv");
    const ToolRun run = runProgram(converter("conv.dll"), line(Default3gpLine), environment_);
    EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
    const Probe got = probe(s() + "/tmpFile.3gp");
    EXPECT_EQ(got.video.value("codec_name").toString(), "h263");
    EXPECT_EQ(got.audioStreams, 0);
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(TranscoderRun, SoundAloneGivesA3gpWithSoundAlone)
{
    stage("sound.flv");
    const ToolRun run = runProgram(converter("conv.dll"), line(Default3gpLine), environment_);
    EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
    // The video run found nothing to do; its complaint is not passed on.
    EXPECT_TRUE(run.errorLines.isEmpty()) << run.errorLines.join('\n').toStdString();
    const Probe got = probe(s() + "/tmpFile.3gp");
    EXPECT_TRUE(got.video.isEmpty());
    EXPECT_EQ(got.audioStreams, 1);
    EXPECT_EQ(got.audio.value("codec_name").toString(), "amr_nb");
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(TranscoderRun, A3gpThatCannotBeMadeSaysWhyAndKeepsWhatWasThere)
{
    struct Case {
        const char *name;
        QString line;
        bool outputExists; // a file is at the output path before the run
        QString reason;    // in the last line
    };
    const std::vector<Case> cases = {
        {"video refused after the sound is done",
         "-i S/tmpFile.flv -b 120 -y -r 14.985 -s 320x240 -vcodec h263 -acodec libamr_nb -ar 8000 "
         "-ab 4.75k S/tmpFile.3gp",
         false, "Error"},
        {"no -y and the output exists",
         "-i S/tmpFile.flv -b 120 -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.75k "
         "S/tmpFile.3gp",
         true, "already exists"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        stage("clip.flv");
        const QString output = s() + "/tmpFile.3gp";
        QFile::remove(output);
        if (c.outputExists) {
            QFile earlier(output);
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
            earlier.write("kept");
        }
        const ToolRun run = runProgram(converter("conv.dll"), line(c.line), environment_);
        EXPECT_TRUE(run.normalExit);
        EXPECT_NE(run.exitCode, 0);
        ASSERT_FALSE(run.errorLines.isEmpty());
        EXPECT_EQ(run.errorLines.filter(QRegularExpression("^conv: ")).size(), 1)
            << run.errorLines.join('\n').toStdString();
        EXPECT_TRUE(run.errorLines.last().startsWith("conv: ")) << run.errorLines.last().toStdString();
        EXPECT_TRUE(run.errorLines.last().contains(c.reason)) << run.errorLines.last().toStdString();
        if (c.outputExists) {
            QFile earlier(output);
            ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
            EXPECT_EQ(earlier.readAll(), "kept");
        } else {
            EXPECT_FALSE(QFileInfo::exists(output));
        }
        EXPECT_EQ(leftovers(), QStringList());
    }
}

TEST_F(TranscoderRun, EndedMidwayItLeavesNoIntermediateFiles)
{
    // Long enough that the AMR steps are still running when the folder shows.
    const QString input = s() + "/tmpFile.flv";
    const ToolRun made =
        runProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                              "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i", "sine=sample_rate=44100",
                              "-t", "90", "-c:v", "flv1", "-c:a", "libmp3lame", input});
    ASSERT_EQ(made.exitCode, 0);
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(converter("conv.dll"),
                  line("-i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 "
                       "-ab 4.75k S/tmpFile.3gp"));
    ASSERT_TRUE(process.waitForStarted());
    while (leftovers().isEmpty() && process.state() == QProcess::Running)
        QThread::msleep(2);
    ASSERT_EQ(process.state(), QProcess::Running) << "finished before it could be ended";
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(TranscoderRun, ADamagedInputFailsAndLeavesNoOutput)
{
    const std::vector<std::pair<QString, QString>> lines = {
        {"-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi", "tmpFile.avi"},
        {"-i S/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 S/tmpFile.mp4", "tmpFile.mp4"},
        {Default3gpLine, "tmpFile.3gp"},
    };
    QStringList reasons;
    for (const auto &[text, name] : lines) {
        SCOPED_TRACE(text.toStdString());
        const QString input = s() + "/tmpFile.flv";
        QFile damaged(input);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, '\x5a'));
        damaged.close();
        // An earlier result at the output path must not pass for this one.
        const QString output = s() + "/" + name;
        QFile stale(output);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write("an earlier result");
        stale.close();

        const ToolRun run = runProgram(converter("conv.dll"), line(text), environment_);
        EXPECT_TRUE(run.normalExit);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_FALSE(QFileInfo::exists(output));
        ASSERT_FALSE(run.errorLines.isEmpty());
        EXPECT_TRUE(run.errorLines.last().startsWith("conv: ")) << run.errorLines.last().toStdString();
        EXPECT_TRUE(run.errorLines.last().contains("Invalid data")) << run.errorLines.last().toStdString();
        // Steps run side by side report one failure, not one each.
        EXPECT_EQ(run.errorLines.filter(QRegularExpression("^conv: ")).size(), 1)
            << run.errorLines.join('\n').toStdString();
        EXPECT_EQ(leftovers(), QStringList());
        reasons << run.errorLines.last();
    }
    // An input it cannot read is told the same way whatever the format.
    reasons.removeDuplicates();
    EXPECT_EQ(reasons.size(), 1) << reasons.join('\n').toStdString();
}

TEST_F(TranscoderRun, WithoutFfmpegOneLineAndFailure)
{
    stage("clip.flv");
    QTemporaryDir emptyBin;
    QProcessEnvironment environment = environment_;
    environment.insert("PATH", emptyBin.path());
    const QString output = s() + "/tmpFile.avi";
    const ToolRun run = runProgram(converter("conv.dll"),
                                   line("-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi"), environment);
    EXPECT_TRUE(run.normalExit);
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.errorLines.size(), 1) << run.errorLines.join('\n').toStdString();
    EXPECT_TRUE(run.errorLines.first().contains("ffmpeg is not installed"));
    EXPECT_FALSE(QFileInfo::exists(output));
}

TEST_F(TranscoderRun, AnFfmpegSuccessWithoutOutputIsAFailure)
{
    stage("clip.flv");
    // The null muxer ends well and writes no file.
    const ToolRun run =
        runProgram(converter("conv.dll"), line("-i S/tmpFile.flv -y -f null S/tmpFile.avi"), environment_);
    EXPECT_TRUE(run.normalExit);
    EXPECT_NE(run.exitCode, 0);
    ASSERT_FALSE(run.errorLines.isEmpty());
    EXPECT_TRUE(run.errorLines.last().startsWith("conv: ffmpeg wrote no output"))
        << run.errorLines.last().toStdString();
}

TEST_F(TranscoderRun, RefusedArgumentsStartNothing)
{
    stage("clip.flv");
    const std::vector<QStringList> lines = {
        line("-i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.7k "
             "S/tmpFile.3gp"),
        {"-i", s() + "/tmpFile.flv", "-r", "", "-y", "-s", "320x240", s() + "/tmpFile.3gp"},
    };
    for (const QStringList &arguments : lines) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun run = runProgram(converter("conv.dll"), arguments, environment_);
        EXPECT_TRUE(run.normalExit);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(run.errorLines.size(), 1) << run.errorLines.join('\n').toStdString();
        EXPECT_FALSE(QFileInfo::exists(s() + "/tmpFile.3gp"));
    }
}

// ---- Ending ----------------------------------------------------------------

// The processes pid has started and not yet reaped.
QList<pid_t> childrenOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    QList<pid_t> children;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &word : file.readAll().split(' ')) {
            if (!word.trimmed().isEmpty())
                children << pid_t(word.trimmed().toInt());
        }
    }
    return children;
}

// No such process at all: a zombie still answers kill(pid, 0).
bool gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

bool goneWithin(pid_t pid, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!gone(pid) && clock.elapsed() < ms) {
        // Orphans come to us (the subreaper); reap them as the system would.
        ::waitpid(pid, nullptr, WNOHANG);
        QThread::msleep(10);
    }
    return gone(pid);
}

// Whatever a failed case left running.
void killAndReap(const QList<pid_t> &pids)
{
    for (pid_t pid : pids) {
        if (!gone(pid)) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
}

class TranscoderEnding : public TranscoderRun {
protected:
    void SetUp() override
    {
        TranscoderRun::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // An orphan re-parented to the system's init would vanish from view
        // (or linger for ever as a zombie here): make it ours instead.
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        // Long enough that every tool is still at work when the signal comes.
        const ToolRun made = runProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi",
                                                   "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i",
                                                   "sine=sample_rate=44100", "-t", "90", "-c:v", "flv1",
                                                   "-c:a", "libmp3lame", s() + "/tmpFile.flv"});
        ASSERT_EQ(made.exitCode, 0);
    }

    // A PATH whose ffmpeg ignores SIGTERM and works for a minute.
    QProcessEnvironment withStubbornFfmpeg()
    {
        const QString bin = staging_.filePath("bin");
        EXPECT_TRUE(QDir().mkpath(bin));
        QFile script(bin + "/ffmpeg");
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntrap '' TERM INT HUP\nexec sleep 60\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = environment_;
        environment.insert("PATH", bin + ":" + environment.value("PATH"));
        return environment;
    }

    // The tools pid runs, once at least `count` of them are at work.
    QList<pid_t> toolsOnceRunning(qint64 pid, int count, bool withScratch)
    {
        QElapsedTimer clock;
        clock.start();
        QList<pid_t> tools;
        while (clock.elapsed() < 20000) {
            tools = childrenOf(pid);
            if (tools.size() >= count && (!withScratch || !leftovers().isEmpty()))
                break;
            QThread::msleep(5);
        }
        // Past their own start, into the work.
        QThread::msleep(200);
        for (pid_t tool : childrenOf(pid)) {
            if (!tools.contains(tool))
                tools << tool;
        }
        return tools;
    }
};

TEST_F(TranscoderEnding, AnEndingSignalEndsItsToolsBeforeItEnds)
{
    struct Case {
        const char *name;
        QString line;
        int signal;
        int tools;    // running side by side once it is at work
        bool scratch; // intermediate files by then
    };
    const QString amr = "-i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 "
                        "-ab 4.75k S/tmpFile.3gp";
    const std::vector<Case> cases = {
        {"avi, one ffmpeg", "-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi", SIGTERM, 1, false},
        {"mp4, slow to finish its file", "-i S/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 S/tmpFile.mp4",
         SIGINT, 1, false},
        {"3gp with AMR, tools side by side", amr, SIGTERM, 2, true},
        {"3gp with AMR, hang-up", amr, SIGHUP, 2, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QProcess conv;
        conv.setProcessEnvironment(environment_);
        conv.setStandardInputFile(QProcess::nullDevice());
        conv.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        conv.start(converter("conv.dll"), line(c.line));
        ASSERT_TRUE(conv.waitForStarted());
        const QList<pid_t> tools = toolsOnceRunning(conv.processId(), c.tools, c.scratch);
        ASSERT_EQ(conv.state(), QProcess::Running) << "finished before it could be ended";
        ASSERT_GE(tools.size(), c.tools);

        ::kill(pid_t(conv.processId()), c.signal);
        ASSERT_TRUE(conv.waitForFinished(30000));

        EXPECT_EQ(conv.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(conv.exitCode(), c.signal) << "it ends by the signal it was sent";
        for (pid_t tool : tools)
            EXPECT_TRUE(gone(tool)) << "tool " << tool << " outlived the transcoder";
        EXPECT_EQ(leftovers(), QStringList());
        killAndReap(tools);
    }
}

TEST_F(TranscoderEnding, StoppedByTheProgramItEndsWithinTheProgramsGraceToolsAndAll)
{
    // The tool ignores SIGTERM: the stand-in must kill it and still end
    // before the program would kill the stand-in, or the tool runs on alone.
    // The program's runner passes on our own environment.
    const QProcessEnvironment stubborn = withStubbornFfmpeg();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", stubborn.value("PATH").toLocal8Bit());
    std::unique_ptr<ChildProcess> conv = ProcessRunner::start(
        converter("conv.dll"), line("-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi"));
    qputenv("PATH", path);
    ASSERT_TRUE(conv);
    QElapsedTimer clock;
    clock.start();
    QList<pid_t> tools;
    while (tools.isEmpty() && clock.elapsed() < 10000) {
        // The runner does not say its child's pid: find the stand-in by its tool.
        for (pid_t child : childrenOf(::getpid()))
            tools << childrenOf(child);
        QThread::msleep(5);
    }
    ASSERT_EQ(tools.size(), 1);
    QThread::msleep(200);

    clock.restart();
    conv->stop();
    const ProcessOutcome outcome = conv->wait();
    const qint64 took = clock.elapsed();

    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.exitedNormally) << "ended by SIGTERM, not by the program's SIGKILL";
    EXPECT_EQ(outcome.exitCode, SIGTERM);
    EXPECT_LT(took, ChildLifetime::stopGraceMs);
    EXPECT_TRUE(gone(tools[0])) << "the tool outlived the transcoder";
    killAndReap(tools);
}

TEST_F(TranscoderEnding, AKilledProgramStillTakesTheToolsWithIt)
{
    // The program gets no say: the kernel ends the stand-in, which still
    // stops its tool and waits for it before it goes.
    QProcess program;
    program.setProcessEnvironment(withStubbornFfmpeg());
    program.start(MORVANE_TEST_TOOLS_DIR "/hold_child",
                  QStringList{converter("conv.dll")}
                      + line("-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi"));
    ASSERT_TRUE(program.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    QList<pid_t> convs;
    QList<pid_t> tools;
    while (tools.isEmpty() && clock.elapsed() < 10000) {
        convs = childrenOf(program.processId());
        for (pid_t conv : convs)
            tools << childrenOf(conv);
        QThread::msleep(5);
    }
    ASSERT_EQ(convs.size(), 1);
    ASSERT_EQ(tools.size(), 1);
    QThread::msleep(200);

    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));

    EXPECT_TRUE(goneWithin(tools[0], ChildLifetime::stopGraceMs + 2000));
    EXPECT_TRUE(goneWithin(convs[0], 2000));
    killAndReap(convs + tools);
}

} // namespace
