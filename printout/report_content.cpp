#include "printout/report_content.h"

#include <algorithm>

#include "calc/junction_codes.h"
#include "calc/number_text.h"

namespace phonikon {
namespace {

constexpr Farbe kHellgrau = 0xDDDDDD;  // the filled result rows
constexpr int kRechenblattOben = kKopfHoehe;
constexpr int kDeckblattOben = kKopfHoehe;
constexpr std::array<int, 5> kFlankenOben{0, 407, 518, 629, 740};

std::string Zeile(const std::vector<std::string>& memo, size_t n) {
    return n < memo.size() ? memo[n] : std::string();
}

std::string Vorsatz(const std::string& text) {
    return text.empty() ? "keine Vorsatzschale" : text;
}

// The mortar note of masonry built from the program's own bricks; empty for any other kind.
std::string Moertelhinweis(const Bauteil& b) {
    if (b.Konstrukt != 0) return {};
    return b.Moertel == 0 ? "(Brevon-Mauerwerk / Dünnbettmörtel)"
                          : "(Brevon-Mauerwerk / Normalmörtel)";
}

// Adds items to one page, with positions relative to the top of the band that holds them.
class Seitenbau {
  public:
    Seitenbau(Berichtsseite& seite, int bandOben) : s_(seite), oben_(bandOben) {}

    Berichtstext& Text(std::string name, int x, int y, std::string text, double punkt = 8,
                       bool fett = false) {
        Berichtstext t;
        t.name = std::move(name);
        t.x = x;
        t.y = oben_ + y;
        t.text = std::move(text);
        t.punkt = punkt;
        t.fett = fett;
        s_.texte.push_back(std::move(t));
        return s_.texte.back();
    }
    // A symbol with its subscript ("R" with "w"): the subscript sits lower and smaller.
    void Index(const std::string& name, int x, int y, const std::string& zeichen,
               const std::string& index, bool fett = false, double punkt = 8) {
        Text(name, x, y, zeichen, punkt, fett);
        Text(name + "_Index", x + (punkt > 8 ? 9 : 8), y + (punkt > 8 ? 6 : 5), index, punkt * 0.75,
             fett);
    }
    void Form(Berichtsform::Art art, int x, int y, int breite, int hoehe) {
        s_.formen.push_back({art, x, oben_ + y, breite, hoehe});
    }
    void Bild(Berichtsbild::Art art, std::string name, int x, int y, int breite, int hoehe,
              std::string code = {}) {
        s_.bilder.push_back({art, std::move(name), x, oben_ + y, breite, hoehe, std::move(code)});
    }

  private:
    Berichtsseite& s_;
    int oben_;
};

class Berichtsbau {
  public:
    Berichtsbau(const Projekt& p, const Firmendaten& firma, const Abstaende& abstand)
        : p_(p), f_(p.Fenster), firma_(firma), abstand_(abstand) {}

    Bericht Erstellen() {
        Bericht b;
        Kopf(b.deckblatt);
        Fuss(b.deckblatt, 1);
        Deckblatt(b.deckblatt);
        Kopf(b.rechenblatt);
        Fuss(b.rechenblatt, 2);
        Rechenblattkopf(b.rechenblatt);
        Trennbauteil(b.rechenblatt);
        for (int i = 1; i <= 4; ++i) Flanke(b.rechenblatt, i);
        Ergebnisse(b.rechenblatt);
        return b;
    }

  private:
    std::string Zahl(long double x, int genauigkeit) const {
        return FormatFixed(x, genauigkeit, 1, p_.Dezimaltrenner);
    }
    std::string Raeume() const { return f_.edit_room[1] + " und " + f_.edit_room[2]; }
    std::string Variante() const {
        return f_.edit_Variante.empty() ? std::string() : "Variante: " + f_.edit_Variante;
    }

    void Kopf(Berichtsseite& seite) {
        Seitenbau s(seite, 0);
        s.Bild(Berichtsbild::Art::Emblem, "QRImage2", 41, 2, 89, 89);
        s.Bild(Berichtsbild::Art::Logo, "QRImage_Logo", abstand_.logoLinks + 160, abstand_.logoOben,
               582, 89);
        s.Text("QRLabel_Fa", abstand_.nameLinks + 160, abstand_.nameOben, firma_.edit_Fa, 12, true);
        s.Form(Berichtsform::Art::Linie, 40, 92, 660, 0);
    }

    void Fuss(Berichtsseite& seite, int nummer) {
        Seitenbau s(seite, kFussOben);
        s.Form(Berichtsform::Art::Linie, 40, -2, 670, 0);
        auto& t = s.Text("QRLabel27", 472, 14,
                         "Phonikon  –  Seite " + std::to_string(nummer) + " von 2", 7);
        t.breite = 238;
        t.hoehe = 15;
        t.rechtsbuendig = true;
    }

    void Deckblatt(Berichtsseite& seite) {
        Seitenbau s(seite, kDeckblattOben);
        s.Text("QRLabel_Firma", 524, 5, firma_.edit_Fa);
        s.Text("QRLabel_Str", 524, 21, firma_.edit_Str);
        s.Text("QRLabel_Ort", 524, 37, firma_.edit_PLZ + " " + firma_.edit_Ort);
        s.Text("QRLabel_Internet", 524, 53, firma_.edit_www);
        s.Text("QRLabel_Bearbeiter", 524, 77, "Bearbeiter: " + firma_.edit_Bearbeiter);
        s.Text("QRLabel_Tel", 524, 93, "Tel. : " + firma_.edit_Tel);
        s.Text("QRLabel_Fax", 524, 109, "Fax. : " + firma_.edit_Fax);
        s.Text("QRLabel_email", 524, 125, "email: " + firma_.edit_Mail);

        s.Text("QRLabel1", 60, 214, "SCHALLTECHNISCHE UNTERSUCHUNG", 12, true);
        s.Text("QRLabel13", 60, 246, "PROJEKT:", 12, true);
        auto& projekt = s.Text("QRLabel_Project", 60, 267, f_.edit_Projekt, 12, true);
        projekt.breite = 605;
        projekt.hoehe = 95;
        projekt.umbruch = true;
        s.Text("QRLabel_ProStr", 60, 369, f_.edit_Str, 12, true);
        s.Text("QRLabel_ProOrt", 60, 393, f_.edit_PLZ + " " + f_.edit_Ort, 12, true);

        s.Text("QRLabel2", 60, 507, "Berechnung der Luftschalldämmung zwischen den Räumen", 10,
               true);
        s.Text("QRLabel_Raum", 60, 531, Raeume(), 10, true);
        s.Text("QRLabel3", 60, 555, "nach DIN EN 12354-1", 10, true);
        s.Text("lb_Variant1", 60, 579, Variante(), 10, true);

        s.Text("QRLabel_OrtDate", 60, 744,
               "Aufgestellt: " + firma_.edit_Ort + ", den " + firma_.edit_Date, 10);
        s.Text("QRLabel4", 60, 776, "Bearbeiter:", 10);
        s.Text("QRLabel_Name", 60, 848, firma_.edit_Bearbeiter, 10);
    }

    void Rechenblattkopf(Berichtsseite& seite) {
        Seitenbau s(seite, kRechenblattOben);
        s.Text("lb_Projekt", 43, 4, "PROJEKT: " + f_.edit_Projekt, 11, true);
        s.Text("QRLabel9", 43, 28, "Berechnung der Luftschalldämmung zwischen:", 10, true);
        s.Text("lb_Titel", 43, 46, Raeume(), 10, true);
        s.Text("lb_Variant2", 43, 65, Variante(), 8, true).farbe = kBlau;
        s.Bild(Berichtsbild::Art::Skizze, "QRImage_Grafik", 353, 16, 360, 357);
    }

    void Trennbauteil(Berichtsseite& seite) {
        Seitenbau s(seite, kRechenblattOben);
        const Bauteil& tb = p_.Element[0][0];
        const auto& memo = f_.Memo[0][0];
        s.Text("lb_TB", 54, 91, "Trennbauteil:", 10, true).unterstrichen = true;
        s.Text("lb_BezTB", 164, 93, f_.edit_TB == "Trennbauteil" ? std::string() : f_.edit_TB);
        s.Text("QRLabel5", 54, 113, "Bauteilaufbau:");
        s.Text("QRLabel_TB0", 164, 113, Zeile(memo, 0));
        s.Text("QRLabel_TB1", 164, 134, Zeile(memo, 1));
        const std::string moertel = Moertelhinweis(tb);
        s.Text("QRLabel_TB_Moertel", 164, 152, moertel);
        s.Text("QRLabel_TB2", 164, moertel.empty() ? 152 : 171, Zeile(memo, 2));

        s.Text("QRLabel39", 54, 197, "Fläche:");
        s.Text("QRLabel_ATB", 164, 197, f_.edit_A + " [m²]");
        s.Text("QRLabel6", 54, 214, "Flächenmasse m':");
        s.Text("QRLabel_mTB", 164, 214, Zahl(tb.mFlaeche, 5) + " [kg/m²]");
        s.Index("QRLabel11", 54, 231, "R", "w");
        s.Text("QRLabel_TB_RwDd", 164, 231, Zahl(tb.Rw, 3) + " [dB]");
        s.Index("QRLabel10", 54, 251, "R", "w,d", true);
        s.Text("QRLabel17", 76, 251, "Trennbauteil:", 8, true);
        s.Text("QRLabel_TB_Rdir", 164, 251, Zahl(p_.R_Anteil[0], 3) + " [dB]", 8, true);

        s.Text("QRLabel7", 54, 279, "Vorsatzschale(n):", 10).unterstrichen = true;
        s.Text("QRLabel_VS_R1_TB", 54, 303, f_.edit_room[1]);
        s.Text("QRLabel_fresVS_R1_TB", 54, 319, Vorsatz(f_.edit_VS[0][1]));
        s.Text("QRLabel_VS_R2_TB", 54, 343, f_.edit_room[2]);
        s.Text("QRLabel_fresVS_R2_TB", 54, 359, Vorsatz(f_.edit_VS[0][2]));

        s.Form(Berichtsform::Art::Rahmen, 50, 379, 660, 29);
        s.Text("QRLabel8", 54, 385, "Flankierende Bauteile:", 10, true);
        s.Text("QRLabel_Raum1", 220, 385, "Bauteilaufbau " + f_.edit_room[1], 10, true);
        s.Text("QRLabel_Raum2", 467, 385, "Bauteilaufbau " + f_.edit_room[2], 10, true);
    }

    // One side of a flank: construction lines with the mortar rule, mass and Rw.
    void Flankenseite(Seitenbau& s, int i, int j, int x, int y) {
        const Bauteil& b = p_.Element[i][j];
        const auto& memo = f_.Memo[i][j];
        const std::string k = std::to_string(i) + "_" + std::to_string(j);
        s.Text("QRLabel_BT0_F" + k, x, y + 3, Zeile(memo, 0));
        s.Text("QRLabel_BT1_F" + k, x, y + 17, Zeile(memo, 1));
        const std::string moertel = Moertelhinweis(b);
        s.Text("QRLabel_Moertel_F" + k, x, y + 31, moertel);
        s.Text("QRLabel_BT2_F" + k, x, moertel.empty() ? y + 31 : y + 45, Zeile(memo, 2));
        s.Text("QRLabel_mF" + k, x, y + 61, "Flächenmasse: " + Zahl(b.mFlaeche, 5) + " [kg/m²]");
        s.Index("lb_RwF" + k, x + 163, y + 61, "R", "w");
        s.Text("lb_RwDdF" + k, x + 184, y + 61, "= " + Zahl(b.Rw, 5) + " [dB]");
    }

    void Flanke(Berichtsseite& seite, int i) {
        Seitenbau s(seite, kRechenblattOben);
        const int y = kFlankenOben[i];
        const std::string n = std::to_string(i);
        s.Form(Berichtsform::Art::Rahmen, 50, y, 660, 112);
        s.Form(Berichtsform::Art::Linie, 216, y, 0, 77);
        s.Form(Berichtsform::Art::Linie, 463, y, 0, 77);
        s.Form(Berichtsform::Art::Linie, 50, y + 77, 660, 0);

        s.Text("QRLabel_F" + n, 54, y + 4, f_.edit_Flanke[i], 10, true);
        s.Bild(Berichtsbild::Art::Stoss, "QRImageSS" + n, 161, y + 8, 49, 47, p_.Stoss[i]);
        s.Text("lb_Stoss" + n, 54, y + 25, Stossart(p_.Stoss[i]));
        s.Text("QRLabel_KantenL_F" + n, 54, y + 42, "Kantenlänge: " + f_.edit_LF[i] + " [m]");
        s.Text("QRLabel_Rw_F" + n, 54, y + 61,
               "Flankendämm-Maß: " + Zahl(p_.R_Anteil[i], 3) + " [dB]", 8, true);

        Flankenseite(s, i, 1, 220, y);
        Flankenseite(s, i, 2, 467, y);

        s.Text("QRLabel_VS" + n + "_1", 54, y + 80, "Vorsatzschale " + f_.edit_room[1]);
        s.Text("QRLabel_VS_F" + n + "_1", 240, y + 80, Vorsatz(f_.edit_VS[i][1]));
        s.Text("QRLabel_VS" + n + "_2", 54, y + 95, "Vorsatzschale " + f_.edit_room[2]);
        s.Text("QRLabel_VS_F" + n + "_2", 240, y + 95, Vorsatz(f_.edit_VS[i][2]));
    }

    void Ergebnisse(Berichtsseite& seite) {
        Seitenbau s(seite, kRechenblattOben);
        s.Form(Berichtsform::Art::GrauerRahmen, 50, 851, 660, 24);
        s.Form(Berichtsform::Art::GrauerRahmen, 50, 874, 660, 24);
        s.Text("QRLabel_Rw", 166, 854, "bewertetes Bau-Schalldämm-Maß:  R'     = ", 10, true);
        s.Text("QRLabel14", 404, 857, "w ", 8, true);
        s.Text("QRLabel_Rw_result", 502, 856, Zahl(p_.R_w_Bau, 4) + " [dB]", 10, true);
        s.Text("QRLabel14QRLabel_DnTW", 166, 877,
               "bewertete Standard-Schallpegeldifferenz:  D         = ", 10, true);
        s.Text("QRLabel15", 448, 881, "nT,w", 8, true);
        // The normative value is the weaker of the two directions.
        const long double dntw = std::min(p_.DnTw_12, p_.DnTw_21);
        s.Text("QRLabel_DnTW_result", 502, 878, Zahl(dntw, 4) + " [dB]", 10, true);
        s.Text("QRLabel35", 262, 903, "(Berechnungsergebnisse ohne Vorhaltemaß)");
    }

    const Projekt& p_;
    const Hauptfenster& f_;
    const Firmendaten& firma_;
    const Abstaende& abstand_;
};

template <class T>
const T* Suchen(const std::vector<T>& liste, const std::string& name) {
    auto it = std::find_if(liste.begin(), liste.end(), [&](const T& e) { return e.name == name; });
    return it == liste.end() ? nullptr : &*it;
}

}  // namespace

const Berichtstext* Berichtsseite::Text(const std::string& name) const {
    return Suchen(texte, name);
}

const Berichtsbild* Berichtsseite::Bild(const std::string& name) const {
    return Suchen(bilder, name);
}

std::string Stossart(const std::string& code) {
    const StossDaten* stoss = StossVon(code);
    if (!stoss) return "Stoßstelle:";
    return std::string(Daten(stoss->typ).stossart);
}

std::variant<Bericht, std::string> Bericht_Erstellen(const Projekt& p, const Firmendaten& firma) {
    if (!p.EingabenVollstaendig) return std::string(kKeineErgebnisse);
    auto abstand = Firma_Abstaende(firma);
    if (auto* meldung = std::get_if<std::string>(&abstand)) return *meldung;
    return Berichtsbau(p, firma, std::get<Abstaende>(abstand)).Erstellen();
}

}  // namespace phonikon
