// Draws every picture of the window into a folder (the committed art/).
// Run by hand after changing the artwork: morvane-skin-draw <folder>

#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>

namespace {

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "morvane-skin-draw: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane-skin-draw <output folder>\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "morvane-skin-draw: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    const QImage skin = Artwork::background();
    // Qt writes images without alpha as 24-bit uncompressed bitmaps.
    ok &= save(skin, out.filePath(QStringLiteral("skin.bmp")), "bmp");
    for (int i = 0; i < 6; ++i) {
        ok &= save(Artwork::toolButton(skin, i, false), out.filePath(QStringLiteral("button_hover%1.jpg").arg(i)),
                   "jpeg", 95);
        ok &= save(Artwork::toolButton(skin, i, true), out.filePath(QStringLiteral("button_push%1.jpg").arg(i)),
                   "jpeg", 95);
    }
    for (int i = 0; i < 4; ++i) {
        ok &= save(Artwork::menuTitle(skin, i, false), out.filePath(QStringLiteral("menu_hover%1.jpg").arg(i)),
                   "jpeg", 95);
        ok &= save(Artwork::menuTitle(skin, i, true), out.filePath(QStringLiteral("menu_push%1.jpg").arg(i)),
                   "jpeg", 95);
    }
    for (int size : {16, 32, 48})
        ok &= save(Artwork::programIcon(size), out.filePath(QStringLiteral("icon%1.png").arg(size)), "png");
    ok &= save(Artwork::handCursor(), out.filePath(QStringLiteral("hand.png")), "png");
    return ok ? 0 : 1;
}
