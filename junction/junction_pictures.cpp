#include "junction/junction_pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

namespace phonikon {
namespace {

// The plan on the 45 × 45 grid. The separating element comes in from the left; room 1 lies above
// it, room 2 below. Walls are 8 units thick; the junction core is the square where they meet.
// Coordinates name the outline rows and columns, both ends included, so that two walls that
// touch share one outline.
constexpr int kRand = 2, kEnde = kStossBildGroesse - 1 - kRand;
constexpr int kKernLinks = 26, kKernRechts = 34, kKernOben = 18, kKernUnten = 26;
constexpr int kMitte = (kKernOben + kKernUnten) / 2;  // where the flanks of a butt joint meet

const QColor kTrennbauteil(0, 0, 255), kFlankeRaum1(0, 0, 128), kFlankeRaum2(0, 128, 0),
    kDurchlaufend(128, 128, 128), kEntkopplung(255, 255, 0);

void Flaeche(QPainter& p, const QColor& farbe, int x1, int y1, int x2, int y2) {
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), farbe);
}

// A wall: black outline on the given rows and columns, filled inside.
void Balken(QPainter& p, const QColor& farbe, int x1, int y1, int x2, int y2) {
    Flaeche(p, Qt::black, x1, y1, x2, y2);
    Flaeche(p, farbe, x1 + 1, y1 + 1, x2 - 1, y2 - 1);
}

// An elastic interlayer: a yellow mark across a wall, standing out on both sides.
void Marke(QPainter& p, int x1, int y1, int x2, int y2) {
    Balken(p, kEntkopplung, x1, y1, x2, y2);
}

// Marks across the vertical wall above or below the core, or across the horizontal wall to its
// right.
void MarkeOben(QPainter& p) {
    Marke(p, kKernLinks - 2, kKernOben - 4, kKernRechts + 2, kKernOben);
}
void MarkeUnten(QPainter& p) {
    Marke(p, kKernLinks - 2, kKernUnten, kKernRechts + 2, kKernUnten + 4);
}
void MarkeRechts(QPainter& p) {
    Marke(p, kKernRechts, kKernOben - 2, kKernRechts + 4, kKernUnten + 2);
}

void RaumZiffer(QPainter& p, const QColor& farbe, int x, int y, QChar ziffer) {
    p.setPen(farbe);
    p.drawText(QRectF(x - 8, y - 8, 16, 16), Qt::AlignCenter, QString(ziffer));
}

void Plan(QPainter& p, StossTyp typ, StossTrennung trennung, StossAusfuehrung ausfuehrung) {
    const StossTypDaten& t = Daten(typ);
    const StossTrennungDaten& s = Daten(trennung);
    Flaeche(p, Qt::white, 0, 0, kStossBildGroesse - 1, kStossBildGroesse - 1);

    if (t.raumImVerlauf == 0) {
        // T and cross: both flank elements in one line across the end of the separating element.
        if (ausfuehrung == StossAusfuehrung::Stumpfstoss) {
            Balken(p, kTrennbauteil, kRand, kKernOben, kKernLinks, kKernUnten);
            Balken(p, kFlankeRaum1, kKernLinks, kRand, kKernRechts, kMitte);
            Balken(p, kFlankeRaum2, kKernLinks, kMitte, kKernRechts, kEnde);
        } else {
            Balken(p, kFlankeRaum1, kKernLinks, kRand, kKernRechts, kKernOben);
            Balken(p, kFlankeRaum2, kKernLinks, kKernUnten, kKernRechts, kEnde);
            Balken(p, kTrennbauteil, kRand, kKernOben, kKernRechts, kKernUnten);
        }
        if (t.durchlaufend) Balken(p, kDurchlaufend, kKernRechts, kKernOben, kEnde, kKernUnten);
    } else {
        // Corner: the flank element at right angles takes the core, the other one continues the
        // line of the separating element beyond it.
        Balken(p, kTrennbauteil, kRand, kKernOben, kKernLinks, kKernUnten);
        if (t.raumImVerlauf == 2) {
            Balken(p, kFlankeRaum1, kKernLinks, kRand, kKernRechts, kKernUnten);
            Balken(p, kFlankeRaum2, kKernRechts, kKernOben, kEnde, kKernUnten);
        } else {
            Balken(p, kFlankeRaum2, kKernLinks, kKernOben, kKernRechts, kEnde);
            Balken(p, kFlankeRaum1, kKernRechts, kKernOben, kEnde, kKernUnten);
        }
    }

    if (s.markeTB) Marke(p, kKernLinks - 4, kKernOben - 2, kKernLinks, kKernUnten + 2);
    if (s.markeRaum1) t.raumImVerlauf == 1 ? MarkeRechts(p) : MarkeOben(p);
    if (s.markeRaum2) t.raumImVerlauf == 2 ? MarkeRechts(p) : MarkeUnten(p);

    p.setRenderHint(QPainter::TextAntialiasing);
    QFont schrift = p.font();
    schrift.setPixelSize(10);
    schrift.setBold(true);
    p.setFont(schrift);
    RaumZiffer(p, kFlankeRaum1, 13, 10, QLatin1Char('1'));
    RaumZiffer(p, kFlankeRaum2, 13, 35, QLatin1Char('2'));
}

class StossIconEngine : public QIconEngine {
  public:
    StossIconEngine(StossTyp typ, StossTrennung trennung, StossAusfuehrung ausfuehrung)
        : typ_(typ), trennung_(trennung), ausfuehrung_(ausfuehrung) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        if (mode == QIcon::Disabled) p->setOpacity(0.45);
        StossZeichnen(*p, rect, typ_, trennung_, ausfuehrung_);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // QIcon asks for the size in device pixels and sets the pixel ratio of the result itself.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        QPixmap bild(size);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return bild;
    }

    QIconEngine* clone() const override {
        return new StossIconEngine(typ_, trennung_, ausfuehrung_);
    }

  private:
    StossTyp typ_;
    StossTrennung trennung_;
    StossAusfuehrung ausfuehrung_;
};

const StossDaten& BekannterStoss(std::string_view code) {
    const StossDaten* s = StossVon(code);
    return s ? *s : *StossVon(kStossStandard);
}

}  // namespace

void StossZeichnen(QPainter& p, const QRectF& ziel, StossTyp typ, StossTrennung trennung,
                   StossAusfuehrung ausfuehrung) {
    p.save();
    p.translate(ziel.topLeft());
    p.scale(ziel.width() / kStossBildGroesse, ziel.height() / kStossBildGroesse);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    Plan(p, typ, trennung, ausfuehrung);
    p.restore();
}

void StossZeichnen(QPainter& p, const QRectF& ziel, std::string_view code) {
    const StossDaten& s = BekannterStoss(code);
    StossZeichnen(p, ziel, s.typ, s.trennung);
}

QPixmap StossBild(StossTyp typ, StossTrennung trennung, StossAusfuehrung ausfuehrung, qreal dpr) {
    if (dpr <= 0) dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap bild(QSize(kStossBildGroesse, kStossBildGroesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    QPainter p(&bild);
    StossZeichnen(p, QRectF(0, 0, kStossBildGroesse, kStossBildGroesse), typ, trennung,
                  ausfuehrung);
    return bild;
}

QPixmap StossBild(std::string_view code, qreal dpr) {
    const StossDaten& s = BekannterStoss(code);
    return StossBild(s.typ, s.trennung, StossAusfuehrung::Stumpfstoss, dpr);
}

QIcon StossSymbol(StossTyp typ, StossTrennung trennung, StossAusfuehrung ausfuehrung) {
    return QIcon(new StossIconEngine(typ, trennung, ausfuehrung));
}

QIcon StossSymbol(std::string_view code) {
    const StossDaten& s = BekannterStoss(code);
    return StossSymbol(s.typ, s.trennung);
}

}  // namespace phonikon
