#pragma once
// The layout is written in twips; the screen has 15 of them to a pixel.

#include <QRect>

constexpr int twips(int t) { return (t + 7) / 15; }

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
