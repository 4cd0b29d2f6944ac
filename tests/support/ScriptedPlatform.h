#pragma once
// Plays the user at every modal point and records what was asked. Its
// system half is TestSystem: real files and processes in folders of the
// test's own, any call made to fail on demand.

#include "platform/QtDesktop.h"
#include "support/TestSystem.h"

#include <QMenu>

#include <deque>
#include <functional>
#include <vector>

class ScriptedPlatform : public QtDesktop, public TestSystem {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Message boxes: answered from the queue, Ok when it is empty.
    std::deque<MsgAnswer> messageAnswers;
    std::vector<MessageBoxRequest> messages;
    std::function<void(const MessageBoxRequest &)> duringMessageBox;

    // File dialogs: answered from the queue; an empty queue or nullopt cancels.
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<FileDialogRequest> fileDialogs;

    // Popup menus: the caption of the item to choose, without '&'; an empty
    // text, or an empty queue, closes the menu without a choice.
    struct Popup {
        QString menuTitle;
        QStringList items;
        QPoint globalPos;
    };
    std::deque<QString> menuChoices;
    std::vector<Popup> popups;
    std::function<void(QMenu *)> duringPopup;

    QPoint pointer{200, 150};
    std::vector<QString> shellOpened;
    bool shellResult = false;
    int doEventsCalls = 0;

    MsgAnswer messageBox(const MessageBoxRequest &request) override;
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    void popupMenu(QMenu *menu, const QPoint &globalPos) override;
    QPoint pointerPosition() override;
    bool shellOpen(const QString &path) override;
    void doEvents() override;

    // Captions of a menu's items as shown, separators as "-".
    static QStringList itemCaptions(const QMenu *menu);

private:
    Desktop *previousDesktop_ = nullptr;
};
