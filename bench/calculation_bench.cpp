// Speed of the calculation that runs at every keystroke, and of opening a project file.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "calc/calculation.h"
#include "calc/project_reset.h"
#include "projectfile/file_flows.h"
#include "projectfile/project_file.h"

namespace {

using namespace phonikon;

Projekt Beispiel() {
    Projekt p(',');
    Projekt_Zuruecksetzen(p);
    for (int r = 0; r <= 4; ++r)
        for (int c = 0; c <= 2; ++c)
            if (r > 0 ? c > 0 : c == 0) {
                p.Element[r][c].mFlaeche = 400;
                p.Element[r][c].Rw = 55;
            }
    for (int i = 1; i <= 4; ++i) p.Fenster.edit_LF[i] = "4";
    p.Fenster.edit_A = "10";
    p.Fenster.edit_L1 = p.Fenster.edit_L2 = "4";
    p.Fenster.edit_Vol1 = "50";
    p.Fenster.edit_Vol2 = "40";
    return p;
}

void BM_Berechnen(benchmark::State& state) {
    Projekt p = Beispiel();
    for (auto _ : state) {
        Berechnen(p);
        benchmark::DoNotOptimize(p.R_w_Bau);
    }
    if (!p.EingabenVollstaendig) state.SkipWithError("worked example incomplete");
}
BENCHMARK(BM_Berechnen);

std::string Datei(const char* name) {
    std::ifstream in(std::string(PHONIKON_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Reading the bytes of a project file into a reset project and calculating it.
void BM_LesenUndBerechnen(benchmark::State& state) {
    const std::string text = Datei("beispiel.dat");
    Projekt leer(',');
    Projekt_Zuruecksetzen(leer);
    for (auto _ : state) {
        Projekt p = leer;
        Projekt_Zuruecksetzen(p);
        Projektdatei_LesenAusText(text, p);
        Berechnen(p);
        benchmark::DoNotOptimize(p.R_w_Bau);
    }
}
BENCHMARK(BM_LesenUndBerechnen);

// The whole open flow from disk, as the window and the command-line tool run it.
void BM_ProjektOeffnen(benchmark::State& state) {
    const std::string pfad = std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat";
    Projekt p(',');
    Projekt_Zuruecksetzen(p);
    for (auto _ : state) {
        auto ergebnis = Projekt_Oeffnen(p, pfad);
        if (ergebnis.fehler) state.SkipWithError(ergebnis.fehler->c_str());
        benchmark::DoNotOptimize(p.R_w_Bau);
    }
}
BENCHMARK(BM_ProjektOeffnen);

}  // namespace
