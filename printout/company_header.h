// The company data printed in the report's page header and on its cover page, as the texts of the
// settings dialog's fields, and the company file "Firma.set" that keeps them between runs:
// Windows-1252, CR LF, 16 lines (ten texts, the logo path, four distances, "1").
#pragma once

#include <optional>
#include <string>
#include <variant>

namespace phonikon {

struct Firmendaten {
    std::string edit_Fa, edit_Str, edit_PLZ, edit_Ort, edit_Bearbeiter, edit_Date, edit_Tel,
        edit_Fax, edit_Mail, edit_www;
    std::string edit_Logo;  // full path of the logo picture, or empty
    // Distances in report pixels within the page-header band; fields start as "0".
    std::string edit_LogoLeft = "0", edit_LogoTop = "0", edit_FaNameLeft = "0",
                edit_FaNameTop = "0";

    bool operator==(const Firmendaten&) const = default;
};

// The four distances as whole numbers.
struct Abstaende {
    int logoLinks = 0, logoOben = 0, nameLinks = 0, nameOben = 0;
};

// Converts the four distance texts (blanks around the number allowed). For the first text that
// is no whole number it returns the conversion message "'x' ist kein gültiger Integerwert".
std::variant<Abstaende, std::string> Firma_Abstaende(const Firmendaten& f);

// The message that refuses negative distances, or nothing when all four are at least 0.
std::optional<std::string> Firma_AbstaendePruefen(const Abstaende& a);

// Reads lines 1..15 of the company file into the field texts (UTF-8 in memory). Returns the
// German I/O message when the file cannot be read; the data then stay as they were.
std::optional<std::string> Firma_Lesen(Firmendaten& f, const std::string& pfad);

// The 16 lines as written to disk (Windows-1252 bytes, CR LF). A distance that is no whole
// number or is negative is written as "0".
std::string Firma_Text(const Firmendaten& f);

// Writes the 16 lines through a temporary file that replaces `pfad` only after a complete write.
// Returns the German I/O message on failure; the old file then stays untouched.
std::optional<std::string> Firma_Schreiben(const Firmendaten& f, const std::string& pfad);

}  // namespace phonikon
