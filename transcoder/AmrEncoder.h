#pragma once
// Encodes raw 16-bit little-endian mono 8 kHz audio as an AMR-NB file
// (the "#!AMR\n" storage format) with opencore's encoder.

#include <QString>

struct AmrResult {
    bool ok = false;
    qint64 frames = 0; // 20 ms frames written; 0 for an input with no samples
    QString error;
};

// mode: 0 (4.75 kbit/s) to 7 (12.2 kbit/s), the encoder's own numbering.
AmrResult encodeAmrFile(const QString &rawPath, const QString &amrPath, int mode);
