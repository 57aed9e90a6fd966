// The report's texts and places: what the cover page and the calculation sheet print for a
// project, with the mortar rule, the number formats and the refusals.
#include "printout/report_content.h"

#include <gtest/gtest.h>

#include <string>

#include "worked_example.h"

namespace phonikon {
namespace {

const Bericht& Erstellt(const std::variant<Bericht, std::string>& ergebnis) {
    if (auto* meldung = std::get_if<std::string>(&ergebnis)) ADD_FAILURE() << *meldung;
    return std::get<Bericht>(ergebnis);
}

std::string Text(const Berichtsseite& seite, const std::string& name) {
    const Berichtstext* t = seite.Text(name);
    EXPECT_NE(t, nullptr) << name;
    return t ? t->text : std::string();
}

int Oben(const Berichtsseite& seite, const std::string& name) {
    const Berichtstext* t = seite.Text(name);
    EXPECT_NE(t, nullptr) << name;
    return t ? t->y : -1;
}

class Berichtsinhalt : public ::testing::Test {
  protected:
    Berichtsinhalt() : p(test::Beispielprojekt()) {
        auto& f = p.Fenster;
        f.edit_Projekt = "Neubau Sonnenhof";
        f.edit_Str = "Am Hang 3";
        f.edit_PLZ = "54321";
        f.edit_Ort = "Bergdorf";
        f.edit_room[1] = "Küche";
        f.edit_room[2] = "Bad";
        f.Memo[0][0] = {"Zeile eins", "Zeile zwei", "Zeile drei"};
        firma.edit_Fa = "Bau & Schall GmbH";
        firma.edit_PLZ = "10115";
        firma.edit_Ort = "Berlin";
        firma.edit_Bearbeiter = "M. Muster";
        firma.edit_Date = "1. 2. 2026";
        firma.edit_Tel = "030 123";
        firma.edit_LogoLeft = "12";
        firma.edit_FaNameTop = "30";
    }
    Bericht Bauen() { return Erstellt(Bericht_Erstellen(p, firma)); }

    Projekt p;
    Firmendaten firma;
};

TEST_F(Berichtsinhalt, DeckblattTraegtFirmaProjektUndRaeume) {
    const Bericht b = Bauen();
    const Berichtsseite& d = b.deckblatt;
    EXPECT_EQ(Text(d, "QRLabel_Ort"), "10115 Berlin");
    EXPECT_EQ(Text(d, "QRLabel_Bearbeiter"), "Bearbeiter: M. Muster");
    EXPECT_EQ(Text(d, "QRLabel_Tel"), "Tel. : 030 123");
    EXPECT_EQ(Text(d, "QRLabel_Fax"), "Fax. : ");
    EXPECT_EQ(Text(d, "QRLabel_Project"), "Neubau Sonnenhof");
    EXPECT_EQ(Text(d, "QRLabel_ProOrt"), "54321 Bergdorf");
    EXPECT_EQ(Text(d, "QRLabel_Raum"), "Küche und Bad");
    EXPECT_EQ(Text(d, "QRLabel_OrtDate"), "Aufgestellt: Berlin, den 1. 2. 2026");
    EXPECT_EQ(Text(d, "QRLabel_Name"), "M. Muster");
    // The title band lies below the 94-pixel page header.
    EXPECT_EQ(Oben(d, "QRLabel1"), 94 + 214);
    EXPECT_EQ(d.Text("QRLabel1")->punkt, 12);
    EXPECT_TRUE(d.Text("QRLabel1")->fett);
    EXPECT_EQ(d.Text("QRLabel_Project")->breite, 605);
    EXPECT_TRUE(d.Text("QRLabel_Project")->umbruch);
    // The calculation sheet carries no cover items.
    EXPECT_EQ(b.rechenblatt.Text("QRLabel_Firma"), nullptr);
}

TEST_F(Berichtsinhalt, KopfbandSetztLogoUndFirmennameNachDenAbstaenden) {
    const Bericht b = Bauen();
    for (const Berichtsseite* seite : {&b.deckblatt, &b.rechenblatt}) {
        const Berichtsbild* logo = seite->Bild("QRImage_Logo");
        ASSERT_NE(logo, nullptr);
        EXPECT_EQ(logo->x, 172);
        EXPECT_EQ(logo->y, 0);
        EXPECT_EQ(logo->breite, 582);
        const Berichtstext* name = seite->Text("QRLabel_Fa");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text, "Bau & Schall GmbH");
        EXPECT_EQ(name->x, 160);
        EXPECT_EQ(name->y, 30);
    }
}

TEST_F(Berichtsinhalt, VarianteLeerOderMitNamen) {
    EXPECT_EQ(Text(Bauen().deckblatt, "lb_Variant1"), "");
    EXPECT_EQ(Text(Bauen().rechenblatt, "lb_Variant2"), "");
    p.Fenster.edit_Variante = "Variante B";
    const Bericht b = Bauen();
    EXPECT_EQ(Text(b.deckblatt, "lb_Variant1"), "Variante: Variante B");
    EXPECT_EQ(Text(b.rechenblatt, "lb_Variant2"), "Variante: Variante B");
    EXPECT_EQ(b.rechenblatt.Text("lb_Variant2")->farbe, kBlau);
}

TEST_F(Berichtsinhalt, TrennbauteilNameNurWennNichtVorgabe) {
    EXPECT_EQ(Text(Bauen().rechenblatt, "lb_BezTB"), "");
    p.Fenster.edit_TB = "Wohnungstrennwand";
    EXPECT_EQ(Text(Bauen().rechenblatt, "lb_BezTB"), "Wohnungstrennwand");
}

// Masonry of the program's own bricks gets a mortar note and pushes the third construction line
// down: 19 pixels for the separating element, 14 for a flank element.
TEST_F(Berichtsinhalt, MoertelregelVerschiebtDieDritteZeile) {
    struct Fall {
        int konstrukt, moertel;
        const char* hinweis;
        int tbZeile3, flankeZeile3;
    };
    const int y = 94 + 407;  // block of flank 1
    for (const Fall& f :
         {Fall{0, 0, "(Brevon-Mauerwerk / Dünnbettmörtel)", 171, 45},
          Fall{0, 1, "(Brevon-Mauerwerk / Normalmörtel)", 171, 45}, Fall{2, 1, "", 152, 31}}) {
        SCOPED_TRACE(f.hinweis);
        p.Element[0][0].Konstrukt = f.konstrukt;
        p.Element[0][0].Moertel = f.moertel;
        p.Element[1][2].Konstrukt = f.konstrukt;
        p.Element[1][2].Moertel = f.moertel;
        p.Fenster.Memo[1][2] = {"a", "b", "c"};
        const Berichtsseite r = Bauen().rechenblatt;
        EXPECT_EQ(Text(r, "QRLabel_TB_Moertel"), f.hinweis);
        EXPECT_EQ(Oben(r, "QRLabel_TB2"), 94 + f.tbZeile3);
        EXPECT_EQ(Text(r, "QRLabel_Moertel_F1_2"), f.hinweis);
        EXPECT_EQ(Oben(r, "QRLabel_BT2_F1_2"), y + f.flankeZeile3);
        EXPECT_EQ(Text(r, "QRLabel_BT2_F1_2"), "c");
    }
}

TEST_F(Berichtsinhalt, EinzeiligerAufbauLaesstZeileZweiUndDreiLeer) {
    p.Fenster.Memo[0][0] = {"nur eine Zeile"};
    const Berichtsseite r = Bauen().rechenblatt;
    EXPECT_EQ(Text(r, "QRLabel_TB0"), "nur eine Zeile");
    EXPECT_EQ(Text(r, "QRLabel_TB1"), "");
    EXPECT_EQ(Text(r, "QRLabel_TB2"), "");
}

TEST_F(Berichtsinhalt, ZahlenformateUndKleinereDnTw) {
    p.Element[0][0].mFlaeche = 412.345L;
    p.Element[0][0].Rw = 55.56L;
    p.Element[2][1].Rw = 123.456L;
    p.R_Anteil[0] = 53.149L;
    p.R_w_Bau = 1234.56L;
    p.DnTw_12 = 51.2L;
    p.DnTw_21 = 49.8L;
    const Berichtsseite r = Bauen().rechenblatt;
    EXPECT_EQ(Text(r, "QRLabel_mTB"), "412,3 [kg/m²]");
    EXPECT_EQ(Text(r, "QRLabel_TB_RwDd"), "55,6 [dB]");
    EXPECT_EQ(Text(r, "QRLabel_TB_Rdir"), "53,1 [dB]");
    EXPECT_EQ(Text(r, "lb_RwDdF2_1"), "= 123,5 [dB]");
    EXPECT_EQ(Text(r, "QRLabel_Rw_result"), "1235,0 [dB]");
    EXPECT_EQ(Text(r, "QRLabel_DnTW_result"), "49,8 [dB]");

    p.Dezimaltrenner = '.';
    EXPECT_EQ(Text(Bauen().rechenblatt, "QRLabel_DnTW_result"), "49.8 [dB]");
}

TEST_F(Berichtsinhalt, FlankenZeigenStossVorsatzUndKante) {
    p.Stoss[4] = "LSb_TrennungR1";
    p.Stoss[3] = "KS_TrennungTB";
    p.Stoss[2] = "kaputt";
    p.Fenster.edit_VS[1][2] = "Gipskarton / f = 80Hz";
    p.Fenster.edit_LF[1] = "3,5";
    const Berichtsseite r = Bauen().rechenblatt;
    EXPECT_EQ(Text(r, "lb_Stoss4"), "Winkelstoß");
    EXPECT_EQ(r.Bild("QRImageSS4")->stossCode, "LSb_TrennungR1");
    EXPECT_EQ(r.Bild("QRImageSS4")->y, 94 + 740 + 8);
    EXPECT_EQ(Text(r, "lb_Stoss3"), "Kreuz-Stoß");
    EXPECT_EQ(Text(r, "lb_Stoss2"), "Stoßstelle:");
    EXPECT_EQ(Text(r, "lb_Stoss1"), "T-Stoß");
    EXPECT_EQ(Text(r, "QRLabel_VS_F1_1"), "keine Vorsatzschale");
    EXPECT_EQ(Text(r, "QRLabel_VS_F1_2"), "Gipskarton / f = 80Hz");
    EXPECT_EQ(Text(r, "QRLabel_VS1_2"), "Vorsatzschale Bad");
    EXPECT_EQ(Text(r, "QRLabel_KantenL_F1"), "Kantenlänge: 3,5 [m]");
    EXPECT_EQ(Text(r, "QRLabel_Raum2"), "Bauteilaufbau Bad");
    EXPECT_EQ(Text(r, "QRLabel_fresVS_R1_TB"), "keine Vorsatzschale");
}

TEST_F(Berichtsinhalt, VerweigertOhneErgebnisseUndBeiKaputtemAbstand) {
    Projekt leer = p;
    leer.EingabenVollstaendig = 0;
    auto ohne = Bericht_Erstellen(leer, firma);
    ASSERT_TRUE(std::holds_alternative<std::string>(ohne));
    EXPECT_EQ(std::get<std::string>(ohne), " Keine Berechnungsergebnisse vorhanden!\n  ");

    firma.edit_FaNameLeft = "1x";
    auto kaputt = Bericht_Erstellen(p, firma);
    ASSERT_TRUE(std::holds_alternative<std::string>(kaputt));
    EXPECT_NE(std::get<std::string>(kaputt).find("'1x'"), std::string::npos);
}

// Every item stays within the printable area, and the calculation sheet ends above the footer.
TEST_F(Berichtsinhalt, AllesInnerhalbDesDruckbereichs) {
    const Bericht b = Bauen();
    for (const Berichtsseite* seite : {&b.deckblatt, &b.rechenblatt}) {
        for (const Berichtstext& t : seite->texte) {
            EXPECT_GE(t.x, 0) << t.name;
            EXPECT_LT(t.x, kBerichtBreite) << t.name;
            EXPECT_LT(t.y, kBerichtHoehe - 10) << t.name;
            if (t.y < kFussOben) {
                EXPECT_LT(t.y + 14, kFussOben) << t.name;
            }
        }
        for (const Berichtsform& f : seite->formen)
            EXPECT_LE(f.x + f.breite, kBerichtBreite) << f.x << "," << f.y;
    }
}

}  // namespace
}  // namespace phonikon
