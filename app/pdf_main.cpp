// phonikon-pdf: the two-page report of a project as a PDF file, without a window. Started by
// "phonikon-cli pdf", which stays free of Qt itself.
//
//   phonikon-pdf PROJEKT.dat BERICHT.pdf [--dezimal ,|.] [--ohne-deckblatt]
//
// The company header comes from "Firma.set" in the current directory when there is one.
// Exit status: 0 success, 2 a file could not be read or written or the project has no complete
// results, 64 wrong usage.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "calc/project_reset.h"
#include "calc/sketch_scene.h"
#include "printout/company_header.h"
#include "printout/report_pages.h"
#include "projectfile/file_flows.h"

namespace {

constexpr int kFehler = 2;
constexpr int kAufruf = 64;

struct Auftrag {
    std::string projekt, bericht;
    char dezimal = ',';
    bool mitDeckblatt = true;
};

bool Lesen(const std::vector<std::string>& args, Auftrag& a) {
    std::vector<std::string> dateien;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dezimal") {
            if (i + 1 >= args.size() || (args[i + 1] != "," && args[i + 1] != ".")) return false;
            a.dezimal = args[++i][0];
        } else if (args[i] == "--ohne-deckblatt") {
            a.mitDeckblatt = false;
        } else {
            dateien.push_back(args[i]);
        }
    }
    if (dateien.size() != 2) return false;
    a.projekt = dateien[0];
    a.bericht = dateien[1];
    return true;
}

int Fehler(const std::string& datei, std::string meldung) {
    while (!meldung.empty() && (meldung.back() == '\n' || meldung.back() == ' '))
        meldung.pop_back();
    const char* abstand = !meldung.empty() && meldung[0] == ' ' ? "" : " ";
    std::fprintf(stderr, "%s:%s%s\n", datei.c_str(), abstand, meldung.c_str());
    return kFehler;
}

int Ausfuehren(const Auftrag& a) {
    phonikon::Projekt p(a.dezimal);
    phonikon::Projekt_Zuruecksetzen(p);
    phonikon::Skizzenfarben(p);
    phonikon::Berechnen(p);
    const auto geoeffnet = phonikon::Projekt_Einlesen(p, a.projekt);
    if (geoeffnet.fehler) return Fehler(a.projekt, *geoeffnet.fehler);
    if (geoeffnet.rechenfehler) return Fehler(a.projekt, *geoeffnet.rechenfehler);

    phonikon::Firmendaten firma;
    const std::string firmaSet = "Firma.set";
    if (QFile::exists(QString::fromStdString(firmaSet)))
        if (auto fehler = phonikon::Firma_Lesen(firma, firmaSet)) return Fehler(firmaSet, *fehler);
    QImage logo;
    if (!firma.edit_Logo.empty() && !logo.load(QString::fromStdString(firma.edit_Logo)))
        std::fprintf(stderr, "%s: Logo nicht lesbar, der Kopf bleibt ohne Logo\n",
                     firma.edit_Logo.c_str());

    auto bericht = phonikon::Druckbericht_Erstellen(p, firma, logo);
    if (auto* meldung = std::get_if<std::string>(&bericht)) return Fehler(a.projekt, *meldung);
    if (auto fehler =
            phonikon::Bericht_AlsPdf(QString::fromStdString(a.bericht),
                                     std::get<phonikon::Druckbericht>(bericht), a.mitDeckblatt))
        return Fehler(a.bericht, fehler->toStdString());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Auftrag auftrag;
    if (!Lesen(std::vector<std::string>(argv + 1, argv + argc), auftrag)) {
        std::fputs(
            "Aufruf:\n  phonikon-cli pdf PROJEKT.dat BERICHT.pdf [--dezimal ,|.] "
            "[--ohne-deckblatt]\n",
            stderr);
        return kAufruf;
    }
    // Fonts and the PDF writer need a GUI application, not a screen.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt's notes about the environment (no runtime directory and the like) are not the user's
    // business here; real failures come back as this program's own messages.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    return Ausfuehren(auftrag);
}
