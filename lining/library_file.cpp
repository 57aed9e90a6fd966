#include "lining/library_file.h"

#include "calc/cp1252.h"
#include "calc/disk_file.h"

namespace phonikon {
namespace {

constexpr std::string_view kZeilenende = "\r\n";

}  // namespace

std::string BibliotheksDateiname(int vsArt) {
    switch (vsArt) {
        case kVSArtDecke:
            return "VS_Decke.lib";
        case kVSArtEstrich:
            return "VS_Estrich.lib";
        default:
            return "VS_Wand.lib";
    }
}

std::string BibliotheksArtname(int vsArt) {
    switch (vsArt) {
        case kVSArtDecke:
            return "Abgehängte Decken";
        case kVSArtEstrich:
            return "Schwimmende Estriche";
        default:
            return "Wand - Vorsatzschalen";
    }
}

std::vector<Bibliothekseintrag> Bibliothek_Lesen(std::string_view bytes) {
    std::vector<std::string> zeilen;
    while (!bytes.empty()) {
        const auto ende = bytes.find('\n');
        std::string_view zeile = bytes.substr(0, ende);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        zeilen.push_back(Cp1252ZuUtf8(zeile));
        if (ende == std::string_view::npos) break;
        bytes.remove_prefix(ende + 1);
    }

    std::vector<Bibliothekseintrag> eintraege;
    for (std::size_t n = 4; n < zeilen.size(); n += 2) {
        Bibliothekseintrag& e = eintraege.emplace_back();
        e.Name = std::move(zeilen[n]);
        if (n + 1 < zeilen.size()) e.Frequenz = std::move(zeilen[n + 1]);
    }
    return eintraege;
}

std::string Bibliothek_Text(int vsArt, const std::vector<Bibliothekseintrag>& eintraege) {
    static constexpr const char* kKommentar[] = {"WAND", "DECKE", "ESTRICHE"};
    const int art = (vsArt == kVSArtDecke || vsArt == kVSArtEstrich) ? vsArt : kVSArtWand;
    std::string text;
    auto zeile = [&text](std::string_view z) {
        text += z;
        text += kZeilenende;
    };
    zeile(std::string("* Datendatei Vorsatzschalen: ") + kKommentar[art - 1]);
    zeile("* Bezeichnung");
    zeile("* Resonanzfrequenz");
    zeile("* " + std::string(74, '_'));
    for (const Bibliothekseintrag& e : eintraege) {
        if (e.Name.empty()) continue;
        zeile(Utf8ZuCp1252(e.Name));
        zeile(Utf8ZuCp1252(e.Frequenz));
    }
    return text;
}

BibliotheksLadung Bibliothek_Laden(const std::string& pfad) {
    BibliotheksLadung ladung;
    std::string bytes;
    ladung.fehler =
        DateiEinlesen(pfad, kMaxBibliotheksGroesse,
                      "Die Datei ist zu groß für eine Vorsatzschalen-Bibliothek (mehr als " +
                          std::to_string(kMaxBibliotheksGroesse / (1024 * 1024)) + " MB).",
                      bytes);
    if (!ladung.fehler) ladung.eintraege = Bibliothek_Lesen(bytes);
    return ladung;
}

std::optional<std::string> Bibliothek_Speichern(const std::string& pfad, int vsArt,
                                                const std::vector<Bibliothekseintrag>& eintraege) {
    return DateiErsetzen(pfad, Bibliothek_Text(vsArt, eintraege));
}

}  // namespace phonikon
