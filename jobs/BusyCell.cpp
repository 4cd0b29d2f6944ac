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
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
