#include "platform/LeftButtonMenu.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QObject>
#include <QPoint>

namespace {

class OtherButtonsOnItems : public QObject {
public:
    explicit OtherButtonsOnItems(QMenu *menu) : menu_(menu) { menu_->installEventFilter(this); }
    ~OtherButtonsOnItems() override { menu_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != menu_)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            // The menu grabs the pointer while it is up: events outside it
            // come here too, and a press there must still close it.
            return mouse->button() != Qt::LeftButton && menu_->rect().contains(mouse->position().toPoint());
        }
        default: return false;
        }
    }

private:
    QMenu *menu_;
};

} // namespace

namespace LeftButtonMenu {

QAction *exec(QMenu *menu, const QPoint &globalPos)
{
    OtherButtonsOnItems filter(menu);
    return menu->exec(globalPos);
}

} // namespace LeftButtonMenu
