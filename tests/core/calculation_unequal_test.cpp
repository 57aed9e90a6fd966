// A second calculation example whose masses and room depths all differ, so that the ratios of
// the junction formulas are no longer 1; every value worked out from the formulas by hand.
#include <gtest/gtest.h>

#include "calc/calculation.h"
#include "calc/project_reset.h"
#include "worked_example.h"

namespace phonikon {
namespace {

double D(long double x) {
    return static_cast<double>(x);
}

// S = 12 m², room depths 5 m and 3.5 m, separating element 350 kg/m² with Rw 54 dB,
// V1 = 60 m³, V2 = 45 m³, no linings. Flanks (m1, m2 [kg/m²]; Rw1, Rw2 [dB]; l [m]; junction):
//   1: 300, 500; 48, 56; 4; T junction          x = 2·350/800 = 0.875
//   2: 200, 500; 46, 57; 3; T, separating element decoupled   x = m1/m2 = 0.4
//   3: 150, 120; 44, 41; 4; cross junction      x = 2·350/270 = 2.593
//   4: 300,  90; 50, 40; 3; cross, room-1 flank decoupled     x = m2/mTB = 0.2571
Projekt Ungleich() {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    test::SetzeElement(p, 0, 0, 350, 54);
    const struct {
        long double m1, m2, rw1, rw2;
        const char *l, *stoss;
    } flanken[] = {{300, 500, 48, 56, "4", "TS_ohneTrennung"},
                   {200, 500, 46, 57, "3", "TS_TrennungTB"},
                   {150, 120, 44, 41, "4", "KS_ohneTrennung"},
                   {300, 90, 50, 40, "3", "KS_TrennungR1"}};
    for (int i = 1; i <= 4; ++i) {
        const auto& f = flanken[i - 1];
        test::SetzeElement(p, i, 1, f.m1, f.rw1);
        test::SetzeElement(p, i, 2, f.m2, f.rw2);
        p.Fenster.edit_LF[i] = f.l;
        p.Stoss[i] = f.stoss;
        p.IdentischF[i] = 0;
    }
    p.Fenster.edit_A = "12";
    p.Fenster.edit_L1 = "5";
    p.Fenster.edit_L2 = "3,5";
    p.Fenster.edit_Vol1 = "60";
    p.Fenster.edit_Vol2 = "45";
    Berechnen(p);
    return p;
}

TEST(CalculationUnequal, EveryJunctionAndPathValue) {
    const Projekt p = Ungleich();
    ASSERT_EQ(p.EingabenVollstaendig, 1);
    // K after the geometric minimum, Ff / Fd / Df. Flank 1: Kij_3(0.875) = 4.9015, Kij_4 = 4.7192.
    // Flank 2: Kij_6(0.4) = -4.2082 lies below 10·lg(3·(1/15 + 1/10.5)) = -3.1362 and is raised.
    // Flank 3: Kij_1(2.593) switches to 10.6 + 6.4·M = 13.2479; Kij_2 = 8.3361.
    // Flank 4: Kij_4(0.2571) = 6.6830 on Df only.
    const double K[5][3] = {{},
                            {4.9015, 4.7192, 4.7192},
                            {-3.1362, 20, 20},
                            {13.2479, 8.3361, 8.3361},
                            {20, 20, 6.6830}};
    const double R[5][3] = {{},
                            {61.6727, 60.4904, 64.4904},
                            {54.3844, 76.0206, 81.5206},
                            {60.5191, 62.1073, 60.6073},
                            {71.0206, 78.0206, 59.7036}};
    for (int i = 1; i <= 4; ++i) {
        for (int w = 0; w < 3; ++w) {
            EXPECT_NEAR(D(p.K_ij[i][w]), K[i][w], 1e-4) << i << "," << w;
            EXPECT_NEAR(D(p.R_ij[i][w]), R[i][w], 1e-4) << i << "," << w;
        }
    }
    // Flank areas from the two depths: S1 = 5·l, S2 = 3.5·l.
    EXPECT_EQ(D(p.S_F[2][1]), 15);
    EXPECT_EQ(D(p.S_F[2][2]), 10.5);
    EXPECT_EQ(D(p.R_Dd), 54);
    const double anteile[] = {52.5723, 59.8466, 54.3760, 57.5527, 59.3942};
    for (int i = 0; i <= 4; ++i) EXPECT_NEAR(D(p.R_Anteil[i]), anteile[i], 1e-4) << i;
    EXPECT_NEAR(D(p.R_w_Bau), 48.8193, 1e-4);
    EXPECT_NEAR(D(p.DnTw_12), 49.6112, 1e-4);  // R'w + 10·lg(0.32·45/12)
    EXPECT_NEAR(D(p.DnTw_21), 50.8605, 1e-4);  // R'w + 10·lg(0.32·60/12)
    EXPECT_EQ(p.Fenster.label_Ri[0], "52,6 [dB]");
    EXPECT_EQ(p.Fenster.label_Ri[2], "54,4 [dB]");
    EXPECT_EQ(p.Fenster.label_Rges, "48,8 [dB]");
    EXPECT_EQ(p.Fenster.label_DnTW, "49,6 [dB]");
}

TEST(CalculationUnequal, MassLimitOnTheSeparatingElement) {
    Projekt p = Ungleich();
    p.Element[0][0].mFlaeche = 80;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 1);
    p.Element[0][0].mFlaeche = 79.99L;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 0);
    EXPECT_EQ(p.Meldungen[0], " Flächenmasse Trennbauteil < 80 kg/m²");
    EXPECT_EQ(p.Meldungen[1], "");
}

// Values that the extended format holds but a double does not: the results would reach the JSON
// output and the reports as infinities.
TEST(CalculationUnequal, InputsAndResultsBeyondTheDoubleRange) {
    const struct {
        const char* name;
        void (*setzen)(Projekt&);
    } faelle[] = {
        {"Rw of one flank element", [](Projekt& p) { p.Element[3][2].Rw = 1e4000L; }},
        {"mass of the separating element", [](Projekt& p) { p.Element[0][0].mFlaeche = 1e4000L; }},
        {"area", [](Projekt& p) { p.Fenster.edit_A = "1e400"; }},
        {"edge length", [](Projekt& p) { p.Fenster.edit_LF[2] = "1e400"; }},
        {"volume", [](Projekt& p) { p.Fenster.edit_Vol2 = "1e400"; }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Projekt p = Ungleich();
        fall.setzen(p);
        Berechnen(p);
        EXPECT_EQ(p.EingabenVollstaendig, 0);
        EXPECT_EQ(p.Meldungen[0],
                  " Berechnung nicht möglich: Eingabewerte außerhalb des "
                  "darstellbaren Zahlenbereichs");
        EXPECT_NEAR(D(p.R_w_Bau), 48.8193, 1e-4);  // the last complete results stay
        EXPECT_EQ(p.Fenster.label_Rges, "48,8 [dB]");
        EXPECT_TRUE(p.Fenster.panel_errorMsg_sichtbar);
    }
    // The largest double still counts.
    Projekt p = Ungleich();
    p.Element[3][2].mFlaeche = 1.7e308L;
    Berechnen(p);
    EXPECT_EQ(p.EingabenVollstaendig, 1);
}

}  // namespace
}  // namespace phonikon
