// The main window driven like a user: typing, clicking, context menus, the file flows with their
// dialogs and message boxes. With PHONIKON_SCREENSHOTS=<folder> a few states are saved as PNG.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <deque>
#include <functional>

#include "calc/protocol_window.h"
#include "dialog_answers.h"
#include "mainwindow/main_window.h"
#include "mainwindow/sketch_view.h"

using namespace phonikon;

namespace {

Bauteil Massiv() {
    Bauteil b;
    b.Konstrukt = 2;
    b.d1 = 17.5L;
    b.roh1 = 2286;
    b.SchichtName1 = "Kalksandstein";
    b.mFlaeche = 400;
    b.Rw = 55;
    return b;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Projekt> projekt;  // declared first: the window goes before its project
    std::unique_ptr<TSimplifiedModel> w;

    void NeuesFenster(char dezimal) {
        w.reset();
        projekt = std::make_unique<Projekt>(dezimal);
        w = std::make_unique<TSimplifiedModel>(*projekt);
    }
    QTemporaryDir ordner;

    template <class T>
    T* Teil(const QString& name) {
        T* t = w->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    QLineEdit* Feld(const QString& name) { return Teil<QLineEdit>(name); }
    QString Label(const QString& name) { return Teil<QLabel>(name)->text(); }

    void Tippen(const QString& feld, const QString& text) {
        QLineEdit* e = Feld(feld);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void SeiteAnklicken(int index) {
        QTabBar* reiter = Teil<QTabWidget>("PageControl")->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(index).center());
    }
    void Kontextmenue(QWidget* ziel, QWidget* empfaenger, QContextMenuEvent::Reason grund) {
        if (grund == QContextMenuEvent::Mouse)
            QTest::mousePress(empfaenger, Qt::RightButton, {}, QPoint(5, 5));
        QContextMenuEvent ereignis(grund, QPoint(5, 5), ziel->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(empfaenger, &ereignis);
        if (grund == QContextMenuEvent::Mouse)
            QTest::mouseRelease(empfaenger, Qt::RightButton, {}, QPoint(5, 5));
    }
    // Chooses a popup menu item with the mouse.
    void Menuepunkt(const QString& menu, const QString& punkt) {
        auto* m = Teil<QMenu>(menu);
        QTRY_VERIFY(m->isVisible());
        QAction* a = m->findChild<QAction*>(punkt);
        QVERIFY(a && a->isEnabled());
        QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
        QTRY_VERIFY(!m->isVisible());
    }
    void Memomenue(const QString& memo, const QString& punkt) {
        auto* m = Teil<QPlainTextEdit>(memo);
        Kontextmenue(m, m->viewport(), QContextMenuEvent::Mouse);
        Menuepunkt("PopupMenu1", punkt);
    }
    // The worked example: every element 400 kg/m² with Rw 55 dB (no construction dialog yet),
    // the geometry typed in.
    void BeispielEingeben() {
        Projekt& p = w->projekt();
        p.Element[0][0] = Massiv();
        for (int i = 1; i <= 4; ++i) p.Element[i][1] = p.Element[i][2] = Massiv();
        p.Fenster.Memo[0][0] = {"17,5 cm  Kalksandstein (2286 kg/m³)"};
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
    void Bildschirmfoto(QWidget* fenster, const QString& name) {
        const QString ziel = qEnvironmentVariable("PHONIKON_SCREENSHOTS");
        if (ziel.isEmpty()) return;
        QDir().mkpath(ziel);
        QCoreApplication::processEvents();
        fenster->grab().save(ziel + "/" + name + ".png");
    }
    // Ctrl + key in the main window (the offscreen platform does not give the activation back
    // after a dialog, a window manager would).
    void Tastenkuerzel(Qt::Key taste) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), taste, Qt::ControlModifier);
    }
    QString Pfad(const QString& name) { return ordner.filePath(name); }
    static QByteArray Inhalt(const QString& datei) {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Answers the next dialog, which must be a file dialog, by cancelling it; `start` receives
    // the folder it started in.
    static Dialoge::Antwort DateidialogAbbrechen(QString* start = nullptr) {
        return [start](QWidget* dialog) {
            auto* d = qobject_cast<QFileDialog*>(dialog);
            QVERIFY2(d, "einen Dateidialog erwartet");
            if (start) *start = d->directory().absolutePath();
            d->reject();
        };
    }
    // Size and minimum size of the window and the places of the blocks.
    struct Masse {
        QSize groesse, minimum;
        QRect seiten, skizze, ergebnisse;
        bool operator==(const Masse&) const = default;
        friend char* toString(const Masse& m) {
            auto r = [](const QRect& g) {
                return QString("%1,%2 %3×%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
            };
            return qstrdup(qPrintable(QString("Fenster %1×%2, Minimum %3×%4, Seiten %5, Skizze %6, "
                                              "Ergebnisse %7")
                                          .arg(m.groesse.width())
                                          .arg(m.groesse.height())
                                          .arg(m.minimum.width())
                                          .arg(m.minimum.height())
                                          .arg(r(m.seiten), r(m.skizze), r(m.ergebnisse))));
        }
    };
    Masse Vermessen() {
        QCoreApplication::processEvents();
        return {w->size(), w->minimumSizeHint(), Teil<QWidget>("PageControl")->geometry(),
                Teil<QWidget>("panel_Grafic")->geometry(), Teil<QWidget>("Panel2")->geometry()};
    }

  private slots:
    void init() {
        NeuesFenster(',');
        w->projekt().ProjektVerzeichnis = ordner.path().toStdString();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() {
        w->projekt().Gespeichert = 1;  // nothing to ask on the way out
        w.reset();
    }

    void neuesFensterZeigtSiebzehnFehlendeAngaben() {
        QCOMPARE(w->windowTitle(), QString(" Phonikon (Version 2.1)"));
        QCOMPARE(Feld("edit_A")->text(), QString("0,00"));
        QCOMPARE(Feld("edit_FF1_1")->text(), QString("1,00"));
        QVERIFY(!Feld("edit_FF1_1")->isVisible());
        QVERIFY(Teil<QWidget>("panel_errorMsg")->isVisible());
        const QStringList zeilen = Teil<QPlainTextEdit>("memo_error")->toPlainText().split('\n');
        QCOMPARE(zeilen.size(), 4 + 17);
        QCOMPARE(zeilen[3], QString(" Fehlende Angaben:"));
        QCOMPARE(zeilen[4], QString("       Trennbauteil: keine Fläche vorhanden"));
        QCOMPARE(zeilen[20], QString("       Flächenmasse Flanke 4 / Raum 2 < 80 kg/m²"));
        QVERIFY(!Teil<QToolButton>("btn_Results")->isEnabled());
        QVERIFY(!Teil<QToolButton>("button_Variant")->isEnabled());
        QVERIFY(!Teil<QWidget>("Bevel_Datei")->isVisible());
        QVERIFY(!Teil<QPlainTextEdit>("Memo_F1_2")->isEnabled());
        QVERIFY(Teil<QCheckBox>("chk_id_F3")->isChecked());
        QCOMPARE(w->projekt().Gespeichert, 1);
        Bildschirmfoto(w.get(), "hauptfenster_leer");
    }

    // Tests and assistive tools find every control by its component name.
    void steuerelementeTragenIhreNamen() {
        QStringList namen = {"SpeedBar",
                             "SpeedButton1",
                             "SpeedButton2",
                             "button_Save_As",
                             "SpeedButtonPrint",
                             "button_Variant",
                             "btn_Results",
                             "SpeedButtonHandbuch",
                             "SpeedButtonBerechnungsgrundlagen",
                             "SpeedButtonBrevonTipps",
                             "SpeedButton3",
                             "Bevel_Datei",
                             "lb_Datei",
                             "label_DatName",
                             "MainMenu",
                             "FileNewItem",
                             "FileOpenItem",
                             "save_as",
                             "FilePrintItem",
                             "FileExitItem",
                             "Firmendaten1",
                             "Berechnungsergebnisse1",
                             "Variantenuntersuchung1",
                             "Internet1",
                             "Internet2",
                             "Handbuch",
                             "Rechenverfahren",
                             "BrevonPraxistipps",
                             "panel_Brevon",
                             "PanelBrevon",
                             "ImageBrevon",
                             "edit_Projekt",
                             "edit_Str",
                             "edit_PLZ",
                             "edit_Ort",
                             "edit_Variante",
                             "edit_room1",
                             "edit_room2",
                             "edit_Vol1",
                             "edit_Vol2",
                             "edit_L1",
                             "edit_L2",
                             "Panel2",
                             "panel_results",
                             "panel_errorMsg",
                             "memo_error",
                             "label_Rges",
                             "label_DnTW",
                             "rg_DnTW1",
                             "rg_DnTW2",
                             "lb_AnmDnTW",
                             "panel_DnTW",
                             "PageControl",
                             "edit_TB",
                             "edit_A",
                             "rg_horizontal",
                             "rg_vertikal",
                             "Button_TB",
                             "Memo_TB",
                             "Button_TB_VS1",
                             "Button_TB_VS2",
                             "Button_TB_VS1clear",
                             "Button_TB_VS2clear",
                             "label_DirRw",
                             "label_VS",
                             "panel_Grafic",
                             "Image1",
                             "Image2",
                             "GrafikinZwschenablagekopieren1",
                             "PopupMenu1",
                             "copy",
                             "Insert",
                             "PopupMenu2",
                             "copyVS",
                             "InsertVS"};
        for (int i = 0; i <= 4; ++i) {
            namen << QString("TabSheet_%1").arg(i) << QString("label_Ri%1").arg(i);
            for (int j = 1; j <= 2; ++j)
                namen << QString("label_room%1_%2").arg(i).arg(j)
                      << QString("edit_VS%1_%2").arg(i).arg(j);
            if (i == 0) continue;
            namen << QString("label_resF%1").arg(i) << QString("edit_Flanke%1").arg(i)
                  << QString("edit_LF%1").arg(i) << QString("button_Stoss%1").arg(i)
                  << QString("chk_id_F%1").arg(i);
            for (const char* muster : {"Button_F%1_%2", "Memo_F%1_%2", "Button_VS%1_%2",
                                       "Button_VS%1_%2clear", "label_FF%1_%2", "edit_FF%1_%2"})
                for (int j = 1; j <= 2; ++j) namen << QString(muster).arg(i).arg(j);
        }
        QStringList fehlend;
        for (const QString& name : namen)
            if (!w->findChild<QObject*>(name)) fehlend << name;
        QCOMPARE(fehlend, QStringList());
    }

    void zahlenfelderFilternTastenNachDezimaltrenner() {
        Tippen("edit_A", "1a2.5,75");
        QCOMPARE(Feld("edit_A")->text(), QString("125,75"));
        QCOMPARE(w->projekt().Gespeichert, 0);

        // An emptied field gets its default back at once, selected for the next key.
        Tippen("edit_L1", "");
        QTest::keyClick(Feld("edit_L1"), Qt::Key_Backspace);
        QCOMPARE(Feld("edit_L1")->text(), QString("0"));
        QTest::keyClicks(Feld("edit_L1"), "3");
        QCOMPARE(Feld("edit_L1")->text(), QString("3"));
        Feld("edit_FF2_1")->selectAll();
        QTest::keyClick(Feld("edit_FF2_1"), Qt::Key_Delete);
        QCOMPARE(Feld("edit_FF2_1")->text(), QString("1"));

        // With "." as separator a "," is typed as ".".
        w->projekt().Gespeichert = 1;
        NeuesFenster('.');
        w->show();
        QCOMPARE(Feld("edit_A")->text(), QString("0.00"));
        Tippen("edit_A", "1,5x");
        QCOMPARE(Feld("edit_A")->text(), QString("1.5"));
        QVERIFY(w->projekt().S_TB == 1.5L);
    }

    void leeresFlaechenfeldMeldetFehlendeFlaeche() {
        BeispielEingeben();
        QVERIFY(!Teil<QWidget>("panel_errorMsg")->isVisible());
        Tippen("edit_A", "");
        QTest::keyClick(Feld("edit_A"), Qt::Key_Delete);
        QCOMPARE(Feld("edit_A")->text(), QString("0"));
        QVERIFY(Teil<QWidget>("panel_errorMsg")->isVisible());
        QVERIFY(Teil<QPlainTextEdit>("memo_error")
                    ->toPlainText()
                    .endsWith("       Trennbauteil: keine Fläche vorhanden"));
    }

    void eingefuegterTextOhneZahlMeldetUmwandlungsfehler() {
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("OK"));
        QApplication::clipboard()->setText("1,2,3");
        QLineEdit* a = Feld("edit_A");
        a->setFocus();
        a->selectAll();
        QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen, QStringList{"Phonikon|'1,2,3' ist kein gültiger Fließkommawert"});
        QCOMPARE(a->text(), QString("1,2,3"));
        QCOMPARE(w->projekt().Gespeichert, 0);  // the change is not lost on closing
    }

    void beispielErgibtEinundfuenfzigDezibel() {
        BeispielEingeben();
        QVERIFY(!Teil<QWidget>("panel_errorMsg")->isVisible());
        QCOMPARE(Label("label_Rges"), QString("51,0 [dB]"));
        QCOMPARE(Label("label_Ri0"), QString("53,1 [dB]"));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(Label(QString("label_Ri%1").arg(i)), QString("61,1 [dB]"));
        QCOMPARE(Label("label_DnTW"), QString("52,1 [dB]"));
        QVERIFY(Teil<QRadioButton>("rg_DnTW1")->isChecked());
        QVERIFY(!Teil<QWidget>("panel_DnTW")->isVisible());
        QVERIFY(!Teil<QLabel>("lb_AnmDnTW")->isVisible());
        QVERIFY(Teil<QToolButton>("btn_Results")->isEnabled());
        SeiteAnklicken(0);
        Bildschirmfoto(w.get(), "hauptfenster_horizontal");

        // The other direction shows its value and the note, and changes nothing.
        w->projekt().Gespeichert = 1;
        QTest::mouseClick(Teil<QRadioButton>("rg_DnTW2"), Qt::LeftButton);
        QCOMPARE(Label("label_DnTW"), QString("53,0 [dB]"));
        QVERIFY(Teil<QLabel>("lb_AnmDnTW")->isVisible());
        QCOMPARE(w->projekt().Gespeichert, 1);
        Bildschirmfoto(w.get(), "hauptfenster_anmerkung");

        // Vertical: Image2 shows the turned sketch, the results stay.
        QTest::mouseClick(Teil<QRadioButton>("rg_vertikal"), Qt::LeftButton);
        QVERIFY(Teil<SketchView>("Image2")->isVisible());
        QVERIFY(!Teil<SketchView>("Image1")->isVisible());
        QCOMPARE(Label("label_Rges"), QString("51,0 [dB]"));
        QCOMPARE(w->projekt().Gespeichert, 0);
        SeiteAnklicken(2);
        Bildschirmfoto(w.get(), "hauptfenster_vertikal");
    }

    void namenWerdenUebernommen() {
        SeiteAnklicken(3);
        Tippen("edit_Flanke3", "Außenwand");
        QCOMPARE(Teil<QTabWidget>("PageControl")->tabText(3), QString("Außenwand"));
        QCOMPARE(Label("label_resF3"), QString("Außenwand"));
        Tippen("edit_Flanke3", "");
        QTest::keyClick(Feld("edit_Flanke3"), Qt::Key_Backspace);
        QCOMPARE(Feld("edit_Flanke3")->text(), QString("Flanke 3"));
        QCOMPARE(Teil<QTabWidget>("PageControl")->tabText(3), QString("Flanke 3"));
        Tippen("edit_room2", "Bad");
        QCOMPARE(Label("label_room3_2"), QString(" Bad"));
        QCOMPARE(Label("label_room0_2"), QString(" Bad"));
    }

    void langeNamenUndFlankenflaechenLassenDasFensterInSeinerGroesse() {
        const Masse vorher = Vermessen();
        const QString raum = QString(18, QLatin1Char('W')), flanke = QString(14, QLatin1Char('W'));
        Tippen("edit_room1", raum);
        Tippen("edit_room2", raum);
        for (int i = 1; i <= 4; ++i) {
            SeiteAnklicken(i);
            Tippen(QString("edit_Flanke%1").arg(i), flanke);
        }
        QCOMPARE(Vermessen(), vorher);
        // Names from a file are not limited: they are shortened on screen, whole in the tooltip.
        Projekt& p = w->projekt();
        p.Fenster.edit_room[1] = QString(60, QLatin1Char('W')).toStdString();
        p.Fenster.edit_Flanke[2] = QString(60, QLatin1Char('W')).toStdString();
        w->Anzeigen();
        QCOMPARE(Vermessen(), vorher);
        QCOMPARE(Teil<QLabel>("label_room2_1")->toolTip(), QString(60, QLatin1Char('W')));
        QCOMPARE(Teil<QLabel>("label_resF2")->toolTip(), QString(60, QLatin1Char('W')));
        QCOMPARE(Label("label_resF2"), QString(60, QLatin1Char('W')));

        // Corner junctions show their flank-area fields without widening the page.
        for (int i = 1; i <= 4; ++i) p.Stoss[i] = i % 2 ? "LSa_ohneTrennung" : "LSb_TrennungTB";
        w->Anzeigen();
        SeiteAnklicken(1);
        QVERIFY(Feld("edit_FF1_2")->isVisible());
        QCOMPARE(Vermessen(), vorher);
        SeiteAnklicken(2);
        QVERIFY(Feld("edit_FF2_1")->isVisible());
        QCOMPARE(Vermessen(), vorher);
        Bildschirmfoto(w.get(), "hauptfenster_lange_namen_winkelstoss");
    }

    void meldungenVerschiebenNichts() {
        BeispielEingeben();
        const Masse ergebnisse = Vermessen();
        QVERIFY(!Teil<QWidget>("panel_errorMsg")->isVisible());
        Tippen("edit_A", "");
        QTest::keyClick(Feld("edit_A"), Qt::Key_Backspace);
        QVERIFY(Teil<QWidget>("panel_errorMsg")->isVisible());
        QCOMPARE(Vermessen(), ergebnisse);

        // The hint over a missing volume does not move anything either.
        Tippen("edit_A", "10");
        Tippen("edit_Vol1", "");
        QTest::keyClick(Feld("edit_Vol1"), Qt::Key_Backspace);
        QVERIFY(Teil<QWidget>("panel_DnTW")->isVisible());
        QCOMPARE(Vermessen(), ergebnisse);
    }

    void meldungUeberZahlenbereichWirdUmbrochen() {
        BeispielEingeben();
        Projekt& p = w->projekt();
        p.Element[0][0].Rw = 1e300L;
        Tippen("edit_A", "12");
        auto* memo = Teil<QPlainTextEdit>("memo_error");
        QVERIFY(memo->isVisible());
        QVERIFY(
            memo->toPlainText().contains("Berechnung nicht möglich: Eingabewerte außerhalb des "
                                         "darstellbaren Zahlenbereichs"));
        QCoreApplication::processEvents();
        QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);  // nothing cut off at the right
        Bildschirmfoto(w.get(), "hauptfenster_zahlenbereich");
    }

    void seitenklickMarkiertElementInDerSkizze() {
        auto* bild = Teil<SketchView>("Image1");
        const QImage vorher = bild->bild();
        SeiteAnklicken(2);
        QCOMPARE(w->projekt().AktSeite, 2);
        QCOMPARE(Teil<QTabWidget>("PageControl")->currentIndex(), 2);
        QVERIFY(bild->bild() != vorher);
        const QImage markiert = bild->bild();
        QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(w->projekt().AktSeite, 0);
        QCOMPARE(Teil<QTabWidget>("PageControl")->currentIndex(), 2);
        QVERIFY(bild->bild() != markiert);
    }

    void aufbauKopierenUndAufIdentischeFlankeEinfuegen() {
        Projekt& p = w->projekt();
        p.Element[0][0] = Massiv();
        p.Fenster.Memo[0][0] = {"17,5 cm  Kalksandstein (2286 kg/m³)"};
        w->Anzeigen();
        auto* insert = w->findChild<QAction*>("Insert");
        QVERIFY(insert && !insert->isEnabled());

        SeiteAnklicken(0);
        Memomenue("Memo_TB", "copy");
        SeiteAnklicken(2);
        Memomenue("Memo_F2_1", "Insert");
        const QString drei = "17,5 cm  Kalksandstein (2286 kg/m³)\n\n";
        QCOMPARE(Teil<QPlainTextEdit>("Memo_F2_1")->toPlainText(), drei);
        QCOMPARE(Teil<QPlainTextEdit>("Memo_F2_2")->toPlainText(), drei);
        QVERIFY(p.Element[2][2].mFlaeche == 400.0L);
        QCOMPARE(p.Gespeichert, 0);

        // Not identical: the room-2 side keeps its element.
        SeiteAnklicken(3);
        QTest::mouseClick(Teil<QCheckBox>("chk_id_F3"), Qt::LeftButton);
        QVERIFY(Teil<QPlainTextEdit>("Memo_F3_2")->isEnabled());
        Memomenue("Memo_F3_1", "Insert");
        QCOMPARE(Teil<QPlainTextEdit>("Memo_F3_2")->toPlainText(), QString());

        // From the keyboard the menu acts on the memo pressed last, not on the focused one.
        auto* raum2 = Teil<QPlainTextEdit>("Memo_F3_2");
        QTest::mousePress(raum2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        SeiteAnklicken(4);
        auto* fokus = Teil<QPlainTextEdit>("Memo_F4_1");
        fokus->setFocus();
        Kontextmenue(fokus, fokus, QContextMenuEvent::Keyboard);
        Menuepunkt("PopupMenu1", "Insert");
        QCOMPARE(raum2->toPlainText(), drei);
        QCOMPARE(fokus->toPlainText(), QString());
    }

    void vorsatzschaleKopierenUndEinfuegen() {
        Projekt& p = w->projekt();
        p.f0_VS[0][1] = 70;
        p.Fenster.edit_VS[0][1] = "Vorsatzschale / f = 70Hz";
        w->Anzeigen();
        auto* quelle = Feld("edit_VS0_1");
        Kontextmenue(quelle, quelle, QContextMenuEvent::Mouse);
        Menuepunkt("PopupMenu2", "copyVS");
        SeiteAnklicken(1);
        auto* ziel = Feld("edit_VS1_1");
        Kontextmenue(ziel, ziel, QContextMenuEvent::Mouse);
        Menuepunkt("PopupMenu2", "InsertVS");
        QCOMPARE(ziel->text(), QString("Vorsatzschale / f = 70Hz"));
        QCOMPARE(Feld("edit_VS1_2")->text(), QString("Vorsatzschale / f = 70Hz"));
        QCOMPARE(p.f0_VS[1][2], 70);
        QVERIFY(p.Fenster.Button_VSclear[1][1]);

        // An empty lining pasted: field empty, no frequency, nothing to remove.
        auto* leer = Feld("edit_VS1_1");
        SeiteAnklicken(2);
        Kontextmenue(Feld("edit_VS2_1"), Feld("edit_VS2_1"), QContextMenuEvent::Mouse);
        Menuepunkt("PopupMenu2", "copyVS");
        SeiteAnklicken(1);
        Kontextmenue(leer, leer, QContextMenuEvent::Mouse);
        Menuepunkt("PopupMenu2", "InsertVS");
        QCOMPARE(leer->text(), QString());
        QCOMPARE(p.f0_VS[1][1], 0);
        QVERIFY(!p.Fenster.Button_VSclear[1][1]);
    }

    void protokollFensterFolgtDerBerechnung() {
        BeispielEingeben();
        QTest::mouseClick(Teil<QToolButton>("btn_Results"), Qt::LeftButton);
        ProtocolWindow* fenster = w->protokollFenster();
        QVERIFY(fenster->isVisible());
        QVERIFY(!Teil<QToolButton>("btn_Results")->isEnabled());
        QVERIFY(fenster->memo()->toPlainText().contains(" R´w = 51,0 [dB]"));
        Bildschirmfoto(fenster, "protokollfenster");

        Tippen("edit_A", "12");
        QVERIFY(fenster->memo()->toPlainText().contains("      Fläche = 12,00 [m²]"));
        Tippen("edit_L1", "");
        QTest::keyClick(Feld("edit_L1"), Qt::Key_Backspace);
        QCOMPARE(fenster->memo()->toPlainText(),
                 QString("\n Eingabefehler -> keine Berechnung möglich!"));

        fenster->close();
        QCOMPARE(w->projekt().ProtokollAktiv, 0);
        Tippen("edit_L1", "4");
        QVERIFY(Teil<QToolButton>("btn_Results")->isEnabled());
    }

    void neuFragtUndSetztZurueck() {
        Tippen("edit_A", "10");
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("&Nein"));
        QTest::mouseClick(Teil<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen, QStringList{"Bestätigen|Alle Eingaben rücksetzen ?\n  "});
        QCOMPARE(Feld("edit_A")->text(), QString("10"));

        dialoge.Dann(Dialoge::Knopf("&Ja"));
        QTest::mouseClick(Teil<QToolButton>("SpeedButton1"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Feld("edit_A")->text(), QString("0,00"));
        QCOMPARE(w->projekt().Gespeichert, 1);
    }

    void speichernOeffnenUndFehlerhafteDateien() {
        BeispielEingeben();
        Tippen("edit_Projekt", "Neubau Musterstraße");
        const QString datei = Pfad("beispiel.dat");

        // Save as: the dialog starts in the project folder; the suffix is added.
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Datei(Pfad("beispiel")));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QVERIFY(QFile::exists(datei));
        QCOMPARE(w->projekt().Gespeichert, 1);
        QVERIFY(Teil<QWidget>("Bevel_Datei")->isVisible());
        QCOMPARE(Label("label_DatName"), datei);
        Bildschirmfoto(w.get(), "hauptfenster_gespeichert");

        // Ctrl+S writes to the same file without asking.
        Tippen("edit_Variante", "B");
        QFile::remove(datei);
        Tastenkuerzel(Qt::Key_S);
        QVERIFY(QFile::exists(datei));
        QCOMPARE(w->projekt().Gespeichert, 1);

        // Save as onto the existing file asks before replacing it.
        dialoge.Dann(Dialoge::Datei(datei));
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());

        // New, then open the file again.
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        Tastenkuerzel(Qt::Key_N);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Label("label_Rges"), QString("51,0 [dB]"));  // covered, kept
        QVERIFY(Teil<QWidget>("panel_errorMsg")->isVisible());
        dialoge.Dann(Dialoge::Datei(datei));
        Tastenkuerzel(Qt::Key_O);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QVERIFY(!Teil<QWidget>("panel_errorMsg")->isVisible());
        QCOMPARE(Feld("edit_Projekt")->text(), QString("Neubau Musterstraße"));
        QCOMPARE(Feld("edit_Variante")->text(), QString("B"));
        QCOMPARE(Label("label_DnTW"), QString("52,1 [dB]"));
        QCOMPARE(w->projekt().Gespeichert, 1);

        // Unsaved changes: the open question; "Nein" keeps everything.
        Tippen("edit_A", "11");
        dialoge.gesehen.clear();
        dialoge.Dann(Dialoge::Knopf("&Nein"));
        QTest::mouseClick(Teil<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen, QStringList{"Bestätigen|Das aktuelle Projekt ist nicht "
                                              "gespeichert!\nMöchten Sie die trotzdem ein "
                                              "neues Projekts öffnen?"});
        QCOMPARE(Feld("edit_A")->text(), QString("11"));

        // A missing and a malformed file: the message, and the project stays as it was.
        QFile gut(datei);
        QVERIFY(gut.open(QIODevice::ReadOnly));
        QList<QByteArray> zeilen = gut.readAll().split('\n');
        gut.close();
        const QRegularExpression zahl(R"(^\s*-?\d+\.\d+\r$)");
        auto erste = std::find_if(zeilen.begin(), zeilen.end(), [&](const QByteArray& z) {
            return zahl.match(QString::fromLatin1(z)).hasMatch();
        });
        QVERIFY(erste != zeilen.end());
        *erste = "12,5.0\r";
        QFile kaputt(Pfad("kaputt.dat"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write(zeilen.join('\n'));
        kaputt.close();
        struct Fall {
            QString datei, meldung;
        };
        for (const Fall& fall :
             {Fall{Pfad("fehlt.dat"), "Phonikon|Datei nicht gefunden"},
              Fall{kaputt.fileName(), "Phonikon|Ungültige numerische Eingabe"}}) {
            dialoge.gesehen.clear();
            dialoge.Dann(Dialoge::Knopf("&Ja"));
            dialoge.Dann(Dialoge::Datei(fall.datei));
            dialoge.Dann(Dialoge::Knopf("OK"));
            QTest::mouseClick(Teil<QToolButton>("SpeedButton2"), Qt::LeftButton);
            QTRY_VERIFY2(dialoge.AlleBeantwortet(), qPrintable(dialoge.gesehen.join(" / ")));
            QCOMPARE(dialoge.gesehen.size(), 2);
            QCOMPARE(dialoge.gesehen[1], fall.meldung);
            QCOMPARE(Feld("edit_A")->text(), QString("11"));
            QCOMPARE(Label("label_DatName"), datei);
            QCOMPARE(w->projekt().Gespeichert, 0);
        }
    }

    void speichernOhneAktuelleDateiFragtNachDemNamen() {
        BeispielEingeben();
        const QString erste = Pfad("erste.dat"), zweite = Pfad("zweite.dat");
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Datei(erste));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        const QByteArray inhalt = Inhalt(erste);
        QVERIFY(!inhalt.isEmpty());

        // After New there is no current file: Ctrl+S asks for a name, as at start-up.
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        Tastenkuerzel(Qt::Key_N);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        dialoge.Dann(DateidialogAbbrechen());
        Tastenkuerzel(Qt::Key_S);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Inhalt(erste), inhalt);

        // A failed Save as leaves no current file either, and the next dialog starts in the
        // folder of the last file that was written, not in the one that failed.
        Tippen("edit_A", "7");
        dialoge.Dann(Dialoge::Datei(zweite));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        const QByteArray inhaltZweite = Inhalt(zweite);
        Tippen("edit_A", "8");
        dialoge.gesehen.clear();
        dialoge.Dann(Dialoge::Datei(erste + "/unmoeglich.dat"));
        dialoge.Dann(Dialoge::Knopf("OK"));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen.size(), 1);
        QVERIFY(!Teil<QWidget>("Bevel_Datei")->isVisible());
        QCOMPARE(w->projekt().Gespeichert, 0);
        QString start;
        dialoge.Dann(DateidialogAbbrechen(&start));
        Tastenkuerzel(Qt::Key_S);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Inhalt(zweite), inhaltZweite);
        QCOMPARE(QDir(start), QDir(ordner.path()));

        // The same for a file that could not be opened.
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        dialoge.Dann(Dialoge::Datei(Pfad("fehlt/nichts.dat")));
        dialoge.Dann(Dialoge::Knopf("OK"));
        QTest::mouseClick(Teil<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        dialoge.Dann(DateidialogAbbrechen(&start));
        QTest::mouseClick(Teil<QToolButton>("button_Save_As"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(QDir(start), QDir(ordner.path()));
    }

    void beispieleOeffnen_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("rges");
        QTest::addColumn<QString>("dntw");
        QTest::newRow("beispiel") << "beispiel.dat"
                                  << "51,0 [dB]"
                                  << "52,1 [dB]";
        QTest::newRow("vorsatzschalen_winkelstoss") << "vorsatzschalen_winkelstoss.dat"
                                                    << "57,8 [dB]"
                                                    << "56,6 [dB]";
    }
    void beispieleOeffnen() {
        QFETCH(QString, datei);
        QFETCH(QString, rges);
        QFETCH(QString, dntw);
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Datei(QString(PHONIKON_EXAMPLES_DIR) + "/" + datei));
        QTest::mouseClick(Teil<QToolButton>("SpeedButton2"), Qt::LeftButton);
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(Label("label_Rges"), rges);
        QCOMPARE(Label("label_DnTW"), dntw);
        QVERIFY(Teil<QLabel>("label_DirRw")->isVisible());
        QVERIFY(!Teil<QPlainTextEdit>("Memo_TB")->toPlainText().isEmpty());
        QCOMPARE(w->projekt().Gespeichert, 1);
        QCOMPARE(QDir(QString::fromStdString(w->projekt().ProjektVerzeichnis)),
                 QDir(PHONIKON_EXAMPLES_DIR));
        // The corner junctions show their flank-area fields.
        const Projekt& p = w->projekt();
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(Feld(QString("edit_FF%1_2").arg(i))->isHidden(),
                     p.Stoss[i].rfind("LSa", 0) != 0);
            QCOMPARE(Feld(QString("edit_FF%1_1").arg(i))->isHidden(),
                     p.Stoss[i].rfind("LSb", 0) != 0);
        }
        Bildschirmfoto(w.get(), "hauptfenster_" + QString(QTest::currentDataTag()));
    }

    void schliessenFragtNachUngespeichertemProjekt() {
        Tippen("edit_A", "10");
        Dialoge dialoge;

        // "Ja", then the save dialog is cancelled: the window stays open.
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        dialoge.Dann(Dialoge::Abbrechen());
        QVERIFY(!w->close());
        QVERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(dialoge.gesehen,
                 QStringList{"Bestätigen|Die aktuellen Eingaben sind nicht gespeichert!\n"
                             "Möchten Sie die Daten vor dem Schließen speichern?"});
        QVERIFY(w->isVisible());

        // "Ja" and a name: saved, then closed.
        dialoge.Dann(Dialoge::Knopf("&Ja"));
        dialoge.Dann(Dialoge::Datei(Pfad("vor_dem_schliessen.dat")));
        QVERIFY(w->close());
        QVERIFY(QFile::exists(Pfad("vor_dem_schliessen.dat")));

        // "Nein": closed without saving.
        NeuesFenster(',');
        w->show();
        Tippen("edit_A", "10");
        dialoge.Dann(Dialoge::Knopf("&Nein"));
        QVERIFY(w->close());
        QVERIFY(dialoge.AlleBeantwortet());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;  // Qt's own dialogs in German, as in the program
    if (qtTexte.load(QLocale(QLocale::German), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
