// The company file "Firma.set": its 16 lines, the round trip, the distance checks and a safe
// write.
#include "printout/company_header.h"

#include <sys/stat.h>

#include <filesystem>

#include "temp_folder.h"

namespace phonikon {
namespace {

using test::MitTempOrdner;

Firmendaten Beispiel() {
    Firmendaten f;
    f.edit_Fa = "Müller & Söhne Bauphysik";
    f.edit_Str = "Hauptstraße 5";
    f.edit_PLZ = "12345";
    f.edit_Ort = "Köln";
    f.edit_Bearbeiter = "Dipl.-Ing. Weiß";
    f.edit_Date = "9. 12. 2026";
    f.edit_Tel = "0221 123456";
    f.edit_Fax = "0221 123457";
    f.edit_Mail = "info@example.org";
    f.edit_www = "www.example.org";
    f.edit_Logo = "/home/nutzer/Logo Ä.png";
    f.edit_LogoLeft = "12";
    f.edit_LogoTop = "3";
    f.edit_FaNameLeft = "140";
    f.edit_FaNameTop = "20";
    return f;
}

using FirmaSet = MitTempOrdner;

TEST_F(FirmaSet, EmptyFieldsAreWrittenAsOneBlankAndTheDistancesAsZero) {
    ASSERT_EQ(Firma_Schreiben(Firmendaten{}, Pfad("Firma.set")), std::nullopt);
    std::string erwartet;
    for (int i = 0; i < 11; ++i) erwartet += " \r\n";
    erwartet += "0\r\n0\r\n0\r\n0\r\n1\r\n";
    EXPECT_EQ(Inhalt(Pfad("Firma.set")), erwartet);
}

TEST_F(FirmaSet, RoundTripKeepsEveryTextInWindows1252) {
    const Firmendaten f = Beispiel();
    ASSERT_EQ(Firma_Schreiben(f, Pfad("Firma.set")), std::nullopt);
    const std::string bytes = Inhalt(Pfad("Firma.set"));
    EXPECT_EQ(bytes.substr(0, 26), "M\xFCller & S\xF6hne Bauphysik\r\n");
    EXPECT_NE(bytes.find("\r\n12\r\n3\r\n140\r\n20\r\n1\r\n"), std::string::npos);

    Firmendaten gelesen;
    ASSERT_EQ(Firma_Lesen(gelesen, Pfad("Firma.set")), std::nullopt);
    EXPECT_EQ(gelesen, f);
}

TEST_F(FirmaSet, EmptyFieldsComeBackAsOneBlank) {
    Firmendaten f;
    f.edit_Fa = "Firma";
    ASSERT_EQ(Firma_Schreiben(f, Pfad("Firma.set")), std::nullopt);
    Firmendaten gelesen;
    ASSERT_EQ(Firma_Lesen(gelesen, Pfad("Firma.set")), std::nullopt);
    EXPECT_EQ(gelesen.edit_Fa, "Firma");
    EXPECT_EQ(gelesen.edit_Str, " ");
    EXPECT_EQ(gelesen.edit_Logo, " ");
    EXPECT_EQ(gelesen.edit_LogoLeft, "0");
}

TEST_F(FirmaSet, ShortFileGivesEmptyTextsAndBareLineFeedsAreLines) {
    Schreiben(Pfad("Firma.set"),
              "Firma\nStra\xDF"
              "e\r\n");
    Firmendaten f = Beispiel();
    ASSERT_EQ(Firma_Lesen(f, Pfad("Firma.set")), std::nullopt);
    EXPECT_EQ(f.edit_Fa, "Firma");
    EXPECT_EQ(f.edit_Str, "Straße");
    EXPECT_EQ(f.edit_PLZ, "");
    EXPECT_EQ(f.edit_FaNameTop, "");
}

TEST_F(FirmaSet, UnreadableFileLeavesTheDataAndReportsInGerman) {
    Firmendaten f = Beispiel();
    EXPECT_EQ(Firma_Lesen(f, Pfad("fehlt.set")), "Datei nicht gefunden");
    std::filesystem::create_directory(Pfad("ordner.set"));
    EXPECT_TRUE(Firma_Lesen(f, Pfad("ordner.set")).has_value());
    EXPECT_EQ(f, Beispiel());
}

TEST_F(FirmaSet, FailedWriteKeepsTheOldFile) {
    ASSERT_EQ(Firma_Schreiben(Beispiel(), Pfad("Firma.set")), std::nullopt);
    const std::string alt = Inhalt(Pfad("Firma.set"));
    ::chmod(ordner_.c_str(), 0500);
    const auto fehler = Firma_Schreiben(Firmendaten{}, Pfad("Firma.set"));
    ::chmod(ordner_.c_str(), 0700);
    if (::geteuid() != 0) {
        EXPECT_EQ(fehler, "Dateizugriff verweigert");
    }
    if (fehler) {
        EXPECT_EQ(Inhalt(Pfad("Firma.set")), alt);
    }
    EXPECT_EQ(AnzahlDateien(), 1u);  // no temporary file left behind

    EXPECT_EQ(Firma_Schreiben(Beispiel(), Pfad("kein/Ordner/Firma.set")), "Ungültiger Dateiname");
}

TEST(FirmaAbstaende, ConversionAndCheck) {
    struct Fall {
        std::string links, oben, nameLinks, nameOben;
        std::optional<std::string> fehler;
        bool abgelehnt;
    };
    const Fall faelle[] = {
        {"0", "0", "0", "0", std::nullopt, false},
        {"12", " 7 ", "+3", "400", std::nullopt, false},
        {"-1", "0", "0", "0", std::nullopt, true},
        {"0", "-5", "0", "0", std::nullopt, true},
        {"0", "0", "-1", "0", std::nullopt, true},
        {"0", "0", "0", "-1", std::nullopt, true},
        {"1a", "0", "0", "0", "'1a' ist kein gültiger Integerwert", false},
        {"0", "0", "", "0", "'' ist kein gültiger Integerwert", false},
        {"0", "99999999999", "0", "0", "'99999999999' ist kein gültiger Integerwert", false},
    };
    for (const Fall& fall : faelle) {
        Firmendaten f;
        f.edit_LogoLeft = fall.links;
        f.edit_LogoTop = fall.oben;
        f.edit_FaNameLeft = fall.nameLinks;
        f.edit_FaNameTop = fall.nameOben;
        const auto a = Firma_Abstaende(f);
        SCOPED_TRACE(fall.links + "|" + fall.oben + "|" + fall.nameLinks + "|" + fall.nameOben);
        if (fall.fehler) {
            ASSERT_TRUE(std::holds_alternative<std::string>(a));
            EXPECT_EQ(std::get<std::string>(a), *fall.fehler);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Abstaende>(a));
        EXPECT_EQ(Firma_AbstaendePruefen(std::get<Abstaende>(a)).has_value(), fall.abgelehnt);
    }
    Firmendaten f;
    f.edit_LogoLeft = "-3";
    f.edit_LogoTop = "abc";
    EXPECT_NE(Firma_Text(f).find("\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"), std::string::npos);
    EXPECT_EQ(*Firma_AbstaendePruefen({-1, 0, 0, 0}),
              "Falsche Eingabe!  Einstellungen wurden nicht übernommen.");
}

}  // namespace
}  // namespace phonikon
