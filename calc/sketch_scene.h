// Geometry and colours of the situation sketch (no drawing: the window renders the result).
#pragma once

#include "calc/project_state.h"

namespace phonikon {

// Colours of every element and lining from whether the element is defined (m' >= 80 kg/m²).
void Skizzenfarben(Projekt& p);

// Builds p.SkizzenBild. Like the drawing it replaces, it leaves its highlight and junction-piece
// colours in p.Farben until Skizzenfarben runs again.
void Skizze_Zeichnen(Projekt& p);

}  // namespace phonikon
