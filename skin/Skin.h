#pragma once
// The window's pictures, compiled into the program.

#include "skin/Layout.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <array>

namespace Skin {

// The 600 x 490 background with its key-coloured margin.
QImage background();

// Hover and pressed pictures of the six tool buttons and four menu titles.
std::array<QPixmap, Layout::ButtonCount> buttonHover();
std::array<QPixmap, Layout::ButtonCount> buttonPush();
std::array<QPixmap, Layout::MenuCount> menuHover();
std::array<QPixmap, Layout::MenuCount> menuPush();

QIcon windowIcon();
// The pointing hand, hot spot at the fingertip (6, 0).
QCursor handCursor();

} // namespace Skin
