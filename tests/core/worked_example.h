// The worked example used across the tests: S = 10 m², both rooms 4 m deep, every common edge
// 4 m, every element 400 kg/m² with Rw = 55 dB, no linings, T junctions without decoupling.
#pragma once

#include "calc/calculation.h"
#include "calc/project_reset.h"
#include "calc/project_state.h"

namespace phonikon::test {

inline void SetzeElement(Projekt& p, int r, int c, long double m, long double rw) {
    p.Element[r][c].mFlaeche = m;
    p.Element[r][c].Rw = rw;
}

inline Projekt Beispielprojekt(char sep = ',', const char* v1 = "50", const char* v2 = "40") {
    Projekt p(sep);
    Projekt_Zuruecksetzen(p);
    SetzeElement(p, 0, 0, 400, 55);
    for (int i = 1; i <= 4; ++i) {
        SetzeElement(p, i, 1, 400, 55);
        SetzeElement(p, i, 2, 400, 55);
        p.Fenster.edit_LF[i] = "4";
    }
    p.Fenster.edit_A = "10";
    p.Fenster.edit_L1 = "4";
    p.Fenster.edit_L2 = "4";
    p.Fenster.edit_Vol1 = v1;
    p.Fenster.edit_Vol2 = v2;
    Berechnen(p);
    return p;
}

}  // namespace phonikon::test
