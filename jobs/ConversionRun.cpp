// Command 2: converts every entry of the list with the external transcoder,
// one after the other, and tells the user how the run went.

#include "jobs/ConversionRun.h"

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "jobs/core/TranscoderCommandLine.h"
#include "platform/Platform.h"
#include "window/ImageArea.h"
#include "window/frmMain.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryFile>

#include <cstdio>
#include <limits>

using namespace TranscoderCommandLine;

namespace {

const QString NotReached = QStringLiteral("not converted: the run ended before it");
const QString BeyondLimit = QStringLiteral("not converted: one run converts at most 32767 files");
// A box of thousands of lines helps nobody: the rest is counted.
constexpr int ListedFailures = 20;

QString filesLeft(int count)
{
    return QString::number(count) + QStringLiteral(" file(s) left");
}

SettingPieces piecesOf(const SettingsPanel &panel)
{
    const auto piece = &SettingsPanel::SettingPiece;
    return {piece(panel.cmbFPSAVI), piece(panel.cmbSizeAVI), piece(panel.cmbFPSWMV),
            piece(panel.cmbSizeWMV), piece(panel.cmbSizeMOV), piece(panel.cmbVBRMP4),
            piece(panel.cmbFPSMP4), piece(panel.cmbSizeMP4), piece(panel.cmbVBR3GP),
            piece(panel.cmbFPS3GP), piece(panel.cmbSize3GP), piece(panel.cmbAB3GP)};
}

// Empty when the transcoder ended well.
QString transcoderFailure(const ProcessOutcome &outcome)
{
    if (!outcome.exitedNormally) {
        return outcome.lastErrorLine.isEmpty()
                   ? QStringLiteral("the transcoder ended abnormally")
                   : QStringLiteral("the transcoder ended abnormally: ") + outcome.lastErrorLine;
    }
    if (outcome.exitCode != 0) {
        return outcome.lastErrorLine.isEmpty()
                   ? QStringLiteral("the transcoder failed (exit code %1)").arg(outcome.exitCode)
                   : outcome.lastErrorLine;
    }
    return QString();
}

// Puts the staged result at the output path in one step: the path holds the
// old file or the whole new one, never a part. Empty when delivered.
QString deliver(const QString &stagedOutput, const QString &outputPath)
{
    const QFileInfo result(stagedOutput);
    if (!result.exists())
        return QStringLiteral("the transcoder wrote no output");
    if (result.size() == 0)
        return QStringLiteral("the transcoder wrote an empty output");

    const QFileInfo target(outputPath);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return QStringLiteral("the output folder does not exist or cannot be written");
    temporary.close();
    // The copy makes the file anew: ext4 flushes a file truncated to nothing
    // when it is closed, which doubles the time of a large delivery.
    QFile::remove(temporary.fileName());
    if (!platform().copyFile(stagedOutput, temporary.fileName()))
        return QStringLiteral("the result could not be written to the output folder");
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(outputPath).constData()) != 0)
        return QStringLiteral("the result could not be put at the output path");
    temporary.setAutoRemove(false);
    return QString();
}

// A transcoder copy that failed half-way must not be started.
void copyTranscoder(const QString &from, const QString &to)
{
    if (!platform().copyFile(from, to))
        platform().deleteFile(to);
}

} // namespace

QString RunReport::warningText() const
{
    QString text = QStringLiteral("%1 of %2 file(s) converted.\n").arg(converted).arg(entries);
    int listed = 0;
    for (const Failure &failure : failures) {
        if (listed++ == ListedFailures) {
            text += QStringLiteral("\n... and %1 more not converted")
                        .arg(failures.size() - ListedFailures);
            break;
        }
        text += QStringLiteral("\n") + failure.outputPath + QStringLiteral(": ") + failure.reason;
    }
    return text;
}

void frmMain::ConvertCommand()
{
    picSetting->hide();
    if (LV->RowCount() == 0) {
        platform().messageBox({this, QStringLiteral("Please click Add Button to add a FLV file"),
                               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Warning")});
        return;
    }
    CurrentFileIndex = 1;
    LV->setEnabled(false);
    imgButton[2]->clearPicture();
    for (int i = 0; i <= 4; ++i)
        imgButton[i]->setEnabled(false);
    platform().doEvents();
    const QString program = platform().programFolder();
    copyTranscoder(program + QStringLiteral("/conv.dll"), program + QStringLiteral("/data/conv.exe"));
    copyTranscoder(program + QStringLiteral("/conv1.dll"), program + QStringLiteral("/data/conv1.exe"));
    platform().doEvents();
    LV->hide();
    lblConverting->show();
    lblFileNo->setText(filesLeft(LV->RowCount()));
    lblFileNo->show();

    RunReport report;
    ConvertNextFile(report);
    report.entries = LV->RowCount();

    LV->show();
    LV->setEnabled(true);
    setEnabled(true);
    const QString staging = platform().stagingFolder();
    for (const char *extension : {"mov", "wmv", "3gp", "mp4", "avi", "flv"})
        platform().deleteFile(staging + QStringLiteral("/tmpFile.") + QLatin1String(extension));
    platform().deleteFile(program + QStringLiteral("/data/conv.exe"));
    platform().deleteFile(program + QStringLiteral("/data/conv1.exe"));
    HideBusyIndicator();
    for (ImageArea *button : imgButton)
        button->setEnabled(true);
    if (report.complete()) {
        platform().messageBox({this, QStringLiteral("Converting Complete."), MsgButtons::Ok,
                               MsgIcon::Exclamation, QStringLiteral("OK")});
    } else {
        platform().messageBox({this, report.warningText(), MsgButtons::Ok, MsgIcon::Exclamation,
                               QStringLiteral("Warning")});
    }
}

void frmMain::ConvertNextFile(RunReport &report)
{
    const QString staging = platform().stagingFolder();
    const QString program = platform().programFolder();

    // Leaving the run: entry `from` for `reason`, the ones after it with `rest`.
    const auto endRun = [&](int from, const QString &reason, const QString &rest) {
        lstShell->clear();
        for (int k = from; k <= LV->RowCount(); ++k)
            report.failures.push_back({LV->SubItemText(k).value_or(QString()),
                                       k == from ? reason : rest});
    };

    while (CurrentFileIndex <= LV->RowCount()) {
        const int k = CurrentFileIndex;
        lblFileNo->setText(filesLeft(LV->RowCount() - k + 1));
        const QString source = LV->RowText(k).value_or(QString());
        const std::optional<QString> outputPath = LV->SubItemText(k);
        const std::optional<OutputFormat> format = formatOf(outputPath.value_or(QString()));

        // Nothing an earlier entry or run left may pass for this entry's result.
        platform().deleteFile(stagedInputPath(staging));
        if (format)
            platform().deleteFile(stagedOutputPath(staging, *format));
        const bool staged = platform().copyFile(source, stagedInputPath(staging));

        std::optional<CommandLine> line;
        if (format) {
            line = compose(*format, piecesOf(*picSetting), program, staging);
            lstShell->addItem(line->display);
        }
        setEnabled(false);
        ShowBusyIndicator();
        if (lstShell->count() == 0) {
            endRun(k, outputPath ? QStringLiteral("no output format")
                                 : QStringLiteral("no output path"), NotReached);
            return;
        }

        QString failure;
        if (!staged) {
            failure = QStringLiteral("the source could not be copied to the staging folder");
        } else {
            const std::unique_ptr<ChildProcess> child =
                platform().startProcess(line->program, line->arguments);
            if (!child) {
                endRun(k, platform().isPlainFile(line->program)
                              ? QStringLiteral("the transcoder could not be started")
                              : QStringLiteral("transcoder missing"), NotReached);
                return;
            }
            StartBusyTimer();
            failure = transcoderFailure(child->wait());
            if (failure.isEmpty())
                failure = deliver(line->stagedOutput, *outputPath);
        }
        if (failure.isEmpty())
            ++report.converted;
        else
            report.failures.push_back({*outputPath, failure});

        lstShell->clear();
        if (CurrentFileIndex == std::numeric_limits<qint16>::max()) {
            endRun(k + 1, BeyondLimit, BeyondLimit);
            return;
        }
        ++CurrentFileIndex;
    }
}
