// Lining library files, the library table and the lining dialog's handlers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "calc/data_files.h"
#include "full_disk.h"
#include "lining/library_file.h"
#include "lining/library_table.h"
#include "lining/lining_dialog_state.h"
#include "temp_folder.h"
#include "worked_example.h"

namespace phonikon {
namespace {

using test::Beispielprojekt;
using E = Bibliothekseintrag;

const std::string kKopf =
    "* Datendatei Vorsatzschalen: WAND\r\n* Bezeichnung\r\n* Resonanzfrequenz\r\n* " +
    std::string(74, '_') + "\r\n";

TEST(Bibliotheksdatei, LesenUeberspringtVierZeilenUndPaartDenRest) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::vector<E> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"nur Kopf", kKopf, {}},
        {"leer", "", {}},
        {"zwei Einträge",
         kKopf + "GK 12,5\r\n85\r\nGK 2x12,5\r\n60\r\n",
         {{"GK 12,5", "85"}, {"GK 2x12,5", "60"}}},
        {"letzte Frequenz fehlt", kKopf + "A\r\n70\r\nB\r\n", {{"A", "70"}, {"B", ""}}},
        {"ohne letztes Zeilenende", kKopf + "A\r\n70", {{"A", "70"}}},
        {"nur LF", "1\n2\n3\n4\nA\n70\n", {{"A", "70"}}},
        // The header is skipped whatever it holds; a later "*" line is data.
        {"kein Kommentarkopf",
         "Erster\r\n55\r\nZweiter\r\n66\r\n* Dritter\r\n77\r\n",
         {{"* Dritter", "77"}}},
        {"leere Namen und Unsinn",
         kKopf + "\r\n80 \r\nX\r\n85,5\r\n",
         {{"", "80 "}, {"X", "85,5"}}},
        {"Windows-1252",
         kKopf + "D\xE4mmung 40 mm, s' = 6 MN/m\xB3\r\n124\r\n",
         {{"Dämmung 40 mm, s' = 6 MN/m³", "124"}}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Bibliothek_Lesen(f.bytes), f.erwartet) << f.name;
}

TEST(Bibliotheksdatei, TextHatKopfDerArtUndLaesstNamenloseAus) {
    const std::vector<E> eintraege = {{"Schale ä", "85"}, {"", "70"}, {"ohne f", ""}};
    EXPECT_EQ(Bibliothek_Text(kVSArtWand, eintraege),
              kKopf + "Schale \xE4\r\n85\r\nohne f\r\n\r\n");
    const std::string decke = Bibliothek_Text(kVSArtDecke, {});
    EXPECT_EQ(decke.substr(0, decke.find("\r\n")), "* Datendatei Vorsatzschalen: DECKE");
    const std::string estrich = Bibliothek_Text(kVSArtEstrich, {});
    EXPECT_EQ(estrich.substr(0, estrich.find("\r\n")), "* Datendatei Vorsatzschalen: ESTRICHE");
    EXPECT_EQ(std::count(estrich.begin(), estrich.end(), '\n'), 4);
    // The rule line: "* " and 74 underscores.
    EXPECT_NE(estrich.find("\r\n* " + std::string(74, '_') + "\r\n"), std::string::npos);
}

class BibliothekAufPlatte : public test::MitTempOrdner {};

TEST_F(BibliothekAufPlatte, LadenBearbeitenSpeichernLaden) {
    const std::string pfad = Pfad("VS_Wand.lib");
    Schreiben(pfad, kKopf + "A\r\n70\r\nB\r\n80\r\nC\r\n");  // last entry without frequency

    Bibliothekstabelle t;
    BibliotheksLadung ladung = Bibliothek_Laden(pfad);
    ASSERT_FALSE(ladung.fehler);
    Tabelle_Fuellen(t, ladung.eintraege);
    ASSERT_EQ(t.Zeilen.size(), 3u);

    // Locked: the editor's commands do nothing.
    btn_AddLineClick(t);
    Zelle_Geaendert(t, 0, 0, "x");
    EXPECT_EQ(t.Zeilen.size(), 3u);
    EXPECT_EQ(t.Zeilen[0].Name, "A");
    EXPECT_EQ(btn_SaveTabClick(t, kVSArtWand, pfad), std::nullopt);
    EXPECT_EQ(Inhalt(pfad), kKopf + "A\r\n70\r\nB\r\n80\r\nC\r\n");

    btn_EditTabClick(t);
    EXPECT_EQ(EditTabBeschriftung(t), "Tabelle sperren");
    t.Auswahl = 1;
    DeleteLibLineClick(t);  // B is blanked, its row stays
    EXPECT_EQ(t.Zeilen[1], E{});
    btn_AddLineClick(t);
    Zelle_Geaendert(t, 3, 0, "Neu ü");
    Zelle_Geaendert(t, 3, 1, "65");
    EXPECT_EQ(t.Zeilen.size(), 4u);
    ASSERT_EQ(btn_SaveTabClick(t, kVSArtWand, pfad), std::nullopt);
    // 4 + 2 × three named rows; the entry without frequency keeps its empty line.
    EXPECT_EQ(Inhalt(pfad), kKopf + "A\r\n70\r\nC\r\n\r\nNeu \xFC\r\n65\r\n");
    EXPECT_EQ(Bibliothek_Laden(pfad).eintraege,
              (std::vector<E>{{"A", "70"}, {"C", ""}, {"Neu ü", "65"}}));
    EXPECT_EQ(AnzahlDateien(), 1u);  // no temporary file left behind
}

TEST_F(BibliothekAufPlatte, FehlgeschlagenesSpeichernLaesstDateiUndTabelle) {
    const std::string pfad = Pfad("VS_Decke.lib");
    const std::string alt = Bibliothek_Text(kVSArtDecke, {{"Alt", "42"}});
    Schreiben(pfad, alt);
    Bibliothekstabelle t;
    Tabelle_Fuellen(t, {{"Neu", "30"}});
    btn_EditTabClick(t);
    std::optional<std::string> meldung;
    {
        VolleFestplatte voll;
        meldung = btn_SaveTabClick(t, kVSArtDecke, pfad);
    }
    ASSERT_TRUE(meldung);
    EXPECT_NE(meldung->find("konnte nicht gespeichert werden"), std::string::npos);
    EXPECT_EQ(Inhalt(pfad), alt);
    EXPECT_EQ(t.Zeilen, (std::vector<E>{{"Neu", "30"}}));

    // A missing folder, and a folder where the file should be.
    EXPECT_TRUE(Bibliothek_Speichern(Pfad("fehlt/VS_Wand.lib"), kVSArtWand, {}));
    std::filesystem::create_directory(Pfad("VS_Estrich.lib"));
    EXPECT_TRUE(Bibliothek_Speichern(Pfad("VS_Estrich.lib"), kVSArtEstrich, {}));
}

TEST_F(BibliothekAufPlatte, SpeichernUeberVerknuepfungErsetztDasZiel) {
    const std::string ziel = Pfad("echt.lib");
    Schreiben(ziel, kKopf);
    std::filesystem::create_symlink(ziel, Pfad("VS_Wand.lib"));
    ASSERT_EQ(Bibliothek_Speichern(Pfad("VS_Wand.lib"), kVSArtWand, {{"A", "1"}}), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(Pfad("VS_Wand.lib")));
    EXPECT_EQ(Inhalt(ziel), kKopf + "A\r\n1\r\n");
}

TEST_F(BibliothekAufPlatte, UnlesbareDateienMelden) {
    EXPECT_TRUE(Bibliothek_Laden(Pfad("fehlt.lib")).fehler);
    EXPECT_TRUE(Bibliothek_Laden(ordner_.string()).fehler);
    Schreiben(Pfad("gross.lib"), std::string(kMaxBibliotheksGroesse + 1, 'x'));
    const auto ladung = Bibliothek_Laden(Pfad("gross.lib"));
    ASSERT_TRUE(ladung.fehler);
    EXPECT_NE(ladung.fehler->find("zu groß"), std::string::npos);
}

// The shipped libraries: every entry states the mass and the spacing or dynamic stiffness its
// frequency was derived from, and the frequency follows from them.
TEST(MitgelieferteBibliotheken, FrequenzenFolgenAusDenGenanntenKennwerten) {
    const std::regex masse(R"(m' = (\d+) kg/m²)"), abstand(R"(, s = (\d+) mm)"),
        steife(R"(s' = (\d+) MN/m³)");
    for (int art : {kVSArtWand, kVSArtDecke, kVSArtEstrich}) {
        const std::string pfad = DatenDatei("/nonexistent", BibliotheksDateiname(art));
        const BibliotheksLadung ladung = Bibliothek_Laden(pfad);
        ASSERT_FALSE(ladung.fehler) << pfad;
        EXPECT_GE(ladung.eintraege.size(), 12u) << pfad;
        for (const E& e : ladung.eintraege) {
            std::smatch m, x;
            ASSERT_TRUE(std::regex_search(e.Name, m, masse)) << e.Name;
            const bool hohlraum = std::regex_search(e.Name, x, abstand);
            ASSERT_TRUE(hohlraum || std::regex_search(e.Name, x, steife)) << e.Name;
            const long double mFlaeche = std::stold(m[1]);
            const long double wert = std::stold(x[1]) / (hohlraum ? 1000.0L : 1.0L);
            const auto f0 = Resonanzfrequenz(hohlraum, wert, mFlaeche);
            ASSERT_TRUE(f0);
            EXPECT_EQ(e.Frequenz, std::to_string(std::lround(static_cast<double>(*f0)))) << e.Name;
        }
    }
}

// --- The dialog's handlers ---------------------------------------------------------------------

struct DialogFixture : ::testing::Test {
    Projekt p = Beispielprojekt();
    VorsatzschalenDialog d;
};

TEST_F(DialogFixture, UeberschriftNenntRaumUndFlanke) {
    p.Fenster.edit_room[2] = "Wohnen";
    p.Fenster.edit_Flanke[3] = "Außenwand";
    VS_Dialog_Oeffnen(d, p, 3, 2);
    EXPECT_EQ(p.AktElement, "VS3_2");
    EXPECT_EQ(d.Label_VS, " Vorsatzschale Wohnen / Außenwand");
    VS_Dialog_Oeffnen(d, p, 0, 1);
    EXPECT_EQ(p.AktElement, "TB_VS1");
    EXPECT_EQ(d.Label_VS, " Vorsatzschale Trennbauteil Raum 1");
    VS_Dialog_Oeffnen(d, p, 0, 2);
    EXPECT_EQ(d.Label_VS, " Vorsatzschale Trennbauteil Wohnen");
}

TEST_F(DialogFixture, OeffnenSetztEingabenZurueckUndBehaeltKonstruktion) {
    d.Modus = kModusDirekt;
    d.edit_fres = "70";
    d.editSys = "x";
    d.RadioButton1 = false;
    d.Tabelle.Entsperrt = true;
    VS_Dialog_Oeffnen(d, p, 1, 1);
    EXPECT_EQ(d.Modus, kModusBibliothek);
    EXPECT_EQ(d.edit_fres, "0");
    EXPECT_EQ(d.editSys, "");
    EXPECT_EQ(d.edit_calcFres, "???");
    EXPECT_FALSE(d.Tabelle.Entsperrt);
    EXPECT_FALSE(d.RadioButton1);
}

TEST_F(DialogFixture, ResonanzfrequenzBeiderFormeln) {
    struct Fall {
        bool hohlraum;
        const char *s, *m, *f0;
    };
    const Fall faelle[] = {
        {true, "0,05", "10", "85"},   // 60 / √(0.05 · 10) = 84.85
        {false, "10", "100", "51"},   // 160 · √(10 / 100) = 50.60
        {false, "0,05", "10", "11"},  // 160 · √0.005 = 11.3
        {true, "0", "10", "???"},
        {true, "0,05", "0", "???"},
        {false, "1000000", "0,0001", "1,6E+07"},  // beyond five digits: exponent form
    };
    for (const Fall& f : faelle) {
        d.edit_s = f.s;
        d.edit_m = f.m;
        EXPECT_EQ(Konstruktion_Waehlen(d, f.hohlraum, ','), std::nullopt);
        EXPECT_EQ(d.edit_calcFres, f.f0) << f.s << " " << f.m;
    }
    EXPECT_EQ(d.lb_Eingabe1, "dynamische Steifigkeit der Dämmschicht s' :");
    EXPECT_EQ(d.lb_Eingabe1a, "[MN/m³]");
    Konstruktion_Waehlen(d, true, ',');
    EXPECT_EQ(d.lb_Eingabe1, "Schalenabstand s :");
    EXPECT_EQ(d.lb_Eingabe1a, "[m]");

    // An emptied field becomes "0"; a lone separator is no number.
    d.edit_s = "";
    EXPECT_EQ(edit_sChange(d, ','), std::nullopt);
    EXPECT_EQ(d.edit_s, "0");
    d.edit_s = ",";
    EXPECT_EQ(edit_sChange(d, ','), "',' ist kein gültiger Fließkommawert");
    EXPECT_EQ(d.edit_calcFres, "???");
}

TEST(Tastenfilter, DezimalUndGanzzahl) {
    EXPECT_EQ(Dezimaltaste('7', ','), '7');
    EXPECT_EQ(Dezimaltaste(',', ','), ',');
    EXPECT_EQ(Dezimaltaste('.', ','), std::nullopt);
    EXPECT_EQ(Dezimaltaste(',', '.'), '.');
    EXPECT_EQ(Dezimaltaste('.', '.'), '.');
    EXPECT_EQ(Dezimaltaste('e', '.'), std::nullopt);
    EXPECT_TRUE(Ganzzahltaste('0'));
    EXPECT_FALSE(Ganzzahltaste(','));
    EXPECT_FALSE(Ganzzahltaste('-'));

    VorsatzschalenDialog d;
    for (const auto& [ein, aus] : std::vector<std::pair<std::string, std::string>>{
             {"", "80"}, {"abc", "80"}, {"125", "125"}, {"99999999999", "80"}}) {
        d.edit_fres = ein;
        edit_fresChange(d);
        EXPECT_EQ(d.edit_fres, aus) << ein;
    }
}

TEST_F(DialogFixture, UebernehmenInAllenDreiModi) {
    const long double ohne = p.R_w_Bau;
    VS_Dialog_Oeffnen(d, p, 0, 1);
    Tabelle_Fuellen(d.Tabelle, {{"Erste", "70"}, {"GK 12,5", " 85"}});
    d.Tabelle.Auswahl = 1;
    p.Gespeichert = 1;
    const UebernahmeErgebnis e = Button_EnterClick(d, p);
    EXPECT_EQ(e.ergebnis, Uebernahme::Uebernommen);
    EXPECT_EQ(p.Fenster.edit_VS[0][1], "GK 12,5 / f = 85Hz");
    EXPECT_EQ(p.f0_VS[0][1], 85);
    EXPECT_TRUE(p.Fenster.Button_VSclear[0][1]);
    EXPECT_EQ(p.Gespeichert, 0);
    EXPECT_GT(p.R_w_Bau, ohne);  // recalculated with the lining

    VS_Dialog_Oeffnen(d, p, 2, 2);
    rg_AuswahlClick(d, kModusBerechnung, ',');
    d.editSys = "Vorsatz";
    d.edit_s = "0,05";
    d.edit_m = "10";
    edit_sChange(d, ',');
    Button_EnterClick(d, p);
    EXPECT_EQ(p.Fenster.edit_VS[2][2], "Vorsatz / f = 85Hz");
    EXPECT_EQ(p.f0_VS[2][2], 85);

    VS_Dialog_Oeffnen(d, p, 4, 2);
    rg_AuswahlClick(d, kModusDirekt, ',');
    d.edit_fres = "0";
    Button_EnterClick(d, p);  // 0 Hz is accepted and adds no improvement
    EXPECT_EQ(p.Fenster.edit_VS[4][2], " / f = 0Hz");
    EXPECT_EQ(p.f0_VS[4][2], 0);
}

TEST_F(DialogFixture, UnbrauchbareFrequenzLaesstPlatzUnberuehrt) {
    for (const char* frequenz : {"", "80 ", "85,5", "abc", "4294967296"}) {
        VS_Dialog_Oeffnen(d, p, 0, 2);
        Tabelle_Fuellen(d.Tabelle, {{"X", frequenz}});
        p.Gespeichert = 1;
        EXPECT_EQ(Button_EnterClick(d, p).ergebnis, Uebernahme::KeineFrequenz) << frequenz;
        EXPECT_EQ(p.Fenster.edit_VS[0][2], "");
        EXPECT_EQ(p.Gespeichert, 1);
    }
    VS_Dialog_Oeffnen(d, p, 0, 2);
    rg_AuswahlClick(d, kModusBerechnung, ',');  // s = 0: "???"
    EXPECT_EQ(Button_EnterClick(d, p).ergebnis, Uebernahme::KeineFrequenz);
    EXPECT_EQ(p.f0_VS[0][2], 0);
}

TEST_F(DialogFixture, IdentischeFlankeSpiegeltUndLoeschenLeertBeide) {
    ASSERT_TRUE(p.Fenster.chk_id[2]);
    VS_Dialog_Oeffnen(d, p, 2, 1);
    rg_AuswahlClick(d, kModusDirekt, ',');
    d.edit_VSsys = "Schale";
    d.edit_fres = "70";
    Button_EnterClick(d, p);
    EXPECT_EQ(p.Fenster.edit_VS[2][2], "Schale / f = 70Hz");
    EXPECT_EQ(p.f0_VS[2][2], 70);
    EXPECT_FALSE(p.Fenster.Button_VSclear[2][2]);  // the mirror is cleared through room 1

    p.Gespeichert = 1;
    Button_TB_VS1clearClick(p, 2, 1);
    EXPECT_EQ(p.AktVS, "VS2_1");
    EXPECT_EQ(p.f0_VS[2][1], 0);
    EXPECT_EQ(p.f0_VS[2][2], 0);
    EXPECT_EQ(p.Fenster.edit_VS[2][1], "");
    EXPECT_EQ(p.Fenster.edit_VS[2][2], "");
    EXPECT_FALSE(p.Fenster.Button_VSclear[2][1]);
    EXPECT_EQ(p.Gespeichert, 0);

    // A flank that is not identical keeps its room-2 side.
    p.Fenster.chk_id[3] = false;
    p.f0_VS[3][2] = 60;
    p.Fenster.edit_VS[3][2] = "B";
    VS_Dialog_Oeffnen(d, p, 3, 1);
    rg_AuswahlClick(d, kModusDirekt, ',');
    d.edit_fres = "50";
    Button_EnterClick(d, p);
    Button_TB_VS1clearClick(p, 3, 1);
    EXPECT_EQ(p.f0_VS[3][2], 60);
    EXPECT_EQ(p.Fenster.edit_VS[3][2], "B");
}

}  // namespace
}  // namespace phonikon
