#include "calc/disk_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace phonikon {
namespace {

std::string Ordner(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    if (schraeg == std::string::npos) return ".";
    if (schraeg == 0) return "/";
    return pfad.substr(0, schraeg);
}

bool OrdnerVorhanden(const std::string& pfad) {
    struct stat st {};
    return ::stat(Ordner(pfad).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The file a path finally names: symbolic links in its last part followed, a relative link
// target taken from the link's folder. A dangling link gives the path the link points to, where
// the save then creates the file, as writing through the link would.
std::optional<std::string> LinkZiel(std::string pfad, int& fehler) {
    for (int stufe = 0; stufe < 40; ++stufe) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return pfad;
        std::string ziel(PATH_MAX, '\0');
        const ssize_t n = ::readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (n < 0 || static_cast<std::size_t>(n) >= ziel.size()) {
            fehler = n < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        ziel.resize(static_cast<std::size_t>(n));
        pfad = ziel.front() == '/' ? ziel : Ordner(pfad) + "/" + ziel;
    }
    fehler = ELOOP;
    return std::nullopt;
}

// Writes all bytes, retrying after interruptions and short writes; false with errno set.
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

// Makes the rename durable; a failure here no longer endangers either file.
void OrdnerSynchronisieren(const std::string& ordner) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string DateiFehlermeldung(int fehlernummer, const std::string& pfad) {
    switch (fehlernummer) {
        case ENOENT:
            return OrdnerVorhanden(pfad) ? "Datei nicht gefunden" : "Ungültiger Dateiname";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return "Dateizugriff verweigert";
        case EMFILE:
        case ENFILE:
            return "Zu viele Dateien geöffnet";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "Kapazität der Diskette/Festplatte erschöpft";
        case ENAMETOOLONG:
        case EINVAL:
        case ENOTDIR:
        case ELOOP:
            return "Ungültiger Dateiname";
        default:
            return "I/O-Fehler " + std::to_string(fehlernummer);
    }
}

std::string SchreibFehlermeldung(int fehlernummer, const std::string& pfad) {
    // Folders such as /proc refuse new files with "no such file".
    if (fehlernummer == ENOENT && OrdnerVorhanden(pfad))
        return "Datei kann nicht geschrieben werden";
    return DateiFehlermeldung(fehlernummer, pfad);
}

std::optional<std::string> DateiEinlesen(const std::string& pfad, std::size_t hoechstens,
                                         const std::string& zuGross, std::string& bytes) {
    if (pfad.empty()) return "Ungültiger Dateiname";
    // Non-blocking, so that a named pipe chosen by mistake cannot hang the open.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return DateiFehlermeldung(errno, pfad);
    auto fehlschlag = [&](const std::string& meldung) {
        ::close(fd);
        return meldung;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fehlschlag(DateiFehlermeldung(errno, pfad));
    if (!S_ISREG(st.st_mode))
        return fehlschlag(DateiFehlermeldung(S_ISDIR(st.st_mode) ? EISDIR : EACCES, pfad));
    if (st.st_size > static_cast<off_t>(hoechstens)) return fehlschlag(zuGross);

    // One byte more than the size so that a file read whole ends with a short read: a regular
    // file reads short only at its end, which saves asking again.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t gelesen = 0;
    for (;;) {
        // The file may grow while it is read: read on until its end, but never past the limit.
        if (gelesen == bytes.size()) {
            if (bytes.size() > hoechstens) return fehlschlag(zuGross);
            bytes.resize(std::min(bytes.size() + 4096, hoechstens + 1));
        }
        const std::size_t angefragt = bytes.size() - gelesen;
        const ssize_t n = ::read(fd, bytes.data() + gelesen, angefragt);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fehlschlag(DateiFehlermeldung(errno, pfad));
        }
        gelesen += static_cast<std::size_t>(n);
        if (n == 0 || static_cast<std::size_t>(n) < angefragt) break;
    }
    ::close(fd);
    bytes.resize(gelesen);
    return std::nullopt;
}

std::optional<std::string> DateiErsetzen(const std::string& pfad, std::string_view bytes) {
    if (pfad.empty()) return "Ungültiger Dateiname";
    int linkFehler = 0;
    const auto ziel = LinkZiel(pfad, linkFehler);
    if (!ziel) return SchreibFehlermeldung(linkFehler, pfad);

    // A directory of that name cannot be replaced; an existing file keeps its permissions.
    struct stat alt {};
    const bool vorhanden = ::stat(ziel->c_str(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) return SchreibFehlermeldung(EISDIR, pfad);

    // The temporary file lies beside the target, so that the rename stays within one file system.
    const std::string ordner = Ordner(*ziel);
    std::string temp;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        temp = ordner + "/.phonikon-" + std::to_string(::getpid()) + "-" + std::to_string(versuch) +
               ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || versuch >= 100))
            return SchreibFehlermeldung(errno, *ziel);
    }

    auto abbrechen = [&](int fehler) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return SchreibFehlermeldung(fehler, *ziel);
    };
    if (!AllesSchreiben(fd, bytes)) return abbrechen(errno);
    if (vorhanden) ::fchmod(fd, alt.st_mode & 07777);  // best effort
    if (::fsync(fd) != 0) return abbrechen(errno);
    const int geschlossen = ::close(fd);
    fd = -1;
    if (geschlossen != 0) return abbrechen(errno);
    if (::rename(temp.c_str(), ziel->c_str()) != 0) return abbrechen(errno);
    OrdnerSynchronisieren(ordner);
    return std::nullopt;
}

}  // namespace phonikon
