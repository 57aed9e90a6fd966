// The library panel of the lining dialog driven as a user would: lock and unlock, editing cells,
// adding and blanking rows, saving, the kind buttons, the open dialog for a missing file and a
// failed save. With PHONIKON_SCREENSHOTS=<folder> the unlocked table is saved as PNG.
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "dialog_answers.h"
#include "full_disk.h"
#include "lining/library_file.h"
#include "lining/lining_dialog.h"

using namespace phonikon;

namespace {

const QByteArray kKopf =
    "* Datendatei Vorsatzschalen: WAND\r\n* Bezeichnung\r\n"
    "* Resonanzfrequenz\r\n* " +
    QByteArray(74, '_') + "\r\n";

}  // namespace

class TestLiningLibrary : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<Projekt> projekt;
    std::unique_ptr<TForm_DB> dialog;

    template <class T>
    T* Teil(const QString& name) {
        T* t = dialog->findChild<T*>(name);
        if (!t) qFatal("kein %s", qPrintable(name));
        return t;
    }
    QTableWidget* Tabelle() { return Teil<QTableWidget>("grid_fres"); }
    void Klick(const QString& knopf) {
        auto* b = Teil<QPushButton>(knopf);
        QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(knopf));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void ZelleAnklicken(int zeile, int spalte) {
        QTableWidget* t = Tabelle();
        t->scrollToItem(t->item(zeile, spalte));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualRect(t->model()->index(zeile, spalte)).center());
    }
    // Types into a cell as a user does: select it, F2, type, confirm with Enter.
    void ZelleTippen(int zeile, int spalte, const QString& text) {
        ZelleAnklicken(zeile, spalte);
        QTest::keyClick(Tabelle(), Qt::Key_F2);
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : Tabelle()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        QVERIFY(editor);
        editor->selectAll();
        // Key by key, also the umlauts that QTest::keyClicks cannot type.
        for (QChar z : text) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(z));
            QApplication::sendEvent(editor, &druck);
        }
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QStringList Spalte(int spalte) {
        QStringList texte;
        for (int r = 0; r < Tabelle()->rowCount(); ++r)
            texte << (Tabelle()->item(r, spalte) ? Tabelle()->item(r, spalte)->text() : QString());
        return texte;
    }
    QString Pfad(const QString& name) { return ordner->filePath(name); }
    void Schreiben(const QString& name, const QByteArray& inhalt) {
        QFile f(Pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray Inhalt(const QString& name) {
        QFile f(Pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QColor Grundfarbe() { return Tabelle()->palette().color(QPalette::Base); }

  private slots:
    void init() {
        ordner = std::make_unique<QTemporaryDir>();
        projekt = std::make_unique<Projekt>(',');
        projekt->StartVerzeichnis = ordner->path().toStdString();
        dialog = std::make_unique<TForm_DB>(*projekt);
        // Only the start directory: the shipped libraries stay out of these tests.
        dialog->setDateiSuche(
            [](const std::string& s, const std::string& n) { return s + "/" + n; });
        Schreiben("VS_Wand.lib", kKopf + "W1\r\n70\r\nW2\r\n80\r\nW3\r\n");
        Schreiben("VS_Decke.lib", Bibliothek_Text(kVSArtDecke, {{"D1", "40"}}).c_str());
    }
    void cleanup() {
        dialog.reset();
        projekt.reset();
    }

    void ladenSperrenBearbeitenSpeichern() {
        dialog->Oeffnen(0, 1);
        QCOMPARE(Teil<QLabel>("lb_DateiName")->text(), QString(" Dateiname: VS_Wand.lib"));
        QCOMPARE(Tabelle()->horizontalHeaderItem(0)->text(),
                 QString(" Vorsatzschalen-System und Resonanzfrequenz"));
        QCOMPARE(Tabelle()->horizontalHeaderItem(1)->text(), QString("   [Hz]"));
        QCOMPARE(Spalte(0), (QStringList{"W1", "W2", "W3"}));
        QCOMPARE(Spalte(1), (QStringList{"70", "80", ""}));
        QCOMPARE(Teil<QPushButton>("Button1")->palette().color(QPalette::ButtonText),
                 QColor(Qt::red));
        QCOMPARE(Teil<QPushButton>("Button2")->palette().color(QPalette::ButtonText),
                 QColor(Qt::black));

        // Locked: rows are selected, nothing is edited.
        QCOMPARE(Teil<QPushButton>("btn_EditTab")->text(), QString("Tabelle editieren"));
        QVERIFY(!Teil<QPushButton>("btn_AddLine")->isEnabled());
        QVERIFY(!Teil<QPushButton>("btn_SaveTab")->isEnabled());
        QVERIFY(!Teil<QAction>("DeleteLibLine")->isEnabled());
        const QColor gesperrt = Grundfarbe();
        ZelleAnklicken(1, 0);
        QTest::keyClicks(Tabelle(), "xyz");
        QCOMPARE(Spalte(0)[1], QString("W2"));
        QCOMPARE(Tabelle()->selectionModel()->selectedIndexes().size(), 2);  // the whole row

        Klick("btn_EditTab");
        QCOMPARE(Teil<QPushButton>("btn_EditTab")->text(), QString("Tabelle sperren"));
        QVERIFY(Grundfarbe() != gesperrt);
        ZelleTippen(0, 0, "Wand ä");
        ZelleTippen(2, 1, "66");
        Klick("btn_AddLine");
        QCOMPARE(Tabelle()->rowCount(), 4);
        ZelleTippen(3, 0, "Neu");
        ZelleTippen(3, 1, "90");
        // Blank W2 through the popup menu's item.
        ZelleAnklicken(1, 0);
        QAction* blank = Teil<QAction>("DeleteLibLine");
        QVERIFY(blank->isEnabled());
        blank->trigger();
        QCOMPARE(Spalte(0), (QStringList{"Wand ä", "", "W3", "Neu"}));
        {
            const QString ziel = qEnvironmentVariable("PHONIKON_SCREENSHOTS");
            if (!ziel.isEmpty()) {
                QDir().mkpath(ziel);
                QCoreApplication::processEvents();
                dialog->grab().save(ziel + "/bibliothek_entsperrt.png");
            }
        }
        Klick("btn_SaveTab");
        QCOMPARE(Inhalt("VS_Wand.lib"), kKopf + "Wand \xE4\r\n70\r\nW3\r\n66\r\nNeu\r\n90\r\n");
        QCOMPARE(Teil<QPushButton>("btn_EditTab")->text(), QString("Tabelle sperren"));

        // The next opening starts locked and shows what was saved.
        Klick("Button_ESC");
        dialog->Oeffnen(1, 1);
        QVERIFY(!Teil<QPushButton>("btn_AddLine")->isEnabled());
        QCOMPARE(Spalte(0), (QStringList{"Wand ä", "W3", "Neu"}));
    }

    void artWechselnBehaeltSperreUndVerwirftAenderungen() {
        dialog->Oeffnen(0, 1);
        Klick("btn_EditTab");
        ZelleTippen(0, 0, "verworfen");
        Klick("Button2");
        QCOMPARE(projekt->VS_Art, kVSArtDecke);
        QCOMPARE(Teil<QLabel>("lb_DateiName")->text(), QString(" Dateiname: VS_Decke.lib"));
        QCOMPARE(Spalte(0), QStringList{"D1"});
        QVERIFY(Teil<QPushButton>("btn_AddLine")->isEnabled());  // still unlocked
        QCOMPARE(Teil<QPushButton>("Button2")->palette().color(QPalette::ButtonText),
                 QColor(Qt::red));
        QCOMPARE(Teil<QPushButton>("Button1")->palette().color(QPalette::ButtonText),
                 QColor(Qt::black));
        Klick("Button1");
        QCOMPARE(Spalte(0), (QStringList{"W1", "W2", "W3"}));
        // The kind survives until the next opening.
        Klick("Button2");
        Klick("Button_ESC");
        dialog->Oeffnen(0, 2);
        QCOMPARE(Spalte(0), QStringList{"D1"});
    }

    void fehlendeDateiUeberDenOeffnenDialog() {
        Schreiben("anderswo.lib", kKopf + "E1\r\n45\r\n");
        Dialoge antworten;
        antworten.Dann(Dialoge::Datei(Pfad("anderswo.lib")));
        projekt->VS_Art = kVSArtEstrich;
        dialog->Oeffnen(0, 1);
        QVERIFY(antworten.AlleBeantwortet());
        QCOMPARE(Teil<QLabel>("lb_DateiName")->text(), QString(" Dateiname: VS_Estrich.lib"));
        QCOMPARE(Spalte(0), QStringList{"E1"});

        // Saving writes the kind's own file in the start directory, not the one opened.
        Klick("btn_EditTab");
        Klick("btn_SaveTab");
        QCOMPARE(Inhalt("VS_Estrich.lib"),
                 QByteArray(Bibliothek_Text(kVSArtEstrich, {{"E1", "45"}}).c_str()));
        QCOMPARE(Inhalt("anderswo.lib"), kKopf + "E1\r\n45\r\n");

        // Cancelled: an empty table with one empty row.
        QFile::remove(Pfad("VS_Estrich.lib"));
        antworten.Dann(Dialoge::Abbrechen());
        Klick("Button3");
        QVERIFY(antworten.AlleBeantwortet());
        QCOMPARE(Spalte(0), QStringList{""});
    }

    void nurKopfGibtEineLeereZeile() {
        Schreiben("VS_Wand.lib", kKopf);
        dialog->Oeffnen(0, 1);
        QCOMPARE(Tabelle()->rowCount(), 1);
        QCOMPARE(Spalte(0), QStringList{""});
    }

    void fehlgeschlagenesSpeichern() {
        const QByteArray alt = Inhalt("VS_Wand.lib");
        dialog->Oeffnen(0, 1);
        Klick("btn_EditTab");
        ZelleTippen(0, 0, "geändert");
        Dialoge antworten;
        antworten.Dann(Dialoge::Knopf("OK"));
        {
            VolleFestplatte voll;
            Klick("btn_SaveTab");
        }
        QVERIFY(antworten.AlleBeantwortet());
        QCOMPARE(antworten.gesehen.size(), 1);
        QVERIFY2(antworten.gesehen[0].startsWith(
                     "Phonikon|Die Vorsatzschalen-Bibliothek konnte nicht gespeichert werden"),
                 qPrintable(antworten.gesehen[0]));
        QCOMPARE(Inhalt("VS_Wand.lib"), alt);
        QCOMPARE(Spalte(0)[0], QString("geändert"));
        QVERIFY(Teil<QPushButton>("btn_SaveTab")->isEnabled());
    }
};

QTEST_MAIN(TestLiningLibrary)
#include "test_lining_library.moc"
