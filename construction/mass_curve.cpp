#include "construction/mass_curve.h"

#include "calc/formulas.h"
#include "construction/catalogue.h"

namespace phonikon {

long double Flaechenmasse(long double roh1, long double d1, long double roh2, long double d2,
                          long double roh3, long double d3) {
    // kg/m³ · cm · 0.01 m/cm = kg/m²
    return roh1 * d1 * 0.01L + roh2 * d2 * 0.01L + roh3 * d3 * 0.01L;
}

long double Massekurve(int kind, long double mFlaeche, long double roh2) {
    const auto art = KonstruktionsartNach(kind);
    if (!art) return 0.0L;
    const long double lg = Lg(mFlaeche);
    switch (art->Zeile) {
        case Massekurvenzeile::A:  // Brevon masonry, concrete, clay brick
            return 30.9L * lg - 22.2L;
        case Massekurvenzeile::B:  // aerated concrete
            return 26.1L * lg - 8.4L;
        case Massekurvenzeile::C:  // lightweight concrete, by wall density
            return roh2 > 1000.0L ? 32.4L * lg - 26.0L : 24.7L * lg - 5.8L;
        case Massekurvenzeile::D:  // other constructions, by mass
            return mFlaeche < 150.0L ? 17.0L * lg + 3.0L : 37.5L * lg - 42.0L;
    }
    return 0.0L;
}

bool ZulassungAngeboten(int kind, long double d2) {
    return (kind == kKonstruktZiegel || kind == kKonstruktLeichtbeton) &&
           d2 > kHohlsteinMindestdicke;
}

long double Abschlag(int kind, int Zulassung1, long double roh2, long double d2) {
    if (!ZulassungAngeboten(kind, d2)) return 0.0L;
    const bool zugelassen = Zulassung1 == 1;
    if (kind == kKonstruktZiegel) return zugelassen || roh2 < 770.0L ? kAbschlagZiegel : 0.0L;
    return zugelassen || roh2 < 590.0L ? kAbschlagLeichtbeton : 0.0L;
}

}  // namespace phonikon
