#pragma once
// The skin's colours in one place, so the pictures of the stores match the
// background they are laid over.

#include <QColor>

namespace Palette {

const QColor Outline(18, 38, 70);
const QColor HeaderTop(48, 96, 166);
const QColor HeaderBottom(27, 62, 118);
const QColor HeaderText(255, 255, 255);
const QColor MenuText(226, 236, 250);
const QColor StripTop(249, 251, 254);
const QColor StripBottom(218, 228, 241);
const QColor StripLine(170, 188, 214);
const QColor LabelText(28, 44, 72);
const QColor PanelTop(46, 110, 196);
const QColor PanelBottom(22, 70, 146);
const QColor PanelEdge(17, 52, 108);
const QColor PanelText(255, 255, 255);
const QColor PanelSoftText(200, 222, 250);
const QColor Accent(255, 170, 40);

const QColor HoverTile(214, 232, 253);
const QColor HoverBorder(74, 137, 220);
const QColor PushTile(150, 190, 240);
const QColor PushBorder(38, 92, 170);
const QColor TitleHoverFrame(196, 220, 250);
const QColor TitlePushFrame(12, 34, 72);
const QColor TitlePushFill(30, 66, 122);

} // namespace Palette
