// The application shell: the help documents with their error box, the liability and imprint
// windows with their links, the company settings from the menu and the company file at start.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/application.h"
#include "app/info_windows.h"
#include "dialog_answers.h"
#include "mainwindow/main_window.h"
#include "printout/company_settings_dialog.h"

using namespace phonikon;

class TestAppWindows : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void fehlendesDokumentZeigtDieFehlerbox();
    void dokumentAusDemStartverzeichnis();
    void ohnePdfLeserDieFehlerbox();
    void haftungUndImpressum();
    void firmendatenAusDemMenue();
    void firmaSetBeimStart();

  private:
    template <class T>
    T* Im(const char* name) {
        return anwendung_->hauptfenster().findChild<T*>(name);
    }
    QStringList Meldungen(const std::function<void()>& aktion, int anzahl = 1) {
        Dialoge dialoge;
        for (int i = 0; i < anzahl; ++i) dialoge.Dann(Dialoge::Knopf("OK"));
        aktion();
        [&] { QTRY_VERIFY(dialoge.AlleBeantwortet()); }();
        return dialoge.gesehen;
    }

    QTemporaryDir start_;
    std::unique_ptr<Anwendung> anwendung_;
    QList<QUrl> geoeffnet_;
    bool leserVorhanden_ = true;
};

void TestAppWindows::init() {
    for (const QString& name : QDir(start_.path()).entryList(QDir::Files))
        QFile::remove(start_.filePath(name));
    geoeffnet_.clear();
    leserVorhanden_ = true;
    anwendung_ = std::make_unique<Anwendung>(',', QFile::encodeName(start_.path()).toStdString());
    anwendung_->oeffnen = [this](const QUrl& adresse) {
        geoeffnet_ << adresse;
        return leserVorhanden_;
    };
}

void TestAppWindows::cleanup() {
    anwendung_.reset();
}

void TestAppWindows::fehlendesDokumentZeigtDieFehlerbox() {
    anwendung_->Starten();
    const QString text =
        "Phonikon| Datei \"Brevon_Praxistipps.pdf\" nicht im aktuellen "
        "Verzeichnis gefunden\n oder kein pdf-Reader vorhanden! ";
    QCOMPARE(Meldungen([&] { Im<QToolButton>("SpeedButtonBrevonTipps")->click(); }),
             QStringList{text});
    QCOMPARE(Meldungen([&] { Im<QAction>("BrevonPraxistipps")->trigger(); }), QStringList{text});
    QVERIFY(geoeffnet_.isEmpty());
}

void TestAppWindows::dokumentAusDemStartverzeichnis() {
    // A user's own copy in the start directory wins over the installed one.
    for (const char* name : {"Handbuch.pdf", "Berechnungsgrundlagen.pdf"}) {
        QFile f(start_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    anwendung_->Starten();
    Im<QToolButton>("SpeedButtonHandbuch")->click();
    Im<QAction>("Handbuch")->trigger();
    Im<QToolButton>("SpeedButtonBerechnungsgrundlagen")->click();
    Im<QToolButton>("SpeedButton3")->click();
    Im<QAction>("Rechenverfahren")->trigger();
    const QUrl handbuch = QUrl::fromLocalFile(start_.filePath("Handbuch.pdf"));
    const QUrl grundlagen = QUrl::fromLocalFile(start_.filePath("Berechnungsgrundlagen.pdf"));
    QCOMPARE(geoeffnet_, (QList<QUrl>{handbuch, handbuch, grundlagen, grundlagen, grundlagen}));
}

void TestAppWindows::ohnePdfLeserDieFehlerbox() {
    QFile f(start_.filePath("Handbuch.pdf"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    leserVorhanden_ = false;
    anwendung_->Starten();
    const QStringList gesehen = Meldungen([&] { Im<QAction>("Handbuch")->trigger(); });
    QCOMPARE(gesehen.size(), 1);
    QVERIFY(gesehen[0].contains("\"Handbuch.pdf\""));
}

void TestAppWindows::haftungUndImpressum() {
    anwendung_->Starten();
    Im<QAction>("Internet1")->trigger();
    TForm_Info& haftung = anwendung_->haftung();
    QVERIFY(QTest::qWaitForWindowExposed(&haftung));
    QCOMPARE(haftung.windowTitle(), QString(" Haftung"));
    QCOMPARE(haftung.minimumSize(), haftung.maximumSize());
    QStringList texte;
    for (QLabel* l : haftung.findChildren<QLabel*>()) texte << l->text();
    QVERIFY(texte.contains("Haftung:"));
    QVERIFY(
        texte.contains("Herausgeber und  Programmentwickler haften nicht für unrichtige "
                       "Angaben,"));
    QVERIFY(texte.contains(" Programms oder der Programmhilfe ergeben."));

    Im<QAction>("Internet2")->trigger();
    TForm_Impressum& impressum = anwendung_->impressum();
    QVERIFY(QTest::qWaitForWindowExposed(&impressum));
    QCOMPARE(impressum.windowTitle(), QString(" Impressum"));
    QCOMPARE(impressum.findChild<QLabel*>("label_Programm")->text(), QString("Phonikon"));
    QCOMPARE(impressum.findChild<QLabel*>("label_Version")->text(), QString("(Version 2.1)"));
    QTest::mouseClick(impressum.findChild<QLabel*>("label_www"), Qt::LeftButton);
    QTest::mouseClick(impressum.findChild<QLabel*>("Label10"), Qt::LeftButton);
    QTest::mouseClick(Im<QLabel>("ImageBrevon"), Qt::LeftButton);
    QCOMPARE(geoeffnet_, (QList<QUrl>{kHerausgeberSeite, kEntwicklerSeite, kHerausgeberSeite}));
    // Asking again for an open window brings it to the front and keeps it as it is.
    Im<QAction>("Internet1")->trigger();
    QVERIFY(haftung.isVisible() && impressum.isVisible());
}

void TestAppWindows::firmendatenAusDemMenue() {
    anwendung_->Starten();
    QVERIFY(Im<QAction>("Firmendaten1")->isEnabled());
    Im<QAction>("Firmendaten1")->trigger();
    TForm_FaSet& dialog = anwendung_->firmendatenDialog();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.isModal());
    QTest::keyClicks(dialog.findChild<QLineEdit*>("edit_Fa"), "Bauphysik GmbH");
    QCOMPARE(anwendung_->firmendaten().edit_Fa, std::string("Bauphysik GmbH"));
}

void TestAppWindows::firmaSetBeimStart() {
    const QString logo = start_.filePath("logo.png");
    QImage bild(8, 6, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    QVERIFY(bild.save(logo));
    auto schreiben = [&](const QByteArray& logoZeile) {
        QFile f(start_.filePath("Firma.set"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Firma M\xFCller\r\nStr\r\n1\r\nOrt\r\nB\r\nD\r\nT\r\nF\r\nM\r\nW\r\n" + logoZeile +
                "\r\n5\r\n6\r\n7\r\n8\r\n1\r\n");
    };
    schreiben(QFile::encodeName(logo));
    anwendung_->Starten();
    QCOMPARE(anwendung_->firmendaten().edit_Fa, std::string("Firma Müller"));
    QCOMPARE(anwendung_->firmendaten().edit_FaNameTop, std::string("8"));
    QCOMPARE(anwendung_->logo().size(), QSize(8, 6));
    anwendung_->hauptfenster().findChild<QAction*>("Firmendaten1")->trigger();
    QCOMPARE(anwendung_->firmendatenDialog().findChild<QLineEdit*>("edit_Logo")->text(), logo);
    anwendung_->firmendatenDialog().hide();

    // A logo that no longer exists is forgotten without a message.
    cleanup();
    init();
    schreiben(QFile::encodeName(start_.filePath("weg.png")));
    anwendung_->Starten();
    QCOMPARE(anwendung_->firmendaten().edit_Logo, std::string());
    QVERIFY(anwendung_->logo().isNull());
    QCOMPARE(anwendung_->firmendaten().edit_Ort, std::string("Ort"));
}

QTEST_MAIN(TestAppWindows)
#include "test_app_windows.moc"
