#include "window/ImageArea.h"

#include <QMouseEvent>
#include <QPainter>

ImageArea::ImageArea(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageArea::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void ImageArea::clearPicture()
{
    if (picture_.isNull())
        return;
    picture_ = QPixmap();
    update();
}

void ImageArea::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void ImageArea::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseDown(mouseButtonNumber(event->button()));
}

void ImageArea::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMove();
}

void ImageArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    emit mouseUp(mouseButtonNumber(event->button()));
    if (inside && event->button() == Qt::LeftButton)
        emit clicked();
}

int mouseButtonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
