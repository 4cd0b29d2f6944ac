// Draws every picture of the window into a folder. The committed art/ is
// its output: after changing the artwork, run morvane-skin-draw skin/art;
// the tests draw into a folder of their own and compare what the pictures
// show (--compare), not their bytes, which another JPEG library changes.

#include "ArtLayout.h"
#include "Artwork.h"
#include "CompareArt.h"
#include "Text.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    if (argc == 4 && std::strcmp(argv[1], "--compare") == 0)
        return CompareArt::foldersAlike(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0
                                                                                                          : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane-skin-draw <output folder>\n"
                             "       morvane-skin-draw --compare <committed folder> <drawn folder>\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "morvane-skin-draw: cannot create %s\n", argv[1]);
        return 1;
    }

    if (!Text::faceIsPresent()) {
        std::fprintf(stderr, "morvane-skin-draw: the face \"%s\" is missing; the pictures would not match\n",
                     qPrintable(Text::Face));
        return 1;
    }

    namespace Pictures = Layout::Pictures;
    const auto file = [&out](const QString &name) { return out.filePath(name); };
    bool ok = true;
    const QImage skin = Artwork::background();
    // Qt writes images without alpha as 24-bit uncompressed bitmaps.
    ok &= save(skin, file(Pictures::background()), "bmp");
    for (int i = 0; i < Layout::ButtonCount; ++i) {
        ok &= save(Artwork::toolButton(skin, i, false), file(Pictures::buttonHover(i)), "jpeg", 95);
        ok &= save(Artwork::toolButton(skin, i, true), file(Pictures::buttonPush(i)), "jpeg", 95);
    }
    for (int i = 0; i < Layout::MenuCount; ++i) {
        ok &= save(Artwork::menuTitle(skin, i, false), file(Pictures::menuHover(i)), "jpeg", 95);
        ok &= save(Artwork::menuTitle(skin, i, true), file(Pictures::menuPush(i)), "jpeg", 95);
    }
    for (int size : Pictures::IconSizes)
        ok &= save(Artwork::programIcon(size), file(Pictures::icon(size)), "png");
    ok &= save(Artwork::handCursor(), file(Pictures::hand()), "png");
    return ok ? 0 : 1;
}
