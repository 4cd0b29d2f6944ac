// Command 2: the window's side of a conversion run. The run itself is
// ConversionRun's; here the list, the labels, the buttons, the busy
// indicator and the message box follow it.

#include "window/frmMain.h"

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "jobs/core/ConversionRun.h"
#include "platform/Desktop.h"
#include "platform/System.h"
#include "window/ImageArea.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>

using TranscoderCommandLine::SettingPieces;

namespace {

QString filesLeft(int count) { return QString::number(count) + QStringLiteral(" file(s) left"); }

SettingPieces piecesOf(const SettingsPanel &panel)
{
    const auto piece = &SettingsPanel::SettingPiece;
    return {piece(panel.cmbFPSAVI),  piece(panel.cmbSizeAVI), piece(panel.cmbFPSWMV),
            piece(panel.cmbSizeWMV), piece(panel.cmbSizeMOV), piece(panel.cmbVBRMP4),
            piece(panel.cmbFPSMP4),  piece(panel.cmbSizeMP4), piece(panel.cmbVBR3GP),
            piece(panel.cmbFPS3GP),  piece(panel.cmbSize3GP), piece(panel.cmbAB3GP)};
}

// The run reads the list itself, row by row, at each step.
class ListEntries : public RunEntries {
public:
    explicit ListEntries(const FileListView &list) : list_(list) {}
    int count() const override { return list_.RowCount(); }
    QString source(int k) const override { return list_.RowText(k).value_or(QString()); }
    std::optional<QString> output(int k) const override { return list_.SubItemText(k); }

private:
    const FileListView &list_;
};

} // namespace

void frmMain::ConvertCommand()
{
    picSetting->hide();
    if (LV->RowCount() == 0) {
        desktop().messageBox({this, QStringLiteral("Please click Add Button to add a FLV file"),
                              MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Warning")});
        return;
    }
    ConversionRun run(os());
    run.observer.counter = [this](int left) { lblFileNo->setText(filesLeft(left)); };
    run.observer.composed = [this](const QString &line) { lstShell->addItem(line); };
    run.observer.starting = [this] {
        setEnabled(false);
        ShowBusyIndicator();
    };
    run.observer.started = [this] { StartBusyTimer(); };
    run.observer.finished = [this] { lstShell->clear(); };
    run_ = &run;

    CurrentFileIndex = 1;
    LV->setEnabled(false);
    imgButton[2]->clearPicture();
    for (int i = 0; i <= 4; ++i)
        imgButton[i]->setEnabled(false);
    desktop().doEvents();
    run.copyTranscoders();
    desktop().doEvents();
    LV->hide();
    lblConverting->show();
    lblFileNo->setText(filesLeft(LV->RowCount()));
    lblFileNo->show();

    ConvertNextFile();

    LV->show();
    LV->setEnabled(true);
    setEnabled(true);
    run.deleteWorkingFiles();
    HideBusyIndicator();
    for (ImageArea *button : imgButton)
        button->setEnabled(true);
    run_ = nullptr;
    // Asked to end while it ran: the run is wrapped up, the program goes.
    if (run.interrupted()) {
        os().endProgram();
        return;
    }
    const RunReport &report = run.report();
    if (report.complete()) {
        desktop().messageBox({this, QStringLiteral("Converting Complete."), MsgButtons::Ok,
                              MsgIcon::Exclamation, QStringLiteral("OK")});
    } else {
        desktop().messageBox(
            {this, report.warningText(), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Warning")});
    }
}

void frmMain::ConvertNextFile()
{
    if (run_)
        run_->convertEntries(ListEntries(*LV), piecesOf(*picSetting), CurrentFileIndex);
}

void frmMain::EndProgram()
{
    if (run_)
        run_->interrupt();
    else
        os().endProgram();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing during a run ends it cleanly first; its wrap-up ends the program.
    if (run_) {
        event->ignore();
        run_->interrupt();
        return;
    }
    QWidget::closeEvent(event);
}
