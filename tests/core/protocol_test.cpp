#include "calc/protocol.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "worked_example.h"

namespace phonikon {
namespace {

const std::string kSep = " " + std::string(98, '_');

size_t Finde(const std::vector<std::string>& z, const std::string& zeile, size_t ab = 0) {
    auto it = std::find(z.begin() + ab, z.end(), zeile);
    return it == z.end() ? std::string::npos : static_cast<size_t>(it - z.begin());
}

TEST(Protocol, IncompleteProjectGivesTwoLines) {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    EXPECT_EQ(Protokoll_Erstellen(p),
              (std::vector<std::string>{"", " Eingabefehler -> keine Berechnung möglich!"}));
}

TEST(Protocol, CompleteProjectLineForLine) {
    Projekt p = test::Beispielprojekt();
    p.Fenster.edit_PLZ = "12345";
    p.Fenster.edit_Ort = "Musterstadt";
    p.Fenster.Memo[1][1] = {"17,5 cm  Kalksandstein (1800 kg/m³)"};
    p.Fenster.edit_VS[0][2] = "Gipskarton / f = 80Hz";
    p.Fenster.edit_VS[2][2] = "Trockenputz / f = 90Hz";
    const auto z = Protokoll_Erstellen(p);

    const std::vector<std::string> kopf = {kSep,
                                           " PROJEKTBESCHREIBUNG:",
                                           "",
                                           " ",
                                           " ",
                                           " 12345  Musterstadt",
                                           "",
                                           " Variante: ",
                                           kSep,
                                           " EINGABEDATEN:",
                                           "",
                                           " RAUM 1: Raum 1",
                                           "",
                                           "      Raumvolumen V1 = 50,0 [m³]",
                                           "      Raumtiefe/Raumhöhe = 4,00 [m]",
                                           "",
                                           "      Flankenaufbau:",
                                           "      1.  Flanke 1  Fläche = 16,00 [m²]",
                                           "          17,5 cm  Kalksandstein (1800 kg/m³)",
                                           "          ",
                                           "          ",
                                           ""};
    ASSERT_GE(z.size(), kopf.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + kopf.size()), kopf);

    // Room 1 ends with one extra empty line before the separating element.
    size_t tb = Finde(z, " TRENNBAUTEIL:");
    ASSERT_NE(tb, std::string::npos);
    EXPECT_EQ(z[tb - 1], "");
    EXPECT_EQ(z[tb - 2], "");
    EXPECT_EQ(z[tb + 1], "      Bezeichnung: Trennbauteil");
    EXPECT_EQ(z[tb + 2], "      Fläche = 10,00 [m²]");
    EXPECT_EQ(z[tb + 8], "          Vorsatzschale in Raum 2: Gipskarton / f = 80Hz");
    EXPECT_EQ(z[tb + 10], "          Stoßstelle Flanke 1: T-Stoß (ohne akustische Trennung)");

    size_t raum2 = Finde(z, " RAUM 2: Raum 2");
    ASSERT_NE(raum2, std::string::npos);
    EXPECT_EQ(z[raum2 - 1], "");
    EXPECT_EQ(z[raum2 - 2], "");
    EXPECT_EQ(z[raum2 + 2], "      Raumvolumen V2 = 40,0 [m³]");
    EXPECT_EQ(z[raum2 + 5], "      Flankenflächen:");
    EXPECT_NE(Finde(z, "           Vorsatzschale: Trockenputz / f = 90Hz", raum2),
              std::string::npos);
    EXPECT_EQ(Finde(z, "           Vorsatzschale: Trockenputz / f = 90Hz"),
              Finde(z, "           Vorsatzschale: Trockenputz / f = 90Hz", raum2));

    size_t kij = Finde(z, " Flanke / Weg      Kij");
    ASSERT_NE(kij, std::string::npos);
    EXPECT_EQ(z[kij - 5], kSep);  // the room-2 block runs straight into the separator
    EXPECT_EQ(z[kij - 6], "");
    EXPECT_EQ(z[kij - 7], "          ");
    EXPECT_EQ(z[kij + 1], "     1     /   Ff:    5,7 [dB]");
    EXPECT_EQ(z[kij + 2], "     1     /   Fd:   4,7 [dB]");
    EXPECT_EQ(z[kij + 3], "     1     /   Df:    4,7 [dB]");
    EXPECT_EQ(z[kij + 4], "");
    size_t rij = Finde(z, " Flanke / Weg      Rij");
    ASSERT_NE(rij, std::string::npos);
    EXPECT_EQ(z[rij + 1], "     1     /   Ff:    64,7 [dB]");
    EXPECT_EQ(z[rij + 2], "     1     /   Fd:   63,7 [dB]");

    const std::vector<std::string> ende = {
        kSep,
        " BERECHNUNGSERGEBNISSE:",
        "",
        " Trennbauteil:",
        "    Direktschalldämm-Maß Trennbauteil ohne Vorsatzschalen und Nebenwegen:",
        "    Rw = 55,0 [dB]",
        "",
        "    bewertetes Schalldämm-Maß Trennbauteil mit Vorsatzschalen und d-Nebenwegen (Wege 1 "
        "und 3):",
        "    Rd,w = 53,1 [dB]",
        "",
        " Flankendämm-Maße:",
        "    1. Flanke 1  R1,w = 61,1 [dB]",
        "    2. Flanke 2  R2,w = 61,1 [dB]",
        "    3. Flanke 3  R3,w = 61,1 [dB]",
        "    4. Flanke 4  R4,w = 61,1 [dB]",
        "",
        " bewertetes Bau-Schalldämm-Maß:",
        " R´w = 51,0 [dB]",
        "",
        " bewertete Standard-Schallpegeldifferenz:",
        " DnT,w Raum 1 -> Raum 2 = 52,1 [dB]  (Normrichtung: Schallübertragung vom größeren "
        "Raumvolumen zum kleineren)",
        " DnT,w Raum 2 -> Raum 1 = 53,0 [dB]  ",
        " ",
        " (Berechnungsergebnisse ohne Vorhaltemaß)",
        kSep,
    };
    ASSERT_GE(z.size(), ende.size());
    EXPECT_EQ(std::vector<std::string>(z.end() - ende.size(), z.end()), ende);
    EXPECT_EQ(z[z.size() - ende.size() - 1], "");
}

TEST(Protocol, WithoutVolumesAndWithPointSeparator) {
    Projekt p = test::Beispielprojekt('.', "0", "40");
    const auto z = Protokoll_Erstellen(p);
    EXPECT_NE(Finde(z,
                    " Standard-Schallpegeldifferenz DnT,w kann nicht berechnet werden, da kein "
                    "Raumvolumen vorhanden ist!"),
              std::string::npos);
    EXPECT_NE(Finde(z, " R´w = 51.0 [dB]"), std::string::npos);
}

// The norm note marks the direction from the larger room into the smaller one; equal rooms have no
// normative direction, so neither line carries it, on screen neither direction shows the note.
// R'w = 50.99 dB: 10·lg(0.32·50/10) = 2.04 dB, 10·lg(0.32·40/10) = 1.07 dB.
TEST(Protocol, DirectionNoteOnlyFromTheLargerVolume) {
    const std::string note =
        "(Normrichtung: Schallübertragung vom größeren Raumvolumen zum kleineren)";
    struct Fall {
        const char *v1, *v2;
        std::string zeile12, zeile21;
    };
    const Fall faelle[] = {
        {"50", "50", " DnT,w Raum 1 -> Raum 2 = 53,0 [dB]  ",
         " DnT,w Raum 2 -> Raum 1 = 53,0 [dB]  "},
        {"40", "50", " DnT,w Raum 1 -> Raum 2 = 53,0 [dB]  ",
         " DnT,w Raum 2 -> Raum 1 = 52,1 [dB]  " + note},
    };
    for (const Fall& f : faelle) {
        Projekt p = test::Beispielprojekt(',', f.v1, f.v2);
        const auto z = Protokoll_Erstellen(p);
        const size_t kopf = Finde(z, " bewertete Standard-Schallpegeldifferenz:");
        ASSERT_NE(kopf, std::string::npos) << f.v1 << " " << f.v2;
        ASSERT_LT(kopf + 2, z.size());
        EXPECT_EQ(z[kopf + 1], f.zeile12) << f.v1 << " " << f.v2;
        EXPECT_EQ(z[kopf + 2], f.zeile21) << f.v1 << " " << f.v2;
    }

    Projekt gleich = test::Beispielprojekt(',', "50", "50");
    for (bool raum1 : {true, false}) {
        gleich.Fenster.rg_DnTW1 = raum1;
        DnTW_Richtung_Anzeigen(gleich);
        EXPECT_FALSE(gleich.Fenster.lb_AnmDnTW_sichtbar) << raum1;
        EXPECT_EQ(gleich.Fenster.label_DnTW, "53,0 [dB]");
    }
}

TEST(Protocol, IsRebuiltByTheCalculationOnlyWhileTheWindowIsOpen) {
    Projekt p = test::Beispielprojekt();
    EXPECT_TRUE(p.Protokoll.empty());
    p.ProtokollAktiv = 1;
    Berechnen(p);
    EXPECT_EQ(p.Protokoll, Protokoll_Erstellen(p));
}

}  // namespace
}  // namespace phonikon
