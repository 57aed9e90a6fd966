// The one project the program works on: model, results, working flags and the texts and states of
// the main window's controls. The application owns exactly one `Projekt` and hands it to its
// windows; windows show it and forward the user's actions to it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/sketch_types.h"

namespace phonikon {

// Element grid: row 0 = separating element (column 0) and its two lining slots (columns 1, 2);
// rows 1..4 = flank i with its room-1 element/slot in column 1 and room-2 element/slot in column 2.
// Cells (1..4, 0) carry no meaning.
template <class T>
using Raster = std::array<std::array<T, 3>, 5>;

// Construction record of one element: the 22 fields the construction dialog produces.
struct Bauteil {
    int Konstrukt = 0;
    int Moertel = 0;
    int B1 = 1;
    int B2 = 3;
    int B2a = 0;
    int B2b = 7;
    int B3 = 1;
    long double roh1 = 0, roh2 = 0, roh3 = 0;  // layer densities [kg/m³]
    long double d1 = 0, d2 = 0, d3 = 0;        // layer thicknesses [cm]
    std::string SchichtName1, SchichtName2, SchichtName3;
    long double mFlaeche = 0;  // m' [kg/m²]
    long double Rw = 0;        // Rw of the bare element [dB]
    long double RwUser = 0;    // Rw from a test certificate or the corrected value [dB]
    int RwUserAktiv = 0;
    int Zulassung1 = 1;
    int Zulassung2 = 0;

    bool operator==(const Bauteil&) const = default;
};

// Mass per unit area from which an element counts as defined.
inline constexpr long double kMindestFlaechenmasse = 80.0L;

// Texts and states the main window's controls hold. Indices follow the element grid; flank
// arrays are indexed 1..4 (entry 0 unused), room arrays 1..2.
struct Hauptfenster {
    // Project and rooms block.
    std::string edit_Projekt, edit_Str, edit_PLZ, edit_Ort, edit_Variante;
    std::array<std::string, 3> edit_room{"", "Raum 1", "Raum 2"};
    std::string edit_Vol1, edit_Vol2, edit_L1, edit_L2;

    // Element pages.
    std::string edit_TB = "Trennbauteil";
    std::string edit_A;
    bool rg_horizontal = true;  // false: rg_vertikal checked
    std::array<std::string, 5> edit_Flanke{"", "Flanke 1", "Flanke 2", "Flanke 3", "Flanke 4"};
    std::array<std::string, 5> edit_LF;
    Raster<std::string> edit_FF;            // flank areas (i,1), (i,2)
    Raster<std::vector<std::string>> Memo;  // construction descriptions (0,0), (i,j)
    Raster<std::string> edit_VS;            // lining names (0,1), (0,2), (i,j)
    Raster<bool> Button_VSclear{};          // enabled state of the ten "löschen" buttons
    std::array<bool, 5> chk_id{false, true, true, true, true};  // "identisch zu Raum 1"
    bool label_DirRw_sichtbar = false;                          // label_DirRw and label_VS
    std::string label_DirRw = "Direktschalldämmung Rw = $$$.$$ [dB]";

    // File name display (Bevel_Datei, lb_Datei, label_DatName).
    bool Datei_sichtbar = false;
    std::string label_DatName;

    // Results block.
    std::array<std::string, 5> label_Ri{"$$.$ [dB]", "$$.$ [dB]", "$$.$ [dB]", "$$.$ [dB]",
                                        "$$.$ [dB]"};
    std::string label_Rges = "$$.$ [dB]";
    std::string label_DnTW = "--- [dB]";
    bool rg_DnTW1 = true;  // false: rg_DnTW2 checked
    bool lb_AnmDnTW_sichtbar = false;
    bool panel_DnTW_sichtbar = true;
    bool panel_errorMsg_sichtbar = true;
    std::vector<std::string> memo_error;
    // SpeedButtonPrint, FilePrintItem, btn_Results, button_Variant, Berechnungsergebnisse1,
    // Variantenuntersuchung1.
    bool Ergebnisbefehle_aktiv = false;
    bool btn_Results_aktiv = true;  // also cleared while the protocol window is open

    int AktivesBlatt = 0;  // index of the page shown in the page control
};

// Sketch colour state, one value per cell of the element grid.
struct Skizzenfarben_t {
    Raster<Farbe> FarbeRand{}, FarbeElement{}, FarbeSchatten{}, FarbeVS{};
};

struct Projekt {
    explicit Projekt(char dezimal = ',') : Dezimaltrenner(dezimal) {}

    char Dezimaltrenner;  // the user's decimal separator for every text of the window

    // --- Model -------------------------------------------------------------------------------
    Raster<Bauteil> Element{};
    Raster<int> f0_VS{};           // resonance frequency of the lining per slot [Hz], 0 = none
    Raster<long double> dRw_VS{};  // improvement of that lining [dB]
    std::array<std::string, 5> Stoss{"", "TS_ohneTrennung", "TS_ohneTrennung", "TS_ohneTrennung",
                                     "TS_ohneTrennung"};
    std::array<std::uint8_t, 5> IdentischF{0, 1, 1, 1, 1};

    long double S_TB = 0;
    std::array<double, 5> l_F{};      // common edge lengths, flanks 1..4
    Raster<long double> Raumtiefe{};  // (1,0) room 1, (2,0) room 2, (i,j) per flank element
    Raster<long double> S_F{};        // flank element areas (i,1), (i,2)
    long double V_Raum1 = 0, V_Raum2 = 0;
    int Ausrichtung = 0;  // 0 horizontal (wall), 1 vertical (floor)

    // --- Results of the last complete calculation ---------------------------------------------
    std::array<std::array<long double, 4>, 5> dR_Weg{};  // (0,0) Dd; (i,1) Ff, (i,2) Fd, (i,3) Df
    std::array<std::array<long double, 3>, 5> K_ij{};    // flanks 1..4 by Ff, Fd, Df
    long double R_Dd = 0;
    std::array<std::array<long double, 3>, 5> R_ij{};
    std::array<long double, 5> R_Anteil{};
    long double R_w_Bau = 0;
    long double DnTw_12 = 0, DnTw_21 = 0;
    std::array<std::string, 31> Meldungen{};
    std::uint8_t EingabenVollstaendig = 0;

    // --- Working state -------------------------------------------------------------------------
    std::uint8_t BerechnungAktiv = 1;
    std::uint8_t Gespeichert = 1;
    std::uint8_t ProtokollAktiv = 0;
    std::string AktElement;
    int AktZeile = 0, AktSpalte = 0;
    int AktSeite = 0;
    Skizzenfarben_t Farben;

    // --- State of single features --------------------------------------------------------------
    // Name lists filled from / written to the window while a file is written or read.
    std::array<std::string, 3> RaumName{};
    std::array<std::string, 5> FlankenName{};
    std::string TBName;
    Raster<std::string> VSName{};
    long double DateiVersion = 0;
    std::string DateiName;
    std::string StartVerzeichnis, ProjektVerzeichnis;

    // Construction and lining clipboard.
    std::string KopierElement;
    int KopierZeile = 0, KopierSpalte = 0;
    Bauteil Aufbauablage{};
    bool AufbauablageGefuellt = false;  // "Aufbau einfügen" enabled
    std::array<std::string, 3> Ablagezeilen{};
    std::string AktVS;
    int AktVSZeile = 0, AktVSSpalte = 0;
    int AblageVS_f0 = 0;
    std::string AblageVS_Name;
    bool AblageVSGefuellt = false;  // "Vorsatzschale einfügen" enabled

    int VS_Art = 1;
    int AktFlanke = 0;
    bool VariantenAktiv = false;
    int AnzahlVarianten = 0;

    // --- What the windows show -----------------------------------------------------------------
    Hauptfenster Fenster;
    std::vector<std::string> Protokoll;  // the text of the results window
    Skizze SkizzenBild;                  // the situation sketch of the last calculation
    bool SkizzeZeichnen = true;          // false where no window shows the sketch (batch runs)
};

}  // namespace phonikon
