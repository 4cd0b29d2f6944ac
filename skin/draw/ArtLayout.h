#pragma once
// The window's places in pixels as the artwork needs them, taken from the
// window's own layout, and what only the pictures show: captions, labels
// and the strips of the body.

#include "skin/Layout.h"

#include <QRect>
#include <QString>

#include <array>

namespace Layout {

inline constexpr QRect Exit = pixels(imgExit);
inline constexpr QRect StartPanel = pixels(picSetting);

constexpr QRect menuTitle(int i) { return pixels(imgMenu(i)); }
constexpr QRect toolButton(int i) { return pixels(imgButton(i)); }

const std::array<QString, MenuCount> MenuCaptions = {QStringLiteral("File"), QStringLiteral("Convert"),
                                                     QStringLiteral("Settings"), QStringLiteral("About")};
const std::array<QString, ButtonCount> ButtonLabels = {QStringLiteral("Add"),     QStringLiteral("Remove"),
                                                       QStringLiteral("Convert"), QStringLiteral("Settings"),
                                                       QStringLiteral("Help"),    QStringLiteral("Exit")};

// Strips of the body, top to bottom.
constexpr int TitleBottom = 28; // last row of the title strip
constexpr int MenuBottom = 48;  // last row of the menu-title strip
constexpr int FooterTop = 455;

} // namespace Layout
