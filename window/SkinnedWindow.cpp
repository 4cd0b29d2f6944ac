// The frameless window's own handlers: drag, clearing every hover look, exit.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/Platform.h"
#include "window/ImageArea.h"

#include <QWindow>

void frmMain::Form_MouseDown(qint16, qint16, float, float)
{
    // Let the window manager move us; a bare X server has none, so follow the
    // pointer ourselves until the button is released.
    QWindow *window = windowHandle();
    followingPointer_ = !(window && window->startSystemMove());
}

void frmMain::Form_MouseMove(qint16, qint16, float, float)
{
    for (ImageArea *button : imgButton)
        button->clearPicture();
    for (ImageArea *title : imgMenu)
        title->clearPicture();
    picSetting->picSetting_MouseMove();
}

void frmMain::imgExit_Click()
{
    platform().endProgram();
}
