// Junction pictures and tool-bar symbols: one distinct picture per junction code in the agreed
// colours, sharp at every pixel ratio, the same from pixmap, icon and painter; a symbol for every
// tool.
#include <QPainter>
#include <QtTest>

#include "calc/junction_codes.h"
#include "junction/junction_pictures.h"
#include "resources/tool_icons.h"

using namespace phonikon;

namespace {

const QColor kBlau(0, 0, 255), kNavy(0, 0, 128), kGruen(0, 128, 0), kGrau(128, 128, 128),
    kGelb(255, 255, 0);

QColor Farbe(std::string_view code, int x, int y) {
    return StossBild(code, 1.0).toImage().pixelColor(x, y);
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
  private slots:
    void stossbilderUnterscheidbar();
    void stossbildFarbenUndLage();
    void starreAusfuehrungen();
    void stossbildScharfBeiJedemPixelverhaeltnis_data();
    void stossbildScharfBeiJedemPixelverhaeltnis();
    void pixmapSymbolUndMalroutineGleich();
    void werkzeugsymbole();
};

void TestPictures::stossbilderUnterscheidbar() {
    QList<QImage> bilder;
    for (std::string_view code : kStossCodes) {
        const QPixmap bild = StossBild(code, 1.0);
        QCOMPARE(bild.size(), QSize(45, 45));
        const QImage img = bild.toImage();
        QVERIFY2(!bilder.contains(img), code.data());
        bilder.append(img);
    }
    // Unknown codes show the default junction.
    QCOMPARE(StossBild("xyz", 1.0).toImage(), bilder.first());
    QCOMPARE(StossBild("", 1.0).toImage(), bilder.first());
}

void TestPictures::stossbildFarbenUndLage() {
    // T junction: separating element from the left, room-1 flank above, room-2 flank below.
    QCOMPARE(Farbe("TS_TrennungR1", 10, 22), kBlau);
    QCOMPARE(Farbe("TS_TrennungR1", 30, 6), kNavy);
    QCOMPARE(Farbe("TS_TrennungR1", 30, 38), kGruen);
    QCOMPARE(Farbe("TS_TrennungR1", 30, 16), kGelb);  // on the room-1 flank by the junction
    QCOMPARE(Farbe("TS_TrennungR1", 30, 28), kGruen);
    QCOMPARE(Farbe("TS_TrennungR2", 30, 28), kGelb);
    QCOMPARE(Farbe("TS_TrennungTB", 24, 22), kGelb);  // between separating element and flank
    QCOMPARE(Farbe("TS_ohneTrennung", 38, 22), QColor(Qt::white));
    // The cross junction adds the grey continuation.
    QCOMPARE(Farbe("KS_ohneTrennung", 38, 22), kGrau);
    // Corner A: room-1 flank at right angles, room-2 flank in line; corner B the other way.
    QCOMPARE(Farbe("LSa_ohneTrennung", 30, 10), kNavy);
    QCOMPARE(Farbe("LSa_ohneTrennung", 38, 22), kGruen);
    QCOMPARE(Farbe("LSa_ohneTrennung", 30, 36), QColor(Qt::white));
    QCOMPARE(Farbe("LSa_TrennungR2", 36, 22), kGelb);
    QCOMPARE(Farbe("LSb_ohneTrennung", 30, 36), kGruen);
    QCOMPARE(Farbe("LSb_ohneTrennung", 38, 22), kNavy);
    QCOMPARE(Farbe("LSb_TrennungR1", 36, 22), kGelb);
    QCOMPARE(Farbe("LSb_TrennungR2", 30, 28), kGelb);
}

void TestPictures::starreAusfuehrungen() {
    // Butt joint: the flank runs through the core; otherwise the separating element does.
    for (StossTyp typ : {StossTyp::T, StossTyp::Kreuz}) {
        const QImage stumpf =
            StossBild(typ, StossTrennung::ohne, StossAusfuehrung::Stumpfstoss, 1.0).toImage();
        const QImage durch =
            StossBild(typ, StossTrennung::ohne, StossAusfuehrung::DurchgehendeTrennwand, 1.0)
                .toImage();
        QCOMPARE(stumpf.pixelColor(30, 20), kNavy);
        QCOMPARE(durch.pixelColor(30, 20), kBlau);
        QCOMPARE(stumpf, StossBild(Stoss(typ, StossTrennung::ohne).code, 1.0).toImage());
    }
}

void TestPictures::stossbildScharfBeiJedemPixelverhaeltnis_data() {
    QTest::addColumn<qreal>("dpr");
    for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0})
        QTest::newRow(qPrintable(QString::number(dpr))) << dpr;
}

void TestPictures::stossbildScharfBeiJedemPixelverhaeltnis() {
    QFETCH(qreal, dpr);
    const QList<QColor> rein = {Qt::white, Qt::black, kBlau, kNavy, kGruen, kGrau, kGelb};
    for (std::string_view code : {"KS_TrennungR1R2", "LSa_TrennungTB", "LSb_TrennungR1"}) {
        const QPixmap bild = StossBild(code, dpr);
        QCOMPARE(bild.devicePixelRatio(), dpr);
        QCOMPARE(bild.deviceIndependentSize(), QSizeF(bild.size()) / dpr);
        QVERIFY(qAbs(bild.deviceIndependentSize().width() - 45) < 0.5);
        // Across the band of the walls, between the room digits, every pixel has one of the
        // picture's colours: no blurred edges.
        const QImage img = bild.toImage();
        for (int y = qCeil(18 * dpr); y < qFloor(27 * dpr); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY2(rein.contains(img.pixelColor(x, y)),
                         qPrintable(QString("%1 %2,%3").arg(code.data()).arg(x).arg(y)));
    }
}

void TestPictures::pixmapSymbolUndMalroutineGleich() {
    // The routine scales the design into any rectangle: 90 × 90 pixels at ratio 1 is the picture
    // at ratio 2, and an icon draws the same.
    QImage gemalt(90, 90, QImage::Format_ARGB32_Premultiplied);
    gemalt.fill(Qt::transparent);
    {
        QPainter p(&gemalt);
        StossZeichnen(p, QRectF(0, 0, 90, 90), "LSb_TrennungR2");
    }
    QImage bild = StossBild("LSb_TrennungR2", 2.0).toImage().convertToFormat(gemalt.format());
    bild.setDevicePixelRatio(1);
    QCOMPARE(gemalt, bild);
    const QPixmap symbol = StossSymbol("LSb_TrennungR2").pixmap(QSize(45, 45), 2.0);
    QCOMPARE(symbol.devicePixelRatio(), 2.0);
    QImage symbolbild = symbol.toImage().convertToFormat(gemalt.format());
    symbolbild.setDevicePixelRatio(1);
    QCOMPARE(symbolbild, bild);
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
