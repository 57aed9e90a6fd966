#include "projectfile/project_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/cp1252.h"
#include "calc/number_text.h"
#include "calc/project_reset.h"
#include "projectfile/file_flows.h"
#include "temp_folder.h"
#include "worked_example.h"

namespace phonikon {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto ende = text.find("\r\n", pos);
        if (ende == std::string::npos) {
            zeilen.push_back(text.substr(pos));
            break;
        }
        zeilen.push_back(text.substr(pos, ende - pos));
        pos = ende + 2;
    }
    return zeilen;
}

std::string Zusammen(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen) text += z + "\r\n";
    return text;
}

// The file with line `nr` (1-based) replaced.
std::string MitZeile(const std::string& text, int nr, const std::string& neu) {
    auto zeilen = Zeilen(text);
    zeilen.at(nr - 1) = neu;
    return Zusammen(zeilen);
}

// The first `anzahl` lines of the file.
std::string Anfang(const std::string& text, int anzahl) {
    auto zeilen = Zeilen(text);
    zeilen.resize(anzahl);
    return Zusammen(zeilen);
}

// The worked example with a different, file-exact value in every stored field (multiples of 1/4
// survive every form unrounded), names taken over as Save as does.
Projekt Vollprojekt(char sep = ',') {
    Projekt p = test::Beispielprojekt(sep);
    auto& f = p.Fenster;
    f.edit_Projekt = "Mehrfamilienhaus Lindenstraße";
    f.edit_Str = "Lindenstraße 12";
    f.edit_PLZ = "12345";
    f.edit_Ort = "Musterstadt";
    f.edit_Variante = "Variante A";
    f.edit_TB = "Wohnungstrennwand";
    f.edit_room[1] = "Wohnen";
    f.edit_room[2] = "  ";  // blanks only, kept as they are
    f.rg_horizontal = false;
    p.Ausrichtung = 1;
    const int zellen[9][2] = {{0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2},
                              {3, 1}, {3, 2}, {4, 1}, {4, 2}};
    const char* const kStoss[] = {"", "KS_ohneTrennung", "LSb_TrennungTB", "LSa_ohneTrennung",
                                  "TS_TrennungR2"};
    int n = 0;
    for (const auto& [k, j] : zellen) {
        Bauteil& b = p.Element[k][j];
        ++n;
        b.Konstrukt = n % 6;
        b.Moertel = n % 2;
        b.B1 = n % 4;
        b.B2 = (n + 1) % 6;
        b.B2a = (n + 1) % 2;
        b.B2b = n;
        b.B3 = (n + 2) % 4;
        b.roh1 = 1000 + n + 0.25L;
        b.roh2 = 2000 + n + 0.5L;
        b.roh3 = 1800 + n + 0.75L;
        b.d1 = 1.5L;
        b.d2 = 17.5L + n;
        b.d3 = 0.25L * n;
        b.SchichtName1 = "Putz " + std::to_string(n);
        b.SchichtName2 = n == 3 ? "" : "Kern " + std::to_string(n);
        b.SchichtName3 = "Außenputz";
        b.mFlaeche = 400 + n + 0.25L;
        b.Rw = 50 + n + 0.5L;
        b.RwUser = 48 + n + 0.5L;
        b.RwUserAktiv = n % 2;
        b.Zulassung1 = 0;
        b.Zulassung2 = 1;
    }
    for (int k = 0; k <= 4; ++k) {
        for (int j = 1; j <= 2; ++j) {
            p.f0_VS[k][j] = 40 + 10 * k + j;
            f.edit_VS[k][j] = "Vorsatzschale " + std::to_string(k) + "/" + std::to_string(j) +
                              " / f = " + std::to_string(p.f0_VS[k][j]) + "Hz";
        }
    }
    for (int k = 1; k <= 4; ++k) {
        f.edit_Flanke[k] = "Wand " + std::to_string(k);
        p.Stoss[k] = kStoss[k];
        p.IdentischF[k] = k % 2;
        f.edit_FF[k][1] = std::string("2") + sep + "25";
        f.edit_FF[k][2] = std::to_string(k + 2);
    }
    p.S_TB = 12.5L;
    p.l_F = {0, 4.25, 3.5, 0.75, 10};
    p.Raumtiefe[1][0] = 4.5L;
    p.Raumtiefe[2][0] = 3.75L;
    p.V_Raum1 = 50.5L;
    p.V_Raum2 = 40.25L;
    Namen_Uebernehmen(p);
    return p;
}

// Reads the text into a freshly reset project, as the open flow prepares it.
Projekt Gelesen(std::string_view text, std::optional<std::string>* fehler = nullptr) {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    p.TBName.clear();
    auto f = Projektdatei_LesenAusText(text, p);
    if (fehler) {
        *fehler = f;
    } else {
        EXPECT_FALSE(f) << *f;
    }
    return p;
}

TEST(Projektdatei, ResetProjectGivesTheKnownLines) {
    Projekt p;
    Projekt_Zuruecksetzen(p);
    Namen_Uebernehmen(p);
    const std::string text = Projektdatei_Text(p);
    const auto z = Zeilen(text);
    ASSERT_EQ(z.size(), 282u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 282);
    EXPECT_EQ(z[0], "Projektdaten: Phonikon Version 2.1");
    EXPECT_EQ(z[1], std::string(22, '_'));
    EXPECT_EQ(z[6], "0");
    EXPECT_EQ(z[7], "Trennbauteil:");
    EXPECT_EQ(z[9], "0.000");
    EXPECT_EQ(z[11], "0");
    EXPECT_EQ(z[18], " 0.00");
    EXPECT_EQ(z[32], "    0");
    EXPECT_EQ(z[35], "");
    EXPECT_EQ(z[36], "Flanken / R\xE4ume:");
    for (int k = 1; k <= 4; ++k) {
        const int block = 39 + 51 * (k - 1);
        EXPECT_EQ(z[block - 1], "Flanke " + std::to_string(k));
        EXPECT_EQ(z[block], "Raum 1");
        EXPECT_EQ(z[block + 22], "Raum 2");
        EXPECT_EQ(z[block + 49 - 1], "TS_ohneTrennung");
        EXPECT_EQ(z[block + 50 - 1], "TRUE");
    }
    EXPECT_EQ(z[243], " 0.000");
    EXPECT_EQ(z[245], " 0.0");
    EXPECT_EQ(z[263], "1");
    EXPECT_EQ(z[264], "0");
    EXPECT_EQ(z[281], "Trennbauteil");
}

TEST(Projektdatei, EveryStoredValueComesBack) {
    const Projekt p = Vollprojekt();
    const Projekt q = Gelesen(Projektdatei_Text(p));
    EXPECT_EQ(q.DateiVersion, 2.1L);
    EXPECT_TRUE(q.Element[0][0] == p.Element[0][0]);
    for (int k = 1; k <= 4; ++k) {
        for (int j = 1; j <= 2; ++j) {
            EXPECT_TRUE(q.Element[k][j] == p.Element[k][j]) << k << "," << j;
            EXPECT_EQ(q.VSName[k][j], p.VSName[k][j]);
            EXPECT_EQ(q.f0_VS[k][j], p.f0_VS[k][j]);
            // The flank-area field's value, not the room depth the calculation put in the cell.
            EXPECT_EQ(q.Raumtiefe[k][j], j == 1 ? 2.25L : k + 2) << k << "," << j;
        }
        EXPECT_EQ(q.l_F[k], p.l_F[k]);
        EXPECT_EQ(q.Stoss[k], p.Stoss[k]);
        EXPECT_EQ(q.IdentischF[k], p.IdentischF[k]);
        EXPECT_EQ(q.FlankenName[k], p.FlankenName[k]);
    }
    EXPECT_EQ(q.VSName[0], p.VSName[0]);
    EXPECT_EQ(q.f0_VS[0], p.f0_VS[0]);
    EXPECT_EQ(q.RaumName, p.RaumName);
    EXPECT_EQ(q.RaumName[2], "  ");
    EXPECT_EQ(q.TBName, "Wohnungstrennwand");
    EXPECT_EQ(q.S_TB, 12.5L);
    EXPECT_EQ(q.Raumtiefe[1][0], 4.5L);
    EXPECT_EQ(q.Raumtiefe[2][0], 3.75L);
    EXPECT_EQ(q.V_Raum1, 50.5L);
    EXPECT_EQ(q.V_Raum2, 40.25L);
    EXPECT_EQ(q.Ausrichtung, 1);
    EXPECT_FALSE(q.Fenster.rg_horizontal);
    EXPECT_EQ(q.Fenster.edit_Projekt, "Mehrfamilienhaus Lindenstraße");
    EXPECT_EQ(q.Fenster.edit_Str, "Lindenstraße 12");
    EXPECT_EQ(q.Fenster.edit_PLZ, "12345");
    EXPECT_EQ(q.Fenster.edit_Ort, "Musterstadt");
    EXPECT_EQ(q.Fenster.edit_Variante, "Variante A");
}

TEST(Projektdatei, ValuesComeBackRoundedToTheirForms) {
    Projekt p = test::Beispielprojekt();
    p.Element[0][0].RwUser = 52.36L;
    p.Element[0][0].mFlaeche = 350.456L;
    p.Element[0][0].d1 = 17.5L;
    p.l_F[2] = 2.0004;
    Namen_Uebernehmen(p);
    const std::string text = Projektdatei_Text(p);
    const auto z = Zeilen(text);
    EXPECT_EQ(z[245], "52.4");
    EXPECT_EQ(z[27], "350.46");
    EXPECT_EQ(z[21], "17.500");
    const Projekt q = Gelesen(text);
    EXPECT_NEAR(q.Element[0][0].RwUser, 52.4L, 1e-12L);
    EXPECT_NEAR(q.Element[0][0].mFlaeche, 350.46L, 1e-12L);
    EXPECT_EQ(q.Element[0][0].d1, 17.5L);
    EXPECT_EQ(q.l_F[2], 2.0);
}

TEST(Projektdatei, NumbersAreWrittenWithAPointWhateverTheSeparator) {
    const std::string komma = Projektdatei_Text(Vollprojekt(','));
    EXPECT_EQ(Projektdatei_Text(Vollprojekt('.')), komma);
    EXPECT_EQ(Zeilen(komma)[9], "12.500");
}

// Odd files: the writer's file with one change, and what the reader makes of it.
struct Sonderfall {
    const char* name;
    std::function<std::string(const std::string&)> aendern;
    std::function<void(const Projekt&)> pruefen;
};

TEST(Projektdatei, OddFilesAreReadByTheRules) {
    const std::string basis = Projektdatei_Text(Vollprojekt());
    auto ersetzt = [](int nr, std::string neu) {
        return [nr, neu](const std::string& t) { return MitZeile(t, nr, neu); };
    };
    auto fruehereVersion = [](const Projekt& q) {
        EXPECT_EQ(q.DateiVersion, 0);
        EXPECT_EQ(q.V_Raum1, 0);
        EXPECT_EQ(q.V_Raum2, 0);
        EXPECT_EQ(q.Fenster.edit_Variante, "");
        EXPECT_EQ(q.Element[0][0].RwUser, 0);
        EXPECT_EQ(q.Element[2][1].Zulassung1, 1);
        EXPECT_EQ(q.TBName, "");
        EXPECT_EQ(q.Stoss[4], "TS_TrennungR2");  // lines 1..242 are read all the same
    };
    const Sonderfall faelle[] = {
        {"header 2.0 is read like 2.1", ersetzt(1, "Projektdaten: Phonikon Version 2.0"),
         [](const Projekt& q) {
             EXPECT_EQ(q.DateiVersion, 2.1L);
             EXPECT_EQ(q.V_Raum1, 50.5L);
             EXPECT_EQ(q.TBName, "Wohnungstrennwand");
         }},
        {"header with trailing blank", ersetzt(1, "Projektdaten: Phonikon Version 2.1 "),
         fruehereVersion},
        {"other first line", ersetzt(1, "Phonikon"), fruehereVersion},
        {"file ends after line 263", [](const std::string& t) { return Anfang(t, 263); },
         [](const Projekt& q) {
             EXPECT_EQ(q.DateiVersion, 2.1L);
             EXPECT_EQ(q.Element[4][2].RwUser, 57.5L);
             for (const auto& zeile : q.Element) {
                 for (const Bauteil& b : zeile) {
                     EXPECT_EQ(b.Zulassung1, 1);
                     EXPECT_EQ(b.Zulassung2, 0);
                 }
             }
             EXPECT_EQ(q.TBName, "");
         }},
        {"file ends within the approval pairs", [](const std::string& t) { return Anfang(t, 268); },
         [](const Projekt& q) {
             EXPECT_EQ(q.Element[0][0].Zulassung1, 0);
             EXPECT_EQ(q.Element[1][1].Zulassung2, 1);
             EXPECT_EQ(q.Element[1][2].Zulassung1, 0);  // half a pair: the other half reads 0
             EXPECT_EQ(q.Element[1][2].Zulassung2, 0);
             EXPECT_EQ(q.Element[2][1].Zulassung1, 1);
             EXPECT_EQ(q.TBName, "");
         }},
        {"file ends in flank 2", [](const std::string& t) { return Anfang(t, 100); },
         [](const Projekt& q) {
             EXPECT_EQ(q.FlankenName[1], "Wand 1");
             EXPECT_EQ(q.Element[2][2].mFlaeche, 0);  // numbers read as 0
             EXPECT_EQ(q.Stoss[3], "");               // texts as empty
             EXPECT_EQ(q.IdentischF[3], 0);
             EXPECT_EQ(q.V_Raum1, 0);
             EXPECT_EQ(q.Element[0][0].Zulassung1, 1);
         }},
        {"Ctrl-Z ends the file",
         [](const std::string& t) {
             const auto zeilen = Zeilen(t);
             return Anfang(t, 99) + "\x1A" + zeilen[99] + "\r\n";
         },
         [](const Projekt& q) { EXPECT_EQ(q.Stoss[3], ""); }},
        {"negative volume", ersetzt(244, "-5.000"),
         [](const Projekt& q) { EXPECT_EQ(q.V_Raum1, 0); }},
        {"zero volume", ersetzt(245, "0"), [](const Projekt& q) { EXPECT_EQ(q.V_Raum2, 0); }},
        {"leading blanks and trailing text", ersetzt(10, "   7.25 m² Fläche"),
         [](const Projekt& q) {
             EXPECT_EQ(q.S_TB, 7.25L);
             EXPECT_EQ(q.Element[0][0].Konstrukt, 1);
         }},
        {"exponent", ersetzt(10, "1.5E1"), [](const Projekt& q) { EXPECT_EQ(q.S_TB, 15); }},
        {"place-holder takes anything", ersetzt(12, "x y z"),
         [](const Projekt& q) { EXPECT_EQ(q.Element[0][0].Moertel, 1); }},
        {"flag in lower case", ersetzt(89, "true"),
         [](const Projekt& q) { EXPECT_EQ(q.IdentischF[1], 0); }},
        {"flag with trailing blank", ersetzt(89, "TRUE "),
         [](const Projekt& q) { EXPECT_EQ(q.IdentischF[1], 0); }},
        {"flag FALSE", ersetzt(191, "FALSE"),
         [](const Projekt& q) { EXPECT_EQ(q.IdentischF[3], 0); }},
        {"orientation 0", ersetzt(7, "0"),
         [](const Projekt& q) {
             EXPECT_EQ(q.Ausrichtung, 0);
             EXPECT_TRUE(q.Fenster.rg_horizontal);
         }},
        {"orientation blank 0", ersetzt(7, " 0"),
         [](const Projekt& q) {
             EXPECT_EQ(q.Ausrichtung, 1);
             EXPECT_FALSE(q.Fenster.rg_horizontal);
         }},
        {"orientation 2", ersetzt(7, "2"), [](const Projekt& q) { EXPECT_EQ(q.Ausrichtung, 1); }},
        {"bare LF line ends",
         [](const std::string& t) {
             std::string s;
             for (char c : t)
                 if (c != '\r') s += c;
             return s;
         },
         [](const Projekt& q) {
             EXPECT_EQ(q.TBName, "Wohnungstrennwand");
             EXPECT_EQ(q.Element[4][2].Zulassung2, 1);
             EXPECT_EQ(q.IdentischF[1], 1);
         }},
        {"bare CR line ends",
         [](const std::string& t) {
             std::string s;
             for (char c : t)
                 if (c != '\n') s += c;
             return s;
         },
         [](const Projekt& q) {
             EXPECT_EQ(q.TBName, "Wohnungstrennwand");
             EXPECT_EQ(q.Stoss[3], "LSa_ohneTrennung");
         }},
        {"unknown junction code is kept", ersetzt(88, "XY_Stoss"),
         [](const Projekt& q) { EXPECT_EQ(q.Stoss[1], "XY_Stoss"); }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fall.pruefen(Gelesen(fall.aendern(basis)));
    }
}

TEST(Projektdatei, AnEmptyNumberLineShiftsTheFollowingLines) {
    std::optional<std::string> fehler;
    const Projekt q = Gelesen(MitZeile(Projektdatei_Text(Vollprojekt()), 10, ""), &fehler);
    EXPECT_EQ(q.S_TB, 1);                     // Konstrukt of line 11
    EXPECT_EQ(q.Element[0][0].Konstrukt, 0);  // the place-holder of line 12
    EXPECT_EQ(q.Element[0][0].Moertel, 1);    // B1 of line 14; line 13 went as the place-holder
    EXPECT_EQ(q.Element[0][0].B2b, 3);        // B3 of line 18
    // B3 then meets the density 1001.25 of line 19.
    EXPECT_EQ(fehler.value_or(""), "Ungültige numerische Eingabe");
}

TEST(Projektdatei, MalformedNumberStopsTheReading) {
    const std::string basis = Projektdatei_Text(Vollprojekt());
    const struct {
        int zeile;
        const char* inhalt;
    } faelle[] = {{10, "2,50"},        {10, "abc"}, {11, "3.5"},
                  {11, "99999999999"}, {33, "1e2"}, {244, "nan"}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.inhalt);
        std::optional<std::string> fehler;
        const Projekt q = Gelesen(MitZeile(basis, fall.zeile, fall.inhalt), &fehler);
        ASSERT_TRUE(fehler);
        EXPECT_EQ(*fehler, "Ungültige numerische Eingabe");
        // What came before the line stays; the rest keeps the reset values.
        EXPECT_EQ(q.Fenster.edit_Projekt, "Mehrfamilienhaus Lindenstraße");
        EXPECT_EQ(q.TBName, "");
    }
}

TEST(Cp1252, TextsAreStoredInTheWindowsCodePage) {
    EXPECT_EQ(Utf8ZuCp1252("Räume Öl ß €ƒ…Ÿ"), "R\xE4ume \xD6l \xDF \x80\x83\x85\x9F");
    EXPECT_EQ(Utf8ZuCp1252("Ω日本😀"), "????");
    // Malformed UTF-8: every stray byte becomes "?", nothing else is lost.
    EXPECT_EQ(Utf8ZuCp1252("a\xFF"
                           "b\xC3"),
              "a?b?");
    EXPECT_EQ(Utf8ZuCp1252("\xE2\x82"
                           "c\xED\xA0\x80\xC0\xAF"),
              "??c?????");
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    EXPECT_EQ(Utf8ZuCp1252(Cp1252ZuUtf8(alle)), alle);
    EXPECT_EQ(Cp1252ZuUtf8("\xE4\x80"), "ä€");
}

TEST(Cp1252, NamesThatTheCodePageCannotHoldComeBackWithQuestionMarks) {
    Projekt p = test::Beispielprojekt();
    p.Fenster.edit_TB = "Wand Ω\nzwei\x1A";
    p.Fenster.edit_Projekt = "Straße \xFF";
    Namen_Uebernehmen(p);
    const std::string text = Projektdatei_Text(p);
    EXPECT_EQ(Zeilen(text).size(), 282u);
    EXPECT_NE(Zeilen(text)[2].find("Stra\xDF"
                                   "e ?"),
              std::string::npos);
    const Projekt q = Gelesen(text);
    EXPECT_EQ(q.TBName, "Wand ??zwei?");
    EXPECT_EQ(q.Fenster.edit_Projekt, "Straße ?");
}

using ProjektdateiAufDisk = test::MitTempOrdner;

TEST_F(ProjektdateiAufDisk, WrittenFileHoldsTheTextAndReadsBack) {
    const Projekt p = Vollprojekt();
    const std::string pfad = Pfad("projekt.dat");
    ASSERT_FALSE(Projektdatei_Schreiben(pfad, p));
    ASSERT_FALSE(Projektdatei_Schreiben(pfad, p));  // replaces the existing file
    EXPECT_EQ(Inhalt(pfad), Projektdatei_Text(p));
    EXPECT_EQ(AnzahlDateien(), 1u);
    Projekt q;
    Projekt_Zuruecksetzen(q);
    ASSERT_FALSE(Projektdatei_Lesen(pfad, q));
    EXPECT_EQ(q.TBName, "Wohnungstrennwand");
    EXPECT_TRUE(q.Element == Gelesen(Projektdatei_Text(p)).Element);
}

TEST_F(ProjektdateiAufDisk, OpenAndWriteErrorsHaveGermanMessages) {
    fs::create_directory(Pfad("ordner.dat"));
    std::ofstream(Pfad("riesig.dat")).close();
    fs::resize_file(Pfad("riesig.dat"), kMaxProjektdateiGroesse + 1);
    const std::string langerName = Pfad(std::string(5000, 'x') + ".dat");
    const struct {
        std::string pfad, meldung;
    } lesen[] = {
        {Pfad("fehlt.dat"), "Datei nicht gefunden"},
        {Pfad("kein_ordner/fehlt.dat"), "Ungültiger Dateiname"},
        {Pfad("ordner.dat"), "Dateizugriff verweigert"},
        {langerName, "Ungültiger Dateiname"},
        {"", "Ungültiger Dateiname"},
        {Pfad("riesig.dat"), "Die Datei ist zu groß für eine Projektdatei (mehr als 16 MB)."},
    };
    for (const auto& fall : lesen) {
        Projekt q;
        EXPECT_EQ(Projektdatei_Lesen(fall.pfad, q).value_or("kein Fehler"), fall.meldung)
            << fall.pfad.substr(0, 80);
    }
    const Projekt p = test::Beispielprojekt();
    EXPECT_EQ(Projektdatei_Schreiben(Pfad("kein_ordner/neu.dat"), p).value_or(""),
              "Ungültiger Dateiname");
    EXPECT_EQ(Projektdatei_Schreiben(Pfad("ordner.dat"), p).value_or(""),
              "Dateizugriff verweigert");
    EXPECT_TRUE(fs::is_directory(Pfad("ordner.dat")));
    EXPECT_EQ(DateiFehlermeldung(EMFILE, ""), "Zu viele Dateien geöffnet");
    EXPECT_EQ(DateiFehlermeldung(ENOSPC, ""), "Kapazität der Diskette/Festplatte erschöpft");
    EXPECT_EQ(DateiFehlermeldung(EIO, ""), "I/O-Fehler 5");
    // Nothing but the directory and the large file is left behind.
    EXPECT_EQ(AnzahlDateien(), 2u);
}

// Fixed notation never cuts a number, so the largest values take thousands of characters: the
// reader must take them whole (a cut token would turn 1e308 into 1e63 without notice).
TEST(Projektdatei, EveryNumberTheWriterWritesReadsBack) {
    Projekt p = Vollprojekt();
    p.Element[0][0].mFlaeche = 1e308L;
    p.Element[1][1].roh1 = -1e300L;
    p.Element[2][2].Rw = 1e4000L;  // beyond a double, within the extended range
    p.Element[3][1].d2 = std::numeric_limits<long double>::max();
    p.Element[4][2].RwUser = -std::numeric_limits<long double>::max();
    p.l_F[3] = std::numeric_limits<double>::max();
    p.V_Raum2 = 1e100L;
    const std::string text = Projektdatei_Text(p);
    EXPECT_EQ(Zeilen(text)[27].size(), 309u + 3u);  // 1e308 with all its digits and ".00"
    Projekt q = Gelesen(text);
    EXPECT_EQ(q.Element[0][0].mFlaeche, 1e308L);
    EXPECT_EQ(q.Element[1][1].roh1, -1e300L);
    EXPECT_EQ(q.Element[2][2].Rw, 1e4000L);
    EXPECT_EQ(q.l_F[3], std::numeric_limits<double>::max());
    EXPECT_EQ(q.V_Raum2, 1e100L);
    EXPECT_GT(q.Element[3][1].d2, 1.1e4932L);
    EXPECT_LT(q.Element[4][2].RwUser, -1.1e4932L);
    // What was read writes the same bytes again (the flank areas from the model, as no window
    // shows them here).
    for (auto& zeile : q.Fenster.edit_FF)
        for (auto& feld : zeile) feld.clear();
    const auto wieder = Zeilen(Projektdatei_Text(q));
    const auto zeilen = Zeilen(text);
    ASSERT_EQ(wieder.size(), zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        EXPECT_TRUE(wieder[i] == zeilen[i]) << "Zeile " << i + 1 << ": " << wieder[i].substr(0, 40);
}

// Hostile or odd contents: each is read by the rules or refused with a message, never
// misread.
TEST(Projektdatei, HostileContents) {
    const std::string basis = Projektdatei_Text(Vollprojekt());
    auto gelesen = [&](int zeile, const std::string& inhalt, std::optional<std::string>* fehler) {
        return Gelesen(MitZeile(basis, zeile, inhalt), fehler);
    };
    std::optional<std::string> fehler;

    // Negative volumes of both rooms become 0.
    Projekt q = Gelesen(MitZeile(MitZeile(basis, 244, "-50.000"), 245, "-0.001"));
    EXPECT_EQ(q.V_Raum1, 0);
    EXPECT_EQ(q.V_Raum2, 0);

    // Reals: beyond a double they are read (the calculation refuses them); beyond the extended
    // range they are no number.
    q = gelesen(29, "1e4000", &fehler);
    EXPECT_FALSE(fehler);
    EXPECT_EQ(q.Element[0][0].Rw, 1e4000L);
    gelesen(29, "1e5000", &fehler);
    EXPECT_EQ(fehler.value_or(""), "Ungültige numerische Eingabe");
    // An edge length, a double in the model, must fit a double.
    gelesen(87, "1e400", &fehler);
    EXPECT_EQ(fehler.value_or(""), "Ungültige numerische Eingabe");

    // Whole numbers within 32 bits are read, beyond them refused.
    q = gelesen(11, "2147483647", &fehler);
    EXPECT_FALSE(fehler);
    EXPECT_EQ(q.Element[0][0].Konstrukt, 2147483647);
    q = gelesen(11, "-2147483648", &fehler);
    EXPECT_EQ(q.Element[0][0].Konstrukt, -2147483648LL);
    for (const char* zuGross :
         {"2147483648", "-2147483649", "4294967296", "99999999999999999999"}) {
        gelesen(33, zuGross, &fehler);
        EXPECT_EQ(fehler.value_or(""), "Ungültige numerische Eingabe") << zuGross;
    }

    // A user-value flag other than 0 and 1 is kept as it stands and written back unchanged.
    q = gelesen(247, "7", &fehler);
    EXPECT_FALSE(fehler);
    EXPECT_EQ(q.Element[0][0].RwUserAktiv, 7);
    EXPECT_EQ(Zeilen(Projektdatei_Text(q))[246], "7");

    // A line beyond 64 KB is refused, one of exactly 64 KB is read.
    q = gelesen(3, std::string(kMaxZeilenlaenge, 'x'), &fehler);
    EXPECT_FALSE(fehler);
    EXPECT_EQ(q.Fenster.edit_Projekt.size(), kMaxZeilenlaenge);
    for (int zeile : {2, 3, 10, 243, 282}) {
        gelesen(zeile, std::string(kMaxZeilenlaenge + 1, zeile == 10 ? ' ' : '1'), &fehler);
        EXPECT_EQ(fehler.value_or(""), kZeileZuLangMeldung) << zeile;
    }
    // Blanks in front of a number count to its line.
    gelesen(10, std::string(kMaxZeilenlaenge, ' ') + "7", &fehler);
    EXPECT_EQ(fehler.value_or(""), kZeileZuLangMeldung);
}

TEST_F(ProjektdateiAufDisk, AFileOfExactlyTheSizeLimitIsRead) {
    // The project followed by short empty lines up to the limit: read, the rest ignored.
    std::string text = Projektdatei_Text(Vollprojekt());
    text.append(kMaxProjektdateiGroesse - text.size(), '\n');
    Schreiben(Pfad("genau.dat"), text);
    Projekt q;
    Projekt_Zuruecksetzen(q);
    EXPECT_FALSE(Projektdatei_Lesen(Pfad("genau.dat"), q));
    EXPECT_EQ(q.TBName, "Wohnungstrennwand");
    text += '\n';
    Schreiben(Pfad("genau.dat"), text);
    EXPECT_EQ(Projektdatei_Lesen(Pfad("genau.dat"), q).value_or(""),
              "Die Datei ist zu groß für eine Projektdatei (mehr als 16 MB).");
}

// Saving through a symbolic link replaces the file it points to, and the link stays.
TEST_F(ProjektdateiAufDisk, SavingOntoASymbolicLinkKeepsTheLink) {
    const Projekt p = Vollprojekt();
    fs::create_directory(Pfad("ablage"));
    Schreiben(Pfad("ablage/ziel.dat"), "alt");
    fs::create_symlink("ablage/ziel.dat", Pfad("link.dat"));  // relative to the link's folder
    fs::create_symlink(Pfad("link.dat"), Pfad("link2.dat"));  // a link to the link
    fs::create_symlink("ablage/neu.dat", Pfad("offen.dat"));  // pointing to no file yet
    for (const char* link : {"link.dat", "link2.dat", "offen.dat"}) {
        SCOPED_TRACE(link);
        ASSERT_FALSE(Projektdatei_Schreiben(Pfad(link), p));
        EXPECT_TRUE(fs::is_symlink(Pfad(link)));
        EXPECT_EQ(Inhalt(Pfad(link)), Projektdatei_Text(p));
    }
    EXPECT_EQ(Inhalt(Pfad("ablage/ziel.dat")), Projektdatei_Text(p));
    EXPECT_EQ(Inhalt(Pfad("ablage/neu.dat")), Projektdatei_Text(p));
    EXPECT_EQ(fs::read_symlink(Pfad("link.dat")), "ablage/ziel.dat");
    // No temporary file is left in either folder.
    EXPECT_EQ(AnzahlDateien(), 4u);
    EXPECT_EQ(std::distance(fs::directory_iterator(Pfad("ablage")), fs::directory_iterator()), 2);

    fs::create_symlink(Pfad("kreis.dat"), Pfad("kreis.dat"));
    EXPECT_EQ(Projektdatei_Schreiben(Pfad("kreis.dat"), p).value_or(""), "Ungültiger Dateiname");
}

TEST(Projektdatei, WriteErrorsSaySoForPlacesThatTakeNoFiles) {
    // /proc exists but creates no files: "no such file" there means the file cannot be written.
    EXPECT_EQ(Projektdatei_Schreiben("/proc/phonikon.dat", test::Beispielprojekt()).value_or(""),
              "Datei kann nicht geschrieben werden");
    EXPECT_EQ(SchreibFehlermeldung(ENOENT, "/proc/x.dat"), "Datei kann nicht geschrieben werden");
    EXPECT_EQ(DateiFehlermeldung(ENOENT, "/proc/x.dat"), "Datei nicht gefunden");
}

TEST_F(ProjektdateiAufDisk, GarbageEndsQuicklyWithAnErrorOrAProject) {
    std::mt19937 zufall(4711);
    std::string zufallsbytes(10 * 1024 * 1024, '\0');
    for (char& c : zufallsbytes) c = static_cast<char>(zufall());
    const std::string faelle[] = {
        zufallsbytes,
        std::string(10 * 1024 * 1024, ' '),
        std::string(10 * 1024 * 1024, '7'),
        std::string(10 * 1024 * 1024, '\r'),
        "Projektdaten: Phonikon Version 2.1\r\n" + std::string(10 * 1024 * 1024, 'A'),
    };
    for (const auto& bytes : faelle) {
        const std::string pfad = Pfad("muell.dat");
        std::ofstream(pfad, std::ios::binary) << bytes;
        const auto start = std::chrono::steady_clock::now();
        Projekt q;
        Projekt_Zuruecksetzen(q);
        const auto fehler = Projektdatei_Lesen(pfad, q);
        if (fehler) {
            EXPECT_TRUE(*fehler == "Ungültige numerische Eingabe" || *fehler == kZeileZuLangMeldung)
                << *fehler;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
}

}  // namespace
}  // namespace phonikon
