#include "ArtLayout.h"
#include "Artwork.h"
#include "Palette.h"
#include "Text.h"

#include <QPainter>

namespace Artwork {

QImage toolButton(const QImage &background, int index, bool pressed)
{
    const QRect area = Layout::toolButton(index);
    QImage picture = background.copy(area).convertToFormat(QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, 0, picture.height());
    if (pressed) {
        fill.setColorAt(0, Palette::PushTile.darker(108));
        fill.setColorAt(1, Palette::PushTile.lighter(104));
    } else {
        fill.setColorAt(0, Palette::HoverTile.lighter(104));
        fill.setColorAt(1, Palette::HoverTile.darker(104));
    }
    p.setPen(QPen(pressed ? Palette::PushBorder : Palette::HoverBorder, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(tile, 3, 3);
    // The face sinks by a pixel while pressed.
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    Text::toolFace(p, QRect(shift, area.size()), index, pressed ? QColor(10, 30, 70) : Palette::LabelText);
    return picture;
}

QImage menuTitle(const QImage &background, int index, bool pressed)
{
    const QRect area = Layout::menuTitle(index);
    QImage picture = background.copy(area).convertToFormat(QImage::Format_RGB32);
    QPainter p(&picture);
    const QRect frame = picture.rect().adjusted(0, 0, -1, -1);
    if (pressed) {
        p.fillRect(picture.rect(), Palette::TitlePushFill);
        p.setPen(Palette::TitlePushFrame);
    } else {
        p.fillRect(picture.rect(), QColor(255, 255, 255, 28));
        p.setPen(Palette::TitleHoverFrame);
    }
    p.drawRect(frame);
    Text::menuCaption(p, QRect(pressed ? QPoint(1, 1) : QPoint(0, 0), area.size()),
                      Layout::MenuCaptions[index], pressed ? QColor(255, 255, 255) : Palette::MenuText);
    return picture;
}

} // namespace Artwork
