#include "projectfile/file_flows.h"

#include <utility>

#include "calc/calculation.h"
#include "calc/identical_flank.h"
#include "calc/number_text.h"
#include "calc/project_reset.h"
#include "calc/sketch_scene.h"
#include "projectfile/project_file.h"

namespace phonikon {

const char* const kFruehereVersionMeldung =
    "Die eingelesene Datei wurde nicht mit der aktuellen Programmversion erstellt!"
    "                \n"
    "In der neuen Version ist zur Bestimmung von D,nTW die Angabe des Raumvolumens "
    "hinzugekommen. \n"
    "\n"
    "Weitere Informationen sind dem Handbuch (siehe Menüleiste / Info) zu entnehmen."
    "              ";

namespace {

// The description lines of an element, rebuilt from its layers: only layers with mass count;
// for the first two construction kinds the layer text already is the whole line.
std::vector<std::string> Aufbauzeilen(const Bauteil& b, char sep) {
    struct Schicht {
        long double d, roh;
        const std::string& name;
    };
    const Schicht schichten[] = {{b.d1, b.roh1, b.SchichtName1},
                                 {b.d2, b.roh2, b.SchichtName2},
                                 {b.d3, b.roh3, b.SchichtName3}};
    std::vector<std::string> zeilen;
    for (const Schicht& s : schichten) {
        if (!(s.d * s.roh > 0)) continue;
        if (b.Konstrukt < 2) {
            zeilen.push_back(s.name);
        } else {
            zeilen.push_back(FormatGeneral(s.d, sep) + " cm  " + s.name + " (" +
                             FormatGeneral(s.roh, sep) + " kg/m³)");
        }
    }
    return zeilen;
}

// Puts the model just read into the window texts.
void FensterAktualisieren(Projekt& p) {
    auto& f = p.Fenster;
    const char sep = p.Dezimaltrenner;

    f.label_DirRw_sichtbar = true;
    f.label_DirRw = "Direktschalldämmung: " + FormatFixed(p.Element[0][0].Rw, 3, 1, sep) + " [dB]";

    f.edit_A = FormatGeneral(p.S_TB, sep);
    f.edit_TB = p.TBName.empty() ? "Trennbauteil" : p.TBName;
    f.edit_Vol1 = FormatGeneral(p.V_Raum1, sep);
    f.edit_Vol2 = FormatGeneral(p.V_Raum2, sep);

    // Direction of DnT,w: from the larger room into the smaller, room 1 first when equal.
    f.rg_DnTW1 = !(p.V_Raum2 > p.V_Raum1);

    for (int k = 1; k <= 4; ++k) {
        f.edit_LF[k] = FormatGeneral(p.l_F[k], sep);
        f.edit_Flanke[k] = p.FlankenName[k];
        if (f.edit_Flanke[k].empty()) f.edit_Flanke[k] = "Flanke " + std::to_string(k);
    }

    for (int k = 1; k <= 4; ++k) {
        for (int j = 1; j <= 2; ++j) f.edit_FF[k][j] = FormatGeneral(p.Raumtiefe[k][j], sep);
    }
    for (int j = 1; j <= 2; ++j) {
        f.edit_room[j] = p.RaumName[j];
        if (f.edit_room[j].empty()) f.edit_room[j] = "Raum " + std::to_string(j);
    }
    f.edit_L1 = FormatGeneral(p.Raumtiefe[1][0], sep);
    f.edit_L2 = FormatGeneral(p.Raumtiefe[2][0], sep);

    // The identical boxes take the file's flags; a box that changes runs its handler, which
    // copies the room-1 element over when it becomes checked (after the reset all boxes are
    // checked, so in practice only clearing happens).
    for (int k = 1; k <= 4; ++k) {
        const bool identisch = p.IdentischF[k] != 0;
        if (f.chk_id[k] == identisch) continue;
        f.chk_id[k] = identisch;
        IdentischeFlanke_Setzen(p, k);
    }

    for (int c = 1; c <= 2; ++c) {
        f.edit_VS[0][c] = p.VSName[0][c];
        f.Button_VSclear[0][c] = !f.edit_VS[0][c].empty();
    }
    for (int k = 1; k <= 4; ++k) {
        f.edit_VS[k][1] = p.VSName[k][1];
        f.edit_VS[k][2] = p.VSName[k][2];
        f.Button_VSclear[k][1] = !f.edit_VS[k][1].empty();
        f.Button_VSclear[k][2] = !f.edit_VS[k][2].empty() && !f.chk_id[k];
    }

    f.Memo = {};
    f.Memo[0][0] = Aufbauzeilen(p.Element[0][0], sep);
    for (int k = 1; k <= 4; ++k) {
        for (int j = 1; j <= 2; ++j) f.Memo[k][j] = Aufbauzeilen(p.Element[k][j], sep);
    }
}

}  // namespace

void Namen_Uebernehmen(Projekt& p) {
    const auto& f = p.Fenster;
    for (int j = 1; j <= 2; ++j) p.RaumName[j] = f.edit_room[j];
    for (int k = 1; k <= 4; ++k) p.FlankenName[k] = f.edit_Flanke[k];
    p.TBName = f.edit_TB;
    for (int r = 0; r <= 4; ++r) {
        for (int c = 1; c <= 2; ++c) p.VSName[r][c] = f.edit_VS[r][c];
    }
}

std::optional<std::string> Projekt_Neu(Projekt& p) {
    // The new project belongs to no file yet: saving it must ask for a name, not replace the
    // file of the project before.
    p.DateiName.clear();
    return Projekt_Frisch(p);
}

OeffnenErgebnis Projekt_Einlesen(Projekt& p, const std::string& pfad) {
    p.DateiVersion = 0;
    // The project is calculated once it has been read; a run on the empty project would go
    // unseen.
    Projekt_Zuruecksetzen(p, /*berechnen=*/false);
    p.TBName.clear();
    p.BerechnungAktiv = 0;
    p.DateiName = pfad;
    p.Fenster.Datei_sichtbar = true;
    p.Fenster.label_DatName = pfad;

    OeffnenErgebnis ergebnis;
    if (auto fehler = Projektdatei_Lesen(pfad, p)) {
        ergebnis.fehler = std::move(fehler);
        return ergebnis;
    }
    FensterAktualisieren(p);
    ergebnis.fruehereVersion = p.DateiVersion < 2.0L;

    p.BerechnungAktiv = 1;
    Skizzenfarben(p);
    ergebnis.rechenfehler = Berechnen(p);
    p.Gespeichert = 1;
    p.Fenster.AktivesBlatt = 0;
    return ergebnis;
}

OeffnenErgebnis Projekt_Oeffnen(Projekt& p, const std::string& pfad) {
    // The file is read into a copy, so that a file that cannot be read leaves the open project
    // as it was. The copy keeps what outlives a project: clipboards, folders, protocol state,
    // decimal separator.
    Projekt neu = p;
    OeffnenErgebnis ergebnis = Projekt_Einlesen(neu, pfad);
    if (!ergebnis.fehler) p = std::move(neu);
    return ergebnis;
}

std::optional<std::string> Projekt_SpeichernUnter(Projekt& p, const std::string& pfad) {
    p.BerechnungAktiv = 0;
    Namen_Uebernehmen(p);
    auto fehler = Projektdatei_Schreiben(pfad, p);
    if (!fehler) {
        p.DateiName = pfad;
        p.Fenster.Datei_sichtbar = true;
        p.Fenster.label_DatName = pfad;
        p.Gespeichert = 1;
    }
    p.BerechnungAktiv = 1;
    return fehler;
}

}  // namespace phonikon
