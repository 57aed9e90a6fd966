// The variant study window driven like a user: adding variants with complete and incomplete
// results, the views, the scaling buttons, clearing, closing with its question, copying a chart,
// and reaching the window from the main window. With PHONIKON_SCREENSHOTS=<folder> the window
// with three variants is saved in each view.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLegend>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>
#include <memory>

#include "../core/worked_example.h"
#include "app/application.h"
#include "dialog_answers.h"
#include "mainwindow/main_window.h"
#include "variants/variant_window.h"

using namespace phonikon;

namespace {

const QColor kBalkenBlau(0, 0, 255), kBalkenHellblau(145, 200, 255);

QList<qreal> Werte(const QBarSet* satz) {
    QList<qreal> w;
    for (int i = 0; i < satz->count(); ++i) w << satz->at(i);
    return w;
}

QList<QBarSet*> Saetze(const QChartView* view) {
    return static_cast<QBarSeries*>(view->chart()->series().at(0))->barSets();
}

QValueAxis* Wertachse(const QChartView* view) {
    return static_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).at(0));
}

// How many separate bands of rows hold a colour: the bars make one, a legend below them another.
int Baender(const QImage& bild, const QColor& farbe) {
    int baender = 0;
    bool davor = false;
    for (int y = 0; y < bild.height(); ++y) {
        bool hier = false;
        for (int x = 0; x < bild.width() && !hier; ++x) hier = bild.pixelColor(x, y) == farbe;
        baender += hier && !davor;
        davor = hier;
    }
    return baender;
}

}  // namespace

class TestVariantWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Projekt> p;  // declared first: the window goes before its project
    std::unique_ptr<TForm_Variant> w;

    template <class T>
    T* Teil(const char* name) {
        T* t = w->findChild<T*>(name);
        if (!t) qFatal("kein %s", name);
        return t;
    }
    QPlainTextEdit* Memo() { return Teil<QPlainTextEdit>("memo_Variant"); }
    void Hinzufuegen() { QTest::mouseClick(Teil<QPushButton>("btn_AddVariant"), Qt::LeftButton); }
    void Klick(const char* knopf) { QTest::mouseClick(Teil<QToolButton>(knopf), Qt::LeftButton); }

    // The worked example with room volumes 50 and 40 m³: R'w 51,0 dB, DnT,w 52,1 dB in the weaker
    // direction.
    void Variante(const char* name, const char* v1 = "50", const char* v2 = "40") {
        // A new calculation in the same program run: the study's state stays.
        Projekt neu = test::Beispielprojekt(p->Dezimaltrenner, v1, v2);
        neu.VariantenAktiv = p->VariantenAktiv;
        neu.AnzahlVarianten = p->AnzahlVarianten;
        neu.Fenster.edit_Variante = name;
        *p = neu;
    }

  private slots:
    void init() {
        p = std::make_unique<Projekt>(',');
        Variante("Variante A");
        w = std::make_unique<TForm_Variant>(*p);
        w->Oeffnen();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        p.reset();
    }

    void aufbau() {
        QCOMPARE(w->windowTitle(), QString("Variantenuntersuchung"));
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!Teil<QWidget>("panel_Grafik")->isVisible());
        QCOMPARE(Memo()->toPlainText(), QString());
        QVERIFY(!Memo()->isReadOnly());
        QCOMPARE(Teil<QPushButton>("btn_ClearVariant")->text(), QString("Angaben löschen "));
        QCOMPARE(Teil<QToolButton>("btn_Exit")->toolTip(), QString(" Formular schließen "));
        QVERIFY(Teil<QRadioButton>("rg_RwDnTW")->isChecked());

        struct Erwartet {
            Diagramm d;
            const char* name;
            QString achsentitel;
            QStringList reihen;
            QList<QColor> farben;
        };
        const Erwartet diagramme[] = {
            {Diagramm::RwDnTW,
             "Chart_RwDnTW",
             "R'w / DnT,w  [dB]",
             {"R'w", "DnT,w"},
             {kBalkenBlau, kBalkenHellblau}},
            {Diagramm::Rw, "Chart_Rw", "R'w  [dB]", {"R'w"}, {kBalkenBlau}},
            {Diagramm::DnTW, "Chart_DnTW", "DnT,w  [dB]", {"DnT,w"}, {kBalkenHellblau}},
        };
        for (const Erwartet& e : diagramme) {
            QChartView* view = w->diagramm(e.d);
            QCOMPARE(view->objectName(), QString(e.name));
            QCOMPARE(Wertachse(view)->titleText(), e.achsentitel);
            QCOMPARE(Wertachse(view)->min(), 0.0);
            QCOMPARE(Wertachse(view)->max(), 70.0);
            QCOMPARE(Wertachse(view)->tickInterval(), 10.0);
            QCOMPARE(view->chart()->axes(Qt::Horizontal).at(0)->titleText(), QString("Variante"));
            QVERIFY(!view->chart()->legend()->isVisible());
            QCOMPARE(Saetze(view).size(), e.reihen.size());
            for (int i = 0; i < e.reihen.size(); ++i) {
                QCOMPARE(Saetze(view)[i]->label(), e.reihen[i]);
                QCOMPARE(Saetze(view)[i]->color(), e.farben[i]);
            }
        }
    }

    void variantenMitVollstaendigenUndUnvollstaendigenErgebnissen() {
        Hinzufuegen();
        QVERIFY(Teil<QWidget>("panel_Grafik")->isVisible());
        const long double Rw = p->R_w_Bau, D = std::min(p->DnTw_12, p->DnTw_21);
        QCOMPARE(Memo()->toPlainText(),
                 QString(" Variante 1: Variante A  R\u00B4w = 51,0 [dB] / DnT,w = 52,1 [dB]"));

        // Room 1 without volume: no DnT,w, its bar stays at 0.
        Variante("ohne Volumen", "0");
        Hinzufuegen();
        const long double Rw2 = p->R_w_Bau;
        // Incomplete inputs: the error line, no number used, no bar.
        p->EingabenVollstaendig = 0;
        Hinzufuegen();
        Variante("Variante C");
        p->R_w_Bau = 52.26L;
        p->DnTw_12 = 54.04L;
        p->DnTw_21 = 53.97L;
        Hinzufuegen();

        QCOMPARE(
            Memo()->toPlainText().split('\n'),
            QStringList({" Variante 1: Variante A  R\u00B4w = 51,0 [dB] / DnT,w = 52,1 [dB]",
                         " Variante 2: ohne Volumen  R\u00B4w = 51,0 [dB] / Keine Berechnung "
                         "für DnT,w möglich - Raumvolumen überprüfen!",
                         " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!",
                         " Variante 3: Variante C  R\u00B4w = 52,3 [dB] / DnT,w = 54,0 [dB]"}));
        QCOMPARE(p->AnzahlVarianten, 3);

        const QList<qreal> rw{double(Rw), double(Rw2), 52.26}, dntw{double(D), 0.0, 53.97};
        QCOMPARE(Werte(Saetze(w->diagramm(Diagramm::RwDnTW))[0]), rw);
        QCOMPARE(Werte(Saetze(w->diagramm(Diagramm::RwDnTW))[1]), dntw);
        QCOMPARE(Werte(Saetze(w->diagramm(Diagramm::Rw))[0]), rw);
        QCOMPARE(Werte(Saetze(w->diagramm(Diagramm::DnTW))[0]), dntw);
        auto* x = static_cast<QBarCategoryAxis*>(
            w->diagramm(Diagramm::Rw)->chart()->axes(Qt::Horizontal).at(0));
        QCOMPARE(x->categories(), QStringList({"1", "2", "3"}));
    }

    void ansichtWaehlen() {
        Hinzufuegen();
        auto sichtbar = [this] {
            QList<bool> s;
            for (Diagramm d : kDiagramme) s << w->diagramm(d)->isVisible();
            return s;
        };
        QCOMPARE(sichtbar(), QList<bool>({true, false, false}));
        QTest::mouseClick(Teil<QRadioButton>("rg_Rw"), Qt::LeftButton);
        QCOMPARE(sichtbar(), QList<bool>({false, true, false}));
        QTest::mouseClick(Teil<QRadioButton>("rg_DnTW"), Qt::LeftButton);
        QCOMPARE(sichtbar(), QList<bool>({false, false, true}));
        QTest::mouseClick(Teil<QRadioButton>("rg_RwDnTW"), Qt::LeftButton);
        QCOMPARE(sichtbar(), QList<bool>({true, false, false}));
    }

    void skalieren() {
        Hinzufuegen();
        auto bereiche = [this] {
            QList<QPair<double, double>> b;
            for (Diagramm d : kDiagramme)
                b << qMakePair(Wertachse(w->diagramm(d))->min(), Wertachse(w->diagramm(d))->max());
            return b;
        };
        using B = QList<QPair<double, double>>;
        Klick("btn_UpTop");
        Klick("btn_UpTop");
        QCOMPARE(bereiche(), B(3, {0, 80}));
        Klick("btn_DownBottom");
        QCOMPARE(bereiche(), B(3, {0, 80}));
        Klick("btn_DownTop");
        Klick("btn_UpBottom");
        QCOMPARE(bereiche(), B(3, {5, 75}));
        // Automatic: each chart around its own bars (R'w 51,0, DnT,w 52,1).
        Klick("SpeedButton1");
        QCOMPARE(bereiche(), B(3, {0, 60}));
    }

    void loeschen() {
        Hinzufuegen();
        Hinzufuegen();
        QTest::mouseClick(Teil<QPushButton>("btn_ClearVariant"), Qt::LeftButton);
        QVERIFY(!Teil<QWidget>("panel_Grafik")->isVisible());
        QCOMPARE(Memo()->toPlainText(), QString());
        for (Diagramm d : kDiagramme)
            for (QBarSet* satz : Saetze(w->diagramm(d))) QCOMPARE(satz->count(), 0);
        Hinzufuegen();
        QVERIFY(Memo()->toPlainText().startsWith(" Variante 1: "));
        QVERIFY(Teil<QWidget>("panel_Grafik")->isVisible());
    }

    void schliessen() {
        // An empty memo closes without a question.
        {
            Dialoge dialoge;
            Klick("btn_Exit");
            QVERIFY(!w->isVisible());
            QVERIFY(!p->VariantenAktiv);
            QVERIFY(dialoge.gesehen.isEmpty());
        }
        // Text the user typed counts: the question comes, "Nein" keeps the window.
        w->Oeffnen();
        QVERIFY(p->VariantenAktiv);
        Memo()->setFocus();
        QTest::keyClicks(Memo(), "Notiz");
        {
            Dialoge dialoge;
            dialoge.Dann(Dialoge::Knopf("&Nein"));
            Klick("btn_Exit");
            QVERIFY(dialoge.AlleBeantwortet());
            QCOMPARE(dialoge.gesehen,
                     QStringList("Bestätigen|Beim Schließen des Formulars gehen die Angaben "
                                 "verloren!\nMöchten Sie die Variantenuntersuchung trotzdem "
                                 "beenden?"));
            QVERIFY(w->isVisible());
            QVERIFY(p->VariantenAktiv);
        }
        // "Ja" closes; the contents stay until the next opening starts a new study.
        Hinzufuegen();
        {
            Dialoge dialoge;
            dialoge.Dann(Dialoge::Knopf("&Ja"));
            Klick("btn_Exit");
            QVERIFY(dialoge.AlleBeantwortet());
            QVERIFY(!w->isVisible());
            QVERIFY(!p->VariantenAktiv);
            QVERIFY(!Memo()->toPlainText().isEmpty());
        }
        w->Oeffnen();
        QCOMPARE(Memo()->toPlainText(), QString());
        QVERIFY(!Teil<QWidget>("panel_Grafik")->isVisible());
        Hinzufuegen();
        QVERIFY(Memo()->toPlainText().startsWith(" Variante 1: "));
    }

    void grafikInZwischenablage() {
        Hinzufuegen();
        Variante("B", "60", "60");
        Hinzufuegen();
        const QColor knopffarbe = w->palette().color(QPalette::Button);
        struct Fall {
            Diagramm d;
            const char* eintrag;
            bool legende;
        };
        for (const Fall& f : {Fall{Diagramm::RwDnTW, "ZA1", true}, Fall{Diagramm::Rw, "ZA2", false},
                              Fall{Diagramm::DnTW, "ZA3", false}}) {
            QChartView* view = w->diagramm(f.d);
            QGuiApplication::clipboard()->clear();
            auto* eintrag = view->findChild<QAction*>(f.eintrag);
            QVERIFY(eintrag);
            QCOMPARE(eintrag->text(), QString("Grafik in Zwischenablage kopieren"));
            eintrag->trigger();
            const QImage bild = QGuiApplication::clipboard()->image();
            QVERIFY(!bild.isNull());
            QCOMPARE(bild.pixelColor(2, 2), QColor(Qt::white));
            // Bars, and on the combined chart the legend's markers below them.
            const int baender = f.legende ? 2 : 1;
            if (f.d != Diagramm::DnTW) QCOMPARE(Baender(bild, kBalkenBlau), baender);
            if (f.d != Diagramm::Rw) QCOMPARE(Baender(bild, kBalkenHellblau), baender);
            // On screen the chart keeps the window's colour and shows no legend.
            QCOMPARE(view->chart()->backgroundBrush().color(), knopffarbe);
            QVERIFY(!view->chart()->legend()->isVisible());
        }
    }

    // The main window's variant command reaches this window through the application.
    void ausDemHauptfenster() {
        cleanup();
        QTemporaryDir start;
        Anwendung a(',', start.path().toStdString());
        a.Starten();
        TSimplifiedModel& haupt = a.hauptfenster();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));
        auto* knopf = haupt.findChild<QToolButton*>("button_Variant");
        QVERIFY(knopf);

        a.projekt() = test::Beispielprojekt();
        a.projekt().Fenster.edit_Variante = "aus dem Hauptfenster";
        haupt.Anzeigen();
        QVERIFY(knopf->isEnabled());
        QTest::mouseClick(knopf, Qt::LeftButton);
        TForm_Variant& varianten = a.varianten();
        QTRY_VERIFY(varianten.isVisible());
        QVERIFY(a.projekt().VariantenAktiv);
        auto* hinzu = varianten.findChild<QPushButton*>("btn_AddVariant");
        QTest::mouseClick(hinzu, Qt::LeftButton);
        QVERIFY(varianten.findChild<QPlainTextEdit*>("memo_Variant")
                    ->toPlainText()
                    .startsWith(" Variante 1: aus dem Hauptfenster  R\u00B4w = 51,0 [dB]"));

        // Reaching it again keeps the study; the main window stays usable beside it.
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(!varianten.isModal());
        QCOMPARE(varianten.studie().Balken.size(), size_t(1));

        // Without results the main window answers itself and the window is not reached.
        varianten.hide();
        a.projekt().VariantenAktiv = false;
        a.projekt().EingabenVollstaendig = 0;
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("OK"));
        haupt.findChild<QAction*>("Variantenuntersuchung1")->trigger();
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen,
                 QStringList("Information|Es liegen keine Berechnungsergebnisse vor."));
        QVERIFY(!varianten.isVisible());
    }

    void bildschirmfotos() {
        const QByteArray ordner = qgetenv("PHONIKON_SCREENSHOTS");
        if (ordner.isEmpty()) QSKIP("PHONIKON_SCREENSHOTS nicht gesetzt");
        Variante("Mauerwerk 17,5 cm");
        Hinzufuegen();
        Variante("mit Vorsatzschale", "60", "45");
        p->R_w_Bau += 4;
        p->DnTw_12 += 4;
        p->DnTw_21 += 4;
        Hinzufuegen();
        Variante("kleiner Empfangsraum", "50", "25");
        Hinzufuegen();
        QDir().mkpath(QString::fromLocal8Bit(ordner));
        const std::pair<const char*, const char*> ansichten[] = {
            {"rg_RwDnTW", "varianten_rw_dntw.png"},
            {"rg_Rw", "varianten_rw.png"},
            {"rg_DnTW", "varianten_dntw.png"}};
        for (const auto& [knopf, datei] : ansichten) {
            QTest::mouseClick(Teil<QRadioButton>(knopf), Qt::LeftButton);
            QVERIFY(w->grab().save(QString::fromLocal8Bit(ordner) + "/" + datei));
        }
        w->findChild<QAction*>("ZA1")->trigger();
        QVERIFY(QGuiApplication::clipboard()->image().save(QString::fromLocal8Bit(ordner) +
                                                           "/zwischenablage_rw_dntw.png"));
    }
};

QTEST_MAIN(TestVariantWindow)
#include "test_variant_window.moc"
