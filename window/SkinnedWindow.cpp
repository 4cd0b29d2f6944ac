// The frameless window's own handlers: drag, clearing every hover look, exit.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/System.h"
#include "window/ImageArea.h"

#include <QWindow>

void frmMain::Form_MouseDown(qint16, qint16, float, float)
{
    // Any button moves the window. A window manager moves it itself until the
    // release; a bare X server has none (startSystemMove fails there), so the
    // window follows the pointer from the press offset until the release.
    QWindow *window = windowHandle();
    followingPointer_ = !(window && window->startSystemMove());
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
