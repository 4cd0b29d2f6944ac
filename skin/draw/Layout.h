#pragma once
// Where the window's controls lie, in pixels, so the artwork puts each
// drawn element under the control that takes its mouse input.

#include <QRect>
#include <QString>

#include <array>

namespace Layout {

constexpr int px(int twips) { return (twips + 7) / 15; }

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QRgb Key = 0xffff00ff;
const QRect Picture(0, 0, 600, 490);
const QRect Body(4, 4, 590, 480);

const QRect Exit = twipRect(8640, 150, 165, 195);
const QRect StartPanel = twipRect(210, 1950, 8535, 4785);

inline QRect menuTitle(int i)
{
    static const int left[4] = {240, 930, 2030, 3060};
    static const int width[4] = {615, 1035, 930, 840};
    return twipRect(left[i], 460, width[i], 240);
}

inline QRect toolButton(int i)
{
    static const int left[6] = {180, 1245, 2275, 3330, 4335, 5310};
    return twipRect(left[i], i == 2 ? 790 : 780, 900, 1080);
}

// Run labels and busy cells appear over the start panel during a run.
const QRect RunArea = QRect(twipRect(6150, 4770, 2385, 1275)).adjusted(-8, -6, 8, 6);

const std::array<QString, 4> MenuCaptions = {QStringLiteral("File"), QStringLiteral("Convert"),
                                             QStringLiteral("Settings"), QStringLiteral("About")};
const std::array<QString, 6> ButtonLabels = {QStringLiteral("Add"),      QStringLiteral("Remove"),
                                             QStringLiteral("Convert"),  QStringLiteral("Settings"),
                                             QStringLiteral("Help"),     QStringLiteral("Exit")};

// Strips of the body, top to bottom.
constexpr int TitleBottom = 28;     // last row of the title strip
constexpr int MenuBottom = 48;      // last row of the menu-title strip
constexpr int FooterTop = 455;

} // namespace Layout
