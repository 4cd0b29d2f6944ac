#include "platform/ColourKeyWindow.h"

#include <QBitmap>
#include <QWidget>

void ColourKeyWindow::apply(QWidget *window, const QImage &picture, QRgb key)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    window->setWindowOpacity(1.0);
    // Compared as opaque RGB, so an alpha channel in the picture cannot make
    // a key pixel miss. MaskInColor leaves exactly the key's pixels out of
    // the mask's region: see-through and click-through, the rest opaque.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    window->setMask(QBitmap::fromImage(rgb.createMaskFromColor(key | 0xff000000u, Qt::MaskInColor)));
}
