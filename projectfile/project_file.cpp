#include "projectfile/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "calc/number_text.h"
#include "projectfile/cp1252.h"

namespace phonikon {

namespace {

constexpr std::string_view kDateiKopf20 = "Projektdaten: Phonikon Version 2.0";
constexpr std::string_view kTrennlinie = "______________________";
constexpr std::string_view kUngueltigeZahl = "Ungültige numerische Eingabe";

// The flank elements in the order the tail stores their options.
constexpr int kFlankenElemente[8][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2},
                                        {3, 1}, {3, 2}, {4, 1}, {4, 2}};

// ----------------------------------------------------------------------------------------------
// Writing

class Schreiber {
  public:
    void Zeile(std::string_view bytes) {
        text_ += bytes;
        text_ += "\r\n";
    }
    // A text value in Windows-1252. Characters that would end the line or the file early are
    // written as "?" like every other character the code page cannot hold.
    void Text(std::string_view utf8) {
        std::string bytes = Utf8ZuCp1252(utf8);
        for (char& c : bytes) {
            if (c == '\r' || c == '\n' || c == '\x1A') c = '?';
        }
        Zeile(bytes);
    }
    void Fix(long double x, int breite, int dezimalen) { Zeile(FileFix(x, breite, dezimalen)); }
    void Int(long long v) { Zeile(FileInt(v)); }
    void Int5(long long v) { Zeile(FileInt5(v)); }
    void Bool(bool b) { Zeile(FileBool(b)); }

    std::string Ergebnis() && { return std::move(text_); }

  private:
    std::string text_;
};

// The flank-area field of an element (line 20 of its record). The file keeps what the field
// shows, so a corner junction's flank area survives saving and opening; the calculation
// overwrites the model's per-flank depth cells with the room depths at every run, which would
// otherwise be all that reached the file. A text that is no number falls back to the model cell.
long double Flankenflaeche(const Projekt& p, int k, int j) {
    if (auto wert = ParseReal(p.Fenster.edit_FF[k][j], p.Dezimaltrenner)) return *wert;
    return p.Raumtiefe[k][j];
}

void Aufbau(Schreiber& s, const Bauteil& b) {
    s.Int(b.Konstrukt);
    s.Int(0);  // place-holder
    s.Int(b.Moertel);
    s.Int(b.B1);
    s.Int(b.B2);
    s.Int(b.B2a);
    s.Int(b.B2b);
    s.Int(b.B3);
    s.Fix(b.roh1, 5, 2);
    s.Fix(b.roh2, 5, 2);
    s.Fix(b.roh3, 5, 2);
    s.Fix(b.d1, 3, 3);
    s.Fix(b.d2, 3, 3);
    s.Fix(b.d3, 3, 3);
    s.Text(b.SchichtName1);
    s.Text(b.SchichtName2);
    s.Text(b.SchichtName3);
}

void Elementsatz(Schreiber& s, const Projekt& p, int k, int j) {
    const Bauteil& b = p.Element[k][j];
    s.Text(p.FlankenName[k]);
    s.Text(p.RaumName[j]);
    Aufbau(s, b);
    s.Fix(Flankenflaeche(p, k, j), 3, 3);
    s.Fix(b.mFlaeche, 5, 2);
    s.Fix(b.Rw, 3, 3);
}

// ----------------------------------------------------------------------------------------------
// Reading

struct ZahlFehler {};

// Reads the file's values by the rules of the format: texts are whole lines, numbers are tokens
// that may be preceded by blanks and line ends and are followed by a discarded rest of line.
// A line ends at CR, CR LF or a bare LF; Ctrl-Z ends the file.
class Leser {
  public:
    explicit Leser(std::string_view daten) : d_(daten.substr(0, daten.find('\x1A'))) {}

    bool Ende() const { return pos_ >= d_.size(); }

    // One line as it stands in the file (empty at the end of the file).
    std::string_view Zeile() {
        std::size_t ende = pos_;
        while (ende < d_.size() && d_[ende] != '\r' && d_[ende] != '\n') ++ende;
        const std::string_view zeile = d_.substr(pos_, ende - pos_);
        pos_ = ende;
        ZeilenendeUeberspringen();
        return zeile;
    }

    std::string Text() { return Cp1252ZuUtf8(Zeile()); }

    int Int() {
        const std::string_view token = Token(32);
        if (token.empty()) return 0;  // end of file
        const auto wert = ParseFileInt(token);
        if (!wert || *wert < INT_MIN || *wert > INT_MAX) throw ZahlFehler{};
        return static_cast<int>(*wert);
    }

    long double Real() {
        const std::string_view token = Token(64);
        if (token.empty()) return 0;  // end of file
        const auto wert = ParseFileReal(token);
        if (!wert) throw ZahlFehler{};
        return *wert;
    }

    double Double() {
        const long double wert = Real();
        if (std::fabs(wert) > DBL_MAX) throw ZahlFehler{};
        return static_cast<double>(wert);
    }

  private:
    static bool IstTrenner(char c) { return static_cast<unsigned char>(c) <= 32; }

    void ZeilenendeUeberspringen() {
        if (pos_ < d_.size() && d_[pos_] == '\r') ++pos_;
        if (pos_ < d_.size() && d_[pos_] == '\n') ++pos_;
    }

    // Skips blanks and line ends, takes the token (at most `laenge` characters of it count) and
    // discards the rest of its line.
    std::string_view Token(std::size_t laenge) {
        while (pos_ < d_.size() && IstTrenner(d_[pos_])) ++pos_;
        const std::size_t anfang = pos_;
        while (pos_ < d_.size() && !IstTrenner(d_[pos_])) ++pos_;
        const std::string_view token = d_.substr(anfang, std::min(pos_ - anfang, laenge));
        Zeile();
        return token;
    }

    std::string_view d_;
    std::size_t pos_ = 0;
};

void AufbauLesen(Leser& l, Bauteil& b) {
    b.Konstrukt = l.Int();
    l.Zeile();  // place-holder, any content
    b.Moertel = l.Int();
    b.B1 = l.Int();
    b.B2 = l.Int();
    b.B2a = l.Int();
    b.B2b = l.Int();
    b.B3 = l.Int();
    b.roh1 = l.Real();
    b.roh2 = l.Real();
    b.roh3 = l.Real();
    b.d1 = l.Real();
    b.d2 = l.Real();
    b.d3 = l.Real();
    b.SchichtName1 = l.Text();
    b.SchichtName2 = l.Text();
    b.SchichtName3 = l.Text();
}

void ElementsatzLesen(Leser& l, Projekt& p, int k, int j) {
    Bauteil& b = p.Element[k][j];
    p.FlankenName[k] = l.Text();
    p.RaumName[j] = l.Text();
    AufbauLesen(l, b);
    p.Raumtiefe[k][j] = l.Real();
    b.mFlaeche = l.Real();
    b.Rw = l.Real();
}

long double NichtNegativesVolumen(long double v) {
    return v > 0 ? v : 0;
}

void Lesen(Leser& l, Projekt& p) {
    auto& f = p.Fenster;

    // Head.
    const std::string_view kopf = l.Zeile();
    p.DateiVersion = (kopf == kDateiKopf || kopf == kDateiKopf20) ? 2.1L : 0.0L;
    l.Zeile();
    f.edit_Projekt = l.Text();
    f.edit_Str = l.Text();
    f.edit_PLZ = l.Text();
    f.edit_Ort = l.Text();
    const bool horizontal = l.Zeile() == "0";
    f.rg_horizontal = horizontal;
    p.Ausrichtung = horizontal ? 0 : 1;
    l.Zeile();
    l.Zeile();

    // Separating element.
    p.S_TB = l.Real();
    Bauteil& tb = p.Element[0][0];
    AufbauLesen(l, tb);
    tb.mFlaeche = l.Real();
    tb.Rw = l.Real();
    p.Raumtiefe[1][0] = l.Real();
    p.Raumtiefe[2][0] = l.Real();
    for (int c = 1; c <= 2; ++c) {
        p.VSName[0][c] = l.Text();
        p.f0_VS[0][c] = l.Int();
    }
    l.Zeile();
    l.Zeile();
    l.Zeile();

    // Flank blocks.
    for (int k = 1; k <= 4; ++k) {
        ElementsatzLesen(l, p, k, 1);
        ElementsatzLesen(l, p, k, 2);
        for (int j = 1; j <= 2; ++j) {
            p.VSName[k][j] = l.Text();
            p.f0_VS[k][j] = l.Int();
        }
        p.l_F[k] = l.Double();
        p.Stoss[k] = l.Text();
        p.IdentischF[k] = l.Zeile() == "TRUE" ? 1 : 0;
    }

    // Tail: only files of the current format carry it. Files that stop within the approval
    // pairs or before the separating element's name keep the reset values there.
    if (p.DateiVersion < 2.0L) {
        p.V_Raum1 = 0;
        p.V_Raum2 = 0;
        return;
    }
    f.edit_Variante = l.Text();
    p.V_Raum1 = NichtNegativesVolumen(l.Real());
    p.V_Raum2 = NichtNegativesVolumen(l.Real());
    p.Element[0][0].RwUser = l.Real();
    p.Element[0][0].RwUserAktiv = l.Int();
    for (const auto& [k, j] : kFlankenElemente) {
        p.Element[k][j].RwUser = l.Real();
        p.Element[k][j].RwUserAktiv = l.Int();
    }
    if (!l.Ende()) {
        p.Element[0][0].Zulassung1 = l.Int();
        p.Element[0][0].Zulassung2 = l.Int();
    }
    for (const auto& [k, j] : kFlankenElemente) {
        if (l.Ende()) break;
        p.Element[k][j].Zulassung1 = l.Int();
        p.Element[k][j].Zulassung2 = l.Int();
    }
    if (!l.Ende()) p.TBName = l.Text();
}

// ----------------------------------------------------------------------------------------------
// Files

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

std::string ZuGrossMeldung() {
    return "Die Datei ist zu groß für eine Projektdatei (mehr als " +
           std::to_string(kMaxProjektdateiGroesse / (1024 * 1024)) + " MB).";
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

std::optional<std::string> Projektdatei_LesenAusText(std::string_view bytes, Projekt& p) {
    Leser leser(bytes);
    try {
        Lesen(leser, p);
    } catch (const ZahlFehler&) {
        return std::string(kUngueltigeZahl);
    }
    return std::nullopt;
}

std::optional<std::string> Projektdatei_Lesen(const std::string& pfad, Projekt& p) {
    if (pfad.empty()) return "Ungültiger Dateiname";
    // Non-blocking, so that a named pipe chosen by mistake cannot hang the open.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return DateiFehlermeldung(errno, pfad);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int fehler = errno;
        ::close(fd);
        return DateiFehlermeldung(fehler, pfad);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return DateiFehlermeldung(S_ISDIR(st.st_mode) ? EISDIR : EACCES, pfad);
    }
    if (st.st_size > static_cast<off_t>(kMaxProjektdateiGroesse)) {
        ::close(fd);
        return ZuGrossMeldung();
    }

    // One byte more than the size so that a file read whole ends with a short read: a regular
    // file reads short only at its end, which saves asking again.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t gelesen = 0;
    for (;;) {
        // The file may grow while it is read: read on until its end, but never past the limit.
        if (gelesen == bytes.size()) {
            if (bytes.size() > kMaxProjektdateiGroesse) {
                ::close(fd);
                return ZuGrossMeldung();
            }
            bytes.resize(std::min(bytes.size() + 4096, kMaxProjektdateiGroesse + 1));
        }
        const std::size_t angefragt = bytes.size() - gelesen;
        const ssize_t n = ::read(fd, bytes.data() + gelesen, angefragt);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int fehler = errno;
            ::close(fd);
            return DateiFehlermeldung(fehler, pfad);
        }
        gelesen += static_cast<std::size_t>(n);
        if (n == 0 || static_cast<std::size_t>(n) < angefragt) break;
    }
    ::close(fd);
    bytes.resize(gelesen);
    return Projektdatei_LesenAusText(bytes, p);
}

std::string Projektdatei_Text(const Projekt& p) {
    const auto& f = p.Fenster;
    Schreiber s;

    // Head.
    s.Zeile(kDateiKopf);
    s.Zeile(kTrennlinie);
    s.Text(f.edit_Projekt);
    s.Text(f.edit_Str);
    s.Text(f.edit_PLZ);
    s.Text(f.edit_Ort);
    s.Int(f.rg_horizontal ? 0 : 1);
    s.Zeile("Trennbauteil:");
    s.Zeile(kTrennlinie);

    // Separating element.
    const Bauteil& tb = p.Element[0][0];
    s.Fix(p.S_TB, 4, 3);
    Aufbau(s, tb);
    s.Fix(tb.mFlaeche, 5, 2);
    s.Fix(tb.Rw, 3, 3);
    s.Fix(p.Raumtiefe[1][0], 5, 2);
    s.Fix(p.Raumtiefe[2][0], 5, 2);
    for (int c = 1; c <= 2; ++c) {
        s.Text(p.VSName[0][c]);
        s.Int5(p.f0_VS[0][c]);
    }
    s.Zeile("");
    s.Text("Flanken / Räume:");
    s.Zeile(kTrennlinie);

    // Flank blocks.
    for (int k = 1; k <= 4; ++k) {
        Elementsatz(s, p, k, 1);
        Elementsatz(s, p, k, 2);
        for (int j = 1; j <= 2; ++j) {
            s.Text(p.VSName[k][j]);
            s.Int5(p.f0_VS[k][j]);
        }
        s.Fix(p.l_F[k], 3, 3);
        s.Text(p.Stoss[k]);
        s.Bool(p.IdentischF[k] != 0);
    }

    // Tail.
    s.Text(f.edit_Variante);
    s.Fix(p.V_Raum1, 6, 3);
    s.Fix(p.V_Raum2, 6, 3);
    s.Fix(tb.RwUser, 4, 1);
    s.Int(tb.RwUserAktiv);
    for (const auto& [k, j] : kFlankenElemente) {
        s.Fix(p.Element[k][j].RwUser, 4, 1);
        s.Int(p.Element[k][j].RwUserAktiv);
    }
    s.Int(tb.Zulassung1);
    s.Int(tb.Zulassung2);
    for (const auto& [k, j] : kFlankenElemente) {
        s.Int(p.Element[k][j].Zulassung1);
        s.Int(p.Element[k][j].Zulassung2);
    }
    s.Text(p.TBName);
    return std::move(s).Ergebnis();
}

std::optional<std::string> Projektdatei_Schreiben(const std::string& pfad, const Projekt& p) {
    if (pfad.empty()) return "Ungültiger Dateiname";
    const std::string text = Projektdatei_Text(p);

    // A directory of that name cannot be replaced; an existing file keeps its permissions.
    struct stat ziel {};
    const bool zielVorhanden = ::stat(pfad.c_str(), &ziel) == 0;
    if (zielVorhanden && S_ISDIR(ziel.st_mode)) return DateiFehlermeldung(EISDIR, pfad);

    // The new content goes to a temporary file beside the target and replaces it only once it
    // is completely on disk, so a failing save never leaves a half-written project behind.
    const std::string ordner = Ordner(pfad);
    std::string temp;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        temp = ordner + "/.phonikon-" + std::to_string(::getpid()) + "-" + std::to_string(versuch) +
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
    if (zielVorhanden) ::fchmod(fd, ziel.st_mode & 07777);  // best effort
    if (::fsync(fd) != 0) return abbrechen(errno);
    const int geschlossen = ::close(fd);
    fd = -1;
    if (geschlossen != 0) return abbrechen(errno);
    if (::rename(temp.c_str(), pfad.c_str()) != 0) return abbrechen(errno);
    OrdnerSynchronisieren(ordner);
    return std::nullopt;
}

}  // namespace phonikon
