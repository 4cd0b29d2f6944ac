// The format test and the five transcoder command lines: the text shown and
// the program and arguments actually started.

#include "jobs/core/TranscoderCommandLine.h"

#include <gtest/gtest.h>

using namespace TranscoderCommandLine;

namespace {

const QString D = QStringLiteral("/home/u/.cache/morvane-converter/data");
const QString S = QStringLiteral("/home/u/.cache/morvane-converter/tmp");

SettingPieces defaults()
{
    SettingPieces t;
    t.fpsAvi = "25.0";
    t.sizeAvi = "320x240";
    t.fpsWmv = "25.0";
    t.sizeWmv = "320x240";
    t.sizeMov = "320x240";
    t.vbrMp4 = "512";
    t.fpsMp4 = "25.0";
    t.sizeMp4 = "480x480";
    t.vbr3gp = "120";
    t.fps3gp = "14.985";
    t.size3gp = "176x144";
    t.ab3gp = "4.75k";
    return t;
}

QString withFolders(QString line) { return line.replace("D/", D + "/").replace("S/", S + "/"); }

QStringList args(const QString &words) { return withFolders(words).split(' '); }

struct Example {
    OutputFormat format;
    const char *line;
    const char *program;
    const char *arguments;
    const char *stagedOutput;
};

const Example Examples[] = {
    {OutputFormat::Avi, "D/conv.exe -i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi", "D/conv.exe",
     "-i S/tmpFile.flv -r 25.0 -y -s 320x240 S/tmpFile.avi", "S/tmpFile.avi"},
    {OutputFormat::Wmv, "D/conv1.exe -i S/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 S/tmpFile.wmv",
     "D/conv1.exe", "-i S/tmpFile.flv -vcodec wmv2 -r 25.0 -y -s 320x240 S/tmpFile.wmv", "S/tmpFile.wmv"},
    {OutputFormat::Mov, "D/conv.exe -y -i S/tmpFile.flv -y  -s 320x240 S/tmpFile.mov", "D/conv.exe",
     "-y -i S/tmpFile.flv -y -s 320x240 S/tmpFile.mov", "S/tmpFile.mov"},
    {OutputFormat::Mp4, "D/conv.exe -i S/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 S/tmpFile.mp4",
     "D/conv.exe", "-i S/tmpFile.flv -b 512 -y -r 25.0 -s 480x480 S/tmpFile.mp4", "S/tmpFile.mp4"},
    {OutputFormat::ThreeGp,
     "D/conv.exe -i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 "
     "-ab 4.75k S/tmpFile.3gp",
     "D/conv.exe",
     "-i S/tmpFile.flv -b 120 -y -r 14.985 -s 176x144 -acodec libamr_nb -ar 8000 -ab 4.75k "
     "S/tmpFile.3gp",
     "S/tmpFile.3gp"},
};

} // namespace

TEST(CommandLine, WorkedExamplesWithTheDefaults)
{
    for (const Example &example : Examples) {
        const CommandLine line = compose(example.format, defaults(), D, S);
        SCOPED_TRACE(example.line);
        EXPECT_EQ(line.display, withFolders(example.line));
        EXPECT_EQ(line.program, withFolders(example.program));
        EXPECT_EQ(line.arguments, args(example.arguments));
        EXPECT_EQ(line.stagedInput, S + "/tmpFile.flv");
        EXPECT_EQ(line.stagedOutput, withFolders(example.stagedOutput));
    }
}

TEST(CommandLine, FormatTestTakesTheLastThreeCharactersInAnyCase)
{
    const struct {
        const char *path;
        std::optional<OutputFormat> format;
    } cases[] = {
        {"/v/clip.avi", OutputFormat::Avi},
        {"/v/clip.AVI", OutputFormat::Avi},
        {"/v/clip.Avi", OutputFormat::Avi},
        {"/v/clip.WmV", OutputFormat::Wmv},
        {"/v/clip.MOV", OutputFormat::Mov},
        {"/v/clip.mP4", OutputFormat::Mp4},
        {"/v/clip.3GP", OutputFormat::ThreeGp},
        {"/v/clipavi", OutputFormat::Avi},
        {"avi", OutputFormat::Avi},
        {"/v/clip.mpg", std::nullopt},
        {"/v/clip.flv", std::nullopt},
        {"/v/clip.mpeg", std::nullopt},
        {"/v/clip.avi ", std::nullopt},
        {"vi", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatOf(QString::fromUtf8(c.path)), c.format) << c.path;
}

TEST(CommandLine, UpperCaseExtensionStillNamesTheStagedOutputInLowerCase)
{
    const std::optional<OutputFormat> format = formatOf("/v/Clip.AVI");
    ASSERT_TRUE(format);
    const CommandLine line = compose(*format, defaults(), D, S);
    EXPECT_EQ(line.display, withFolders(Examples[0].line));
    EXPECT_EQ(line.stagedOutput, S + "/tmpFile.avi");
}

TEST(CommandLine, BlanksAroundASettingAreDropped)
{
    SettingPieces t = defaults();
    t.sizeAvi = "  640x480 ";
    t.ab3gp = " 12.2k\t";
    EXPECT_EQ(compose(OutputFormat::Avi, t, D, S).display,
              withFolders("D/conv.exe -i S/tmpFile.flv -r 25.0 -y -s 640x480 S/tmpFile.avi"));
    const CommandLine gp = compose(OutputFormat::ThreeGp, t, D, S);
    EXPECT_TRUE(gp.display.endsWith(" -ab 12.2k " + S + "/tmpFile.3gp")) << qPrintable(gp.display);
    EXPECT_EQ(gp.arguments.at(gp.arguments.size() - 2), "12.2k");
}

TEST(CommandLine, AnEmptySettingIsAnEmptyPieceAndAnEmptyArgument)
{
    SettingPieces t = defaults();
    t.fpsAvi = "";
    const CommandLine line = compose(OutputFormat::Avi, t, D, S);
    EXPECT_EQ(line.display, withFolders("D/conv.exe -i S/tmpFile.flv -r  -y -s 320x240 S/tmpFile.avi"));
    EXPECT_EQ(line.arguments,
              QStringList({"-i", S + "/tmpFile.flv", "-r", "", "-y", "-s", "320x240", S + "/tmpFile.avi"}));
}

TEST(CommandLine, ASettingWithBlanksInsideStaysOneArgument)
{
    SettingPieces t = defaults();
    t.sizeWmv = "320x240 /home/u/other.wmv";
    const CommandLine line = compose(OutputFormat::Wmv, t, D, S);
    EXPECT_EQ(line.arguments, QStringList({"-i", S + "/tmpFile.flv", "-vcodec", "wmv2", "-r", "25.0", "-y",
                                           "-s", "320x240 /home/u/other.wmv", S + "/tmpFile.wmv"}));
    EXPECT_EQ(line.arguments.last(), S + "/tmpFile.wmv") << "the staged output stays the last";
}

TEST(CommandLine, FoldersWithBlanksShowUnquotedButStartByExactPath)
{
    const QString data = "/home/u/cache dir/data";
    const QString staging = "/home/u/cache dir/tmp";
    const CommandLine line = compose(OutputFormat::Mp4, defaults(), data, staging);
    EXPECT_EQ(line.display, data + "/conv.exe -i " + staging
                                + "/tmpFile.flv -b 512 -y -r "
                                  "25.0 -s 480x480 "
                                + staging + "/tmpFile.mp4");
    EXPECT_EQ(line.program, data + "/conv.exe");
    EXPECT_EQ(line.arguments, QStringList({"-i", staging + "/tmpFile.flv", "-b", "512", "-y", "-r", "25.0",
                                           "-s", "480x480", staging + "/tmpFile.mp4"}));
    EXPECT_EQ(line.stagedOutput, staging + "/tmpFile.mp4");
}
