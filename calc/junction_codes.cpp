#include "calc/junction_codes.h"

#include <string>

namespace phonikon {
namespace {

constexpr std::array<std::string_view, 4> kTypen = {": T-Stoß", ": Kreuz-Stoß", ": Winkel-Stoß A",
                                                    ": Winkel-Stoß B"};
constexpr std::array<std::string_view, 5> kTrennungen = {
    " (ohne akustische Trennung)", " (akustische Trennung des Trennbauteils zur Flanke)",
    " (akustische Trennung Flanke zu Raum 1)", " (akustische Trennung Flanke zu Raum 2)",
    " (akustische Trennung beider Flanken)"};

// The 20 descriptions, built once from type and decoupling.
struct Beschreibungen {
    std::array<std::string, 20> text;
    Beschreibungen() {
        for (int i = 0; i < 20; ++i)
            text[i] = std::string(kTypen[i / 5]) + std::string(kTrennungen[i % 5]);
    }
};

}  // namespace

int StossIndex(std::string_view code) {
    for (int i = 0; i < static_cast<int>(kStossCodes.size()); ++i)
        if (kStossCodes[i] == code) return i;
    return -1;
}

bool StossBeginntMit(std::string_view code, std::string_view prefix) {
    return code.substr(0, prefix.size()) == prefix;
}

std::string_view StossBeschreibung(std::string_view code) {
    static const Beschreibungen beschreibungen;  // immutable after construction
    int i = StossIndex(code);
    return i < 0 ? std::string_view() : std::string_view(beschreibungen.text[i]);
}

}  // namespace phonikon
