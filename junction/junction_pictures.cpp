#include "junction/junction_pictures.h"

#include <QGuiApplication>
#include <QPainter>

#include "calc/junction_codes.h"

namespace phonikon {
namespace {

// Plan of the junction: the separating element comes in from the left; room 1 lies above it,
// room 2 below. The junction core is the square where the elements meet.
constexpr int kRand = 4;                              // free margin
constexpr int kKernLinks = 33, kKernRechts = 43;      // core, x
constexpr int kKernOben = 27, kKernUnten = 37;        // core, y
constexpr int kMitte = (kKernOben + kKernUnten) / 2;  // where the two flank elements of a T meet
constexpr int kEnde = kStossBildGroesse - kRand;

const QColor kTrennbauteil(0, 0, 255), kFlankeRaum1(0, 0, 128), kFlankeRaum2(0, 128, 0),
    kDurchlaufend(128, 128, 128), kEntkopplung(255, 255, 0);

enum class Typ { T, Kreuz, WinkelA, WinkelB };

void Balken(QPainter& p, const QColor& farbe, int x1, int y1, int x2, int y2) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(farbe);
    p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

// An elastic interlayer: a short yellow mark across a bar, cut into it.
void Entkopplung(QPainter& p, int x1, int y1, int x2, int y2) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x1 - 1, y1 - 1, x2 - x1 + 2, y2 - y1 + 2));
    p.setPen(QPen(QColor(96, 96, 0), 1));
    p.setBrush(kEntkopplung);
    p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

// Marks across a vertical bar above or below the core, or across a horizontal bar to its right.
void MarkeOben(QPainter& p) {
    Entkopplung(p, kKernLinks - 3, kKernOben - 7, kKernRechts + 3, kKernOben - 3);
}
void MarkeUnten(QPainter& p) {
    Entkopplung(p, kKernLinks - 3, kKernUnten + 3, kKernRechts + 3, kKernUnten + 7);
}
void MarkeRechts(QPainter& p) {
    Entkopplung(p, kKernRechts + 3, kKernOben - 3, kKernRechts + 7, kKernUnten + 3);
}

void RaumZiffer(QPainter& p, const QColor& farbe, int x, int y, const char* ziffer) {
    p.setPen(farbe);
    p.drawText(QRect(x - 8, y - 8, 16, 16), Qt::AlignCenter, QString::fromLatin1(ziffer));
}

void Zeichnen(QPainter& p, Typ typ, int trennung) {
    p.fillRect(QRect(0, 0, kStossBildGroesse, kStossBildGroesse), Qt::white);

    Balken(p, kTrennbauteil, kRand, kKernOben, kKernLinks, kKernUnten);
    switch (typ) {
        case Typ::T:
        case Typ::Kreuz:
            // Both flank elements in one line across the end of the separating element.
            Balken(p, kFlankeRaum1, kKernLinks, kRand, kKernRechts, kMitte);
            Balken(p, kFlankeRaum2, kKernLinks, kMitte, kKernRechts, kEnde);
            if (typ == Typ::Kreuz)
                Balken(p, kDurchlaufend, kKernRechts, kKernOben, kEnde, kKernUnten);
            break;
        case Typ::WinkelA:
            // Room-1 flank at right angles, room-2 flank in line with the separating element.
            Balken(p, kFlankeRaum1, kKernLinks, kRand, kKernRechts, kKernUnten);
            Balken(p, kFlankeRaum2, kKernRechts, kKernOben, kEnde, kKernUnten);
            break;
        case Typ::WinkelB:
            // Room-1 flank in line, room-2 flank at right angles.
            Balken(p, kFlankeRaum1, kKernRechts, kKernOben, kEnde, kKernUnten);
            Balken(p, kFlankeRaum2, kKernLinks, kKernOben, kKernRechts, kEnde);
            break;
    }

    const bool raum1Senkrecht = typ != Typ::WinkelB;
    const bool raum2Senkrecht = typ != Typ::WinkelA;
    if (trennung == 1)
        Entkopplung(p, kKernLinks - 4, kKernOben - 3, kKernLinks - 1, kKernUnten + 3);
    if (trennung == 2 || trennung == 4) raum1Senkrecht ? MarkeOben(p) : MarkeRechts(p);
    if (trennung == 3 || trennung == 4) raum2Senkrecht ? MarkeUnten(p) : MarkeRechts(p);

    QFont schrift = p.font();
    schrift.setPixelSize(11);
    schrift.setBold(true);
    p.setFont(schrift);
    RaumZiffer(p, kFlankeRaum1, 17, 15, "1");
    RaumZiffer(p, kFlankeRaum2, 17, 50, "2");
}

}  // namespace

QPixmap StossBild(std::string_view code, qreal dpr) {
    int index = StossIndex(code);
    if (index < 0) index = StossIndex(kStossStandard);
    if (dpr <= 0) dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;

    QPixmap bild(QSize(kStossBildGroesse, kStossBildGroesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    Zeichnen(p, static_cast<Typ>(index / 5), index % 5);
    return bild;
}

}  // namespace phonikon
