// The construction dialog without its window: opening on an element, the recomputation with its
// four result states, the delivery-range notice, the kind setup, the key filter and the commit.
#include "construction/construction_dialog_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/number_text.h"
#include "calc/project_reset.h"
#include "construction/evaluation.h"
#include "worked_example.h"

namespace phonikon {
namespace {

class AufbauDialogTest : public ::testing::Test {
  protected:
    AufbauDialogTest() { Projekt_Zuruecksetzen(p); }

    void Oeffnen(int zeile, int spalte) { ASSERT_FALSE(AufbauDialogOeffnen(d, p, zeile, spalte)); }
    void Art(int kind) {
        d.combo_Konstrukt = kind;
        ASSERT_FALSE(combo_KonstruktChange(d, ','));
    }
    // Types the six layer values (thickness, density per layer) as a user would.
    void Schichten(const char* d1, const char* roh1, const char* d2, const char* roh2,
                   const char* d3, const char* roh3) {
        d.edit_d = {"", d1, d2, d3};
        d.edit_roh = {"", roh1, roh2, roh3};
        ASSERT_FALSE(edit_d1Change(d, p));
    }
    void Uebernehmen() {
        ASSERT_EQ(btn_OKClick(d, ',').ergebnis, Uebernahmepruefung::Ergebnis::Uebernehmen);
        ASSERT_FALSE(AufbauUebernehmen(d, p));
    }

    Projekt p{','};
    AufbauDialog d;
};

TEST_F(AufbauDialogTest, FreshSeparatingElementShowsTheResetRecord) {
    Oeffnen(0, 0);
    EXPECT_EQ(d.label_BT, " Trennbauteil");
    EXPECT_EQ(d.AktElement, "TB");
    EXPECT_EQ(d.Breite, 465);
    EXPECT_FALSE(d.panel_Rohdichte);
    EXPECT_FALSE(d.panel_Schichtaufbau);
    EXPECT_EQ(d.edit_d[2], "24");
    EXPECT_EQ(d.edit_roh[2], "1700");
    EXPECT_EQ(d.edit_d[1], "0,4");
    EXPECT_EQ(d.edit_roh[3], "1200");
    EXPECT_EQ(d.edit_schichtName[1], "4 mm Dünnlagenputz");
    EXPECT_EQ(d.edit_schichtName[2], "Rohdichteklasse  1.8");
    EXPECT_NEAR(double(d.AktMFlaeche), 417.6, 1e-9);
    EXPECT_NEAR(double(d.AktRw), 58.78, 0.005);
    EXPECT_EQ(d.label_m, "m´ = 417,6 [kg/m²]");
    EXPECT_EQ(d.label_Rw, "Rw = 58,8 [dB]");
    EXPECT_EQ(d.lb_Rw, "Direktschalldämm-Maß nach Massekurve:");
    EXPECT_FALSE(d.label_Meldung1_sichtbar);
    // The project is untouched until the commit.
    EXPECT_EQ(p.Element[0][0], Bauteil{});
}

TEST_F(AufbauDialogTest, BrevonWorkedExampleCommitsIntoTheProject) {
    p = test::Beispielprojekt();
    p.Gespeichert = 1;
    const long double vorher = p.R_w_Bau;
    Oeffnen(0, 0);
    d.combo_B2b = 4;  // 17,5 cm
    ASSERT_FALSE(combo_B1Click(d, ','));
    d.combo_B1 = d.combo_B3 = 2;  // 10 mm Dünnputz
    ASSERT_FALSE(combo_B1Click(d, ','));
    EXPECT_EQ(d.label_m, "m´ = 317,5 [kg/m²]");
    EXPECT_EQ(d.label_Rw, "Rw = 55,1 [dB]");
    EXPECT_FALSE(d.label_Meldung1_sichtbar);
    Uebernehmen();

    const Bauteil& b = p.Element[0][0];
    EXPECT_NEAR(double(b.mFlaeche), 317.5, 1e-9);
    EXPECT_NEAR(double(b.Rw), 30.9 * std::log10(317.5) - 22.2, 1e-9);
    EXPECT_EQ(b.B2b, 4);
    EXPECT_EQ(b.B1, 2);
    EXPECT_EQ(b.d2, 17.5L);
    EXPECT_EQ(b.SchichtName1, "10 mm Dünnputz (1000 kg/m³)");
    EXPECT_EQ(b.SchichtName2, "17,5 cm  Brevon, Rohdichteklasse  1.8");
    EXPECT_EQ(p.Fenster.Memo[0][0],
              (std::vector<std::string>{"10 mm Dünnputz (1000 kg/m³)",
                                        "17,5 cm  Brevon, Rohdichteklasse  1.8",
                                        "10 mm Dünnputz (1000 kg/m³)"}));
    EXPECT_TRUE(p.Fenster.label_DirRw_sichtbar);
    EXPECT_EQ(p.Fenster.label_DirRw, "Direktschalldämm-Maß 55,1 [dB]");
    EXPECT_EQ(p.Gespeichert, 0);
    EXPECT_LT(p.R_w_Bau, vorher);  // calculated with the lighter wall

    // The core evaluation of the committed record agrees with what the dialog showed.
    Bauteil kopie = b;
    const Aufbauwerte w = AufbauAuswerten(kopie);
    EXPECT_EQ(w.mFlaeche, b.mFlaeche);
    EXPECT_EQ(w.Rw, b.Rw);
}

TEST_F(AufbauDialogTest, ConcreteTakesItsDensityFromTheListAndItsThicknessTyped) {
    Oeffnen(0, 0);
    Art(1);
    EXPECT_EQ(d.label_WD, "Wand/ Decke:");
    EXPECT_TRUE(d.combo_B2a_sichtbar);
    EXPECT_FALSE(d.Brevonlisten_sichtbar);
    EXPECT_TRUE(d.edit_d2_an);
    EXPECT_FALSE(d.Rohdichten_an);
    d.combo_B1 = d.combo_B3 = 3;  // 15 mm Normalputz
    ASSERT_FALSE(combo_B1Click(d, ','));
    Schichten(d.edit_d[1].c_str(), d.edit_roh[1].c_str(), "18", d.edit_roh[2].c_str(),
              d.edit_d[3].c_str(), d.edit_roh[3].c_str());
    EXPECT_EQ(d.edit_roh[2], "2300");
    EXPECT_EQ(d.label_m, "m´ = 468,0 [kg/m²]");
    EXPECT_NEAR(double(d.AktRw), 60.31, 0.005);
    Uebernehmen();
    EXPECT_EQ(p.Fenster.Memo[0][0], (std::vector<std::string>{"15 mm Normalputz (1800 kg/m³)",
                                                              "18 cm  Normalbeton  (2300 kg/m³)",
                                                              "15 mm Normalputz (1800 kg/m³)"}));
}

TEST_F(AufbauDialogTest, KindSetupForTypedKinds) {
    Oeffnen(0, 0);
    Art(2);
    EXPECT_EQ(d.Breite, 780);
    EXPECT_TRUE(d.panel_Rohdichte);
    EXPECT_TRUE(d.panel_Schichtaufbau);
    EXPECT_TRUE(d.lb_Vgl_sichtbar);
    EXPECT_FALSE(d.label_Wanddicke_sichtbar);
    EXPECT_FALSE(d.label_Meldung1_sichtbar);
    EXPECT_EQ(d.edit_schichtName, (std::array<std::string, 4>{"", "Putz", "Porenbeton", "Putz"}));
    EXPECT_FALSE(d.edit_schichtName2_an);
    EXPECT_EQ(d.edit_roh[2], "0");
    // Only the two plaster layers (4 mm at 1200 kg/m³) are left.
    EXPECT_NEAR(double(d.AktMFlaeche), 9.6, 1e-9);
    EXPECT_EQ(d.label_Rw, "---");
    EXPECT_TRUE(d.lb_Rw_rot);
    EXPECT_EQ(d.lb_Rw, "Flächenmasse kleiner 80 kg/m² !!!");

    Art(5);
    EXPECT_EQ(d.Breite, 465);
    EXPECT_FALSE(d.panel_Rohdichte);
    EXPECT_TRUE(d.panel_Schichtaufbau);
    EXPECT_EQ(d.label_WD, "Bauteil:");
    EXPECT_EQ(d.Label4, "Bauteil:");
    EXPECT_TRUE(d.edit_schichtName2_an);
    EXPECT_EQ(d.edit_schichtName[2], "Porenbeton");  // kept for the user to overwrite

    // Back to Brevon: the earlier catalogue choices come back.
    Art(0);
    EXPECT_NEAR(double(d.AktMFlaeche), 417.6, 1e-9);
}

TEST_F(AufbauDialogTest, DeliveryRangeNotice) {
    Oeffnen(0, 0);
    struct Fall {
        int moertel, klasse, dicke;
        bool hinweis;
    } faelle[] = {
        {0, 3, 7, false},  // thin-bed, 1.8, 24 cm
        {0, 5, 7, true},   // 2.2
        {1, 0, 1, false},  // normal, 1.2, 10 cm
        {1, 0, 2, true},   // 11,5 cm
    };
    for (const Fall& f : faelle) {
        d.combo_B2 = f.klasse;
        d.combo_B2b = f.dicke;
        d.rg_Moertel = f.moertel;
        ASSERT_FALSE(rg_MoertelClick(d, p));
        EXPECT_EQ(d.label_Meldung1_sichtbar, f.hinweis) << f.moertel << f.klasse << f.dicke;
    }
    // Other kinds never show it.
    Art(1);
    EXPECT_FALSE(d.label_Meldung1_sichtbar);
}

TEST_F(AufbauDialogTest, ClayBrickDeductionAndUserValue) {
    Oeffnen(1, 1);
    Art(3);
    d.rg_Zulassung1 = false;  // Steine nach DIN 105 und Verfüllziegel
    Schichten("1,5", "1800", "30", "800", "1,5", "1800");
    EXPECT_TRUE(d.Zulassung_sichtbar);
    EXPECT_EQ(d.Zulassung_Links, 10);
    EXPECT_EQ(d.rg_Zulassung1_Text, "wärmetechnisch optimierter HLZ nach Zulassung ");
    EXPECT_FALSE(d.chk_RwUser_sichtbar);
    EXPECT_TRUE(d.label_Rw_sichtbar);
    const long double RwM = d.AktRw;

    d.rg_Zulassung1 = true;
    ASSERT_FALSE(rg_Zulassung1Click(d, p));
    EXPECT_EQ(d.lb_Rw, "um -10 dB korrigiertes Direktschalldämm-Maß:");
    EXPECT_EQ(d.edit_RwUser, FormatFixed(RwM - 10, 4, 1, ','));
    EXPECT_TRUE(d.RwEingabe_sichtbar && d.chk_RwUser_sichtbar && d.memo_Meldung_sichtbar);
    EXPECT_FALSE(d.label_Rw_sichtbar);
    EXPECT_FALSE(d.edit_RwUser_an);
    ASSERT_EQ(d.memo_Meldung.size(), 6u);
    EXPECT_EQ(d.memo_Meldung[3],
              "  empfohlen einen Abschlag von 10 dB zu berücksichtigen. (vgl. dazu Fraunhofer-");
    EXPECT_EQ(d.memo_Meldung[5], "  Rw aus Massenkurve = " + FormatFixed(RwM, 4, 1, ',') + " dB");

    d.chk_RwUser = true;
    ASSERT_FALSE(chk_RwUserClick(d, ','));
    EXPECT_TRUE(d.edit_RwUser_an);
    d.edit_RwUser = "47";
    EXPECT_EQ(btn_OKClick(d, ',').ergebnis, Uebernahmepruefung::Ergebnis::Uebernehmen);
    EXPECT_EQ(d.lb_Rw, "Direktschalldämm-Maß (Anwendervorgabe):");
    ASSERT_FALSE(AufbauUebernehmen(d, p));
    const Bauteil& b = p.Element[1][1];
    EXPECT_EQ(b.Rw, 47);
    EXPECT_EQ(b.RwUser, 47);
    EXPECT_EQ(b.RwUserAktiv, 1);
    EXPECT_EQ(b.Zulassung1, 1);
    EXPECT_EQ(b.Zulassung2, 0);
    EXPECT_EQ(p.Fenster.Memo[1][1], (std::vector<std::string>{"1,5 cm  Putz (1800 kg/m³)",
                                                              "30 cm  Ziegel-Mauerwerk (800 kg/m³)",
                                                              "1,5 cm  Putz (1800 kg/m³)"}));
    EXPECT_EQ(b.SchichtName2, "Ziegel-Mauerwerk");

    // Reopened, the element brings its user value back.
    AufbauDialog neu;
    ASSERT_FALSE(AufbauDialogOeffnen(neu, p, 1, 1));
    EXPECT_TRUE(neu.chk_RwUser && neu.edit_RwUser_an);
    EXPECT_EQ(neu.edit_RwUser, "47");
    EXPECT_EQ(neu.AktRw, 47);
}

TEST_F(AufbauDialogTest, ThermallyOptimisedUnitsTable) {
    struct Fall {
        int kind;
        const char *d2, *roh2;
        bool erste;
        const char* Rw;  // as shown
        const char* lb_Rw;
    } faelle[] = {
        {3, "36,5", "700", true, "44,8", "um -10 dB korrigiertes Direktschalldämm-Maß:"},
        {3, "36,5", "700", false, "44,8", "um -10 dB korrigiertes Direktschalldämm-Maß:"},
        {3, "36,5", "770", false, "55,8", "Direktschalldämm-Maß nach Massekurve:"},
        {3, "24", "700", true, "50,3", "Direktschalldämm-Maß nach Massekurve:"},
        {4, "36,5", "550", false, "48,4", "um -5.2 dB korrigiertes Direktschalldämm-Maß:"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.d2) + " " + f.roh2);
        Oeffnen(2, 2);
        Art(f.kind);
        d.rg_Zulassung1 = f.erste;
        Schichten("1,5", "1800", f.d2, f.roh2, "1,5", "1800");
        EXPECT_EQ(d.lb_Rw, f.lb_Rw);
        EXPECT_EQ(FormatFixed(d.AktRw, 4, 1, ','), f.Rw);
        if (f.kind == 4 && d.Zulassung_sichtbar) {
            EXPECT_EQ(d.Zulassung_Links, 57);
            EXPECT_EQ(d.rg_Zulassung2_Text, "Steine nach DIN 18151 bzw. DIN 18153 ");
        }
    }
}

TEST_F(AufbauDialogTest, LightMassWarnsBeforeWritingAnything) {
    p = test::Beispielprojekt();
    const Projekt vorher = p;
    Oeffnen(3, 1);
    Art(5);
    Schichten("0", "0", "5", "1000", "0", "0");
    const auto pruefung = btn_OKClick(d, ',');
    EXPECT_EQ(pruefung.ergebnis, Uebernahmepruefung::Ergebnis::WarnungMasse);
    EXPECT_EQ(pruefung.text,
              " WARNUNG! Flächenmasse kleiner 80 kg/m². Keine Berechnung der Schalldämmung "
              "möglich !!! \n Möchten Sie die Eingabe trotzdem beenden ? ");
    EXPECT_EQ(p.Element, vorher.Element);  // "Nein" leaves the project as it was

    ASSERT_FALSE(AufbauUebernehmen(d, p));  // "Ja"
    EXPECT_EQ(p.Element[3][1].mFlaeche, 50);
    EXPECT_EQ(p.Element[3][1].Rw, 0);
    EXPECT_EQ(p.Gespeichert, 0);
    EXPECT_EQ(p.EingabenVollstaendig, 0);  // the calculation now misses this element
}

TEST_F(AufbauDialogTest, UserValueZeroWarnsOfMissingRw) {
    Oeffnen(0, 0);
    Art(3);
    d.chk_RwUser = true;
    ASSERT_FALSE(chk_RwUserClick(d, ','));
    Schichten("0", "0", "30", "800", "0", "0");
    EXPECT_EQ(d.edit_RwUser, "0");  // the kind change reset it and the user typed nothing
    const auto pruefung = btn_OKClick(d, ',');
    EXPECT_EQ(pruefung.ergebnis, Uebernahmepruefung::Ergebnis::WarnungKeinRw);
    EXPECT_EQ(pruefung.text,
              " WARNUNG! Keine Direktschalldämmung Rw angegeben! \n Möchten Sie die Eingabe "
              "trotzdem beenden ? ");
}

TEST_F(AufbauDialogTest, NumberFieldsEmptyNegativeAndUnreadable) {
    Oeffnen(0, 0);
    Art(5);
    Schichten("", "-1200", "20", "1000", "0", "0");
    EXPECT_EQ(d.edit_d[1], "0");
    EXPECT_EQ(d.edit_roh[1], "0");
    EXPECT_EQ(d.Aufbau.roh1, 0);
    EXPECT_EQ(d.label_m, "m´ = 200,0 [kg/m²]");

    d.edit_d[2] = "2,,5";
    EXPECT_EQ(edit_d1Change(d, p), "'2,,5' ist kein gültiger Fließkommawert");
    // The commit stops before it stores anything.
    const auto pruefung = btn_OKClick(d, ',');
    EXPECT_EQ(pruefung.ergebnis, Uebernahmepruefung::Ergebnis::Fehler);
    EXPECT_EQ(pruefung.text, "'2,,5' ist kein gültiger Fließkommawert");
    EXPECT_EQ(p.Element[0][0], Bauteil{});
}

TEST_F(AufbauDialogTest, TypedKindDescriptionUsesTheFieldTexts) {
    Oeffnen(4, 2);
    Art(2);
    Schichten("1,5", "1400", "24", "600", "0", "1400");
    Uebernehmen();
    EXPECT_EQ(p.Fenster.Memo[4][2],
              (std::vector<std::string>{"1,5 cm  Putz (1400 kg/m³)",
                                        "24 cm  Porenbeton (600 kg/m³)", ""}));
    EXPECT_EQ(p.Element[4][2].SchichtName1, "Putz");
    EXPECT_EQ(p.Element[4][2].SchichtName3, "");   // absent layer
    EXPECT_FALSE(p.Fenster.label_DirRw_sichtbar);  // only the separating element shows it
}

TEST_F(AufbauDialogTest, BrevonWithoutPlasterWritesEmptyOuterLines) {
    Oeffnen(0, 0);
    d.combo_B1 = d.combo_B3 = 0;
    ASSERT_FALSE(combo_B1Click(d, ','));
    Uebernehmen();
    EXPECT_EQ(p.Fenster.Memo[0][0],
              (std::vector<std::string>{"", "24 cm  Brevon, Rohdichteklasse  1.8", ""}));
}

TEST_F(AufbauDialogTest, IdenticalFlankTakesTheRoom1Construction) {
    for (bool identisch : {true, false}) {
        Projekt_Zuruecksetzen(p);
        p.Fenster.chk_id[2] = identisch;
        Oeffnen(2, 1);
        Art(5);
        Schichten("0", "0", "20", "2000", "0", "0");
        Uebernehmen();
        EXPECT_EQ(p.Element[2][2] == p.Element[2][1], identisch);
        EXPECT_EQ(p.Fenster.Memo[2][2] == p.Fenster.Memo[2][1], identisch);
    }
}

TEST_F(AufbauDialogTest, OpeningAnotherElementShowsOnlyItsOwnValues) {
    Oeffnen(0, 0);
    Uebernehmen();  // TB: Brevon with the first unit type
    Bauteil ziegel;
    ziegel.Konstrukt = 3;
    ziegel.d2 = 36.5L;
    ziegel.roh2 = 700;
    ziegel.Zulassung1 = 0;
    ziegel.Zulassung2 = 1;
    ziegel.SchichtName2 = "Ziegel-Mauerwerk";
    p.Element[2][1] = ziegel;
    p.Fenster.edit_Flanke[2] = "Außenwand";
    Oeffnen(2, 1);
    EXPECT_EQ(d.label_BT, " Außenwand / Raum 1");
    EXPECT_FALSE(d.rg_Zulassung1);
    EXPECT_EQ(d.edit_d[2], "36,5");
    EXPECT_EQ(d.edit_roh[2], "700");
    EXPECT_EQ(d.Breite, 780);
    EXPECT_EQ(d.lb_Rw, "um -10 dB korrigiertes Direktschalldämm-Maß:");
    EXPECT_EQ(d.edit_RwUser, FormatFixed(d.AktRw, 4, 1, ','));

    p.Fenster.edit_Flanke[1] = "";
    EXPECT_EQ(Bauteilbezeichnung(p, 1, 2), "  / Raum 2");
}

TEST(AufbauDialogZahlentaste, FiltersByDecimalSeparator) {
    struct Fall {
        char sep;
        char32_t taste;
        std::optional<char32_t> ergebnis;
    } faelle[] = {
        {',', U'7', U'7'},         {',', U',', U','},         {',', U'.', std::nullopt},
        {',', U'a', std::nullopt}, {',', U'-', std::nullopt}, {',', U'\b', U'\b'},
        {'.', U'.', U'.'},         {'.', U',', U'.'},         {'.', U'x', std::nullopt},
        {'\'', U'x', U'x'},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Zahlentaste(f.taste, f.sep), f.ergebnis) << f.sep << char(f.taste);
}

}  // namespace
}  // namespace phonikon
