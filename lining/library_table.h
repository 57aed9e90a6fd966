// The library table of the lining dialog as plain data: the entries shown, the lock state and
// the selected row, with the table editor's commands. The window shows this state and forwards
// the user's edits to it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lining/library_file.h"

namespace phonikon {

inline constexpr const char* kSpaltentitelName = " Vorsatzschalen-System und Resonanzfrequenz";
inline constexpr const char* kSpaltentitelFrequenz = "   [Hz]";

struct Bibliothekstabelle {
    // The entry rows below the header row; there is always at least one (empty) row.
    std::vector<Bibliothekseintrag> Zeilen{1};
    // Unlocked: cells are edited in place and rows may be added, blanked and saved.
    bool Entsperrt = false;
    // Index into `Zeilen` of the bottom row of the selection.
    int Auswahl = 0;
    // " Dateiname: VS_Wand.lib" — always the default name of the kind.
    std::string lb_DateiName;
};

// Empties the table to its one empty row, ready for a load.
void Tabelle_Leeren(Bibliothekstabelle& t);

// Fills the table with the entries of a loaded file (one empty row when there are none).
void Tabelle_Fuellen(Bibliothekstabelle& t, std::vector<Bibliothekseintrag> eintraege);

// "Tabelle editieren" / "Tabelle sperren": toggles the lock.
void btn_EditTabClick(Bibliothekstabelle& t);

// The caption of btn_EditTab for the current lock state.
std::string EditTabBeschriftung(const Bibliothekstabelle& t);

// " Zeile einfügen": appends one empty row (unlocked only).
void btn_AddLineClick(Bibliothekstabelle& t);

// " Zeile Löschen ": blanks both cells of the selected row; the row stays until the next load
// and is not saved (unlocked only).
void DeleteLibLineClick(Bibliothekstabelle& t);

// The user edited a cell (unlocked only): spalte 0 name, 1 frequency.
void Zelle_Geaendert(Bibliothekstabelle& t, int zeile, int spalte, const std::string& text);

// "Tabelle speichern ": writes the table to the library file `pfad` of kind `vsArt`. A failure
// leaves the file and the table as they were and returns the message to show.
std::optional<std::string> btn_SaveTabClick(const Bibliothekstabelle& t, int vsArt,
                                            const std::string& pfad);

}  // namespace phonikon
