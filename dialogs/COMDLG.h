#pragma once
// The open and save file dialogs behind the Add command.

#include <QString>
#include <QStringList>

class QWidget;

namespace COMDLG {

// Flag bits of the dialog flag word that mean anything here.
constexpr quint32 OFN_OVERWRITEPROMPT = 0x2;
constexpr quint32 OFN_HIDEREADONLY = 0x4;
constexpr quint32 OFN_NOCHANGEDIR = 0x8;
constexpr quint32 OFN_FILEMUSTEXIST = 0x1000;
constexpr quint32 OFN_LONGNAMES = 0x200000;

// The longest path handed back, in bytes of its UTF-8 form.
constexpr int MaxPathBytes = 254;

// The chosen full path, or an empty text on cancel or failure.
QString ShowOpen(QWidget *OwnerHwnd, const QString &Title, QString &InitDir, const QString &Filter,
                 quint32 Flags);
QString ShowSave(QWidget *OwnerHwnd, const QString &Title, QString &InitDir, const QString &Filter,
                 quint32 Flags);

// The folder rule: blank gives the program's folder, an existing folder gets
// a trailing '/', a missing one gives the program's folder.
void ApplyInitialFolderRule(QString &InitDir);

// "description|pattern|..." to Qt's "description (patterns)" entries.
QStringList ConvertFilter(const QString &Filter);

} // namespace COMDLG
