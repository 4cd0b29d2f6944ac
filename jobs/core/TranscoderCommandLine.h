#pragma once
// The output format of an entry and the one transcoder command line that
// converts it. Widget-free: the settings come in as texts.

#include <QString>
#include <QStringList>

#include <optional>

namespace TranscoderCommandLine {

enum class OutputFormat { Avi, Wmv, Mov, Mp4, ThreeGp };

// The last three characters of the output path (the whole path when it is
// shorter), compared without regard to case; nothing when none matches.
std::optional<OutputFormat> formatOf(const QString &outputPath);

// "avi", "wmv", "mov", "mp4" or "3gp".
QString extensionOf(OutputFormat format);

// The settings texts the lines are made of; blanks around them do not count.
struct SettingPieces {
    QString fpsAvi, sizeAvi;
    QString fpsWmv, sizeWmv;
    QString sizeMov;
    QString vbrMp4, fpsMp4, sizeMp4;
    QString vbr3gp, fps3gp, size3gp, ab3gp;
};

struct CommandLine {
    QString display;       // the whole line as text, nothing quoted
    QString program;       // exact path of the transcoder copy to start
    QStringList arguments; // one per fixed word, exactly one per setting piece
    QString stagedInput;   // the file the line reads
    QString stagedOutput;  // the file the line names last
};

// The staged output a format's line names (the staged input: RunFiles).
QString stagedOutputPath(const QString &stagingFolder, OutputFormat format);

CommandLine compose(OutputFormat format, const SettingPieces &pieces, const QString &dataFolder,
                    const QString &stagingFolder);

} // namespace TranscoderCommandLine
