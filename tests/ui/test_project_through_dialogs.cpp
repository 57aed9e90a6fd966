// A whole project entered the way a new user does it: from the fresh main window, every element
// from the construction dialog, the junctions from the junction dialog, one lining from the
// library and one calculated, the geometry typed in; then saved through "Speichern unter" and
// opened again in a fresh window through "Öffnen", with the same results and descriptions.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <map>

#include "construction/construction_dialog.h"
#include "dialog_answers.h"
#include "junction/junction_dialog.h"
#include "lining/lining_dialog.h"
#include "mainwindow/main_window.h"

using namespace phonikon;

namespace {

// R'w and the five shares recomputed from the element values, junction codes, resonance
// frequencies and geometry by the formulas of the simplified model.
struct Erwartung {
    double Rges, Ri[5], DnTw12;
};

double lg(double x) {
    return std::log10(x);
}
double Summe(std::initializer_list<double> r) {
    double e = 0;
    for (double x : r) e += std::pow(10.0, -x / 10);
    return -10 * lg(e);
}
double Vorsatz(int f0, double rw) {
    double d = 0;
    if (f0 >= 1 && f0 <= 80)
        d = 35 - rw / 2;
    else if (f0 >= 81 && f0 <= 100)
        d = 32 - rw / 2;
    else if (f0 >= 101 && f0 <= 125)
        d = 30 - rw / 2;
    else if (f0 >= 126 && f0 <= 160)
        d = 28 - rw / 2;
    else if (f0 >= 161 && f0 <= 200)
        d = -1;
    if (f0 < 200 && d < 0) d = 0;
    return d;  // no lining here lies above 200 Hz
}
double Kombination(double a, double b) {
    return std::max(a, b) + std::min(a, b) / 2;
}
double K3(double x) {
    const double m = lg(x), k = 5.7 + 14.1 * m + 5.7 * m * m;
    return k > 9 ? 9.2 + 1.9 * m : k;
}
double K4(double x) {
    return 4.7 + 5.7 * lg(x) * lg(x);
}
double K5(double x) {
    return 2.7 + 2.7 * lg(x) * lg(x);
}
double K6(double x) {
    return 5 * lg(x) * lg(x) - 5;
}

Bauteil Gerundet(Bauteil b) {
    for (long double* x :
         {&b.roh1, &b.roh2, &b.roh3, &b.d1, &b.d2, &b.d3, &b.mFlaeche, &b.Rw, &b.RwUser})
        *x = std::round(*x * 1000) / 1000;
    return b;
}

}  // namespace

class TestProjectThroughDialogs : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    std::unique_ptr<Projekt> projekt, projekt2;  // declared first: windows go before projects
    std::unique_ptr<TSimplifiedModel> w, w2;

    template <class T>
    static T* Teil(QWidget* in, const QString& name) {
        T* t = in->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    template <class T>
    T* Haupt(const QString& name) {
        return Teil<T>(w.get(), name);
    }
    static void Klick(QWidget* knopf) {
        QVERIFY2(knopf->isVisible() && knopf->isEnabled(), qPrintable(knopf->objectName()));
        QTest::mouseClick(knopf, Qt::LeftButton, {},
                          QPoint(knopf->width() / 2, knopf->height() / 2));
    }
    // A click on the box of a check box or the circle of a radio button.
    static void Ankreuzen(QAbstractButton* knopf) {
        QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
    }
    static void Tippen(QLineEdit* e, const QString& text) {
        QVERIFY2(e->isVisible() && e->isEnabled(), qPrintable(e->objectName()));
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QCOMPARE(e->text(), text);
    }
    static void Waehlen(QComboBox* liste, int index) {
        liste->setFocus();
        while (liste->currentIndex() < index) QTest::keyClick(liste, Qt::Key_Down);
        while (liste->currentIndex() > index) QTest::keyClick(liste, Qt::Key_Up);
    }
    void SeiteAnklicken(int index) {
        QTabBar* reiter = Haupt<QTabWidget>("PageControl")->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(index).center());
    }

    // One element through the construction dialog: kind, then list choices and typed fields
    // (field name → text; "combo_*" names take an index).
    void Element(int zeile, int spalte, int art,
                 std::initializer_list<std::pair<const char*, QString>> eingaben,
                 const char* zusatzKnopf = nullptr) {
        SeiteAnklicken(zeile);
        Klick(Haupt<QPushButton>(zeile == 0 ? QString("Button_TB")
                                            : QString("Button_F%1_%2").arg(zeile).arg(spalte)));
        auto* form = Haupt<TForm_BT>("Form_BT");
        QVERIFY(form->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), form);
        Waehlen(Teil<QComboBox>(form, "combo_Konstrukt"), art);
        if (zusatzKnopf) Ankreuzen(Teil<QAbstractButton>(form, zusatzKnopf));
        for (const auto& [feld, text] : eingaben) {
            if (QString(feld).startsWith("combo_"))
                Waehlen(Teil<QComboBox>(form, feld), text.toInt());
            else
                Tippen(Teil<QLineEdit>(form, feld), text);
        }
        const QString rw = Teil<QLabel>(form, "label_Rw")->text();
        QVERIFY2(!rw.contains("$") && !rw.contains("---"), qPrintable(rw));
        Klick(Teil<QPushButton>(form, "btn_OK"));
        QVERIFY(!form->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        const Bauteil& b = projekt->Element[zeile][spalte];
        QVERIFY(b.mFlaeche >= 80 && b.Rw > 0);
    }

    // The junction of flank k through the junction dialog: type 0 … 3, then a decoupling
    // button (or the large button of the rigid T and cross junctions).
    void Stoss(int k, int typ, const QString& knopf) {
        SeiteAnklicken(k);
        Klick(Haupt<QToolButton>(QString("button_Stoss%1").arg(k)));
        auto* dialog = Haupt<TForm_SS>("Form_SS");
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        Ankreuzen(Teil<QRadioButton>(dialog, QString("rgStoss_%1").arg(typ)));
        QTest::mouseClick(Teil<QWidget>(dialog, knopf), Qt::LeftButton);
        Klick(Teil<QPushButton>(dialog, "btn_Exit"));
        QVERIFY(!dialog->isVisible());
    }

    Erwartung Nachrechnen(const Projekt& p) {
        const double S = 12, tiefe[3] = {0, 4.5, 3.8}, V2 = 45;
        const double l[5] = {0, 4, 2.6, 4, 2.6};
        auto m = [&](int r, int c) { return double(p.Element[r][c].mFlaeche); };
        auto rw = [&](int r, int c) { return double(p.Element[r][c].Rw); };
        const double rwTB = rw(0, 0), mTB = m(0, 0);
        auto vs = [&](int r, int c) { return Vorsatz(p.f0_VS[r][c], r == 0 ? rwTB : rw(r, c)); };
        Erwartung e{};
        const double rDd = rwTB + Kombination(vs(0, 1), vs(0, 2));
        double rFd[5] = {}, rFf[5] = {}, rDf[5] = {};
        for (int i = 1; i <= 4; ++i) {
            const double m1 = m(i, 1), m2 = m(i, 2);
            double k[3];
            switch (i) {
                case 1:  // T, rigid
                    k[0] = K3(2 * mTB / (m1 + m2));
                    k[1] = k[2] = K4(2 * mTB / (m1 + m2));
                    break;
                case 2:  // T, room 2 decoupled
                    k[0] = k[2] = 20;
                    k[1] = K5(m1 / mTB);
                    break;
                case 3:  // corner A, rigid
                    k[0] = k[1] = K4(2 * m1 / (mTB + m2));
                    k[2] = K3(2 * m1 / (mTB + m2));
                    break;
                default:  // T, separating element decoupled
                    k[0] = K6(m1 / m2);
                    k[1] = k[2] = 20;
            }
            const double s1 = tiefe[1] * l[i], s2 = i == 3 ? 1.2 : tiefe[2] * l[i];
            k[0] = std::max(k[0], 10 * lg(l[i] * (1 / s1 + 1 / s2)));
            k[1] = std::max(k[1], 10 * lg(l[i] * (1 / S + 1 / s1)));
            k[2] = std::max(k[2], 10 * lg(l[i] * (1 / S + 1 / s2)));
            const double g = 10 * lg(S / l[i]);
            rFf[i] = rw(i, 1) / 2 + rw(i, 2) / 2 + Kombination(vs(i, 1), vs(i, 2)) + k[0] + g;
            rFd[i] = rwTB / 2 + rw(i, 1) / 2 + Kombination(vs(i, 1), vs(0, 2)) + k[1] + g;
            rDf[i] = rw(i, 2) / 2 + rwTB / 2 + Kombination(vs(0, 1), vs(i, 2)) + k[2] + g;
            e.Ri[i] = Summe({rFf[i], rDf[i]});
        }
        e.Ri[0] = Summe({rFd[1], rFd[2], rFd[3], rFd[4], rDd});
        e.Rges = Summe({e.Ri[0], e.Ri[1], e.Ri[2], e.Ri[3], e.Ri[4]});
        e.DnTw12 = e.Rges + 10 * lg(0.32 * V2 / S);
        return e;
    }
    static QString Anzeige(double dB) {
        return QString::number(dB, 'f', 1).replace('.', ',') + " [dB]";
    }

    // Everything the window shows of the project that must survive saving and opening.
    static QStringList Ansicht(QWidget* fenster) {
        QStringList a;
        auto text = [&](const QString& name) -> QString {
            if (auto* l = fenster->findChild<QLabel*>(name)) return l->text();
            if (auto* e = fenster->findChild<QLineEdit*>(name)) return e->text();
            if (auto* m = fenster->findChild<QPlainTextEdit*>(name)) return m->toPlainText();
            qFatal("kein %s", qPrintable(name));
        };
        QStringList namen{"label_Rges", "label_DnTW", "Memo_TB",   "edit_VS0_1", "edit_VS0_2",
                          "edit_A",     "edit_L1",    "edit_L2",   "edit_Vol1",  "edit_Vol2",
                          "edit_room1", "edit_room2", "edit_FF3_2"};
        for (int i = 0; i <= 4; ++i) namen << QString("label_Ri%1").arg(i);
        for (int i = 1; i <= 4; ++i) {
            namen << QString("edit_LF%1").arg(i) << QString("edit_Flanke%1").arg(i);
            for (int j = 1; j <= 2; ++j)
                namen << QString("Memo_F%1_%2").arg(i).arg(j)
                      << QString("edit_VS%1_%2").arg(i).arg(j);
        }
        for (const QString& n : namen) a << n + " = " + text(n);
        return a;
    }

  private slots:
    void initTestCase() {
        // The libraries: copies in the start folder, as a user keeps them.
        for (const char* lib : {"VS_Wand.lib", "VS_Decke.lib", "VS_Estrich.lib"})
            QVERIFY(QFile::copy(QString(PHONIKON_EXAMPLES_DIR) + "/../data/" + lib,
                                ordner.filePath(lib)));
    }
    void cleanupTestCase() {
        for (auto* p : {projekt.get(), projekt2.get()})
            if (p) p->Gespeichert = 1;
        w2.reset();
        w.reset();
    }

    void projektEingebenSpeichernUndWiederOeffnen() {
        projekt = std::make_unique<Projekt>(',');
        w = std::make_unique<TSimplifiedModel>(*projekt);
        projekt->StartVerzeichnis = ordner.path().toStdString();
        projekt->ProjektVerzeichnis = ordner.path().toStdString();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(Haupt<QWidget>("panel_errorMsg")->isVisible());

        // Names and geometry.
        Tippen(Haupt<QLineEdit>("edit_Projekt"), "Doppelhaus Lindenweg");
        Tippen(Haupt<QLineEdit>("edit_room1"), "Wohnen");
        Tippen(Haupt<QLineEdit>("edit_room2"), "Schlafen");
        Tippen(Haupt<QLineEdit>("edit_A"), "12");
        Tippen(Haupt<QLineEdit>("edit_L1"), "4,5");
        Tippen(Haupt<QLineEdit>("edit_L2"), "3,8");
        Tippen(Haupt<QLineEdit>("edit_Vol1"), "60");
        Tippen(Haupt<QLineEdit>("edit_Vol2"), "45");
        const char* kanten[] = {"", "4", "2,6", "4", "2,6"};
        const char* flanken[] = {"", "Decke", "Außenwand", "Fußboden", "Flurwand"};
        for (int i = 1; i <= 4; ++i) {
            SeiteAnklicken(i);
            Tippen(Haupt<QLineEdit>(QString("edit_Flanke%1").arg(i)), flanken[i]);
            Tippen(Haupt<QLineEdit>(QString("edit_LF%1").arg(i)), kanten[i]);
            // Each flank gets its own element in room 2.
            Ankreuzen(Haupt<QCheckBox>(QString("chk_id_F%1").arg(i)));
            QVERIFY(!projekt->Fenster.chk_id[i]);
        }

        // The nine elements.
        Element(0, 0, 0, {{"combo_B2b", "4"}, {"combo_B1", "2"}, {"combo_B3", "2"}});
        Element(1, 1, 1, {{"combo_B1", "3"}, {"combo_B3", "3"}, {"edit_d2", "18"}});
        Element(1, 2, 1, {{"edit_d2", "20"}});
        Element(2, 1, 2, {{"edit_d2", "24"}, {"edit_roh2", "600"}});
        Element(2, 2, 5,
                {{"edit_schichtName2", "Kalksandstein"}, {"edit_d2", "24"}, {"edit_roh2", "1800"}});
        Element(3, 1, 3,
                {{"edit_d1", "1,5"},
                 {"edit_roh1", "1800"},
                 {"edit_d3", "1,5"},
                 {"edit_roh3", "1800"},
                 {"edit_d2", "36,5"},
                 {"edit_roh2", "770"}},
                "rg_Zulassung2");
        Element(3, 2, 1, {{"edit_d2", "16"}});
        Element(4, 1, 4, {{"edit_d2", "17,5"}, {"edit_roh2", "1400"}});
        Element(4, 2, 0, {{"combo_B2", "3"}, {"combo_B2b", "2"}});
        QVERIFY(projekt->EingabenVollstaendig);

        // Junctions: three T junctions and one corner junction with its flank area.
        Stoss(1, 0, "img_button0b");
        Stoss(2, 0, "button_3");
        Stoss(4, 0, "button_1");
        Stoss(3, 2, "button_0");
        QCOMPARE(projekt->Stoss[1], std::string("TS_ohneTrennung"));
        QCOMPARE(projekt->Stoss[2], std::string("TS_TrennungR2"));
        QCOMPARE(projekt->Stoss[3], std::string("LSa_ohneTrennung"));
        QCOMPARE(projekt->Stoss[4], std::string("TS_TrennungTB"));
        SeiteAnklicken(3);
        QVERIFY(Haupt<QLineEdit>("edit_FF3_2")->isVisible());
        Tippen(Haupt<QLineEdit>("edit_FF3_2"), "1,2");

        // Linings: one from the wall library on the separating element, one calculated.
        auto* vs = Haupt<TForm_DB>("Form_DB");
        SeiteAnklicken(0);
        Klick(Haupt<QPushButton>("Button_TB_VS1"));
        QVERIFY(vs->isVisible());
        auto* tabelle = Teil<QTableWidget>(vs, "grid_fres");
        QVERIFY(tabelle->rowCount() > 2);
        QCOMPARE(tabelle->item(1, 1)->text(), QString("55"));
        const QString systemName = tabelle->item(1, 0)->text();
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {},
                          tabelle->visualRect(tabelle->model()->index(1, 0)).center());
        Klick(Teil<QPushButton>(vs, "Button_Enter"));
        QVERIFY(!vs->isVisible());
        QCOMPARE(Haupt<QLineEdit>("edit_VS0_1")->text(), systemName + " / f = 55Hz");

        SeiteAnklicken(2);
        Klick(Haupt<QPushButton>("Button_VS2_1"));
        Ankreuzen(Teil<QRadioButton>(vs, "rg_Auswahl1"));
        Tippen(Teil<QLineEdit>(vs, "editSys"), "GK auf Staender");
        Tippen(Teil<QLineEdit>(vs, "edit_s"), "0,05");
        Tippen(Teil<QLineEdit>(vs, "edit_m"), "10");
        QCOMPARE(Teil<QLineEdit>(vs, "edit_calcFres")->text(), QString("85"));
        Klick(Teil<QPushButton>(vs, "Button_Enter"));
        QVERIFY(!vs->isVisible());
        QCOMPARE(Haupt<QLineEdit>("edit_VS2_1")->text(), QString("GK auf Staender / f = 85Hz"));
        QCOMPARE(Haupt<QLineEdit>("edit_VS2_2")->text(), QString());
        QCOMPARE(projekt->f0_VS[0][1], 55);
        QCOMPARE(projekt->f0_VS[2][1], 85);

        // The result: complete and as the formulas give it.
        QVERIFY(projekt->EingabenVollstaendig);
        QVERIFY(!Haupt<QWidget>("panel_errorMsg")->isVisible());
        QVERIFY(!Haupt<QWidget>("panel_DnTW")->isVisible());
        QVERIFY(Haupt<QRadioButton>("rg_DnTW1")->isChecked());
        const Erwartung e = Nachrechnen(*projekt);
        QCOMPARE(Haupt<QLabel>("label_Rges")->text(), Anzeige(e.Rges));
        for (int i = 0; i <= 4; ++i)
            QCOMPARE(Haupt<QLabel>(QString("label_Ri%1").arg(i))->text(), Anzeige(e.Ri[i]));
        QCOMPARE(Haupt<QLabel>("label_DnTW")->text(), Anzeige(e.DnTw12));
        qInfo("R'w = %s", qPrintable(Haupt<QLabel>("label_Rges")->text()));
        const QStringList eingegeben = Ansicht(w.get());
        for (const QString& zeile : eingegeben)
            QVERIFY2(!zeile.contains("$") && !(zeile.startsWith("Memo") && zeile.endsWith("= ")),
                     qPrintable(zeile));

        // Save as.
        const QString datei = ordner.filePath("doppelhaus.dat");
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Datei(datei));
        Klick(Haupt<QToolButton>("button_Save_As"));
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QVERIFY(QFile::exists(datei));
        QCOMPARE(projekt->Gespeichert, 1);

        // A fresh window opens it.
        projekt2 = std::make_unique<Projekt>(',');
        w2 = std::make_unique<TSimplifiedModel>(*projekt2);
        w2->show();
        QVERIFY(QTest::qWaitForWindowExposed(w2.get()));
        dialoge.Dann(Dialoge::Datei(datei));
        Klick(Teil<QToolButton>(w2.get(), "SpeedButton2"));
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen, QStringList());
        QVERIFY(!Teil<QWidget>(w2.get(), "panel_errorMsg")->isVisible());
        QCOMPARE(Teil<QLineEdit>(w2.get(), "edit_Projekt")->text(),
                 QString("Doppelhaus Lindenweg"));
        QCOMPARE(Ansicht(w2.get()), eingegeben);
        // Opening words the separating element's Rw differently from the construction dialog.
        QCOMPARE(Teil<QLabel>(w2.get(), "label_DirRw")->text(),
                 "Direktschalldämmung: " + Haupt<QLabel>("label_DirRw")->text().section(' ', -2));
        QVERIFY(Teil<QLabel>(w2.get(), "label_DirRw")->isVisible());
        // Each element as the dialog left it, to the three decimals the file keeps.
        for (int r = 0; r <= 4; ++r)
            for (int c = 0; c <= 2; ++c)
                QVERIFY2(Gerundet(projekt2->Element[r][c]) == Gerundet(projekt->Element[r][c]),
                         qPrintable(QString("Element %1/%2").arg(r).arg(c)));
        QVERIFY(projekt2->Stoss == projekt->Stoss);
        QVERIFY(projekt2->f0_VS == projekt->f0_VS);
        for (int i = 1; i <= 4; ++i) QVERIFY(!projekt2->Fenster.chk_id[i]);
        QCOMPARE(projekt2->Gespeichert, 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TestProjectThroughDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_project_through_dialogs.moc"
