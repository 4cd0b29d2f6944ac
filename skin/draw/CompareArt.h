#pragma once
// Tells whether two folders of pictures show the same thing: the same names,
// and each pair alike once decoded. Another JPEG encoder or library build
// changes the bytes and a little of every picture; a change to the artwork
// changes more than that somewhere.

#include <QImage>
#include <QString>

namespace CompareArt {

struct Difference {
    bool sizeDiffers = false;
    int largest = 0;         // largest difference of one channel of one pixel
    int pixelsOver = 0;      // pixels with a channel further off than PixelTolerance
    double pictureShift = 0; // largest mean difference of a channel over the picture
    double blockShift = 0;   // the same over the worst 16 x 16 block
};

// Measured with the committed art: JPEG at Qt's quality 90 instead of 95, or
// ffmpeg's encoder, moves single pixels by up to 31 and the means by less
// than 0.7 (a block's by 3.3); a tile 3 levels darker moves the picture's
// mean by 2.4, a label moved by one pixel changes 70 or more pixels by over
// 32.
inline constexpr int PixelTolerance = 32;
inline constexpr double PictureShiftTolerance = 1.0;
inline constexpr double BlockShiftTolerance = 6.0;
inline constexpr int BlockSize = 16;

Difference measure(const QImage &committed, const QImage &drawn);
bool alike(const Difference &d);

// Compares every picture of the two folders and reports to stderr what
// differs. True when both hold the same names and every pair is alike.
bool foldersAlike(const QString &committedFolder, const QString &drawnFolder);

} // namespace CompareArt
