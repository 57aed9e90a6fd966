// "phonikon-cli pdf" end to end: the report as PDF with company header and logo, the left-out
// cover page, the decimal separator, embedded fonts, a vector sketch, and the refusals.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "calc/project_reset.h"
#include "printout/company_header.h"
#include "projectfile/file_flows.h"
#include "temp_folder.h"

namespace phonikon {
namespace {

// A 60 × 24 chequered PNG as the company logo.
const unsigned char kLogo[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x3c, 0x00, 0x00, 0x00, 0x18, 0x08, 0x02, 0x00, 0x00, 0x00, 0x29,
    0xa3, 0x09, 0x05, 0x00, 0x00, 0x00, 0x3f, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0xed, 0xd6,
    0x31, 0x0a, 0x00, 0x20, 0x0c, 0x04, 0xc1, 0xbc, 0xd6, 0xd7, 0xe6, 0x4f, 0xda, 0xc7, 0x5e,
    0x4e, 0x18, 0xb8, 0x72, 0x8b, 0xa9, 0x42, 0xaa, 0x56, 0x8f, 0xed, 0xae, 0xb1, 0xb8, 0x06,
    0x1a, 0x1a, 0x3a, 0xa0, 0xf9, 0x80, 0x78, 0x35, 0xd0, 0xd0, 0xd0, 0x09, 0x68, 0x77, 0x1a,
    0x1a, 0x1a, 0xda, 0xef, 0x01, 0x0d, 0x0d, 0xfd, 0xb0, 0x39, 0x78, 0x05, 0x68, 0x09, 0xa0,
    0x58, 0xee, 0xbc, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

struct Lauf {
    int status = -1;
    std::string ausgabe;  // stdout and stderr together
};

Lauf Ausfuehren(const std::string& befehl) {
    Lauf lauf;
    FILE* pipe = popen((befehl + " 2>&1").c_str(), "r");
    if (!pipe) return lauf;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) lauf.ausgabe.append(buf, n);
    const int s = pclose(pipe);
    lauf.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return lauf;
}

std::string Beispiel() {
    return std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat";
}

size_t Anzahl(const std::string& text, const std::string& teil) {
    size_t n = 0;
    for (size_t pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + 1))
        ++n;
    return n;
}

class PdfBefehl : public test::MitTempOrdner {
  protected:
    void SetUp() override {
#ifndef PHONIKON_PDF_GEBAUT
        GTEST_SKIP() << "phonikon-pdf is built only with the windows";
#endif
        if (Ausfuehren("pdftotext -v").status != 0) GTEST_SKIP() << "poppler-utils missing";
        MitTempOrdner::SetUp();
    }
    // Runs the command in the temporary folder, where it looks for Firma.set.
    Lauf Pdf(const std::string& argumente) {
        return Ausfuehren("cd '" + ordner_.string() + "' && " + PHONIKON_CLI + " pdf " + argumente);
    }
    std::string Seite(const std::string& pdf, int seite) {
        const std::string s = std::to_string(seite);
        return Ausfuehren("pdftotext -f " + s + " -l " + s + " '" + pdf + "' -").ausgabe;
    }
    int Seiten(const std::string& pdf) {
        const std::string info = Ausfuehren("pdfinfo '" + pdf + "'").ausgabe;
        const size_t pos = info.find("Pages:");
        return pos == std::string::npos ? -1 : std::stoi(info.substr(pos + 6));
    }
    void FirmaAnlegen() {
        Schreiben(Pfad("logo.png"),
                  std::string(reinterpret_cast<const char*>(kLogo), sizeof kLogo));
        Firmendaten f;
        f.edit_Fa = "Akustikbüro Nordwind";
        f.edit_Ort = "Kiel";
        f.edit_Date = "3. 4. 2026";
        f.edit_Bearbeiter = "A. Schall";
        f.edit_Logo = Pfad("logo.png");
        ASSERT_FALSE(Firma_Schreiben(f, Pfad("Firma.set")));
    }
};

TEST_F(PdfBefehl, ZweiSeitenMitFirmenkopfLogoUndEingebettetenSchriften) {
    FirmaAnlegen();
    const Lauf lauf = Pdf("'" + Beispiel() + "' bericht.pdf");
    ASSERT_EQ(lauf.status, 0) << lauf.ausgabe;
    const std::string pdf = Pfad("bericht.pdf");
    EXPECT_EQ(Seiten(pdf), 2);

    const std::string deckblatt = Seite(pdf, 1);
    EXPECT_NE(deckblatt.find("SCHALLTECHNISCHE UNTERSUCHUNG"), std::string::npos);
    EXPECT_NE(deckblatt.find("Mehrfamilienhaus Lindenstraße"), std::string::npos);
    EXPECT_NE(deckblatt.find("Aufgestellt: Kiel, den 3. 4. 2026"), std::string::npos);
    EXPECT_NE(deckblatt.find("Wohnzimmer und Schlafzimmer"), std::string::npos);
    EXPECT_EQ(deckblatt.find("Flankierende Bauteile:"), std::string::npos);

    const std::string rechenblatt = Seite(pdf, 2);
    EXPECT_NE(rechenblatt.find("Flankierende Bauteile:"), std::string::npos);
    EXPECT_NE(rechenblatt.find("Flächenmasse m':"), std::string::npos);
    EXPECT_NE(rechenblatt.find("51,0 [dB]"), std::string::npos);
    EXPECT_NE(rechenblatt.find("(Berechnungsergebnisse ohne Vorhaltemaß)"), std::string::npos);
    EXPECT_EQ(rechenblatt.find("SCHALLTECHNISCHE UNTERSUCHUNG"), std::string::npos);
    // The company name heads both pages.
    EXPECT_NE(rechenblatt.find("Akustikbüro Nordwind"), std::string::npos);

    // Every font is embedded.
    const std::string schriften = Ausfuehren("pdffonts '" + pdf + "'").ausgabe;
    EXPECT_GE(Anzahl(schriften, "TrueType"), 1u) << schriften;
    EXPECT_EQ(Anzahl(schriften, "Identity-H       yes"), Anzahl(schriften, "TrueType"))
        << schriften;
    // The only pictures are the logo, once per page: sketch and junctions are vectors.
    const std::string bilder = Ausfuehren("pdfimages -list '" + pdf + "'").ausgabe;
    EXPECT_EQ(Anzahl(bilder, " image "), 2u) << bilder;
    EXPECT_EQ(Anzahl(bilder, "    60    24 "), 2u) << bilder;
}

TEST_F(PdfBefehl, OhneDeckblattUndMitDezimalpunkt) {
    const Lauf lauf = Pdf("--ohne-deckblatt '" + Beispiel() + "' b.pdf --dezimal .");
    ASSERT_EQ(lauf.status, 0) << lauf.ausgabe;
    EXPECT_EQ(Seiten(Pfad("b.pdf")), 1);
    const std::string text = Seite(Pfad("b.pdf"), 1);
    EXPECT_NE(text.find("51.0 [dB]"), std::string::npos);
    EXPECT_EQ(text.find("SCHALLTECHNISCHE"), std::string::npos);
    // Without a company file the header stays empty and nothing is refused.
    EXPECT_NE(text.find("PROJEKT: Mehrfamilienhaus"), std::string::npos);
}

TEST_F(PdfBefehl, VerweigerungenMitStatusUndMeldung) {
    // A project without complete results.
    Projekt leer;
    Projekt_Zuruecksetzen(leer);
    ASSERT_FALSE(Projekt_SpeichernUnter(leer, Pfad("leer.dat")));
    Lauf lauf = Pdf("leer.dat aus.pdf");
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.ausgabe.find("Keine Berechnungsergebnisse vorhanden!"), std::string::npos)
        << lauf.ausgabe;

    lauf = Pdf("fehlt.dat aus.pdf");
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.ausgabe.find("fehlt.dat"), std::string::npos);

    lauf = Pdf("'" + Beispiel() + "' kein/ordner/aus.pdf");
    EXPECT_EQ(lauf.status, 2);
    EXPECT_NE(lauf.ausgabe.find("kann nicht geschrieben werden"), std::string::npos)
        << lauf.ausgabe;
    EXPECT_EQ(AnzahlDateien(), 1u);  // only leer.dat: no PDF was left behind

    for (const char* falsch : {"", "nur.dat", "a.dat b.pdf c.pdf", "a.dat b.pdf --dezimal x",
                               "a.dat b.pdf --dezimal", "a.dat b.pdf --farbig"}) {
        SCOPED_TRACE(falsch);
        lauf = Pdf(falsch);
        EXPECT_EQ(lauf.status, 64);
        EXPECT_NE(lauf.ausgabe.find("Aufruf:"), std::string::npos);
    }
}

}  // namespace
}  // namespace phonikon
