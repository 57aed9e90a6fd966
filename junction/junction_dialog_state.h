// The junction dialog without its window: the type and decoupling under edit, its texts and
// layout, and what opening, choosing and applying do to the project. The dialog shows this state
// and calls these handlers; the core tests drive them directly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/junction_codes.h"
#include "calc/project_state.h"

namespace phonikon {

struct StossDialogZustand {
    StossTyp typ = StossTyp::T;             // item of the type group rgStoss
    std::optional<StossTrennung> trennung;  // highlighted picture button, none for an unknown code
    std::string lb_Stoss;                   // " Flanke: " and the flank's name
    std::string lb_Remark;                  // hint to the decoupling last shown
};

// Geometry by type, in pixels: T and cross junctions show the two equivalent rigid
// constructions on a wide first button, the corner junctions a plain one in a narrower dialog.
struct StossDialogLayout {
    int breite;             // dialog
    int panelButtonsLinks;  // left of the row of buttons 1 … 4
    int gruppenBreite;      // type group and hint line
    int rahmenBreite;       // frame around buttons, hint and legend
    int uebernehmenLinks, abbrechenLinks;
    bool grosserKnopf;  // first button shows both rigid constructions
};

constexpr StossDialogLayout LayoutFuer(StossTyp typ) {
    if (Daten(typ).raumImVerlauf == 0) return {391, 121, 365, 377, 110, 195, true};
    return {343, 73, 317, 329, 85, 170, false};
}

// The junction button of flank k (1 … 4) was clicked: remembers the flank in `AktFlanke` and
// shows its stored junction. A code that is none of the 20 leaves type and hint as they were
// and highlights nothing.
void button_Stoss1Click(Projekt& p, StossDialogZustand& z, int k);

// Another junction type was chosen; the decoupling stays chosen.
void rgStossClick(StossDialogZustand& z, StossTyp typ);

// A decoupling button was clicked: it is highlighted and its hint shown.
void button_0Click(const Projekt& p, StossDialogZustand& z, StossTrennung trennung);

// The code of the current choice, or nothing while no decoupling is highlighted.
const StossDaten* GewaehlterStoss(const StossDialogZustand& z);

// "Übernehmen": stores the chosen code for flank `AktFlanke` (nothing while none is chosen),
// marks the project as changed and calculates. Returns the conversion message of the
// calculation, if any.
std::optional<std::string> btn_ExitClick(Projekt& p, const StossDialogZustand& z);

}  // namespace phonikon
