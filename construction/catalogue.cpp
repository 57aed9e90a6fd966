#include "construction/catalogue.h"

#include <cstdint>
#include <initializer_list>

namespace phonikon {

namespace {

template <class Tabelle>
constexpr bool ImBereich(const Tabelle& t, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < t.size();
}

template <class Tabelle>
auto Eintrag(const Tabelle& t, int index) -> std::optional<typename Tabelle::value_type> {
    if (!ImBereich(t, index)) return std::nullopt;
    return t[static_cast<std::size_t>(index)];
}

// Set of thickness items (`B2b`) as a bit mask.
constexpr std::uint16_t Dicken(std::initializer_list<int> b2b) {
    std::uint16_t maske = 0;
    for (int i : b2b) maske = static_cast<std::uint16_t>(maske | (1u << i));
    return maske;
}

constexpr std::uint16_t kAlleDicken = Dicken({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});

// Thicknesses delivered, by mortar and density class.
constexpr std::array<std::array<std::uint16_t, 6>, 2> kLieferprogramm{{
    {
        // thin-bed mortar
        0,                         // 1.2
        Dicken({2, 4, 7, 9, 10}),  // 1.4
        Dicken({2, 4, 7, 9, 10}),  // 1.6
        Dicken({2, 4, 7, 9, 10}),  // 1.8
        Dicken({2, 4, 7, 9}),      // 2.0
        0,                         // 2.2
    },
    {
        // normal mortar
        Dicken({1}),                  // 1.2
        Dicken({1, 2, 4, 7, 9, 10}),  // 1.4
        Dicken({2, 4, 7, 9, 10}),     // 1.6
        kAlleDicken,                  // 1.8
        kAlleDicken,                  // 2.0
        0,                            // 2.2
    },
}};

}  // namespace

std::optional<Konstruktionsart> KonstruktionsartNach(int Konstrukt) {
    return Eintrag(kKonstruktionsarten, Konstrukt);
}

std::optional<Putz> PutzNach(int index) {
    return Eintrag(kPutze, index);
}

std::optional<long double> BrevonRohdichte(int Moertel, int B2) {
    if (!ImBereich(kBrevonWandRohdichte, Moertel)) return std::nullopt;
    return Eintrag(kBrevonWandRohdichte[static_cast<std::size_t>(Moertel)], B2);
}

std::optional<long double> BrevonDicke(int B2b) {
    auto eintrag = Eintrag(kBrevonWanddicken, B2b);
    if (!eintrag) return std::nullopt;
    return eintrag->Dicke;
}

std::optional<long double> BetonRohdichte(int B2a) {
    auto eintrag = Eintrag(kBetone, B2a);
    if (!eintrag) return std::nullopt;
    return eintrag->Rohdichte;
}

std::optional<std::string_view> MoertelText(int Moertel) {
    return Eintrag(kMoertelTexte, Moertel);
}

std::optional<std::string_view> RohdichteklasseText(int B2) {
    return Eintrag(kRohdichteklassenTexte, B2);
}

std::optional<std::string_view> WanddickeText(int B2b) {
    auto eintrag = Eintrag(kBrevonWanddicken, B2b);
    if (!eintrag) return std::nullopt;
    return eintrag->Text;
}

std::optional<std::string_view> BetonText(int B2a) {
    auto eintrag = Eintrag(kBetone, B2a);
    if (!eintrag) return std::nullopt;
    return eintrag->Text;
}

std::optional<Zulassungspaar> ZulassungspaarNach(int Konstrukt) {
    if (Konstrukt == kKonstruktZiegel) return kZulassungspaarZiegel;
    if (Konstrukt == kKonstruktLeichtbeton) return kZulassungspaarLeichtbeton;
    return std::nullopt;
}

bool ImLieferprogramm(int Moertel, int B2, int B2b) {
    if (!ImBereich(kLieferprogramm, Moertel)) return false;
    const auto& klassen = kLieferprogramm[static_cast<std::size_t>(Moertel)];
    if (!ImBereich(klassen, B2) || !ImBereich(kBrevonWanddicken, B2b)) return false;
    return (klassen[static_cast<std::size_t>(B2)] >> B2b) & 1u;
}

}  // namespace phonikon
