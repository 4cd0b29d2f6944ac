// The conversion run without its window, on the real file system and the
// fake transcoder, with the system's calls made to fail one branch at a
// time: the user's output always keeps its old file or gets a whole new one,
// and nothing of the run is left behind.

#include "jobs/core/ConversionRun.h"
#include "jobs/core/RunFiles.h"
#include "platform/EndingSignals.h"
#include "platform/FileCopy.h"
#include "support/Missing.h"
#include "support/TestSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace {

class ListedEntries : public RunEntries {
public:
    struct Row {
        QString source;
        std::optional<QString> output;
    };
    std::vector<Row> rows;

    int count() const override { return int(rows.size()); }
    QString source(int k) const override { return rows[size_t(k - 1)].source; }
    std::optional<QString> output(int k) const override { return rows[size_t(k - 1)].output; }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    file.write(contents);
}

mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A program folder with the fake as both transcoders, a staging folder, and
// a folder for the user's files, all of the test's own.
struct RunBench {
    TestSystem sys;
    QTemporaryDir work;
    ConversionRun run{sys};
    ListedEntries entries;
    qint16 index = 1;

    RunBench()
    {
        sys.makePrivateFolder(sys.stagingFolder());
        sys.makePrivateFolder(sys.dataFolder());
        for (int which = 0; which < RunFiles::Transcoders; ++which) {
            FileCopy::copyToNewFile(MORVANE_TEST_TOOLS_DIR "/fake_transcoder",
                                    RunFiles::shippedTranscoder(sys.programFolder(), which));
        }
    }

    QString path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }

    QString file(const QString &name, const QByteArray &contents)
    {
        writeFile(path(name), contents);
        return path(name);
    }

    // The whole run as the window drives it: preparation, entries, wrap-up.
    const RunReport &convert()
    {
        run.copyTranscoders();
        run.convertEntries(entries, {}, index);
        run.deleteWorkingFiles();
        return run.report();
    }

    // What a run must never leave: staging files, transcoder copies.
    QStringList leftovers() { return filesIn(sys.stagingFolder()) + filesIn(sys.dataFolder()); }
};

TEST(CoreRun, EveryFailureKeepsTheOldOutputAndSaysWhatTheUserCanActOn)
{
    using Fault = TestSystem::Fault;
    const Fault crossDevice{"renameAt", "tmpFile", EXDEV};
    using Arrange = std::function<void(RunBench &, const QString &source, const QString &output)>;
    const struct Branch {
        const char *name;
        QByteArray input; // the fake's instructions
        std::vector<Fault> faults;
        const char *reason; // %1 the data folder, %2 the program folder
        Arrange arrange;
    } branches[] = {
        {"staging copy fails",
         "x",
         {{"copyFile", "tmpFile.flv", EIO}},
         "the source could not be copied to the staging folder: Input/output error",
         {}},
        {"source gone",
         "x",
         {},
         "the source file does not exist",
         [](RunBench &, const QString &source, const QString &) { QFile::remove(source); }},
        {"transcoder copy fails",
         "x",
         {{"copyFile", "conv.exe", ENOSPC}},
         "the transcoder could not be copied to %1: No space left on device",
         {}},
        {"transcoder missing",
         "x",
         {},
         "the transcoder %2/conv.dll is missing",
         [](RunBench &bench, const QString &, const QString &) {
             QFile::remove(RunFiles::shippedTranscoder(bench.sys.programFolder(), 0));
         }},
        {"start fails",
         "x",
         {{"startProcess", "conv.exe", ENOEXEC}},
         "the transcoder could not be started",
         {}},
        {"abnormal end",
         "CRASH\n0123456789",
         {},
         "the transcoder ended abnormally: fake transcoder: stopped half-way",
         {}},
        {"non-zero exit", "FAIL", {}, "the transcoder failed: fake transcoder: cannot encode this input", {}},
        {"no output", "NOTHING", {}, "the transcoder wrote no output", {}},
        {"empty output", "EMPTY", {}, "the transcoder wrote an empty output", {}},
        {"rename fails",
         "x",
         {{"renameAt", "tmpFile", EIO}},
         "the result could not be put at the output path: Input/output error",
         {}},
        {"exclusive create fails",
         "x",
         {crossDevice, {"openAt", "", EDQUOT}},
         "the result could not be written to the output folder: Disk quota exceeded",
         {}},
        {"copy fails part way",
         "x" + QByteArray(100000, 'y'),
         {crossDevice, {"copyChunk", "", ENOSPC, 4096}},
         "the result could not be written to the output folder: No space left on device",
         {}},
        {"rename of the copy fails",
         "x",
         {crossDevice, {"renameAt", ".out.avi.", EIO}},
         "the result could not be put at the output path: Input/output error",
         {}},
        {"read-only output",
         "x",
         {},
         "the output file is read-only",
         [](RunBench &, const QString &, const QString &output) {
             ::chmod(QFile::encodeName(output).constData(), 0444);
         }},
        {"interrupted by a signal",
         "SLEEP 60000",
         {},
         "not converted: the run was interrupted",
         [](RunBench &bench, const QString &, const QString &) {
             EndingSignals::watch([&bench] { bench.run.interrupt(); });
             QTimer::singleShot(200, [] { ::raise(SIGTERM); });
         }},
    };
    for (const Branch &branch : branches) {
        SCOPED_TRACE(branch.name);
        RunBench bench;
        const QString input = bench.file("in.flv", branch.input);
        const QString output = bench.file("out.avi", "the user's old file");
        bench.entries.rows = {{input, output}};
        bench.sys.faults = branch.faults;
        if (branch.arrange)
            branch.arrange(bench, input, output);
        const mode_t mode = modeOf(output);

        const RunReport &report = bench.convert();
        EndingSignals::unwatch();

        EXPECT_EQ(report.converted, 0);
        ASSERT_EQ(report.failures.size(), 1u);
        EXPECT_EQ(report.failures[0].outputPath, output);
        EXPECT_EQ(report.failures[0].reason, QString::fromUtf8(branch.reason)
                                                 .replace(QStringLiteral("%1"), bench.sys.dataFolder())
                                                 .replace(QStringLiteral("%2"), bench.sys.programFolder()));
        EXPECT_EQ(readFile(output), "the user's old file");
        EXPECT_EQ(modeOf(output), mode);
        EXPECT_EQ(filesIn(bench.work.path()).filter(QStringLiteral("out.avi")), QStringList{"out.avi"})
            << "nothing left beside the output";
        EXPECT_EQ(bench.leftovers(), QStringList());
    }
}

} // namespace

TEST(CoreRun, EntriesBeyondTheSixteenBitIndexAreReportedNotConverted)
{
    RunBench bench;
    const QString source = bench.file("a.flv", "x");
    for (int k = 1; k <= 32768; ++k)
        bench.entries.rows.push_back({source, bench.path(QString("out%1.avi").arg(k))});
    // From the last two entries the index can reach.
    bench.index = 32766;

    const RunReport &report = bench.convert();

    EXPECT_EQ(report.converted, 2);
    EXPECT_EQ(report.entries, 32768);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].outputPath, bench.path("out32768.avi"));
    EXPECT_EQ(report.failures[0].reason,
              QStringLiteral("not converted: one run converts at most 32767 files"));
    EXPECT_EQ(bench.index, 32767);
    EXPECT_TRUE(QFile::exists(bench.path("out32767.avi")));
    EXPECT_EQ(bench.leftovers(), QStringList());
}

namespace {

bool isRoot() { return ::geteuid() == 0; }

void makeLink(const QString &target, const QString &link)
{
    QDir(link).removeRecursively();
    QFile::remove(link);
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

} // namespace

// A working folder another account could reach is not used at all: every
// entry fails with a reason naming it, and nothing is copied into it,
// started from it or deleted in it.
TEST(CoreRun, WorkingFoldersNotPrivateToTheUserAreNotUsed)
{
    using Arrange = std::function<QString(RunBench &, const QString &elsewhere)>;
    const struct Case {
        const char *name;
        Arrange arrange; // returns the reason expected
        bool needsRoot;
    } cases[] = {
        {"cache folder a link",
         [](RunBench &b, const QString &elsewhere) {
             makeLink(elsewhere, b.sys.cacheFolder());
             return b.sys.cacheFolder() + " is not private to you: it is a symbolic link";
         },
         false},
        {"staging folder a link",
         [](RunBench &b, const QString &elsewhere) {
             makeLink(elsewhere + "/tmp", b.sys.stagingFolder());
             return b.sys.stagingFolder() + " is not private to you: it is a symbolic link";
         },
         false},
        {"data folder a link",
         [](RunBench &b, const QString &elsewhere) {
             makeLink(elsewhere + "/data", b.sys.dataFolder());
             return b.sys.dataFolder() + " is not private to you: it is a symbolic link";
         },
         false},
        {"data folder open to all",
         [](RunBench &b, const QString &) {
             setMode(b.sys.dataFolder(), 0777);
             return b.sys.dataFolder() + " is not private to you: others may read or write it (mode 0777)";
         },
         false},
        {"cache folder readable by all",
         [](RunBench &b, const QString &) {
             setMode(b.sys.cacheFolder(), 0755);
             return b.sys.cacheFolder() + " is not private to you: others may read or write it (mode 0755)";
         },
         false},
        {"staging folder a plain file",
         [](RunBench &b, const QString &) {
             QDir(b.sys.stagingFolder()).removeRecursively();
             writeFile(b.sys.stagingFolder(), "a file");
             return b.sys.stagingFolder() + " is not private to you: it is not a folder";
         },
         false},
        {"data folder another account's",
         [](RunBench &b, const QString &) {
             // As that account would leave it: open to all, a link at the copy's name.
             makeLink(b.path("victim"), b.sys.dataFolder() + "/conv.exe");
             setMode(b.sys.dataFolder(), 0777);
             ::lchown(QFile::encodeName(b.sys.dataFolder() + "/conv.exe").constData(), 65534, 65534);
             ::chown(QFile::encodeName(b.sys.dataFolder()).constData(), 65534, 65534);
             return b.sys.dataFolder() + " is not private to you: it belongs to another user";
         },
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && !isRoot()) {
            // Only root can give a folder to another account.
            if (Missing::mustFail())
                ADD_FAILURE() << "needs root to act as a second account (MORVANE_NO_SKIP is set)";
            continue;
        }
        RunBench bench;
        const QString victim = bench.file("victim", "the user's other file");
        const QString elsewhere = bench.path("elsewhere");
        for (const char *sub : {"", "/tmp", "/data"})
            ASSERT_TRUE(QDir().mkpath(elsewhere + sub));
        writeFile(elsewhere + "/tmp/tmpFile.flv", "theirs");
        const QString first = bench.file("first.avi", "old first");
        bench.entries.rows = {{bench.file("a.flv", "new a"), first},
                              {bench.file("b.flv", "new b"), bench.path("second.avi")}};
        const QString reason = c.arrange(bench, elsewhere);

        const RunReport &report = bench.convert();

        EXPECT_EQ(report.converted, 0);
        ASSERT_EQ(report.failures.size(), 2u);
        for (const RunReport::Failure &failure : report.failures)
            EXPECT_EQ(failure.reason, reason);
        EXPECT_EQ(readFile(first), "old first");
        EXPECT_FALSE(QFile::exists(bench.path("second.avi")));
        EXPECT_EQ(readFile(victim), "the user's other file");
        EXPECT_EQ(filesIn(elsewhere), QStringList());
        EXPECT_EQ(filesIn(elsewhere + "/tmp"), QStringList{"tmpFile.flv"});
        EXPECT_EQ(readFile(elsewhere + "/tmp/tmpFile.flv"), "theirs");
        EXPECT_EQ(filesIn(elsewhere + "/data"), QStringList());
        EXPECT_FALSE(QFile::exists(bench.sys.cacheFolder() + "/calls.log")) << "nothing was started";
    }
}

// Inside the private folders, too, a file is made anew rather than written
// through whatever the name held; the program folder is only read, so an
// installed, read-only copy converts.
TEST(CoreRun, WorkingFilesAreMadeAnewAndTheProgramFolderIsOnlyRead)
{
    RunBench bench;
    const QString victim = bench.file("victim", "the user's other file");
    setMode(victim, 0644);
    makeLink(victim, bench.sys.dataFolder() + "/conv.exe");
    makeLink(victim, bench.sys.stagingFolder() + "/tmpFile.flv");
    const QString program = bench.sys.programFolder();
    const QStringList shipped = filesIn(program);
    setMode(program, 0555);
    bench.entries.rows = {{bench.file("a.flv", "new a"), bench.path("a.avi")}};

    const RunReport &report = bench.convert();
    setMode(program, 0700);

    EXPECT_TRUE(report.complete()) << qPrintable(report.warningText());
    EXPECT_EQ(readFile(bench.path("a.avi")), "new a");
    EXPECT_EQ(readFile(victim), "the user's other file");
    EXPECT_EQ(filesIn(program), shipped);
    EXPECT_EQ(bench.leftovers(), QStringList());

    // A working copy keeps the owner's bits of its source and no one else's.
    const QString source = bench.file("shared.flv", "readable by all");
    setMode(source, 0755);
    const QString copy = bench.sys.stagingFolder() + "/tmpFile.flv";
    makeLink(victim, copy);
    ASSERT_TRUE(bench.sys.copyFile(source, copy));
    EXPECT_EQ(modeOf(copy), 0700u);
    EXPECT_EQ(readFile(copy), "readable by all");
    EXPECT_EQ(readFile(victim), "the user's other file");
}
