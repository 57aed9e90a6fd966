// The situation sketch on screen: renders a `Skizze` and copies the visible picture to the
// clipboard from its context menu.
#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

#include "calc/sketch_types.h"

class QPainter;

namespace phonikon {

// Renders the sketch as it is shown: 371 × 359 for the horizontal situation, the upper
// 359 × 359 of the quarter-turned picture for the vertical one. `dpr` is the device pixel ratio
// of the result (the drawing keeps its logical pixel coordinates). `knopfFarbe` stands for the
// button face colour of undefined elements.
QImage SkizzeRendern(const Skizze& s, const QColor& knopfFarbe, const QFont& schrift,
                     qreal dpr = 1.0);
// The same into `bild`, reusing its memory when size and pixel ratio already fit.
void SkizzeRendern(QImage& bild, const Skizze& s, const QColor& knopfFarbe, const QFont& schrift,
                   qreal dpr);
// Draws the shown picture as vector shapes and text, scaled into `ziel` and clipped to it: for the
// printed report and its PDF, which stay sharp at any zoom.
void SkizzeZeichnen(QPainter& maler, const QRectF& ziel, const Skizze& s, const QColor& knopfFarbe,
                    const QFont& schrift);

class SketchView : public QWidget {
    Q_OBJECT
  public:
    explicit SketchView(QWidget* parent = nullptr);

    void setSkizze(const Skizze& s);
    const Skizze& skizze() const { return skizze_; }

    // The visible picture at device pixel ratio 1, as it goes to the clipboard.
    QImage bild() const;

    QSize sizeHint() const override;

  public slots:
    void GrafikinZwschenablagekopieren1Click();

  signals:
    void geklickt();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QColor knopfFarbe() const;

    Skizze skizze_;
    QImage zwischenbild_;  // rendered at the screen's pixel ratio, redrawn after each change
    bool veraltet_ = true;
    bool gedrueckt_ = false;
};

}  // namespace phonikon
