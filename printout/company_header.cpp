#include "printout/company_header.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <string_view>

#include "calc/cp1252.h"
#include "projectfile/project_file.h"

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

std::string Ordner(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    if (schraeg == std::string::npos) return ".";
    if (schraeg == 0) return "/";
    return pfad.substr(0, schraeg);
}

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
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return DateiFehlermeldung(errno, pfad);
    std::string bytes;
    char puffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int fehler = errno;
            ::close(fd);
            return DateiFehlermeldung(fehler, pfad);
        }
        if (n == 0) break;
        bytes.append(puffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFirmaGroesse) {
            ::close(fd);
            return "Die Datei ist zu groß für eine Firmendatei.";
        }
    }
    ::close(fd);

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
    const std::string text = Firma_Text(f);

    struct stat ziel {};
    const bool zielVorhanden = ::stat(pfad.c_str(), &ziel) == 0;
    if (zielVorhanden && S_ISDIR(ziel.st_mode)) return DateiFehlermeldung(EISDIR, pfad);

    // A temporary file beside the target replaces it only once it is completely on disk.
    const std::string ordner = Ordner(pfad);
    std::string temp;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        temp = ordner + "/.Firma-" + std::to_string(::getpid()) + "-" + std::to_string(versuch) +
               ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || versuch >= 100)) return DateiFehlermeldung(errno, pfad);
    }
    auto abbrechen = [&](int fehler) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return DateiFehlermeldung(fehler, pfad);
    };
    if (!AllesSchreiben(fd, text)) return abbrechen(errno);
    if (zielVorhanden) ::fchmod(fd, ziel.st_mode & 07777);
    if (::fsync(fd) != 0) return abbrechen(errno);
    const int geschlossen = ::close(fd);
    fd = -1;
    if (geschlossen != 0) return abbrechen(errno);
    if (::rename(temp.c_str(), pfad.c_str()) != 0) return abbrechen(errno);
    return std::nullopt;
}

}  // namespace phonikon
