#include "lining/library_table.h"

namespace phonikon {

void Tabelle_Leeren(Bibliothekstabelle& t) {
    t.Zeilen.assign(1, Bibliothekseintrag{});
    t.Auswahl = 0;
}

void Tabelle_Fuellen(Bibliothekstabelle& t, std::vector<Bibliothekseintrag> eintraege) {
    t.Zeilen = std::move(eintraege);
    if (t.Zeilen.empty()) t.Zeilen.emplace_back();
    t.Auswahl = 0;
}

void btn_EditTabClick(Bibliothekstabelle& t) {
    t.Entsperrt = !t.Entsperrt;
}

std::string EditTabBeschriftung(const Bibliothekstabelle& t) {
    return t.Entsperrt ? "Tabelle sperren" : "Tabelle editieren";
}

void btn_AddLineClick(Bibliothekstabelle& t) {
    if (!t.Entsperrt) return;
    t.Zeilen.emplace_back();
}

void DeleteLibLineClick(Bibliothekstabelle& t) {
    if (!t.Entsperrt || t.Auswahl < 0 || t.Auswahl >= static_cast<int>(t.Zeilen.size())) return;
    t.Zeilen[t.Auswahl] = Bibliothekseintrag{};
}

void Zelle_Geaendert(Bibliothekstabelle& t, int zeile, int spalte, const std::string& text) {
    if (!t.Entsperrt || zeile < 0 || zeile >= static_cast<int>(t.Zeilen.size())) return;
    (spalte == 0 ? t.Zeilen[zeile].Name : t.Zeilen[zeile].Frequenz) = text;
}

std::optional<std::string> btn_SaveTabClick(const Bibliothekstabelle& t, int vsArt,
                                            const std::string& pfad) {
    if (!t.Entsperrt) return std::nullopt;
    if (auto grund = Bibliothek_Speichern(pfad, vsArt, t.Zeilen))
        return "Die Vorsatzschalen-Bibliothek konnte nicht gespeichert werden:\n" + pfad + "\n" +
               *grund + "\n\nDie Datei ist unverändert; die Tabelle behält Ihre Änderungen.";
    return std::nullopt;
}

}  // namespace phonikon
