// The whole product: five FLV entries added through the window, converted
// by the real transcoder and ffmpeg, each output checked with ffprobe.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "platform/FileCopy.h"
#include "support/Missing.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Probe {
    QString formatName, brand;
    QString videoCodec, audioCodec;
    int width = 0, height = 0;
    double frameRate = 0;
    qint64 videoBitRate = 0;
    int sampleRate = 0, channels = 0;
};

double rational(const QString &text)
{
    const QStringList parts = text.split('/');
    if (parts.size() != 2 || parts[1].toDouble() == 0)
        return 0;
    return parts[0].toDouble() / parts[1].toDouble();
}

std::optional<Probe> probe(const QString &file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-show_entries",
                   "format=format_name,bit_rate:format_tags=major_brand:stream=codec_type,"
                   "codec_name,width,height,r_frame_rate,avg_frame_rate,bit_rate,sample_rate,"
                   "channels",
                   "-of", "json", file});
    if (!ffprobe.waitForFinished(60000) || ffprobe.exitCode() != 0)
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    Probe p;
    p.formatName = root["format"]["format_name"].toString();
    p.brand = root["format"]["tags"]["major_brand"].toString();
    for (const QJsonValue &value : root["streams"].toArray()) {
        const QJsonObject stream = value.toObject();
        if (stream["codec_type"] == "video") {
            p.videoCodec = stream["codec_name"].toString();
            p.width = stream["width"].toInt();
            p.height = stream["height"].toInt();
            p.frameRate = rational(stream["avg_frame_rate"].toString());
            if (p.frameRate == 0)
                p.frameRate = rational(stream["r_frame_rate"].toString());
            p.videoBitRate = stream["bit_rate"].toString().toLongLong();
        } else if (stream["codec_type"] == "audio") {
            p.audioCodec = stream["codec_name"].toString();
            p.sampleRate = stream["sample_rate"].toString().toInt();
            p.channels = stream["channels"].toInt();
        }
    }
    return p;
}

class EndToEnd : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;
    QTemporaryDir work;
    QString source;

    void SetUp() override
    {
        const QString build = QStringLiteral(MORVANE_BUILD_DIR);
        for (const char *name : {"conv.dll", "conv1.dll"}) {
            if (!QFile::exists(build + '/' + name))
                SKIP_OR_FAIL_MISSING("the transcoder " << name << " is not built in " << qPrintable(build));
        }
        for (const char *tool : {"ffmpeg", "ffprobe"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                SKIP_OR_FAIL_MISSING(tool << " is not installed (apt-get install ffmpeg)");
        }
        ASSERT_TRUE(window.Form_Load());
        for (const char *name : {"conv.dll", "conv1.dll"})
            ASSERT_TRUE(FileCopy::copyToNewFile(build + '/' + name, scripted.programFolder() + '/' + name));

        // Five seconds of moving picture and a tone, as a Flash video.
        source = work.path() + "/my clip.flv";
        QProcess ffmpeg;
        ffmpeg.setStandardInputFile(QProcess::nullDevice());
        ffmpeg.start("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i",
                                "testsrc=size=320x240:rate=25:duration=5", "-f", "lavfi", "-i",
                                "sine=frequency=440:sample_rate=44100:duration=5", "-c:v", "flv", "-c:a",
                                "libmp3lame", "-ar", "44100", source});
        ASSERT_TRUE(ffmpeg.waitForFinished(120000));
        ASSERT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().constData();
    }

    void add(const QString &output)
    {
        scripted.fileAnswers = {source, output};
        window.imgButton_MouseUp(0, 1, 0, 0, 0);
    }
};

TEST_F(EndToEnd, FiveFormatsFromOneFlvThroughTheWindow)
{
    // One setting off its default, to see the panel's texts reach the output.
    window.picSetting->cmbSizeAVI->setCurrentText("640x480");
    window.picSetting->cmbFPSAVI->setCurrentText("29.97");

    const QString out = work.path() + "/out put";
    ASSERT_TRUE(QDir().mkpath(out));
    for (const char *name : {"clip.AVI", "clip.wmv", "clip.mov", "clip.mp4", "clip.3gp"})
        add(out + '/' + name);
    ASSERT_EQ(window.LV->RowCount(), 5);

    window.imgButton_MouseUp(2, 1, 0, 0, 0);

    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, QStringLiteral("Converting Complete."))
        << qPrintable(scripted.messages[0].text);
    EXPECT_EQ(scripted.messages[0].title, QStringLiteral("OK"));

    const struct {
        const char *file;
        const char *format; // ffprobe's container name (part of it)
        const char *brand;  // the ISO file's brand, where there is one
        QStringList videoCodecs;
        const char *audioCodec;
        int width, height;
        double frameRate;
    } expected[] = {
        {"clip.AVI", "avi", "", {"mpeg4"}, nullptr, 640, 480, 29.97},
        {"clip.wmv", "asf", "", {"wmv2"}, "wmav2", 320, 240, 25.0},
        {"clip.mov", "mov", "qt", {"h264", "mpeg4"}, nullptr, 320, 240, 25.0},
        {"clip.mp4", "mp4", "isom", {"h264"}, "aac", 480, 480, 25.0},
        {"clip.3gp", "3gp", "3gp", {"h263", "mpeg4"}, "amr_nb", 176, 144, 14.985},
    };
    for (const auto &e : expected) {
        SCOPED_TRACE(e.file);
        const std::optional<Probe> p = probe(out + '/' + e.file);
        ASSERT_TRUE(p) << "ffprobe cannot read it";
        EXPECT_TRUE(p->formatName.contains(e.format)) << qPrintable(p->formatName);
        if (*e.brand) {
            EXPECT_TRUE(p->brand.startsWith(e.brand)) << qPrintable(p->brand);
        }
        EXPECT_TRUE(e.videoCodecs.contains(p->videoCodec)) << qPrintable(p->videoCodec);
        EXPECT_FALSE(p->audioCodec.isEmpty()) << "the tone must come through";
        if (e.audioCodec) {
            EXPECT_EQ(p->audioCodec, e.audioCodec);
        }
        EXPECT_EQ(p->width, e.width);
        EXPECT_EQ(p->height, e.height);
        EXPECT_NEAR(p->frameRate, e.frameRate, 0.01);
    }

    // 512 on the panel is kbit/s: far from the 512 bit/s a modern reading gives.
    const std::optional<Probe> mp4 = probe(out + "/clip.mp4");
    ASSERT_TRUE(mp4);
    EXPECT_GT(mp4->videoBitRate, 150000);
    EXPECT_LT(mp4->videoBitRate, 1500000);
    const std::optional<Probe> gp = probe(out + "/clip.3gp");
    ASSERT_TRUE(gp);
    EXPECT_EQ(gp->sampleRate, 8000);
    EXPECT_EQ(gp->channels, 1);

    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 5) << "nothing beside them";
    for (const char *name : {"data/conv.exe", "data/conv1.exe"})
        EXPECT_FALSE(QFile::exists(scripted.cacheFolder() + '/' + name));
    EXPECT_TRUE(QDir(scripted.stagingFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace
