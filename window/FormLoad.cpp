// Start-up, before the window first shows.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "jobs/core/RunFiles.h"
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
    // Failures are the normal case on every start after the first.
    os().createFolder(os().stagingFolder());
    os().createFolder(RunFiles::dataFolder(os().programFolder()));
    CalledFromMenu = false;
    picSetting->move(Layout::pixels(Layout::picSetting).topLeft());
    picSetting->ResetSettings();
    return true;
}
