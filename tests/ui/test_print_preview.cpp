// The print preview driven like a user: zoom bar and buttons, paging, leaving and coming back,
// stepping aside for another window, the cover-page box for printing and PDF, and the main
// window's print commands. With PHONIKON_SCREENSHOTS=<folder> the preview is saved as PNG.
#include <QAction>
#include <QCheckBox>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "dialog_answers.h"
#include "mainwindow/main_window.h"
#include "printout/print_preview.h"
#include "projectfile/file_flows.h"

using namespace phonikon;

namespace {

Projekt Beispiel() {
    Projekt p(',');
    const auto ergebnis = Projekt_Einlesen(p, std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat");
    if (ergebnis.fehler) qFatal("beispiel.dat: %s", ergebnis.fehler->c_str());
    return p;
}

// Pages of a PDF file as pdfinfo counts them; -1 when it cannot tell.
int Seiten(const QString& pdf) {
    QProcess info;
    info.start("pdfinfo", {pdf});
    if (!info.waitForFinished() || info.exitCode() != 0) return -1;
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const auto treffer = QRegularExpression("Pages:\\s+(\\d+)").match(text);
    return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

}  // namespace

class TestPrintPreview : public QObject {
    Q_OBJECT

    std::unique_ptr<Projekt> projekt;
    Firmendaten firma;
    QImage logo;
    std::unique_ptr<TForm_QRep> vorschau;

    template <class T>
    T* Teil(const char* name) {
        T* w = vorschau->findChild<T*>(name);
        if (!w) qFatal("no %s", name);
        return w;
    }
    QToolButton* Knopf(const char* name) { return Teil<QToolButton>(name); }

  private slots:
    void init() {
        projekt = std::make_unique<Projekt>(Beispiel());
        firma = Firmendaten{};
        firma.edit_Fa = "Akustikbüro Nordwind";
        logo = QImage(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        vorschau = std::make_unique<TForm_QRep>(*projekt, firma, logo);
    }
    void cleanup() { vorschau.reset(); }

    void oeffnetAufSeiteEinsMitBeidenSeiten() {
        QCOMPARE(vorschau->windowTitle(), QString(" Druckvorschau "));
        vorschau->SpeedButtonPrintClick();
        QVERIFY(vorschau->isVisible());
        QCOMPARE(vorschau->size(), QSize(700, 640));
        auto* ansicht = Teil<QPrintPreviewWidget>("QRPreview");
        QCOMPARE(ansicht->pageCount(), 2);
        QCOMPARE(vorschau->seite(), 1);
        QVERIFY(!Knopf("btn_Page1")->isEnabled());
        QVERIFY(Knopf("btn_Page2")->isEnabled());
        QVERIFY(Teil<QCheckBox>("chk_Deckblatt")->isChecked());
        QCOMPARE(Teil<QCheckBox>("chk_Deckblatt")->text(), QString("Deckblatt drucken "));
        QCOMPARE(Knopf("btn_100")->text(), QString("100%"));
        QCOMPARE(vorschau->bericht().inhalt.deckblatt.Text("QRLabel_Fa")->text,
                 std::string("Akustikbüro Nordwind"));

        if (const QString ordner = qEnvironmentVariable("PHONIKON_SCREENSHOTS"); !ordner.isEmpty())
            vorschau->grab().save(ordner + "/vorschau.png");
    }

    void zoomleisteUndKnoepfe() {
        vorschau->SpeedButtonPrintClick();
        auto* zoom = Teil<QScrollBar>("Zoom");
        QCOMPARE(zoom->minimum(), 50);
        QCOMPARE(zoom->maximum(), 150);
        QCOMPARE(zoom->value(), 100);
        for (int ende : {50, 150, 73}) {
            zoom->setValue(ende);
            QCOMPARE(vorschau->zoom(), ende);
            QCOMPARE(Knopf("btn_100")->text(), QString::number(ende) + " %");
        }
        Knopf("btn_100")->click();
        QCOMPARE(vorschau->zoom(), 100);
        QCOMPARE(zoom->value(), 100);
        QCOMPARE(Knopf("btn_100")->text(), QString("100 %"));

        // The whole page: 95 % of the height of the view decides for a portrait page in this
        // window; the zoom bar stays where it is.
        Knopf("btn_ZoomPage")->click();
        auto* ansicht = Teil<QPrintPreviewWidget>("QRPreview");
        const double hoehe = 297.0 / 25.4 * ansicht->logicalDpiY();
        QCOMPARE(vorschau->zoom(), qRound(95.0 * ansicht->height() / hoehe));
        QVERIFY(vorschau->zoom() < 100);
        QCOMPARE(zoom->value(), 100);
    }

    void blaetternVerlassenUndWiederkommen() {
        vorschau->SpeedButtonPrintClick();
        Knopf("btn_Page2")->click();
        QCOMPARE(vorschau->seite(), 2);
        QVERIFY(Knopf("btn_Page1")->isEnabled());
        QVERIFY(!Knopf("btn_Page2")->isEnabled());
        Teil<QScrollBar>("Zoom")->setValue(140);

        Knopf("btn_Exit")->click();
        QVERIFY(!vorschau->isVisible());
        QCOMPARE(Teil<QScrollBar>("Zoom")->value(), 100);
        QCOMPARE(Knopf("btn_100")->text(), QString("100 %"));

        vorschau->SpeedButtonPrintClick();
        QCOMPARE(vorschau->seite(), 1);
        QVERIFY(!Knopf("btn_Page1")->isEnabled());
        QVERIFY(Knopf("btn_Page2")->isEnabled());
    }

    // Another window of the program becomes active: the preview closes and starts over.
    void schliesstWennAndereFensterAktivWerden() {
        QWidget hauptfenster;
        hauptfenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hauptfenster));
        vorschau->SpeedButtonPrintClick();
        QVERIFY(QTest::qWaitForWindowActive(vorschau.get()));
        Knopf("btn_Page2")->click();

        hauptfenster.activateWindow();
        QTRY_VERIFY(!vorschau->isVisible());
        QCOMPARE(vorschau->seite(), 1);
        QVERIFY(!Knopf("btn_Page1")->isEnabled());
    }

    void ohneErgebnisseNurDieWarnung() {
        projekt->EingabenVollstaendig = 0;
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("OK"));
        vorschau->SpeedButtonPrintClick();
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen.value(0).section('|', 1),
                 QString(" Keine Berechnungsergebnisse vorhanden!\n  "));
        QVERIFY(!vorschau->isVisible());
    }

    // PDF and printer get the same pages; without the cover page only the calculation sheet.
    void deckblattFuerPdfUndDrucker() {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("poppler-utils missing");
        QTemporaryDir ordner;
        vorschau->SpeedButtonPrintClick();

        Dialoge dialoge;
        dialoge.Dann(Dialoge::Datei(ordner.filePath("mit")));
        Knopf("btn_Pdf")->click();
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Seiten(ordner.filePath("mit.pdf")), 2);
        QVERIFY(vorschau->isVisible());  // its own file dialog does not close it

        Teil<QCheckBox>("chk_Deckblatt")->setChecked(false);
        dialoge.Dann(Dialoge::Datei(ordner.filePath("ohne.pdf")));
        Knopf("btn_Pdf")->click();
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Seiten(ordner.filePath("ohne.pdf")), 1);

        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath("gedruckt.pdf"));
        drucker.setPageLayout(Berichtsseitenlayout());
        vorschau->DruckbereichSetzen(drucker);
        Bericht_Drucken(drucker, vorschau->bericht());
        QCOMPARE(Seiten(ordner.filePath("gedruckt.pdf")), 1);

        // Ticked again, a fresh printer prints both pages.
        Teil<QCheckBox>("chk_Deckblatt")->setChecked(true);
        QPrinter wieder(QPrinter::HighResolution);
        wieder.setOutputFormat(QPrinter::PdfFormat);
        wieder.setOutputFileName(ordner.filePath("wieder.pdf"));
        wieder.setPageLayout(Berichtsseitenlayout());
        vorschau->DruckbereichSetzen(wieder);
        Bericht_Drucken(wieder, vorschau->bericht());
        QCOMPARE(Seiten(ordner.filePath("wieder.pdf")), 2);
    }

    // The main window's button and menu item ask for the preview.
    void hauptfensterFordertVorschauAn() {
        Projekt p(',');
        TSimplifiedModel fenster(p);
        QVERIFY(!Projekt_Einlesen(p, std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat").fehler);
        fenster.Anzeigen();
        QSignalSpy angefordert(&fenster, &TSimplifiedModel::druckvorschauAngefordert);
        auto* knopf = fenster.findChild<QToolButton*>("SpeedButtonPrint");
        auto* eintrag = fenster.findChild<QAction*>("FilePrintItem");
        QVERIFY(knopf && eintrag);
        QVERIFY(knopf->isEnabled());
        knopf->click();
        eintrag->trigger();
        QCOMPARE(angefordert.count(), 2);
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_print_preview.moc"
