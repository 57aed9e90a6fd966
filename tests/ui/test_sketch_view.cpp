// The sketch widget: colours at known points of the rendered picture, the quarter turn of the
// vertical situation, high-DPI rendering, the click signal and the clipboard copy.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include "calc/sketch_scene.h"
#include "mainwindow/sketch_view.h"

using namespace phonikon;

namespace {

// Points well inside single shapes of the horizontal picture.
const QPoint kTrennbauteilMitte(180, 150);
const QPoint kDeckeRaum1(130, 88);
const QPoint kRueckwandRaum1(100, 130);
const QPoint kStueckFlanke3(217, 110);

// Where the quarter turn clockwise puts a point of the horizontal drawing.
QPoint Gedreht(QPoint p) {
    return QPoint(kSkizzeHoehe - 1 - p.y(), p.x());
}

Projekt Gezeichnet(const std::function<void(Projekt&)>& einrichten) {
    Projekt p;
    einrichten(p);
    Skizzenfarben(p);
    Skizze_Zeichnen(p);
    return p;
}

QColor Pixel(const QImage& bild, QPoint p) {
    return bild.pixelColor(p);
}

}  // namespace

class TestSketchView : public QObject {
    Q_OBJECT
  private slots:
    void neuesProjektInKnopffarbe();
    void farbenDerElemente();
    void senkrechtGedreht();
    void hoheAufloesung();
    void klickUndKontextmenue();
};

void TestSketchView::neuesProjektInKnopffarbe() {
    SketchView v;
    QPalette pal = v.palette();
    pal.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    v.setPalette(pal);
    v.setSkizze(Gezeichnet([](Projekt&) {}).SkizzenBild);
    const QImage bild = v.bild();
    QCOMPARE(bild.size(), QSize(371, 359));
    QCOMPARE(Pixel(bild, kTrennbauteilMitte), QColor(0xD4, 0xD0, 0xC8));
    QCOMPARE(Pixel(bild, QPoint(5, 5)), QColor(Qt::white));
    QCOMPARE(Pixel(bild, QPoint(160, 170)), QColor(Qt::black));  // outline of the panel
    QCOMPARE(v.size(), QSize(371, 359));
}

void TestSketchView::farbenDerElemente() {
    SketchView v;
    const Projekt p = Gezeichnet([](Projekt& p) {
        p.Element[0][0].mFlaeche = 300;
        p.AktSeite = 2;
        p.Stoss[3] = "KS_ohneTrennung";
        p.Fenster.edit_VS[3][1] = "Vorsatzschale / f = 80Hz";
    });
    v.setSkizze(p.SkizzenBild);
    const QImage bild = v.bild();
    QCOMPARE(Pixel(bild, kTrennbauteilMitte), QColor(0, 0, 255));
    QCOMPARE(Pixel(bild, kDeckeRaum1), QColor(0, 0, 128));
    QCOMPARE(Pixel(bild, kDeckeRaum1 + QPoint(200, 0)), QColor(0, 128, 0));
    QCOMPARE(Pixel(bild, kRueckwandRaum1), QColor(128, 128, 0));
    QCOMPARE(Pixel(bild, kStueckFlanke3), QColor(128, 128, 128));
}

void TestSketchView::senkrechtGedreht() {
    SketchView v;
    const Projekt p = Gezeichnet([](Projekt& p) {
        p.Element[0][0].mFlaeche = 300;
        p.AktSeite = 1;
        p.Ausrichtung = 1;
        p.Fenster.rg_horizontal = false;
    });
    v.setSkizze(p.SkizzenBild);
    const QImage bild = v.bild();
    QCOMPARE(bild.size(), QSize(359, 359));
    QCOMPARE(v.size(), QSize(359, 359));
    QCOMPARE(Pixel(bild, Gedreht(kTrennbauteilMitte)), QColor(0, 0, 255));
    QCOMPARE(Pixel(bild, Gedreht(QPoint(30, 210))), QColor(0, 0, 128));  // room-1 front face
    QCOMPARE(Pixel(bild, Gedreht(QPoint(230, 210))), QColor(0, 128, 0));
    // Turned outline pixels land where turning the finished picture would put them.
    Skizze waagerecht = p.SkizzenBild;
    waagerecht.gedreht = false;
    waagerecht.texte.clear();
    Skizze senkrecht = p.SkizzenBild;
    senkrecht.texte.clear();
    const QImage von = SkizzeRendern(waagerecht, Qt::lightGray, v.font());
    const QImage nach = SkizzeRendern(senkrecht, Qt::lightGray, v.font());
    const QImage erwartet = von.transformed(QTransform().rotate(90)).copy(0, 0, 359, 359);
    int abweichend = 0;
    for (int y = 0; y < 359; ++y)
        for (int x = 0; x < 359; ++x) abweichend += nach.pixel(x, y) != erwartet.pixel(x, y);
    QVERIFY2(abweichend < 40, qPrintable(QString::number(abweichend)));
}

void TestSketchView::hoheAufloesung() {
    const Projekt p = Gezeichnet([](Projekt& p) { p.Element[0][0].mFlaeche = 300; });
    const QImage bild = SkizzeRendern(p.SkizzenBild, Qt::lightGray, QFont(), 2.0);
    QCOMPARE(bild.size(), QSize(742, 718));
    QCOMPARE(bild.devicePixelRatio(), 2.0);
    QCOMPARE(Pixel(bild, kTrennbauteilMitte * 2), QColor(0, 0, 255));
    // The right edge of the separating element stays one logical pixel wide: two device pixels
    // between the blue fill and the white background, no blur.
    const int y = 150 * 2;
    QCOMPARE(bild.pixelColor(398, y), QColor(0, 0, 255));
    QCOMPARE(bild.pixelColor(399, y), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(400, y), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(401, y), QColor(Qt::white));
}

void TestSketchView::klickUndKontextmenue() {
    SketchView v;
    v.setSkizze(Gezeichnet([](Projekt&) {}).SkizzenBild);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QCOMPARE(v.toolTip(), QString(" Rechte Maustaste: Grafik in Zwischenablage kopieren "));

    QSignalSpy klicks(&v, &SketchView::geklickt);
    QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(&v, Qt::RightButton, {}, QPoint(100, 100));
    QCOMPARE(klicks.count(), 1);

    QCOMPARE(v.contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(v.actions().size(), 1);
    QAction* kopieren = v.actions().first();
    QCOMPARE(kopieren->text(), QString("&Grafik in Zwischenablage kopieren"));
    kopieren->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(371, 359));

    v.setSkizze(Gezeichnet([](Projekt& p) { p.Ausrichtung = 1; }).SkizzenBild);
    kopieren->trigger();
    const QImage kopie = QGuiApplication::clipboard()->image();
    QCOMPARE(kopie.size(), QSize(359, 359));
    QCOMPARE(kopie.convertToFormat(QImage::Format_RGB32), v.bild());
}

QTEST_MAIN(TestSketchView)
#include "test_sketch_view.moc"
