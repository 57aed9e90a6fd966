// The project file (.dat): 282 lines of Windows-1252 text with CR LF, one value per line, meaning
// by position. Reader and writer agree line for line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/project_state.h"

namespace phonikon {

inline constexpr std::string_view kDateiKopf = "Projektdaten: Phonikon Version 2.1";

// A project file has a few kilobytes; anything above this is refused unread.
inline constexpr std::size_t kMaxProjektdateiGroesse = 16 * 1024 * 1024;

// The German message for an error number of opening, reading or writing `pfad` ("Datei nicht
// gefunden", "Dateizugriff verweigert", ... "I/O-Fehler %d").
std::string DateiFehlermeldung(int fehlernummer, const std::string& pfad);

// Reads the file's bytes into `p`, which the caller has reset (and whose TBName it has emptied).
// Sets DateiVersion. Returns the German I/O message on failure ("Ungültige numerische Eingabe");
// `p` then holds what was read before the failing line.
std::optional<std::string> Projektdatei_LesenAusText(std::string_view bytes, Projekt& p);

// Opens and reads a file; I/O failures give "Datei nicht gefunden", "Dateizugriff verweigert" ...
std::optional<std::string> Projektdatei_Lesen(const std::string& pfad, Projekt& p);

// The 282 lines as written to disk (Windows-1252 bytes, CR LF). Uses the name lists (RaumName,
// FlankenName, TBName, VSName) and the window texts of project name, address and variant.
std::string Projektdatei_Text(const Projekt& p);

// Writes the file safely: a temporary file in the same folder, flushed, then renamed over the
// target. On failure the old file is untouched and the German I/O message is returned.
std::optional<std::string> Projektdatei_Schreiben(const std::string& pfad, const Projekt& p);

}  // namespace phonikon
