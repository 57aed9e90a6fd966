#include "printout/company_header.h"

#include <array>
#include <charconv>
#include <string_view>

#include "calc/cp1252.h"
#include "calc/disk_file.h"

namespace phonikon {
namespace {

// The company file holds a few hundred bytes; a larger file is not one.
constexpr std::size_t kMaxFirmaGroesse = 1024 * 1024;

std::array<std::string*, 15> Felder(Firmendaten& f) {
    return {&f.edit_Fa,   &f.edit_Str,      &f.edit_PLZ,     &f.edit_Ort,        &f.edit_Bearbeiter,
            &f.edit_Date, &f.edit_Tel,      &f.edit_Fax,     &f.edit_Mail,       &f.edit_www,
            &f.edit_Logo, &f.edit_LogoLeft, &f.edit_LogoTop, &f.edit_FaNameLeft, &f.edit_FaNameTop};
}

std::optional<int> Ganzzahl(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (text.empty() || fehler != std::errc() || ende != text.data() + text.size())
        return std::nullopt;
    return wert;
}

}  // namespace

std::variant<Abstaende, std::string> Firma_Abstaende(const Firmendaten& f) {
    Abstaende a;
    const std::pair<const std::string*, int*> paare[] = {{&f.edit_LogoLeft, &a.logoLinks},
                                                         {&f.edit_LogoTop, &a.logoOben},
                                                         {&f.edit_FaNameLeft, &a.nameLinks},
                                                         {&f.edit_FaNameTop, &a.nameOben}};
    for (const auto& [text, wert] : paare) {
        const auto zahl = Ganzzahl(*text);
        if (!zahl) return "'" + *text + "' ist kein gültiger Integerwert";
        *wert = *zahl;
    }
    return a;
}

std::optional<std::string> Firma_AbstaendePruefen(const Abstaende& a) {
    if (a.logoLinks < 0 || a.logoOben < 0 || a.nameLinks < 0 || a.nameOben < 0)
        return "Falsche Eingabe!  Einstellungen wurden nicht übernommen.";
    return std::nullopt;
}

std::optional<std::string> Firma_Lesen(Firmendaten& f, const std::string& pfad) {
    std::string bytes;
    if (auto fehler = DateiEinlesen(pfad, kMaxFirmaGroesse,
                                    "Die Datei ist zu groß für eine Firmendatei.", bytes))
        return fehler;

    // Lines end with CR LF; a bare LF is taken as well. Lines missing at the end give "".
    Firmendaten gelesen;
    std::string_view rest = bytes;
    for (std::string* feld : Felder(gelesen)) {
        if (rest.empty()) {
            feld->clear();
            continue;
        }
        const auto ende = rest.find('\n');
        std::string_view zeile = rest.substr(0, ende);
        rest = ende == std::string_view::npos ? std::string_view() : rest.substr(ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        *feld = Cp1252ZuUtf8(zeile);
    }
    f = std::move(gelesen);
    return std::nullopt;
}

std::string Firma_Text(const Firmendaten& f) {
    std::string text;
    auto zeile = [&text](const std::string& s) {
        text += s;
        text += "\r\n";
    };
    Firmendaten kopie = f;
    const auto felder = Felder(kopie);
    for (std::size_t i = 0; i < 11; ++i)
        zeile(felder[i]->empty() ? std::string(" ") : Utf8ZuCp1252(*felder[i]));
    for (std::size_t i = 11; i < 15; ++i) {
        const auto zahl = Ganzzahl(*felder[i]);
        zeile(std::to_string(zahl && *zahl > 0 ? *zahl : 0));
    }
    zeile("1");
    return text;
}

std::optional<std::string> Firma_Schreiben(const Firmendaten& f, const std::string& pfad) {
    if (pfad.empty()) return "Ungültiger Dateiname";
    return DateiErsetzen(pfad, Firma_Text(f));
}

}  // namespace phonikon
