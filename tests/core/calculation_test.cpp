#include "calc/calculation.h"

#include <gtest/gtest.h>

#include "calc/project_reset.h"
#include "worked_example.h"

namespace phonikon {
namespace {

double D(long double x) {
    return static_cast<double>(x);
}

TEST(Calculation, ResetProjectListsSeventeenMissingInputsInOrder) {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    const char* expected[] = {
        " Trennbauteil: keine Fläche vorhanden",
        " Flächenmasse Trennbauteil < 80 kg/m²",
        " Trennbauteil: Direktschalldämmung Rw nicht vorhanden",
        " Raum 1: keine Raumtiefe/-höhe vorhanden",
        " Raum 2: keine Raumtiefe/-höhe vorhanden",
        " Flanke 1: keine gemeinsame Kantenlänge vorhanden",
        " Flanke 2: keine gemeinsame Kantenlänge vorhanden",
        " Flanke 3: keine gemeinsame Kantenlänge vorhanden",
        " Flanke 4: keine gemeinsame Kantenlänge vorhanden",
        " Flächenmasse Flanke 1 / Raum 1 < 80 kg/m²",
        " Flächenmasse Flanke 1 / Raum 2 < 80 kg/m²",
        " Flächenmasse Flanke 2 / Raum 1 < 80 kg/m²",
        " Flächenmasse Flanke 2 / Raum 2 < 80 kg/m²",
        " Flächenmasse Flanke 3 / Raum 1 < 80 kg/m²",
        " Flächenmasse Flanke 3 / Raum 2 < 80 kg/m²",
        " Flächenmasse Flanke 4 / Raum 1 < 80 kg/m²",
        " Flächenmasse Flanke 4 / Raum 2 < 80 kg/m²",
    };
    for (int i = 0; i < 17; ++i) EXPECT_EQ(p.Meldungen[i], expected[i]) << i;
    EXPECT_EQ(p.Meldungen[17], "");
    EXPECT_EQ(p.EingabenVollstaendig, 0);
    const auto& f = p.Fenster;
    EXPECT_TRUE(f.panel_errorMsg_sichtbar);
    EXPECT_FALSE(f.Ergebnisbefehle_aktiv);
    ASSERT_EQ(f.memo_error.size(), 4u + 17u);
    EXPECT_EQ(f.memo_error[0], " Zur Berechnung der Luftschalldämmung müssen alle weiß hinter-");
    EXPECT_EQ(f.memo_error[1], " legten Eingabfelder bearbeitet werden.");
    EXPECT_EQ(f.memo_error[2], " ");
    EXPECT_EQ(f.memo_error[3], " Fehlende Angaben:");
    EXPECT_EQ(f.memo_error[4], "       Trennbauteil: keine Fläche vorhanden");
    EXPECT_EQ(f.edit_A, "0,00");
    EXPECT_EQ(f.edit_FF[3][2], "1,00");
    EXPECT_EQ(f.label_Rges, "$$.$ [dB]");
}

TEST(Calculation, WorkedExample) {
    Projekt p = test::Beispielprojekt();
    ASSERT_EQ(p.EingabenVollstaendig, 1);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(D(p.K_ij[i][0]), 5.7, 1e-12);
        EXPECT_NEAR(D(p.K_ij[i][1]), 4.7, 1e-12);
        EXPECT_NEAR(D(p.K_ij[i][2]), 4.7, 1e-12);
        EXPECT_NEAR(D(p.R_ij[i][0]), 64.68, 0.005);
        EXPECT_NEAR(D(p.R_ij[i][1]), 63.68, 0.005);
        EXPECT_NEAR(D(p.R_ij[i][2]), 63.68, 0.005);
        EXPECT_NEAR(D(p.R_Anteil[i]), 61.14, 0.005);
        EXPECT_EQ(p.Fenster.label_Ri[i], "61,1 [dB]");
    }
    EXPECT_EQ(D(p.R_Dd), 55);
    EXPECT_NEAR(D(p.R_Anteil[0]), 53.12, 0.005);
    EXPECT_NEAR(D(p.R_w_Bau), 50.99, 0.005);
    EXPECT_NEAR(D(p.DnTw_12), 52.07, 0.005);
    EXPECT_NEAR(D(p.DnTw_21), 53.04, 0.005);
    const auto& f = p.Fenster;
    EXPECT_EQ(f.label_Ri[0], "53,1 [dB]");
    EXPECT_EQ(f.label_Rges, "51,0 [dB]");
    EXPECT_EQ(f.label_DnTW, "52,1 [dB]");
    EXPECT_TRUE(f.rg_DnTW1);
    EXPECT_FALSE(f.lb_AnmDnTW_sichtbar);
    EXPECT_FALSE(f.panel_DnTW_sichtbar);
    EXPECT_FALSE(f.panel_errorMsg_sichtbar);
    EXPECT_TRUE(f.Ergebnisbefehle_aktiv);
    EXPECT_EQ(test::Beispielprojekt('.').Fenster.label_Rges, "51.0 [dB]");
}

TEST(Calculation, VolumesSelectTheNormativeDirection) {
    Projekt gleich = test::Beispielprojekt(',', "40", "40");
    EXPECT_FALSE(gleich.Fenster.rg_DnTW1);
    EXPECT_FALSE(gleich.Fenster.lb_AnmDnTW_sichtbar);

    Projekt ohne = test::Beispielprojekt(',', "50", "0");
    EXPECT_TRUE(ohne.Fenster.panel_DnTW_sichtbar);
    EXPECT_EQ(ohne.DnTw_12, 0);
    EXPECT_EQ(ohne.Fenster.label_DnTW, "--- [dB]");  // keeps its previous text
    EXPECT_EQ(ohne.Fenster.label_Rges, "51,0 [dB]");

    // The user looks at the other direction: value and note; the next run switches back.
    Projekt p = test::Beispielprojekt();
    p.Fenster.rg_DnTW1 = false;
    DnTW_Richtung_Anzeigen(p);
    EXPECT_TRUE(p.Fenster.lb_AnmDnTW_sichtbar);
    EXPECT_EQ(p.Fenster.label_DnTW, "53,0 [dB]");
    Berechnen(p);
    EXPECT_TRUE(p.Fenster.rg_DnTW1);
    EXPECT_FALSE(p.Fenster.lb_AnmDnTW_sichtbar);
}

TEST(Calculation, MassLimitAndIncompleteRunKeepsLastResults) {
    Projekt p = test::Beispielprojekt();
    p.Element[2][1].mFlaeche = 80;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 1);

    const long double vorher = p.R_w_Bau;
    const std::string label = p.Fenster.label_Rges;
    p.Element[2][1].mFlaeche = 79.99L;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 0);
    EXPECT_EQ(p.Meldungen[0], " Flächenmasse Flanke 2 / Raum 1 < 80 kg/m²");
    EXPECT_EQ(p.R_w_Bau, vorher);
    EXPECT_EQ(p.Fenster.label_Rges, label);
    EXPECT_TRUE(p.Fenster.panel_errorMsg_sichtbar);
    EXPECT_EQ(p.dR_Weg[0][0], 0);
}

TEST(Calculation, CornerJunctionUsesTheFlankAreaFieldAndResetsZero) {
    Projekt p = test::Beispielprojekt();
    p.Stoss[2] = "LSb_ohneTrennung";
    p.Fenster.edit_FF[2][1] = "7,5";
    p.Fenster.edit_FF[3][2] = "0";
    Berechnen(p);
    EXPECT_EQ(D(p.S_F[2][1]), 7.5);
    EXPECT_EQ(D(p.S_F[2][2]), 16);
    EXPECT_EQ(p.Fenster.edit_FF[3][2], "1");
    p.Stoss[2] = "LSa_TrennungTB";
    Berechnen(p);
    EXPECT_EQ(D(p.S_F[2][1]), 16);
    EXPECT_EQ(D(p.S_F[2][2]), 1);  // edit_FF(2,2) still shows the reset 1,00
}

TEST(Calculation, LiningOnRoomTwoSideImprovesDdAndFdOnly) {
    Projekt p = test::Beispielprojekt();
    p.f0_VS[0][2] = 80;  // 35 − 55/2 = 7.5 dB
    Berechnen(p);
    EXPECT_NEAR(D(p.dR_Weg[0][0]), 7.5, 1e-12);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(p.dR_Weg[i][1], 0);
        EXPECT_NEAR(D(p.dR_Weg[i][2]), 7.5, 1e-12);
        EXPECT_EQ(p.dR_Weg[i][3], 0);
    }
    EXPECT_NEAR(D(p.R_Dd), 62.5, 1e-12);
}

TEST(Calculation, GeometricMinimumRaisesKij) {
    Projekt p = test::Beispielprojekt();
    p.Stoss[1] = "TS_TrennungTB";  // Ff = Kij_6(1) = −5 dB, below 10·lg(4·(1/16 + 1/16)) = −3.01
    Berechnen(p);
    EXPECT_NEAR(D(p.K_ij[1][0]), -3.0103, 1e-4);
}

TEST(Calculation, ConversionErrorStopsAtTheField) {
    Projekt p = test::Beispielprojekt();
    p.Fenster.edit_L2 = "4,0,0";
    auto fehler = Berechnen(p);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, "'4,0,0' ist kein gültiger Fließkommawert");
    EXPECT_EQ(D(p.S_TB), 10);  // read before the failing field
    p.Fenster.edit_L2 = "4";
    EXPECT_FALSE(Berechnen(p));
}

TEST(Calculation, ValuesOutsideTheFiniteRangeEndWithAMessage) {
    Projekt p = test::Beispielprojekt();
    for (int r = 0; r <= 4; ++r)
        for (int c = 0; c <= 2; ++c)
            if (r > 0 || c == 0) p.Element[r][c].Rw = 1e300L;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 0);
    EXPECT_EQ(p.Meldungen[0],
              " Berechnung nicht möglich: Eingabewerte außerhalb des darstellbaren Zahlenbereichs");
    EXPECT_EQ(p.Fenster.label_Rges, "51,0 [dB]");
    EXPECT_NEAR(D(p.R_w_Bau), 50.99, 0.005);
    EXPECT_TRUE(p.Fenster.panel_errorMsg_sichtbar);
    EXPECT_FALSE(p.Fenster.Ergebnisbefehle_aktiv);
    EXPECT_EQ(p.Fenster.memo_error.back(),
              "       Berechnung nicht möglich: Eingabewerte außerhalb des darstellbaren "
              "Zahlenbereichs");
}

}  // namespace
}  // namespace phonikon
