// "identisch zu Raum 1": a flank whose room-2 element is the same construction as its room-1
// element. Used by the main window's check boxes, by opening a file and by the dialogs that
// change a room-1 element.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// Flank i (1..4) takes the state of p.Fenster.chk_id[i]. Checking it copies the room-1 element,
// its description and its lining onto the room-2 side; the room-2 "löschen" button is enabled
// only while the flank is not identical and its lining field holds a lining. Recalculates while
// `BerechnungAktiv` is set (returning a conversion message, if any) and marks the project changed.
std::optional<std::string> IdentischeFlanke_Setzen(Projekt& p, int i);

}  // namespace phonikon
