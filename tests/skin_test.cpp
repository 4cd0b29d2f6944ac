// The compiled-in pictures: kinds, sizes, the key-coloured areas of the skin,
// the hand cursor; and the compiled help file beside the program.

#include "skin/Skin.h"
#include "support/Missing.h"

#include <QBitmap>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

quint32 readLE(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

std::set<std::pair<int, int>> expectedKeyPixels()
{
    std::set<std::pair<int, int>> key;
    for (int y = 0; y < 490; ++y)
        for (int x = 0; x < 600; ++x)
            if (x <= 3 || x >= 594 || y <= 3 || y >= 484)
                key.insert({x, y});
    // Body corners (4,4), (593,4), (4,483), (593,483): two pixels of the
    // outermost row, one of the next.
    for (auto [cx, cy, dx, dy] :
         {std::array<int, 4>{4, 4, 1, 1}, {593, 4, -1, 1}, {4, 483, 1, -1}, {593, 483, -1, -1}}) {
        key.insert({cx, cy});
        key.insert({cx + dx, cy});
        key.insert({cx, cy + dy});
    }
    return key;
}

void expectKeyExactly(const QImage &image)
{
    ASSERT_EQ(image.size(), QSize(600, 490));
    const auto expected = expectedKeyPixels();
    EXPECT_EQ(expected.size(), 600u * 490u - 590u * 480u + 12u);
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool isKey = (image.pixel(x, y) & 0xffffff) == 0xff00ff;
            const bool shouldBe = expected.count({x, y}) > 0;
            if (isKey != shouldBe && ++wrong <= 10)
                ADD_FAILURE() << "pixel (" << x << "," << y << ") is " << (isKey ? "" : "not ")
                              << "key-coloured";
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST(SkinPicture, KeyColourFillsExactlyTheMarginAndTheTwelveCornerCuts)
{
    expectKeyExactly(QImage(QStringLiteral(":/skin/skin.bmp")));
    // And so does the picture the window draws and masks with.
    expectKeyExactly(Skin::background());
}

TEST(SkinPicture, IsAnUncompressed24BitWindowsBitmapOf600By490)
{
    QFile file(QStringLiteral(":/skin/skin.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(readLE(bytes, 14, 4), 40u); // BITMAPINFOHEADER
    EXPECT_EQ(readLE(bytes, 18, 4), 600u);
    EXPECT_EQ(qint32(readLE(bytes, 22, 4)) < 0 ? -qint32(readLE(bytes, 22, 4)) : qint32(readLE(bytes, 22, 4)),
              490);
    EXPECT_EQ(readLE(bytes, 28, 2), 24u);        // bits per pixel
    EXPECT_EQ(readLE(bytes, 30, 4), 0u);         // BI_RGB: uncompressed
    EXPECT_EQ(bytes.size(), 54 + 600 * 3 * 490); // rows of 1800 bytes, no padding needed
}

TEST(StorePictures, AreJpegImagesOfTheirElementsExactSize)
{
    struct Case {
        QString name;
        QSize size;
    };
    std::vector<Case> cases;
    for (int i = 0; i < 6; ++i) {
        cases.push_back({QStringLiteral("button_hover%1.jpg").arg(i), QSize(60, 72)});
        cases.push_back({QStringLiteral("button_push%1.jpg").arg(i), QSize(60, 72)});
    }
    const int titleWidths[4] = {41, 69, 62, 56};
    for (int i = 0; i < 4; ++i) {
        cases.push_back({QStringLiteral("menu_hover%1.jpg").arg(i), QSize(titleWidths[i], 16)});
        cases.push_back({QStringLiteral("menu_push%1.jpg").arg(i), QSize(titleWidths[i], 16)});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        QFile file(QStringLiteral(":/skin/") + c.name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(3), QByteArray("\xff\xd8\xff")); // JPEG start of image
        file.close();
        QImageReader reader(QStringLiteral(":/skin/") + c.name);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        EXPECT_EQ(reader.size(), c.size);
        EXPECT_FALSE(reader.read().isNull());
    }

    for (const auto &set : {Skin::buttonHover(), Skin::buttonPush()})
        for (const QPixmap &picture : set)
            EXPECT_EQ(picture.size(), QSize(60, 72));
    for (const auto &set : {Skin::menuHover(), Skin::menuPush()})
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(set[i].size(), QSize(titleWidths[i], 16));
}

TEST(StorePictures, HoverAndPressedLooksDiffer)
{
    // A pressed tile is darker than a hovered one, for every element.
    auto meanGrey = [](const QPixmap &picture) {
        const QImage image = picture.toImage();
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += qGray(image.pixel(x, y));
        return double(sum) / (image.width() * image.height());
    };
    const auto hover = Skin::buttonHover(), push = Skin::buttonPush();
    for (int i = 0; i < 6; ++i)
        EXPECT_GT(meanGrey(hover[i]), meanGrey(push[i]) + 10) << "tool button " << i;
    const auto titleHover = Skin::menuHover(), titlePush = Skin::menuPush();
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(meanGrey(titleHover[i]), meanGrey(titlePush[i])) << "title " << i;
}

TEST(WindowIcon, HasThe48_32And16PixelImages)
{
    for (int size : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/skin/icon%1.png").arg(size));
        EXPECT_EQ(reader.size(), QSize(size, size));
    }
    const QList<QSize> sizes = Skin::windowIcon().availableSizes();
    for (int size : {16, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST(HandCursor, IsA32By32MonochromeHandWithItsHotSpotAtTheFingertip)
{
    const QImage hand = QImage(QStringLiteral(":/skin/hand.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(hand.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = hand.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            ++opaque;
            EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
            EXPECT_TRUE((p & 0xffffff) == 0 || (p & 0xffffff) == 0xffffff) << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 100);
    // The fingertip is the topmost drawn row, and the hot spot lies on it.
    EXPECT_EQ(qAlpha(hand.pixel(6, 0)), 255);

    const QCursor cursor = Skin::handCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(6, 0));
    EXPECT_EQ(cursor.bitmap().size(), QSize(32, 32));
    // The mask's drawn pixels are the picture's opaque ones.
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(mask.pixel(6, 0) & 0xffffff, 0u);          // bit set: drawn
    EXPECT_EQ(mask.pixel(31, 31) & 0xffffff, 0xffffffu); // clear: see-through
}

TEST(HelpFile, IsACompiledHtmlHelpFileWithThePages)
{
    const QString chm = QStringLiteral(MORVANE_BUILD_DIR "/help.chm");
    if (!QFile::exists(chm))
        SKIP_OR_FAIL_MISSING("help.chm was not built (chmcmd missing)");
    QFile file(chm);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("ITSF"));
    const QString chmls = QStandardPaths::findExecutable(QStringLiteral("chmls"));
    if (chmls.isEmpty())
        SKIP_OR_FAIL_MISSING("chmls missing: contents not listed");
    QProcess list;
    list.start(chmls, {QStringLiteral("-n"), QStringLiteral("list"), chm});
    ASSERT_TRUE(list.waitForFinished(10000));
    const QString names = QString::fromLocal8Bit(list.readAllStandardOutput());
    for (const char *page : {"/index.html", "/adding.html", "/settings.html", "/converting.html",
                             "/removing.html", "/toc.hhc", "/index.hhk"})
        EXPECT_TRUE(names.contains(QLatin1String(page))) << page;
}
