// Mass per unit area of a three-layer element and its direct weighted sound reduction index from
// the mass curve of its construction kind, with the deduction for thermally optimised hollow units.
#pragma once

#include "calc/project_state.h"

namespace phonikon {

// m' [kg/m²] of three layers, densities in kg/m³ and thicknesses in cm. Each layer's product is
// scaled to kg/m² on its own and the layers are summed from the first to the third.
long double Flaechenmasse(long double roh1, long double d1, long double roh2, long double d2,
                          long double roh3, long double d3);

// Rw [dB] of the mass curve of construction kind `kind` at m' = `mFlaeche` [kg/m²] (> 0) with core
// density `roh2` [kg/m³]; 0 for an unknown kind. The curves are empirical laws in lg m' and are
// not continuous where lightweight concrete (at 1000 kg/m³) and other constructions (at
// 150 kg/m²) switch laws.
long double Massekurve(int kind, long double mFlaeche, long double roh2);

// Whether m' is high enough for a mass-curve value: below the mass from which an element counts
// as defined the curve is not valid and an element gets no Rw.
inline bool MassekurveGueltig(long double mFlaeche) {
    return !(mFlaeche < kMindestFlaechenmasse);
}

// Clay brick and lightweight concrete cores thicker than this may be thermally optimised hollow
// units; only then is the pair of unit types offered.
inline constexpr long double kHohlsteinMindestdicke = 24.0L;  // cm

inline constexpr long double kAbschlagZiegel = 10.0L;      // dB
inline constexpr long double kAbschlagLeichtbeton = 5.2L;  // dB

// Whether the pair of unit types (approved hollow units / units after DIN) applies to the element.
bool ZulassungAngeboten(int kind, long double d2);

// The deduction [dB] from the mass curve for thermally optimised hollow units: 10 for clay brick,
// 5.2 for lightweight concrete, 0 when none applies. `Zulassung1` == 1 means approved units (always
// deducted); otherwise units after DIN, deducted only below 770 (clay brick) or 590 kg/m³
// (lightweight concrete).
long double Abschlag(int kind, int Zulassung1, long double roh2, long double d2);

}  // namespace phonikon
