// The company header settings driven as a user: the fields, the key filter of the distances, the
// date double click, the logo choice and message, refusing negative distances, writing the file.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "dialog_answers.h"
#include "printout/company_settings_dialog.h"

using namespace phonikon;

namespace {

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestCompanySettings : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void aufbau();
    void abstaendeNehmenNurZiffern();
    void datumPerDoppelklick();
    void negativerAbstandWirdAbgelehnt();
    void fehlendesLogoMeldetUndSchreibtTrotzdem();
    void logoWaehlenLadenUndSchreiben();
    void abbrechenSchreibtNichts();

  private:
    QLineEdit* Feld(const char* name) { return dialog_->findChild<QLineEdit*>(name); }
    void Uebernehmen() { dialog_->findChild<QPushButton*>("Button_Save_FaDat")->click(); }

    QTemporaryDir ordner_;
    Firmendaten daten_;
    QImage logo_;
    QString firmaSet_;
    std::unique_ptr<TForm_FaSet> dialog_;
};

void TestCompanySettings::init() {
    daten_ = Firmendaten{};
    logo_ = QImage();
    firmaSet_ = ordner_.filePath("Firma.set");
    QFile::remove(firmaSet_);
    dialog_ =
        std::make_unique<TForm_FaSet>(daten_, logo_, QFile::encodeName(firmaSet_).toStdString());
    dialog_->Oeffnen();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

void TestCompanySettings::cleanup() {
    dialog_.reset();
}

void TestCompanySettings::aufbau() {
    QCOMPARE(dialog_->windowTitle(), QString(" Einstellungen Druckausgabe"));
    QVERIFY(dialog_->isModal());
    QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
    QVERIFY(!(dialog_->windowFlags() & Qt::WindowCloseButtonHint));
    for (const char* name :
         {"edit_Fa", "edit_Str", "edit_PLZ", "edit_Ort", "edit_Bearbeiter", "edit_Date", "edit_Tel",
          "edit_Fax", "edit_Mail", "edit_www", "edit_Logo"})
        QVERIFY2(Feld(name) && Feld(name)->text().isEmpty(), name);
    for (const char* name : {"edit_LogoLeft", "edit_LogoTop", "edit_FaNameLeft", "edit_FaNameTop"})
        QCOMPARE(Feld(name)->text(), QString("0"));
    QCOMPARE(Feld("edit_Date")->maxLength(), 20);
    QCOMPARE(Feld("edit_Date")->toolTip(), QString(" Doppelklick für aktuelles Datum"));
    QCOMPARE(dialog_->findChild<QPushButton*>("Button_Save_FaDat")->text(), QString("&Übernehmen"));
    QVERIFY(dialog_->findChild<QPushButton*>("Button_Save_FaDat")->font().bold());
    QCOMPARE(dialog_->findChild<QPushButton*>("Button2")->text(), QString("&Abbrechen"));
    QCOMPARE(dialog_->findChild<QPushButton*>("Button1")->text(), QString("Firmenlogo"));

    // Typing goes straight into the company data.
    QTest::keyClicks(Feld("edit_Fa"), "Mueller Bau");
    QCOMPARE(daten_.edit_Fa, std::string("Mueller Bau"));
}

void TestCompanySettings::abstaendeNehmenNurZiffern() {
    QLineEdit* links = Feld("edit_LogoLeft");
    links->setFocus();
    links->selectAll();
    QTest::keyClicks(links, "1a-,2 5");
    QCOMPARE(links->text(), QString("125"));
    // Emptying the field puts "0" into it at once.
    for (int i = 0; i < 3; ++i) QTest::keyClick(links, Qt::Key_Backspace);
    QCOMPARE(links->text(), QString("0"));
    QCOMPARE(daten_.edit_LogoLeft, std::string("0"));
}

void TestCompanySettings::datumPerDoppelklick() {
    QLineEdit* datum = Feld("edit_Date");
    QTest::mouseDClick(datum, Qt::LeftButton);
    const QDate heute = QDate::currentDate();
    QCOMPARE(datum->text(),
             QString("%1. %2. %3").arg(heute.day()).arg(heute.month()).arg(heute.year()));
    QVERIFY(QRegularExpression("^\\d{1,2}\\. \\d{1,2}\\. \\d{4}$").match(datum->text()).hasMatch());
    QCOMPARE(daten_.edit_Date, datum->text().toStdString());
}

void TestCompanySettings::negativerAbstandWirdAbgelehnt() {
    for (const char* name :
         {"edit_LogoLeft", "edit_LogoTop", "edit_FaNameLeft", "edit_FaNameTop"}) {
        Feld(name)->setText("-4");  // only by pasting
        Dialoge dialoge;
        dialoge.Dann(Dialoge::Knopf("OK"));
        Uebernehmen();
        QTRY_VERIFY(dialoge.AlleBeantwortet());
        QCOMPARE(
            dialoge.gesehen,
            QStringList{"Information|Falsche Eingabe!  Einstellungen wurden nicht übernommen."});
        QVERIFY(dialog_->isVisible());
        QVERIFY(!QFile::exists(firmaSet_));
        Feld(name)->setText("0");
    }
    // Text that is no whole number stops with the conversion message.
    Feld("edit_FaNameTop")->setText("1,5");
    Dialoge dialoge;
    dialoge.Dann(Dialoge::Knopf("OK"));
    Uebernehmen();
    QTRY_VERIFY(dialoge.AlleBeantwortet());
    QCOMPARE(dialoge.gesehen, QStringList{"Phonikon|'1,5' ist kein gültiger Integerwert"});
    QVERIFY(dialog_->isVisible());
    QVERIFY(!QFile::exists(firmaSet_));
}

void TestCompanySettings::fehlendesLogoMeldetUndSchreibtTrotzdem() {
    logo_ = QImage(4, 4, QImage::Format_RGB32);
    QTest::keyClicks(Feld("edit_Fa"), "Firma");
    Feld("edit_Logo")->setText(ordner_.filePath("fehlt.png"));
    Dialoge dialoge;
    dialoge.Dann(Dialoge::Knopf("OK"));
    Uebernehmen();
    QTRY_VERIFY(dialoge.AlleBeantwortet());
    QCOMPARE(dialoge.gesehen,
             QStringList{"Information|Kein Logo definiert oder\nfalscher Logo- bzw. Pfadname."});
    QVERIFY(logo_.isNull());
    QVERIFY(!dialog_->isVisible());
    const QByteArray erwartet = "Firma\r\n" + QByteArray(" \r\n").repeated(9) +
                                QFile::encodeName(ordner_.filePath("fehlt.png")) +
                                "\r\n0\r\n0\r\n0\r\n0\r\n1\r\n";
    QCOMPARE(Inhalt(firmaSet_), erwartet);
}

void TestCompanySettings::logoWaehlenLadenUndSchreiben() {
    const QString bild = ordner_.filePath("logo.png");
    QImage muster(40, 20, QImage::Format_RGB32);
    muster.fill(Qt::red);
    QVERIFY(muster.save(bild));

    Dialoge dialoge;
    dialoge.Dann(Dialoge::Datei(bild));
    dialog_->findChild<QPushButton*>("Button1")->click();
    QTRY_VERIFY(dialoge.AlleBeantwortet());
    QCOMPARE(Feld("edit_Logo")->text(), bild);
    QVERIFY(logo_.isNull());  // loaded only on "&Übernehmen"

    Feld("edit_FaNameLeft")->setText("120");
    Feld("edit_Ort")->setText("Köln");
    Uebernehmen();
    QVERIFY(dialoge.gesehen.isEmpty());
    QCOMPARE(logo_.size(), QSize(40, 20));
    QVERIFY(!dialog_->isVisible());
    const QList<QByteArray> zeilen = Inhalt(firmaSet_).split('\n');
    QCOMPARE(zeilen.size(), 17);  // 16 lines and the empty rest after the last line end
    QCOMPARE(zeilen[3], QByteArray("K\xF6ln\r"));
    QCOMPARE(zeilen[10], QFile::encodeName(bild) + "\r");
    QCOMPARE(zeilen[13], QByteArray("120\r"));
    QCOMPARE(zeilen[15], QByteArray("1\r"));
}

void TestCompanySettings::abbrechenSchreibtNichts() {
    QTest::keyClicks(Feld("edit_Bearbeiter"), "Weiss");
    dialog_->findChild<QPushButton*>("Button2")->click();
    QVERIFY(!dialog_->isVisible());
    QVERIFY(!QFile::exists(firmaSet_));
    // The typed text stays for the print-out and shows again on the next opening.
    QCOMPARE(daten_.edit_Bearbeiter, std::string("Weiss"));
    dialog_->Oeffnen();
    QCOMPARE(Feld("edit_Bearbeiter")->text(), QString("Weiss"));
}

QTEST_MAIN(TestCompanySettings)
#include "test_company_settings.moc"
