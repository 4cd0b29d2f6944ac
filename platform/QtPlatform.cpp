#include "platform/QtPlatform.h"

#include "platform/FileCopy.h"
#include "platform/LeftButtonMenu.h"
#include "platform/ProcessRunner.h"
#include "platform/QtFileDialog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MsgAnswer QtPlatform::messageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.owner);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setIcon(request.icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    if (request.buttons == MsgButtons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

std::optional<QString> QtPlatform::fileDialog(const FileDialogRequest &request)
{
    return QtFileDialog::run(request);
}

void QtPlatform::popupMenu(QMenu *menu, const QPoint &globalPos)
{
    LeftButtonMenu::exec(menu, globalPos);
}

QPoint QtPlatform::pointerPosition()
{
    return QCursor::pos();
}

bool QtPlatform::shellOpen(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPlatform::endProgram()
{
    std::_Exit(0);
}

bool QtPlatform::copyFile(const QString &source, const QString &destination)
{
    return FileCopy::copyReplacing(source, destination);
}

bool QtPlatform::deleteFile(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

bool QtPlatform::isPlainFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool QtPlatform::isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool QtPlatform::createFolder(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).exists())
        return false;
    // Missing parents are made too, each private to the user.
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !QFileInfo(parent).exists())
        createFolder(parent);
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
}

std::unique_ptr<ChildProcess> QtPlatform::startProcess(const QString &program,
                                                       const QStringList &arguments)
{
    return ProcessRunner::start(program, arguments);
}

bool QtPlatform::previousInstanceRunning()
{
    if (instanceLock_)
        return false;
    // The user's runtime folder is private; the shared temporary folder,
    // the last resort, needs the user's number in the name to stay per user.
    QString path = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!path.isEmpty())
        path += QStringLiteral("/morvane-converter.lock");
    else
        path = QDir::tempPath() + QStringLiteral("/morvane-converter-%1.lock").arg(::getuid());
    auto lock = std::make_unique<QLockFile>(path);
    // Never stale by age: only a holder that has gone frees it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    instanceLock_ = std::move(lock);
    return false;
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::stagingFolder()
{
    // The generic location: no organisation or application name inserted.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/morvane-converter/tmp");
}
