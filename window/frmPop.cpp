#include "window/frmPop.h"

#include "platform/Desktop.h"
#include "window/frmMain.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {
frmMain *registeredMainWindow = nullptr;
}

frmMain *theMainWindow() { return registeredMainWindow; }

void registerMainWindow(frmMain *window) { registeredMainWindow = window; }

void unregisterMainWindow(frmMain *window)
{
    if (registeredMainWindow == window)
        registeredMainWindow = nullptr;
}

const QString frmPop::AboutText = QStringLiteral("\r\nhttps://morvane.example/\r\n");

frmPop &frmPopInstance()
{
    // Never deleted: it must outlive every handler, and a widget may not
    // outlive the application object in a static's destructor.
    static frmPop *const instance = new frmPop;
    return *instance;
}

frmPop::frmPop() : QWidget(nullptr)
{
    auto addItem = [this](QMenu *menu, const QString &caption, void (frmPop::*handler)()) {
        QAction *action = menu->addAction(caption);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    menuFile = new QMenu(QStringLiteral("File"), this);
    menuAdd = addItem(menuFile, QStringLiteral("Add New(&A)"), &frmPop::menuAdd_Click);
    menuRemove = addItem(menuFile, QStringLiteral("Remove(&R)"), &frmPop::menuRemove_Click);
    menuS = menuFile->addSeparator();
    menuExit = addItem(menuFile, QStringLiteral("Exit(&E)"), &frmPop::menuExit_Click);

    menuTools = new QMenu(QStringLiteral("Convert"), this);
    menuConverter = addItem(menuTools, QStringLiteral("Start Converting(&C)"), &frmPop::menuConverter_Click);

    menuSettings = new QMenu(QStringLiteral("Settings"), this);
    menuSetting = addItem(menuSettings, QStringLiteral("Settings(&S)"), &frmPop::menuSetting_Click);

    menuAbout = new QMenu(QStringLiteral("About"), this);
    menuHelp = addItem(menuAbout, QStringLiteral("Help(&H)"), &frmPop::menuHelp_Click);
    menuSS = menuAbout->addSeparator();
    menuA = addItem(menuAbout, QStringLiteral("About(&A)"), &frmPop::menuA_Click);

    remove = new QMenu(QStringLiteral("Remove"), this);
    menuRS = addItem(remove, QStringLiteral("Remove Selected"), &frmPop::menuRS_Click);
    Remnoveall = addItem(remove, QStringLiteral("Remove All"), &frmPop::Remnoveall_Click);
}

void frmPop::ChangeMsg()
{
    frmMain *main = theMainWindow();
    const QString text = main ? main->menuMsg->text() : QString();
    MsgPrefix = text.left(1);
    MsgPrefix = MsgPrefix == QLatin1String("b") ? QStringLiteral("a") : QStringLiteral("b");
}

void frmPop::sendCommand(QChar digit)
{
    ChangeMsg();
    // The new text always differs from the old one, so the channel's change
    // handler runs the command before this write returns.
    if (frmMain *main = theMainWindow())
        main->menuMsg->setText(MsgPrefix + digit);
}

void frmPop::menuAdd_Click() { sendCommand(QLatin1Char('0')); }
void frmPop::menuRemove_Click() { sendCommand(QLatin1Char('1')); }
void frmPop::menuConverter_Click() { sendCommand(QLatin1Char('2')); }
void frmPop::menuSetting_Click() { sendCommand(QLatin1Char('3')); }
void frmPop::menuHelp_Click() { sendCommand(QLatin1Char('4')); }
void frmPop::menuExit_Click() { sendCommand(QLatin1Char('5')); }

void frmPop::menuA_Click()
{
    MessageBoxRequest request;
    request.owner = theMainWindow();
    request.text = AboutText;
    request.buttons = MsgButtons::Ok;
    request.icon = MsgIcon::None;
    request.title = QStringLiteral("About");
    desktop().messageBox(request);
}
