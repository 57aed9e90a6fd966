#include "resources/emblem.h"

#include <QPainter>

namespace phonikon {

void EmblemZeichnen(QPainter& maler, const QRectF& box) {
    maler.save();
    maler.translate(box.topLeft());
    maler.scale(box.width() / 64.0, box.height() / 64.0);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 0, 128));
    maler.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    maler.setBrush(QColor(200, 200, 210));
    maler.drawRect(QRectF(36, 12, 8, 40));
    maler.setBrush(Qt::NoBrush);
    for (int n = 0; n < 3; ++n) {
        maler.setPen(
            QPen(QColor(255, 255, 255, 255 - n * 60), 3 - n * 0.6, Qt::SolidLine, Qt::RoundCap));
        const qreal r = 8 + n * 7;
        maler.drawArc(QRectF(30 - r, 32 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    maler.setPen(QPen(QColor(120, 170, 255), 2, Qt::SolidLine, Qt::RoundCap));
    maler.drawArc(QRectF(40, 24, 16, 16), -40 * 16, 80 * 16);
    maler.restore();
}

QPixmap Emblem(int groesse, qreal dpr) {
    QPixmap bild(QSize(groesse, groesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    EmblemZeichnen(maler, QRectF(0, 0, groesse, groesse));
    return bild;
}

}  // namespace phonikon
