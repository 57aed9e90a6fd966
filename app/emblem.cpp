#include "app/emblem.h"

#include <QPainter>
#include <QPainterPath>

namespace phonikon {
namespace {

QPixmap Leinwand(int groesse, qreal dpr) {
    QPixmap bild(QSize(groesse, groesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    return bild;
}

}  // namespace

QPixmap Entwicklerbild(int groesse, qreal dpr) {
    QPixmap bild = Leinwand(groesse, dpr);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 64.0, groesse / 64.0);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 4, 48, 56), 4, 4);
    p.setPen(QPen(QColor(170, 170, 190), 1));
    for (int x = 16; x <= 48; x += 8) p.drawLine(QPointF(x, 12), QPointF(x, 50));
    for (int y = 12; y <= 50; y += 8) p.drawLine(QPointF(14, y), QPointF(50, y));
    QPainterPath kurve;
    kurve.moveTo(14, 48);
    kurve.cubicTo(26, 46, 30, 22, 50, 14);
    p.setPen(QPen(QColor(0, 90, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kurve);
    return bild;
}

}  // namespace phonikon
