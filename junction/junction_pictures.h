// Plan-view pictures of the 20 junctions, for the junction buttons of the flank pages and the
// junction dialog.
#pragma once

#include <QPixmap>
#include <string_view>

namespace phonikon {

inline constexpr int kStossBildGroesse = 64;  // logical pixels, square

// The picture of a junction code: separating element blue, flank element of room 1 navy, of
// room 2 green, a separating element running on through a cross junction grey, decoupling layers
// yellow. An unknown code gives the picture of "TS_ohneTrennung". `dpr` 0 = the application's
// device pixel ratio.
QPixmap StossBild(std::string_view code, qreal dpr = 0);

}  // namespace phonikon
