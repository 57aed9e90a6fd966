// What the main window does when the user changes an input or clicks a command, written against
// the project alone. The window stores the new text or state of the control in `p.Fenster` first
// and then calls the handler; afterwards it shows the project again. Setting a control from code
// runs no handler, so every follow-up a handler needs happens here, with one calculation at most.
//
// Handlers that calculate return the conversion message of the calculation
// ("'x' ist kein gültiger Fließkommawert") when a field text is no number.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

using Rechenmeldung = std::optional<std::string>;

// The window has just been created: defaults, sketch colours, first page, calculation, saved.
Rechenmeldung FormCreate(Projekt& p);

// One of the 17 numeric fields changed. Empty fields get "0" (flank areas "1"); while
// `BerechnungAktiv` is set the project is calculated and marked as changed.
Rechenmeldung edit_Vol1Change(Projekt& p);

// The name of flank i (1..4) changed: an empty name falls back to "Flanke i".
void edit_Flanke1Change(Projekt& p, int i);

// The name of room 1 or 2 changed: an empty name falls back to "Raum 1" / "Raum 2".
void edit_room1Change(Projekt& p, int raum);

// The name of the separating element changed.
void edit_TBChange(Projekt& p);

// Project name, street, postcode, town or variant changed.
void memo_ProjektChange(Projekt& p);

// "identisch zu Raum 1" of flank i changed (p.Fenster.chk_id[i] holds the new state). Checking it
// copies the room-1 element, its description and its lining onto the room-2 side.
Rechenmeldung chk_id_F1Click(Projekt& p, int i);

// Horizontal or vertical situation chosen (p.Fenster.rg_horizontal holds the choice).
Rechenmeldung rg_horizontalClick(Projekt& p);

// The user picked a DnT,w direction (p.Fenster.rg_DnTW1 holds it); shows its value and, when
// the direction is not the normative one, the note. No calculation.
void rg_DnTW1Click(Projekt& p);

// A press on the element pages while page `seite` (0 separating element, 1..4 flank) is active:
// the sketch highlights that element.
Rechenmeldung PageControlMouseDown(Projekt& p, int seite);

// A click on the sketch clears the highlight.
Rechenmeldung Image1Click(Projekt& p);

// The results window opens: the protocol is kept up to date from now on.
Rechenmeldung btn_ResultsClick(Projekt& p);

// The results window was closed.
void ProtokollFensterGeschlossen(Projekt& p);

inline constexpr const char* kKeineErgebnisseMeldung = "Es liegen keine Berechnungsergebnisse vor.";

// The variant command: the message to show instead of the variant window while the last
// calculation found inputs missing, or nothing when the window may open.
std::optional<std::string> button_VariantClick(const Projekt& p);

// Whether the flank-area field of flank i in room j (1, 2) is shown: room 2 for the corner
// junctions "LSa…", room 1 for "LSb…".
bool FlankenflaecheSichtbar(const Projekt& p, int i, int j);

}  // namespace phonikon
