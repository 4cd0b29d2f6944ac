#pragma once
// Every picture of the window, drawn from scratch.

#include <QImage>

namespace Artwork {

// The 600 x 490 skin with its key-coloured margin and corner cuts.
QImage background();

// A tool button's hover or pressed picture, 60 x 72.
QImage toolButton(const QImage &background, int index, bool pressed);

// A menu title's hover or pressed picture, the title's own size.
QImage menuTitle(const QImage &background, int index, bool pressed);

// The window icon at 16, 32 or 48 pixels.
QImage programIcon(int size);

// The 32 x 32 pointing hand: black, white and transparent pixels only.
QImage handCursor();

} // namespace Artwork
