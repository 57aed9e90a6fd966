// The pictures of the imprint window and the program icon, drawn rather than stored.
#pragma once

#include <QPixmap>

namespace phonikon {

// The publisher's emblem: a wall between two rooms with sound waves.
QPixmap Emblem(int groesse, qreal dpr = 1.0);

// The developer's picture: a calculator sheet with a level curve.
QPixmap Entwicklerbild(int groesse, qreal dpr = 1.0);

}  // namespace phonikon
