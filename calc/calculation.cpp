#include "calc/calculation.h"

#include <cfloat>
#include <cmath>

#include "calc/formulas.h"
#include "calc/junction_codes.h"
#include "calc/number_text.h"
#include "calc/protocol.h"
#include "calc/sketch_scene.h"

namespace phonikon {
namespace {

// Thrown inside one run when a field text is no number; caught at the top of Berechnen.
struct Umwandlungsfehler {
    std::string meldung;
};

long double Wert(const std::string& text, char sep) {
    auto v = ParseReal(text, sep);
    if (!v) throw Umwandlungsfehler{InvalidRealMessage(text)};
    return *v;
}

class Meldungsliste {
  public:
    explicit Meldungsliste(std::array<std::string, 31>& m) : m_(m) {
        for (auto& s : m_) s.clear();
    }
    void operator()(std::string text) {
        if (n_ < static_cast<int>(m_.size())) m_[n_++] = std::move(text);
    }

  private:
    std::array<std::string, 31>& m_;
    int n_ = 0;
};

// The results a complete run writes; kept so that a run that ends outside the finite range can
// put the last complete results back.
struct Ergebnisse {
    std::array<std::array<long double, 3>, 5> K_ij;
    std::array<std::array<long double, 3>, 5> R_ij;
    long double R_Dd;
    std::array<long double, 5> R_Anteil;
    long double R_w_Bau, DnTw_12, DnTw_21;
    std::array<std::string, 5> label_Ri;
    std::string label_Rges, label_DnTW;
    bool rg_DnTW1, lb_AnmDnTW_sichtbar, panel_DnTW_sichtbar;

    static Ergebnisse Von(const Projekt& p) {
        const Hauptfenster& f = p.Fenster;
        return {p.K_ij,
                p.R_ij,
                p.R_Dd,
                p.R_Anteil,
                p.R_w_Bau,
                p.DnTw_12,
                p.DnTw_21,
                f.label_Ri,
                f.label_Rges,
                f.label_DnTW,
                f.rg_DnTW1,
                f.lb_AnmDnTW_sichtbar,
                f.panel_DnTW_sichtbar};
    }
    void ZurueckIn(Projekt& p) const {
        Hauptfenster& f = p.Fenster;
        p.K_ij = K_ij;
        p.R_ij = R_ij;
        p.R_Dd = R_Dd;
        p.R_Anteil = R_Anteil;
        p.R_w_Bau = R_w_Bau;
        p.DnTw_12 = DnTw_12;
        p.DnTw_21 = DnTw_21;
        f.label_Ri = label_Ri;
        f.label_Rges = label_Rges;
        f.label_DnTW = label_DnTW;
        f.rg_DnTW1 = rg_DnTW1;
        f.lb_AnmDnTW_sichtbar = lb_AnmDnTW_sichtbar;
        f.panel_DnTW_sichtbar = panel_DnTW_sichtbar;
    }
};

// Whether a value survives as a double, the number type of the JSON output and of every
// reader of the results: the extended format reaches far beyond it (an Rw of 1e4000 is finite
// here and infinite there).
bool Darstellbar(long double x) {
    return std::fabs(x) <= DBL_MAX;  // false for infinities and NaN as well
}

template <class Feld>
bool AlleDarstellbar(const Feld& werte) {
    for (const auto& zeile : werte)
        for (long double x : zeile)
            if (!Darstellbar(x)) return false;
    return true;
}

// Every input the run used and every value it wrote out lies within the double range.
bool AllesDarstellbar(const Projekt& p) {
    for (int r = 0; r <= 4; ++r)
        for (int c = 0; c <= 2; ++c)
            if (!Darstellbar(p.Element[r][c].mFlaeche) || !Darstellbar(p.Element[r][c].Rw))
                return false;
    for (long double x : {p.S_TB, p.Raumtiefe[1][0], p.Raumtiefe[2][0], p.V_Raum1, p.V_Raum2,
                          p.R_Dd, p.R_w_Bau, p.DnTw_12, p.DnTw_21})
        if (!Darstellbar(x)) return false;
    for (int i = 1; i <= 4; ++i)
        if (!Darstellbar(p.l_F[i])) return false;
    for (long double x : p.R_Anteil)
        if (!Darstellbar(x)) return false;
    return AlleDarstellbar(p.S_F) && AlleDarstellbar(p.dRw_VS) && AlleDarstellbar(p.dR_Weg) &&
           AlleDarstellbar(p.K_ij) && AlleDarstellbar(p.R_ij);
}

const char* const kAusserhalbZahlenbereich =
    " Berechnung nicht möglich: Eingabewerte außerhalb des darstellbaren Zahlenbereichs";

// Reads the geometry texts and checks the seventeen required inputs.
void EingabenPruefen(Projekt& p, Meldungsliste& meldung) {
    Hauptfenster& f = p.Fenster;
    const char sep = p.Dezimaltrenner;

    p.S_TB = Wert(f.edit_A, sep);
    if (p.S_TB <= 0) {
        p.S_TB = 0;
        meldung(" Trennbauteil: keine Fläche vorhanden");
    }
    if (p.Element[0][0].mFlaeche < kMindestFlaechenmasse)
        meldung(" Flächenmasse Trennbauteil < 80 kg/m²");
    if (p.Element[0][0].Rw <= 0) meldung(" Trennbauteil: Direktschalldämmung Rw nicht vorhanden");

    long double& tiefe1 = p.Raumtiefe[1][0];
    tiefe1 = Wert(f.edit_L1, sep);
    if (tiefe1 <= 0) {
        tiefe1 = 0;
        meldung(" Raum 1: keine Raumtiefe/-höhe vorhanden");
    }
    long double& tiefe2 = p.Raumtiefe[2][0];
    tiefe2 = Wert(f.edit_L2, sep);
    if (tiefe2 <= 0) {
        tiefe2 = 0;
        meldung(" Raum 2: keine Raumtiefe/-höhe vorhanden");
    }

    // Corner-junction flank areas must stay positive for the logarithms, visible or not.
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 2; ++j)
            if (Wert(f.edit_FF[i][j], sep) <= 0) f.edit_FF[i][j] = "1";

    for (int i = 1; i <= 4; ++i) {
        p.Raumtiefe[i][1] = tiefe1;
        p.Raumtiefe[i][2] = tiefe2;
    }

    for (int i = 1; i <= 4; ++i) {
        p.l_F[i] = static_cast<double>(Wert(f.edit_LF[i], sep));
        if (p.l_F[i] <= 0) {
            p.l_F[i] = 0;
            meldung(" Flanke " + std::to_string(i) + ": keine gemeinsame Kantenlänge vorhanden");
        }
    }

    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 2; ++j)
            if (p.Element[i][j].mFlaeche < kMindestFlaechenmasse)
                meldung(" Flächenmasse Flanke " + std::to_string(i) + " / Raum " +
                        std::to_string(j) + " < 80 kg/m²");
}

void Ergebnisbefehle(Projekt& p, bool aktiv) {
    p.Fenster.Ergebnisbefehle_aktiv = aktiv;
}

// The list of missing inputs covers the results.
void MeldungenAnzeigen(Projekt& p) {
    Hauptfenster& f = p.Fenster;
    Ergebnisbefehle(p, false);
    f.panel_errorMsg_sichtbar = true;
    f.memo_error = {" Zur Berechnung der Luftschalldämmung müssen alle weiß hinter-",
                    " legten Eingabfelder bearbeitet werden.", " ", " Fehlende Angaben:"};
    for (const auto& m : p.Meldungen)
        if (!m.empty()) f.memo_error.push_back("      " + m);
}

// A complete input: everything from the lining improvements to DnT,w.
void Rechnen(Projekt& p) {
    Hauptfenster& f = p.Fenster;
    const char sep = p.Dezimaltrenner;
    const auto& E = p.Element;

    Ergebnisbefehle(p, true);

    p.dRw_VS[0][1] = dRw_Vorsatzschale(p.f0_VS[0][1], E[0][0].Rw);
    p.dRw_VS[0][2] = dRw_Vorsatzschale(p.f0_VS[0][2], E[0][0].Rw);
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 2; ++j) p.dRw_VS[i][j] = dRw_Vorsatzschale(p.f0_VS[i][j], E[i][j].Rw);

    // A path picks up the lining on its source side in room 1 and on its radiating side in room 2.
    const auto& dRw = p.dRw_VS;
    p.dR_Weg[0][0] = dR_Kombination(dRw[0][1], dRw[0][2]);
    for (int i = 1; i <= 4; ++i) {
        p.dR_Weg[i][1] = dR_Kombination(dRw[i][1], dRw[i][2]);  // Ff
        p.dR_Weg[i][2] = dR_Kombination(dRw[i][1], dRw[0][2]);  // Fd
        p.dR_Weg[i][3] = dR_Kombination(dRw[0][1], dRw[i][2]);  // Df
    }

    Stoss_Kij(p);

    for (int i = 1; i <= 4; ++i) {
        const long double l = p.l_F[i];
        p.S_F[i][1] = p.Raumtiefe[1][0] * l;
        p.S_F[i][2] = p.Raumtiefe[2][0] * l;
        const int imVerlauf = FlankeImVerlauf(p.Stoss[i]);
        if (imVerlauf == 1) p.S_F[i][1] = Wert(f.edit_FF[i][1], sep);
        if (imVerlauf == 2) p.S_F[i][2] = Wert(f.edit_FF[i][2], sep);
    }

    const long double S = p.S_TB;
    const long double RwTB = E[0][0].Rw;
    for (int i = 1; i <= 4; ++i) {
        const long double l = p.l_F[i];
        const long double S1 = p.S_F[i][1], S2 = p.S_F[i][2];
        const long double Rw1 = E[i][1].Rw, Rw2 = E[i][2].Rw;
        const long double geometrie = 10 * Lg(S / l);
        auto& K = p.K_ij[i];
        // Kij never lies below the geometric minimum of the junction.
        auto mindestens = [](long double& k, long double min) {
            if (k < min) k = min;
        };
        mindestens(K[0], 10 * Lg(l * (1 / S1 + 1 / S2)));
        p.R_ij[i][0] = Rw1 / 2 + Rw2 / 2 + p.dR_Weg[i][1] + K[0] + geometrie;
        mindestens(K[1], 10 * Lg(l * (1 / S + 1 / S1)));
        p.R_ij[i][1] = RwTB / 2 + Rw1 / 2 + p.dR_Weg[i][2] + K[1] + geometrie;
        mindestens(K[2], 10 * Lg(l * (1 / S + 1 / S2)));
        p.R_ij[i][2] = Rw2 / 2 + RwTB / 2 + p.dR_Weg[i][3] + K[2] + geometrie;
    }

    p.R_Dd = RwTB + p.dR_Weg[0][0];

    auto energie = [](long double R) { return Potenz(10, -R / 10); };
    long double summe = 0;
    for (int i = 1; i <= 4; ++i) summe += energie(p.R_ij[i][1]);
    summe += energie(p.R_Dd);
    p.R_Anteil[0] = -10 * Lg(summe);
    for (int i = 1; i <= 4; ++i)
        p.R_Anteil[i] = -10 * Lg(energie(p.R_ij[i][0]) + energie(p.R_ij[i][2]));

    long double R = 1000;
    for (long double anteil : p.R_Anteil) R = -10 * Lg(energie(R) + energie(anteil));
    p.R_w_Bau = R;

    for (int i = 0; i <= 4; ++i) f.label_Ri[i] = FormatResultLabel(p.R_Anteil[i], sep);
    f.label_Rges = FormatResultLabel(p.R_w_Bau, sep);

    p.V_Raum1 = Wert(f.edit_Vol1, sep);
    if (p.V_Raum1 <= 0) p.V_Raum1 = 0;
    p.V_Raum2 = Wert(f.edit_Vol2, sep);
    if (p.V_Raum2 <= 0) p.V_Raum2 = 0;

    f.panel_DnTW_sichtbar = true;
    p.DnTw_12 = 0;
    p.DnTw_21 = 0;
    if (p.V_Raum1 > 0 && p.V_Raum2 > 0) {
        f.panel_DnTW_sichtbar = false;
        f.lb_AnmDnTW_sichtbar = false;
        p.DnTw_12 = p.R_w_Bau + 10 * Lg(0.32L * p.V_Raum2 / S);
        p.DnTw_21 = p.R_w_Bau + 10 * Lg(0.32L * p.V_Raum1 / S);
        // The normative direction runs from the larger room into the smaller one.
        f.rg_DnTW1 = p.V_Raum2 < p.V_Raum1;
        DnTW_Richtung_Anzeigen(p);
    }
}

}  // namespace

void DnTW_Richtung_Anzeigen(Projekt& p) {
    Hauptfenster& f = p.Fenster;
    f.lb_AnmDnTW_sichtbar =
        (f.rg_DnTW1 && p.V_Raum1 < p.V_Raum2) || (!f.rg_DnTW1 && p.V_Raum2 < p.V_Raum1);
    f.label_DnTW = FormatResultLabel(f.rg_DnTW1 ? p.DnTw_12 : p.DnTw_21, p.Dezimaltrenner);
}

std::optional<std::string> Berechnen(Projekt& p) {
    try {
        Meldungsliste meldung(p.Meldungen);
        EingabenPruefen(p, meldung);

        p.Fenster.panel_errorMsg_sichtbar = false;
        p.EingabenVollstaendig = 1;
        for (const auto& m : p.Meldungen)
            if (!m.empty()) p.EingabenVollstaendig = 0;

        for (auto& zeile : p.dRw_VS) zeile.fill(0);
        for (auto& zeile : p.dR_Weg) zeile.fill(0);

        if (p.EingabenVollstaendig) {
            const Ergebnisse vorher = Ergebnisse::Von(p);
            Rechnen(p);
            if (!AllesDarstellbar(p)) {
                // An input like an Rw of 1e300 drives the energies out of range: say so and keep
                // the last complete results instead of showing "inf" or "nan".
                vorher.ZurueckIn(p);
                meldung(kAusserhalbZahlenbereich);
                p.EingabenVollstaendig = 0;
                for (auto& zeile : p.dRw_VS) zeile.fill(0);
                for (auto& zeile : p.dR_Weg) zeile.fill(0);
                MeldungenAnzeigen(p);
            }
        } else {
            MeldungenAnzeigen(p);
        }

        if (p.SkizzeZeichnen) Skizze_Zeichnen(p);
        if (p.ProtokollAktiv) p.Protokoll = Protokoll_Erstellen(p);
        return std::nullopt;
    } catch (const Umwandlungsfehler& fehler) {
        return fehler.meldung;
    }
}

}  // namespace phonikon
