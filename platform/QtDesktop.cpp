#include "platform/QtDesktop.h"

#include "platform/LeftButtonMenu.h"
#include "platform/QtFileDialog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>
#include <QWindow>

MsgAnswer QtDesktop::messageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.owner);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(request.icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    if (request.buttons == MsgButtons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

std::optional<QString> QtDesktop::fileDialog(const FileDialogRequest &request)
{
    return QtFileDialog::run(request);
}

void QtDesktop::popupMenu(QMenu *menu, const QPoint &globalPos) { LeftButtonMenu::exec(menu, globalPos); }

QPoint QtDesktop::pointerPosition() { return QCursor::pos(); }

bool QtDesktop::startWindowMove(QWidget *window)
{
    // Under X11 a window manager's move (startSystemMove) ends only at a
    // button-1 release that reaches the manager after it took the pointer,
    // so a right or middle press, or a left click quicker than the manager,
    // would leave the window glued to the pointer: the window follows the
    // pointer itself there. Wayland lets no window place itself: there the
    // compositor moves it.
    QWindow *handle = window->windowHandle();
    return handle && QGuiApplication::platformName() == QLatin1String("wayland") && handle->startSystemMove();
}

bool QtDesktop::shellOpen(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktop::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }
