// The junction dialog's handlers on the worked example: opening shows the stored junction,
// type and decoupling combine to the code that "Übernehmen" stores and calculates.
#include "junction/junction_dialog_state.h"

#include <gtest/gtest.h>

#include "worked_example.h"

namespace phonikon {
namespace {

TEST(StossDialog, OpeningShowsTheStoredJunction) {
    Projekt p = test::Beispielprojekt();
    p.Fenster.edit_Flanke[2] = "Decke";
    p.Fenster.edit_room[1] = "Wohnen";
    p.Fenster.edit_room[2] = "Flur";
    p.Stoss[2] = "KS_TrennungR2";
    StossDialogZustand z;
    button_Stoss1Click(p, z, 2);
    EXPECT_EQ(p.AktFlanke, 2);
    EXPECT_EQ(z.lb_Stoss, " Flanke: Decke");
    EXPECT_EQ(z.typ, StossTyp::Kreuz);
    EXPECT_EQ(z.trennung, StossTrennung::R2);
    EXPECT_EQ(z.lb_Remark,
              "HINWEIS: Flanke in Flur ist akustisch entkoppelt - Erhöhte "
              "Übertragung über Flanke in Wohnen");
    EXPECT_EQ(LayoutFuer(z.typ).breite, 391);
    EXPECT_TRUE(LayoutFuer(z.typ).grosserKnopf);
}

TEST(StossDialog, TypeChangeKeepsTheDecouplingAndApplyingStoresAndCalculates) {
    Projekt p = test::Beispielprojekt();
    const long double vorher = p.R_w_Bau;
    StossDialogZustand z;
    button_Stoss1Click(p, z, 3);
    button_0Click(p, z, StossTrennung::R1);
    rgStossClick(z, StossTyp::WinkelB);
    EXPECT_EQ(z.trennung, StossTrennung::R1);
    EXPECT_EQ(LayoutFuer(z.typ).breite, 343);
    EXPECT_FALSE(LayoutFuer(z.typ).grosserKnopf);
    EXPECT_EQ(btn_ExitClick(p, z), std::nullopt);
    EXPECT_EQ(p.Stoss[3], "LSb_TrennungR1");
    EXPECT_EQ(p.Stoss[1], "TS_ohneTrennung");
    EXPECT_EQ(p.Gespeichert, 0);
    // Ff and Fd are cut; Df = Kij_5(1) = 2.7 dB; R'w gains from the two cut paths.
    EXPECT_EQ(p.K_ij[3][0], 20);
    EXPECT_EQ(p.K_ij[3][1], 20);
    EXPECT_NEAR(static_cast<double>(p.K_ij[3][2]), 2.7, 1e-12);
    EXPECT_NE(p.R_w_Bau, vorher);
}

TEST(StossDialog, UnknownCodeHighlightsNothingAndApplyingKeepsIt) {
    Projekt p = test::Beispielprojekt();
    StossDialogZustand z;
    button_Stoss1Click(p, z, 1);  // T junction, rigid
    rgStossClick(z, StossTyp::WinkelA);
    p.Stoss[4] = "LSa_irgendwas";
    p.Gespeichert = 1;
    button_Stoss1Click(p, z, 4);
    EXPECT_EQ(p.AktFlanke, 4);
    EXPECT_EQ(z.typ, StossTyp::WinkelA);  // as it was
    EXPECT_EQ(z.trennung, std::nullopt);
    EXPECT_EQ(z.lb_Remark,
              "HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch gleichwertig.");
    EXPECT_EQ(GewaehlterStoss(z), nullptr);
    btn_ExitClick(p, z);
    EXPECT_EQ(p.Stoss[4], "LSa_irgendwas");
    EXPECT_EQ(p.Gespeichert, 0);  // applied all the same
    // The user repairs it by choosing a decoupling.
    button_0Click(p, z, StossTrennung::TB);
    btn_ExitClick(p, z);
    EXPECT_EQ(p.Stoss[4], "LSa_TrennungTB");
}

TEST(StossDialog, HintFollowsRenamedRoomsAtTheNextClick) {
    Projekt p = test::Beispielprojekt();
    StossDialogZustand z;
    button_Stoss1Click(p, z, 1);
    button_0Click(p, z, StossTrennung::R1);
    EXPECT_NE(z.lb_Remark.find("Flanke in Raum 1 ist"), std::string::npos);
    p.Fenster.edit_room[1] = "Bad";
    button_0Click(p, z, StossTrennung::R1);
    EXPECT_NE(z.lb_Remark.find("Flanke in Bad ist"), std::string::npos);
    EXPECT_NE(z.lb_Remark.find("über Flanke in Raum 2"), std::string::npos);
}

}  // namespace
}  // namespace phonikon
