// Per-entry overhead: 200 entries of a 1 MB source through a copy-only
// stand-in transcoder, beside a shell loop doing the same copies and starts.

#include "BenchRun.h"
#include "BenchSupport.h"

#include <QDir>

namespace {
constexpr int Entries = 200;
constexpr int Rounds = 3;
} // namespace

int main(int argc, char **argv)
{
    BenchEnvironment environment;
    QApplication app(argc, argv);
    BenchRun run;
    if (!run.start())
        fail("start-up");
    const QString source = run.source("source.flv", "copy\n" + QByteArray(1 << 20, 'v'));
    for (int i = 0; i < Entries; ++i)
        run.addEntry(source, run.path(QString("out%1.avi").arg(i)));

    // The same work by hand: stage, start the stand-in, deliver.
    const QString shellData = run.path("shell/data");
    QDir().mkpath(shellData);
    if (!FileCopy::copyToNewFile(BenchRun::fakeTranscoder(), shellData + "/conv.exe"))
        fail("stand-in copy");
    const QString script =
        QStringLiteral("src=\"$1\"; stage=\"$2\"; conv=\"$3\"; out=\"$4\"\n"
                       "for i in $(seq 1 %1); do\n"
                       "  cp \"$src\" \"$stage/tmpFile.flv\"\n"
                       "  \"$conv\" -i \"$stage/tmpFile.flv\" -r 25.0 -y -s 320x240 \"$stage/tmpFile.avi\"\n"
                       "  cp \"$stage/tmpFile.avi\" \"$out/shell$i.avi\"\n"
                       "done\n")
            .arg(Entries);
    QDir().mkpath(run.path("shell/stage"));

    std::printf("Per-entry overhead, %d entries of a 1 MB source, copy-only stand-in\n", Entries);
    for (int round = 1; round <= Rounds; ++round) {
        run.platform.messages.clear();
        QElapsedTimer wall;
        wall.start();
        run.convert();
        const double program = secondsOf(wall) * 1000.0 / Entries;
        if (!run.platform.runCompleted())
            fail("the run did not complete");

        wall.restart();
        if (runToEnd("bash", {"-c", script, "bench", source, run.path("shell/stage"), shellData + "/conv.exe",
                              run.work.path()})
            != 0)
            fail("shell loop");
        const double shell = secondsOf(wall) * 1000.0 / Entries;
        std::printf("  round %d: program %.3f ms/entry, shell loop %.3f ms/entry, ratio %.3f\n", round,
                    program, shell, program / shell);
    }
    return 0;
}
