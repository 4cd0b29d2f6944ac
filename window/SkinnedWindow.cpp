// The frameless window's own handlers: drag, clearing every hover look, exit.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/Desktop.h"
#include "platform/System.h"
#include "window/ImageArea.h"

void frmMain::Form_MouseDown(qint16, qint16, float, float)
{
    // Any button moves the window, and the move ends at the release.
    followingPointer_ = !desktop().startWindowMove(this);
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

void frmMain::imgExit_Click() { os().endProgram(); }
