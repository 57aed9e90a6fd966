// The developer's picture of the imprint window, drawn rather than stored.
#pragma once

#include <QPixmap>

namespace phonikon {

// The developer's picture: a calculator sheet with a level curve.
QPixmap Entwicklerbild(int groesse, qreal dpr = 1.0);

}  // namespace phonikon
