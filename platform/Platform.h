#pragma once
// The one door to the operating system and to every modal interaction.
// The system's code reaches message boxes, file dialogs, popup menus, the
// shell, processes and files only through here, so tests can play the user.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QMenu;
class QWidget;

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { None, Exclamation };
enum class MsgAnswer { Ok, Cancel };

struct MessageBoxRequest {
    QWidget *owner = nullptr;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title;
};

// What a file dialog is asked to show, already in the form Qt's dialog takes.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    QWidget *owner = nullptr;
    Mode mode = Mode::Open;
    QString title;
    QString initialFolder;
    QStringList nameFilters;       // "description (patterns)" each
    bool hideNameFilterDetails = true;  // show each description as written
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

// How a child process ended. A wait that ends always means the process has gone.
struct ProcessOutcome {
    bool exitedNormally = false;   // false: killed by a signal
    int exitCode = -1;
    QString lastErrorLine;         // last non-empty line the child printed
};

class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    // Waits until the process has gone, letting window events run meanwhile.
    virtual ProcessOutcome wait() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal points.
    virtual MsgAnswer messageBox(const MessageBoxRequest &request) = 0;
    // The chosen full path, or nothing on cancel or failure.
    virtual std::optional<QString> fileDialog(const FileDialogRequest &request) = 0;
    // Pops the menu up at a global point; returns once it has closed and the
    // chosen item's handler has run to its end.
    virtual void popupMenu(QMenu *menu, const QPoint &globalPos) = 0;
    virtual QPoint pointerPosition() = 0;

    // The shell's "open": the desktop's default handler for the file.
    virtual bool shellOpen(const QString &path) = 0;
    virtual void doEvents() = 0;
    // Ends the process at once, no clean-up. A test stand-in records the
    // call and returns, so callers return right after it.
    virtual void endProgram() = 0;

    // Files and folders.
    virtual bool copyFile(const QString &source, const QString &destination) = 0;
    virtual bool deleteFile(const QString &path) = 0;
    virtual bool isPlainFile(const QString &path) = 0;   // regular, not dot-named
    virtual bool isFolder(const QString &path) = 0;
    virtual bool createFolder(const QString &path) = 0;  // one level, owner-only

    // Processes. nullptr when the program cannot be started.
    virtual std::unique_ptr<ChildProcess> startProcess(const QString &program,
                                                       const QStringList &arguments) = 0;

    // True when another instance of this program already runs for this user.
    virtual bool previousInstanceRunning() = 0;

    // Where things live.
    virtual QString programFolder() = 0;   // the executable's folder, no trailing '/'
    virtual QString stagingFolder() = 0;   // private per-user folder, no trailing '/'
};

Platform &platform();
// Installs the platform the system uses; returns the one it replaces.
Platform *setPlatform(Platform *replacement);
