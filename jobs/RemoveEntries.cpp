#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"

void frmMain::RemoveCommand()
{
    picSetting->hide();
}
