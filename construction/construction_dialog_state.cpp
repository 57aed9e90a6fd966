#include "construction/construction_dialog_state.h"

#include "calc/calculation.h"
#include "calc/number_text.h"
#include "calc/sketch_scene.h"
#include "construction/catalogue.h"
#include "construction/mass_curve.h"

namespace phonikon {
namespace {

std::string F4(long double x, char sep) {
    return FormatFixed(x, 4, 1, sep);
}

std::string G(long double x, char sep) {
    return FormatGeneral(x, sep);
}

bool IstBrevon(const AufbauDialog& d) {
    return d.combo_Konstrukt == kKonstruktBrevon;
}

// Kinds whose wall density is typed and looked up in the reference table beside the inputs.
bool MitReferenztabelle(int kind) {
    return kind == kKonstruktPorenbeton || kind == kKonstruktZiegel ||
           kind == kKonstruktLeichtbeton;
}

// Sets the controls for the kind in d.combo_Konstrukt. On opening the dialog no typed value is
// reset: the name fields, the wall density and the user Rw keep what the element brought, and
// neither the second plaster list nor the unit type changes.
void ArtEinrichten(AufbauDialog& d, bool beimOeffnen) {
    const int kind = d.combo_Konstrukt;
    const bool brevon = kind == kKonstruktBrevon;
    const bool beton = kind == kKonstruktBeton;
    const bool getippt = kind >= kKonstruktPorenbeton && kind <= kKonstruktSonstige;

    d.panel_Rohdichte = MitReferenztabelle(kind);
    d.Breite = d.panel_Rohdichte ? 780 : 465;
    d.Hoehe = 515;
    d.panel_Schichtaufbau = getippt;
    d.label_WD = beton ? "Wand/ Decke:" : kind == kKonstruktSonstige ? "Bauteil:" : "Wand:";
    if (!beton) d.Label4 = kind == kKonstruktSonstige ? "Bauteil:" : "Wand:";
    if (brevon) d.combo_B2a_sichtbar = false;
    if (beton) d.combo_B2a_sichtbar = true;
    if (brevon) d.Brevonlisten_sichtbar = true;
    if (beton) d.Brevonlisten_sichtbar = false;
    if (beton) d.combo_B3_sichtbar = true;
    d.label_Wanddicke_sichtbar = brevon;
    d.lb_Wandrohdichte_sichtbar = !beton;
    d.lb_Vgl_sichtbar = MitReferenztabelle(kind);
    d.Putzdicken_an = getippt;
    d.edit_d2_an = !brevon;
    d.Rohdichten_an = getippt;

    if (getippt && !beimOeffnen) d.edit_schichtName[1] = "Putz";
    if (kind == kKonstruktPorenbeton || kind == kKonstruktZiegel || kind == kKonstruktLeichtbeton) {
        d.edit_schichtName2_an = false;
        d.edit_schichtName[2] = kind == kKonstruktPorenbeton ? "Porenbeton"
                                : kind == kKonstruktZiegel   ? "Ziegel-Mauerwerk"
                                                             : "Leichtbeton";
    } else if (kind == kKonstruktSonstige) {
        d.edit_schichtName2_an = true;
    }
    if ((beton || getippt) && !beimOeffnen) d.edit_schichtName[3] = "Putz";
    if (getippt && !beimOeffnen) d.edit_roh[2] = "0";
    if ((kind == kKonstruktZiegel || kind == kKonstruktLeichtbeton) && !beimOeffnen)
        d.edit_RwUser = "0";
    if (kind != kKonstruktPorenbeton && kind != kKonstruktZiegel) {
        d.chk_RwUser_sichtbar = false;
        if (!beimOeffnen) d.chk_RwUser = false;
        d.edit_RwUser_an = d.chk_RwUser;
    }
    if (brevon && !beimOeffnen) d.Zulassung_sichtbar = false;
    if (brevon) {
        LieferprogrammPruefen(d);
    } else {
        d.label_Meldung1_sichtbar = false;
    }
}

// Kinds 0 and 1: a catalogue value into the working copy and its field. An index outside its
// list sets nothing.
void Katalogwert(std::optional<long double> wert, long double& ziel, std::string& feld, char sep) {
    if (!wert) return;
    ziel = *wert;
    feld = G(ziel, sep);
}

void Putzschicht(AufbauDialog& d, int auswahl, int n, long double& roh, long double& dicke,
                 char sep) {
    const auto putz = PutzNach(auswahl);
    if (!putz) return;
    Katalogwert(putz->Rohdichte, roh, d.edit_roh[n], sep);
    Katalogwert(putz->Dicke, dicke, d.edit_d[n], sep);
}

void Katalogname(std::optional<std::string_view> text, std::string& feld) {
    if (text) feld = std::string(*text);
}

void Katalogwerte(AufbauDialog& d, char sep) {
    Bauteil& b = d.Aufbau;
    if (d.combo_Konstrukt == kKonstruktBrevon) {
        Putzschicht(d, d.combo_B1, 1, b.roh1, b.d1, sep);
        Katalogwert(BrevonRohdichte(d.rg_Moertel, d.combo_B2), b.roh2, d.edit_roh[2], sep);
        Katalogwert(BrevonDicke(d.combo_B2b), b.d2, d.edit_d[2], sep);
        Putzschicht(d, d.combo_B3, 3, b.roh3, b.d3, sep);
        Katalogname(RohdichteklasseText(d.combo_B2), d.edit_schichtName[2]);
    } else if (d.combo_Konstrukt == kKonstruktBeton) {
        Putzschicht(d, d.combo_B1, 1, b.roh1, b.d1, sep);
        Katalogwert(BetonRohdichte(d.combo_B2a), b.roh2, d.edit_roh[2], sep);
        Putzschicht(d, d.combo_B3, 3, b.roh3, b.d3, sep);
        Katalogname(BetonText(d.combo_B2a), d.edit_schichtName[2]);
    } else {
        return;
    }
    if (const auto putz = PutzNach(d.combo_B1)) d.edit_schichtName[1] = std::string(putz->Text);
    if (const auto putz = PutzNach(d.combo_B3)) d.edit_schichtName[3] = std::string(putz->Text);
}

// Reads a number field; a negative value becomes 0 and the field shows "0".
Dialogmeldung Lesen(std::string& feld, long double& ziel, char sep) {
    const auto wert = ParseReal(feld, sep);
    if (!wert) return InvalidRealMessage(feld);
    ziel = *wert;
    if (ziel < 0) {
        ziel = 0;
        feld = "0";
    }
    return std::nullopt;
}

const char* const kWarnungFortsetzung = " Möchten Sie die Eingabe trotzdem beenden ? ";

}  // namespace

Dialogmeldung AufbauBerechnen(AufbauDialog& d, char sep) {
    Bauteil& b = d.Aufbau;
    const int kind = d.combo_Konstrukt;
    b.Konstrukt = kind;
    Katalogwerte(d, sep);

    for (auto [feld, ziel] : {std::pair{&d.edit_d[1], &b.d1}, std::pair{&d.edit_roh[1], &b.roh1},
                              std::pair{&d.edit_d[2], &b.d2}, std::pair{&d.edit_roh[2], &b.roh2},
                              std::pair{&d.edit_d[3], &b.d3}, std::pair{&d.edit_roh[3], &b.roh3}}) {
        if (auto meldung = Lesen(*feld, *ziel, sep)) return meldung;
    }

    // Result box reset.
    d.memo_Meldung_sichtbar = false;
    d.RwEingabe_sichtbar = false;
    d.chk_RwUser_sichtbar = false;
    d.label_Rw_sichtbar = true;
    d.memo_Meldung.clear();
    d.Zulassung_Links = 10;
    d.Zulassung_sichtbar = false;

    if (ZulassungAngeboten(kind, b.d2)) {
        const auto paar = ZulassungspaarNach(kind);
        d.Zulassung_sichtbar = true;
        d.Zulassung_Links = kind == kKonstruktZiegel ? 10 : 57;
        d.rg_Zulassung1_Text = std::string(paar->Erste);
        d.rg_Zulassung2_Text = std::string(paar->Zweite);
        b.Zulassung1 = d.rg_Zulassung1 ? 1 : 0;
        b.Zulassung2 = 1 - b.Zulassung1;
    }

    d.AktMFlaeche = Flaechenmasse(b.roh1, b.d1, b.roh2, b.d2, b.roh3, b.d3);
    d.label_m = "m´ = " + F4(d.AktMFlaeche, sep) + " [kg/m²]";

    if (!MassekurveGueltig(d.AktMFlaeche)) {
        d.AktRw = 0;
        d.lb_Rw_rot = true;
        d.lb_Rw = "Flächenmasse kleiner 80 kg/m² !!!";
        d.label_Rw = "---";
        return std::nullopt;
    }

    d.AktKonstrukt = kind;
    const long double RwM = Massekurve(kind, d.AktMFlaeche, b.roh2);
    d.AktRw = RwM;
    d.lb_Rw_rot = false;
    d.lb_Rw = "Direktschalldämm-Maß nach Massekurve:";
    d.label_Rw = "Rw = " + F4(RwM, sep) + " [dB]";

    const long double abschlag = Abschlag(kind, b.Zulassung1, b.roh2, b.d2);
    if (abschlag > 0) {
        d.chk_RwUser_sichtbar = true;
        d.memo_Meldung_sichtbar = true;
        d.RwEingabe_sichtbar = true;
        d.label_Rw_sichtbar = false;
        if (d.chk_RwUser) {
            d.lb_Rw = "Direktschalldämm-Maß (Anwendervorgabe):";
        } else {
            d.lb_Rw = kind == kKonstruktZiegel ? "um -10 dB korrigiertes Direktschalldämm-Maß:"
                                               : "um -5.2 dB korrigiertes Direktschalldämm-Maß:";
            d.edit_RwUser = F4(RwM - abschlag, sep);
        }
        const auto wert = ParseReal(d.edit_RwUser, sep);
        if (!wert) return InvalidRealMessage(d.edit_RwUser);
        b.RwUser = *wert;
        d.AktRw = *wert;
        d.memo_Meldung = Hinweiszeilen(kind, RwM, sep);
    }
    return std::nullopt;
}

void LieferprogrammPruefen(AufbauDialog& d) {
    d.label_Meldung1_sichtbar = !ImLieferprogramm(d.rg_Moertel, d.combo_B2, d.combo_B2b);
}

std::vector<std::string> Hinweiszeilen(int kind, long double RwM, char sep) {
    return {
        "  Wärmetechisch optimierte Lochsteine weisen i.d.R gegenüber den Werten der",
        "  Massenkurve eine deutlich verringerte Schalldämmung auf. Rw sollte daher aus",
        "  Prüfzeugnissen eingegeben werden. Liegen diese Werte nicht vor, wird dringend",
        kind == kKonstruktZiegel
            ? "  empfohlen einen Abschlag von 10 dB zu berücksichtigen. (vgl. dazu Fraunhofer-"
            : "  empfohlen einen Abschlag von 5.2 dB zu berücksichtigen. (vgl. dazu Fraunhofer-",
        "  Institut für Bauphysik, IBP-Bericht B-BA 3/2003, bzw. siehe \"Brevon-Praxistipps\")",
        "  Rw aus Massenkurve = " + F4(RwM, sep) + " dB",
    };
}

Dialogmeldung combo_KonstruktChange(AufbauDialog& d, char sep) {
    ArtEinrichten(d, false);
    return AufbauBerechnen(d, sep);
}

Dialogmeldung combo_B1Click(AufbauDialog& d, char sep) {
    if (IstBrevon(d)) LieferprogrammPruefen(d);
    return AufbauBerechnen(d, sep);
}

Dialogmeldung rg_MoertelClick(AufbauDialog& d, const Projekt& p) {
    if (!p.BerechnungAktiv) return std::nullopt;
    // The delivery range depends on the mortar too, so the notice follows it at once.
    if (IstBrevon(d)) LieferprogrammPruefen(d);
    return AufbauBerechnen(d, p.Dezimaltrenner);
}

Dialogmeldung rg_Zulassung1Click(AufbauDialog& d, const Projekt& p) {
    if (!p.BerechnungAktiv) return std::nullopt;
    return AufbauBerechnen(d, p.Dezimaltrenner);
}

Dialogmeldung chk_RwUserClick(AufbauDialog& d, char sep) {
    d.edit_RwUser_an = d.chk_RwUser;
    return AufbauBerechnen(d, sep);
}

Dialogmeldung edit_d1Change(AufbauDialog& d, const Projekt& p) {
    for (auto* feld : {&d.edit_d[1], &d.edit_d[2], &d.edit_d[3], &d.edit_roh[1], &d.edit_roh[2],
                       &d.edit_roh[3]}) {
        if (feld->empty()) *feld = "0";
    }
    if (!p.BerechnungAktiv) return std::nullopt;
    return AufbauBerechnen(d, p.Dezimaltrenner);
}

std::optional<char32_t> Zahlentaste(char32_t zeichen, char sep) {
    if (sep != '.' && sep != ',') return zeichen;
    if ((zeichen >= U'0' && zeichen <= U'9') || zeichen == U'\b' || zeichen == char32_t(sep))
        return zeichen;
    if (sep == '.' && zeichen == U',') return U'.';
    return std::nullopt;
}

std::string Bauteilbezeichnung(const Projekt& p, int zeile, int spalte) {
    if (zeile == 0) return " Trennbauteil";
    const Hauptfenster& f = p.Fenster;
    return " " + f.edit_Flanke[zeile] + " / " + f.edit_room[spalte];
}

Dialogmeldung AufbauDialogOeffnen(AufbauDialog& d, Projekt& p, int zeile, int spalte) {
    const char sep = p.Dezimaltrenner;
    p.BerechnungAktiv = 0;
    p.AktZeile = d.AktZeile = zeile;
    p.AktSpalte = d.AktSpalte = spalte;
    p.AktElement = d.AktElement = zeile == 0
                                      ? std::string("TB")
                                      : "F" + std::to_string(zeile) + "_R" + std::to_string(spalte);

    const Bauteil& b = p.Element[zeile][spalte];
    d.Aufbau = b;
    d.edit_roh = {"", G(b.roh1, sep), G(b.roh2, sep), G(b.roh3, sep)};
    d.edit_d = {"", G(b.d1, sep), G(b.d2, sep), G(b.d3, sep)};
    d.edit_schichtName = {"", b.SchichtName1, b.SchichtName2, b.SchichtName3};
    d.combo_B1 = b.B1;
    d.combo_B2 = b.B2;
    d.combo_B2a = b.B2a;
    d.combo_B2b = b.B2b;
    d.combo_B3 = b.B3;
    d.rg_Zulassung1 = b.Zulassung1 == 1;
    d.edit_RwUser = G(b.RwUser, sep);
    d.combo_Konstrukt = b.Konstrukt;
    d.rg_Moertel = b.Moertel;
    d.label_BT = Bauteilbezeichnung(p, zeile, spalte);

    p.BerechnungAktiv = 1;
    ArtEinrichten(d, true);
    d.chk_RwUser = b.RwUserAktiv == 1;
    d.edit_RwUser_an = d.chk_RwUser;
    return AufbauBerechnen(d, sep);
}

Uebernahmepruefung btn_OKClick(AufbauDialog& d, char sep) {
    using E = Uebernahmepruefung::Ergebnis;
    if (auto meldung = AufbauBerechnen(d, sep)) return {E::Fehler, *meldung};
    const bool masse = MassekurveGueltig(d.AktMFlaeche);
    if (d.AktRw > 0 && masse) return {E::Uebernehmen, {}};
    if (!masse) {
        return {E::WarnungMasse,
                std::string(" WARNUNG! Flächenmasse kleiner 80 kg/m². Keine Berechnung der "
                            "Schalldämmung möglich !!! \n") +
                    kWarnungFortsetzung};
    }
    return {E::WarnungKeinRw, std::string(" WARNUNG! Keine Direktschalldämmung Rw angegeben! \n") +
                                  kWarnungFortsetzung};
}

std::array<std::string, 3> Beschreibungszeilen(const AufbauDialog& d) {
    const Bauteil& b = d.Aufbau;
    const int kind = d.combo_Konstrukt;
    if (kind == kKonstruktBrevon || kind == kKonstruktBeton) {
        auto putzzeile = [&](int auswahl, int n) -> std::string {
            if (auswahl == 0) return {};
            std::string zeile = d.edit_schichtName[n];
            if (const auto putz = PutzNach(auswahl))
                zeile += " (" + G(putz->Rohdichte, '.') + " kg/m³)";
            return zeile;
        };
        return {putzzeile(d.combo_B1, 1),
                d.edit_d[2] + (kind == kKonstruktBrevon ? " cm  Brevon, " : " cm  ") +
                    d.edit_schichtName[2],
                putzzeile(d.combo_B3, 3)};
    }
    const long double gewicht[] = {0, b.d1 * b.roh1, b.d2 * b.roh2, b.d3 * b.roh3};
    std::array<std::string, 3> zeilen;
    for (int n = 1; n <= 3; ++n) {
        if (gewicht[n] > 0)
            zeilen[n - 1] =
                d.edit_d[n] + " cm  " + d.edit_schichtName[n] + " (" + d.edit_roh[n] + " kg/m³)";
    }
    return zeilen;
}

std::optional<std::string> AufbauUebernehmen(const AufbauDialog& d, Projekt& p) {
    const int z = d.AktZeile, s = d.AktSpalte;
    Bauteil b = d.Aufbau;  // layer values as the last recomputation read them
    b.Konstrukt = d.combo_Konstrukt;
    b.Moertel = d.rg_Moertel;
    b.B1 = d.combo_B1;
    b.B2 = d.combo_B2;
    b.B2a = d.combo_B2a;
    b.B2b = d.combo_B2b;
    b.B3 = d.combo_B3;
    const bool vorhanden[] = {false, b.d1 * b.roh1 > 0, b.d2 * b.roh2 > 0, b.d3 * b.roh3 > 0};
    std::string* namen[] = {nullptr, &b.SchichtName1, &b.SchichtName2, &b.SchichtName3};
    for (int n = 1; n <= 3; ++n) *namen[n] = vorhanden[n] ? d.edit_schichtName[n] : std::string();
    b.mFlaeche = d.AktMFlaeche;
    b.Rw = d.AktRw;
    b.Zulassung1 = d.rg_Zulassung1 ? 1 : 0;
    b.Zulassung2 = 1 - b.Zulassung1;
    b.RwUserAktiv = d.chk_RwUser ? 1 : 0;

    const auto zeilen = Beschreibungszeilen(d);
    if (b.Konstrukt == kKonstruktBrevon || b.Konstrukt == kKonstruktBeton) {
        b.SchichtName1 = zeilen[0];
        b.SchichtName2 = zeilen[1];
        b.SchichtName3 = zeilen[2];
    }
    p.Element[z][s] = b;
    Hauptfenster& f = p.Fenster;
    f.Memo[z][s].assign(zeilen.begin(), zeilen.end());

    if (z == 0) {
        f.label_DirRw_sichtbar = true;
        f.label_DirRw =
            "Direktschalldämm-Maß " + FormatFixed(b.Rw, 3, 1, p.Dezimaltrenner) + " [dB]";
    }
    // The room-2 side of an identical flank is the same construction.
    if (z > 0 && s == 1 && f.chk_id[z]) {
        p.Element[z][2] = p.Element[z][1];
        f.Memo[z][2] = f.Memo[z][1];
    }

    Skizzenfarben(p);
    auto meldung = Berechnen(p);
    p.Gespeichert = 0;
    return meldung;
}

}  // namespace phonikon
