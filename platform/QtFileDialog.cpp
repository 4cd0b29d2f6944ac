#include "platform/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

// A place where no settings file can ever be: below a character device.
const QString NowhereForSettings = QStringLiteral("/dev/null/");

// Qt's dialog keeps its history, last folder and view state in the user's
// QtProject settings, and reads them back the next time. Pointing the
// user-scope settings nowhere while a dialog lives keeps nothing from one
// call to the next and writes nothing.
class SettingsNowhere {
public:
    SettingsNowhere() { point(NowhereForSettings); }
    ~SettingsNowhere() { point(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)); }

private:
    static void point(const QString &path)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
};

// Reads the typed name itself: Qt's dialog takes double quotes as a list of
// names even where only one file can be chosen, and '"' is a legal letter
// of a name here.
class ExactNameDialog : public QFileDialog {
public:
    ExactNameDialog(const FileDialogRequest &request)
        : QFileDialog(request.owner, request.title, request.initialFolder), request_(request)
    {
    }

    std::optional<QString> chosen;

    void accept() override
    {
        auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        if (typed.isEmpty()) {
            QFileDialog::accept(); // a folder chosen in the list: Qt opens it
            return;
        }
        QString path = resolve(typed);
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            edit->clear();
            return;
        }
        const bool save = request_.mode == FileDialogRequest::Mode::Save;
        if (save && QFileInfo(path).suffix().isEmpty()) {
            const QString extension = QtFileDialog::filterExtension(selectedNameFilter());
            if (!extension.isEmpty())
                path += QLatin1Char('.') + extension;
        }
        const bool exists = QFileInfo::exists(path);
        if (!save && request_.fileMustExist && !exists) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nFile not found.\nPlease verify the correct file name was given.")
                                     .arg(QFileInfo(path).fileName()));
            return;
        }
        if (save && exists && request_.confirmOverwrite
            && QMessageBox::warning(
                   this, windowTitle(),
                   tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            return;
        chosen = path;
        QDialog::accept();
    }

private:
    QString resolve(const QString &typed) const
    {
        if (typed.startsWith(QLatin1Char('/')))
            return typed;
        if (typed == QLatin1String("~"))
            return QDir::homePath();
        if (typed.startsWith(QLatin1String("~/")))
            return QDir::homePath() + typed.mid(1);
        QString folder = directory().absolutePath();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return folder + typed;
    }

    FileDialogRequest request_;
};

} // namespace

namespace QtFileDialog {

QString filterExtension(const QString &nameFilter)
{
    const int open = nameFilter.lastIndexOf(QLatin1Char('('));
    const int close = nameFilter.lastIndexOf(QLatin1Char(')'));
    const QString patterns =
        open >= 0 && close > open ? nameFilter.mid(open + 1, close - open - 1) : nameFilter;
    for (const QString &pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!pattern.startsWith(QLatin1String("*.")))
            continue;
        const QString extension = pattern.mid(2);
        if (!extension.isEmpty() && !extension.contains(QLatin1Char('*'))
            && !extension.contains(QLatin1Char('?')) && !extension.contains(QLatin1Char('['))
            && !extension.contains(QLatin1Char('.')))
            return extension.toLower();
    }
    return QString();
}

std::optional<QString> run(const FileDialogRequest &request)
{
    SettingsNowhere settings;
    ExactNameDialog dialog(request);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, request.hideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setAcceptMode(request.mode == FileDialogRequest::Mode::Save ? QFileDialog::AcceptSave
                                                                       : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(request.nameFilters);
    // Patterns match without regard to case, as on the system the filters were written for.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen || dialog.chosen->isEmpty())
        return std::nullopt;
    return dialog.chosen;
}

} // namespace QtFileDialog
