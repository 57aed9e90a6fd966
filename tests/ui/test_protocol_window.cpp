// The results window: title, read-only text, scroll position across rebuilds, resize rule, close.
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "calc/protocol_window.h"

using namespace phonikon;

namespace {

std::vector<std::string> Zeilen(int anzahl, const std::string& wert) {
    std::vector<std::string> z;
    for (int i = 0; i < anzahl; ++i) z.push_back("      " + std::to_string(i) + ".  " + wert);
    return z;
}

}  // namespace

class TestProtocolWindow : public QObject {
    Q_OBJECT
  private slots:
    void aufbau();
    void textUndScrollstellung();
    void groessenregel();
    void schliessenMeldet();
};

void TestProtocolWindow::aufbau() {
    ProtocolWindow w;
    QCOMPARE(w.windowTitle(), QString(" Eingabedaten und Berechnungsergebnisse"));
    QVERIFY(w.isWindow());
    QCOMPARE(w.size(), QSize(389, 560));
    QVERIFY(w.memo()->isReadOnly());
    QCOMPARE(w.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(w.memo()->palette().color(QPalette::Base), w.palette().color(QPalette::ToolTipBase));
    QVERIFY(w.findChild<QWidget*>("Image3"));
    QCOMPARE(w.findChild<QWidget*>("Image3")->size(), QSize(220, 117));
    bool ueberschrift = false;
    for (QLabel* l : w.findChildren<QLabel*>())
        ueberschrift |= l->text() == "Erläuterung der Schallübertragungswege";
    QVERIFY(ueberschrift);
}

void TestProtocolWindow::textUndScrollstellung() {
    ProtocolWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setZeilen({"", " Eingabefehler -> keine Berechnung möglich!"});
    QCOMPARE(w.memo()->toPlainText(), QString("\n Eingabefehler -> keine Berechnung möglich!"));

    w.setZeilen(Zeilen(200, "Wand  Fläche = 12,30 [m²]"));
    QCOMPARE(w.memo()->document()->blockCount(), 200);
    QScrollBar* senkrecht = w.memo()->verticalScrollBar();
    QVERIFY(senkrecht->maximum() > 100);
    senkrecht->setValue(100);
    w.setZeilen(Zeilen(200, "Wand  Fläche = 14,00 [m²]"));
    QCOMPARE(senkrecht->value(), 100);
    QVERIFY(w.memo()->toPlainText().contains("14,00 [m²]"));
}

void TestProtocolWindow::groessenregel() {
    ProtocolWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.memo()->geometry(), QRect(0, 0, 389, 360));
    w.resize(500, 700);
    QTRY_COMPARE(w.memo()->height(), 500);
    QCOMPARE(w.memo()->width(), 500);
    QCOMPARE(w.findChild<QWidget*>("panel_Schema")->geometry(), QRect(0, 500, 500, 200));
}

void TestProtocolWindow::schliessenMeldet() {
    ProtocolWindow w;
    QSignalSpy geschlossen(&w, &ProtocolWindow::geschlossen);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.close());
    QCOMPARE(geschlossen.count(), 1);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestProtocolWindow)
#include "test_protocol_window.moc"
