#pragma once
// Makes "Tahoma" available to the window: Debian's fonts-wine copy when it
// is installed, otherwise the closest sans face the machine has.

#include <QFont>
#include <QString>

namespace Fonts {

// Call once after the QApplication exists and before any window is made.
void registerTahoma();

// Tahoma 9 pt as the window's layout means it: 15 twips a pixel, so 12
// pixels whatever the screen's own resolution says.
QFont tahoma(bool bold = false, bool underline = false);

// Where fonts-wine puts its faces (outside fontconfig's path).
inline QString wineFontFolder() { return QStringLiteral("/usr/share/wine/fonts"); }

} // namespace Fonts
