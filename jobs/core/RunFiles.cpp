#include "jobs/core/RunFiles.h"

namespace RunFiles {

namespace {
QString transcoderName(int which) { return which == 0 ? QStringLiteral("conv") : QStringLiteral("conv1"); }
} // namespace

QString shippedTranscoder(const QString &programFolder, int which)
{
    return programFolder + QLatin1Char('/') + transcoderName(which) + QStringLiteral(".dll");
}

QString transcoderCopy(const QString &dataFolder, int which)
{
    return dataFolder + QLatin1Char('/') + transcoderName(which) + QStringLiteral(".exe");
}

QString stagedInput(const QString &stagingFolder) { return stagingFolder + QStringLiteral("/tmpFile.flv"); }

QString stagedOutput(const QString &stagingFolder, const QString &extension)
{
    return stagingFolder + QStringLiteral("/tmpFile.") + extension;
}

QStringList stagingFiles(const QString &stagingFolder)
{
    QStringList files;
    for (const char *extension : {"mov", "wmv", "3gp", "mp4", "avi"})
        files << stagedOutput(stagingFolder, QLatin1String(extension));
    files << stagedInput(stagingFolder);
    return files;
}

} // namespace RunFiles
