// The program's own clipboard of constructions and linings. A mouse press on a construction
// description or a lining field selects that element or slot; the popup menu then copies from or
// pastes onto the selection, also when it was opened from the keyboard on another control.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// Press on the construction description of element (zeile, spalte): (0,0) separating element,
// (i,1) / (i,2) flank i in room 1 / room 2.
void Memo_TBaMouseDown(Projekt& p, int zeile, int spalte);

// "Aufbau kopieren": the 22 construction fields and the first three description lines.
void copyClick(Projekt& p);

// "Aufbau einfügen": overwrites the selected element (and, for the room-1 element of an
// identical flank, its room-2 twin) and recalculates. Returns the conversion message, if any.
std::optional<std::string> InsertClick(Projekt& p);

// Press on the lining field of slot (zeile, spalte): (0,1) / (0,2) separating element on the
// room-1 / room-2 side, (i,1) / (i,2) flank i.
void edit_VS0_1MouseDown(Projekt& p, int zeile, int spalte);

// "Vorsatzschale kopieren": resonance frequency and name of the selected slot.
void copyVSClick(Projekt& p);

// "Vorsatzschale einfügen": overwrites the selected slot (and the room-2 slot of an identical
// flank) and recalculates. Returns the conversion message, if any.
std::optional<std::string> InsertVSClick(Projekt& p);

}  // namespace phonikon
