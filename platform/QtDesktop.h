#pragma once
// The real desktop: Qt Widgets for everything modal.

#include "platform/Desktop.h"

class QtDesktop : public Desktop {
public:
    MsgAnswer messageBox(const MessageBoxRequest &request) override;
    std::optional<QString> fileDialog(const FileDialogRequest &request) override;
    void popupMenu(QMenu *menu, const QPoint &globalPos) override;
    QPoint pointerPosition() override;

    bool startWindowMove(QWidget *window) override;
    bool shellOpen(const QString &path) override;
    void doEvents() override;
};
