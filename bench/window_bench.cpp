// A keystroke in a numeric field of the main window, through the calculation to the repainted
// results block and sketch, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "mainwindow/main_window.h"
#include "mainwindow/sketch_view.h"
#include "projectfile/file_flows.h"

namespace {

using namespace phonikon;

// Counts the paint events of a widget, to show that every keystroke reaches the screen.
class Malzaehler : public QObject {
  public:
    int anzahl = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

// One keystroke and the repaint it causes; kept out of line so that a profiler can look at it
// alone (valgrind --toggle-collect='*EineTaste*').
[[gnu::noinline]] void EineTaste(QLineEdit* feld, bool anhaengen) {
    QTest::keyClick(feld, anhaengen ? Qt::Key_5 : Qt::Key_Backspace);
    QApplication::processEvents();
}

// The worked example is open and a numeric field has the focus; the keystrokes alternate
// between appending a digit and deleting it again, so that every one changes the field and
// recalculates. A volume changes DnT,w and the sketch's volume label, so results and sketch are
// repainted; the area changes the results alone and leaves the sketch as it is.
void Tastendruck(benchmark::State& state, const char* feldname) {
    Projekt projekt(',');
    TSimplifiedModel fenster(projekt);
    if (Projekt_Oeffnen(projekt, PHONIKON_EXAMPLES_DIR "/beispiel.dat").fehler) {
        state.SkipWithError("beispiel.dat nicht lesbar");
        return;
    }
    fenster.Anzeigen();
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) {
        state.SkipWithError("Fenster nicht sichtbar");
        return;
    }
    auto* feld = fenster.findChild<QLineEdit*>(feldname);
    auto* skizze = fenster.findChild<SketchView*>(projekt.Ausrichtung == 0 ? "Image1" : "Image2");
    Malzaehler zaehler;
    skizze->installEventFilter(&zaehler);
    feld->setFocus();
    feld->end(false);
    QApplication::processEvents();

    bool anhaengen = true;
    zaehler.anzahl = 0;
    for (auto _ : state) {
        EineTaste(feld, anhaengen);
        anhaengen = !anhaengen;
    }
    state.counters["Skizzenbilder je Taste"] =
        benchmark::Counter(double(zaehler.anzahl) / double(state.iterations()));
}
BENCHMARK_CAPTURE(Tastendruck, Raumvolumen, "edit_Vol1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Tastendruck, Trennbauteilflaeche, "edit_A")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
