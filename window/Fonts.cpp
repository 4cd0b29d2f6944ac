#include "window/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void Fonts::registerTahoma()
{
    const QString tahoma = QStringLiteral("Tahoma");
    for (const char *file : {"/tahoma.ttf", "/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(wineFontFolder() + QLatin1String(file));
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
