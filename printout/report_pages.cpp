#include "printout/report_pages.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "junction/junction_pictures.h"
#include "mainwindow/sketch_view.h"
#include "resources/emblem.h"

namespace phonikon {
namespace {

// Undefined elements in the sketch: the light grey a button face has on most desktops.
const QColor kKnopfFarbe(240, 240, 240);

// Arial, or where it is missing its metric twin, so that every text keeps the width the layout
// was made for.
QFont Schrift(const QPainter& maler, double punkt, bool fett = false, bool unterstrichen = false) {
    QFont f;
    f.setFamilies({"Arial", "Liberation Sans"});
    f.setStyleHint(QFont::SansSerif);
    // The painter counts in report pixels (96 per inch) while a point size is resolved at the
    // device's resolution; this size gives `punkt` points on paper.
    f.setPointSizeF(punkt * 96.0 / maler.device()->logicalDpiY());
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    f.setKerning(false);
    return f;
}

QColor Farbwert(Farbe f) {
    return QColor(QRgb(f));
}

void FormZeichnen(QPainter& maler, const Berichtsform& f) {
    maler.setPen(QPen(Qt::black, 1));
    switch (f.art) {
        case Berichtsform::Art::Linie:
            maler.drawLine(QPointF(f.x, f.y), QPointF(f.x + f.breite, f.y + f.hoehe));
            break;
        case Berichtsform::Art::Rahmen:
            maler.setBrush(Qt::NoBrush);
            maler.drawRect(QRectF(f.x, f.y, f.breite, f.hoehe));
            break;
        case Berichtsform::Art::GrauerRahmen:
            maler.setBrush(QColor(221, 221, 221));
            maler.drawRect(QRectF(f.x, f.y, f.breite, f.hoehe));
            break;
    }
}

void TextZeichnen(QPainter& maler, const Berichtstext& t) {
    if (t.text.empty()) return;
    maler.setFont(Schrift(maler, t.punkt, t.fett, t.unterstrichen));
    maler.setPen(Farbwert(t.farbe));
    const QString text = QString::fromStdString(t.text);
    if (t.breite > 0) {
        const QRectF box(t.x, t.y, t.breite, t.hoehe);
        const int ausrichtung = (t.rechtsbuendig ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop |
                                (t.umbruch ? Qt::TextWordWrap : Qt::TextSingleLine);
        maler.save();
        maler.setClipRect(box, Qt::IntersectClip);
        maler.drawText(box, ausrichtung, text);
        maler.restore();
        return;
    }
    maler.drawText(QRectF(t.x, t.y, kBerichtBreite, kBerichtHoehe),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// The logo at its own size (one picture pixel per report pixel), clipped to its box.
void LogoZeichnen(QPainter& maler, const QRectF& box, const QImage& logo) {
    if (logo.isNull()) return;
    maler.save();
    maler.setClipRect(box, Qt::IntersectClip);
    maler.drawImage(QRectF(box.topLeft(), QSizeF(logo.width(), logo.height())), logo);
    maler.restore();
}

// The sketch at its own size from the top-left corner of its box, clipped to the box.
void SkizzeImBericht(QPainter& maler, const QRectF& box, const Skizze& s) {
    const QSizeF groesse =
        s.gedreht ? QSizeF(kSkizzeHoehe, kSkizzeHoehe) : QSizeF(kSkizzeBreite, kSkizzeHoehe);
    maler.save();
    maler.setClipRect(box, Qt::IntersectClip);
    SkizzeZeichnen(maler, QRectF(box.topLeft(), groesse), s, kKnopfFarbe, Schrift(maler, 8));
    maler.restore();
}

// The junction picture is square; it fills the height of its box, centred across.
void StossImBericht(QPainter& maler, const QRectF& box, const std::string& code) {
    const double seite = std::min(box.width(), box.height());
    const QRectF ziel(box.x() + (box.width() - seite) / 2, box.y(), seite, seite);
    StossZeichnen(maler, ziel, code);
}

void BildZeichnen(QPainter& maler, const Berichtsbild& bild, const Druckbericht& b) {
    const QRectF box(bild.x, bild.y, bild.breite, bild.hoehe);
    switch (bild.art) {
        case Berichtsbild::Art::Emblem:
            EmblemZeichnen(maler, box);
            break;
        case Berichtsbild::Art::Logo:
            LogoZeichnen(maler, box, b.logo);
            break;
        case Berichtsbild::Art::Skizze:
            SkizzeImBericht(maler, box, b.skizze);
            break;
        case Berichtsbild::Art::Stoss:
            StossImBericht(maler, box, bild.stossCode);
            break;
    }
}

void SeiteZeichnen(QPainter& maler, const QRectF& ziel, const Berichtsseite& seite,
                   const Druckbericht& b) {
    maler.save();
    maler.translate(ziel.topLeft());
    const double massstab = std::min(ziel.width() / kBerichtBreite, ziel.height() / kBerichtHoehe);
    maler.scale(massstab, massstab);
    for (const Berichtsform& f : seite.formen) FormZeichnen(maler, f);
    for (const Berichtsbild& bild : seite.bilder) BildZeichnen(maler, bild, b);
    for (const Berichtstext& t : seite.texte) TextZeichnen(maler, t);
    maler.restore();
}

QRectF Druckbereich(const QPagedPaintDevice& geraet) {
    return QRectF(0, 0, geraet.width(), geraet.height());
}

// Pages 1 (cover) and 2 (calculation sheet) as far as they are wanted, one after the other.
void SeitenAusgeben(QPagedPaintDevice& geraet, const Druckbericht& b, bool deckblatt,
                    bool rechenblatt) {
    QPainter maler;
    if (!maler.begin(&geraet)) return;
    maler.setRenderHint(QPainter::TextAntialiasing);
    if (deckblatt) Deckblatt_Zeichnen(maler, Druckbereich(geraet), b);
    if (deckblatt && rechenblatt) geraet.newPage();
    if (rechenblatt) Rechenblatt_Zeichnen(maler, Druckbereich(geraet), b);
    maler.end();
}

}  // namespace

std::variant<Druckbericht, std::string> Druckbericht_Erstellen(const Projekt& p,
                                                               const Firmendaten& firma,
                                                               const QImage& logo) {
    auto inhalt = Bericht_Erstellen(p, firma);
    if (auto* meldung = std::get_if<std::string>(&inhalt)) return *meldung;
    return Druckbericht{std::move(std::get<Bericht>(inhalt)), logo, p.SkizzenBild};
}

QPageLayout Berichtsseitenlayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void Deckblatt_Zeichnen(QPainter& maler, const QRectF& ziel, const Druckbericht& b) {
    SeiteZeichnen(maler, ziel, b.inhalt.deckblatt, b);
}

void Rechenblatt_Zeichnen(QPainter& maler, const QRectF& ziel, const Druckbericht& b) {
    SeiteZeichnen(maler, ziel, b.inhalt.rechenblatt, b);
}

void Bericht_Ausgeben(QPagedPaintDevice& geraet, const Druckbericht& b, bool mitDeckblatt) {
    SeitenAusgeben(geraet, b, mitDeckblatt, true);
}

void Bericht_Drucken(QPrinter& drucker, const Druckbericht& b) {
    bool seite1 = true, seite2 = true;
    if (drucker.printRange() == QPrinter::PageRange && drucker.fromPage() > 0) {
        seite1 = drucker.fromPage() <= 1 && drucker.toPage() >= 1;
        seite2 = drucker.fromPage() <= 2 && drucker.toPage() >= 2;
    }
    if (seite1 || seite2) SeitenAusgeben(drucker, b, seite1, seite2);
}

std::optional<QString> Bericht_AlsPdf(const QString& pfad, const Druckbericht& b,
                                      bool mitDeckblatt) {
    // Written aside and put in place only when complete, so a failed write leaves no broken PDF.
    QSaveFile datei(pfad);
    const QString meldung = QString("Die Datei \"%1\" kann nicht geschrieben werden.").arg(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return meldung;
    {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(Berichtsseitenlayout());
        pdf.setResolution(1200);
        pdf.setCreator("Phonikon");
        pdf.setTitle("Schalltechnische Untersuchung");
        Bericht_Ausgeben(pdf, b, mitDeckblatt);
    }
    if (!datei.commit()) return meldung;
    return std::nullopt;
}

}  // namespace phonikon
