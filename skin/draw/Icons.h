#pragma once
// The drawn icons: the six tool-strip symbols and the program's own mark.

#include <QRectF>

class QPainter;

namespace Icons {

// Draws the symbol of tool command 0..5 filling `box` (about 34 px square).
void tool(QPainter &painter, int command, const QRectF &box);

// The program's mark: a blue tile with a film strip and an orange arrow.
void programMark(QPainter &painter, const QRectF &box);

} // namespace Icons
