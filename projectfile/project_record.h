// The 282 lines of a project file, in their order, described once: the writer and the reader walk
// the same description, so they cannot drift apart line by line.
//
// A walker `G` supplies one operation per kind of line. The writer (on a const project) writes
// the value; the reader (on a project to fill) takes it from the file.
//   Kopf(version)                 line 1: the header; the reader decides the format version
//   Literal(bytes)                fixed text; the reader skips the line whatever it holds
//   Platzhalter()                 "0"; the reader throws the line away whatever it holds
//   Text(s)                       a whole line
//   Int(i), Int5(i), Bool(b)      whole numbers and "TRUE"/"FALSE"
//   Fix(x, breite, dezimalen)     a real with a point
//   Ausrichtung(horizontal, a)    "0" for the horizontal situation
//   Flankenflaeche(p, k, j)       the flank-area field of element (k,j)
//   Volumen(v)                    a room volume; the reader turns values <= 0 into 0
//   MitSchluss(p)                 whether the lines from 243 on belong to the file
//   Weiter()                      whether optional lines follow (the reader: the file goes on)
#pragma once

#include <string_view>

#include "calc/project_state.h"

namespace phonikon::projektsatz {

inline constexpr std::string_view kTrennlinie = "______________________";
inline constexpr std::string_view kFlankenKopf = "Flanken / R\xE4ume:";  // Windows-1252

// The flank elements in the order the tail stores their options.
inline constexpr int kFlankenElemente[8][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2},
                                               {3, 1}, {3, 2}, {4, 1}, {4, 2}};

// The construction fields of an element, from `Konstrukt` to the third layer name.
template <class G, class B>
void Aufbau(G& g, B& b) {
    g.Int(b.Konstrukt);
    g.Platzhalter();
    g.Int(b.Moertel);
    g.Int(b.B1);
    g.Int(b.B2);
    g.Int(b.B2a);
    g.Int(b.B2b);
    g.Int(b.B3);
    g.Fix(b.roh1, 5, 2);
    g.Fix(b.roh2, 5, 2);
    g.Fix(b.roh3, 5, 2);
    g.Fix(b.d1, 3, 3);
    g.Fix(b.d2, 3, 3);
    g.Fix(b.d3, 3, 3);
    g.Text(b.SchichtName1);
    g.Text(b.SchichtName2);
    g.Text(b.SchichtName3);
}

// The 22 lines of flank element (k,j): names, construction, flank area, m' and Rw.
template <class G, class P>
void Elementsatz(G& g, P& p, int k, int j) {
    auto& b = p.Element[k][j];
    g.Text(p.FlankenName[k]);
    g.Text(p.RaumName[j]);
    Aufbau(g, b);
    g.Flankenflaeche(p, k, j);
    g.Fix(b.mFlaeche, 5, 2);
    g.Fix(b.Rw, 3, 3);
}

template <class G, class P>
void Gehen(G& g, P& p) {
    auto& f = p.Fenster;

    // Head, lines 1 to 9.
    g.Kopf(p.DateiVersion);
    g.Literal(kTrennlinie);
    g.Text(f.edit_Projekt);
    g.Text(f.edit_Str);
    g.Text(f.edit_PLZ);
    g.Text(f.edit_Ort);
    g.Ausrichtung(f.rg_horizontal, p.Ausrichtung);
    g.Literal("Trennbauteil:");
    g.Literal(kTrennlinie);

    // Separating element, lines 10 to 35: unlike a flank element it has no name lines, and it
    // carries the two room depths and its two lining slots.
    auto& tb = p.Element[0][0];
    g.Fix(p.S_TB, 4, 3);
    Aufbau(g, tb);
    g.Fix(tb.mFlaeche, 5, 2);
    g.Fix(tb.Rw, 3, 3);
    g.Fix(p.Raumtiefe[1][0], 5, 2);
    g.Fix(p.Raumtiefe[2][0], 5, 2);
    for (int c = 1; c <= 2; ++c) {
        g.Text(p.VSName[0][c]);
        g.Int5(p.f0_VS[0][c]);
    }
    g.Literal("");
    g.Literal(kFlankenKopf);
    g.Literal(kTrennlinie);

    // Flank blocks of 51 lines, lines 39 to 242.
    for (int k = 1; k <= 4; ++k) {
        Elementsatz(g, p, k, 1);
        Elementsatz(g, p, k, 2);
        for (int j = 1; j <= 2; ++j) {
            g.Text(p.VSName[k][j]);
            g.Int5(p.f0_VS[k][j]);
        }
        g.Fix(p.l_F[k], 3, 3);
        g.Text(p.Stoss[k]);
        g.Bool(p.IdentischF[k]);
    }

    // Tail, lines 243 to 282: variant, volumes, the user's Rw values and the approval pairs of
    // the nine elements, the name of the separating element. Files may stop within the approval
    // pairs or before the name.
    if (!g.MitSchluss(p)) return;
    g.Text(f.edit_Variante);
    g.Volumen(p.V_Raum1);
    g.Volumen(p.V_Raum2);
    g.Fix(tb.RwUser, 4, 1);
    g.Int(tb.RwUserAktiv);
    for (const auto& [k, j] : kFlankenElemente) {
        g.Fix(p.Element[k][j].RwUser, 4, 1);
        g.Int(p.Element[k][j].RwUserAktiv);
    }
    if (g.Weiter()) {
        g.Int(tb.Zulassung1);
        g.Int(tb.Zulassung2);
    }
    for (const auto& [k, j] : kFlankenElemente) {
        if (!g.Weiter()) break;
        g.Int(p.Element[k][j].Zulassung1);
        g.Int(p.Element[k][j].Zulassung2);
    }
    if (g.Weiter()) g.Text(p.TBName);
}

}  // namespace phonikon::projektsatz
