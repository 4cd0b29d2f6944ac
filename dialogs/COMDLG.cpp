#include "dialogs/COMDLG.h"

#include "platform/Desktop.h"
#include "platform/System.h"

namespace COMDLG {
namespace {

QString patternsForQt(QString pattern)
{
    pattern = pattern.trimmed();
    if (pattern.isEmpty())
        return QStringLiteral("*");
    QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : patterns) {
        p = p.trimmed();
        // "*.*" means every file where these filters come from, dotless names included.
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    return patterns.join(QLatin1Char(' '));
}

QString runDialog(FileDialogRequest::Mode mode, QWidget *owner, const QString &title, QString &initDir,
                  const QString &filter, quint32 flags)
{
    ApplyInitialFolderRule(initDir);
    FileDialogRequest request;
    request.owner = owner;
    request.mode = mode;
    request.title = title;
    request.initialFolder = initDir;
    request.nameFilters = ConvertFilter(filter);
    request.confirmOverwrite = (flags & OFN_OVERWRITEPROMPT) != 0;
    request.fileMustExist = (flags & OFN_FILEMUSTEXIST) != 0;
    const std::optional<QString> chosen = desktop().fileDialog(request);
    if (!chosen || chosen->toUtf8().size() > MaxPathBytes)
        return QString();
    return *chosen;
}

} // namespace

void ApplyInitialFolderRule(QString &InitDir)
{
    if (InitDir.trimmed().isEmpty()) {
        InitDir = os().programFolder();
        return;
    }
    QString folder = InitDir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    InitDir = os().isFolder(folder) ? folder : os().programFolder();
}

QStringList ConvertFilter(const QString &Filter)
{
    QStringList result;
    if (Filter.trimmed().isEmpty())
        return result;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        const QString qtPatterns = patternsForQt(pattern);
        const QString description = parts[i].isEmpty() ? qtPatterns : parts[i];
        result << description + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
    }
    return result;
}

QString ShowOpen(QWidget *OwnerHwnd, const QString &Title, QString &InitDir, const QString &Filter,
                 quint32 Flags)
{
    return runDialog(FileDialogRequest::Mode::Open, OwnerHwnd, Title, InitDir, Filter, Flags);
}

QString ShowSave(QWidget *OwnerHwnd, const QString &Title, QString &InitDir, const QString &Filter,
                 quint32 Flags)
{
    return runDialog(FileDialogRequest::Mode::Save, OwnerHwnd, Title, InitDir, Filter, Flags);
}

} // namespace COMDLG
