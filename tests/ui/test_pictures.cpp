// Junction pictures and tool-bar symbols: one distinct picture per junction code, sharp at high
// pixel ratios, and a symbol for every tool.
#include <QtTest>

#include "calc/junction_codes.h"
#include "junction/junction_pictures.h"
#include "resources/tool_icons.h"

using namespace phonikon;

class TestPictures : public QObject {
    Q_OBJECT
  private slots:
    void stossbilderUnterscheidbar();
    void stossbildHoheAufloesung();
    void werkzeugsymbole();
};

void TestPictures::stossbilderUnterscheidbar() {
    QList<QImage> bilder;
    for (std::string_view code : kStossCodes) {
        const QPixmap bild = StossBild(code, 1.0);
        QCOMPARE(bild.size(), QSize(kStossBildGroesse, kStossBildGroesse));
        const QImage img = bild.toImage();
        QVERIFY2(!bilder.contains(img), code.data());
        bilder.append(img);
    }
    // Separating element blue, flank of room 1 navy, decoupling yellow in "TS_TrennungR1".
    const QImage ts = StossBild("TS_TrennungR1", 1.0).toImage();
    QCOMPARE(ts.pixelColor(15, 32), QColor(0, 0, 255));
    QCOMPARE(ts.pixelColor(38, 10), QColor(0, 0, 128));
    QCOMPARE(ts.pixelColor(38, 50), QColor(0, 128, 0));
    QCOMPARE(ts.pixelColor(38, 22), QColor(255, 255, 0));
    // The cross junction adds the grey continuation.
    QCOMPARE(StossBild("KS_ohneTrennung", 1.0).toImage().pixelColor(52, 32), QColor(128, 128, 128));
    // Unknown codes show the default junction.
    QCOMPARE(StossBild("xyz", 1.0).toImage(), StossBild("TS_ohneTrennung", 1.0).toImage());
    QCOMPARE(StossBild("", 1.0).toImage(), bilder.first());
}

void TestPictures::stossbildHoheAufloesung() {
    const QPixmap bild = StossBild("LSa_TrennungR2", 2.0);
    QCOMPARE(bild.devicePixelRatio(), 2.0);
    QCOMPARE(bild.size(), QSize(128, 128));
    QCOMPARE(bild.deviceIndependentSize(), QSizeF(64, 64));
}

void TestPictures::werkzeugsymbole() {
    for (int w = int(Werkzeug::Neu); w <= int(Werkzeug::Hilfe); ++w) {
        const QIcon symbol = WerkzeugSymbol(Werkzeug(w));
        QVERIFY2(!symbol.isNull(), qPrintable(QString::number(w)));
        const QImage bild = symbol.pixmap(QSize(24, 24), 2.0).toImage();
        QVERIFY(!bild.isNull());
        // Something is drawn, and the corners stay transparent or light (no stray background).
        int gezeichnet = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) gezeichnet += qAlpha(bild.pixel(x, y)) > 0;
        QVERIFY(gezeichnet > 20);
        QVERIFY(qAlpha(bild.pixel(0, bild.height() - 1)) == 0 ||
                qGray(bild.pixel(0, bild.height() - 1)) > 128);
    }
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
