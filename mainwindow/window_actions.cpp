#include "mainwindow/window_actions.h"

#include "calc/calculation.h"
#include "calc/identical_flank.h"
#include "calc/junction_codes.h"
#include "calc/project_reset.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

void LeereZahlFeld(std::string& text, const char* ersatz) {
    if (text.empty()) text = ersatz;
}

}  // namespace

Rechenmeldung FormCreate(Projekt& p) {
    return Projekt_Frisch(p);
}

Rechenmeldung edit_Vol1Change(Projekt& p) {
    Hauptfenster& f = p.Fenster;
    LeereZahlFeld(f.edit_Vol1, "0");
    LeereZahlFeld(f.edit_Vol2, "0");
    LeereZahlFeld(f.edit_L1, "0");
    LeereZahlFeld(f.edit_L2, "0");
    LeereZahlFeld(f.edit_A, "0");
    for (int i = 1; i <= 4; ++i) {
        LeereZahlFeld(f.edit_FF[i][1], "1");
        LeereZahlFeld(f.edit_LF[i], "0");
        LeereZahlFeld(f.edit_FF[i][2], "1");
    }
    if (!p.BerechnungAktiv) return std::nullopt;
    // The input has changed even when its text turns out to be no number.
    p.Gespeichert = 0;
    return Berechnen(p);
}

void edit_Flanke1Change(Projekt& p, int i) {
    std::string& name = p.Fenster.edit_Flanke[i];
    if (name.empty()) name = "Flanke " + std::to_string(i);
    p.Gespeichert = 0;
}

void edit_room1Change(Projekt& p, int raum) {
    std::string& name = p.Fenster.edit_room[raum];
    if (name.empty()) name = "Raum " + std::to_string(raum);
    p.Gespeichert = 0;
}

void edit_TBChange(Projekt& p) {
    p.Gespeichert = 0;
}

void memo_ProjektChange(Projekt& p) {
    p.Gespeichert = 0;
}

Rechenmeldung chk_id_F1Click(Projekt& p, int i) {
    return IdentischeFlanke_Setzen(p, i);
}

Rechenmeldung rg_horizontalClick(Projekt& p) {
    p.Ausrichtung = p.Fenster.rg_horizontal ? 0 : 1;
    p.Gespeichert = 0;
    return Berechnen(p);
}

void rg_DnTW1Click(Projekt& p) {
    DnTW_Richtung_Anzeigen(p);
}

Rechenmeldung PageControlMouseDown(Projekt& p, int seite) {
    Skizzenfarben(p);
    p.Fenster.AktivesBlatt = seite;
    p.AktSeite = seite;
    return Berechnen(p);
}

Rechenmeldung Image1Click(Projekt& p) {
    Skizzenfarben(p);
    p.AktSeite = 0;
    return Berechnen(p);
}

Rechenmeldung btn_ResultsClick(Projekt& p) {
    p.ProtokollAktiv = 1;
    // The window is open; the button comes back when it is closed.
    p.Fenster.btn_Results_aktiv = false;
    return Berechnen(p);
}

void ProtokollFensterGeschlossen(Projekt& p) {
    p.ProtokollAktiv = 0;
    p.Fenster.btn_Results_aktiv = true;
}

std::optional<std::string> button_VariantClick(const Projekt& p) {
    if (p.EingabenVollstaendig != 1) return std::string(kKeineErgebnisseMeldung);
    return std::nullopt;
}

bool FlankenflaecheSichtbar(const Projekt& p, int i, int j) {
    return FlankeImVerlauf(p.Stoss[i]) == j;
}

}  // namespace phonikon
