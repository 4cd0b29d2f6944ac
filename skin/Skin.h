#pragma once
// The window's pictures, compiled into the program.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <array>

namespace Skin {

constexpr QRgb KeyColour = 0xffff00ff;   // RGB(255, 0, 255)

// The 600 x 490 background with its key-coloured margin.
QImage background();

// Hover and pressed pictures of the six tool buttons and four menu titles.
std::array<QPixmap, 6> buttonHover();
std::array<QPixmap, 6> buttonPush();
std::array<QPixmap, 4> menuHover();
std::array<QPixmap, 4> menuPush();

QIcon windowIcon();
// The pointing hand, hot spot at the fingertip (6, 0).
QCursor handCursor();

} // namespace Skin
