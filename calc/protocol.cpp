#include "calc/protocol.h"

#include "calc/junction_codes.h"
#include "calc/number_text.h"

namespace phonikon {
namespace {

const std::string kTrennlinie = " " + std::string(98, '_');
const std::string kNormrichtung =
    "(Normrichtung: Schallübertragung vom größeren Raumvolumen zum kleineren)";

class Protokoll {
  public:
    explicit Protokoll(const Projekt& p) : p_(p), f_(p.Fenster) {}

    std::vector<std::string> Erstellen() {
        if (!p_.EingabenVollstaendig) return {"", " Eingabefehler -> keine Berechnung möglich!"};
        z_.reserve(200);
        Projektbeschreibung();
        Raum(1, "      Flankenaufbau:");
        Trennbauteil();
        Raum(2, "      Flankenflächen:");
        Zwischenergebnisse();
        Endergebnisse();
        return std::move(z_);
    }

  private:
    std::string Zahl(long double x, int p, int d) const {
        return FormatFixed(x, p, d, p_.Dezimaltrenner);
    }
    void Zeile(std::string s) { z_.push_back(std::move(s)); }
    void Leer() { z_.emplace_back(); }

    // Line n (1-based) of a construction memo; a missing line is an empty text.
    static const std::string& MemoZeile(const std::vector<std::string>& memo, size_t n) {
        static const std::string leer;
        return n <= memo.size() ? memo[n - 1] : leer;
    }

    void Projektbeschreibung() {
        Zeile(kTrennlinie);
        Zeile(" PROJEKTBESCHREIBUNG:");
        Leer();
        Zeile(" " + f_.edit_Projekt);
        Zeile(" " + f_.edit_Str);
        Zeile(" " + f_.edit_PLZ + "  " + f_.edit_Ort);
        Leer();
        Zeile(" Variante: " + f_.edit_Variante);
        Zeile(kTrennlinie);
        Zeile(" EINGABEDATEN:");
        Leer();
    }

    void Raum(int j, const char* flankenTitel) {
        const std::string nr = std::to_string(j);
        Zeile(" RAUM " + nr + ": " + f_.edit_room[j]);
        Leer();
        Zeile("      Raumvolumen V" + nr + " = " + Zahl(j == 1 ? p_.V_Raum1 : p_.V_Raum2, 6, 1) +
              " [m³]");
        Zeile("      Raumtiefe/Raumhöhe = " + Zahl(p_.Raumtiefe[j][0], 6, 2) + " [m]");
        Leer();
        Zeile(flankenTitel);
        for (int i = 1; i <= 4; ++i) {
            Zeile("      " + std::to_string(i) + ".  " + f_.edit_Flanke[i] +
                  "  Fläche = " + Zahl(p_.S_F[i][j], 3, 2) + " [m²]");
            for (size_t n = 1; n <= 3; ++n) Zeile("          " + MemoZeile(f_.Memo[i][j], n));
            if (!f_.edit_VS[i][j].empty()) Zeile("           Vorsatzschale: " + f_.edit_VS[i][j]);
            Leer();
        }
        if (j == 1) Leer();
    }

    void Trennbauteil() {
        Zeile(" TRENNBAUTEIL:");
        Zeile("      Bezeichnung: " + f_.edit_TB);
        Zeile("      Fläche = " + Zahl(p_.S_TB, 6, 2) + " [m²]");
        Leer();
        Zeile("      Bauteilaufbau:");
        for (size_t n = 1; n <= 3; ++n) Zeile("          " + MemoZeile(f_.Memo[0][0], n));
        for (int j = 1; j <= 2; ++j)
            if (!f_.edit_VS[0][j].empty())
                Zeile("          Vorsatzschale in " + f_.edit_room[j] + ": " + f_.edit_VS[0][j]);
        Leer();
        for (int i = 1; i <= 4; ++i) {
            std::string_view text = StossBeschreibung(p_.Stoss[i]);
            if (!text.empty())
                Zeile("          Stoßstelle Flanke " + std::to_string(i) + std::string(text));
        }
        Leer();
        Leer();
    }

    void Pfadwerte(const std::array<std::array<long double, 3>, 5>& werte) {
        for (int i = 1; i <= 4; ++i) {
            const std::string nr = "     " + std::to_string(i);
            Zeile(nr + "     /   Ff:    " + Zahl(werte[i][0], 3, 1) + " [dB]");
            Zeile(nr + "     /   Fd:   " + Zahl(werte[i][1], 3, 1) + " [dB]");
            Zeile(nr + "     /   Df:    " + Zahl(werte[i][2], 3, 1) + " [dB]");
            Leer();
        }
    }

    void Zwischenergebnisse() {
        Zeile(kTrennlinie);
        Zeile(" ZWISCHENERGEBNISSE SCHALLÜBERTRAGUNGSWEGE:");
        Leer();
        Zeile(" Stoßstellendämm-Maß Kij:");
        Leer();
        Zeile(" Flanke / Weg      Kij");
        Pfadwerte(p_.K_ij);
        Zeile(kTrennlinie);
        Leer();
        Zeile(" Flankendämmung Rij:");
        Leer();
        Zeile(" Flanke / Weg      Rij");
        Pfadwerte(p_.R_ij);
        Leer();
    }

    void Endergebnisse() {
        Zeile(kTrennlinie);
        Zeile(" BERECHNUNGSERGEBNISSE:");
        Leer();
        Zeile(" Trennbauteil:");
        Zeile("    Direktschalldämm-Maß Trennbauteil ohne Vorsatzschalen und Nebenwegen:");
        Zeile("    Rw = " + Zahl(p_.Element[0][0].Rw, 4, 1) + " [dB]");
        Leer();
        Zeile(
            "    bewertetes Schalldämm-Maß Trennbauteil mit Vorsatzschalen und d-Nebenwegen "
            "(Wege 1 und 3):");
        Zeile("    Rd,w = " + Zahl(p_.R_Anteil[0], 4, 1) + " [dB]");
        Leer();
        Zeile(" Flankendämm-Maße:");
        for (int i = 1; i <= 4; ++i) {
            const std::string nr = std::to_string(i);
            Zeile("    " + nr + ". " + f_.edit_Flanke[i] + "  R" + nr +
                  ",w = " + Zahl(p_.R_Anteil[i], 4, 1) + " [dB]");
        }
        Leer();
        Zeile(" bewertetes Bau-Schalldämm-Maß:");
        Zeile(" R´w = " + Zahl(p_.R_w_Bau, 4, 1) + " [dB]");
        Leer();
        if (p_.V_Raum1 > 0 && p_.V_Raum2 > 0) {
            Zeile(" bewertete Standard-Schallpegeldifferenz:");
            Zeile(" DnT,w Raum 1 -> Raum 2 = " + Zahl(p_.DnTw_12, 4, 1) + " [dB]  " +
                  (p_.V_Raum1 > p_.V_Raum2 ? kNormrichtung : ""));
            Zeile(" DnT,w Raum 2 -> Raum 1 = " + Zahl(p_.DnTw_21, 4, 1) + " [dB]  " +
                  (p_.V_Raum2 > p_.V_Raum1 ? kNormrichtung : ""));
        } else {
            Zeile(
                " Standard-Schallpegeldifferenz DnT,w kann nicht berechnet werden, da kein "
                "Raumvolumen vorhanden ist!");
        }
        Zeile(" ");
        Zeile(" (Berechnungsergebnisse ohne Vorhaltemaß)");
        Zeile(kTrennlinie);
    }

    const Projekt& p_;
    const Hauptfenster& f_;
    std::vector<std::string> z_;
};

}  // namespace

std::vector<std::string> Protokoll_Erstellen(const Projekt& p) {
    return Protokoll(p).Erstellen();
}

}  // namespace phonikon
