// Start-up, before the window first shows.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/ColourKeyWindow.h"
#include "platform/Platform.h"
#include "skin/Skin.h"

bool frmMain::Form_Load()
{
    if (platform().previousInstanceRunning()) {
        platform().endProgram();
        return false;
    }
    HelpFile = platform().programFolder() + QStringLiteral("/help.chm");
    TransparentKey = Layout::KeyColour;
    ColourKeyWindow::apply(this, skinPicture(), TransparentKey);
    BusyStep = 0;
    // Failures are the normal case on every start after the first.
    platform().createFolder(platform().stagingFolder());
    platform().createFolder(platform().programFolder() + QStringLiteral("/data"));
    CalledFromMenu = false;
    picSetting->move(Layout::pixels(Layout::picSetting).topLeft());
    picSetting->ResetSettings();
    return true;
}
