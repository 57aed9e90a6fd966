// The variant study without its window: the numbered variants with their bar values, the memo
// line of each variant, the axis ranges of the three charts and the rules for opening, clearing
// and closing. The count of variants and the open flag live in the project (`AnzahlVarianten`,
// `VariantenAktiv`); everything else belongs to the study.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/project_state.h"

namespace phonikon {

// The three charts, in the order in which the scaling buttons treat them.
enum class Diagramm { RwDnTW = 0, Rw = 1, DnTW = 2 };
inline constexpr std::array<Diagramm, 3> kDiagramme{Diagramm::RwDnTW, Diagramm::Rw, Diagramm::DnTW};

// One variant as the charts show it: R'w and the smaller DnT,w of the two directions.
struct Variantenbalken {
    int Nummer = 0;
    long double Rw = 0;
    long double DnTw = 0;
};

// Left axis of one chart. Under automatic scaling the limits follow the chart's bars.
struct Achsenbereich {
    long double unten = 0;
    long double oben = 70;
    bool automatisch = false;

    bool operator==(const Achsenbereich&) const = default;
};

// Working state of the study window.
struct Variantenstudie {
    std::vector<Variantenbalken> Balken;
    std::array<Achsenbereich, 3> Achse{};  // indexed by Diagramm
    bool panel_Grafik_sichtbar = false;
    Diagramm Ansicht = Diagramm::RwDnTW;
};

enum class Skalierung { ObenHoch, ObenRunter, UntenHoch, UntenRunter, Automatisch };

inline constexpr const char* kEingabefehlerZeile =
    " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!";
inline constexpr const char* kSchliessenFrage =
    "Beim Schließen des Formulars gehen die Angaben verloren!\n"
    "Möchten Sie die Variantenuntersuchung trotzdem beenden?";

// Opening from the main window (whose handler has checked that results exist). A study that is
// not active starts afresh: true means the window must empty its memo.
bool VariantenOeffnen(Projekt& p, Variantenstudie& s);

// Appends the current results as the next variant and returns the memo line; with incomplete
// inputs only the error line is returned and nothing else changes.
std::string VarianteHinzufuegen(Projekt& p, Variantenstudie& s);

// "Angaben löschen ": no bars, numbering restarts, chart panel hidden (the window empties its
// memo). The axis ranges stay as the user set them.
void VariantenLoeschen(Projekt& p, Variantenstudie& s);

// Closing asks only when the memo holds text (the user's own text counts too).
inline bool SchliessenMitFrage(const std::string& memoText) {
    return !memoText.empty();
}
void VariantenSchliessen(Projekt& p);

// The scaling buttons act on every chart that meets the button's condition, each on its own range.
void Skalieren(Variantenstudie& s, Skalierung art);

// The range a chart shows now: the manual limits, or under automatic scaling whole tens around
// its bars and the zero line.
Achsenbereich Bereich(const Variantenstudie& s, Diagramm d);

// The memo line of a variant with complete results.
std::string Variantenzeile(int nummer, const std::string& name, long double Rw, long double D,
                           char sep);

}  // namespace phonikon
