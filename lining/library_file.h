// The lining libraries: three small text catalogues of lining systems with their resonance
// frequencies, one per kind of lining. A file holds four header lines, then two lines per entry
// (system description, frequency), in Windows-1252 with CR LF line ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phonikon {

// Kinds of lining (`VS_Art`): 1 wall linings, 2 suspended ceilings, 3 floating screeds.
inline constexpr int kVSArtWand = 1;
inline constexpr int kVSArtDecke = 2;
inline constexpr int kVSArtEstrich = 3;

// "VS_Wand.lib", "VS_Decke.lib", "VS_Estrich.lib"; other kinds count as walls.
std::string BibliotheksDateiname(int vsArt);

// The caption of the kind's button in the lining dialog ("Wand - Vorsatzschalen" …).
std::string BibliotheksArtname(int vsArt);

struct Bibliothekseintrag {
    std::string Name;      // system description, any text
    std::string Frequenz;  // resonance frequency as text; checked only when it is applied

    bool operator==(const Bibliothekseintrag&) const = default;
};

// The entries of a library file. The first four lines are skipped whatever they hold; after them
// every two lines make one entry, and a last name line without its frequency line gives an entry
// with an empty frequency. Lines end with CR LF or LF.
std::vector<Bibliothekseintrag> Bibliothek_Lesen(std::string_view bytes);

// The bytes of a library file of kind `vsArt`: the four header lines, then name and frequency of
// every entry with a name. Entries with an empty name are left out.
std::string Bibliothek_Text(int vsArt, const std::vector<Bibliothekseintrag>& eintraege);

// The largest library file the program reads.
inline constexpr std::size_t kMaxBibliotheksGroesse = 4 * 1024 * 1024;

struct BibliotheksLadung {
    std::vector<Bibliothekseintrag> eintraege;
    std::optional<std::string> fehler;  // German message when the file could not be read
};

// Reads the library file `pfad`.
BibliotheksLadung Bibliothek_Laden(const std::string& pfad);

// Writes the library file `pfad` of kind `vsArt`. The text goes to a temporary file beside it
// and replaces the library only once it is completely written, so a failed save keeps the old
// file. Returns the German message of a failure.
std::optional<std::string> Bibliothek_Speichern(const std::string& pfad, int vsArt,
                                                const std::vector<Bibliothekseintrag>& eintraege);

}  // namespace phonikon
