// phonikon-cli: the calculation core for batch work and scripts.
//
//   phonikon-cli protokoll DATEI.dat... [--dezimal ,|.]   the results protocol of each file
//   phonikon-cli json DATEI.dat...                        one JSON object of results per file
//   phonikon-cli kopie EIN.dat AUS.dat                    open and save again
//
// Every file is opened as the window opens it (reset, read, refresh, calculate) in a freshly
// reset project of its own; several files are worked on in parallel and reported in order. Exit
// status: 0 success, 2 a file could not be read or written, 64 wrong usage.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli_batch.h"
#include "app/cli_json.h"
#include "calc/calculation.h"
#include "calc/project_reset.h"
#include "calc/protocol.h"
#include "calc/sketch_scene.h"
#include "projectfile/file_flows.h"

namespace {

constexpr int kFehler = 2;
constexpr int kAufruf = 64;

const char* const kAufrufText =
    "Aufruf:\n"
    "  phonikon-cli protokoll DATEI.dat... [--dezimal ,|.]\n"
    "  phonikon-cli json DATEI.dat...\n"
    "  phonikon-cli kopie EIN.dat AUS.dat\n";

int Aufruffehler() {
    std::fputs(kAufrufText, stderr);
    return kAufruf;
}

void Fehler(const std::string& datei, const std::string& meldung) {
    std::fprintf(stderr, "%s: %s\n", datei.c_str(), meldung.c_str());
}

// A project as the program holds it right after start-up.
phonikon::Projekt NeuesProjekt(char dezimal) {
    phonikon::Projekt p(dezimal);
    p.SkizzeZeichnen = false;  // nothing here shows it
    phonikon::Projekt_Zuruecksetzen(p);
    phonikon::Skizzenfarben(p);
    phonikon::Berechnen(p);
    p.Gespeichert = 1;
    return p;
}

// Opens one file into the fresh project `p` (nothing to protect there, so no copy is taken);
// returns the German message on failure.
std::optional<std::string> Oeffnen(phonikon::Projekt& p, const std::string& datei) {
    auto ergebnis = phonikon::Projekt_Einlesen(p, datei);
    if (ergebnis.fehler) return ergebnis.fehler;
    return ergebnis.rechenfehler;
}

// Prints one file's result in the order of the files; a failed file sets the exit status.
class Ausgabe {
  public:
    void operator()(const std::string& datei, const phonikon::Stapelergebnis& ergebnis) {
        if (!ergebnis.fehler.empty()) {
            Fehler(datei, ergebnis.fehler);
            status_ = kFehler;
            return;
        }
        std::fwrite(ergebnis.ausgabe.data(), 1, ergebnis.ausgabe.size(), stdout);
    }
    int status() const { return status_; }

  private:
    int status_ = 0;
};

// Opens every file in a fresh copy of `leer` and passes the project to `text` for its output.
int Stapel(const std::vector<std::string>& dateien, const phonikon::Projekt& leer,
           std::string (*text)(const phonikon::Projekt&)) {
    Ausgabe ausgabe;
    phonikon::StapelVerarbeiten(
        dateien,
        [&leer, text](const std::string& datei) {
            phonikon::Projekt p = leer;
            phonikon::Stapelergebnis e;
            if (auto fehler = Oeffnen(p, datei))
                e.fehler = *fehler;
            else
                e.ausgabe = text(p);
            return e;
        },
        std::ref(ausgabe));
    return ausgabe.status();
}

std::string ProtokollText(const phonikon::Projekt& p) {
    std::string text;
    for (const auto& zeile : phonikon::Protokoll_Erstellen(p)) text += zeile + "\n";
    return text;
}

std::string JsonZeile(const phonikon::Projekt& p) {
    return phonikon::ErgebnisJson(p) + "\n";
}

int Kopie(const std::string& ein, const std::string& aus) {
    phonikon::Projekt p = NeuesProjekt(',');
    if (auto fehler = Oeffnen(p, ein)) {
        Fehler(ein, *fehler);
        return kFehler;
    }
    if (auto fehler = phonikon::Projekt_SpeichernUnter(p, aus)) {
        Fehler(aus, *fehler);
        return kFehler;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Aufruffehler();
    const std::string befehl = args[0];
    std::vector<std::string> dateien;
    char dezimal = ',';
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--dezimal" && befehl == "protokoll") {
            if (i + 1 >= args.size() || (args[i + 1] != "," && args[i + 1] != "."))
                return Aufruffehler();
            dezimal = args[++i][0];
        } else {
            dateien.push_back(args[i]);
        }
    }
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    if (befehl == "protokoll" && !dateien.empty())
        return Stapel(dateien, NeuesProjekt(dezimal), ProtokollText);
    if (befehl == "json" && !dateien.empty()) return Stapel(dateien, NeuesProjekt('.'), JsonZeile);
    if (befehl == "kopie" && dateien.size() == 2) return Kopie(dateien[0], dateien[1]);
    return Aufruffehler();
}
