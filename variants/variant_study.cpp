#include "variants/variant_study.h"

#include <algorithm>
#include <cmath>

#include "calc/number_text.h"

namespace phonikon {
namespace {

constexpr long double kSchritt = 5;         // one click moves a limit by 5 dB
constexpr long double kMindestabstand = 2;  // a limit stops 2 dB before the other one
constexpr long double kAutoRaster = 10;     // automatic limits fall on whole tens, like the ticks
constexpr Achsenbereich kStartbereich{0, 70, false};

std::vector<long double> Werte(const Variantenstudie& s, Diagramm d) {
    std::vector<long double> w;
    for (const Variantenbalken& b : s.Balken) {
        if (d != Diagramm::DnTW) w.push_back(b.Rw);
        if (d != Diagramm::Rw) w.push_back(b.DnTw);
    }
    return w;
}

}  // namespace

std::string Variantenzeile(int nummer, const std::string& name, long double Rw, long double D,
                           char sep) {
    // "´" is the acute accent (0xB4 in the stored code page), not an apostrophe.
    std::string zeile = " Variante " + std::to_string(nummer) + ": " + name +
                        "  R\u00B4w = " + FormatFixed(Rw, 4, 1, sep) + " [dB] / ";
    if (D > 0)
        zeile += "DnT,w = " + FormatFixed(D, 4, 1, sep) + " [dB]";
    else
        zeile += "Keine Berechnung für DnT,w möglich - Raumvolumen überprüfen!";
    return zeile;
}

bool VariantenOeffnen(Projekt& p, Variantenstudie& s) {
    if (p.VariantenAktiv) return false;
    p.VariantenAktiv = true;
    p.AnzahlVarianten = 0;
    s.panel_Grafik_sichtbar = false;
    s.Balken.clear();
    return true;
}

std::string VarianteHinzufuegen(Projekt& p, Variantenstudie& s) {
    if (p.EingabenVollstaendig != 1) return kEingabefehlerZeile;
    s.panel_Grafik_sichtbar = true;
    const int n = ++p.AnzahlVarianten;
    // The weaker direction counts; on a tie the direction from room 2 into room 1.
    const long double D = p.DnTw_21 > p.DnTw_12 ? p.DnTw_12 : p.DnTw_21;
    s.Balken.push_back({n, p.R_w_Bau, D});
    return Variantenzeile(n, p.Fenster.edit_Variante, p.R_w_Bau, D, p.Dezimaltrenner);
}

void VariantenLoeschen(Projekt& p, Variantenstudie& s) {
    s.panel_Grafik_sichtbar = false;
    s.Balken.clear();
    p.AnzahlVarianten = 0;
}

void VariantenSchliessen(Projekt& p) {
    p.VariantenAktiv = false;
}

Achsenbereich Bereich(const Variantenstudie& s, Diagramm d) {
    const Achsenbereich& a = s.Achse[static_cast<int>(d)];
    if (!a.automatisch) return a;
    const std::vector<long double> w = Werte(s, d);
    if (w.empty()) return {kStartbereich.unten, kStartbereich.oben, true};
    const auto [kleinster, groesster] = std::minmax_element(w.begin(), w.end());
    Achsenbereich r{std::min<long double>(0, std::floor(*kleinster / kAutoRaster) * kAutoRaster),
                    std::ceil(*groesster / kAutoRaster) * kAutoRaster, true};
    if (r.oben <= r.unten) r.oben = r.unten + kAutoRaster;
    return r;
}

void Skalieren(Variantenstudie& s, Skalierung art) {
    for (Diagramm d : kDiagramme) {
        Achsenbereich& achse = s.Achse[static_cast<int>(d)];
        if (art == Skalierung::Automatisch) {
            achse.automatisch = true;
            continue;
        }
        Achsenbereich r = Bereich(s, d);
        switch (art) {
            case Skalierung::ObenHoch:
                r.oben += kSchritt;
                break;
            case Skalierung::ObenRunter:
                if (!(r.oben - kMindestabstand > r.unten)) continue;
                r.oben -= kSchritt;
                break;
            case Skalierung::UntenHoch:
                if (!(r.unten + kMindestabstand < r.oben)) continue;
                r.unten += kSchritt;
                break;
            case Skalierung::UntenRunter:
                if (!(r.unten > 0)) continue;
                r.unten -= kSchritt;
                break;
            case Skalierung::Automatisch:
                break;
        }
        // A range of no height would leave the chart without bars and ticks.
        if (r.oben <= r.unten) continue;
        r.automatisch = false;
        achse = r;
    }
}

}  // namespace phonikon
