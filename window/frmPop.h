#pragma once
// The window that holds every popup menu. It is never shown; it comes into
// being the first time something asks for it and lives until the program ends.

#include <QString>
#include <QWidget>

class QAction;
class QMenu;
class frmMain;

class frmPop : public QWidget {
    Q_OBJECT
public:
    frmPop();

    // The five menus, popped up by the menu titles and the Remove command.
    QMenu *menuFile = nullptr;
    QMenu *menuTools = nullptr;
    QMenu *menuSettings = nullptr;
    QMenu *menuAbout = nullptr;
    QMenu *remove = nullptr;

    QAction *menuAdd = nullptr;
    QAction *menuRemove = nullptr;
    QAction *menuS = nullptr;
    QAction *menuExit = nullptr;
    QAction *menuConverter = nullptr;
    QAction *menuSetting = nullptr;
    QAction *menuHelp = nullptr;
    QAction *menuSS = nullptr;
    QAction *menuA = nullptr;
    QAction *menuRS = nullptr;
    QAction *Remnoveall = nullptr;

    // The channel's next prefix letter; empty until the first relay item.
    QString MsgPrefix;

    // Picks the prefix letter that differs from the channel's current one.
    void ChangeMsg();

    // Relay items: each sends its command number through the channel.
    void menuAdd_Click();
    void menuRemove_Click();
    void menuConverter_Click();
    void menuSetting_Click();
    void menuHelp_Click();
    void menuExit_Click();

    void menuA_Click(); // About box

    // The Remove menu.
    void menuRS_Click();
    void Remnoveall_Click();

    // The About box's text: the maker's web address between two empty lines.
    static const QString AboutText;

private:
    void sendCommand(QChar digit);
};

// The one menu window, created at its first use.
frmPop &frmPopInstance();

// The program's single main window, which the menus act on. A main window
// registers itself when it is created and withdraws when it goes.
frmMain *theMainWindow();
void registerMainWindow(frmMain *window);
void unregisterMainWindow(frmMain *window);
