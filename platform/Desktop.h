#pragma once
// The user-facing half of our layer: every modal interaction and the
// desktop's services. The system's code reaches message boxes, file dialogs,
// popup menus, the shell and the event loop only through here, so tests can
// play the user. Files and processes are the other half's (System.h).

#include <QPoint>
#include <QString>
#include <QStringList>

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
    QStringList nameFilters;           // "description (patterns)" each
    bool hideNameFilterDetails = true; // show each description as written
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Modal points.
    virtual MsgAnswer messageBox(const MessageBoxRequest &request) = 0;
    // The chosen full path, or nothing on cancel or failure.
    virtual std::optional<QString> fileDialog(const FileDialogRequest &request) = 0;
    // Pops the menu up at a global point; returns once it has closed and the
    // chosen item's handler has run to its end.
    virtual void popupMenu(QMenu *menu, const QPoint &globalPos) = 0;
    virtual QPoint pointerPosition() = 0;

    // Hands a press-and-drag of the frameless window to the desktop. False:
    // the window must follow the pointer itself until the release.
    virtual bool startWindowMove(QWidget *window) = 0;

    // The shell's "open": the desktop's default handler for the file.
    virtual bool shellOpen(const QString &path) = 0;
    virtual void doEvents() = 0;
};

Desktop &desktop();
// Installs the desktop the system uses; returns the one it replaces.
Desktop *setDesktop(Desktop *replacement);
