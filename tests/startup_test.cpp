// Start-up: what the load handler leaves behind, the single-instance rule
// with the real program, the working folders and the colour key.

#include "jobs/SettingsPanel.h"
#include "platform/ColourKeyWindow.h"
#include "platform/PosixSystem.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/frmMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegion>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

int modeOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

bool writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// ---------------------------------------------------------------- in process

TEST(FormLoad, LeavesTheWindowReadyAndThePanelHiddenWithTheDefaults)
{
    ScriptedPlatform scripted;
    frmMain window;
    window.BusyStep = 7;
    window.CalledFromMenu = true;
    window.picSetting->move(0, 0);
    window.picSetting->cmbSizeAVI->setEditText("640x480");

    ASSERT_TRUE(window.Form_Load());
    EXPECT_EQ(scripted.endProgramCalls, 0);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_FALSE(window.isVisible()); // showing is the caller's, after the load
    EXPECT_EQ(window.HelpFile, scripted.programFolder() + "/help.chm");
    EXPECT_FALSE(QFileInfo::exists(window.HelpFile)); // set all the same
    EXPECT_EQ(window.TransparentKey, qRgb(255, 0, 255));
    EXPECT_EQ(window.BusyStep, 0);
    EXPECT_FALSE(window.CalledFromMenu);
    EXPECT_EQ(window.CurrentFileIndex, 0);
    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_EQ(window.picSetting->pos(), QPoint(twips(210), twips(1950)));
    EXPECT_EQ(window.picSetting->cmbSizeAVI->currentText(), "320x240");
    EXPECT_EQ(window.picSetting->cmbAB3GP->currentText(), "4.75k");
    EXPECT_FALSE(window.Timer1->isActive());
    for (ImageArea *button : window.imgButton)
        EXPECT_TRUE(button->isEnabled());
    for (ImageArea *title : window.imgMenu)
        EXPECT_TRUE(title->isEnabled());

    // Both working folders, private to the user, parents included.
    const QString staging = scripted.stagingFolder();
    EXPECT_TRUE(QFileInfo(staging).isDir());
    EXPECT_EQ(modeOf(staging), 0700);
    EXPECT_EQ(modeOf(QFileInfo(staging).absolutePath()), 0700);
    EXPECT_TRUE(QFileInfo(scripted.dataFolder()).isDir());
    EXPECT_EQ(modeOf(scripted.dataFolder()), 0700);
    EXPECT_EQ(QFileInfo(staging).absolutePath(), QFileInfo(scripted.dataFolder()).absolutePath());
    EXPECT_TRUE(QDir(scripted.programFolder()).isEmpty()) << "the program folder is only read";

    // Colour key in place before the first showing.
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window.mask().isEmpty());
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_FALSE(window.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(FormLoad, SecondInstanceStopsAtTheFirstStep)
{
    ScriptedPlatform scripted;
    scripted.otherInstanceRunning = true;
    frmMain window;
    EXPECT_FALSE(window.Form_Load());
    EXPECT_EQ(scripted.endProgramCalls, 1);
    EXPECT_TRUE(window.HelpFile.isEmpty());
    EXPECT_TRUE(window.mask().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(scripted.cacheFolder()));
    EXPECT_TRUE(scripted.messages.empty());
}

TEST(FormLoad, FoldersPresentAlreadyAreKeptWithWhatTheyHold)
{
    ScriptedPlatform scripted;
    ASSERT_TRUE(QDir().mkpath(scripted.stagingFolder()));
    ASSERT_TRUE(QDir().mkpath(scripted.dataFolder()));
    ASSERT_TRUE(writeFile(scripted.stagingFolder() + "/tmpFile.flv", "left over"));
    ASSERT_TRUE(writeFile(scripted.dataFolder() + "/conv.exe", "left over"));
    frmMain window;
    EXPECT_TRUE(window.Form_Load());
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(QFileInfo::exists(scripted.stagingFolder() + "/tmpFile.flv"));
    EXPECT_TRUE(QFileInfo::exists(scripted.dataFolder() + "/conv.exe"));
    EXPECT_EQ(window.picSetting->cmbFPS3GP->currentText(), "14.985");
}

// Folders that cannot be made: names taken by plain files, which stop root too.
class BlockedFolders : public ScriptedPlatform {
public:
    QString cacheFolder() override { return cacheDir.path() + "/blocker/morvane-converter"; }
};

TEST(FormLoad, FoldersThatCannotBeMadeAreSkippedSilently)
{
    BlockedFolders scripted;
    ASSERT_TRUE(writeFile(scripted.cacheDir.path() + "/blocker"));
    frmMain window;
    EXPECT_TRUE(window.Form_Load());
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(QFileInfo(scripted.cacheDir.path() + "/blocker").isFile());
    // The steps after the folders still ran.
    EXPECT_EQ(window.picSetting->cmbSizeMP4->currentText(), "480x480");
    EXPECT_EQ(window.picSetting->pos(), QPoint(twips(210), twips(1950)));
}

TEST(FormLoad, ReadOnlyProgramFolderGetsNoDataFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permission bits do not stop root's writes; "
                        "FoldersThatCannotBeMadeAreSkippedSilently covers the failure";
    ScriptedPlatform scripted;
    ASSERT_EQ(::chmod(QFile::encodeName(scripted.programFolder()).constData(), 0555), 0);
    frmMain window;
    EXPECT_TRUE(window.Form_Load());
    ::chmod(QFile::encodeName(scripted.programFolder()).constData(), 0700);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(scripted.programFolder() + "/data"));
}

// -------------------------------------------------------- the real platform

TEST(RealPlatform, WorkingFoldersAreInTheUsersCacheWhateverTheApplicationIsCalled)
{
    PosixSystem real;
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    ASSERT_FALSE(cache.isEmpty());
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName("Acme");
    QCoreApplication::setApplicationName("Something");
    const QString staging = real.stagingFolder();
    const QString data = real.dataFolder();
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    EXPECT_EQ(staging, cache + "/morvane-converter/tmp");
    EXPECT_EQ(data, cache + "/morvane-converter/data");
}

// What makes a folder the user's alone, and what the user is told otherwise.
TEST(RealPlatform, PrivateFoldersAreMadeOwnerOnlyAndOthersAreRefusedWithAReason)
{
    PosixSystem real;
    QTemporaryDir root;
    const QString r = root.path();
    ASSERT_TRUE(QDir().mkdir(r + "/open"));
    ASSERT_EQ(::chmod(QFile::encodeName(r + "/open").constData(), 0757), 0);
    ASSERT_TRUE(QDir().mkdir(r + "/readable"));
    ASSERT_EQ(::chmod(QFile::encodeName(r + "/readable").constData(), 0740), 0);
    ASSERT_TRUE(QDir().mkdir(r + "/searchable"));
    ASSERT_EQ(::chmod(QFile::encodeName(r + "/searchable").constData(), 0711), 0);
    ASSERT_TRUE(QDir().mkdir(r + "/private"));
    ASSERT_EQ(::chmod(QFile::encodeName(r + "/private").constData(), 0700), 0);
    ASSERT_EQ(
        ::symlink(QFile::encodeName(r + "/private").constData(), QFile::encodeName(r + "/link").constData()),
        0);
    ASSERT_TRUE(writeFile(r + "/file"));
    const bool root_ = ::geteuid() == 0;
    if (root_) {
        ASSERT_TRUE(QDir().mkdir(r + "/theirs"));
        ASSERT_EQ(::chmod(QFile::encodeName(r + "/theirs").constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(r + "/theirs").constData(), 65534, 65534), 0);
    }
    const struct {
        QString folder;
        QString problem; // empty: private
    } cases[] = {
        {r + "/a/b/c", ""},
        {r + "/private", ""},
        {r + "/searchable", ""},
        {r + "/link", r + "/link is not private to you: it is a symbolic link"},
        {r + "/file", r + "/file is not private to you: it is not a folder"},
        {r + "/open", r + "/open is not private to you: others may read or write it (mode 0757)"},
        {r + "/readable", r + "/readable is not private to you: others may read or write it (mode 0740)"},
        {r + "/file/below", r + "/file/below could not be made: Not a directory"},
        {root_ ? r + "/theirs" : r + "/private",
         root_ ? r + "/theirs is not private to you: it belongs to another user" : ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.folder));
        EXPECT_EQ(real.makePrivateFolder(c.folder), c.problem);
    }
    for (const QString &made : {r + "/a/b/c", r + "/a/b", r + "/a"})
        EXPECT_EQ(modeOf(made), 0700) << qPrintable(made);
    EXPECT_EQ(modeOf(r + "/open"), 0757) << "a refused folder is left as it was";

    // Made owner-only whatever the umask says.
    const mode_t before = ::umask(0);
    EXPECT_EQ(real.makePrivateFolder(r + "/under-umask-0"), QString());
    ::umask(0777);
    EXPECT_EQ(real.makePrivateFolder(r + "/under-umask-777"), QString());
    ::umask(before);
    EXPECT_EQ(modeOf(r + "/under-umask-0"), 0700);
    EXPECT_EQ(modeOf(r + "/under-umask-777"), 0700);
}

// A runtime folder of the test's own, private to it, for the lock.
class InstanceLock : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = qgetenv("XDG_RUNTIME_DIR");
        runtime = folders.path() + "/runtime";
        ASSERT_TRUE(QDir().mkdir(runtime));
        ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        lockPath = runtime + "/morvane-converter.lock";
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved); }

    QTemporaryDir folders;
    QByteArray saved;
    QString runtime;
    QString lockPath;
};

TEST_F(InstanceLock, HeldByThisProcessAloneAndFreedWithItsHolder)
{
    {
        PosixSystem first;
        EXPECT_FALSE(first.previousInstanceRunning());
        EXPECT_TRUE(QFileInfo::exists(lockPath));
        EXPECT_EQ(modeOf(lockPath), 0600);
        EXPECT_FALSE(first.previousInstanceRunning()); // asking again is no second instance
        PosixSystem second;
        EXPECT_TRUE(second.previousInstanceRunning());

        // A child started meanwhile holds nothing of the lock.
        QProcess child;
        child.start("sleep", {"30"});
        ASSERT_TRUE(child.waitForStarted());
        const QString fds = QStringLiteral("/proc/%1/fd").arg(child.processId());
        const QStringList entries =
            QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_FALSE(entries.isEmpty());
        for (const QString &fd : entries)
            EXPECT_NE(QFileInfo(fds + "/" + fd).symLinkTarget(), lockPath) << qPrintable(fd);
        child.kill();
        child.waitForFinished();
    }
    PosixSystem later;
    EXPECT_FALSE(later.previousInstanceRunning());
}

// Whatever a crash, a full disk or an older version left in the lock file,
// it never keeps a start out; and a link there is not followed.
TEST_F(InstanceLock, NoLeftoverFileStopsAStart)
{
    const QString victim = folders.path() + "/victim";
    const struct {
        const char *name;
        std::function<void()> leave;
    } leftovers[] = {
        {"empty", [&] { writeFile(lockPath, ""); }},
        {"not a lock", [&] { writeFile(lockPath, "\x01garbage\nnot a pid\n"); }},
        {"an old holder's", [&] { writeFile(lockPath, "4194304\nmorvane-converter\nhost\n"); }},
        {"read-only",
         [&] {
             writeFile(lockPath, "");
             ::chmod(QFile::encodeName(lockPath).constData(), 0400);
         }},
        {"a link",
         [&] {
             writeFile(victim, "the user's file");
             ::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(lockPath).constData());
         }},
    };
    for (const auto &leftover : leftovers) {
        SCOPED_TRACE(leftover.name);
        QFile::remove(lockPath);
        leftover.leave();
        PosixSystem first;
        EXPECT_FALSE(first.previousInstanceRunning());
        PosixSystem second;
        EXPECT_TRUE(second.previousInstanceRunning()) << "the lock still keeps a second one out";
    }
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the user's file");
}

// Without a private runtime folder the lock lives in the private cache
// folder, never in a folder another account can write.
TEST_F(InstanceLock, NoPrivateRuntimeFolderMeansTheCacheFolder)
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + "/morvane-converter";
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
    for (const QByteArray &setting : {QByteArray(), QFile::encodeName(runtime), QByteArray("relative")}) {
        SCOPED_TRACE(setting.constData());
        qputenv("XDG_RUNTIME_DIR", setting);
        PosixSystem first;
        EXPECT_FALSE(first.previousInstanceRunning());
        EXPECT_TRUE(QFileInfo::exists(cache + "/morvane-converter.lock"));
        EXPECT_FALSE(QFileInfo::exists(lockPath));
        EXPECT_EQ(modeOf(cache), 0700);
        PosixSystem second;
        EXPECT_TRUE(second.previousInstanceRunning());
    }
}

// --------------------------------------------------------- the real program

// One private user: runtime and cache folders of its own, and program
// folders holding copies of the built executable.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir().mkdir(home.path() + "/runtime"));
        ASSERT_EQ(::chmod(QFile::encodeName(home.path() + "/runtime").constData(), 0700), 0);
    }

    void TearDown() override
    {
        for (auto &p : running) {
            p->kill();
            p->waitForFinished();
        }
    }

    // A program folder with its own copy of the executable; `cache` names
    // the user's cache folder for this start.
    QString programFolder(const QString &name)
    {
        const QString folder = home.path() + "/" + name;
        QDir().mkpath(folder);
        const QString exe = folder + "/morvane-converter";
        if (!QFileInfo::exists(exe))
            QFile::copy(MORVANE_BUILD_DIR "/morvane-converter", exe);
        return folder;
    }

    QProcess *start(const QString &folder, const QString &cache, const QStringList &arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", home.path() + "/runtime");
        env.insert("XDG_CACHE_HOME", cache);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("DISPLAY");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home.path());
        process->start(folder + "/morvane-converter", arguments);
        EXPECT_TRUE(process->waitForStarted());
        running.push_back(std::move(process));
        return running.back().get();
    }

    // Up once its load has made the data folder in the user's cache.
    static bool waitUntilUp(QProcess *p, const QString &cache)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            if (QFileInfo(cache + "/morvane-converter/data").isDir())
                return p->state() == QProcess::Running;
            if (p->state() != QProcess::Running)
                return false;
            QThread::msleep(20);
        }
        return false;
    }

    static QStringList contents(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> running;
};

TEST_F(RealProgram, SecondStartEndsAtOnceSilentlyAndCreatesNothing)
{
    const QString first = programFolder("first");
    QProcess *running1 = start(first, home.path() + "/cache1");
    ASSERT_TRUE(waitUntilUp(running1, home.path() + "/cache1"))
        << running1->readAllStandardError().constData();
    EXPECT_TRUE(QFileInfo(home.path() + "/cache1/morvane-converter/tmp").isDir());
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/runtime/morvane-converter.lock"));

    const QString second = programFolder("second");
    const QStringList runtimeBefore = contents(home.path() + "/runtime");
    QProcess *running2 = start(second, home.path() + "/cache2");
    ASSERT_TRUE(running2->waitForFinished(10000));
    EXPECT_EQ(running2->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(running2->exitCode(), 0);
    EXPECT_TRUE(running2->readAllStandardOutput().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/cache2"));
    EXPECT_EQ(contents(second), QStringList{"morvane-converter"});
    EXPECT_EQ(contents(home.path() + "/runtime"), runtimeBefore);

    // The first one runs on, undisturbed.
    EXPECT_FALSE(running1->waitForFinished(300));
    EXPECT_EQ(running1->state(), QProcess::Running);
}

TEST_F(RealProgram, LockOfAKilledInstanceDoesNotBlockTheNextStart)
{
    const QString folder = programFolder("program");
    QProcess *killed = start(folder, home.path() + "/cache");
    ASSERT_TRUE(waitUntilUp(killed, home.path() + "/cache"));
    killed->kill(); // SIGKILL: no chance to free the lock
    ASSERT_TRUE(killed->waitForFinished());
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/runtime/morvane-converter.lock"));

    ASSERT_TRUE(QDir(home.path() + "/cache/morvane-converter/data").removeRecursively());
    QProcess *next = start(folder, home.path() + "/cache");
    EXPECT_TRUE(waitUntilUp(next, home.path() + "/cache")) << next->readAllStandardError().constData();
    // And it holds the lock now: one more start ends.
    QProcess *third = start(programFolder("third"), home.path() + "/cache3");
    EXPECT_TRUE(third->waitForFinished(10000));
    EXPECT_EQ(contents(home.path() + "/third"), QStringList{"morvane-converter"});
}

TEST_F(RealProgram, StartsWithFoldersPresentOrUnmakable)
{
    // Folders already there: starts and runs, and keeps what they hold.
    const QString present = programFolder("present");
    const QString cache = home.path() + "/cache/morvane-converter";
    ASSERT_TRUE(QDir().mkpath(cache + "/data"));
    ASSERT_TRUE(QDir().mkpath(cache + "/tmp"));
    ASSERT_TRUE(writeFile(cache + "/data/keep"));
    QProcess *p = start(present, home.path() + "/cache");
    ASSERT_TRUE(waitUntilUp(p, home.path() + "/cache"));
    EXPECT_FALSE(p->waitForFinished(500));
    EXPECT_TRUE(QFileInfo::exists(cache + "/data/keep"));
    EXPECT_EQ(contents(present), QStringList{"morvane-converter"}) << "the program folder is only read";
    p->kill();
    p->waitForFinished();

    // A cache folder under a plain file: the program still comes up.
    const QString blocked = programFolder("blocked");
    ASSERT_TRUE(writeFile(home.path() + "/plain"));
    QProcess *q = start(blocked, home.path() + "/plain/cache");
    EXPECT_FALSE(q->waitForFinished(1500)) << q->readAllStandardError().constData();
    EXPECT_EQ(q->state(), QProcess::Running);
}

// The program takes nothing from its command line, not even the toolkit's
// own options: a platform that does not exist would end it at once.
TEST_F(RealProgram, ToolkitOptionsOnTheCommandLineAreIgnored)
{
    const QString folder = programFolder("options");
    QProcess *p = start(folder, home.path() + "/cache",
                        {"-platform", "no-such-platform", "-style", "no-such-style", "-stylesheet",
                         home.path() + "/none.qss", "-reverse"});
    EXPECT_TRUE(waitUntilUp(p, home.path() + "/cache")) << p->readAllStandardError().constData();
    EXPECT_FALSE(p->waitForFinished(500));
    EXPECT_EQ(p->state(), QProcess::Running);
    EXPECT_FALSE(p->readAllStandardError().contains("no-such"));
}

// ---------------------------------------------------------------- colour key

TEST(ColourKey, ExactlyTheKeyColouredPixelsAreLeftOutOfTheMask)
{
    struct Pixel {
        QRgb colour;
        bool seeThrough;
    };
    const Pixel pixels[] = {
        {qRgb(255, 0, 255), true},  {qRgb(254, 0, 255), false}, {qRgb(255, 1, 255), false},
        {qRgb(255, 0, 254), false}, {qRgb(0, 0, 0), false},     {qRgb(255, 255, 255), false},
        {qRgb(255, 0, 255), true},
    };
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888}) {
        SCOPED_TRACE(int(format));
        QImage picture(int(std::size(pixels)), 2, format);
        picture.fill(Qt::white);
        for (int x = 0; x < int(std::size(pixels)); ++x)
            picture.setPixel(x, 1, pixels[x].colour);
        QWidget window;
        ColourKeyWindow::apply(&window, picture, qRgb(255, 0, 255));
        const QRegion mask = window.mask();
        for (int x = 0; x < int(std::size(pixels)); ++x) {
            EXPECT_TRUE(mask.contains(QPoint(x, 0)));
            EXPECT_EQ(!mask.contains(QPoint(x, 1)), pixels[x].seeThrough) << x;
        }
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(window.windowOpacity(), 1.0);
    }
}

TEST(ColourKey, MainWindowMaskFollowsItsPicturePixelByPixel)
{
    ScriptedPlatform scripted;
    frmMain window;
    ASSERT_TRUE(window.Form_Load());
    const QImage picture = window.skinPicture();
    const QRegion mask = window.mask();
    int seeThrough = 0, mismatches = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool key = (picture.pixel(x, y) & 0xffffff) == 0xff00ff;
            seeThrough += key;
            mismatches += key == mask.contains(QPoint(x, y));
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(seeThrough, 0);
    EXPECT_LT(seeThrough, picture.width() * picture.height());
}

} // namespace
