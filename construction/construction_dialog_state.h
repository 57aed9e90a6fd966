// The construction dialog without its window: what its controls hold and show, and its handlers
// as plain functions. The window stores the user's change of a control here first, calls the
// handler and then shows the state again; setting a control from code runs no handler, so every
// follow-up a handler needs happens inside it.
//
// The dialog edits a working copy of the element's construction record. The project is written
// only when the user commits; cancelling leaves the element exactly as it was.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/project_state.h"

namespace phonikon {

// Conversion message of a number field ("'x' ist kein gültiger Fließkommawert"), if any.
using Dialogmeldung = std::optional<std::string>;

struct AufbauDialog {
    // --- Element under edit ----------------------------------------------------------------------
    std::string AktElement;  // "TB", "F1_R1" … "F4_R2"
    int AktZeile = 0, AktSpalte = 0;
    Bauteil Aufbau;  // working copy of the element's record

    // Working values of the recomputation.
    long double AktMFlaeche = 0;  // m' [kg/m²]
    long double AktRw = 0;        // Rw [dB]; 0 below 80 kg/m²
    int AktKonstrukt = 0;         // kind last rated by the mass curve

    // --- What the user sets
    // ------------------------------------------------------------------------
    std::string label_BT = " Bauteil";
    int combo_Konstrukt = 0;
    int combo_B1 = 0, combo_B2 = 0, combo_B2a = 0, combo_B2b = 0, combo_B3 = 0;
    int rg_Moertel = 0;                                      // 0 thin-bed, 1 normal mortar
    bool rg_Zulassung1 = true;                               // false: rg_Zulassung2 checked
    std::array<std::string, 4> edit_d{"", "0", "0", "0"};    // layers 1..3 [cm]
    std::array<std::string, 4> edit_roh{"", "0", "0", "0"};  // layers 1..3 [kg/m³]
    std::array<std::string, 4> edit_schichtName{};           // layers 1..3
    std::string edit_RwUser = "0";
    bool chk_RwUser = false;

    // --- What the controls show
    // --------------------------------------------------------------------
    int Breite = 784, Hoehe = 515;
    bool panel_Rohdichte = false;  // the reference table and its frame `Bevel`
    bool panel_Schichtaufbau = false;
    std::string label_WD = "Wand:";
    std::string Label4 = "Wand:";
    bool combo_B2a_sichtbar = false;
    bool Brevonlisten_sichtbar = true;  // combo_B2b, combo_B2, rg_Moertel, label_Rohdichteklasse
    bool combo_B3_sichtbar = true;
    bool label_Wanddicke_sichtbar = true;
    bool lb_Wandrohdichte_sichtbar = true;
    bool lb_Vgl_sichtbar = false;
    bool Putzdicken_an = true;  // edit_d1, edit_d3
    bool edit_d2_an = true;
    bool Rohdichten_an = true;  // edit_roh1 … edit_roh3
    bool edit_schichtName2_an = true;

    bool Zulassung_sichtbar = false;  // rg_Zulassung1, rg_Zulassung2
    int Zulassung_Links = 10;
    std::string rg_Zulassung1_Text, rg_Zulassung2_Text;

    std::string label_m = "$$$.$ [kg/m²]";
    std::string lb_Rw = "Direktschalldämm-Maß nach Massekurve:";
    bool lb_Rw_rot = false;
    std::string label_Rw = "$$.$ [dB]";
    bool label_Rw_sichtbar = true;
    bool RwEingabe_sichtbar = false;  // edit_RwUser and lb_UnitRw
    bool edit_RwUser_an = false;
    bool chk_RwUser_sichtbar = false;
    std::vector<std::string> memo_Meldung;
    bool memo_Meldung_sichtbar = false;
    bool label_Meldung1_sichtbar = false;
};

inline constexpr const char* kLieferMeldung =
    "Liefermöglichkeit für gewähltes Brevon-Produkt prüfen!";

// --- Handlers
// --------------------------------------------------------------------------------------

// The recomputation: layer values from the catalogue (Brevon masonry, concrete), the six number
// fields read into the working copy (negative values become 0), m', Rw and the result box in one
// of its four states. Stops at a field that holds no number and returns its message.
Dialogmeldung AufbauBerechnen(AufbauDialog& d, char sep);

// Shows the delivery-range notice unless mortar, class and thickness are in the delivery range.
void LieferprogrammPruefen(AufbauDialog& d);

// The six lines of the notice on thermally optimised hollow units, for clay brick or lightweight
// concrete and the mass-curve value `RwM`.
std::vector<std::string> Hinweiszeilen(int kind, long double RwM, char sep);

// A new construction kind was chosen (d.combo_Konstrukt holds it): controls set up for the kind,
// then recomputed.
Dialogmeldung combo_KonstruktChange(AufbauDialog& d, char sep);

// A selection in one of the five catalogue lists (d holds the new index).
Dialogmeldung combo_B1Click(AufbauDialog& d, char sep);

// The mortar or the unit type changed (d holds the choice); recomputes while `BerechnungAktiv`.
Dialogmeldung rg_MoertelClick(AufbauDialog& d, const Projekt& p);
Dialogmeldung rg_Zulassung1Click(AufbauDialog& d, const Projekt& p);

// The user-given Rw was switched on or off (d.chk_RwUser holds the state).
Dialogmeldung chk_RwUserClick(AufbauDialog& d, char sep);

// One of the six number fields changed (d holds its text): emptied fields show "0"; recomputes
// while `BerechnungAktiv`.
Dialogmeldung edit_d1Change(AufbauDialog& d, const Projekt& p);

// Key filter of the number fields and the user Rw: what a typed character becomes (itself, or
// "." for "," where "." is the separator) or nothing when it is discarded.
std::optional<char32_t> Zahlentaste(char32_t zeichen, char sep);

// --- Hand-over with the main window -----------------------------------------------------------

// The text of `label_BT` for the element in cell (zeile, spalte).
std::string Bauteilbezeichnung(const Projekt& p, int zeile, int spalte);

// Opens the dialog on the element in cell (zeile, spalte) of the element grid: fills it from the
// element's record, sets the controls for its kind and recomputes.
Dialogmeldung AufbauDialogOeffnen(AufbauDialog& d, Projekt& p, int zeile, int spalte);

// The first step of "Übernehmen": recomputes and says what happens next.
struct Uebernahmepruefung {
    enum class Ergebnis {
        Fehler,         // a field holds no number: `text` is the message, the dialog stays open
        Uebernehmen,    // commit without question
        WarnungMasse,   // m' below 80 kg/m²: `text` asks whether to commit anyway
        WarnungKeinRw,  // no Rw: `text` asks whether to commit anyway
    };
    Ergebnis ergebnis;
    std::string text;
};
Uebernahmepruefung btn_OKClick(AufbauDialog& d, char sep);

// Commits the dialog into the project: the element's record and description, the description
// label of the separating element, the copy onto an identical room-2 side; then sketch colours,
// calculation, project marked changed. Returns the calculation's conversion message, if any.
std::optional<std::string> AufbauUebernehmen(const AufbauDialog& d, Projekt& p);

// The three description lines of the element as the commit writes them.
std::array<std::string, 3> Beschreibungszeilen(const AufbauDialog& d);

}  // namespace phonikon
