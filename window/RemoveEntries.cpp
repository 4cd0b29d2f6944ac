// Command 1 and the Remove menu's two items.

#include "window/frmMain.h"

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "platform/Desktop.h"
#include "window/frmPop.h"

void frmMain::RemoveCommand()
{
    picSetting->hide();
    desktop().popupMenu(frmPopInstance().remove, desktop().pointerPosition());
}

void frmPop::menuRS_Click()
{
    frmMain *main = theMainWindow();
    if (!main || main->LV->RowCount() <= 0)
        return;
    // With no row selected there is nothing to remove, and nothing is said.
    if (const std::optional<int> selected = main->LV->SelectedRow())
        main->LV->RemoveRow(*selected);
}

void frmPop::Remnoveall_Click()
{
    frmMain *main = theMainWindow();
    MessageBoxRequest request;
    request.owner = main;
    request.text = QStringLiteral("Remove all files from the file list?");
    request.buttons = MsgButtons::OkCancel;
    request.icon = MsgIcon::Exclamation;
    request.title = QStringLiteral("Confirmation");
    if (desktop().messageBox(request) != MsgAnswer::Ok || !main)
        return;
    while (main->LV->RowCount() > 0)
        main->LV->RemoveRow(1);
}
