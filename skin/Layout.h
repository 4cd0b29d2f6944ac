#pragma once
// The main window's design: where each control lies, the key colour and the
// pictures' names. The window places its controls from here and the artwork
// program draws each element under the control that takes its input, so the
// two cannot drift apart.

#include "skin/Twips.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace Layout {

// Every pixel of exactly this colour is see-through and click-through.
inline constexpr QRgb KeyColour = 0xffff00ff; // RGB(255, 0, 255)

// The skin picture, and its body inside the key-coloured margin, in pixels.
inline constexpr QRect Picture(0, 0, 600, 490);
inline constexpr QRect Body(4, 4, 590, 480);

// A control's place in twips, as the design gives it.
struct Place {
    int left, top, width, height;
};

constexpr QRect pixels(const Place &p) { return twipRect(p.left, p.top, p.width, p.height); }

// The client area, in twips.
inline constexpr int ClientWidth = 8970;
inline constexpr int ClientHeight = 7320;

inline constexpr Place lstShell{7500, 630, 1125, 690};
inline constexpr Place menuMsg{6870, 1530, 1815, 315};
inline constexpr Place picSetting{210, 1950, 8535, 4785};
// Under the panel, which covers it whole: 30 twips less high.
inline constexpr Place LV{210, 1950, 8535, 4755};
inline constexpr Place lblFileNo{6855, 5250, 960, 210};
inline constexpr Place lblConverting{6840, 4770, 1065, 210};
inline constexpr int BusyCellCount = 10;
constexpr Place SP(int i) { return {6150 + 240 * i, 5820, 225, 225}; }
inline constexpr Place imgExit{8640, 150, 165, 195};

inline constexpr int MenuCount = 4;
inline constexpr int MenuLeft[MenuCount] = {240, 930, 2030, 3060};
inline constexpr int MenuWidth[MenuCount] = {615, 1035, 930, 840};
inline constexpr int MenuTop = 460;
inline constexpr int MenuHeight = 240;
constexpr Place imgMenu(int i) { return {MenuLeft[i], MenuTop, MenuWidth[i], MenuHeight}; }

inline constexpr int ButtonCount = 6;
inline constexpr int ButtonLeft[ButtonCount] = {180, 1245, 2275, 3330, 4335, 5310};
constexpr Place imgButton(int i) { return {ButtonLeft[i], i == 2 ? 790 : 780, 900, 1080}; }

// The pictures' file names, in skin/art and under the ":/skin/" resources.
namespace Pictures {

inline constexpr int IconSizes[3] = {16, 32, 48};

inline QString background() { return QStringLiteral("skin.bmp"); }
inline QString hand() { return QStringLiteral("hand.png"); }
inline QString icon(int size) { return QStringLiteral("icon%1.png").arg(size); }
inline QString buttonHover(int i) { return QStringLiteral("button_hover%1.jpg").arg(i); }
inline QString buttonPush(int i) { return QStringLiteral("button_push%1.jpg").arg(i); }
inline QString menuHover(int i) { return QStringLiteral("menu_hover%1.jpg").arg(i); }
inline QString menuPush(int i) { return QStringLiteral("menu_push%1.jpg").arg(i); }

inline QString resource(const QString &name) { return QStringLiteral(":/skin/") + name; }

} // namespace Pictures
} // namespace Layout
