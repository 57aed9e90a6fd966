// The lining dialog driven from the main window as a user would: the three ways to a resonance
// frequency, the refusals, the identical flank, "löschen". With PHONIKON_SCREENSHOTS=<folder> the
// three modes are saved as PNG.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "dialog_answers.h"
#include "lining/library_file.h"
#include "lining/lining_dialog.h"
#include "mainwindow/main_window.h"

using namespace phonikon;

class TestLiningDialog : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    std::unique_ptr<Projekt> projekt;
    std::unique_ptr<TSimplifiedModel> w;
    TForm_DB* dialog = nullptr;
    QString ohneSchalen;  // R'w of the example without linings

    template <class T>
    T* Teil(QWidget* in, const QString& name) {
        T* t = in->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    template <class T>
    T* Haupt(const QString& name) {
        return Teil<T>(w.get(), name);
    }
    template <class T>
    T* Dlg(const QString& name) {
        return Teil<T>(dialog, name);
    }

    void Klick(QWidget* knopf) {
        QVERIFY2(knopf->isVisible() && knopf->isEnabled(), qPrintable(knopf->objectName()));
        QTest::mouseClick(knopf, Qt::LeftButton, {},
                          QPoint(knopf->width() / 2, knopf->height() / 2));
    }
    void Tippen(const QString& feld, const QString& text) {
        QLineEdit* e = Dlg<QLineEdit>(feld);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    // Opens the dialog with the lining button of slot `knopf` ("Button_TB_VS1", "Button_VS2_1").
    void Oeffnen(const QString& knopf) {
        const int seite = knopf.startsWith("Button_TB") ? 0 : knopf.mid(9, 1).toInt();
        Haupt<QTabWidget>("PageControl")->setCurrentIndex(seite);
        Klick(Haupt<QPushButton>(knopf));
        QVERIFY(dialog->isVisible());
    }
    void Modus(int modus) { Klick(Dlg<QRadioButton>(QString("rg_Auswahl%1").arg(modus))); }
    QString Rw() { return Haupt<QLabel>("label_Rges")->text(); }
    void Bildschirmfoto(const QString& name) {
        const QString ziel = qEnvironmentVariable("PHONIKON_SCREENSHOTS");
        if (ziel.isEmpty()) return;
        QDir().mkpath(ziel);
        QCoreApplication::processEvents();
        dialog->grab().save(ziel + "/" + name + ".png");
    }
    // The worked example without linings: every element 400 kg/m² with Rw 55 dB.
    void Beispiel() {
        Projekt& p = *projekt;
        for (auto [r, c] :
             {std::pair{0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}}) {
            p.Element[r][c].mFlaeche = 400;
            p.Element[r][c].Rw = 55;
        }
        for (auto [feld, text] : {std::pair{"edit_A", "10"},
                                  {"edit_L1", "4"},
                                  {"edit_L2", "4"},
                                  {"edit_Vol1", "50"},
                                  {"edit_Vol2", "40"},
                                  {"edit_LF1", "4"},
                                  {"edit_LF2", "4"},
                                  {"edit_LF3", "4"},
                                  {"edit_LF4", "4"}}) {
            QLineEdit* e = Haupt<QLineEdit>(feld);
            e->setText(text);
            emit e->textEdited(text);
        }
    }

  private slots:
    void init() {
        projekt = std::make_unique<Projekt>(',');
        w = std::make_unique<TSimplifiedModel>(*projekt);
        projekt->StartVerzeichnis = ordner.path().toStdString();
        std::ofstream(ordner.filePath("VS_Wand.lib").toStdString(), std::ios::binary)
            << Bibliothek_Text(kVSArtWand, {{"GK 12,5 auf CW 50", "77"},
                                            {"GK 2 x 12,5 auf CW 50", "55"},
                                            {"mit Leerzeichen", "80 "},
                                            {"Bruch", "85,5"},
                                            {"ohne Frequenz", ""}});
        dialog = w->findChild<TForm_DB*>("Form_DB");
        QVERIFY(dialog);
        dialog->setDateiSuche(
            [](const std::string& s, const std::string& n) { return s + "/" + n; });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        Beispiel();
        QVERIFY(projekt->EingabenVollstaendig);
        ohneSchalen = Rw();
    }
    void cleanup() {
        dialog->hide();
        projekt->Gespeichert = 1;
        w.reset();
        projekt.reset();
    }

    void ueberschriftUndStartzustand() {
        Haupt<QLineEdit>("edit_room2")->setText("Wohnen");
        emit Haupt<QLineEdit>("edit_room2")->textEdited("Wohnen");
        Haupt<QLineEdit>("edit_Flanke3")->setText("Außenwand");
        emit Haupt<QLineEdit>("edit_Flanke3")->textEdited("Außenwand");
        Haupt<QTabWidget>("PageControl")->setCurrentIndex(3);
        Klick(Haupt<QCheckBox>("chk_id_F3"));  // room 2 of flank 3 gets its own lining
        Oeffnen("Button_VS3_2");
        QCOMPARE(dialog->windowTitle(), QString(" Vorsatzschalen-System "));
        QCOMPARE(Dlg<QLabel>("Label_VS")->text(), QString(" Vorsatzschale Wohnen / Außenwand"));
        QVERIFY(Dlg<QRadioButton>("rg_Auswahl0")->isChecked());
        QVERIFY(Dlg<QWidget>("panel_AuswahlDB")->isVisible());
        QVERIFY(!Dlg<QWidget>("panel_Berechnung")->isVisible());
        QCOMPARE(Dlg<QTableWidget>("grid_fres")->rowCount(), 5);
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->size(), QSize(562, 470));
        Bildschirmfoto("modus0_bibliothek");
        Klick(Dlg<QPushButton>("Button_ESC"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(projekt->Fenster.edit_VS[3][2], std::string());
    }

    void ausDerBibliothek() {
        Oeffnen("Button_TB_VS1");
        auto* tabelle = Dlg<QTableWidget>("grid_fres");
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {},
                          tabelle->visualRect(tabelle->model()->index(1, 0)).center());
        Klick(Dlg<QPushButton>("Button_Enter"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Haupt<QLineEdit>("edit_VS0_1")->text(),
                 QString("GK 2 x 12,5 auf CW 50 / f = 55Hz"));
        QCOMPARE(projekt->f0_VS[0][1], 55);
        QVERIFY(Haupt<QPushButton>("Button_TB_VS1clear")->isEnabled());
        QVERIFY(Rw() != ohneSchalen);
        QCOMPARE(projekt->Gespeichert, std::uint8_t(0));

        Klick(Haupt<QPushButton>("Button_TB_VS1clear"));
        QCOMPARE(Haupt<QLineEdit>("edit_VS0_1")->text(), QString());
        QCOMPARE(projekt->f0_VS[0][1], 0);
        QVERIFY(!Haupt<QPushButton>("Button_TB_VS1clear")->isEnabled());
        QCOMPARE(Rw(), ohneSchalen);
    }

    void bibliothekseintragOhneGanzzahl_data() {
        QTest::addColumn<int>("zeile");
        QTest::newRow("Leerzeichen") << 2;
        QTest::newRow("Bruch") << 3;
        QTest::newRow("leer") << 4;
    }
    void bibliothekseintragOhneGanzzahl() {
        QFETCH(int, zeile);
        Oeffnen("Button_TB_VS2");
        const std::uint8_t gespeichert = projekt->Gespeichert;
        auto* tabelle = Dlg<QTableWidget>("grid_fres");
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {},
                          tabelle->visualRect(tabelle->model()->index(zeile, 1)).center());
        Dialoge antworten;
        antworten.Dann(Dialoge::Knopf("&Nein"));
        Klick(Dlg<QPushButton>("Button_Enter"));
        QCOMPARE(antworten.gesehen,
                 QStringList{"Warnung|" + QString::fromUtf8(kKeineFrequenzWarnung)});
        QVERIFY(dialog->isVisible());  // back to the dialog
        antworten.Dann(Dialoge::Knopf("&Ja"));
        Klick(Dlg<QPushButton>("Button_Enter"));
        QVERIFY(antworten.AlleBeantwortet());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Haupt<QLineEdit>("edit_VS0_2")->text(), QString());
        QCOMPARE(projekt->Gespeichert, gespeichert);
        QVERIFY(!Haupt<QPushButton>("Button_TB_VS2clear")->isEnabled());
    }

    void berechnet() {
        Oeffnen("Button_VS4_1");
        Modus(1);
        QVERIFY(Dlg<QWidget>("panel_Berechnung")->isVisible());
        QVERIFY(!Dlg<QWidget>("panel_AuswahlDB")->isVisible());
        QCOMPARE(Dlg<QLineEdit>("edit_calcFres")->text(), QString("???"));
        QCOMPARE(Dlg<QLabel>("lb_Eingabe1")->text(), QString("Schalenabstand s :"));
        Tippen("editSys", "GK auf Staender");
        Tippen("edit_s", "0x,.05");  // letters and "." are dropped on a German system
        QCOMPARE(Dlg<QLineEdit>("edit_s")->text(), QString("0,05"));
        Tippen("edit_m", "10");
        QCOMPARE(Dlg<QLineEdit>("edit_calcFres")->text(), QString("85"));
        QVERIFY(Dlg<QLabel>("lb_Anm")->isVisible());
        Bildschirmfoto("modus1_berechnung");

        // The bonded construction: s' = 0.05 MN/m³ now.
        Klick(Dlg<QRadioButton>("RadioButton2"));
        QCOMPARE(Dlg<QLineEdit>("edit_calcFres")->text(), QString("11"));
        QCOMPARE(Dlg<QLabel>("lb_Eingabe1")->text(),
                 QString("dynamische Steifigkeit der Dämmschicht s' :"));
        QCOMPARE(Dlg<QLabel>("lb_Eingabe1a")->text(), QString("[MN/m³]"));
        QVERIFY(!Dlg<QLabel>("lb_Anm")->isVisible());
        Tippen("edit_s", "10");
        Tippen("edit_m", "100");
        QCOMPARE(Dlg<QLineEdit>("edit_calcFres")->text(), QString("51"));
        Bildschirmfoto("modus1_berechnung_verbunden");
        // The second caption line of the first construction chooses it.
        QTest::mouseClick(Dlg<QLabel>("Label9"), Qt::LeftButton);
        QVERIFY(Dlg<QRadioButton>("RadioButton1")->isChecked());
        QCOMPARE(Dlg<QLineEdit>("edit_calcFres")->text(), QString("2"));  // 60/√(10·100)

        Tippen("edit_s", "0,05");
        Tippen("edit_m", "10");
        Klick(Dlg<QPushButton>("Button_Enter"));
        QCOMPARE(Haupt<QLineEdit>("edit_VS4_1")->text(), QString("GK auf Staender / f = 85Hz"));
        QCOMPARE(projekt->f0_VS[4][1], 85);
        // Flank 4 is identical: its room-2 side mirrors room 1.
        QCOMPARE(Haupt<QLineEdit>("edit_VS4_2")->text(), QString("GK auf Staender / f = 85Hz"));
        QCOMPARE(projekt->f0_VS[4][2], 85);

        // The next opening starts again from "0" and keeps the construction.
        Oeffnen("Button_VS4_1");
        Modus(1);
        QCOMPARE(Dlg<QLineEdit>("edit_s")->text(), QString("0"));
        QCOMPARE(Dlg<QLineEdit>("editSys")->text(), QString());
        QVERIFY(Dlg<QRadioButton>("RadioButton1")->isChecked());
        // s = 0 leaves "???", which is no frequency.
        Dialoge antworten;
        antworten.Dann(Dialoge::Knopf("&Ja"));
        Klick(Dlg<QPushButton>("Button_Enter"));
        QVERIFY(antworten.AlleBeantwortet());
        QCOMPARE(projekt->f0_VS[4][1], 85);

        // Clearing the room-1 side of the identical flank clears both.
        Klick(Haupt<QPushButton>("Button_VS4_1clear"));
        QCOMPARE(Haupt<QLineEdit>("edit_VS4_2")->text(), QString());
        QCOMPARE(projekt->f0_VS[4][2], 0);
    }

    void direkt() {
        Haupt<QTabWidget>("PageControl")->setCurrentIndex(2);
        Klick(Haupt<QCheckBox>("chk_id_F2"));
        Oeffnen("Button_VS2_2");
        Modus(2);
        QVERIFY(Dlg<QWidget>("panel_AuswahlUser")->isVisible());
        Tippen("edit_VSsys", "Herstellerangabe");
        auto* fres = Dlg<QLineEdit>("edit_fres");
        fres->setFocus();
        fres->selectAll();
        QTest::keyClick(fres, Qt::Key_Backspace);
        QCOMPARE(fres->text(), QString("80"));  // an emptied field
        fres->selectAll();
        QTest::keyClicks(fres, "6,5a");
        QCOMPARE(fres->text(), QString("65"));
        Bildschirmfoto("modus2_direkt");
        QTest::keyClick(fres, Qt::Key_Return);  // Enter applies
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Haupt<QLineEdit>("edit_VS2_2")->text(), QString("Herstellerangabe / f = 65Hz"));
        QCOMPARE(projekt->f0_VS[2][2], 65);
        QVERIFY(Haupt<QPushButton>("Button_VS2_2clear")->isEnabled());
    }

    // "löschen" is enabled exactly while its slot holds a lining: after opening a file and after
    // pasting a lining.
    void loeschenNachOeffnenUndEinfuegen() {
        const QString datei = QString(PHONIKON_EXAMPLES_DIR) + "/vorsatzschalen_winkelstoss.dat";
        projekt->Gespeichert = 1;
        Dialoge antworten;
        antworten.Dann(Dialoge::Datei(datei));
        w->FileOpenItemClick();
        QVERIFY(antworten.AlleBeantwortet());
        int mitSchale = 0;
        for (int r = 0; r <= 4; ++r) {
            for (int c = 1; c <= 2; ++c) {
                const QString n = QString("%1_%2").arg(r).arg(c);
                auto* feld = Haupt<QLineEdit>("edit_VS" + n);
                auto* loeschen = Haupt<QPushButton>(r == 0 ? QString("Button_TB_VS%1clear").arg(c)
                                                           : "Button_VS" + n + "clear");
                const bool eigen = !(r > 0 && c == 2 && projekt->Fenster.chk_id[r]);
                QCOMPARE(loeschen->isEnabled(), !feld->text().isEmpty() && eigen);
                mitSchale += !feld->text().isEmpty() && eigen;
            }
        }
        QVERIFY(mitSchale >= 2);

        // Copy a lining and paste it onto an empty slot: its "löschen" comes on.
        auto feld = [this](int r, int c) {
            return Haupt<QLineEdit>(QString("edit_VS%1_%2").arg(r).arg(c));
        };
        std::pair<int, int> voll{-1, 0}, leer{-1, 0};
        for (int r = 0; r <= 4; ++r)
            for (int c = 1; c <= 2; ++c)
                if (feld(r, c)->isEnabled()) (feld(r, c)->text().isEmpty() ? leer : voll) = {r, c};
        QVERIFY(voll.first >= 0 && leer.first >= 0);
        QTest::mouseClick(feld(voll.first, voll.second), Qt::LeftButton);
        Haupt<QMenu>("PopupMenu2")->findChild<QAction*>("copyVS")->trigger();
        QTest::mouseClick(feld(leer.first, leer.second), Qt::LeftButton);
        Haupt<QMenu>("PopupMenu2")->findChild<QAction*>("InsertVS")->trigger();
        QCOMPARE(feld(leer.first, leer.second)->text(), feld(voll.first, voll.second)->text());
        const QString n = QString("%1_%2").arg(leer.first).arg(leer.second);
        QVERIFY(Haupt<QPushButton>(leer.first == 0 ? QString("Button_TB_VS%1clear").arg(leer.second)
                                                   : "Button_VS" + n + "clear")
                    ->isEnabled());
    }
};

QTEST_MAIN(TestLiningDialog)
#include "test_lining_dialog.moc"
