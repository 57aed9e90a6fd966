#include "junction/junction_dialog_state.h"

#include "calc/calculation.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

void HinweisZeigen(const Projekt& p, StossDialogZustand& z, StossTrennung trennung) {
    z.lb_Remark = StossHinweis(trennung, p.Fenster.edit_room[1], p.Fenster.edit_room[2]);
}

}  // namespace

void button_Stoss1Click(Projekt& p, StossDialogZustand& z, int k) {
    z.lb_Stoss = " Flanke: " + p.Fenster.edit_Flanke[k];
    p.AktFlanke = k;
    z.trennung.reset();
    if (const StossDaten* s = StossVon(p.Stoss[k])) {
        HinweisZeigen(p, z, s->trennung);
        rgStossClick(z, s->typ);
        z.trennung = s->trennung;
    }
}

void rgStossClick(StossDialogZustand& z, StossTyp typ) {
    z.typ = typ;
}

void button_0Click(const Projekt& p, StossDialogZustand& z, StossTrennung trennung) {
    z.trennung = trennung;
    HinweisZeigen(p, z, trennung);
}

const StossDaten* GewaehlterStoss(const StossDialogZustand& z) {
    return z.trennung ? &Stoss(z.typ, *z.trennung) : nullptr;
}

std::optional<std::string> btn_ExitClick(Projekt& p, const StossDialogZustand& z) {
    const StossDaten* s = GewaehlterStoss(z);
    if (s && p.AktFlanke >= 1 && p.AktFlanke <= 4) p.Stoss[p.AktFlanke] = std::string(s->code);
    Skizzenfarben(p);
    p.Gespeichert = 0;
    return Berechnen(p);
}

}  // namespace phonikon
