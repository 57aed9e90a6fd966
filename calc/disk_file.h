// Whole files on disk for the program's text files: read at once with a size limit, replaced
// atomically, and the German messages for what can go wrong.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace phonikon {

// The German message for an error number of opening or reading `pfad` ("Datei nicht gefunden",
// "Dateizugriff verweigert", ... "I/O-Fehler %d").
std::string DateiFehlermeldung(int fehlernummer, const std::string& pfad);

// The same for creating or writing `pfad`: a missing file is no reason there, so where reading
// would say "Datei nicht gefunden" this says "Datei kann nicht geschrieben werden".
std::string SchreibFehlermeldung(int fehlernummer, const std::string& pfad);

// Reads the regular file `pfad` whole into `bytes`. A file larger than `hoechstens` bytes is
// refused with `zuGross`; a folder, a device or a pipe with "Dateizugriff verweigert".
std::optional<std::string> DateiEinlesen(const std::string& pfad, std::size_t hoechstens,
                                         const std::string& zuGross, std::string& bytes);

// Replaces the file `pfad` by `bytes`: a temporary file beside it, flushed, then renamed over it,
// so that a failing save never leaves a half-written file. An existing file keeps its
// permissions; a symbolic link stays and the file it points to is replaced.
std::optional<std::string> DateiErsetzen(const std::string& pfad, std::string_view bytes);

}  // namespace phonikon
