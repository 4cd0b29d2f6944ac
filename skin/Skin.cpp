#include "skin/Skin.h"

#include <QBitmap>

namespace Skin {
namespace {

template <size_t N>
std::array<QPixmap, N> loadSet(const char *stem)
{
    std::array<QPixmap, N> set;
    for (size_t i = 0; i < N; ++i)
        set[i] = QPixmap(QStringLiteral(":/skin/%1%2.jpg").arg(QLatin1String(stem)).arg(i));
    return set;
}

} // namespace

QImage background()
{
    return QImage(QStringLiteral(":/skin/skin.bmp")).convertToFormat(QImage::Format_RGB32);
}

std::array<QPixmap, 6> buttonHover() { return loadSet<6>("button_hover"); }
std::array<QPixmap, 6> buttonPush() { return loadSet<6>("button_push"); }
std::array<QPixmap, 4> menuHover() { return loadSet<4>("menu_hover"); }
std::array<QPixmap, 4> menuPush() { return loadSet<4>("menu_push"); }

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/skin/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

QCursor handCursor()
{
    // The picture holds black, white and see-through pixels: a monochrome
    // cursor's bitmap (black) and mask (drawn).
    const QImage hand = QImage(QStringLiteral(":/skin/hand.png")).convertToFormat(QImage::Format_ARGB32);
    QImage bits(hand.size(), QImage::Format_Mono);
    QImage mask(hand.size(), QImage::Format_Mono);
    // Index 0 white (bit clear), index 1 black (bit set), as bitmaps read them.
    const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    bits.setColorTable(table);
    mask.setColorTable(table);
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < hand.height(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            const QRgb pixel = hand.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            mask.setPixel(x, y, 1);
            if (qGray(pixel) < 128)
                bits.setPixel(x, y, 1);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 6, 0);
}

} // namespace Skin
