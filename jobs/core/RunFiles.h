#pragma once
// Every file name a conversion run works with, in one place: the
// transcoders beside the program, their copies in the data folder, the
// staging files.

#include <QString>
#include <QStringList>

namespace RunFiles {

// The two transcoders: 0 is conv, 1 is conv1.
constexpr int Transcoders = 2;
QString shippedTranscoder(const QString &programFolder, int which); // beside the program
QString transcoderCopy(const QString &dataFolder, int which);       // what a run starts

QString stagedInput(const QString &stagingFolder);
QString stagedOutput(const QString &stagingFolder, const QString &extension);
// The staging files a run leaves nothing of, in the order the wrap-up deletes them.
QStringList stagingFiles(const QString &stagingFolder);

} // namespace RunFiles
