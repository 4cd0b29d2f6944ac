// One procedure runs the six commands by number, from the tool strip's
// release or from the menus' command channel.

#include "window/frmMain.h"

#include "jobs/SettingsPanel.h"
#include "platform/Desktop.h"
#include "platform/System.h"
#include "window/ImageArea.h"
#include "window/Module1.h"

void frmMain::imgButton_MouseUp(qint16 Index, qint16, qint16, float, float)
{
    for (ImageArea *button : imgButton)
        button->clearPicture();
    if (!CalledFromMenu && quint16(Index) <= 5)
        imgButton[Index]->setPicture(imgButtonData[Index]);
    CalledFromMenu = false;
    desktop().doEvents();
    Module1::MenuButtonDown = false;

    // Unsigned, so negative numbers fall out with those above 5.
    switch (quint16(Index)) {
    case 0: AddCommand(); break;
    case 1: RemoveCommand(); break;
    case 2: ConvertCommand(); break;
    case 3: SettingsCommand(); break;
    case 4: HelpCommand(); break;
    case 5: ExitCommand(); break;
    default: break;
    }
}

void frmMain::SettingsCommand() { picSetting->show(); }

void frmMain::HelpCommand()
{
    // The outcome is not looked at: a missing file or a failing shell shows nothing.
    desktop().shellOpen(os().programFolder() + QStringLiteral("/help.chm"));
}

void frmMain::ExitCommand() { os().endProgram(); }
