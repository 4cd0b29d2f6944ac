// The frameless window's own handlers: drag, clearing every hover look, exit.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/System.h"
#include "window/ImageArea.h"

#include <QGuiApplication>
#include <QWindow>

void frmMain::Form_MouseDown(qint16, qint16, float, float)
{
    // Any button moves the window, and the move ends at the release. Under X11
    // the window follows the pointer itself from the press offset: a window
    // manager's move (startSystemMove) ends only at a button-1 release that
    // reaches the manager after it took the pointer, so a right or middle
    // press, or a left click quicker than the manager, would leave the window
    // glued to the pointer. Wayland lets no window place itself: there the
    // compositor moves it.
    QWindow *window = windowHandle();
    followingPointer_ = !(window && QGuiApplication::platformName() == QLatin1String("wayland")
                          && window->startSystemMove());
}

void frmMain::Form_MouseMove(qint16, qint16, float, float)
{
    for (ImageArea *button : imgButton)
        button->clearPicture();
    for (ImageArea *title : imgMenu)
        title->clearPicture();
    // Cancel, OK, Default back to black, panel shown or not.
    picSetting->picSetting_MouseMove();
}

void frmMain::imgExit_Click()
{
    os().endProgram();
}
