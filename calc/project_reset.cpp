#include "calc/project_reset.h"

#include "calc/calculation.h"
#include "calc/junction_codes.h"
#include "calc/number_text.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

// A flank whose junction code is unknown keeps its K values through a calculation, and an
// incomplete project keeps the results of its last complete run: without this, New and Open
// would carry values of the previous project into the next one. (The result labels keep their
// texts; the message panel covers them until the next complete run rewrites them.)
void ErgebnisseLoeschen(Projekt& p) {
    for (auto& zeile : p.dRw_VS) zeile.fill(0);
    for (auto& zeile : p.dR_Weg) zeile.fill(0);
    for (auto& zeile : p.K_ij) zeile.fill(0);
    for (auto& zeile : p.R_ij) zeile.fill(0);
    p.R_Anteil.fill(0);
    p.R_Dd = 0;
    p.R_w_Bau = 0;
    p.DnTw_12 = p.DnTw_21 = 0;
}

}  // namespace

std::string ZweiDezimalen(long double x, char sep) {
    return FormatFixed(x, 18, 2, sep);
}

void Projekt_Zuruecksetzen(Projekt& p, bool berechnen) {
    Hauptfenster& f = p.Fenster;
    const char sep = p.Dezimaltrenner;
    const std::string null = ZweiDezimalen(0, sep);

    p.BerechnungAktiv = 0;
    ErgebnisseLoeschen(p);

    f.label_DirRw_sichtbar = false;
    f.Datei_sichtbar = false;
    f.label_DatName.clear();

    f.edit_Projekt.clear();
    f.edit_Variante.clear();
    f.edit_Str.clear();
    f.edit_PLZ.clear();
    f.edit_Ort.clear();
    f.edit_TB = "Trennbauteil";

    f.rg_horizontal = true;
    p.Ausrichtung = 0;

    for (auto& zeile : p.Element) zeile.fill(Bauteil{});
    for (auto& zeile : p.f0_VS) zeile.fill(0);

    p.S_TB = 0;
    f.edit_A = null;
    p.V_Raum1 = p.V_Raum2 = 0;
    f.edit_Vol1 = f.edit_Vol2 = null;
    for (int i = 1; i <= 4; ++i) {
        p.l_F[i] = 0;
        f.edit_LF[i] = null;
        f.edit_Flanke[i] = "Flanke " + std::to_string(i);
    }
    f.edit_room[1] = "Raum 1";
    f.edit_room[2] = "Raum 2";

    // Room depths start at 0; the per-flank cells at 1 m so that the corner-junction flank
    // areas, which show them, never start at zero.
    for (auto& zeile : p.Raumtiefe) zeile.fill(0);
    for (int i = 1; i <= 4; ++i) p.Raumtiefe[i][1] = p.Raumtiefe[i][2] = 1.0L;
    f.edit_L1 = ZweiDezimalen(p.Raumtiefe[1][0], sep);
    f.edit_L2 = ZweiDezimalen(p.Raumtiefe[2][0], sep);
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 2; ++j) f.edit_FF[i][j] = ZweiDezimalen(p.Raumtiefe[i][j], sep);

    for (int i = 1; i <= 4; ++i) p.Stoss[i] = std::string(kStossStandard);

    for (auto& zeile : f.edit_VS) zeile.fill(std::string());
    p.VS_Art = 1;

    for (int i = 1; i <= 4; ++i) {
        p.IdentischF[i] = 1;
        f.chk_id[i] = true;
    }

    for (auto& zeile : f.Memo)
        for (auto& memo : zeile) memo.clear();
    for (auto& zeile : f.Button_VSclear) zeile.fill(false);

    f.rg_DnTW1 = true;

    p.BerechnungAktiv = 1;
    p.AktSeite = 0;
    if (berechnen) Berechnen(p);
}

std::optional<std::string> Projekt_Frisch(Projekt& p) {
    Projekt_Zuruecksetzen(p, /*berechnen=*/false);
    Skizzenfarben(p);
    p.Fenster.AktivesBlatt = 0;
    auto rechenfehler = Berechnen(p);
    p.Gespeichert = 1;
    return rechenfehler;
}

}  // namespace phonikon
