#include "mainwindow/clipboard_actions.h"

#include "calc/calculation.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

bool IstElement(int zeile, int spalte) {
    if (zeile == 0) return spalte == 0;
    return zeile >= 1 && zeile <= 4 && (spalte == 1 || spalte == 2);
}

bool IstVSPlatz(int zeile, int spalte) {
    return zeile >= 0 && zeile <= 4 && (spalte == 1 || spalte == 2);
}

// The room-2 side of an identical flank always mirrors its room-1 side; it is written only
// through that side.
bool IstGespiegelt(const Projekt& p, int zeile, int spalte) {
    return zeile >= 1 && spalte == 2 && p.Fenster.chk_id[zeile];
}

std::optional<std::string> NachEinfuegen(Projekt& p) {
    // A paste changes the input like any dialog does, so it counts as an unsaved change.
    p.Gespeichert = 0;
    Skizzenfarben(p);
    return Berechnen(p);
}

}  // namespace

void Memo_TBaMouseDown(Projekt& p, int zeile, int spalte) {
    if (!IstElement(zeile, spalte)) return;
    p.KopierElement =
        zeile == 0 ? "TB" : "F" + std::to_string(zeile) + "_R" + std::to_string(spalte);
    p.KopierZeile = zeile;
    p.KopierSpalte = spalte;
}

void copyClick(Projekt& p) {
    if (p.KopierElement.empty()) return;
    const int z = p.KopierZeile, s = p.KopierSpalte;
    p.Aufbauablage = p.Element[z][s];
    const auto& memo = p.Fenster.Memo[z][s];
    for (std::size_t n = 0; n < p.Ablagezeilen.size(); ++n)
        p.Ablagezeilen[n] = n < memo.size() ? memo[n] : std::string();
    p.AufbauablageGefuellt = true;
}

std::optional<std::string> InsertClick(Projekt& p) {
    if (p.KopierElement.empty() || !p.AufbauablageGefuellt) return std::nullopt;
    const int z = p.KopierZeile, s = p.KopierSpalte;
    if (IstGespiegelt(p, z, s)) return std::nullopt;
    const std::vector<std::string> zeilen(p.Ablagezeilen.begin(), p.Ablagezeilen.end());
    p.Element[z][s] = p.Aufbauablage;
    p.Fenster.Memo[z][s] = zeilen;
    if (z >= 1 && s == 1 && p.Fenster.chk_id[z]) {
        p.Element[z][2] = p.Aufbauablage;
        p.Fenster.Memo[z][2] = zeilen;
    }
    return NachEinfuegen(p);
}

void edit_VS0_1MouseDown(Projekt& p, int zeile, int spalte) {
    if (!IstVSPlatz(zeile, spalte)) return;
    p.AktVS = "VS" + std::to_string(zeile) + "_" + std::to_string(spalte);
    p.AktVSZeile = zeile;
    p.AktVSSpalte = spalte;
}

void copyVSClick(Projekt& p) {
    if (p.AktVS.empty()) return;
    p.AblageVS_f0 = p.f0_VS[p.AktVSZeile][p.AktVSSpalte];
    p.AblageVS_Name = p.Fenster.edit_VS[p.AktVSZeile][p.AktVSSpalte];
    p.AblageVSGefuellt = true;
}

std::optional<std::string> InsertVSClick(Projekt& p) {
    if (p.AktVS.empty() || !p.AblageVSGefuellt) return std::nullopt;
    const int z = p.AktVSZeile, s = p.AktVSSpalte;
    if (IstGespiegelt(p, z, s)) return std::nullopt;
    auto& f = p.Fenster;
    p.f0_VS[z][s] = p.AblageVS_f0;
    f.edit_VS[z][s] = p.AblageVS_Name;
    // "löschen" is offered exactly while the slot holds a lining.
    f.Button_VSclear[z][s] = !p.AblageVS_Name.empty();
    if (z >= 1 && s == 1 && f.chk_id[z]) {
        p.f0_VS[z][2] = p.AblageVS_f0;
        f.edit_VS[z][2] = p.AblageVS_Name;
    }
    return NachEinfuegen(p);
}

}  // namespace phonikon
