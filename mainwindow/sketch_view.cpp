#include "mainwindow/sketch_view.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace phonikon {
namespace {

QSize Bildgroesse(const Skizze& s) {
    // The turned picture is 359 wide and 371 high; only its upper 359 rows are shown.
    return s.gedreht ? QSize(kSkizzeHoehe, kSkizzeHoehe) : QSize(kSkizzeBreite, kSkizzeHoehe);
}

QColor Farbwert(Farbe f, const QColor& knopfFarbe) {
    if (f == kFarbeButtonFace) return knopfFarbe;
    return QColor(QRgb(f));
}

void FormZeichnen(QPainter& maler, const SkizzenForm& f, const QColor& knopfFarbe) {
    QPen stift(Farbwert(f.rand, knopfFarbe));
    stift.setWidth(1);
    maler.setPen(stift);
    maler.setBrush(Farbwert(f.fuellung, knopfFarbe));
    if (f.rechteck) {
        // The outline runs on the outermost pixels of the rectangle; right and bottom excluded.
        const int x1 = f.p[0].x, y1 = f.p[0].y, x2 = f.p[1].x - 1, y2 = f.p[1].y - 1;
        const QPoint ecken[] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
        maler.drawPolygon(ecken, 4);
        return;
    }
    QPoint ecken[std::tuple_size_v<decltype(f.p)>];
    for (int k = 0; k < f.anzahl; ++k) ecken[k] = QPoint(f.p[k].x, f.p[k].y);
    maler.drawPolygon(ecken, f.anzahl);
}

void TextZeichnen(QPainter& maler, const SkizzenText& t, const QColor& knopfFarbe) {
    const QString text = QString::fromStdString(t.text);
    const QFontMetrics fm = maler.fontMetrics();
    // Opaque text: the whole text cell gets the background, as the labels sit on the drawing.
    maler.fillRect(QRect(t.x, t.y, fm.horizontalAdvance(text), fm.height()),
                   Farbwert(t.hintergrund, knopfFarbe));
    maler.setPen(Farbwert(t.schrift, knopfFarbe));
    maler.drawText(QPoint(t.x, t.y + fm.ascent()), text);
}

void Zeichnen(QPainter& maler, const Skizze& s, const QColor& knopfFarbe, const QFont& schrift,
              qreal versatz) {
    maler.setFont(schrift);
    maler.save();
    if (s.gedreht) {
        maler.translate(kSkizzeHoehe - versatz, 0);
        maler.rotate(90);
    }
    for (const SkizzenForm& f : s.formen) FormZeichnen(maler, f, knopfFarbe);
    maler.restore();

    for (const SkizzenForm& f : s.legende) FormZeichnen(maler, f, knopfFarbe);
    for (const SkizzenText& t : s.texte) TextZeichnen(maler, t, knopfFarbe);
}

bool Gleich(const SkizzenForm& a, const SkizzenForm& b) {
    if (a.rechteck != b.rechteck || a.anzahl != b.anzahl || a.fuellung != b.fuellung ||
        a.rand != b.rand)
        return false;
    for (std::size_t k = 0; k < a.p.size(); ++k)
        if (a.p[k].x != b.p[k].x || a.p[k].y != b.p[k].y) return false;
    return true;
}

bool Gleich(const SkizzenText& a, const SkizzenText& b) {
    return a.x == b.x && a.y == b.y && a.text == b.text && a.schrift == b.schrift &&
           a.hintergrund == b.hintergrund;
}

template <class T>
bool Gleich(const std::vector<T>& a, const std::vector<T>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const T& x, const T& y) { return Gleich(x, y); });
}

// Most keystrokes change the results but not the picture: comparing is far cheaper than
// drawing it again.
bool Gleich(const Skizze& a, const Skizze& b) {
    return a.gedreht == b.gedreht && Gleich(a.formen, b.formen) && Gleich(a.legende, b.legende) &&
           Gleich(a.texte, b.texte);
}

}  // namespace

void SkizzeRendern(QImage& bild, const Skizze& s, const QColor& knopfFarbe, const QFont& schrift,
                   qreal dpr) {
    const QSize groesse = Bildgroesse(s) * dpr;
    if (bild.size() != groesse || bild.format() != QImage::Format_RGB32)
        bild = QImage(groesse, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);  // a pixel sketch, not a smooth drawing
    // A quarter turn clockwise: the picture's left edge becomes its top edge. A pen of an odd
    // number of device pixels lies right of and below its coordinates; anchoring the turn one
    // device pixel further left then lands every pixel where turning the finished picture would
    // put it (exact at ratios 1 and 2).
    const qreal versatz = qRound(dpr) % 2 == 1 ? 1.0 / dpr : 0.0;
    Zeichnen(maler, s, knopfFarbe, schrift, versatz);
}

void SkizzeZeichnen(QPainter& maler, const QRectF& ziel, const Skizze& s, const QColor& knopfFarbe,
                    const QFont& schrift) {
    const QSize groesse = Bildgroesse(s);
    maler.save();
    maler.translate(ziel.topLeft());
    maler.scale(ziel.width() / groesse.width(), ziel.height() / groesse.height());
    maler.setClipRect(QRect(QPoint(0, 0), groesse), Qt::IntersectClip);
    maler.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    Zeichnen(maler, s, knopfFarbe, schrift, 0.0);
    maler.restore();
}

QImage SkizzeRendern(const Skizze& s, const QColor& knopfFarbe, const QFont& schrift, qreal dpr) {
    QImage bild;
    SkizzeRendern(bild, s, knopfFarbe, schrift, dpr);
    return bild;
}

SketchView::SketchView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(" Rechte Maustaste: Grafik in Zwischenablage kopieren ");
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* kopieren = new QAction("&Grafik in Zwischenablage kopieren", this);
    kopieren->setObjectName("GrafikinZwschenablagekopieren1");
    connect(kopieren, &QAction::triggered, this, &SketchView::GrafikinZwschenablagekopieren1Click);
    addAction(kopieren);
    setFixedSize(Bildgroesse(skizze_));
}

void SketchView::setSkizze(const Skizze& s) {
    if (Gleich(s, skizze_)) return;
    skizze_ = s;
    veraltet_ = true;
    setFixedSize(Bildgroesse(skizze_));
    update();
}

QImage SketchView::bild() const {
    return SkizzeRendern(skizze_, knopfFarbe(), font(), 1.0);
}

QSize SketchView::sizeHint() const {
    return Bildgroesse(skizze_);
}

void SketchView::GrafikinZwschenablagekopieren1Click() {
    QGuiApplication::clipboard()->setImage(bild());
}

QColor SketchView::knopfFarbe() const {
    return palette().color(QPalette::Button);
}

void SketchView::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (veraltet_ || zwischenbild_.devicePixelRatio() != dpr) {
        SkizzeRendern(zwischenbild_, skizze_, knopfFarbe(), font(), dpr);
        veraltet_ = false;
    }
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), zwischenbild_);
}

void SketchView::mousePressEvent(QMouseEvent* event) {
    gedrueckt_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

// A click is a left press and release on the picture.
void SketchView::mouseReleaseEvent(QMouseEvent* event) {
    const bool klick = gedrueckt_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    gedrueckt_ = false;
    if (klick) emit geklickt();
    QWidget::mouseReleaseEvent(event);
}

void SketchView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        veraltet_ = true;
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace phonikon
