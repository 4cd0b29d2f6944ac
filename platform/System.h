#pragma once
// The widget-free half of our layer: files, folders, processes and the
// delivery of a result. Everything the conversion run does to the file
// system goes through here, so a test can make any step of it fail.

#include <QString>
#include <QStringList>

#include <memory>

// The outcome of one system call: 0, or the error number it failed with.
struct SysResult {
    int error = 0;
    explicit operator bool() const { return error == 0; }
    // The system's own wording of the error.
    QString why() const;
};

// How a child process ended. A wait that ends always means the process has gone.
struct ProcessOutcome {
    bool exitedNormally = false; // false: ended by a signal
    int exitCode = -1;
    bool stopped = false;  // it was asked to stop before it ended by itself
    QString lastErrorLine; // last non-empty line the child printed
};

class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    // Returns only once the process has gone, letting window events run
    // meanwhile; if the application is quitting, the process is stopped first.
    virtual ProcessOutcome wait() = 0;
    // Asks the process to end: terminate, then kill after a short grace.
    // wait() still returns only once it has gone.
    virtual void stop() = 0;
};

// What became of a staged result that was to be put at an output path.
struct Delivery {
    enum class Outcome {
        Delivered,
        NoResult,         // the staged result does not exist
        EmptyResult,      // it exists and holds nothing
        FolderUnwritable, // the output's folder is missing or cannot be written
        ReadOnlyOutput,   // the output exists without its owner's write bit
        WriteFailed,      // the copy into the output's folder failed
        PlaceFailed,      // the finished file could not be renamed over the output
        ForeignOutput,    // the folder is sticky and the output another user's
        Replaced,         // the output path names another file after the rename
    };
    Outcome outcome = Outcome::Delivered;
    SysResult result;
};

class System {
public:
    virtual ~System() = default;

    // Copies source into a new file at destination: whatever the name held
    // is deleted first, even when the copy then fails; the file is made
    // exclusively, never through a link, with the owner's permission bits of
    // the source only, and nothing is left of a copy that failed.
    virtual SysResult copyFile(const QString &source, const QString &destination) = 0;
    virtual SysResult deleteFile(const QString &path) = 0;
    virtual bool isPlainFile(const QString &path) = 0; // regular, not dot-named
    virtual bool isFolder(const QString &path) = 0;
    // Makes the folder unless it is there (owner-only, missing parents too),
    // then checks that it is private to the user: a real folder, not a link,
    // the user's own, neither readable nor writable by group and others.
    // Empty when it is; otherwise why it is not, naming the folder.
    virtual QString makePrivateFolder(const QString &path) = 0;

    // Puts the staged result at the output path in one step: the path then
    // holds its old file or the whole new one, never a part, and nothing is
    // ever written through a name another user could have planted.
    virtual Delivery deliver(const QString &stagedResult, const QString &outputPath) = 0;

    // nullptr when the program cannot be started. The child never outlives
    // this process, however it ends.
    virtual std::unique_ptr<ChildProcess> startProcess(const QString &program,
                                                       const QStringList &arguments) = 0;

    // True when another instance of this program already runs for this user.
    virtual bool previousInstanceRunning() = 0;
    // Ends the process at once, no clean-up. A test stand-in records the
    // call and returns, so callers return right after it.
    virtual void endProgram() = 0;

    virtual QString programFolder() = 0; // the executable's folder, no trailing '/'
    // The program's own folder in the user's cache, which holds the two
    // working folders; no trailing '/'.
    virtual QString cacheFolder() = 0;
    QString stagingFolder(); // the staged input and the transcoder's outputs
    QString dataFolder();    // the transcoder copies, during a run
};

System &os();
// Installs the system the program uses; returns the one it replaces.
System *setSystem(System *replacement);
