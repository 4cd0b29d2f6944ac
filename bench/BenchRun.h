#pragma once
// The benchmarks' converting window: the tests' stand-in transcoder
// (fake_transcoder) as both transcoders, on the benchmarks' own platform.

#include "BenchPlatform.h"
#include "tests/tools/ConvertingWindow.h"

struct BenchRun : ConvertingWindow<BenchPlatform> {
    static QString fakeTranscoder() { return QStringLiteral(MORVANE_FAKE_TRANSCODER); }

    bool start() { return ConvertingWindow::start(fakeTranscoder()); }
};
