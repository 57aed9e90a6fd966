// The built-in construction catalogue: construction kinds, plasters, Brevon masonry (density
// classes, wall densities by mortar, thicknesses, delivery range), concretes, the pairs of unit
// types for thermally optimised hollow units and the reference table of wall densities.
//
// Choices are stored in the project as zero-based item indices of these lists. The item texts are
// shown in the construction dialog's lists and written into the element descriptions, so they are
// kept character for character, trailing blanks included.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace phonikon {

// --- Construction kinds (`Konstrukt`) -----------------------------------------------------------

inline constexpr int kKonstruktBrevon = 0;
inline constexpr int kKonstruktBeton = 1;
inline constexpr int kKonstruktPorenbeton = 2;
inline constexpr int kKonstruktZiegel = 3;
inline constexpr int kKonstruktLeichtbeton = 4;
inline constexpr int kKonstruktSonstige = 5;

// Row of the mass curve a construction kind is rated by.
enum class Massekurvenzeile { A, B, C, D };

struct Konstruktionsart {
    std::string_view Text;
    Massekurvenzeile Zeile;
};

inline constexpr std::array<Konstruktionsart, 6> kKonstruktionsarten{{
    {"Brevon-Mauerwerk ", Massekurvenzeile::A},
    {"Beton - (Wand/Decke) ", Massekurvenzeile::A},
    {"Porenbeton ", Massekurvenzeile::B},
    {"Ziegel-Mauerwerk ", Massekurvenzeile::A},
    {"Leichtbeton  ", Massekurvenzeile::C},
    {"sonst. Hersteller/eigene Eingabe ", Massekurvenzeile::D},
}};

// --- Plasters (`B1`, `B3`)
// ------------------------------------------------------------------------

struct Putz {
    std::string_view Text;
    long double Rohdichte;  // kg/m³
    long double Dicke;      // cm
};

inline constexpr std::array<Putz, 4> kPutze{{
    {"Putz nicht definiert m´ = 0.0 [kg/m²]", 0.0L, 0.0L},
    {"4 mm Dünnlagenputz", 1200.0L, 0.4L},
    {"10 mm Dünnputz", 1000.0L, 1.0L},
    {"15 mm Normalputz", 1800.0L, 1.5L},
}};

// --- Brevon masonry
// -------------------------------------------------------------------------------

inline constexpr int kMoertelDuennbett = 0;
inline constexpr int kMoertelNormal = 1;

inline constexpr std::array<std::string_view, 2> kMoertelTexte{"Dünnbettmörtel", "Normalmörtel"};

// Density classes (`B2`).
inline constexpr std::array<std::string_view, 6> kRohdichteklassenTexte{
    "Rohdichteklasse  1.2", "Rohdichteklasse  1.4", "Rohdichteklasse  1.6",
    "Rohdichteklasse  1.8", "Rohdichteklasse  2.0", "Rohdichteklasse  2.2",
};

// Wall density [kg/m³] by mortar (`Moertel`) and density class (`B2`): the joints of normal
// mortar make light units heavier and heavy units lighter than thin-bed joints do.
inline constexpr std::array<std::array<long double, 6>, 2> kBrevonWandRohdichte{{
    {1100.0L, 1300.0L, 1500.0L, 1700.0L, 1900.0L, 2100.0L},  // thin-bed mortar
    {1180.0L, 1360.0L, 1540.0L, 1720.0L, 1900.0L, 2080.0L},  // normal mortar
}};

struct Wanddicke {
    std::string_view Text;
    long double Dicke;  // cm
};

// Wall thicknesses (`B2b`).
inline constexpr std::array<Wanddicke, 11> kBrevonWanddicken{{
    {" 7,0  cm", 7.0L},
    {"10,0 cm", 10.0L},
    {"11,5 cm", 11.5L},
    {"15,0 cm", 15.0L},
    {"17,5 cm", 17.5L},
    {"20,0 cm", 20.0L},
    {"21,4 cm", 21.4L},
    {"24,0 cm", 24.0L},
    {"26,5 cm", 26.5L},
    {"30,0 cm", 30.0L},
    {"36,5 cm", 36.5L},
}};

// --- Concretes (`B2a`)
// ----------------------------------------------------------------------------

struct Beton {
    std::string_view Text;
    long double Rohdichte;  // kg/m³
};

inline constexpr std::array<Beton, 2> kBetone{{
    {"Normalbeton  (2300 kg/m³)", 2300.0L},
    {"Leichtbeton   (1400 kg/m³)", 1400.0L},
}};

// --- Pairs of unit types for thermally optimised hollow units ----------------------------------

struct Zulassungspaar {
    std::string_view Erste;   // units with an approval (`Zulassung1` = 1)
    std::string_view Zweite;  // units after the DIN standards named (`Zulassung2` = 1)
};

inline constexpr Zulassungspaar kZulassungspaarZiegel{
    "wärmetechnisch optimierter HLZ nach Zulassung ", "Steine nach DIN 105 und Verfüllziegel "};
inline constexpr Zulassungspaar kZulassungspaarLeichtbeton{"Steine nach Zulassung ",
                                                           "Steine nach DIN 18151 bzw. DIN 18153 "};

// --- Reference table "Umrechnung Rohdichteklasse - Wand-Rohdichte" -----------------------------
// Shown beside the typed wall density of aerated concrete, clay brick and lightweight concrete.
// For reading only: nothing is computed from it.

struct WandRohdichteZeile {
    std::string_view Steinrohdichte;  // kg/dm³, as printed
    int Normalmoertel;                // wall density kg/m³
    int Leichtmoertel;
    int Duennbettmoertel;
};

inline constexpr std::string_view kWandRohdichteTitel =
    "Umrechnung Rohdichteklasse - Wand-Rohdichte";
inline constexpr std::string_view kWandRohdichteKopfStein = "Stein- Platten- Rohdichte";
inline constexpr std::string_view kWandRohdichteKopfNormal = "Normal- mörtel";
inline constexpr std::string_view kWandRohdichteKopfLeicht = "Leichtmörtel";
inline constexpr std::string_view kWandRohdichteKopfLeichtZusatz = "(Rohdichte      <= 1000 kg/m²)";
inline constexpr std::string_view kWandRohdichteKopfDuennbett = "Dünnbett- mörtel";
inline constexpr std::string_view kWandRohdichteFussnotenmarken = "1) 2)";
inline constexpr std::array<std::string_view, 2> kWandRohdichteFussnoten{
    "1) Die angegebenen Werte sind für alle Formate der DIN 1053-1 und DIN 4103-1 für die "
    "Herstellung von Wämden aufgeführten Steine bzw. Platten zu verwenden.",
    "2) Dicke der Mörtelfugen von Wänden nach DIN 1053-1 bzw. DIN 4103-1. Bei Wänden aus "
    "dünnfugig zu verlegenden Plansteinen und -platten siehe Spalte Dünnbettmörtel.",
};

inline constexpr std::array<WandRohdichteZeile, 13> kWandRohdichteTabelle{{
    {"2,2", 2080, 1940, 2100},
    {"2,0", 1900, 1770, 1900},
    {"1,8", 1720, 1600, 1700},
    {"1,6", 1540, 1420, 1500},
    {"1,4", 1360, 1260, 1300},
    {"1,2", 1180, 1090, 1100},
    {"1,0", 1000, 950, 950},
    {"0,9", 910, 860, 850},
    {"0,8", 820, 770, 750},
    {"0,7", 730, 680, 650},
    {"0,6", 640, 590, 550},
    {"0,5", 550, 500, 450},
    {"0,4", 460, 405, 350},
}};

// --- Lookups by item index
// ------------------------------------------------------------------------- An index outside its
// table yields nothing; the caller then leaves the layer value as it was.

std::optional<Konstruktionsart> KonstruktionsartNach(int Konstrukt);
std::optional<Putz> PutzNach(int index);                          // `B1`, `B3`
std::optional<long double> BrevonRohdichte(int Moertel, int B2);  // roh2 of kind 0
std::optional<long double> BrevonDicke(int B2b);                  // d2 of kind 0
std::optional<long double> BetonRohdichte(int B2a);               // roh2 of kind 1
std::optional<std::string_view> MoertelText(int Moertel);
std::optional<std::string_view> RohdichteklasseText(int B2);
std::optional<std::string_view> WanddickeText(int B2b);
std::optional<std::string_view> BetonText(int B2a);

// The pair of unit types of clay brick and lightweight concrete; nothing for the other kinds.
std::optional<Zulassungspaar> ZulassungspaarNach(int Konstrukt);

// Whether Brevon masonry of this mortar, density class and thickness is in the delivery range.
// Indices outside the lists are not.
bool ImLieferprogramm(int Moertel, int B2, int B2b);

}  // namespace phonikon
