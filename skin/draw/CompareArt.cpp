#include "CompareArt.h"

#include <QDir>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace CompareArt {
namespace {

using Channels = std::array<int, 4>;

Channels difference(QRgb a, QRgb b)
{
    return {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b)};
}

double largestMean(const std::array<qint64, 4> &sums, qint64 pixels)
{
    qint64 worst = 0;
    for (qint64 s : sums)
        worst = std::max(worst, std::abs(s));
    return pixels ? double(worst) / double(pixels) : 0.0;
}

QImage load(const QString &path, QString *error)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        *error = reader.errorString();
    // What shows: a see-through pixel's colour does not.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

Difference measure(const QImage &committed, const QImage &drawn)
{
    Difference d;
    if (committed.size() != drawn.size()) {
        d.sizeDiffers = true;
        return d;
    }
    const QImage a = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = a.width(), height = a.height();
    const int blocksAcross = (width + BlockSize - 1) / BlockSize;
    std::vector<std::array<qint64, 4>> blockSums(size_t(blocksAcross)
                                                 * ((height + BlockSize - 1) / BlockSize));
    std::array<qint64, 4> sums{};
    for (int y = 0; y < height; ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const Channels c = difference(rowA[x], rowB[x]);
            auto &block = blockSums[size_t(y / BlockSize) * blocksAcross + x / BlockSize];
            int largest = 0;
            for (int i = 0; i < 4; ++i) {
                sums[i] += c[i];
                block[i] += c[i];
                largest = std::max(largest, std::abs(c[i]));
            }
            d.largest = std::max(d.largest, largest);
            if (largest > PixelTolerance)
                ++d.pixelsOver;
        }
    }
    d.pictureShift = largestMean(sums, qint64(width) * height);
    for (size_t i = 0; i < blockSums.size(); ++i) {
        const int left = int(i % blocksAcross) * BlockSize, top = int(i / blocksAcross) * BlockSize;
        const qint64 pixels = qint64(std::min(BlockSize, width - left)) * std::min(BlockSize, height - top);
        d.blockShift = std::max(d.blockShift, largestMean(blockSums[i], pixels));
    }
    return d;
}

bool alike(const Difference &d)
{
    return !d.sizeDiffers && d.pixelsOver == 0 && d.pictureShift <= PictureShiftTolerance
           && d.blockShift <= BlockShiftTolerance;
}

bool foldersAlike(const QString &committedFolder, const QString &drawnFolder)
{
    const QStringList committed = QDir(committedFolder).entryList(QDir::Files, QDir::Name);
    const QStringList drawn = QDir(drawnFolder).entryList(QDir::Files, QDir::Name);
    if (committed != drawn) {
        std::fprintf(stderr,
                     "the pictures drawn are not the committed ones\n  committed: %s\n  drawn:     %s\n",
                     qPrintable(committed.join(' ')), qPrintable(drawn.join(' ')));
        return false;
    }
    bool same = true;
    for (const QString &name : committed) {
        QString error;
        const QImage a = load(QDir(committedFolder).filePath(name), &error);
        const QImage b = load(QDir(drawnFolder).filePath(name), &error);
        if (a.isNull() || b.isNull()) {
            std::fprintf(stderr, "%s: cannot be read: %s\n", qPrintable(name), qPrintable(error));
            same = false;
            continue;
        }
        const Difference d = measure(a, b);
        if (alike(d))
            continue;
        same = false;
        if (d.sizeDiffers)
            std::fprintf(stderr, "%s: %dx%d drawn, %dx%d committed\n", qPrintable(name), b.width(),
                         b.height(), a.width(), a.height());
        else
            std::fprintf(stderr,
                         "%s: %d pixels off by more than %d (largest %d), mean shift %.2f (at most %.1f), "
                         "a block's %.2f (at most %.1f)\n",
                         qPrintable(name), d.pixelsOver, PixelTolerance, d.largest, d.pictureShift,
                         PictureShiftTolerance, d.blockShift, BlockShiftTolerance);
    }
    return same;
}

} // namespace CompareArt
