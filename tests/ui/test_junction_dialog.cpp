// The junction dialog driven from the main window's flank pages: the code and picture of every
// type and decoupling, the layout by type, cancelling, and what applying changes in the main
// window. With PHONIKON_SCREENSHOTS=<folder> the dialog's layouts and the flank page are saved.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "calc/calculation.h"
#include "calc/junction_codes.h"
#include "junction/junction_dialog.h"
#include "junction/junction_pictures.h"
#include "mainwindow/main_window.h"

using namespace phonikon;

namespace {

const QColor kLimette(0, 255, 0);

Bauteil Massiv() {
    Bauteil b;
    b.Konstrukt = 2;
    b.mFlaeche = 400;
    b.Rw = 55;
    return b;
}

QImage Bild(const QPixmap& pixmap) {
    QImage bild = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    bild.setDevicePixelRatio(1);
    return bild;
}

}  // namespace

class TestJunctionDialog : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Projekt> projekt;  // declared first: the window goes before its project
    std::unique_ptr<TSimplifiedModel> w;

    template <class T>
    T* Teil(const QString& name) {
        T* t = w->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    TForm_SS* Dialog() { return Teil<TForm_SS>("Form_SS"); }
    QString Label(const QString& name) { return Teil<QLabel>(name)->text(); }

    void Tippen(const QString& feld, const QString& text) {
        auto* e = Teil<QLineEdit>(feld);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void SeiteAnklicken(int index) {
        QTabBar* reiter = Teil<QTabWidget>("PageControl")->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(index).center());
    }
    // The worked example: every element 400 kg/m² with Rw 55 dB, the geometry typed in.
    void BeispielEingeben() {
        Projekt& p = w->projekt();
        p.Element[0][0] = Massiv();
        for (int i = 1; i <= 4; ++i) p.Element[i][1] = p.Element[i][2] = Massiv();
        Tippen("edit_A", "10");
        Tippen("edit_L1", "4");
        Tippen("edit_L2", "4");
        for (int i = 1; i <= 4; ++i) {
            SeiteAnklicken(i);
            Tippen(QString("edit_LF%1").arg(i), "4");
        }
        Tippen("edit_Vol1", "50");
        Tippen("edit_Vol2", "40");
    }
    void Oeffnen(int flanke) {
        SeiteAnklicken(flanke);
        QTest::mouseClick(Teil<QToolButton>(QString("button_Stoss%1").arg(flanke)), Qt::LeftButton);
        QVERIFY(Dialog()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), Dialog());
    }
    void Klicken(const QString& name) { QTest::mouseClick(Teil<QWidget>(name), Qt::LeftButton); }
    // A click on the radio button's circle.
    void TypWaehlen(int typ) {
        auto* knopf = Teil<QRadioButton>(QString("rgStoss_%1").arg(typ));
        QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
    }
    // Index of the highlighted panel, -1 for none; fails when more than one is highlighted.
    int Hervorgehoben() {
        int gefunden = -1;
        for (int k = 0; k < 5; ++k) {
            if (Teil<QWidget>(QString("panel_%1").arg(k))->palette().color(QPalette::Window) !=
                kLimette)
                continue;
            if (gefunden >= 0) return -2;
            gefunden = k;
        }
        return gefunden;
    }
    void Bildschirmfoto(QWidget* fenster, const QString& name) {
        const QString ziel = qEnvironmentVariable("PHONIKON_SCREENSHOTS");
        if (ziel.isEmpty()) return;
        QDir().mkpath(ziel);
        QCoreApplication::processEvents();
        fenster->grab().save(ziel + "/" + name + ".png");
    }

  private slots:
    void init() {
        w.reset();
        projekt = std::make_unique<Projekt>(',');
        w = std::make_unique<TSimplifiedModel>(*projekt);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        BeispielEingeben();
        w->projekt().Gespeichert = 1;
    }
    void cleanup() {
        if (Dialog()->isVisible()) Dialog()->reject();
    }

    void codeUndBildJeTypUndTrennung_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("trennung");
        QTest::addColumn<QString>("code");
        const char* codes[4][5] = {
            {"TS_ohneTrennung", "TS_TrennungTB", "TS_TrennungR1", "TS_TrennungR2",
             "TS_TrennungR1R2"},
            {"KS_ohneTrennung", "KS_TrennungTB", "KS_TrennungR1", "KS_TrennungR2",
             "KS_TrennungR1R2"},
            {"LSa_ohneTrennung", "LSa_TrennungTB", "LSa_TrennungR1", "LSa_TrennungR2",
             "LSa_TrennungR1R2"},
            {"LSb_ohneTrennung", "LSb_TrennungTB", "LSb_TrennungR1", "LSb_TrennungR2",
             "LSb_TrennungR1R2"},
        };
        for (int t = 0; t < 4; ++t)
            for (int k = 0; k < 5; ++k) QTest::newRow(codes[t][k]) << t << k << codes[t][k];
    }
    void codeUndBildJeTypUndTrennung() {
        QFETCH(int, typ);
        QFETCH(int, trennung);
        QFETCH(QString, code);
        // Start from a different junction, so that every row changes something.
        w->projekt().Stoss[2] = typ == 1 && trennung == 4 ? "TS_ohneTrennung" : "KS_TrennungR1R2";
        w->Anzeigen();
        Oeffnen(2);
        TypWaehlen(typ);
        // The rigid junction of T and cross types is chosen on the large button.
        const bool gross = typ < 2 && trennung == 0;
        QCOMPARE(Teil<QWidget>("button_0_large")->isVisible(), typ < 2);
        Klicken(gross ? "img_button0b" : QString("button_%1").arg(trennung));
        QCOMPARE(Hervorgehoben(), trennung);
        QCOMPARE(Bild(Teil<QToolButton>(QString("button_%1").arg(trennung))
                          ->icon()
                          .pixmap(QSize(45, 45), 1.0)),
                 Bild(StossBild(code.toStdString(), 1.0)));
        Klicken("btn_Exit");
        QVERIFY(!Dialog()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QString::fromStdString(w->projekt().Stoss[2]), code);
        QCOMPARE(w->projekt().Gespeichert, 0);
        QCOMPARE(QString::fromStdString(w->projekt().Stoss[1]), QString("TS_ohneTrennung"));
        auto* knopf = Teil<QToolButton>("button_Stoss2");
        QCOMPARE(knopf->iconSize(), QSize(45, 45));
        QCOMPARE(Bild(knopf->icon().pixmap(QSize(45, 45), 1.0)),
                 Bild(StossBild(code.toStdString(), 1.0)));
    }

    void oeffnenZeigtGespeichertenStossUndLayoutFolgtTyp() {
        Tippen("edit_room1", "Wohnen");
        Tippen("edit_room2", "Flur");
        SeiteAnklicken(2);
        Tippen("edit_Flanke2", "Decke");
        w->projekt().Stoss[2] = "KS_TrennungR2";
        w->Anzeigen();
        Oeffnen(2);
        TForm_SS* d = Dialog();
        QCOMPARE(d->windowTitle(), QString(" Auswahl Stoßstelle"));
        QCOMPARE(Label("lb_Stoss"), QString(" Flanke: Decke"));
        QVERIFY(Teil<QRadioButton>("rgStoss_1")->isChecked());
        QCOMPARE(Teil<QRadioButton>("rgStoss_1")->text(), QString("Kreuz-Stoß "));
        QCOMPARE(Teil<QRadioButton>("rgStoss_2")->text(), QString("Winkel-Stoß  A"));
        QCOMPARE(Hervorgehoben(), 3);
        QCOMPARE(Label("lb_Remark"), QString("HINWEIS: Flanke in Flur ist akustisch entkoppelt - "
                                             "Erhöhte Übertragung über Flanke in Wohnen"));
        QCOMPARE(d->width(), 391);
        QVERIFY(Teil<QWidget>("button_0_large")->isVisible());
        QVERIFY(!Teil<QWidget>("button_0")->isVisible());
        QCOMPARE(Teil<QWidget>("panel_buttons")->x(), 121);
        Bildschirmfoto(d, "dialog_kreuz");

        // A corner type narrows the dialog and keeps the chosen decoupling.
        TypWaehlen(3);
        QCOMPARE(d->width(), 343);
        QVERIFY(!Teil<QWidget>("button_0_large")->isVisible());
        QVERIFY(Teil<QWidget>("button_0")->isVisible());
        QCOMPARE(Teil<QWidget>("panel_buttons")->x(), 73);
        QCOMPARE(Teil<QWidget>("btn_Exit")->x(), 85);
        QCOMPARE(Hervorgehoben(), 3);
        Bildschirmfoto(d, "dialog_winkel_b");
        TypWaehlen(2);
        Klicken("button_2");
        QCOMPARE(Label("lb_Remark"), QString("HINWEIS: Flanke in Wohnen ist akustisch entkoppelt "
                                             "- Erhöhte Übertragung über Flanke in Flur"));
        Bildschirmfoto(d, "dialog_winkel_a");
        TypWaehlen(0);
        QCOMPARE(d->width(), 391);
        QVERIFY(Teil<QWidget>("button_0_large")->isVisible());
        QCOMPARE(Teil<QWidget>("btn_ESC")->x(), 195);
        Bildschirmfoto(d, "dialog_t");
    }

    void grosserKnopfSinktBeimDrueckenEin() {
        Oeffnen(1);
        Klicken("button_1");
        QCOMPARE(Hervorgehoben(), 1);
        auto* gross = Teil<QFrame>("button_0_large");
        QWidget* bild = Teil<QWidget>("img_button0a");
        QTest::mousePress(bild, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(gross->frameShadow(), QFrame::Sunken);
        QCOMPARE(Hervorgehoben(), 1);
        QTest::mouseRelease(bild, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(gross->frameShadow(), QFrame::Raised);
        QCOMPARE(Hervorgehoben(), 0);
        // From the keyboard as well.
        Klicken("button_4");
        QCOMPARE(Hervorgehoben(), 4);
        QTest::keyClick(gross, Qt::Key_Space);
        QCOMPARE(Hervorgehoben(), 0);
        QCOMPARE(Label("lb_Remark"),
                 QString("HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch "
                         "gleichwertig."));
    }

    void abbrechenLaesstAllesUnveraendert() {
        w->projekt().Stoss[3] = "LSa_TrennungTB";
        Berechnen(w->projekt());
        w->Anzeigen();
        const QString rges = Label("label_Rges");
        const Projekt vorher = w->projekt();
        for (bool escape : {false, true}) {
            Oeffnen(3);
            QCOMPARE(Hervorgehoben(), 1);
            TypWaehlen(1);
            Klicken("button_4");
            if (escape)
                QTest::keyClick(Dialog(), Qt::Key_Escape);
            else
                Klicken("btn_ESC");
            QVERIFY(!Dialog()->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QVERIFY(w->projekt().Stoss == vorher.Stoss);
            QCOMPARE(w->projekt().Gespeichert, 1);
            QCOMPARE(Label("label_Rges"), rges);
            // The next opening shows the stored junction again.
            Oeffnen(3);
            QVERIFY(Teil<QRadioButton>("rgStoss_2")->isChecked());
            QCOMPARE(Hervorgehoben(), 1);
            Klicken("btn_ESC");
        }
    }

    void uebernehmenRechnetUndZeigtFlankenflaeche() {
        QCOMPARE(Label("label_Rges"), QString("51,0 [dB]"));
        QVERIFY(!Teil<QLineEdit>("edit_FF2_2")->isVisible());
        Projekt erwartet = w->projekt();
        erwartet.Stoss[2] = "LSa_ohneTrennung";
        Berechnen(erwartet);

        Oeffnen(2);
        TypWaehlen(2);
        Klicken("button_0");
        Klicken("btn_Exit");
        QCOMPARE(QString::fromStdString(w->projekt().Stoss[2]), QString("LSa_ohneTrennung"));
        QVERIFY(Teil<QLineEdit>("edit_FF2_2")->isVisible());
        QVERIFY(Teil<QLabel>("label_FF2_2")->isVisible());
        QVERIFY(!Teil<QLineEdit>("edit_FF2_1")->isVisible());
        QCOMPARE(Label("label_Rges"), QString::fromStdString(erwartet.Fenster.label_Rges));
        QVERIFY(Label("label_Rges") != "51,0 [dB]");
        Bildschirmfoto(w.get(), "hauptfenster_flanke2_winkel_a");

        // Applying without a change still recalculates and marks the project as changed.
        w->projekt().Gespeichert = 1;
        Oeffnen(2);
        Klicken("btn_Exit");
        QCOMPARE(w->projekt().Gespeichert, 0);
        QCOMPARE(QString::fromStdString(w->projekt().Stoss[2]), QString("LSa_ohneTrennung"));

        // Back to a T junction: the field hides again and the result returns.
        Oeffnen(2);
        TypWaehlen(0);
        Klicken("btn_Exit");
        QVERIFY(!Teil<QLineEdit>("edit_FF2_2")->isVisible());
        QCOMPARE(Label("label_Rges"), QString("51,0 [dB]"));
    }

    void unbekannterCodeBleibtBeimUebernehmen() {
        w->projekt().Stoss[4] = "XS_ohneTrennung";
        w->Anzeigen();
        Oeffnen(4);
        QCOMPARE(Hervorgehoben(), -1);
        Klicken("btn_Exit");
        QCOMPARE(QString::fromStdString(w->projekt().Stoss[4]), QString("XS_ohneTrennung"));
        QCOMPARE(w->projekt().Gespeichert, 0);
    }
};

QTEST_MAIN(TestJunctionDialog)
#include "test_junction_dialog.moc"
