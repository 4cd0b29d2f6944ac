#pragma once
// Text and the faces of the strip's elements, shared by the background and
// the hover and pressed pictures so both look alike.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace Text {

// Every text of the pictures is set in this face (fonts-dejavu-core).
inline const QString Face = QStringLiteral("DejaVu Sans");

// False when the machine would set the texts in a stand-in face instead.
bool faceIsPresent();

QFont font(int pixelSize, bool bold);
void draw(QPainter &p, const QRect &box, int flags, const QString &text, const QFont &font,
          const QColor &colour);

// A menu title's caption centred in its area, its first letter underlined.
void menuCaption(QPainter &p, const QRect &area, const QString &caption, const QColor &colour);

// A tool button's icon above its label, filling the button's 60 x 72 area.
void toolFace(QPainter &p, const QRect &area, int command, const QColor &labelColour);

} // namespace Text
