#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"

void frmMain::ConvertCommand()
{
    picSetting->hide();
}
