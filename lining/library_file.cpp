#include "lining/library_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "calc/cp1252.h"

namespace phonikon {
namespace {

constexpr std::string_view kZeilenende = "\r\n";

std::string Grund(int fehlernummer) {
    switch (fehlernummer) {
        case ENOENT:
        case ENOTDIR:
            return "Ordner nicht gefunden";
        case EACCES:
        case EPERM:
        case EROFS:
            return "Dateizugriff verweigert";
        case EISDIR:
            return "Ein Ordner trägt diesen Namen";
        case ENOSPC:
        case EDQUOT:
            return "Kein Platz mehr auf dem Datenträger";
        case EMFILE:
        case ENFILE:
            return "Zu viele Dateien geöffnet";
        default:
            return "E/A-Fehler " + std::to_string(fehlernummer);
    }
}

struct Dateinummer {
    int fd = -1;
    ~Dateinummer() {
        if (fd >= 0) ::close(fd);
    }
};

bool AllesSchreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a save replaces: a symbolic link stays a link, the file it points to is replaced.
std::string Ziel(const std::string& pfad) {
    std::unique_ptr<char, decltype(&std::free)> echt(::realpath(pfad.c_str(), nullptr), &std::free);
    return echt ? std::string(echt.get()) : pfad;
}

std::string Ordner(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    if (schraeg == std::string::npos) return ".";
    return schraeg == 0 ? "/" : pfad.substr(0, schraeg);
}

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
    Dateinummer datei{::open(pfad.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info {};
    if (datei.fd < 0 || ::fstat(datei.fd, &info) != 0) {
        ladung.fehler = Grund(errno);
        return ladung;
    }
    if (!S_ISREG(info.st_mode)) {
        ladung.fehler = Grund(S_ISDIR(info.st_mode) ? EISDIR : EACCES);
        return ladung;
    }
    if (static_cast<std::size_t>(info.st_size) > kMaxBibliotheksGroesse) {
        ladung.fehler = "Die Datei ist zu groß für eine Vorsatzschalen-Bibliothek (mehr als " +
                        std::to_string(kMaxBibliotheksGroesse / (1024 * 1024)) + " MB).";
        return ladung;
    }
    std::string bytes;
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(datei.fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ladung.fehler = Grund(errno);
            return ladung;
        }
        if (n == 0) break;
        bytes.append(puffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxBibliotheksGroesse) break;  // the file grew while being read
    }
    ladung.eintraege = Bibliothek_Lesen(bytes);
    return ladung;
}

std::optional<std::string> Bibliothek_Speichern(const std::string& pfad, int vsArt,
                                                const std::vector<Bibliothekseintrag>& eintraege) {
    const std::string text = Bibliothek_Text(vsArt, eintraege);
    const std::string ziel = Ziel(pfad);
    struct stat alt {};
    const bool vorhanden = ::stat(ziel.c_str(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) return Grund(EISDIR);

    const std::string temp = ziel + ".phonikon-" + std::to_string(::getpid()) + ".tmp";
    Dateinummer datei{::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
    if (datei.fd < 0) return Grund(errno);
    auto abbrechen = [&](int fehler) {
        ::close(datei.fd);
        datei.fd = -1;
        ::unlink(temp.c_str());
        return Grund(fehler);
    };
    if (!AllesSchreiben(datei.fd, text)) return abbrechen(errno);
    if (vorhanden) ::fchmod(datei.fd, alt.st_mode & 07777);  // keeps the old permissions
    if (::fsync(datei.fd) != 0) return abbrechen(errno);
    const int geschlossen = ::close(datei.fd);
    datei.fd = -1;
    if (geschlossen != 0) {
        const int fehler = errno;
        ::unlink(temp.c_str());
        return Grund(fehler);
    }
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        const int fehler = errno;
        ::unlink(temp.c_str());
        return Grund(fehler);
    }
    Dateinummer ordner{::open(Ordner(ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (ordner.fd >= 0) ::fsync(ordner.fd);
    return std::nullopt;
}

}  // namespace phonikon
