// Opening the print preview of the worked example: the report is built, both pages are drawn
// into the preview and the window is shown, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include "printout/print_preview.h"
#include "projectfile/file_flows.h"

namespace {

using namespace phonikon;

// One preview from the print command to the painted window, then leaving it.
[[gnu::noinline]] void Vorschau(TForm_QRep& vorschau) {
    vorschau.SpeedButtonPrintClick();
    vorschau.repaint();
    QApplication::processEvents();
    vorschau.btn_ExitClick();
}

void VorschauOeffnen(benchmark::State& state) {
    Projekt projekt(',');
    if (Projekt_Einlesen(projekt, PHONIKON_EXAMPLES_DIR "/beispiel.dat").fehler) {
        state.SkipWithError("beispiel.dat nicht lesbar");
        return;
    }
    Firmendaten firma;
    firma.edit_Fa = "Akustikbüro Nordwind";
    QImage logo(180, 60, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    TForm_QRep vorschau(projekt, firma, logo);

    // The first preview of a run also loads the fonts; it is what the user waits for once.
    QElapsedTimer uhr;
    uhr.start();
    Vorschau(vorschau);
    state.counters["erste Vorschau [ms]"] = double(uhr.nsecsElapsed()) / 1e6;

    for (auto _ : state) Vorschau(vorschau);
}
BENCHMARK(VorschauOeffnen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
