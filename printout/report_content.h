// What the two-page report shows and where: every text, rule, frame and picture of the cover page
// and the calculation sheet, taken from the project and the company data. Positions are report
// pixels (96 per inch) from the top-left corner of the printable area inside the 10 mm margins;
// the drawing only maps them onto the page.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "calc/project_state.h"
#include "printout/company_header.h"

namespace phonikon {

// The printable area of A4 inside 10 mm margins, in report pixels.
inline constexpr double kBerichtBreite = 190.0 / 25.4 * 96.0;  // 718.1
inline constexpr double kBerichtHoehe = 277.0 / 25.4 * 96.0;   // 1046.9

// Band tops on the page.
inline constexpr int kKopfHoehe = 94;   // page header band, on both pages
inline constexpr int kFussOben = 1016;  // page footer band: 31 pixels at the foot of the area

struct Berichtstext {
    std::string name;  // the label's name in the layout
    int x = 0, y = 0;  // top-left corner of the text
    std::string text;
    double punkt = 8;  // font size in points
    bool fett = false, unterstrichen = false;
    Farbe farbe = kSchwarz;
    // A box of its own (word wrap, right alignment, clipping); 0 = the label fits its text.
    int breite = 0, hoehe = 0;
    bool umbruch = false, rechtsbuendig = false;
};

struct Berichtsform {
    enum class Art { Linie, Rahmen, GrauerRahmen } art = Art::Linie;
    int x = 0, y = 0, breite = 0, hoehe = 0;  // a line runs from (x, y) to (x + breite, y + hoehe)
};

struct Berichtsbild {
    enum class Art { Emblem, Logo, Skizze, Stoss } art = Art::Emblem;
    std::string name;
    int x = 0, y = 0, breite = 0, hoehe = 0;  // the box; logo and sketch are clipped to it
    std::string stossCode;                    // junction code of a junction picture
};

struct Berichtsseite {
    std::vector<Berichtsform> formen;  // drawn first
    std::vector<Berichtsbild> bilder;
    std::vector<Berichtstext> texte;

    // The item of that name, or nullptr (for tests and for the few look-ups of the drawing).
    const Berichtstext* Text(const std::string& name) const;
    const Berichtsbild* Bild(const std::string& name) const;
};

struct Bericht {
    Berichtsseite deckblatt, rechenblatt;
};

// The report of the project, or the message that refuses it: the project has no complete results
// (kKeineErgebnisse), or one of the company's four distances is no whole number (the conversion
// message).
std::variant<Bericht, std::string> Bericht_Erstellen(const Projekt& p, const Firmendaten& firma);

// "Stoßstelle:" for an unknown code, else "T-Stoß", "Kreuz-Stoß" or "Winkelstoß".
std::string Stossart(const std::string& code);

// The message of a report asked for without complete results.
inline constexpr const char* kKeineErgebnisse = " Keine Berechnungsergebnisse vorhanden!\n  ";

}  // namespace phonikon
