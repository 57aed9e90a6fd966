// The calculation: input check, lining and path improvements, junctions, flanking paths, shares,
// R'w and DnT,w. Reads the geometry texts of the main window from the project and writes the
// results, the result label texts, the message list and the sketch back into it.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// Runs the whole calculation. Returns the conversion message ("'x' ist kein gültiger
// Fließkommawert") when a geometry text is no number; the run then stops at that field and what
// it had written so far stays.
std::optional<std::string> Berechnen(Projekt& p);

// The note shown beside DnT,w when the chosen direction is not the normative one, and the text
// of label_DnTW for the chosen direction (used by the direction radio buttons as well).
void DnTW_Richtung_Anzeigen(Projekt& p);

}  // namespace phonikon
