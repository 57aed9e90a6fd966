// Plan pictures of the junctions, drawn by one routine for the junction buttons of the flank
// pages, the junction dialog and the printed report.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <string_view>

#include "calc/junction_codes.h"

class QPainter;

namespace phonikon {

inline constexpr int kStossBildGroesse = 45;  // logical pixels, square: the picture's design grid

// How a rigid T or cross junction is built; both are acoustically equal. At a butt joint the flank
// runs on and the separating element ends against it; otherwise the separating element passes
// through and the flank elements end against it.
enum class StossAusfuehrung { Stumpfstoss, DurchgehendeTrennwand };

// Draws the plan of a junction into `ziel`, scaled from the 45 × 45 design: separating element
// blue, flank element of room 1 navy, of room 2 green, the separating element running on through
// a cross junction grey, decoupling layers yellow. Room 1 lies above the separating element,
// room 2 below. Edges fall on whole device pixels when `ziel` is a whole multiple of 45 device
// pixels, so the picture stays sharp at every device pixel ratio.
void StossZeichnen(QPainter& p, const QRectF& ziel, StossTyp typ, StossTrennung trennung,
                   StossAusfuehrung ausfuehrung = StossAusfuehrung::Stumpfstoss);

// The same for a code; a text that is none of the 20 codes draws "TS_ohneTrennung".
void StossZeichnen(QPainter& p, const QRectF& ziel, std::string_view code);

// The picture as a 45 × 45 pixmap at device pixel ratio `dpr` (0: the application's).
QPixmap StossBild(StossTyp typ, StossTrennung trennung,
                  StossAusfuehrung ausfuehrung = StossAusfuehrung::Stumpfstoss, qreal dpr = 0);
QPixmap StossBild(std::string_view code, qreal dpr = 0);

// The picture as an icon that is drawn afresh for every size and pixel ratio it is shown at.
QIcon StossSymbol(StossTyp typ, StossTrennung trennung,
                  StossAusfuehrung ausfuehrung = StossAusfuehrung::Stumpfstoss);
QIcon StossSymbol(std::string_view code);

}  // namespace phonikon
