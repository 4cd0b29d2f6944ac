#include "jobs/BusyCell.h"

#include <QPainter>

BusyCell::BusyCell(QWidget *parent) : QWidget(parent) {}

void BusyCell::setFillColor(const QColor &colour)
{
    if (fill_ == colour)
        return;
    fill_ = colour;
    update();
}

void BusyCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    // The active group's colour: the cells show only while the window is
    // disabled, and the disabled group's text colour is a grey.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
