#pragma once
// A frameless window whose key-coloured picture pixels are see-through and
// click-through; every other pixel is fully opaque.

#include <QImage>

class QWidget;

namespace ColourKeyWindow {
void apply(QWidget *window, const QImage &picture, QRgb key);
}
