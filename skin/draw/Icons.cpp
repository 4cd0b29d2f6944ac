#include "Icons.h"
#include "Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Icons {
namespace {

// Symbols are designed on a 32-unit grid and scaled into their box.
void enterGrid(QPainter &painter, const QRectF &box)
{
    painter.translate(box.topLeft());
    painter.scale(box.width() / 32.0, box.height() / 32.0);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// A sheet of film: the common ground of Add and Remove.
void filmSheet(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(19, 2);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(5, 29);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(92, 110, 140), 1.0));
    p.setBrush(vertical(2, 29, QColor(255, 255, 255), QColor(222, 230, 242)));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(19, 2);
    fold.lineTo(19, 9);
    fold.lineTo(26, 9);
    fold.closeSubpath();
    p.setBrush(QColor(196, 208, 228));
    p.drawPath(fold);
    // A frame of film with its sprocket holes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(54, 70, 98));
    p.drawRoundedRect(QRectF(8, 12, 15, 12), 1.5, 1.5);
    p.setBrush(QColor(120, 180, 245));
    p.drawRect(QRectF(11, 14.5, 9, 7));
    p.setBrush(QColor(235, 240, 248));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(8.8, 12.8 + i * 2.8, 1.4, 1.4));
        p.drawRect(QRectF(20.8, 12.8 + i * 2.8, 1.4, 1.4));
    }
}

void badge(QPainter &p, const QColor &light, const QColor &dark)
{
    QRadialGradient g(QPointF(22, 20), 10, QPointF(21, 19));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(QPen(QColor(255, 255, 255), 1.4));
    p.setBrush(g);
    p.drawEllipse(QPointF(24, 24), 7.5, 7.5);
}

void add(QPainter &p)
{
    filmSheet(p);
    badge(p, QColor(120, 220, 110), QColor(30, 140, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(20, 23, 8, 2.2), 0.8, 0.8);
    p.drawRoundedRect(QRectF(22.9, 20, 2.2, 8), 0.8, 0.8);
}

void remove(QPainter &p)
{
    filmSheet(p);
    badge(p, QColor(255, 130, 110), QColor(190, 30, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(20, 22.9, 8, 2.2), 0.8, 0.8);
}

void convert(QPainter &p)
{
    // Two arrows chasing each other round a play mark.
    const QPointF centre(16, 16);
    auto arc = [&](qreal start, const QColor &from, const QColor &to) {
        QPainterPath path;
        path.arcMoveTo(QRectF(4, 4, 24, 24), start);
        path.arcTo(QRectF(4, 4, 24, 24), start, 140);
        QLinearGradient g(4, 4, 28, 28);
        g.setColorAt(0, from);
        g.setColorAt(1, to);
        p.setPen(QPen(QBrush(g), 4.2, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        // The head at the arc's end, pointing along it.
        const qreal end = qDegreesToRadians(start + 140);
        const QPointF tip = centre + QPointF(12 * qCos(end), -12 * qSin(end));
        const QPointF along(-qSin(end), -qCos(end)); // direction of travel
        const QPointF out(qCos(end), -qSin(end));
        QPolygonF head;
        head << tip + along * 5.5 << tip + out * 5 << tip - out * 5;
        p.setPen(Qt::NoPen);
        p.setBrush(to);
        p.drawPolygon(head);
    };
    p.setRenderHint(QPainter::Antialiasing);
    arc(20, QColor(255, 200, 80), QColor(235, 120, 20));
    arc(200, QColor(110, 190, 255), QColor(30, 100, 210));
    QPolygonF play;
    play << QPointF(13, 11) << QPointF(21.5, 16) << QPointF(13, 21);
    p.setPen(QPen(QColor(20, 60, 120), 0.8));
    p.setBrush(vertical(11, 21, QColor(90, 200, 90), QColor(20, 130, 40)));
    p.drawPolygon(play);
}

void settings(QPainter &p)
{
    QPainterPath gear;
    const int teeth = 8;
    const QPointF c(16, 16);
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.38) * M_PI / teeth;
        const qreal a1 = (i + 0.38) * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? 14.0 : 10.8;
        const QPointF p0 = c + QPointF(r * qCos(a0), r * qSin(a0));
        const QPointF p1 = c + QPointF(r * qCos(a1), r * qSin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 4.6, 4.6);
    gear = gear.subtracted(hole);
    p.setPen(QPen(QColor(50, 64, 90), 1.0));
    QLinearGradient g(4, 2, 26, 30);
    g.setColorAt(0, QColor(220, 228, 240));
    g.setColorAt(0.5, QColor(150, 165, 190));
    g.setColorAt(1, QColor(90, 105, 135));
    p.setBrush(g);
    p.drawPath(gear);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.5, 7.5);
}

// A round, lit-from-above button face filling the icon.
void disc(QPainter &p, const QColor &light, const QColor &dark, const QColor &rim)
{
    QRadialGradient g(QPointF(12, 10), 18, QPointF(11, 9));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(QPen(rim, 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14, 14);
}

void help(QPainter &p)
{
    disc(p, QColor(140, 200, 255), QColor(20, 90, 200), QColor(16, 60, 140));
    QFont font(Text::Face);
    font.setBold(true);
    font.setPixelSize(21);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 28, 29), Qt::AlignCenter, QStringLiteral("?"));
}

void exitMark(QPainter &p)
{
    disc(p, QColor(255, 140, 120), QColor(180, 24, 24), QColor(120, 16, 16));
    // The power sign.
    QPainterPath ring;
    ring.arcMoveTo(QRectF(9, 9.5, 14, 14), 120);
    ring.arcTo(QRectF(9, 9.5, 14, 14), 120, 300);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    p.drawLine(QPointF(16, 7), QPointF(16, 15));
}

} // namespace

void tool(QPainter &painter, int command, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    enterGrid(painter, box);
    switch (command) {
    case 0: add(painter); break;
    case 1: remove(painter); break;
    case 2: convert(painter); break;
    case 3: settings(painter); break;
    case 4: help(painter); break;
    default: exitMark(painter); break;
    }
    painter.restore();
}

void programMark(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    enterGrid(painter, box);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(90, 160, 245));
    g.setColorAt(1, QColor(20, 70, 160));
    painter.setPen(QPen(QColor(12, 40, 90), 1.2));
    painter.setBrush(g);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    // Film strip across the tile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 30, 44));
    painter.drawRect(QRectF(1.6, 8, 28.8, 16));
    painter.setBrush(QColor(240, 244, 250));
    for (int i = 0; i < 7; ++i) {
        painter.drawRect(QRectF(3 + i * 4, 9.3, 2, 2));
        painter.drawRect(QRectF(3 + i * 4, 20.7, 2, 2));
    }
    // The arrow of conversion.
    QPolygonF arrow;
    arrow << QPointF(6, 14) << QPointF(17, 14) << QPointF(17, 11) << QPointF(26, 16) << QPointF(17, 21)
          << QPointF(17, 18) << QPointF(6, 18);
    painter.setBrush(QColor(255, 176, 40));
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace Icons
