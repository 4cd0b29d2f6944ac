#pragma once
// Turns the arguments of the converter's legacy transcoder lines into the
// arguments today's ffmpeg needs. Pure: nothing is started or touched here.

#include <QString>
#include <QStringList>

namespace TranscoderArguments {

// AMR-NB encoder mode for an -ab value: 0 (4.75k) to 7 (12.2k), in the
// encoder's own order; -1 for a value that is no AMR-NB mode.
int amrModeFor(const QString &bitRate);
QStringList amrBitRates();

struct Plan {
    QString error;          // set when the arguments cannot run; nothing is started then
    QString input;          // the file after the first -i
    QString output;         // the last argument
    bool overwrite = false; // -y given: an existing output may be replaced
    bool amrAudio = false;  // the audio is ours to encode as AMR-NB
    int amrMode = 7;
    int amrSampleRate = 8000;
    QStringList ffmpegArguments; // the single run, when the audio is not ours
    QString outputFormat;        // -f given for the output, or empty
    // Internal to videoArguments: the translated line split around the input.
    QStringList beforeInput;
    QStringList afterInput;
};

Plan translate(const QStringList &legacy);

// Given to every run: no key reading from stdin, no banner, errors only.
QStringList quietPrefix();

// For the AMR-NB path, whose first three runs go side by side. The kinds of
// the input's streams, one a line ("video", "audio"), from ffprobe; the video
// alone as the line asks for it; the first audio stream, if any, as raw s16le
// mono at the plan's rate; then the output made of the parts by stream copy
// (either path empty: that part is left out).
QStringList streamProbeArguments(const Plan &plan);
QStringList videoArguments(const Plan &plan, const QString &videoPath);
QStringList audioDecodeArguments(const Plan &plan, const QString &rawPath);
QStringList muxArguments(const Plan &plan, const QString &videoPath, const QString &amrPath);

} // namespace TranscoderArguments
