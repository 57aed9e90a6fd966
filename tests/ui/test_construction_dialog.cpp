// The construction dialog driven like a user: choosing from the lists, typing layer values,
// the deduction and the user value, the warnings, cancel, and the way there and back from the
// main window. With PHONIKON_SCREENSHOTS=<folder> the layouts are saved as PNG.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "calc/number_text.h"
#include "calc/project_reset.h"
#include "construction/construction_dialog.h"
#include "dialog_answers.h"
#include "mainwindow/main_window.h"

using namespace phonikon;

class TestConstructionDialog : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Projekt> projekt;  // declared first: the dialog goes before its project
    std::unique_ptr<TForm_BT> dialog;

    void NeuerDialog(char dezimal = ',') {
        dialog.reset();
        projekt = std::make_unique<Projekt>(dezimal);
        Projekt_Zuruecksetzen(*projekt);
        dialog = std::make_unique<TForm_BT>(*projekt);
    }

    template <class T>
    static T* Teil(QWidget* w, const QString& name) {
        T* t = w->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    template <class T>
    T* Teil(const QString& name) {
        return Teil<T>(dialog.get(), name);
    }
    QString Label(const QString& name) { return Teil<QLabel>(name)->text(); }

    // Picks an item of a list from the keyboard, as a user steps through a closed list.
    static void Waehlen(QComboBox* liste, int index) {
        liste->setFocus();
        while (liste->currentIndex() < index) QTest::keyClick(liste, Qt::Key_Down);
        while (liste->currentIndex() > index) QTest::keyClick(liste, Qt::Key_Up);
    }
    void Waehlen(const QString& liste, int index) { Waehlen(Teil<QComboBox>(liste), index); }

    // Types over the whole text of a field.
    static void Tippen(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        if (text.isEmpty()) QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    void Tippen(const QString& feld, const QString& text) { Tippen(Teil<QLineEdit>(feld), text); }

    void Klicken(const QString& knopf) {
        QTest::mouseClick(Teil<QAbstractButton>(knopf), Qt::LeftButton);
    }

    void Foto(QWidget* w, const QString& name) {
        const QString ziel = qEnvironmentVariable("PHONIKON_SCREENSHOTS");
        if (ziel.isEmpty()) return;
        QDir().mkpath(ziel);
        w->grab().save(ziel + "/" + name + ".png");
    }

  private slots:
    void brevonWorkedExamples() {
        NeuerDialog();
        dialog->Oeffnen(0, 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString(" Bauteilaufbau"));
        QCOMPARE(Label("label_BT"), QString(" Trennbauteil"));
        // The reset record: thin-bed mortar, class 1.8, 24 cm, 4 mm plaster on both sides.
        QCOMPARE(Label("label_m"), QString("m´ = 417,6 [kg/m²]"));
        QCOMPARE(Label("label_Rw"), QString("Rw = 58,8 [dB]"));
        QVERIFY(!Teil<QLabel>("label_Meldung1")->isVisible());
        QVERIFY(!Teil<QWidget>("panel_Rohdichte")->isVisible());
        QVERIFY(!Teil<QLineEdit>("edit_d2")->isEnabled());
        Foto(dialog.get(), "konstruktion_0_brevon");

        Waehlen("combo_B2b", 4);  // 17,5 cm
        Waehlen("combo_B1", 2);   // 10 mm Dünnputz
        Waehlen("combo_B3", 2);
        QCOMPARE(Teil<QLineEdit>("edit_d2")->text(), QString("17,5"));
        QCOMPARE(Label("label_m"), QString("m´ = 317,5 [kg/m²]"));
        QCOMPARE(Label("label_Rw"), QString("Rw = 55,1 [dB]"));

        // Delivery range: normal mortar of class 1.2 comes only 10 cm thick.
        Waehlen("combo_B2", 0);
        Klicken("rg_Moertel_1");
        QVERIFY(Teil<QLabel>("label_Meldung1")->isVisible());
        QCOMPARE(Label("label_Meldung1"),
                 QString("Liefermöglichkeit für gewähltes Brevon-Produkt prüfen!"));
        Foto(dialog.get(), "konstruktion_0_lieferhinweis");
        Waehlen("combo_B2b", 1);
        QVERIFY(!Teil<QLabel>("label_Meldung1")->isVisible());
        QCOMPARE(Teil<QLineEdit>("edit_roh2")->text(), QString("1180"));

        QSignalSpy uebernommen(dialog.get(), &TForm_BT::uebernommen);
        Klicken("btn_OK");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(uebernommen.count(), 1);
        const Bauteil& b = projekt->Element[0][0];
        QCOMPARE(b.Moertel, 1);
        QCOMPARE(b.B2, 0);
        QCOMPARE(b.B2b, 1);
        QCOMPARE(projekt->Fenster.Memo[0][0],
                 (std::vector<std::string>{"10 mm Dünnputz (1000 kg/m³)",
                                           "10 cm  Brevon, Rohdichteklasse  1.2",
                                           "10 mm Dünnputz (1000 kg/m³)"}));
    }

    void kindLayouts() {
        NeuerDialog();
        dialog->Oeffnen(1, 1);
        Waehlen("combo_Konstrukt", 1);
        QCOMPARE(Label("label_WD"), QString("Wand/ Decke:"));
        QVERIFY(Teil<QComboBox>("combo_B2a")->isVisible());
        QVERIFY(!Teil<QComboBox>("combo_B2")->isVisible());
        QVERIFY(Teil<QLineEdit>("edit_d2")->isEnabled());
        Waehlen("combo_B1", 3);
        Waehlen("combo_B3", 3);
        Tippen("edit_d2", "18");
        QCOMPARE(Label("label_m"), QString("m´ = 468,0 [kg/m²]"));
        QCOMPARE(Label("label_Rw"), QString("Rw = 60,3 [dB]"));
        Foto(dialog.get(), "konstruktion_1_beton");

        const int schmal = dialog->width();
        Waehlen("combo_Konstrukt", 2);
        QVERIFY(dialog->width() > schmal + 250);
        QVERIFY(Teil<QWidget>("panel_Rohdichte")->isVisible());
        QVERIFY(Teil<QWidget>("panel_Schichtaufbau")->isVisible());
        QCOMPARE(Teil<QLineEdit>("edit_schichtName2")->text(), QString("Porenbeton"));
        QVERIFY(!Teil<QLineEdit>("edit_schichtName2")->isEnabled());
        QCOMPARE(Teil<QLineEdit>("edit_roh2")->text(), QString("0"));
        Tippen("edit_d2", "24");
        Tippen("edit_roh2", "600");
        QCOMPARE(Label("lb_Rw"), QString("Direktschalldämm-Maß nach Massekurve:"));
        Foto(dialog.get(), "konstruktion_2_porenbeton");
        Foto(Teil<QWidget>("panel_Rohdichte"), "referenztabelle");

        Waehlen("combo_Konstrukt", 5);
        QCOMPARE(dialog->width(), schmal);
        QCOMPARE(Label("label_WD"), QString("Bauteil:"));
        QVERIFY(Teil<QLineEdit>("edit_schichtName2")->isEnabled());
        Tippen("edit_schichtName2", "Kalksandstein");
        Tippen("edit_roh2", "1800");
        Foto(dialog.get(), "konstruktion_5_sonstige");
        Klicken("btn_OK");
        QCOMPARE(projekt->Fenster.Memo[1][1][1], std::string("24 cm  Kalksandstein (1800 kg/m³)"));
    }

    void referenceTable() {
        NeuerDialog();
        QWidget* tabelle = Teil<QWidget>("panel_Rohdichte");
        QStringList texte;
        for (QLabel* l : tabelle->findChildren<QLabel*>()) texte << l->text();
        QVERIFY(texte.contains("Umrechnung Rohdichteklasse - Wand-Rohdichte"));
        for (const char* t : {"2,2", "2080", "1940", "0,4", "405", "350"})
            QVERIFY2(texte.contains(t), t);
        QVERIFY(texte.filter(QRegularExpression("^1\\) Die angegebenen Werte")).size() == 1);
        QVERIFY(texte.filter(QRegularExpression("^2\\) Dicke der Mörtelfugen")).size() == 1);
    }

    void clayBrickDeductionAndUserValue() {
        NeuerDialog();
        dialog->Oeffnen(2, 1);
        Waehlen("combo_Konstrukt", 3);
        Tippen("edit_d1", "1,5");
        Tippen("edit_roh1", "1800");
        Tippen("edit_d3", "1,5");
        Tippen("edit_roh3", "1800");
        Tippen("edit_d2", "36,5");
        Tippen("edit_roh2", "700");
        QCOMPARE(Label("label_m"), QString("m´ = 309,5 [kg/m²]"));
        QVERIFY(Teil<QRadioButton>("rg_Zulassung1")->isVisible());
        QCOMPARE(Teil<QRadioButton>("rg_Zulassung2")->text(),
                 QString("Steine nach DIN 105 und Verfüllziegel "));
        QCOMPARE(Label("lb_Rw"), QString("um -10 dB korrigiertes Direktschalldämm-Maß:"));
        QCOMPARE(Teil<QLineEdit>("edit_RwUser")->text(), QString("44,8"));
        QVERIFY(!Teil<QLineEdit>("edit_RwUser")->isEnabled());
        QVERIFY(!Teil<QLabel>("label_Rw")->isVisible());
        QVERIFY(Teil<QPlainTextEdit>("memo_Meldung")
                    ->toPlainText()
                    .endsWith("  Rw aus Massenkurve = 54,8 dB"));
        Foto(dialog.get(), "konstruktion_3_ziegel_abschlag");

        // Units after DIN at 770 kg/m³ take no deduction.
        Klicken("rg_Zulassung2");
        Tippen("edit_roh2", "770");
        QCOMPARE(Label("lb_Rw"), QString("Direktschalldämm-Maß nach Massekurve:"));
        QVERIFY(Teil<QLabel>("label_Rw")->isVisible());
        QVERIFY(!Teil<QCheckBox>("chk_RwUser")->isVisible());

        Klicken("rg_Zulassung1");
        QTest::mouseClick(Teil<QCheckBox>("chk_RwUser"), Qt::LeftButton, {},
                          QPoint(5, Teil<QCheckBox>("chk_RwUser")->height() / 2));
        QVERIFY(Teil<QLineEdit>("edit_RwUser")->isEnabled());
        QCOMPARE(Label("lb_Rw"), QString("Direktschalldämm-Maß (Anwendervorgabe):"));
        Tippen("edit_RwUser", "47");
        Klicken("btn_OK");
        QVERIFY(!dialog->isVisible());
        const Bauteil& b = projekt->Element[2][1];
        QCOMPARE(double(b.Rw), 47.0);
        QCOMPARE(double(b.RwUser), 47.0);
        QCOMPARE(b.RwUserAktiv, 1);
        QCOMPARE(b.Zulassung1, 1);
        QCOMPARE(b.SchichtName2, std::string("Ziegel-Mauerwerk"));
    }

    void keyFilter() {
        const struct {
            char sep;
            const char *getippt, *ergebnis;
        } faelle[] = {{',', "2,5x.-", "2,5"}, {'.', "2,5x-", "2.5"}};
        for (const auto& fall : faelle) {
            NeuerDialog(fall.sep);
            dialog->Oeffnen(0, 0);
            Waehlen("combo_Konstrukt", 5);
            Tippen("edit_d2", fall.getippt);
            QCOMPARE(Teil<QLineEdit>("edit_d2")->text(), QString(fall.ergebnis));
        }
        // An emptied field shows "0" at once, and the next key replaces it.
        Tippen("edit_roh2", "");
        QCOMPARE(Teil<QLineEdit>("edit_roh2")->text(), QString("0"));
        QTest::keyClicks(Teil<QLineEdit>("edit_roh2"), "900");
        QCOMPARE(Teil<QLineEdit>("edit_roh2")->text(), QString("900"));
        QCOMPARE(Label("label_m"), QString("m´ = 32.1 [kg/m²]"));  // 2 · 4,8 + 2,5 · 9
    }

    void warningsAndUnreadableNumbers() {
        NeuerDialog();
        dialog->Oeffnen(3, 1);
        Waehlen("combo_Konstrukt", 5);
        Tippen("edit_d2", "5");
        Tippen("edit_roh2", "1000");
        QCOMPARE(Label("lb_Rw"), QString("Flächenmasse kleiner 80 kg/m² !!!"));
        QCOMPARE(Label("label_Rw"), QString("---"));

        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("&Nein"));
        Klicken("btn_OK");
        QVERIFY(dialoge.AlleBeantwortet());
        QVERIFY(dialoge.gesehen.first().startsWith(
            "Warnung| WARNUNG! Flächenmasse kleiner 80 kg/m². Keine Berechnung"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(projekt->Element[3][1], Bauteil{});  // nothing written yet

        dialoge.Dann(Dialoge::Knopf("&Ja"));
        Klicken("btn_OK");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(double(projekt->Element[3][1].mFlaeche), 59.6);  // 50 + 2 · 4,8 plaster
        QCOMPARE(projekt->Gespeichert, std::uint8_t(0));

        // A lone decimal separator is no number: message, dialog stays, nothing stored.
        dialog->Oeffnen(0, 0);
        Waehlen("combo_Konstrukt", 5);
        dialoge.Dann(Dialoge::Knopf("OK"));
        Tippen("edit_d2", ",");
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen.last(), QString("Phonikon|',' ist kein gültiger Fließkommawert"));
        dialoge.Dann(Dialoge::Knopf("OK"));
        Klicken("btn_OK");
        QVERIFY(dialoge.AlleBeantwortet());
        QVERIFY(dialog->isVisible());
        QCOMPARE(projekt->Element[0][0], Bauteil{});
    }

    void cancelLeavesTheElement() {
        NeuerDialog();
        projekt->Fenster.Memo[0][0] = {"alt"};
        const Projekt vorher = *projekt;
        dialog->Oeffnen(0, 0);
        Waehlen("combo_Konstrukt", 2);
        Tippen("edit_d2", "30");
        QSignalSpy abgebrochen(dialog.get(), &TForm_BT::abgebrochen);
        Klicken("btn_ECS");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(abgebrochen.count(), 1);
        QCOMPARE(projekt->Element, vorher.Element);
        QCOMPARE(projekt->Fenster.Memo, vorher.Fenster.Memo);

        // Reopened, the dialog shows the element, not what was typed before the cancel.
        dialog->Oeffnen(0, 0);
        QCOMPARE(Teil<QComboBox>("combo_Konstrukt")->currentIndex(), 0);
        QCOMPARE(Label("label_m"), QString("m´ = 417,6 [kg/m²]"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void fromTheMainWindow() {
        dialog.reset();
        projekt = std::make_unique<Projekt>(',');
        auto w = std::make_unique<TSimplifiedModel>(*projekt);
        w->show();
        // Geometry and the other elements of the worked example.
        Projekt& p = *projekt;
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 2; ++j) {
                p.Element[i][j].mFlaeche = 400;
                p.Element[i][j].Rw = 55;
            }
        for (auto [feld, text] : {std::pair{"edit_A", "10"},
                                  {"edit_L1", "4"},
                                  {"edit_L2", "4"},
                                  {"edit_LF1", "4"},
                                  {"edit_LF2", "4"},
                                  {"edit_LF3", "4"},
                                  {"edit_LF4", "4"},
                                  {"edit_Vol1", "50"},
                                  {"edit_Vol2", "40"}})
            Tippen(Teil<QLineEdit>(w.get(), feld), text);
        QVERIFY(!p.EingabenVollstaendig);  // the separating element has no mass yet
        p.Gespeichert = 1;

        QTest::mouseClick(Teil<QPushButton>(w.get(), "Button_TB"), Qt::LeftButton);
        auto* form = Teil<TForm_BT>(w.get(), "Form_BT");
        QVERIFY(form->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), form);  // the main window takes no input
        Waehlen(Teil<QComboBox>(form, "combo_B2b"), 4);
        Waehlen(Teil<QComboBox>(form, "combo_B1"), 2);
        Waehlen(Teil<QComboBox>(form, "combo_B3"), 2);
        QTest::mouseClick(Teil<QPushButton>(form, "btn_OK"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QVERIFY(!QApplication::activeModalWidget());

        QCOMPARE(Teil<QPlainTextEdit>(w.get(), "Memo_TB")->toPlainText(),
                 QString("10 mm Dünnputz (1000 kg/m³)\n17,5 cm  Brevon, Rohdichteklasse  1.8\n"
                         "10 mm Dünnputz (1000 kg/m³)"));
        QCOMPARE(Teil<QLabel>(w.get(), "label_DirRw")->text(),
                 QString("Direktschalldämm-Maß 55,1 [dB]"));
        QVERIFY(Teil<QLabel>(w.get(), "label_DirRw")->isVisible());
        QCOMPARE(p.Gespeichert, std::uint8_t(0));
        QVERIFY(p.EingabenVollstaendig);
        QCOMPARE(Teil<QLabel>(w.get(), "label_Rges")->text(),
                 QString::fromStdString(FormatResultLabel(p.R_w_Bau, ',')));

        // A room-1 flank element of an identical flank is copied to room 2.
        Teil<QTabWidget>(w.get(), "PageControl")->setCurrentIndex(2);
        QTest::mouseClick(Teil<QPushButton>(w.get(), "Button_F2_1"), Qt::LeftButton);
        QCOMPARE(Teil<QLabel>(form, "label_BT")->text(), QString(" Flanke 2 / Raum 1"));
        Waehlen(Teil<QComboBox>(form, "combo_Konstrukt"), 1);
        Tippen(Teil<QLineEdit>(form, "edit_d2"), "20");
        QTest::mouseClick(Teil<QPushButton>(form, "btn_OK"), Qt::LeftButton);
        const QString flanke = Teil<QPlainTextEdit>(w.get(), "Memo_F2_1")->toPlainText();
        QVERIFY(flanke.contains("20 cm  Normalbeton  (2300 kg/m³)"));
        QCOMPARE(Teil<QPlainTextEdit>(w.get(), "Memo_F2_2")->toPlainText(), flanke);
        QCOMPARE(p.Element[2][2], p.Element[2][1]);
        Foto(w.get(), "hauptfenster_nach_bauteilaufbau");
    }
};

QTEST_MAIN(TestConstructionDialog)
#include "test_construction_dialog.moc"
