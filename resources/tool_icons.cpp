#include "resources/tool_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace phonikon {
namespace {

// Symbols the theme and the style do not offer, drawn as vectors on a 32 × 32 grid so they stay
// sharp at every size and pixel ratio.
class GezeichnetesSymbol : public QIconEngine {
  public:
    explicit GezeichnetesSymbol(Werkzeug w) : w_(w) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 32.0, rect.height() / 32.0);
        if (mode == QIcon::Disabled) p->setOpacity(0.4);
        Zeichnen(*p);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap bild(size * scale);
        bild.setDevicePixelRatio(scale);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return bild;
    }

    QIconEngine* clone() const override { return new GezeichnetesSymbol(w_); }

  private:
    static void Blatt(QPainter& p) {
        QPainterPath blatt;
        blatt.moveTo(6.5, 2.5);
        blatt.lineTo(20.5, 2.5);
        blatt.lineTo(26.5, 8.5);
        blatt.lineTo(26.5, 29.5);
        blatt.lineTo(6.5, 29.5);
        blatt.closeSubpath();
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawPath(blatt);
        p.drawLine(QPointF(20.5, 2.5), QPointF(20.5, 8.5));
        p.drawLine(QPointF(20.5, 8.5), QPointF(26.5, 8.5));
    }

    static void Zeilen(QPainter& p, double bis) {
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        for (double y = 12; y <= 26; y += 3.5) p.drawLine(QPointF(10, y), QPointF(bis, y));
    }

    void Zeichnen(QPainter& p) const {
        switch (w_) {
            case Werkzeug::Druckvorschau: {
                Blatt(p);
                Zeilen(p, 22);
                p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(23, 24), QPointF(29, 30));
                p.setPen(QPen(QColor(40, 40, 40), 2));
                p.setBrush(QColor(200, 225, 255, 220));
                p.drawEllipse(QPointF(18.5, 19.5), 6, 6);
                break;
            }
            case Werkzeug::Varianten: {
                p.setPen(QPen(QColor(60, 60, 60), 1.5));
                p.drawLine(QPointF(3, 29), QPointF(29, 29));
                const QColor farben[] = {{0, 0, 200}, {0, 128, 0}, {200, 40, 40}};
                const double hoehen[] = {18, 24, 12};
                for (int i = 0; i < 3; ++i) {
                    p.setPen(QPen(farben[i].darker(140), 1));
                    p.setBrush(farben[i]);
                    p.drawRect(QRectF(5.5 + i * 8, 28.5 - hoehen[i], 6, hoehen[i]));
                }
                break;
            }
            case Werkzeug::Ergebnisse: {
                Blatt(p);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0, 0, 128));
                p.drawRect(QRectF(9, 6, 10, 3));
                Zeilen(p, 23);
                break;
            }
            case Werkzeug::Berechnungsgrundlagen:
            case Werkzeug::Handbuch: {
                const bool grundlagen = w_ == Werkzeug::Berechnungsgrundlagen;
                p.setPen(QPen(QColor(30, 30, 30), 1));
                p.setBrush(Qt::white);
                p.drawRect(QRectF(8.5, 4.5, 19, 25));
                p.setBrush(grundlagen ? QColor(0, 0, 160) : QColor(0, 110, 0));
                p.drawRect(QRectF(5.5, 2.5, 19, 25));
                QFont f = p.font();
                f.setPixelSize(16);
                f.setBold(true);
                p.setFont(f);
                p.setPen(Qt::white);
                p.drawText(QRectF(5.5, 2.5, 19, 25), Qt::AlignCenter,
                           grundlagen ? QString(QChar(0x03A3)) : QStringLiteral("?"));
                break;
            }
            case Werkzeug::Praxistipps: {
                p.setPen(QPen(QColor(120, 100, 0), 1.2));
                p.setBrush(QColor(255, 220, 40));
                QPainterPath birne;
                birne.addEllipse(QPointF(16, 12), 9, 9);
                p.drawPath(birne);
                p.setBrush(QColor(150, 150, 150));
                p.drawRect(QRectF(12, 21, 8, 6));
                p.drawLine(QPointF(12, 23), QPointF(20, 23));
                p.drawLine(QPointF(12, 25), QPointF(20, 25));
                p.drawLine(QPointF(14, 29), QPointF(18, 29));
                break;
            }
            default: {  // a plain question mark: the help button
                QFont f = p.font();
                f.setPixelSize(26);
                f.setBold(true);
                p.setFont(f);
                p.setPen(QColor(0, 0, 160));
                p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
                break;
            }
        }
    }

    Werkzeug w_;
};

QIcon Gezeichnet(Werkzeug w) {
    return QIcon(new GezeichnetesSymbol(w));
}

QIcon Standard(QStyle::StandardPixmap sp) {
    return QApplication::style() ? QApplication::style()->standardIcon(sp) : QIcon();
}

}  // namespace

QIcon WerkzeugSymbol(Werkzeug w) {
    switch (w) {
        case Werkzeug::Neu:
            return QIcon::fromTheme("document-new", Standard(QStyle::SP_FileIcon));
        case Werkzeug::Oeffnen:
            return QIcon::fromTheme("document-open", Standard(QStyle::SP_DialogOpenButton));
        case Werkzeug::Speichern:
            return QIcon::fromTheme("document-save-as", Standard(QStyle::SP_DialogSaveButton));
        case Werkzeug::Druckvorschau:
            return QIcon::fromTheme("document-print-preview", Gezeichnet(w));
        case Werkzeug::Varianten:
            return Gezeichnet(w);  // no theme has a "compare variants" symbol
        case Werkzeug::Ergebnisse:
            return QIcon::fromTheme("x-office-document", Gezeichnet(w));
        case Werkzeug::Handbuch:
            return QIcon::fromTheme("help-contents", Gezeichnet(w));
        case Werkzeug::Berechnungsgrundlagen:
            return Gezeichnet(w);
        case Werkzeug::Praxistipps:
        case Werkzeug::Hilfe:  // desktop themes draw "help-browser" too differently to rely on
            return Gezeichnet(w);
    }
    return Gezeichnet(w);
}

}  // namespace phonikon
