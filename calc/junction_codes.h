// The 20 junction codes in one table: a junction type (T, cross, corner A, corner B) and a
// decoupling variant, joined by an underscore ("KS_TrennungTB"). Everything that depends on the
// code reads it from here: the Kij rule of the three flanking paths, the protocol and dialog
// texts, which flank element lies in line with the separating element (sketch, flank areas) and
// what the plan picture shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace phonikon {

// The junction type; the value is the item of the type group in the junction dialog.
enum class StossTyp { T = 0, Kreuz = 1, WinkelA = 2, WinkelB = 3 };

// The decoupling variant; the value is the number of its picture button in the junction dialog.
enum class StossTrennung { ohne = 0, TB = 1, R1 = 2, R2 = 3, R1R2 = 4 };

// The empirical Kij formulas Kij_1 … Kij_6, or the fixed value of a path cut by a decoupling.
enum class KijFormel { Getrennt, Kij1, Kij2, Kij3, Kij4, Kij5, Kij6 };

// The mass ratio a Kij formula is evaluated at (mTB separating element, m1 / m2 flank element
// of room 1 / room 2).
enum class Massenverhaeltnis {
    keins,
    TB_Flanken,    // 2·mTB/(m1+m2): the separating element against the mean of the flank
    Raum1_Winkel,  // 2·m1/(mTB+m2): corner A, the room-1 flank element meets the other two
    Raum2_Winkel,  // 2·m2/(mTB+m1): corner B, the room-2 flank element meets the other two
    Raum1_Raum2,   // m1/m2
    Raum1_TB,      // m1/mTB
    Raum2_TB,      // m2/mTB
};

struct KijRegel {
    KijFormel formel = KijFormel::Getrennt;
    Massenverhaeltnis x = Massenverhaeltnis::keins;
};

struct StossTypDaten {
    std::string_view praefix;    // "TS"
    std::string_view auswahl;    // item of the type group in the junction dialog
    std::string_view protokoll;  // start of the protocol description
    std::string_view stossart;   // type in the printed report ("T-Stoß", "Winkelstoß")
    bool durchlaufend;           // the separating element runs on through the junction
    int raumImVerlauf;           // 0, or the room whose flank element continues the separating
                                 // element's line (its area is entered, not derived)
};

struct StossTrennungDaten {
    std::string_view suffix;     // "TrennungR1"
    std::string_view protokoll;  // end of the protocol description
    // Decoupling marks of the plan picture.
    bool markeTB, markeRaum1, markeRaum2;
    // Hint of the junction dialog: `hinweis`, and where `hinweisRaum` is 1 or 2, the name of
    // that room, `hinweisMitte` and the name of the other room.
    std::string_view hinweis;
    int hinweisRaum;
    std::string_view hinweisMitte;
};

struct StossDaten {
    std::string_view code;
    StossTyp typ;
    StossTrennung trennung;
    std::array<KijRegel, 3> kij;  // paths Ff, Fd, Df
};

inline constexpr std::array<StossTypDaten, 4> kStossTypen = {{
    {"TS", "T-Stoß ", ": T-Stoß", "T-Stoß", false, 0},
    {"KS", "Kreuz-Stoß ", ": Kreuz-Stoß", "Kreuz-Stoß", true, 0},
    {"LSa", "Winkel-Stoß  A", ": Winkel-Stoß A", "Winkelstoß", false, 2},
    {"LSb", "Winkel-Stoß  B", ": Winkel-Stoß B", "Winkelstoß", false, 1},
}};

inline constexpr std::string_view kHinweisEntkoppelt =
    " ist akustisch entkoppelt - Erhöhte "
    "Übertragung über Flanke in ";

inline constexpr std::array<StossTrennungDaten, 5> kStossTrennungen = {{
    {"ohneTrennung", " (ohne akustische Trennung)", false, false, false,
     "HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch gleichwertig.", 0, ""},
    {"TrennungTB", " (akustische Trennung des Trennbauteils zur Flanke)", true, false, false,
     "HINWEIS: Trennwand ist vom Flankenbauteil entkoppelt - Erhöhte Flankenübertragung auf "
     "Weg Ff.",
     0, ""},
    {"TrennungR1", " (akustische Trennung Flanke zu Raum 1)", false, true, false,
     "HINWEIS: Flanke in ", 1, kHinweisEntkoppelt},
    {"TrennungR2", " (akustische Trennung Flanke zu Raum 2)", false, false, true,
     "HINWEIS: Flanke in ", 2, kHinweisEntkoppelt},
    {"TrennungR1R2", " (akustische Trennung beider Flanken)", false, true, true,
     "HINWEIS: Verminderte Flankenübertragung durch doppelte akustische Trennung.", 0, ""},
}};

namespace stoss_regeln {
using F = KijFormel;
using M = Massenverhaeltnis;
inline constexpr KijRegel G{};
inline constexpr KijRegel R(F f, M m) {
    return {f, m};
}
}  // namespace stoss_regeln

// Vibration reduction index by code. The rigid junctions evaluate all three paths at the ratio of
// the element that the other two meet at right angles (the separating element, in a corner
// junction the flank element at right angles) against the mean of the other two; the path
// running straight through a corner uses Kij_3. A decoupling cuts the paths it lies on (20 dB).
inline constexpr std::array<StossDaten, 20> kStoesse = [] {
    using namespace stoss_regeln;
    using S = StossTyp;
    using T = StossTrennung;
    constexpr M tb = M::TB_Flanken, la = M::Raum1_Winkel, lb = M::Raum2_Winkel;
    constexpr M r12 = M::Raum1_Raum2, r1 = M::Raum1_TB, r2 = M::Raum2_TB;
    return std::array<StossDaten, 20>{{
        {"TS_ohneTrennung", S::T, T::ohne, {R(F::Kij3, tb), R(F::Kij4, tb), R(F::Kij4, tb)}},
        {"TS_TrennungTB", S::T, T::TB, {R(F::Kij6, r12), G, G}},
        {"TS_TrennungR1", S::T, T::R1, {G, G, R(F::Kij5, r2)}},
        {"TS_TrennungR2", S::T, T::R2, {G, R(F::Kij5, r1), G}},
        {"TS_TrennungR1R2", S::T, T::R1R2, {G, G, G}},
        {"KS_ohneTrennung", S::Kreuz, T::ohne, {R(F::Kij1, tb), R(F::Kij2, tb), R(F::Kij2, tb)}},
        {"KS_TrennungTB", S::Kreuz, T::TB, {R(F::Kij3, tb), G, G}},
        {"KS_TrennungR1", S::Kreuz, T::R1, {G, G, R(F::Kij4, r2)}},
        {"KS_TrennungR2", S::Kreuz, T::R2, {G, R(F::Kij4, r1), G}},
        {"KS_TrennungR1R2", S::Kreuz, T::R1R2, {G, G, G}},
        {"LSa_ohneTrennung", S::WinkelA, T::ohne, {R(F::Kij4, la), R(F::Kij4, la), R(F::Kij3, la)}},
        {"LSa_TrennungTB", S::WinkelA, T::TB, {R(F::Kij5, r12), G, G}},
        {"LSa_TrennungR1", S::WinkelA, T::R1, {G, G, R(F::Kij6, r2)}},
        {"LSa_TrennungR2", S::WinkelA, T::R2, {G, R(F::Kij5, r1), G}},
        {"LSa_TrennungR1R2", S::WinkelA, T::R1R2, {G, G, G}},
        {"LSb_ohneTrennung", S::WinkelB, T::ohne, {R(F::Kij4, lb), R(F::Kij3, lb), R(F::Kij4, lb)}},
        {"LSb_TrennungTB", S::WinkelB, T::TB, {R(F::Kij5, r12), G, G}},
        {"LSb_TrennungR1", S::WinkelB, T::R1, {G, G, R(F::Kij5, r2)}},
        {"LSb_TrennungR2", S::WinkelB, T::R2, {G, R(F::Kij6, r1), G}},
        {"LSb_TrennungR1R2", S::WinkelB, T::R1R2, {G, G, G}},
    }};
}();

inline constexpr const StossTypDaten& Daten(StossTyp t) {
    return kStossTypen[static_cast<int>(t)];
}
inline constexpr const StossTrennungDaten& Daten(StossTrennung t) {
    return kStossTrennungen[static_cast<int>(t)];
}

// Entry k of the table is type k / 5 with decoupling k % 5, and its code is prefix, underscore
// and suffix.
inline constexpr bool StossTabelleGeordnet() {
    for (int k = 0; k < 20; ++k) {
        const StossDaten& s = kStoesse[k];
        if (static_cast<int>(s.typ) != k / 5 || static_cast<int>(s.trennung) != k % 5) return false;
        const std::string_view p = Daten(s.typ).praefix, x = Daten(s.trennung).suffix;
        if (s.code.size() != p.size() + 1 + x.size() || s.code.substr(0, p.size()) != p ||
            s.code[p.size()] != '_' || s.code.substr(p.size() + 1) != x)
            return false;
    }
    return true;
}
static_assert(StossTabelleGeordnet());

inline constexpr std::array<std::string_view, 20> kStossCodes = [] {
    std::array<std::string_view, 20> codes{};
    for (int k = 0; k < 20; ++k) codes[k] = kStoesse[k].code;
    return codes;
}();

inline constexpr std::string_view kStossStandard = "TS_ohneTrennung";

inline constexpr const StossDaten& Stoss(StossTyp typ, StossTrennung trennung) {
    return kStoesse[static_cast<int>(typ) * 5 + static_cast<int>(trennung)];
}

// Index 0..19 of a code in kStoesse, or -1 for any other text (exact, case-sensitive).
int StossIndex(std::string_view code);

// The table entry of a code, or nullptr for any other text.
const StossDaten* StossVon(std::string_view code);

// The type whose prefix begins the text, also for a text that is none of the 20 codes
// ("LSa_x" is a corner junction A for the sketch and the flank areas); nullptr when none does.
const StossTypDaten* StossTypNachPraefix(std::string_view code);

// 0, or the room (1, 2) whose flank element lies in line with the separating element, by prefix.
int FlankeImVerlauf(std::string_view code);

// True when the code begins with the given prefix ("TS", "KS", "LSa", "LSb").
bool StossBeginntMit(std::string_view code, std::string_view prefix);

// Protocol description of a code (": T-Stoß (ohne akustische Trennung)" ...); empty if unknown.
std::string_view StossBeschreibung(std::string_view code);

// The junction dialog's hint for a decoupling variant, with the current room names.
std::string StossHinweis(StossTrennung trennung, std::string_view raum1, std::string_view raum2);

}  // namespace phonikon
