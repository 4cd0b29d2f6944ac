#include "Artwork.h"
#include "Icons.h"

#include <QPainter>

namespace Artwork {

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        Icons::programMark(p, QRectF(0, 0, size, size));
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    // The small image is the 8-bit one, as icons of that size usually are.
    if (size <= 16)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither | Qt::AvoidDither);
    return image;
}

QImage handCursor()
{
    // X outline, . fill, blank see-through; the fingertip is at (6, 0).
    static const char *const rows[] = {
        "     XXXX",
        "    X....X",
        "    X....X",
        "    X....X",
        "    X....X",
        "    X....X",
        "    X....XXXX",
        "    X....X...XXXX",
        "    X....X...X...XXX",
        "    X....X...X...X..X",
        " XX X....X...X...X..X",
        "X..XX....X...X...X..X",
        "X...X...............X",
        "X...X...............X",
        " X..X...............X",
        " X..................X",
        "  X.................X",
        "  X.................X",
        "   X...............X",
        "   X...............X",
        "    X.............X",
        "    X.............X",
        "     X...........X",
        "     X...........X",
        "     XXXXXXXXXXXXX",
    };
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == 'X')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (row[x] == '.')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
        ++y;
    }
    return image;
}

} // namespace Artwork
