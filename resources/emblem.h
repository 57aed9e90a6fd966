// The program's emblem: a wall between two rooms with sound waves arriving on one side and
// weakened ones leaving on the other. Drawn, not stored, so it is sharp on screen, in the
// imprint window and in the printed report alike.
#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

namespace phonikon {

// Draws the emblem into `box` (a square looks best).
void EmblemZeichnen(QPainter& maler, const QRectF& box);

// The emblem as a picture of `groesse` logical pixels for labels and buttons.
QPixmap Emblem(int groesse, qreal dpr = 1.0);

}  // namespace phonikon
