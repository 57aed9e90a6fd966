// The lining dialog's working state and its handlers, without windows. The dialog gets the
// resonance frequency of a lining in one of three ways — from the library, calculated from the
// shell's mass and its spacing or the dynamic stiffness of the layer behind it, or typed in —
// and writes description and frequency into one of the ten lining slots of the project.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"
#include "lining/library_table.h"

namespace phonikon {

// The three modes of rg_Auswahl.
inline constexpr int kModusBibliothek = 0;
inline constexpr int kModusBerechnung = 1;
inline constexpr int kModusDirekt = 2;

struct VorsatzschalenDialog {
    int zeile = 0, spalte = 1;  // the slot under edit, a cell of the element grid

    std::string Label_VS;  // heading naming room and flank
    int Modus = kModusBibliothek;
    Bibliothekstabelle Tabelle;

    // Calculation: RadioButton1 = shell in front of a heavy wall (or below a solid floor) with a
    // soft absorbing layer in the cavity, the input is the shell distance s; RadioButton2 = the
    // insulation layer is bonded to both shells (also floating screeds), the input is its
    // dynamic stiffness s'. Kept from one opening to the next.
    bool RadioButton1 = true;
    std::string editSys;
    std::string edit_s = "0", edit_m = "0";
    std::string edit_calcFres = "???";
    std::string lb_Eingabe1 = "Schalenabstand s :";
    std::string lb_Eingabe1a = "[m]";

    // Direct input.
    std::string edit_VSsys;
    std::string edit_fres = "0";
};

// The key of lining slot (zeile, spalte): "TB_VS1", "TB_VS2", "VS1_1" … "VS4_2".
std::string VSSchluessel(int zeile, int spalte);

// The heading for slot (zeile, spalte) with the current room and flank names of the window:
// " Vorsatzschale Trennbauteil Raum 1", " Vorsatzschale Wohnen / Außenwand".
std::string VSUeberschrift(const Projekt& p, int zeile, int spalte);

// Prepares the dialog for slot (zeile, spalte): sets p.AktElement and the heading, chooses the
// library mode, empties the inputs and locks the table. The library itself is loaded by the
// window, which may have to ask for the file.
void VS_Dialog_Oeffnen(VorsatzschalenDialog& d, Projekt& p, int zeile, int spalte);

// Resonance frequency [Hz] of a lining with a shell of m' [kg/m²]: with an absorbing layer in
// the cavity of depth x = s [m], f0 = 60 / √(s·m'); bonded, with x = s' [MN/m³],
// f0 = 160 · √(s'/m'). Nothing unless x and m' are both positive.
std::optional<long double> Resonanzfrequenz(bool hohlraum, long double x, long double m);

// Computes edit_calcFres from edit_s and edit_m: the frequency as a whole number, or "???" when it
// cannot be computed. Returns the conversion message when a text is no number.
std::optional<std::string> f0_Berechnung(VorsatzschalenDialog& d, char sep);

// A mode was chosen (also by the construction radio buttons and the unit label). In the
// calculation mode the input labels follow the construction and the frequency is recomputed.
std::optional<std::string> rg_AuswahlClick(VorsatzschalenDialog& d, int modus, char sep);

// RadioButton1 (hohlraum) or RadioButton2 chosen, by the button or its second caption line.
std::optional<std::string> Konstruktion_Waehlen(VorsatzschalenDialog& d, bool hohlraum, char sep);

// edit_s or edit_m changed (the new texts are in `d`): an emptied field becomes "0", then the
// frequency is recomputed.
std::optional<std::string> edit_sChange(VorsatzschalenDialog& d, char sep);

// Key filter of edit_s and edit_m: the character to insert for a typed `zeichen`, or nothing when
// the key is dropped. Digits and the decimal separator pass; with "." as separator a "," is
// typed as ".".
std::optional<char> Dezimaltaste(char zeichen, char sep);

// Key filter of edit_fres: digits only.
bool Ganzzahltaste(char zeichen);

// edit_fres changed: a text that is no whole number is emptied, and an empty field becomes "80".
void edit_fresChange(VorsatzschalenDialog& d);

enum class Uebernahme {
    Uebernommen,    // the slot was written and the project recalculated
    KeineFrequenz,  // no usable frequency: ask whether to leave the dialog anyway
};

struct UebernahmeErgebnis {
    Uebernahme ergebnis;
    std::optional<std::string> rechenmeldung;  // conversion message of the calculation
};

inline constexpr const char* kKeineFrequenzWarnung =
    " keine zulässige Resonanzfrequenz! \n Möchten Sie die Eingabe trotzdem beenden ? ";

// "&Übernehmen": takes frequency and description by the mode and writes them into the slot (and
// into the room-2 slot of an identical flank), recalculates and marks the project changed.
UebernahmeErgebnis Button_EnterClick(const VorsatzschalenDialog& d, Projekt& p);

// "löschen" of slot (zeile, spalte): selects the slot for the lining clipboard, empties it (and
// the room-2 slot of an identical flank) and recalculates.
std::optional<std::string> Button_TB_VS1clearClick(Projekt& p, int zeile, int spalte);

}  // namespace phonikon
