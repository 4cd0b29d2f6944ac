#include "jobs/LinkLabel.h"

#include "skin/Skin.h"

#include <QApplication>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setCursor(Skin::handCursor());
    // Until the pointer first moves over it, the system's button-text colour.
    setTextColour(QApplication::palette().color(QPalette::ButtonText));
}

void LinkLabel::setTextColour(const QColor &colour)
{
    if (textColour() == colour)
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor LinkLabel::textColour() const { return palette().color(QPalette::WindowText); }

void LinkLabel::mousePressEvent(QMouseEvent *event) { event->accept(); }

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Taken here, so the panel beneath does not see it.
    event->accept();
    emit mouseMoved();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
