// phonikon-cli: the calculation core for batch work and scripts.
//
//   phonikon-cli protokoll DATEI.dat... [--dezimal ,|.]   the results protocol of each file
//   phonikon-cli json DATEI.dat...                        one JSON object of results per file
//   phonikon-cli kopie EIN.dat AUS.dat                    open and save again
//   phonikon-cli pdf PROJEKT.dat BERICHT.pdf [--dezimal ,|.] [--ohne-deckblatt]
//                                                         the printed report as PDF (phonikon-pdf)
//
// Options may stand anywhere on the line; "--" ends them. Every file is opened as the window
// opens it (reset, read, refresh, calculate) in a freshly reset project of its own; several files
// are worked on in parallel and reported in order. Exit status: 0 success, 2 a file could not be
// read or written, 64 wrong usage.
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli_batch.h"
#include "app/cli_json.h"
#include "app/cli_pdf.h"
#include "calc/project_reset.h"
#include "calc/protocol.h"
#include "projectfile/file_flows.h"

namespace {

constexpr int kFehler = 2;
constexpr int kAufruf = 64;

const char* const kAufrufText =
    "Aufruf:\n"
    "  phonikon-cli protokoll DATEI.dat... [--dezimal ,|.]\n"
    "  phonikon-cli json DATEI.dat...\n"
    "  phonikon-cli kopie EIN.dat AUS.dat\n"
    "  phonikon-cli pdf PROJEKT.dat BERICHT.pdf [--dezimal ,|.] [--ohne-deckblatt]\n";

int Aufruffehler(const std::string& grund = {}) {
    if (!grund.empty()) std::fprintf(stderr, "phonikon-cli: %s\n", grund.c_str());
    std::fputs(kAufrufText, stderr);
    return kAufruf;
}

// A message on stderr as one whole line, after everything already meant for stdout, so that the
// two streams never mix within a line when they go to the same place.
void Fehler(const std::string& datei, const std::string& meldung) {
    std::fflush(stdout);
    const std::string zeile = datei + ": " + meldung + "\n";
    std::string_view rest = zeile;
    while (!rest.empty()) {
        const ssize_t n = ::write(STDERR_FILENO, rest.data(), rest.size());
        if (n <= 0) break;
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
}

// A project as the program holds it right after start-up.
phonikon::Projekt NeuesProjekt(char dezimal) {
    phonikon::Projekt p(dezimal);
    p.SkizzeZeichnen = false;  // nothing here shows it
    phonikon::Projekt_Frisch(p);
    return p;
}

// Opens one file into the fresh project `p` (nothing to protect there, so no copy is taken);
// returns the German message on failure.
std::optional<std::string> Oeffnen(phonikon::Projekt& p, const std::string& datei) {
    auto ergebnis = phonikon::Projekt_Einlesen(p, datei);
    if (ergebnis.fehler) return ergebnis.fehler;
    return ergebnis.rechenfehler;
}

// Prints one file's result in the order of the files; a failed file sets the exit status and
// has its message on stderr as well.
class Ausgabe {
  public:
    void operator()(const std::string& datei, const phonikon::Stapelergebnis& ergebnis) {
        std::fwrite(ergebnis.ausgabe.data(), 1, ergebnis.ausgabe.size(), stdout);
        if (!ergebnis.fehler.empty()) {
            Fehler(datei, ergebnis.fehler);
            status_ = kFehler;
        }
    }
    int status() const { return status_; }

  private:
    int status_ = 0;
};

// What a command prints for a file it could open, and for one it could not.
struct Textform {
    std::string (*ergebnis)(const std::string& datei, const phonikon::Projekt& p);
    std::string (*fehler)(const std::string& datei, const std::string& meldung);
};

// Opens every file in a fresh copy of `leer` and passes the project to `form` for its output.
int Stapel(const std::vector<std::string>& dateien, const phonikon::Projekt& leer, Textform form) {
    Ausgabe ausgabe;
    phonikon::StapelVerarbeiten(
        dateien,
        [&leer, form](const std::string& datei) {
            phonikon::Projekt p = leer;
            phonikon::Stapelergebnis e;
            if (auto fehler = Oeffnen(p, datei)) {
                e.fehler = *fehler;
                if (form.fehler) e.ausgabe = form.fehler(datei, *fehler);
            } else {
                e.ausgabe = form.ergebnis(datei, p);
            }
            return e;
        },
        std::ref(ausgabe));
    return ausgabe.status();
}

std::string ProtokollText(const std::string&, const phonikon::Projekt& p) {
    std::string text;
    for (const auto& zeile : phonikon::Protokoll_Erstellen(p)) text += zeile + "\n";
    return text;
}

std::string JsonZeile(const std::string& datei, const phonikon::Projekt& p) {
    return phonikon::ErgebnisJson(datei, p) + "\n";
}

std::string JsonFehlerzeile(const std::string& datei, const std::string& meldung) {
    return phonikon::FehlerJson(datei, meldung) + "\n";
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

// The command line taken apart: the first word that is no option names the command, the others
// are files. Anything beginning with "-" is an option, up to a "--".
struct Aufruf {
    std::string befehl;
    std::vector<std::string> dateien;
    std::optional<char> dezimal;
    bool hilfe = false;
    std::string unbekannt;  // the first option that no command takes
};

Aufruf Zerlegen(const std::vector<std::string>& args) {
    Aufruf a;
    bool nurDateien = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!nurDateien && arg == "--") {
            nurDateien = true;
        } else if (!nurDateien && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--hilfe" || arg == "--help" || arg == "-h") {
                a.hilfe = true;
            } else if (arg == "--dezimal" || arg.rfind("--dezimal=", 0) == 0) {
                std::string wert = arg.size() > 9 ? arg.substr(10) : "";
                if (arg.size() == 9 && i + 1 < args.size()) wert = args[++i];
                if (wert != "," && wert != ".") {
                    if (a.unbekannt.empty()) a.unbekannt = "--dezimal verlangt \",\" oder \".\"";
                } else {
                    a.dezimal = wert[0];
                }
            } else if (a.unbekannt.empty()) {
                a.unbekannt = "unbekannte Option " + arg;
            }
        } else if (a.befehl.empty()) {
            a.befehl = arg;
        } else {
            a.dateien.push_back(arg);
        }
    }
    return a;
}

// "pdf" goes to its own program with its own options; it expects the command as the first word.
int Pdf(int argc, char** argv) {
    std::vector<char*> args{argv[0], const_cast<char*>("pdf")};
    bool gefunden = false;
    for (int i = 1; i < argc; ++i) {
        if (!gefunden && std::string_view(argv[i]) == "pdf") {
            gefunden = true;
            continue;
        }
        args.push_back(argv[i]);
    }
    args.push_back(nullptr);
    return phonikon::PdfBefehl(static_cast<int>(args.size()) - 1, args.data());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Aufruf a = Zerlegen(args);
    if (a.befehl == "pdf") return Pdf(argc, argv);  // the report needs Qt
    if (a.hilfe) {
        std::fputs(kAufrufText, stdout);
        return 0;
    }
    if (!a.unbekannt.empty()) return Aufruffehler(a.unbekannt);
    if (a.dezimal && a.befehl != "protokoll")
        return Aufruffehler("--dezimal gilt nur für protokoll");

    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    if (a.befehl == "protokoll" && !a.dateien.empty())
        return Stapel(a.dateien, NeuesProjekt(a.dezimal.value_or(',')), {ProtokollText, nullptr});
    if (a.befehl == "json" && !a.dateien.empty())
        return Stapel(a.dateien, NeuesProjekt('.'), {JsonZeile, JsonFehlerzeile});
    if (a.befehl == "kopie" && a.dateien.size() == 2) return Kopie(a.dateien[0], a.dateien[1]);
    return Aufruffehler();
}
