// Start-up, before the window first shows.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/ColourKeyWindow.h"
#include "platform/System.h"
#include "skin/Skin.h"

bool frmMain::Form_Load()
{
    if (os().previousInstanceRunning()) {
        os().endProgram();
        return false;
    }
    HelpFile = os().programFolder() + QStringLiteral("/help.chm");
    TransparentKey = Layout::KeyColour;
    ColourKeyWindow::apply(this, skinPicture(), TransparentKey);
    BusyStep = 0;
    // Made private to the user; a run checks them again before it uses them
    // and reports what is wrong, so nothing is said here.
    os().makePrivateFolder(os().stagingFolder());
    os().makePrivateFolder(os().dataFolder());
    CalledFromMenu = false;
    picSetting->move(Layout::pixels(Layout::picSetting).topLeft());
    picSetting->ResetSettings();
    return true;
}
