#include "platform/ColourKeyWindow.h"

#include <QBitmap>
#include <QWidget>

void ColourKeyWindow::apply(QWidget *window, const QImage &picture, QRgb key)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    window->setWindowOpacity(1.0);
    window->setMask(QBitmap::fromImage(picture.createMaskFromColor(key, Qt::MaskOutColor)));
}
