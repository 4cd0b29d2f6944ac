// Putting a staged result at the user's output path: one rename on one file
// system, else a copy into a file of our own beside the output; never a
// write through a name someone else could have planted.

#include "platform/ResultDelivery.h"
#include "support/Missing.h"
#include "support/TestSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}

struct stat statOf(const QString &path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

class Delivering : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(staged, "the new result"));
        ASSERT_TRUE(writeFile(victim, "someone else's file"));
    }

    TestSystem sys;
    QTemporaryDir staging;
    QTemporaryDir outputs;
    QTemporaryDir elsewhere;
    const QString staged = staging.path() + "/tmpFile.avi";
    const QString output = outputs.path() + "/clip.avi";
    const QString victim = elsewhere.path() + "/victim";
};

TEST_F(Delivering, OnOneFileSystemTheStagedFileItselfBecomesTheOutput)
{
    ASSERT_TRUE(writeFile(output, "old"));
    const ino_t stagedInode = statOf(staged).st_ino;

    EXPECT_EQ(sys.deliver(staged, output).outcome, Delivery::Outcome::Delivered);

    EXPECT_EQ(readFile(output), "the new result");
    EXPECT_EQ(statOf(output).st_ino, stagedInode) << "renamed, not copied";
    EXPECT_FALSE(QFileInfo::exists(staged));
    EXPECT_EQ(QDir(outputs.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"clip.avi"});
}

TEST_F(Delivering, NeverWritesThroughALinkPlantedWhereItsOwnFileGoes)
{
    // Another file system: the copy beside the output; the first name it
    // tries has a link to someone else's file in its place.
    sys.faults = {{"renameAt", "tmpFile", EXDEV}};
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(),
                        QFile::encodeName(outputs.path() + "/.planted").constData()),
              0);
    QByteArrayList names = {".planted", ".fresh"};
    sys.temporaryName = [&names](const QByteArray &) { return names.takeFirst(); };

    EXPECT_EQ(sys.deliver(staged, output).outcome, Delivery::Outcome::Delivered);

    EXPECT_EQ(readFile(victim), "someone else's file");
    EXPECT_TRUE(S_ISREG(statOf(output).st_mode));
    EXPECT_EQ(readFile(output), "the new result");
    EXPECT_TRUE(S_ISLNK(statOf(outputs.path() + "/.planted").st_mode)) << "not ours to remove";
    EXPECT_FALSE(QFileInfo::exists(outputs.path() + "/.fresh"));
}

TEST_F(Delivering, AnOutputThatIsALinkIsReplacedAndItsTargetKept)
{
    for (bool otherFileSystem : {false, true}) {
        SCOPED_TRACE(otherFileSystem ? "copy beside" : "rename");
        ASSERT_TRUE(writeFile(staged, "the new result"));
        QFile::remove(output);
        ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(output).constData()), 0);
        sys.faults.clear();
        if (otherFileSystem)
            sys.faults = {{"renameAt", "tmpFile", EXDEV}};

        EXPECT_EQ(sys.deliver(staged, output).outcome, Delivery::Outcome::Delivered);

        EXPECT_EQ(readFile(victim), "someone else's file");
        EXPECT_TRUE(S_ISREG(statOf(output).st_mode));
        EXPECT_EQ(readFile(output), "the new result");
    }
}

TEST_F(Delivering, ReadOnlyOutputsAndFoldersThatCannotTakeItAreRefused)
{
    const struct {
        const char *name;
        QString outputPath;
        Delivery::Outcome outcome;
    } cases[] = {
        {"read-only output", output, Delivery::Outcome::ReadOnlyOutput},
        {"missing folder", outputs.path() + "/none/clip.avi", Delivery::Outcome::FolderUnwritable},
        {"a folder in the way", outputs.path() + "/folder", Delivery::Outcome::PlaceFailed},
    };
    ASSERT_TRUE(writeFile(output, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(output).constData(), 0444), 0);
    ASSERT_TRUE(QDir().mkdir(outputs.path() + "/folder"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sys.deliver(staged, c.outputPath).outcome, c.outcome);
        EXPECT_EQ(readFile(staged), "the new result") << "the staged result stays for the wrap-up";
    }
    EXPECT_EQ(readFile(output), "old");
    EXPECT_EQ(statOf(output).st_mode & 07777, 0444u);
}

TEST(DeliveringAcross, ARealSecondFileSystemGetsACompleteCopyAndNothingBeside)
{
    QTemporaryDir staging;
    QTemporaryDir outputs(QStringLiteral("/dev/shm/delivery-XXXXXX"));
    if (!outputs.isValid() || statOf(staging.path()).st_dev == statOf(outputs.path()).st_dev)
        SKIP_OR_FAIL_MISSING("no second file system at /dev/shm here");
    const QString staged = staging.path() + "/tmpFile.mp4";
    const QByteArray result(3 << 20, 'r');
    ASSERT_TRUE(writeFile(staged, result));
    ASSERT_TRUE(writeFile(outputs.path() + "/clip.mp4", "old"));
    TestSystem sys;

    EXPECT_EQ(sys.deliver(staged, outputs.path() + "/clip.mp4").outcome, Delivery::Outcome::Delivered);

    EXPECT_EQ(readFile(outputs.path() + "/clip.mp4"), result);
    EXPECT_EQ(QDir(outputs.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"clip.mp4"});
}

// A replaced output keeps who may read it: a private file stays private,
// whichever way the result gets there; a new one gets the usual mode.
TEST_F(Delivering, TheReplacedOutputKeepsItsPermissionBitsAndGroup)
{
    const bool root = ::geteuid() == 0;
    const gid_t otherGroup = 65534;
    for (bool otherFileSystem : {false, true}) {
        for (mode_t mode : {0600u, 0640u, 0604u, 0660u, 0700u, 0755u}) {
            SCOPED_TRACE(QStringLiteral("%1, mode %2")
                             .arg(otherFileSystem ? "copy beside" : "rename")
                             .arg(mode, 4, 8, QLatin1Char('0'))
                             .toStdString());
            ASSERT_TRUE(writeFile(staged, "the new result"));
            ASSERT_EQ(::chmod(QFile::encodeName(staged).constData(), 0644), 0);
            QFile::remove(output);
            ASSERT_TRUE(writeFile(output, "old"));
            ASSERT_EQ(::chmod(QFile::encodeName(output).constData(), mode), 0);
            if (root) {
                ASSERT_EQ(::chown(QFile::encodeName(output).constData(), 0, otherGroup), 0);
            }
            const gid_t group = statOf(output).st_gid;
            sys.faults.clear();
            if (otherFileSystem)
                sys.faults = {{"renameAt", "tmpFile", EXDEV}};

            EXPECT_EQ(sys.deliver(staged, output).outcome, Delivery::Outcome::Delivered);

            EXPECT_EQ(readFile(output), "the new result");
            EXPECT_EQ(statOf(output).st_mode & 07777, mode);
            EXPECT_EQ(statOf(output).st_gid, group);
        }
    }

    // A new output: what any new file gets under the umask.
    for (bool otherFileSystem : {false, true}) {
        SCOPED_TRACE(otherFileSystem ? "new, copy beside" : "new, rename");
        ASSERT_TRUE(writeFile(staged, "the new result"));
        ASSERT_EQ(::chmod(QFile::encodeName(staged).constData(), 0600), 0);
        QFile::remove(output);
        sys.faults.clear();
        if (otherFileSystem)
            sys.faults = {{"renameAt", "tmpFile", EXDEV}};
        const mode_t before = ::umask(027);
        const Delivery delivered = sys.deliver(staged, output);
        ::umask(before);
        EXPECT_EQ(delivered.outcome, Delivery::Outcome::Delivered);
        EXPECT_EQ(statOf(output).st_mode & 07777, 0640u);
    }
}

// Another account that may write the output's folder swaps the file in the
// last moment: the run must not call that a delivery.
TEST_F(Delivering, AnOutputSwappedDuringTheDeliveryIsReportedNotDelivered)
{
    const ResultDelivery::Calls real;
    const QString outputsPath = outputs.path();
    const QString victimPath = victim;
    const struct {
        const char *name;
        std::function<int(int, const char *, int, const char *)> renameAt;
    } swaps[] = {
        {"their link in place of the file beside the output",
         [&](int fromDir, const char *from, int toDir, const char *to) {
             if (QByteArray(from).contains("tmpFile")) {
                 errno = EXDEV;
                 return -1;
             }
             const QByteArray ours = QFile::encodeName(outputsPath) + '/' + from;
             ::rename(ours.constData(), QFile::encodeName(outputsPath + "/moved away").constData());
             ::symlink(QFile::encodeName(victimPath).constData(), ours.constData());
             return real.renameAt(fromDir, from, toDir, to);
         }},
        {"another file at the output right after the rename",
         [&](int fromDir, const char *from, int toDir, const char *to) {
             const int done = real.renameAt(fromDir, from, toDir, to);
             const QByteArray placed = QFile::encodeName(outputsPath) + '/' + to;
             ::unlink(placed.constData());
             ::symlink(QFile::encodeName(victimPath).constData(), placed.constData());
             return done;
         }},
    };
    for (const auto &swap : swaps) {
        SCOPED_TRACE(swap.name);
        ASSERT_TRUE(writeFile(staged, "the new result"));
        QFile::remove(output);
        ASSERT_TRUE(writeFile(output, "old"));
        ResultDelivery::Calls calls;
        calls.renameAt = swap.renameAt;

        EXPECT_EQ(ResultDelivery::deliver(staged, output, calls).outcome, Delivery::Outcome::Replaced);

        EXPECT_EQ(readFile(victim), "someone else's file");
        QFile::remove(outputs.path() + "/moved away");
    }
}

// In a sticky folder only the owner may replace a file: the user is told
// whose it is rather than that the folder cannot be written.
TEST(DeliveringAsAnotherUser, AnotherUsersOutputInAStickyFolderIsReportedAsTheirs)
{
    if (::geteuid() != 0)
        SKIP_OR_FAIL_MISSING("needs root to act as a second account");
    char shared[] = "/tmp/delivery-shared-XXXXXX";
    char own[] = "/tmp/delivery-own-XXXXXX";
    ASSERT_TRUE(::mkdtemp(shared) && ::mkdtemp(own));
    ASSERT_EQ(::chmod(shared, 01777), 0);
    ASSERT_EQ(::chown(own, 65534, 65534), 0);
    const QString output = QString::fromLocal8Bit(shared) + "/clip.avi";
    const QString staged = QString::fromLocal8Bit(own) + "/tmpFile.avi";
    ASSERT_TRUE(writeFile(output, "root's file"));
    ASSERT_EQ(::chmod(QFile::encodeName(output).constData(), 0666), 0);
    ASSERT_TRUE(writeFile(staged, "the new result"));
    ASSERT_EQ(::chown(QFile::encodeName(staged).constData(), 65534, 65534), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        ::_exit(int(ResultDelivery::deliver(staged, output).outcome));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    QDir(QString::fromLocal8Bit(shared)).removeRecursively();
    const QByteArray kept = readFile(staged);
    QDir(QString::fromLocal8Bit(own)).removeRecursively();

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), int(Delivery::Outcome::ForeignOutput));
    EXPECT_EQ(kept, "the new result");
}

} // namespace
