#include "calc/junction_codes.h"

namespace phonikon {
namespace {

// The 20 protocol descriptions, built once from the texts of type and decoupling.
struct Beschreibungen {
    std::array<std::string, 20> text;
    Beschreibungen() {
        for (int k = 0; k < 20; ++k)
            text[k] = std::string(Daten(kStoesse[k].typ).protokoll) +
                      std::string(Daten(kStoesse[k].trennung).protokoll);
    }
};

}  // namespace

int StossIndex(std::string_view code) {
    for (int k = 0; k < static_cast<int>(kStoesse.size()); ++k)
        if (kStoesse[k].code == code) return k;
    return -1;
}

const StossDaten* StossVon(std::string_view code) {
    const int k = StossIndex(code);
    return k < 0 ? nullptr : &kStoesse[k];
}

bool StossBeginntMit(std::string_view code, std::string_view prefix) {
    return code.substr(0, prefix.size()) == prefix;
}

const StossTypDaten* StossTypNachPraefix(std::string_view code) {
    for (const StossTypDaten& t : kStossTypen)
        if (StossBeginntMit(code, t.praefix)) return &t;
    return nullptr;
}

int FlankeImVerlauf(std::string_view code) {
    const StossTypDaten* t = StossTypNachPraefix(code);
    return t ? t->raumImVerlauf : 0;
}

std::string_view StossBeschreibung(std::string_view code) {
    static const Beschreibungen beschreibungen;  // immutable after construction
    const int k = StossIndex(code);
    return k < 0 ? std::string_view() : std::string_view(beschreibungen.text[k]);
}

std::string StossHinweis(StossTrennung trennung, std::string_view raum1, std::string_view raum2) {
    const StossTrennungDaten& d = Daten(trennung);
    std::string text(d.hinweis);
    if (d.hinweisRaum != 0) {
        const bool eins = d.hinweisRaum == 1;
        text.append(eins ? raum1 : raum2).append(d.hinweisMitte).append(eins ? raum2 : raum1);
    }
    return text;
}

}  // namespace phonikon
