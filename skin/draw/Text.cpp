#include "Text.h"
#include "ArtLayout.h"
#include "Icons.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace Text {

bool faceIsPresent()
{
    // A missing face is replaced, and a missing bold one drawn emboldened,
    // both silently.
    return QFontInfo(font(12, false)).family() == Face
           && QFontDatabase::styles(Face).contains(QStringLiteral("Bold"));
}

QFont font(int pixelSize, bool bold)
{
    QFont f(Face);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void draw(QPainter &p, const QRect &box, int flags, const QString &text, const QFont &f, const QColor &colour)
{
    p.save();
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

void menuCaption(QPainter &p, const QRect &area, const QString &caption, const QColor &colour)
{
    const QFont f = font(12, false);
    const QFontMetrics metrics(f);
    const int width = metrics.horizontalAdvance(caption);
    const int x = area.left() + (area.width() - width) / 2;
    const int baseline = area.top() + 12;
    p.save();
    p.setFont(f);
    p.setPen(colour);
    p.drawText(x, baseline, caption);
    p.fillRect(QRect(x, baseline + 2, metrics.horizontalAdvance(caption.left(1)), 1), colour);
    p.restore();
}

void toolFace(QPainter &p, const QRect &area, int command, const QColor &labelColour)
{
    Icons::tool(p, command, QRectF(area.left() + 13, area.top() + 7, 34, 34));
    draw(p, QRect(area.left(), area.top() + 46, area.width(), 16), Qt::AlignHCenter | Qt::AlignVCenter,
         Layout::ButtonLabels[command], font(11, false), labelColour);
}

} // namespace Text
