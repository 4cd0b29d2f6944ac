#include "skin/Skin.h"

#include <QBitmap>
#include <QPainter>

namespace Skin {
namespace {

const int MenuWidths[4] = {41, 69, 62, 56};

QPixmap loadOr(const QString &resource, int width, int height, QColor fallback)
{
    QPixmap picture(resource);
    if (!picture.isNull())
        return picture;
    picture = QPixmap(width, height);
    picture.fill(fallback);
    return picture;
}

QImage placeholderBackground()
{
    QImage image(600, 490, QImage::Format_RGB32);
    image.fill(KeyColour);
    QPainter painter(&image);
    painter.fillRect(4, 4, 590, 480, QColor(70, 110, 170));
    painter.end();
    // Corner cuts: two pixels of the outermost row, one of the next, per corner.
    const QPoint cuts[] = {{4, 4}, {5, 4}, {4, 5}, {593, 4}, {592, 4}, {593, 5},
                           {4, 483}, {5, 483}, {4, 482}, {593, 483}, {592, 483}, {593, 482}};
    for (const QPoint &p : cuts)
        image.setPixel(p, KeyColour);
    return image;
}

template <size_t N>
std::array<QPixmap, N> loadSet(const char *stem, const int *widths, int height, QColor fallback)
{
    std::array<QPixmap, N> set;
    for (size_t i = 0; i < N; ++i)
        set[i] = loadOr(QStringLiteral(":/skin/%1%2.jpg").arg(QLatin1String(stem)).arg(i),
                        widths ? widths[i] : 60, height, fallback);
    return set;
}

} // namespace

QImage background()
{
    QImage image(QStringLiteral(":/skin/skin.bmp"));
    return image.isNull() ? placeholderBackground() : image.convertToFormat(QImage::Format_RGB32);
}

std::array<QPixmap, 6> buttonHover() { return loadSet<6>("button_hover", nullptr, 72, QColor(190, 215, 250)); }
std::array<QPixmap, 6> buttonPush() { return loadSet<6>("button_push", nullptr, 72, QColor(120, 160, 220)); }
std::array<QPixmap, 4> menuHover() { return loadSet<4>("menu_hover", MenuWidths, 16, QColor(190, 215, 250)); }
std::array<QPixmap, 4> menuPush() { return loadSet<4>("menu_push", MenuWidths, 16, QColor(120, 160, 220)); }

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/skin/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

QCursor handCursor()
{
    QPixmap hand(QStringLiteral(":/skin/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 6, 0);
}

} // namespace Skin
