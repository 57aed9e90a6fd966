#include "mainwindow/window_actions.h"

#include <gtest/gtest.h>

#include "calc/project_reset.h"
#include "mainwindow/clipboard_actions.h"
#include "projectfile/file_flows.h"

namespace phonikon {
namespace {

// A freshly created main window on a German system.
Projekt NeuesFenster() {
    Projekt p(',');
    FormCreate(p);
    return p;
}

Bauteil Massiv(long double m, long double rw) {
    Bauteil b;
    b.Konstrukt = 2;
    b.d1 = 17.5L;
    b.roh1 = 1800;
    b.SchichtName1 = "Mauerwerk";
    b.mFlaeche = m;
    b.Rw = rw;
    return b;
}

// Area 10 m², depths 4 m, edges 4 m, every element 400 kg/m² with Rw 55 dB.
void Beispiel(Projekt& p, const char* v1 = "50", const char* v2 = "40") {
    auto& f = p.Fenster;
    p.Element[0][0] = Massiv(400, 55);
    for (int i = 1; i <= 4; ++i) p.Element[i][1] = p.Element[i][2] = Massiv(400, 55);
    f.edit_A = "10";
    f.edit_L1 = f.edit_L2 = "4";
    for (int i = 1; i <= 4; ++i) f.edit_LF[i] = "4";
    f.edit_Vol1 = v1;
    f.edit_Vol2 = v2;
    ASSERT_FALSE(edit_Vol1Change(p));
}

TEST(FensterHandler, NeuesFensterZeigtSiebzehnMeldungenUndIstGespeichert) {
    Projekt p = NeuesFenster();
    EXPECT_EQ(p.Gespeichert, 1);
    EXPECT_TRUE(p.Fenster.panel_errorMsg_sichtbar);
    EXPECT_FALSE(p.Fenster.Ergebnisbefehle_aktiv);
    EXPECT_EQ(p.Fenster.memo_error.size(), 4u + 17u);
}

TEST(FensterHandler, LeereZahlenfelderBekommenNullOderEins) {
    struct Fall {
        const char* name;
        std::string& (*feld)(Hauptfenster&);
        const char* ersatz;
    };
    const Fall faelle[] = {
        {"edit_A", [](Hauptfenster& f) -> std::string& { return f.edit_A; }, "0"},
        {"edit_Vol2", [](Hauptfenster& f) -> std::string& { return f.edit_Vol2; }, "0"},
        {"edit_L1", [](Hauptfenster& f) -> std::string& { return f.edit_L1; }, "0"},
        {"edit_LF3", [](Hauptfenster& f) -> std::string& { return f.edit_LF[3]; }, "0"},
        {"edit_FF2_1", [](Hauptfenster& f) -> std::string& { return f.edit_FF[2][1]; }, "1"},
        {"edit_FF4_2", [](Hauptfenster& f) -> std::string& { return f.edit_FF[4][2]; }, "1"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Projekt p = NeuesFenster();
        Beispiel(p);
        p.Gespeichert = 1;
        fall.feld(p.Fenster).clear();
        EXPECT_FALSE(edit_Vol1Change(p));
        EXPECT_EQ(fall.feld(p.Fenster), fall.ersatz);
        EXPECT_EQ(p.Gespeichert, 0);
    }
}

TEST(FensterHandler, LeereFlaecheMeldetFehlendeFlaeche) {
    Projekt p = NeuesFenster();
    Beispiel(p);
    ASSERT_FALSE(p.Fenster.panel_errorMsg_sichtbar);
    p.Fenster.edit_A.clear();
    edit_Vol1Change(p);
    EXPECT_EQ(p.Fenster.edit_A, "0");
    EXPECT_TRUE(p.Fenster.panel_errorMsg_sichtbar);
    ASSERT_EQ(p.Fenster.memo_error.size(), 5u);
    EXPECT_EQ(p.Fenster.memo_error[4], "       Trennbauteil: keine Fläche vorhanden");
    // The covered labels keep the last complete results.
    EXPECT_EQ(p.Fenster.label_Rges, "51,0 [dB]");
}

TEST(FensterHandler, OhneBerechnungAktivWederRechnenNochGeaendert) {
    Projekt p = NeuesFenster();
    p.BerechnungAktiv = 0;
    p.Fenster.edit_A = "";
    p.Fenster.edit_FF[1][2] = "";
    EXPECT_FALSE(edit_Vol1Change(p));
    EXPECT_EQ(p.Fenster.edit_A, "0");
    EXPECT_EQ(p.Fenster.edit_FF[1][2], "1");
    EXPECT_EQ(p.Gespeichert, 1);
}

TEST(FensterHandler, KeineZahlMeldetUmwandlungsfehlerUndGiltAlsAenderung) {
    Projekt p = NeuesFenster();
    p.Fenster.edit_A = "1,2,3";
    auto meldung = edit_Vol1Change(p);
    ASSERT_TRUE(meldung);
    EXPECT_EQ(*meldung, "'1,2,3' ist kein gültiger Fließkommawert");
    EXPECT_EQ(p.Gespeichert, 0);
}

TEST(FensterHandler, LeereNamenFallenAufVorgabeZurueck) {
    Projekt p = NeuesFenster();
    p.Fenster.edit_Flanke[3] = "";
    edit_Flanke1Change(p, 3);
    EXPECT_EQ(p.Fenster.edit_Flanke[3], "Flanke 3");
    EXPECT_EQ(p.Gespeichert, 0);

    p.Gespeichert = 1;
    p.Fenster.edit_Flanke[2] = "Außenwand";
    edit_Flanke1Change(p, 2);
    EXPECT_EQ(p.Fenster.edit_Flanke[2], "Außenwand");
    EXPECT_EQ(p.Gespeichert, 0);

    p.Fenster.edit_room[2] = "";
    edit_room1Change(p, 2);
    EXPECT_EQ(p.Fenster.edit_room[2], "Raum 2");
    EXPECT_EQ(p.Fenster.edit_room[1], "Raum 1");
}

TEST(FensterHandler, IdentischeFlankeKopiertRaum1ErstBeimEinschalten) {
    Projekt p = NeuesFenster();
    auto& f = p.Fenster;
    p.Element[2][1] = Massiv(400, 55);
    f.Memo[2][1] = {"17,5 cm  Mauerwerk (1800 kg/m³)"};
    p.f0_VS[2][1] = 80;
    f.edit_VS[2][1] = "Gipskarton / f = 80Hz";

    f.chk_id[2] = false;
    chk_id_F1Click(p, 2);
    EXPECT_EQ(p.IdentischF[2], 0);
    EXPECT_EQ(p.Element[2][2], Bauteil{});  // the copy is made only when switching on
    EXPECT_FALSE(f.Button_VSclear[2][2]);   // no lining on the room-2 side

    p.Element[2][2] = Massiv(100, 40);
    f.edit_VS[2][2] = "anders";
    f.chk_id[2] = false;
    chk_id_F1Click(p, 2);
    EXPECT_TRUE(f.Button_VSclear[2][2]);

    p.Gespeichert = 1;
    f.chk_id[2] = true;
    chk_id_F1Click(p, 2);
    EXPECT_EQ(p.IdentischF[2], 1);
    EXPECT_EQ(p.Element[2][2], p.Element[2][1]);
    EXPECT_EQ(p.f0_VS[2][2], 80);
    EXPECT_EQ(f.edit_VS[2][2], "Gipskarton / f = 80Hz");
    EXPECT_EQ(f.Memo[2][2], f.Memo[2][1]);
    EXPECT_FALSE(f.Button_VSclear[2][2]);
    EXPECT_EQ(p.Gespeichert, 0);
}

TEST(FensterHandler, DnTwRichtung) {
    Projekt p = NeuesFenster();
    Beispiel(p);  // V1 = 50 > V2 = 40
    auto& f = p.Fenster;
    EXPECT_EQ(f.label_Rges, "51,0 [dB]");
    EXPECT_EQ(f.label_Ri[0], "53,1 [dB]");
    EXPECT_EQ(f.label_Ri[3], "61,1 [dB]");
    EXPECT_TRUE(f.rg_DnTW1);
    EXPECT_FALSE(f.lb_AnmDnTW_sichtbar);
    EXPECT_FALSE(f.panel_DnTW_sichtbar);
    EXPECT_EQ(f.label_DnTW, "52,1 [dB]");

    // Looking at the other direction: its value and the note, no recalculation, no change.
    p.Gespeichert = 1;
    f.rg_DnTW1 = false;
    rg_DnTW1Click(p);
    EXPECT_EQ(f.label_DnTW, "53,0 [dB]");
    EXPECT_TRUE(f.lb_AnmDnTW_sichtbar);
    EXPECT_EQ(p.Gespeichert, 1);

    // The next input change goes back to the normative direction.
    f.edit_A = "10,0";
    edit_Vol1Change(p);
    EXPECT_TRUE(f.rg_DnTW1);
    EXPECT_FALSE(f.lb_AnmDnTW_sichtbar);

    // Equal volumes: room 2 -> room 1, never a note.
    f.edit_Vol2 = "50";
    edit_Vol1Change(p);
    EXPECT_FALSE(f.rg_DnTW1);
    EXPECT_FALSE(f.lb_AnmDnTW_sichtbar);
}

TEST(FensterHandler, SeitenklickMarkiertElementSkizzenklickNicht) {
    Projekt p = NeuesFenster();
    p.Gespeichert = 1;
    PageControlMouseDown(p, 3);
    EXPECT_EQ(p.AktSeite, 3);
    EXPECT_EQ(p.Fenster.AktivesBlatt, 3);
    Image1Click(p);
    EXPECT_EQ(p.AktSeite, 0);
    EXPECT_EQ(p.Fenster.AktivesBlatt, 3);
    EXPECT_EQ(p.Gespeichert, 1);
}

TEST(FensterHandler, AusrichtungAendertNurSkizzeUndGiltAlsAenderung) {
    Projekt p = NeuesFenster();
    Beispiel(p);
    p.Gespeichert = 1;
    p.Fenster.rg_horizontal = false;
    rg_horizontalClick(p);
    EXPECT_EQ(p.Ausrichtung, 1);
    EXPECT_EQ(p.Fenster.label_Rges, "51,0 [dB]");
    EXPECT_EQ(p.Gespeichert, 0);
}

TEST(FensterHandler, ErgebnisfensterHaeltProtokollAktuell) {
    Projekt p = NeuesFenster();
    btn_ResultsClick(p);
    EXPECT_EQ(p.ProtokollAktiv, 1);
    EXPECT_FALSE(p.Fenster.btn_Results_aktiv);
    ASSERT_EQ(p.Protokoll.size(), 2u);
    EXPECT_EQ(p.Protokoll[1], " Eingabefehler -> keine Berechnung möglich!");
    Beispiel(p);
    EXPECT_GT(p.Protokoll.size(), 2u);

    ProtokollFensterGeschlossen(p);
    EXPECT_EQ(p.ProtokollAktiv, 0);
    EXPECT_TRUE(p.Fenster.btn_Results_aktiv);
}

TEST(FensterHandler, VariantenNurMitErgebnissen) {
    Projekt p = NeuesFenster();
    EXPECT_EQ(button_VariantClick(p), "Es liegen keine Berechnungsergebnisse vor.");
    Beispiel(p);
    EXPECT_FALSE(button_VariantClick(p));
}

TEST(FensterHandler, FlankenflaechenNurBeiWinkelstoss) {
    Projekt p = NeuesFenster();
    struct Fall {
        const char* code;
        bool raum1, raum2;
    };
    for (const Fall& fall :
         {Fall{"TS_ohneTrennung", false, false}, Fall{"KS_TrennungTB", false, false},
          Fall{"LSa_TrennungR1", false, true}, Fall{"LSb_ohneTrennung", true, false}}) {
        SCOPED_TRACE(fall.code);
        p.Stoss[3] = fall.code;
        EXPECT_EQ(FlankenflaecheSichtbar(p, 3, 1), fall.raum1);
        EXPECT_EQ(FlankenflaecheSichtbar(p, 3, 2), fall.raum2);
    }
}

// --- Clipboard ---------------------------------------------------------------------------------

TEST(Ablage, AufbauEinfuegenVorKopierenTutNichts) {
    Projekt p = NeuesFenster();
    Memo_TBaMouseDown(p, 1, 1);
    EXPECT_FALSE(InsertClick(p));
    EXPECT_EQ(p.Element[1][1], Bauteil{});
    EXPECT_EQ(p.Gespeichert, 1);
}

TEST(Ablage, AufbauAufIdentischeFlankeSchreibtBeideSeiten) {
    Projekt p = NeuesFenster();
    Beispiel(p);
    auto& f = p.Fenster;
    p.Element[0][0] = Massiv(500, 60);
    f.Memo[0][0] = {"Beton"};
    p.Element[3][1] = p.Element[3][2] = Massiv(90, 40);
    f.edit_FF[3][1] = "7";
    p.f0_VS[3][1] = p.f0_VS[3][2] = 100;

    Memo_TBaMouseDown(p, 0, 0);
    EXPECT_EQ(p.KopierElement, "TB");
    copyClick(p);
    EXPECT_EQ(p.Element[3][1], Massiv(90, 40));  // copying changes nothing

    p.Gespeichert = 1;
    Memo_TBaMouseDown(p, 3, 1);
    EXPECT_EQ(p.KopierElement, "F3_R1");
    EXPECT_FALSE(InsertClick(p));
    const std::vector<std::string> drei{"Beton", "", ""};
    EXPECT_EQ(p.Element[3][1], Massiv(500, 60));
    EXPECT_EQ(p.Element[3][2], Massiv(500, 60));
    EXPECT_EQ(f.Memo[3][1], drei);
    EXPECT_EQ(f.Memo[3][2], drei);
    // Linings and geometry stay with the target.
    EXPECT_EQ(p.f0_VS[3][1], 100);
    EXPECT_EQ(f.edit_FF[3][1], "7");
    EXPECT_EQ(p.Gespeichert, 0);
    EXPECT_NE(f.label_Rges, "51,0 [dB]");  // recalculated at once
}

TEST(Ablage, AufbauAufNichtIdentischeFlankeLaesstRaum2) {
    Projekt p = NeuesFenster();
    p.Element[0][0] = Massiv(500, 60);
    p.Fenster.chk_id[1] = false;
    chk_id_F1Click(p, 1);
    Memo_TBaMouseDown(p, 0, 0);
    copyClick(p);
    Memo_TBaMouseDown(p, 1, 1);
    InsertClick(p);
    EXPECT_EQ(p.Element[1][1], Massiv(500, 60));
    EXPECT_EQ(p.Element[1][2], Bauteil{});
    EXPECT_TRUE(p.Fenster.Memo[1][2].empty());

    // The room-2 side of an identical flank is written only through its room-1 side.
    Memo_TBaMouseDown(p, 2, 2);
    InsertClick(p);
    EXPECT_EQ(p.Element[2][2], Bauteil{});
}

TEST(Ablage, AufbauUeberlebtNeuesProjekt) {
    Projekt p = NeuesFenster();
    p.Element[0][0] = Massiv(500, 60);
    p.Fenster.Memo[0][0] = {"a", "b", "c", "d"};
    Memo_TBaMouseDown(p, 0, 0);
    copyClick(p);
    Projekt_Neu(p);
    Memo_TBaMouseDown(p, 4, 2);  // flank 4 is identical after New: room 2 stays as it is
    InsertClick(p);
    EXPECT_EQ(p.Element[4][2], Bauteil{});
    Memo_TBaMouseDown(p, 4, 1);
    InsertClick(p);
    EXPECT_EQ(p.Element[4][1], Massiv(500, 60));
    EXPECT_EQ(p.Fenster.Memo[4][1], (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Ablage, LeereVorsatzschaleEinfuegen) {
    Projekt p = NeuesFenster();
    auto& f = p.Fenster;
    p.f0_VS[0][2] = 70;
    f.edit_VS[0][2] = "Vorsatzschale / f = 70Hz";
    f.Button_VSclear[0][2] = true;

    edit_VS0_1MouseDown(p, 1, 1);  // empty slot
    EXPECT_EQ(p.AktVS, "VS1_1");
    copyVSClick(p);
    edit_VS0_1MouseDown(p, 0, 2);
    EXPECT_EQ(p.AktVS, "VS0_2");
    InsertVSClick(p);
    EXPECT_EQ(p.f0_VS[0][2], 0);
    EXPECT_EQ(f.edit_VS[0][2], "");
    EXPECT_FALSE(f.Button_VSclear[0][2]);  // nothing left to clear
    EXPECT_EQ(p.Gespeichert, 0);
}

TEST(Ablage, VorsatzschaleAufIdentischeFlanke) {
    Projekt p = NeuesFenster();
    auto& f = p.Fenster;
    p.f0_VS[0][1] = 65;
    f.edit_VS[0][1] = "Wandschale / f = 65Hz";
    edit_VS0_1MouseDown(p, 0, 1);
    copyVSClick(p);

    edit_VS0_1MouseDown(p, 2, 1);  // flank 2 identical
    InsertVSClick(p);
    EXPECT_EQ(p.f0_VS[2][1], 65);
    EXPECT_EQ(p.f0_VS[2][2], 65);
    EXPECT_EQ(f.edit_VS[2][2], "Wandschale / f = 65Hz");
    EXPECT_TRUE(f.Button_VSclear[2][1]);
    EXPECT_FALSE(f.Button_VSclear[2][2]);  // the mirrored side keeps its state

    f.chk_id[3] = false;
    chk_id_F1Click(p, 3);
    edit_VS0_1MouseDown(p, 3, 1);
    InsertVSClick(p);
    EXPECT_EQ(p.f0_VS[3][2], 0);
    EXPECT_EQ(f.edit_VS[3][2], "");
}

}  // namespace
}  // namespace phonikon
