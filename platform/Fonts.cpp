#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void Fonts::registerTahoma()
{
    const QString tahoma = QStringLiteral("Tahoma");
    // Only the regular face: fonts-wine's tahomabd.ttf draws strokes hardly
    // heavier than the regular one, so titles and links would not read as
    // bold. Without a bold face Qt emboldens the regular one, which does.
    QFontDatabase::addApplicationFont(wineFontFolder() + QStringLiteral("/tahoma.ttf"));
    if (QFontDatabase::hasFamily(tahoma))
        return;
    // Faces whose widths come near Tahoma's; the first one present wins.
    const QStringList nearest = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                 QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed"),
                                 QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(tahoma, nearest);
}

QFont Fonts::tahoma(bool bold, bool underline)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}
