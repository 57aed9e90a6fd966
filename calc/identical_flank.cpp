#include "calc/identical_flank.h"

#include "calc/calculation.h"
#include "calc/sketch_scene.h"

namespace phonikon {

std::optional<std::string> IdentischeFlanke_Setzen(Projekt& p, int i) {
    Hauptfenster& f = p.Fenster;
    const bool identisch = f.chk_id[i];
    p.IdentischF[i] = identisch ? 1 : 0;
    if (identisch) {
        p.Element[i][2] = p.Element[i][1];
        p.f0_VS[i][2] = p.f0_VS[i][1];
        f.Memo[i][2] = f.Memo[i][1];
        f.edit_VS[i][2] = f.edit_VS[i][1];
        f.Button_VSclear[i][2] = false;
    } else {
        f.Button_VSclear[i][2] = !f.edit_VS[i][2].empty();
    }
    Skizzenfarben(p);
    std::optional<std::string> meldung;
    if (p.BerechnungAktiv) meldung = Berechnen(p);
    p.Gespeichert = 0;
    return meldung;
}

}  // namespace phonikon
