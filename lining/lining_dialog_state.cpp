#include "lining/lining_dialog_state.h"

#include <cmath>

#include "calc/calculation.h"
#include "calc/number_text.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

bool IstVSPlatz(int zeile, int spalte) {
    return zeile >= 0 && zeile <= 4 && (spalte == 1 || spalte == 2);
}

// The room-1 slot of an identical flank carries its room-2 slot along.
bool ZiehtRaum2Mit(const Projekt& p, int zeile, int spalte) {
    return zeile >= 1 && spalte == 1 && p.Fenster.chk_id[zeile];
}

}  // namespace

std::string VSSchluessel(int zeile, int spalte) {
    if (zeile == 0) return "TB_VS" + std::to_string(spalte);
    return "VS" + std::to_string(zeile) + "_" + std::to_string(spalte);
}

std::string VSUeberschrift(const Projekt& p, int zeile, int spalte) {
    const std::string& raum = p.Fenster.edit_room[spalte == 2 ? 2 : 1];
    if (zeile == 0) return " Vorsatzschale Trennbauteil " + raum;
    return " Vorsatzschale " + raum + " / " + p.Fenster.edit_Flanke[zeile];
}

void VS_Dialog_Oeffnen(VorsatzschalenDialog& d, Projekt& p, int zeile, int spalte) {
    d.zeile = zeile;
    d.spalte = spalte;
    p.AktElement = VSSchluessel(zeile, spalte);
    d.Label_VS = VSUeberschrift(p, zeile, spalte);
    d.Modus = kModusBibliothek;
    d.Tabelle.Entsperrt = false;
    d.edit_VSsys.clear();
    d.editSys.clear();
    d.edit_fres = "0";
    d.edit_s = "0";
    d.edit_m = "0";
    d.edit_calcFres = "???";
}

std::optional<long double> Resonanzfrequenz(bool hohlraum, long double x, long double m) {
    if (!(x > 0 && m > 0)) return std::nullopt;
    return hohlraum ? 60.0L / std::sqrt(x * m) : 160.0L * std::sqrt(x / m);
}

std::optional<std::string> f0_Berechnung(VorsatzschalenDialog& d, char sep) {
    d.edit_calcFres = "???";
    const auto x = ParseReal(d.edit_s, sep);
    if (!x) return InvalidRealMessage(d.edit_s);
    const auto m = ParseReal(d.edit_m, sep);
    if (!m) return InvalidRealMessage(d.edit_m);
    if (const auto f0 = Resonanzfrequenz(d.RadioButton1, *x, *m); f0 && std::isfinite(*f0))
        d.edit_calcFres = FormatFixed(*f0, 5, 0, sep);
    return std::nullopt;
}

std::optional<std::string> rg_AuswahlClick(VorsatzschalenDialog& d, int modus, char sep) {
    d.Modus = modus;
    if (modus != kModusBerechnung) return std::nullopt;
    d.lb_Eingabe1 =
        d.RadioButton1 ? "Schalenabstand s :" : "dynamische Steifigkeit der Dämmschicht s' :";
    d.lb_Eingabe1a = d.RadioButton1 ? "[m]" : "[MN/m³]";
    return f0_Berechnung(d, sep);
}

std::optional<std::string> Konstruktion_Waehlen(VorsatzschalenDialog& d, bool hohlraum, char sep) {
    d.RadioButton1 = hohlraum;
    return rg_AuswahlClick(d, kModusBerechnung, sep);
}

std::optional<std::string> edit_sChange(VorsatzschalenDialog& d, char sep) {
    if (d.edit_s.empty()) d.edit_s = "0";
    if (d.edit_m.empty()) d.edit_m = "0";
    return f0_Berechnung(d, sep);
}

std::optional<char> Dezimaltaste(char zeichen, char sep) {
    if (zeichen >= '0' && zeichen <= '9') return zeichen;
    if (sep == '.' && (zeichen == '.' || zeichen == ',')) return '.';
    if (sep == ',' && zeichen == ',') return ',';
    return std::nullopt;
}

bool Ganzzahltaste(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

void edit_fresChange(VorsatzschalenDialog& d) {
    if (!ParseInt(d.edit_fres)) d.edit_fres.clear();
    if (d.edit_fres.empty()) d.edit_fres = "80";
}

UebernahmeErgebnis Button_EnterClick(const VorsatzschalenDialog& d, Projekt& p) {
    const int z = d.zeile, s = d.spalte;
    if (!IstVSPlatz(z, s)) return {Uebernahme::KeineFrequenz, std::nullopt};

    std::optional<int> f;
    std::string text;
    switch (d.Modus) {
        case kModusBibliothek: {
            const auto& zeilen = d.Tabelle.Zeilen;
            if (d.Tabelle.Auswahl < 0 || d.Tabelle.Auswahl >= static_cast<int>(zeilen.size()))
                break;
            const Bibliothekseintrag& e = zeilen[d.Tabelle.Auswahl];
            f = ParseInt(e.Frequenz);
            if (f) text = e.Name + " / f = " + std::to_string(*f) + "Hz";
            break;
        }
        case kModusBerechnung:
            f = ParseInt(d.edit_calcFres);
            text = d.editSys + " / f = " + d.edit_calcFres + "Hz";
            break;
        default:
            f = ParseInt(d.edit_fres);
            text = d.edit_VSsys + " / f = " + d.edit_fres + "Hz";
            break;
    }
    if (!f) return {Uebernahme::KeineFrequenz, std::nullopt};

    Hauptfenster& fenster = p.Fenster;
    fenster.edit_VS[z][s] = text;
    p.f0_VS[z][s] = *f;
    fenster.Button_VSclear[z][s] = true;
    if (ZiehtRaum2Mit(p, z, s)) {
        p.f0_VS[z][2] = *f;
        fenster.edit_VS[z][2] = text;
    }
    UebernahmeErgebnis ergebnis{Uebernahme::Uebernommen, Berechnen(p)};
    p.Gespeichert = 0;
    return ergebnis;
}

std::optional<std::string> Button_TB_VS1clearClick(Projekt& p, int zeile, int spalte) {
    if (!IstVSPlatz(zeile, spalte)) return std::nullopt;
    Hauptfenster& f = p.Fenster;
    p.AktVS = "VS" + std::to_string(zeile) + "_" + std::to_string(spalte);
    p.AktVSZeile = zeile;
    p.AktVSSpalte = spalte;
    f.Button_VSclear[zeile][spalte] = false;
    p.f0_VS[zeile][spalte] = 0;
    f.edit_VS[zeile][spalte].clear();
    if (ZiehtRaum2Mit(p, zeile, spalte)) {
        p.f0_VS[zeile][2] = 0;
        f.edit_VS[zeile][2].clear();
    }
    // Removing a lining changes the input as much as applying one: closing must not lose it.
    p.Gespeichert = 0;
    Skizzenfarben(p);
    return Berechnen(p);
}

}  // namespace phonikon
