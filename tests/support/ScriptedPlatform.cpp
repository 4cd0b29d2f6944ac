#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QCoreApplication>

ScriptedPlatform::ScriptedPlatform() { previousDesktop_ = setDesktop(this); }

ScriptedPlatform::~ScriptedPlatform() { setDesktop(previousDesktop_); }

MsgAnswer ScriptedPlatform::messageBox(const MessageBoxRequest &request)
{
    messages.push_back(request);
    if (duringMessageBox)
        duringMessageBox(request);
    if (messageAnswers.empty())
        return MsgAnswer::Ok;
    const MsgAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::fileDialog(const FileDialogRequest &request)
{
    fileDialogs.push_back(request);
    if (fileAnswers.empty())
        return std::nullopt;
    const bool chosen = fileAnswers.front().has_value();
    const QString path = fileAnswers.front().value_or(QString());
    fileAnswers.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

QStringList ScriptedPlatform::itemCaptions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

void ScriptedPlatform::popupMenu(QMenu *menu, const QPoint &globalPos)
{
    popups.push_back({menu->title(), itemCaptions(menu), globalPos});
    if (duringPopup)
        duringPopup(menu);
    if (menuChoices.empty())
        return;
    const QString choice = menuChoices.front();
    menuChoices.pop_front();
    if (choice.isEmpty())
        return;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator() && QString(action->text()).remove(QLatin1Char('&')) == choice) {
            // A real menu has closed before the chosen item's handler runs.
            action->trigger();
            return;
        }
    }
}

QPoint ScriptedPlatform::pointerPosition() { return pointer; }

bool ScriptedPlatform::shellOpen(const QString &path)
{
    shellOpened.push_back(path);
    return shellResult;
}

void ScriptedPlatform::doEvents()
{
    ++doEventsCalls;
    QtDesktop::doEvents();
}
