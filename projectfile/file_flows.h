// The model side of New, Open and Save as: everything but the dialogs and message boxes.
#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// Takes the room, flank, separating-element and lining names from the window texts into the name
// lists, which the file stores; Save as does it before its dialog opens.
void Namen_Uebernehmen(Projekt& p);

// New project after the user said "Ja": reset, sketch colours, calculation, Gespeichert := 1,
// first page. Returns a conversion message of the calculation, if any.
std::optional<std::string> Projekt_Neu(Projekt& p);

struct OeffnenErgebnis {
    std::optional<std::string> fehler;        // I/O message: the open project was left untouched
    bool fruehereVersion = false;             // show the earlier-format information
    std::optional<std::string> rechenfehler;  // conversion message of the final calculation
};

// Open after the dialog: reads into a copy of the project (reset, TBName emptied), refreshes the
// window texts from the model, calculates and hands the copy over only when the whole read
// succeeded. On failure `p` stays exactly as it was.
OeffnenErgebnis Projekt_Oeffnen(Projekt& p, const std::string& pfad);

// The same flow without the protecting copy: `p` is reset and read in place, and after a failed
// read holds what was read before the failure. For callers whose project is disposable.
OeffnenErgebnis Projekt_Einlesen(Projekt& p, const std::string& pfad);

// Save as after the dialog: names (if not yet taken over), write, and on success DateiName, the
// file-name display and Gespeichert := 1. On failure nothing of `p` changes but the name lists.
std::optional<std::string> Projekt_SpeichernUnter(Projekt& p, const std::string& pfad);

// The information shown after opening a file of an earlier format.
extern const char* const kFruehereVersionMeldung;

}  // namespace phonikon
