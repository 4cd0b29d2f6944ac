#include "ArtLayout.h"
#include "Artwork.h"
#include "Icons.h"
#include "Palette.h"
#include "Text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {
namespace {

using namespace Layout;

QLinearGradient vertical(int top, int bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom + 1);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void titleStrip(QPainter &p)
{
    const QRect strip(Body.left(), Body.top(), Body.width(), MenuBottom - Body.top() + 1);
    p.fillRect(strip, vertical(strip.top(), strip.bottom(), Palette::HeaderTop, Palette::HeaderBottom));
    // A faint sheen along the top edge.
    p.fillRect(QRect(Body.left(), Body.top() + 1, Body.width(), 1), QColor(255, 255, 255, 60));

    Icons::programMark(p, QRectF(11, 9, 16, 16));
    Text::draw(p, QRect(33, 7, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Morvane Converter"), Text::font(12, true), Palette::HeaderText);

    // The close mark under the exit image.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mark = QRectF(Exit).adjusted(1.5, 2.5, -1.5, -2.5);
    p.setPen(QPen(QColor(255, 255, 255), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mark.topLeft(), mark.bottomRight());
    p.drawLine(mark.topRight(), mark.bottomLeft());
    p.restore();

    // A hairline between the title and the menu titles.
    p.fillRect(QRect(Body.left() + 8, TitleBottom, Body.width() - 16, 1), QColor(255, 255, 255, 40));
    p.fillRect(QRect(Body.left() + 8, TitleBottom + 1, Body.width() - 16, 1), QColor(0, 0, 0, 40));

    for (int i = 0; i < 4; ++i)
        Text::menuCaption(p, Layout::menuTitle(i), MenuCaptions[i], Palette::MenuText);
}

void toolStrip(QPainter &p)
{
    const QRect strip(Body.left(), MenuBottom + 1, Body.width(), StartPanel.top() - MenuBottom - 1);
    p.fillRect(strip, vertical(strip.top(), strip.bottom(), Palette::StripTop, Palette::StripBottom));
    p.fillRect(QRect(Body.left(), MenuBottom + 1, Body.width(), 1), QColor(10, 30, 60));
    for (int i = 0; i < 6; ++i)
        Text::toolFace(p, Layout::toolButton(i), i, Palette::LabelText);
    // Separators between the groups: files, conversion, help.
    for (int x : {148, 285}) {
        p.fillRect(QRect(x, 60, 1, 56), Palette::StripLine);
        p.fillRect(QRect(x + 1, 60, 1, 56), QColor(255, 255, 255));
    }

    // The product's badge at the right of the strip.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(430, 58, 150, 60);
    Icons::programMark(p, QRectF(badge.left(), badge.top() + 4, 34, 34));
    Text::draw(p, QRect(470, 60, 112, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MORVANE"),
               Text::font(17, true), QColor(30, 70, 140));
    Text::draw(p, QRect(471, 81, 112, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("FLV video converter"), Text::font(10, false), QColor(80, 98, 128));
    const char *formats[] = {"AVI", "WMV", "MOV", "MP4", "3GP"};
    for (int i = 0; i < 5; ++i) {
        const QRectF chip(430 + i * 30, 102, 27, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 110, 185));
        p.drawRoundedRect(chip, 3, 3);
        Text::draw(p, chip.toAlignedRect(), Qt::AlignCenter, QLatin1String(formats[i]), Text::font(9, true),
                   QColor(255, 255, 255));
    }
    p.restore();
}

void stepItem(QPainter &p, int number, int top, const QString &title, const QString &detail)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(34, top, 26, 26);
    QLinearGradient g(0, disc.top(), 0, disc.bottom());
    g.setColorAt(0, QColor(255, 200, 90));
    g.setColorAt(1, QColor(240, 140, 20));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.setBrush(g);
    p.drawEllipse(disc);
    p.restore();
    Text::draw(p, disc.toAlignedRect().adjusted(0, 0, 1, 0), Qt::AlignCenter, QString::number(number),
               Text::font(14, true), QColor(90, 40, 0));
    Text::draw(p, QRect(72, top - 2, 330, 17), Qt::AlignLeft | Qt::AlignVCenter, title, Text::font(13, true),
               Palette::PanelText);
    Text::draw(p, QRect(72, top + 15, 340, 15), Qt::AlignLeft | Qt::AlignVCenter, detail,
               Text::font(11, false), Palette::PanelSoftText);
}

void bigArrow(QPainter &p)
{
    // FLV on the way to the five formats.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(410, 196);
    arrow.lineTo(500, 196);
    arrow.lineTo(500, 172);
    arrow.lineTo(558, 220);
    arrow.lineTo(500, 268);
    arrow.lineTo(500, 244);
    arrow.lineTo(410, 244);
    arrow.closeSubpath();
    p.translate(2, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 30, 70, 90));
    p.drawPath(arrow);
    p.translate(-2, -3);
    QLinearGradient g(0, 172, 0, 268);
    g.setColorAt(0, QColor(255, 214, 120));
    g.setColorAt(0.5, QColor(255, 170, 40));
    g.setColorAt(1, QColor(225, 118, 10));
    p.setPen(QPen(QColor(255, 240, 200), 1.5));
    p.setBrush(g);
    p.drawPath(arrow);
    p.restore();
    Text::draw(p, QRect(412, 196, 88, 48), Qt::AlignCenter, QStringLiteral("FLV"), Text::font(22, true),
               QColor(110, 50, 0));
    Text::draw(p, QRect(404, 276, 160, 16), Qt::AlignCenter, QStringLiteral("into five video formats"),
               Text::font(11, true), Palette::PanelSoftText);
}

void startPanel(QPainter &p)
{
    const QRect r = StartPanel;
    // The strip colour shows around the panel.
    p.fillRect(QRect(Body.left(), r.top(), Body.width(), FooterTop - r.top()),
               vertical(r.top(), FooterTop, Palette::StripBottom, QColor(206, 217, 233)));
    p.fillRect(r.adjusted(-1, -1, 1, 1), Palette::PanelEdge);
    QLinearGradient g(0, r.top(), 0, r.bottom() + 1);
    g.setColorAt(0, Palette::PanelTop);
    g.setColorAt(1, Palette::PanelBottom);
    p.fillRect(r, g);
    // A soft light from the top left.
    p.save();
    p.setClipRect(r);
    QRadialGradient glow(QPointF(r.left() + 120, r.top() - 40), 360);
    glow.setColorAt(0, QColor(255, 255, 255, 46));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
    p.restore();

    Text::draw(p, QRect(34, 142, 380, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Welcome to Morvane Converter"), Text::font(19, true), Palette::PanelText);
    Text::draw(p, QRect(35, 168, 380, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Turn Flash Video into AVI, WMV, MOV, MP4 or 3GP in four steps."),
               Text::font(11, false), Palette::PanelSoftText);
    p.fillRect(QRect(34, 192, 372, 1), QColor(255, 255, 255, 70));

    stepItem(p, 1, 206, QStringLiteral("Choose the settings"),
             QStringLiteral("Click Settings to set frame size, frame rate and bit rates."));
    stepItem(p, 2, 250, QStringLiteral("Add a file and name its output"),
             QStringLiteral("Click Add, pick an FLV file, then name the converted file."));
    stepItem(p, 3, 294, QStringLiteral("Repeat for more files"),
             QStringLiteral("Each Add puts one more file on the list."));
    stepItem(p, 4, 338, QStringLiteral("Convert"),
             QStringLiteral("Click Convert: the files are converted one after another."));

    bigArrow(p);
    Text::draw(p, QRect(34, 412, 380, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tip: the Help button opens the full guide."), Text::font(11, false),
               QColor(170, 200, 240));
}

void footer(QPainter &p)
{
    const QRect strip(Body.left(), FooterTop, Body.width(), Body.bottom() - FooterTop + 1);
    p.fillRect(strip, vertical(strip.top(), strip.bottom(), Palette::HeaderBottom, QColor(16, 40, 80)));
    p.fillRect(QRect(Body.left(), FooterTop, Body.width(), 1), QColor(255, 255, 255, 50));
    Text::draw(p, QRect(16, FooterTop + 3, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Morvane Converter"), Text::font(12, true), QColor(225, 235, 250));
    Text::draw(p, QRect(300, FooterTop + 3, 280, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("FLV to AVI \u00b7 WMV \u00b7 MOV \u00b7 MP4 \u00b7 3GP"),
               Text::font(11, false), QColor(170, 192, 225));
}

void outline(QPainter &p)
{
    p.setPen(Palette::Outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(Body.adjusted(0, 0, -1, -1));
    // Round off the cut corners with the pixel diagonally inside each cut.
    const int l = Body.left(), t = Body.top(), r = Body.right(), b = Body.bottom();
    for (const QPoint &pt :
         {QPoint(l + 1, t + 1), QPoint(r - 1, t + 1), QPoint(l + 1, b - 1), QPoint(r - 1, b - 1)})
        p.drawPoint(pt);
}

} // namespace

QImage background()
{
    QImage image(Picture.size(), QImage::Format_RGB32);
    image.fill(KeyColour);
    {
        QPainter p(&image);
        p.setClipRect(Body);
        titleStrip(p);
        toolStrip(p);
        startPanel(p);
        footer(p);
        outline(p);
    }
    // No drawn pixel may turn see-through by chance.
    for (int y = Body.top(); y <= Body.bottom(); ++y)
        for (int x = Body.left(); x <= Body.right(); ++x)
            if (image.pixel(x, y) == KeyColour)
                image.setPixel(x, y, qRgb(254, 0, 255));
    const int l = Body.left(), t = Body.top(), r = Body.right(), b = Body.bottom();
    const QPoint cuts[] = {{l, t}, {l + 1, t}, {l, t + 1}, {r, t}, {r - 1, t}, {r, t + 1},
                           {l, b}, {l + 1, b}, {l, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
    for (const QPoint &cut : cuts)
        image.setPixel(cut, KeyColour);
    return image;
}

} // namespace Artwork
