#include "calc/protocol_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

namespace phonikon {
namespace {

constexpr int kBildPanelHoehe = 200;  // the memo takes the window's height minus this

void Hintergrund(QWidget* w, QPalette::ColorRole rolle) {
    QPalette pal = w->palette();
    pal.setColor(rolle, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    w->setPalette(pal);
}

// A path as a polyline from a dot (where the sound meets the element in room 1) to an arrow head
// (where it is radiated into room 2).
void Pfeil(QPainter& p, const QColor& farbe, std::initializer_list<QPointF> punkte) {
    const std::vector<QPointF> v(punkte);
    p.setPen(QPen(farbe, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(v.data(), static_cast<int>(v.size()));
    const QPointF spitze = v.back(), davor = v[v.size() - 2];
    const double winkel = std::atan2(spitze.y() - davor.y(), spitze.x() - davor.x());
    constexpr double kLaenge = 7.0, kOeffnung = 0.45;
    const QPointF kopf[] = {spitze,
                            spitze - QPointF(kLaenge * std::cos(winkel - kOeffnung),
                                             kLaenge * std::sin(winkel - kOeffnung)),
                            spitze - QPointF(kLaenge * std::cos(winkel + kOeffnung),
                                             kLaenge * std::sin(winkel + kOeffnung))};
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(kopf, 3);
    p.drawEllipse(v.front(), 2.2, 2.2);
}

}  // namespace

WegeSchema::WegeSchema(QWidget* parent) : QWidget(parent) {
    setFixedSize(220, 117);
}

// Cross-section of the two rooms: the separating element stands between them, the flank runs
// under both and meets it at the junction. Capital letters name the element in the source room
// (room 1), small letters the radiating element in the receiving room (room 2).
void WegeSchema::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));

    // Elements: separating element (D/d) and flank (F/f).
    const QRectF trennbauteil(102, 6, 16, 78), flanke(6, 84, 208, 16);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 170, 255));
    p.drawRect(trennbauteil);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(flanke);

    const QColor dd(200, 0, 0), ff(0, 128, 0), fd(0, 0, 200), df(160, 0, 160);
    Pfeil(p, dd, {{20, 22}, {196, 22}});
    Pfeil(p, fd, {{44, 58}, {44, 89}, {113, 89}, {113, 46}, {156, 46}});
    Pfeil(p, df, {{66, 40}, {107, 40}, {107, 94}, {172, 94}, {172, 64}});
    Pfeil(p, ff, {{22, 58}, {22, 96}, {198, 96}, {198, 60}});

    QFont schrift = font();
    schrift.setPixelSize(10);
    schrift.setBold(true);
    p.setFont(schrift);
    auto beschriften = [&](const QColor& farbe, QPointF wo, const char* text) {
        p.setPen(farbe);
        p.drawText(wo, QString::fromLatin1(text));
    };
    beschriften(dd, {150, 18}, "Dd");
    beschriften(fd, {140, 42}, "Fd");
    beschriften(df, {177, 72}, "Df");
    beschriften(ff, {184, 56}, "Ff");

    // Element letters: D/F in room 1, d/f in room 2.
    schrift.setPixelSize(9);
    p.setFont(schrift);
    p.setPen(Qt::black);
    p.drawText(QRectF(88, 4, 12, 12), Qt::AlignCenter, "D");
    p.drawText(QRectF(120, 4, 12, 12), Qt::AlignCenter, "d");
    p.drawText(QRectF(7, 85, 12, 14), Qt::AlignCenter, "F");
    p.drawText(QRectF(201, 85, 12, 14), Qt::AlignCenter, "f");

    schrift.setPixelSize(10);
    schrift.setBold(false);
    p.setFont(schrift);
    p.drawText(QRectF(6, 100, 96, 16), Qt::AlignCenter, "Raum 1");
    p.drawText(QRectF(118, 100, 96, 16), Qt::AlignCenter, "Raum 2");
}

ProtocolWindow::ProtocolWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(" Eingabedaten und Berechnungsergebnisse");

    memo_control_ = new QPlainTextEdit(this);
    memo_control_->setObjectName("memo_control");
    memo_control_->setReadOnly(true);
    memo_control_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_control_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_control_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_control_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Hintergrund(memo_control_, QPalette::Base);

    panel_Schema_ = new QWidget(this);
    panel_Schema_->setObjectName("panel_Schema");
    panel_Schema_->setAutoFillBackground(true);
    Hintergrund(panel_Schema_, QPalette::Window);
    auto* layout = new QVBoxLayout(panel_Schema_);
    auto* ueberschrift = new QLabel("Erläuterung der Schallübertragungswege", panel_Schema_);
    ueberschrift->setAlignment(Qt::AlignHCenter);
    layout->addWidget(ueberschrift);
    auto* bild = new WegeSchema(panel_Schema_);
    bild->setObjectName("Image3");
    layout->addWidget(bild, 0, Qt::AlignHCenter);
    layout->addStretch();

    resize(389, 560);
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void ProtocolWindow::setZeilen(const std::vector<std::string>& zeilen) {
    QString text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) text += QLatin1Char('\n');
        text += QString::fromStdString(zeilen[i]);
    }
    if (text == text_) return;  // nothing changed: leave the view alone
    text_ = text;

    QScrollBar* senkrecht = memo_control_->verticalScrollBar();
    QScrollBar* waagerecht = memo_control_->horizontalScrollBar();
    const int oben = senkrecht->value(), links = waagerecht->value();
    memo_control_->setPlainText(text_);
    senkrecht->setValue(oben);
    waagerecht->setValue(links);
}

void ProtocolWindow::resizeEvent(QResizeEvent* event) {
    const int memoHoehe = std::max(0, height() - kBildPanelHoehe);
    memo_control_->setGeometry(0, 0, width(), memoHoehe);
    panel_Schema_->setGeometry(0, memoHoehe, width(), height() - memoHoehe);
    QWidget::resizeEvent(event);
}

void ProtocolWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit geschlossen();
}

}  // namespace phonikon
