// Drawing the two report pages with QPainter, as vectors (the logo stays the picture it is), for
// the preview, the printer and the PDF alike.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "calc/sketch_types.h"
#include "printout/report_content.h"

class QPainter;
class QPrinter;
class QPagedPaintDevice;

namespace phonikon {

// Everything a page drawing needs: the texts and places, the company logo and the sketch.
struct Druckbericht {
    Bericht inhalt;
    QImage logo;
    Skizze skizze;
};

// The report of the project with the application's company data and loaded logo, or the message
// that refuses it (see Bericht_Erstellen).
std::variant<Druckbericht, std::string> Druckbericht_Erstellen(const Projekt& p,
                                                               const Firmendaten& firma,
                                                               const QImage& logo);

// A4 portrait with 10 mm margins on all sides.
QPageLayout Berichtsseitenlayout();

// Draws one page into `ziel`, the printable area inside the margins in the painter's coordinates.
void Deckblatt_Zeichnen(QPainter& maler, const QRectF& ziel, const Druckbericht& b);
void Rechenblatt_Zeichnen(QPainter& maler, const QRectF& ziel, const Druckbericht& b);

// Draws the pages onto a device set up with Berichtsseitenlayout: the cover page (when wanted)
// and the calculation sheet.
void Bericht_Ausgeben(QPagedPaintDevice& geraet, const Druckbericht& b, bool mitDeckblatt);

// The same on a printer, honouring the page range chosen in its print dialog.
void Bericht_Drucken(QPrinter& drucker, const Druckbericht& b);

// Writes the report as a PDF file; returns the German message when the file cannot be written.
std::optional<QString> Bericht_AlsPdf(const QString& pfad, const Druckbericht& b,
                                      bool mitDeckblatt);

}  // namespace phonikon
