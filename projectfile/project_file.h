// The project file (.dat): 282 lines of Windows-1252 text with CR LF, one value per line, meaning
// by position. Reader and writer agree line for line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/project_state.h"
#include "calc/disk_file.h"

namespace phonikon {

inline constexpr std::string_view kDateiKopf = "Projektdaten: Phonikon Version 2.1";

// A project file has a few kilobytes; anything above this is refused unread.
inline constexpr std::size_t kMaxProjektdateiGroesse = 16 * 1024 * 1024;

// The longest line a project file may hold. The longest number the writer writes (the largest
// extended real in fixed notation) has under 5000 characters; a longer line is no project file,
// and refusing it keeps a huge "name" out of the window.
inline constexpr std::size_t kMaxZeilenlaenge = 64 * 1024;

// The message for a file with a line longer than kMaxZeilenlaenge.
extern const char* const kZeileZuLangMeldung;

// Reads the file's bytes into `p`, which the caller has reset (and whose TBName it has emptied).
// Sets DateiVersion. Returns the German message on failure ("Ungültige numerische Eingabe", or
// kZeileZuLangMeldung); `p` then holds what was read before the failing line.
std::optional<std::string> Projektdatei_LesenAusText(std::string_view bytes, Projekt& p);

// Opens and reads a file; I/O failures give "Datei nicht gefunden", "Dateizugriff verweigert" ...
std::optional<std::string> Projektdatei_Lesen(const std::string& pfad, Projekt& p);

// The 282 lines as written to disk (Windows-1252 bytes, CR LF). Uses the name lists (RaumName,
// FlankenName, TBName, VSName) and the window texts of project name, address and variant.
std::string Projektdatei_Text(const Projekt& p);

// Writes the file safely (DateiErsetzen): on failure the old file is untouched and the German
// message is returned. A symbolic link stays and the file it points to is replaced.
std::optional<std::string> Projektdatei_Schreiben(const std::string& pfad, const Projekt& p);

}  // namespace phonikon
