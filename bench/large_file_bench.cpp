// Staging and delivery of a 1 GiB source (the stand-in only renames its input
// to its output), beside cp of the same file twice.

#include "BenchRun.h"
#include "BenchSupport.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 Size = qint64(1) << 30;
constexpr int Rounds = 3;

void makeSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail("source");
    file.write("MOVE\n");
    const QByteArray block(1 << 20, 'v');
    for (qint64 written = 5; written < Size; written += block.size())
        file.write(block.constData(), std::min<qint64>(block.size(), Size - written));
}

bool flushToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    return flushed;
}

} // namespace

int main(int argc, char **argv)
{
    BenchEnvironment environment;
    QApplication app(argc, argv);
    BenchRun run;
    if (!run.start())
        fail("start-up");
    const QString source = run.path("big.flv");
    makeSource(source);
    run.addEntry(source, run.path("big.avi"));
    ::sync();

    std::printf("Staging and delivery of a 1 GiB source (%s)\n", qPrintable(run.work.path()));
    for (int round = 1; round <= Rounds; ++round) {
        QFile::remove(run.path("big.avi"));
        QFile::remove(run.path("cp1"));
        QFile::remove(run.path("cp2"));
        ::sync();
        run.platform.messages.clear();
        QElapsedTimer wall;
        wall.start();
        run.convert();
        const double program = secondsOf(wall);
        if (!run.platform.runCompleted() || QFileInfo(run.path("big.avi")).size() != Size)
            fail("the run did not deliver the whole file");
        ::sync();

        wall.restart();
        if (runToEnd("cp", {source, run.path("cp1")}) != 0
            || runToEnd("cp", {run.path("cp1"), run.path("cp2")}) != 0)
            fail("cp");
        const double cp = secondsOf(wall);
        // The run also deletes its staging file: the same for the middle copy.
        wall.restart();
        QFile::remove(run.path("cp1"));
        const double cpAndRemove = cp + secondsOf(wall);
        // The delivery flushes the result before it replaces anything: what
        // that flush alone costs for a file just written.
        wall.restart();
        if (!flushToDisk(run.path("cp2")))
            fail("fsync");
        const double flush = secondsOf(wall);
        std::printf("  round %d: program %.3f s, cp twice %.3f s (ratio %.3f), "
                    "cp twice + rm of the middle copy %.3f s (ratio %.3f), "
                    "flush of the 1 GiB result alone %.3f s, "
                    "cp twice + rm + flush %.3f s (ratio %.3f)\n",
                    round, program, cp, program / cp, cpAndRemove, program / cpAndRemove, flush,
                    cpAndRemove + flush, program / (cpAndRemove + flush));
    }
    QFile::remove(run.path("cp1"));
    QFile::remove(run.path("cp2"));
    return 0;
}
