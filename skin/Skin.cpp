#include "skin/Skin.h"

#include <QBitmap>

namespace Skin {
namespace {

namespace Pictures = Layout::Pictures;

template <size_t N> std::array<QPixmap, N> loadSet(QString (*name)(int))
{
    std::array<QPixmap, N> set;
    for (size_t i = 0; i < N; ++i)
        set[i] = QPixmap(Pictures::resource(name(int(i))));
    return set;
}

} // namespace

QImage background()
{
    return QImage(Pictures::resource(Pictures::background())).convertToFormat(QImage::Format_RGB32);
}

std::array<QPixmap, Layout::ButtonCount> buttonHover()
{
    return loadSet<Layout::ButtonCount>(Pictures::buttonHover);
}
std::array<QPixmap, Layout::ButtonCount> buttonPush()
{
    return loadSet<Layout::ButtonCount>(Pictures::buttonPush);
}
std::array<QPixmap, Layout::MenuCount> menuHover() { return loadSet<Layout::MenuCount>(Pictures::menuHover); }
std::array<QPixmap, Layout::MenuCount> menuPush() { return loadSet<Layout::MenuCount>(Pictures::menuPush); }

QIcon windowIcon()
{
    QIcon icon;
    for (int size : Pictures::IconSizes)
        icon.addFile(Pictures::resource(Pictures::icon(size)), QSize(size, size));
    return icon;
}

QCursor handCursor()
{
    // The picture holds black, white and see-through pixels: a monochrome
    // cursor's bitmap (black) and mask (drawn).
    const QImage hand = QImage(Pictures::resource(Pictures::hand())).convertToFormat(QImage::Format_ARGB32);
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
