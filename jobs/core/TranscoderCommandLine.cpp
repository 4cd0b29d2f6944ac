#include "jobs/core/TranscoderCommandLine.h"

#include "jobs/core/RunFiles.h"

#include <vector>

namespace TranscoderCommandLine {

namespace {

// One piece of a line. Fixed words are split at blanks into arguments; a
// setting or a path is always exactly one argument, whatever it holds.
struct Piece {
    enum class Kind { Program, Fixed, Setting, Path } kind;
    QString text;
};

Piece program(const QString &path) { return {Piece::Kind::Program, path}; }
Piece fixed(const char *words) { return {Piece::Kind::Fixed, QString::fromLatin1(words)}; }
Piece setting(const QString &text) { return {Piece::Kind::Setting, text.trimmed()}; }
Piece path(const QString &text) { return {Piece::Kind::Path, text}; }

CommandLine assemble(const std::vector<Piece> &pieces)
{
    CommandLine line;
    for (const Piece &piece : pieces) {
        line.display += piece.text;
        switch (piece.kind) {
        case Piece::Kind::Program: line.program = piece.text; break;
        case Piece::Kind::Fixed:
            line.arguments += piece.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            break;
        case Piece::Kind::Setting:
        case Piece::Kind::Path: line.arguments += piece.text; break;
        }
    }
    return line;
}

} // namespace

std::optional<OutputFormat> formatOf(const QString &outputPath)
{
    const QString tail = outputPath.right(3).toUpper();
    for (OutputFormat format : {OutputFormat::Avi, OutputFormat::Wmv, OutputFormat::Mov, OutputFormat::Mp4,
                                OutputFormat::ThreeGp}) {
        if (tail == extensionOf(format).toUpper())
            return format;
    }
    return std::nullopt;
}

QString extensionOf(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Avi: return QStringLiteral("avi");
    case OutputFormat::Wmv: return QStringLiteral("wmv");
    case OutputFormat::Mov: return QStringLiteral("mov");
    case OutputFormat::Mp4: return QStringLiteral("mp4");
    case OutputFormat::ThreeGp: return QStringLiteral("3gp");
    }
    return QString();
}

QString stagedOutputPath(const QString &stagingFolder, OutputFormat format)
{
    return RunFiles::stagedOutput(stagingFolder, extensionOf(format));
}

CommandLine compose(OutputFormat format, const SettingPieces &t, const QString &dataFolder,
                    const QString &stagingFolder)
{
    const QString conv = RunFiles::transcoderCopy(dataFolder, 0);
    const QString conv1 = RunFiles::transcoderCopy(dataFolder, 1);
    const Piece input = path(RunFiles::stagedInput(stagingFolder));
    const Piece output = path(stagedOutputPath(stagingFolder, format));

    std::vector<Piece> pieces;
    switch (format) {
    case OutputFormat::Avi:
        pieces = {program(conv),    fixed(" -i "),      input,      fixed(" -r "), setting(t.fpsAvi),
                  fixed(" -y -s "), setting(t.sizeAvi), fixed(" "), output};
        break;
    case OutputFormat::Wmv:
        pieces = {program(conv1),
                  fixed(" -i "),
                  input,
                  fixed(" -vcodec wmv2 -r "),
                  setting(t.fpsWmv),
                  fixed(" -y -s "),
                  setting(t.sizeWmv),
                  fixed(" "),
                  output};
        break;
    case OutputFormat::Mov:
        pieces = {program(conv), fixed(" -y -i "),   input,      fixed(" -y "),
                  fixed(" -s "), setting(t.sizeMov), fixed(" "), output};
        break;
    case OutputFormat::Mp4:
        pieces = {program(conv),
                  fixed(" -i "),
                  input,
                  fixed(" -b "),
                  setting(t.vbrMp4),
                  fixed(" -y -r "),
                  setting(t.fpsMp4),
                  fixed(" -s "),
                  setting(t.sizeMp4),
                  fixed(" "),
                  output};
        break;
    case OutputFormat::ThreeGp:
        pieces = {program(conv),
                  fixed(" -i "),
                  input,
                  fixed(" -b "),
                  setting(t.vbr3gp),
                  fixed(" -y -r "),
                  setting(t.fps3gp),
                  fixed(" -s "),
                  setting(t.size3gp),
                  fixed(" -acodec libamr_nb -ar 8000 -ab "),
                  setting(t.ab3gp),
                  fixed(" "),
                  output};
        break;
    }
    CommandLine line = assemble(pieces);
    line.stagedInput = input.text;
    line.stagedOutput = output.text;
    return line;
}

} // namespace TranscoderCommandLine
