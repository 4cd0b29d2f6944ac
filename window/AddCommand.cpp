// Command 0: asks for a source and an output path and appends one entry.

#include "window/frmMain.h"

#include "dialogs/COMDLG.h"
#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "platform/Desktop.h"
#include "platform/System.h"

namespace {
const QString OpenFilter = QStringLiteral("FLV Files(*.FLV)|*.flv|All(*.*)|*.*");
const QString SaveFilter = QStringLiteral(
    "AVI Files(*.AVI)|*.avi|WMV Files(*.wmv) - Zune/Pocket PC|*.wmv|MOV Files(*.mov) - "
    "QuickTime|*.mov|MP4 Files(*.mp4) - iPod/PSP/MP4|*.mp4|3GP Files(*.3gp) - Mobile Phone|*.3gp");
} // namespace

void frmMain::AddCommand()
{
    picSetting->hide();

    QString openFolder;
    const QString source = COMDLG::ShowOpen(this, QStringLiteral("Open"), openFolder, OpenFilter,
                                            COMDLG::OFN_LONGNAMES | COMDLG::OFN_NOCHANGEDIR);
    if (!os().isPlainFile(source)) {
        desktop().messageBox({this, QStringLiteral("File is not exist"), MsgButtons::Ok, MsgIcon::Exclamation,
                              QStringLiteral("Warning")});
        return;
    }

    QString saveFolder;
    const QString output = COMDLG::ShowSave(this, QStringLiteral("Save as"), saveFolder, SaveFilter,
                                            COMDLG::OFN_LONGNAMES | COMDLG::OFN_HIDEREADONLY);
    if (output.isEmpty() || source.isEmpty())
        return;

    LV->show();
    LV->AppendRow(source);
    LV->AddSubItem(LV->RowCount(), output);
}
