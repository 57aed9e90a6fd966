// Evaluation of one element's construction record: layer values from the catalogue, m', the mass
// curve with its lower limit, the deduction for thermally optimised hollow units and the corrected
// or user-given Rw.
#pragma once

#include <optional>

#include "calc/project_state.h"

namespace phonikon {

struct Aufbauwerte {
    long double mFlaeche = 0;  // m' [kg/m²]
    long double Rw = 0;   // Rw of the element [dB]: 0 below 80 kg/m², else RwM or the RwUser value
    long double RwM = 0;  // Rw of the mass curve [dB]; 0 below 80 kg/m²
    long double Abschlag = 0;         // deduction that applies [dB], 0 = none
    bool ZulassungAngeboten = false;  // the pair of unit types is offered
};

// Evaluates `b` in place, as the construction dialog does after every change:
// - Brevon masonry and concrete take their layer values from the catalogue choices (an index
//   outside its list leaves that value as it is); other kinds keep the typed values;
// - every negative layer value becomes 0;
// - while the pair of unit types is offered, `Zulassung2` becomes the complement of the choice
//   `Zulassung1` == 1 (approved units) or not;
// - while a deduction applies, `RwUser` becomes `anwenderwert` (the typed value of an active
//   user entry) or, without one, the mass-curve value minus the deduction rounded to one decimal
//   as the field shows it.
// `mFlaeche` and `Rw` of the record are left to the caller: they change only when the user commits.
Aufbauwerte AufbauAuswerten(Bauteil& b, std::optional<long double> anwenderwert);

// The same with the record's own user entry: `RwUser` counts when `RwUserAktiv` is 1.
Aufbauwerte AufbauAuswerten(Bauteil& b);

}  // namespace phonikon
