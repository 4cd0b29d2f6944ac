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

#include <sys/stat.h>
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
                        QFile::encodeName(outputs.path() + "/.planted").constData()), 0);
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

} // namespace
