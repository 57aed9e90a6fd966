// A project file with its own value in every line that carries one, against the bytes the format
// prescribes line by line: a round trip alone would not see a line that the writer and the reader
// both put in the wrong place.
#include <gtest/gtest.h>

#include <string>

#include "calc/project_reset.h"
#include "projectfile/project_file.h"

namespace phonikon {
namespace {

// Line by line as the format table gives them; every number is its own line number (with a
// fraction for reals), so that a shifted line shows at once.
const char* const kZeilen[282] = {
    "Projektdaten: Phonikon Version 2.1",
    "______________________",
    "Projekt 3",
    "Stra\xDF"
    "e 4",
    "PLZ 5",
    "Ort 6",
    "1",
    "Trennbauteil:",
    "______________________",
    "10.125",
    "11",
    "0",
    "13",
    "14",
    "15",
    "16",
    "17",
    "18",
    "19.25",
    "20.25",
    "21.25",
    "22.250",
    "23.250",
    "24.250",
    "Schicht 25",
    "Schicht 26",
    "Schicht 27",
    "28.25",
    "29.250",
    "30.25",
    "31.25",
    "Vorsatzschale 32",
    " 1250",
    "Vorsatzschale 34",
    "   35",
    "",
    "Flanken / R\xE4"
    "ume:",
    "______________________",
    "Flanke 1",
    "Raum A",
    "41",
    "0",
    "43",
    "44",
    "45",
    "46",
    "47",
    "48",
    "49.25",
    "50.25",
    "51.25",
    "52.250",
    "53.250",
    "54.250",
    "Schicht 55",
    "Schicht 56",
    "Schicht 57",
    "58.500",
    "59.25",
    "60.250",
    "Flanke 1",
    "Raum B",
    "63",
    "0",
    "65",
    "66",
    "67",
    "68",
    "69",
    "70",
    "71.25",
    "72.25",
    "73.25",
    "74.250",
    "75.250",
    "76.250",
    "Schicht 77",
    "Schicht 78",
    "Schicht 79",
    "80.500",
    "81.25",
    "82.250",
    "Vorsatzschale 83",
    "   84",
    "Vorsatzschale 85",
    "   86",
    "87.500",
    "KS_TrennungTB",
    "TRUE",
    "Flanke 2",
    "Raum A",
    "92",
    "0",
    "94",
    "95",
    "96",
    "97",
    "98",
    "99",
    "100.25",
    "101.25",
    "102.25",
    "103.250",
    "104.250",
    "105.250",
    "Schicht 106",
    "Schicht 107",
    "Schicht 108",
    "109.500",
    "110.25",
    "111.250",
    "Flanke 2",
    "Raum B",
    "114",
    "0",
    "116",
    "117",
    "118",
    "119",
    "120",
    "121",
    "122.25",
    "123.25",
    "124.25",
    "125.250",
    "126.250",
    "127.250",
    "Schicht 128",
    "Schicht 129",
    "Schicht 130",
    "131.500",
    "132.25",
    "133.250",
    "Vorsatzschale 134",
    "  135",
    "Vorsatzschale 136",
    "  137",
    "138.500",
    "LSa_TrennungR1",
    "FALSE",
    "Flanke 3",
    "Raum A",
    "143",
    "0",
    "145",
    "146",
    "147",
    "148",
    "149",
    "150",
    "151.25",
    "152.25",
    "153.25",
    "154.250",
    "155.250",
    "156.250",
    "Schicht 157",
    "Schicht 158",
    "Schicht 159",
    "160.500",
    "161.25",
    "162.250",
    "Flanke 3",
    "Raum B",
    "165",
    "0",
    "167",
    "168",
    "169",
    "170",
    "171",
    "172",
    "173.25",
    "174.25",
    "175.25",
    "176.250",
    "177.250",
    "178.250",
    "Schicht 179",
    "Schicht 180",
    "Schicht 181",
    "182.500",
    "183.25",
    "184.250",
    "Vorsatzschale 185",
    "  186",
    "Vorsatzschale 187",
    "  188",
    "189.500",
    "LSb_TrennungR2",
    "TRUE",
    "Flanke 4",
    "Raum A",
    "194",
    "0",
    "196",
    "197",
    "198",
    "199",
    "200",
    "201",
    "202.25",
    "203.25",
    "204.25",
    "205.250",
    "206.250",
    "207.250",
    "Schicht 208",
    "Schicht 209",
    "Schicht 210",
    "211.500",
    "212.25",
    "213.250",
    "Flanke 4",
    "Raum B",
    "216",
    "0",
    "218",
    "219",
    "220",
    "221",
    "222",
    "223",
    "224.25",
    "225.25",
    "226.25",
    "227.250",
    "228.250",
    "229.250",
    "Schicht 230",
    "Schicht 231",
    "Schicht 232",
    "233.500",
    "234.25",
    "235.250",
    "Vorsatzschale 236",
    "  237",
    "Vorsatzschale 238",
    "  239",
    "240.500",
    "TS_TrennungR1R2",
    "FALSE",
    "Variante 243",
    "244.125",
    "245.125",
    "24.6",
    "0",
    "24.8",
    "1",
    "25.0",
    "0",
    "25.2",
    "1",
    "25.4",
    "0",
    "25.6",
    "1",
    "25.8",
    "0",
    "26.0",
    "1",
    "26.2",
    "0",
    "1",
    "0",
    "0",
    "1",
    "1",
    "0",
    "0",
    "1",
    "1",
    "0",
    "0",
    "1",
    "1",
    "0",
    "0",
    "1",
    "1",
    "0",
    "Trennwand 282",
};

std::string Erwartet() {
    std::string text;
    for (const char* zeile : kZeilen) text += std::string(zeile) + "\r\n";
    return text;
}

// The construction fields of an element whose `Konstrukt` stands in line `s`.
void Aufbau(Bauteil& b, int s) {
    b.Konstrukt = s;
    b.Moertel = s + 2;
    b.B1 = s + 3;
    b.B2 = s + 4;
    b.B2a = s + 5;
    b.B2b = s + 6;
    b.B3 = s + 7;
    b.roh1 = s + 8.25L;
    b.roh2 = s + 9.25L;
    b.roh3 = s + 10.25L;
    b.d1 = s + 11.25L;
    b.d2 = s + 12.25L;
    b.d3 = s + 13.25L;
    b.SchichtName1 = "Schicht " + std::to_string(s + 14);
    b.SchichtName2 = "Schicht " + std::to_string(s + 15);
    b.SchichtName3 = "Schicht " + std::to_string(s + 16);
}

Projekt JedeZeileEigen() {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    auto& f = p.Fenster;
    f.edit_Projekt = "Projekt 3";
    f.edit_Str = "Straße 4";
    f.edit_PLZ = "PLZ 5";
    f.edit_Ort = "Ort 6";
    f.rg_horizontal = false;
    p.Ausrichtung = 1;
    p.S_TB = 10.125L;
    Aufbau(p.Element[0][0], 11);
    p.Element[0][0].mFlaeche = 28.25L;
    p.Element[0][0].Rw = 29.25L;
    p.Raumtiefe[1][0] = 30.25L;
    p.Raumtiefe[2][0] = 31.25L;
    p.VSName[0][1] = "Vorsatzschale 32";
    p.f0_VS[0][1] = 1250;  // four digits fill the five-character field
    p.VSName[0][2] = "Vorsatzschale 34";
    p.f0_VS[0][2] = 35;
    p.RaumName = {"", "Raum A", "Raum B"};
    const char* const stoss[] = {"", "KS_TrennungTB", "LSa_TrennungR1", "LSb_TrennungR2",
                                 "TS_TrennungR1R2"};
    for (int k = 1; k <= 4; ++k) {
        const int block = 39 + 51 * (k - 1);
        p.FlankenName[k] = "Flanke " + std::to_string(k);
        for (int j = 1; j <= 2; ++j) {
            const int r = block + 22 * (j - 1);
            Bauteil& b = p.Element[k][j];
            Aufbau(b, r + 2);
            f.edit_FF[k][j] = std::to_string(r + 19) + ",5";
            b.mFlaeche = r + 20.25L;
            b.Rw = r + 21.25L;
        }
        p.VSName[k][1] = "Vorsatzschale " + std::to_string(block + 44);
        p.f0_VS[k][1] = block + 45;
        p.VSName[k][2] = "Vorsatzschale " + std::to_string(block + 46);
        p.f0_VS[k][2] = block + 47;
        p.l_F[k] = block + 48.5;
        p.Stoss[k] = stoss[k];
        p.IdentischF[k] = k % 2;
    }
    f.edit_Variante = "Variante 243";
    p.V_Raum1 = 244.125L;
    p.V_Raum2 = 245.125L;
    const int elemente[9][2] = {{0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2},
                                {3, 1}, {3, 2}, {4, 1}, {4, 2}};
    for (int e = 0; e < 9; ++e) {
        Bauteil& b = p.Element[elemente[e][0]][elemente[e][1]];
        b.RwUser = (246 + 2 * e) / 10.0L;
        b.RwUserAktiv = e % 2;
        b.Zulassung1 = (e + 1) % 2;
        b.Zulassung2 = e % 2;
    }
    p.TBName = "Trennwand 282";
    return p;
}

TEST(ProjektdateiJedeZeile, WriterGivesTheBytesOfTheFormat) {
    const std::string text = Projektdatei_Text(JedeZeileEigen());
    const std::string erwartet = Erwartet();
    // Line by line first, for a readable report of the first difference.
    std::size_t a = 0, b = 0;
    for (int zeile = 1; zeile <= 282; ++zeile) {
        const std::size_t ea = text.find("\r\n", a), eb = erwartet.find("\r\n", b);
        ASSERT_EQ(text.substr(a, ea - a), erwartet.substr(b, eb - b)) << "Zeile " << zeile;
        a = ea + 2;
        b = eb + 2;
    }
    EXPECT_EQ(text, erwartet);
}

TEST(ProjektdateiJedeZeile, ReaderPutsEveryLineInItsPlace) {
    const Projekt p = JedeZeileEigen();
    Projekt q;
    Projekt_Zuruecksetzen(q);
    q.TBName.clear();
    ASSERT_FALSE(Projektdatei_LesenAusText(Erwartet(), q));
    EXPECT_EQ(q.DateiVersion, 2.1L);
    EXPECT_EQ(q.Fenster.edit_Projekt, "Projekt 3");
    EXPECT_EQ(q.Fenster.edit_Str, "Straße 4");
    EXPECT_EQ(q.Fenster.edit_PLZ, "PLZ 5");
    EXPECT_EQ(q.Fenster.edit_Ort, "Ort 6");
    EXPECT_EQ(q.Fenster.edit_Variante, "Variante 243");
    EXPECT_FALSE(q.Fenster.rg_horizontal);
    EXPECT_EQ(q.Ausrichtung, 1);
    EXPECT_EQ(q.S_TB, 10.125L);
    EXPECT_EQ(q.Raumtiefe[1][0], 30.25L);
    EXPECT_EQ(q.Raumtiefe[2][0], 31.25L);
    EXPECT_EQ(q.V_Raum1, 244.125L);
    EXPECT_EQ(q.V_Raum2, 245.125L);
    EXPECT_EQ(q.TBName, "Trennwand 282");
    EXPECT_EQ(q.RaumName, p.RaumName);
    EXPECT_EQ(q.FlankenName, p.FlankenName);
    EXPECT_EQ(q.VSName, p.VSName);
    EXPECT_EQ(q.f0_VS, p.f0_VS);
    EXPECT_EQ(q.l_F, p.l_F);
    EXPECT_EQ(q.Stoss, p.Stoss);
    EXPECT_EQ(q.IdentischF, p.IdentischF);
    for (int r = 0; r <= 4; ++r) {
        for (int c = 0; c <= 2; ++c) {
            if (r == 0 ? c != 0 : c == 0) continue;
            EXPECT_TRUE(q.Element[r][c] == p.Element[r][c]) << r << "," << c;
            if (r > 0) {
                const int zeile = 39 + 51 * (r - 1) + 22 * (c - 1) + 19;
                EXPECT_EQ(q.Raumtiefe[r][c], zeile + 0.5L) << r << "," << c;
            }
        }
    }
}

}  // namespace
}  // namespace phonikon
