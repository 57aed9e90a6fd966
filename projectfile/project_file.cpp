#include "projectfile/project_file.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "calc/cp1252.h"
#include "calc/number_text.h"
#include "calc/disk_file.h"
#include "projectfile/project_record.h"

namespace phonikon {

namespace {

constexpr std::string_view kDateiKopf20 = "Projektdaten: Phonikon Version 2.0";
constexpr std::string_view kUngueltigeZahl = "Ungültige numerische Eingabe";

// ----------------------------------------------------------------------------------------------
// Writing

// The flank-area field of an element (line 20 of its record). The file keeps what the field
// shows, so a corner junction's flank area survives saving and opening; the calculation
// overwrites the model's per-flank depth cells with the room depths at every run, which would
// otherwise be all that reached the file. A text that is no number falls back to the model cell.
long double Flankenflaeche(const Projekt& p, int k, int j) {
    if (auto wert = ParseReal(p.Fenster.edit_FF[k][j], p.Dezimaltrenner)) return *wert;
    return p.Raumtiefe[k][j];
}

class Schreiber {
  public:
    void Kopf(long double) { Zeile(kDateiKopf); }
    void Literal(std::string_view bytes) { Zeile(bytes); }
    void Platzhalter() { Zeile("0"); }
    // A text value in Windows-1252. Characters that would end the line or the file early are
    // written as "?" like every other character the code page cannot hold.
    void Text(std::string_view utf8) {
        std::string bytes = Utf8ZuCp1252(utf8);
        for (char& c : bytes) {
            if (c == '\r' || c == '\n' || c == '\x1A') c = '?';
        }
        Zeile(bytes);
    }
    void Int(long long v) { Zeile(FileInt(v)); }
    void Int5(long long v) { Zeile(FileInt5(v)); }
    void Bool(bool b) { Zeile(FileBool(b)); }
    void Fix(long double x, int breite, int dezimalen) { Zeile(FileFix(x, breite, dezimalen)); }
    void Ausrichtung(bool horizontal, int) { Int(horizontal ? 0 : 1); }
    void Flankenflaeche(const Projekt& p, int k, int j) {
        Fix(phonikon::Flankenflaeche(p, k, j), 3, 3);
    }
    void Volumen(long double v) { Fix(v, 6, 3); }
    bool MitSchluss(const Projekt&) { return true; }
    bool Weiter() { return true; }

    // Whether a line came out longer than a reader accepts (only a name can).
    bool ZuLang() const { return zuLang_; }
    std::string Ergebnis() && { return std::move(text_); }

  private:
    void Zeile(std::string_view bytes) {
        if (bytes.size() > kMaxZeilenlaenge) zuLang_ = true;
        text_ += bytes;
        text_ += "\r\n";
    }

    std::string text_;
    bool zuLang_ = false;
};

Schreiber Geschrieben(const Projekt& p) {
    Schreiber s;
    projektsatz::Gehen(s, p);
    return s;
}

// ----------------------------------------------------------------------------------------------
// Reading

struct ZahlFehler {};
struct ZeilenFehler {};

// Reads the file's values by the rules of the format: texts are whole lines, numbers are tokens
// that may be preceded by blanks and line ends and are followed by a discarded rest of line.
// A line ends at CR, CR LF or a bare LF; Ctrl-Z ends the file. A token is taken whole, however
// long, so that every number the writer writes comes back; a line longer than any the writer
// writes ends the reading before it is held anywhere.
class Leser {
  public:
    explicit Leser(std::string_view daten) : d_(daten.substr(0, daten.find('\x1A'))) {}

    void Kopf(long double& version) {
        const std::string_view kopf = Zeile();
        version = (kopf == kDateiKopf || kopf == kDateiKopf20) ? 2.1L : 0.0L;
    }
    void Literal(std::string_view) { Zeile(); }
    void Platzhalter() { Zeile(); }
    void Text(std::string& s) { s = Cp1252ZuUtf8(Zeile()); }

    void Int(int& i) {
        const std::string_view token = Token();
        if (token.empty()) {  // end of file
            i = 0;
            return;
        }
        const auto wert = ParseFileInt(token);
        if (!wert || *wert < INT_MIN || *wert > INT_MAX) throw ZahlFehler{};
        i = static_cast<int>(*wert);
    }
    void Int5(int& i) { Int(i); }
    void Bool(std::uint8_t& b) { b = Zeile() == "TRUE" ? 1 : 0; }

    void Fix(long double& x, int, int) { x = Real(); }
    // The edge lengths are doubles in the model.
    void Fix(double& x, int, int) {
        // Anything that rounds to a finite double is taken: the writer's 18 digits of the largest
        // double lie just above it.
        static const long double grenze =
            DBL_MAX + std::ldexp(1.0L, DBL_MAX_EXP - DBL_MANT_DIG - 1);
        const long double wert = Real();
        if (!(std::fabs(wert) < grenze)) throw ZahlFehler{};
        x = static_cast<double>(wert);
    }
    void Ausrichtung(bool& horizontal, int& ausrichtung) {
        horizontal = Zeile() == "0";
        ausrichtung = horizontal ? 0 : 1;
    }
    void Flankenflaeche(Projekt& p, int k, int j) { p.Raumtiefe[k][j] = Real(); }
    void Volumen(long double& v) {
        v = Real();
        if (!(v > 0)) v = 0;
    }
    // Only files of the current format carry the tail; the others get no volumes.
    bool MitSchluss(Projekt& p) {
        if (p.DateiVersion >= 2.0L) return true;
        p.V_Raum1 = 0;
        p.V_Raum2 = 0;
        return false;
    }
    bool Weiter() const { return pos_ < d_.size(); }

  private:
    static bool IstTrenner(char c) { return static_cast<unsigned char>(c) <= 32; }

    long double Real() {
        const std::string_view token = Token();
        if (token.empty()) return 0;  // end of file
        const auto wert = ParseFileReal(token);
        if (!wert) throw ZahlFehler{};
        return *wert;
    }

    // The line from zeilenanfang_ ends at `ende`.
    void LaengePruefen(std::size_t ende) const {
        if (ende - zeilenanfang_ > kMaxZeilenlaenge) throw ZeilenFehler{};
    }

    // One line as it stands in the file (empty at the end of the file).
    std::string_view Zeile() {
        std::size_t ende = pos_;
        while (ende < d_.size() && d_[ende] != '\r' && d_[ende] != '\n') ++ende;
        LaengePruefen(ende);
        const std::string_view zeile = d_.substr(pos_, ende - pos_);
        pos_ = ende;
        if (pos_ < d_.size() && d_[pos_] == '\r') ++pos_;
        if (pos_ < d_.size() && d_[pos_] == '\n') ++pos_;
        zeilenanfang_ = pos_;
        return zeile;
    }

    // Skips blanks and line ends, takes the token and discards the rest of its line.
    std::string_view Token() {
        while (pos_ < d_.size() && IstTrenner(d_[pos_])) {
            if (d_[pos_] == '\r' || d_[pos_] == '\n') {
                LaengePruefen(pos_);  // a line of blanks counts as well
                zeilenanfang_ = pos_ + 1;
            }
            ++pos_;
        }
        const std::size_t anfang = pos_;
        while (pos_ < d_.size() && !IstTrenner(d_[pos_])) ++pos_;
        const std::size_t ende = pos_;
        Zeile();  // checks the length of the whole line, from its start before the token
        return d_.substr(anfang, ende - anfang);
    }

    std::string_view d_;
    std::size_t pos_ = 0;
    std::size_t zeilenanfang_ = 0;  // where the line of pos_ begins
};

std::string ZuGrossMeldung() {
    return "Die Datei ist zu groß für eine Projektdatei (mehr als " +
           std::to_string(kMaxProjektdateiGroesse / (1024 * 1024)) + " MB).";
}

}  // namespace

const char* const kZeileZuLangMeldung =
    "Die Datei ist keine Projektdatei: Sie enthält eine Zeile von mehr als 64 KB.";

std::optional<std::string> Projektdatei_LesenAusText(std::string_view bytes, Projekt& p) {
    Leser leser(bytes);
    try {
        projektsatz::Gehen(leser, p);
    } catch (const ZahlFehler&) {
        return std::string(kUngueltigeZahl);
    } catch (const ZeilenFehler&) {
        return std::string(kZeileZuLangMeldung);
    }
    return std::nullopt;
}

std::optional<std::string> Projektdatei_Lesen(const std::string& pfad, Projekt& p) {
    std::string bytes;
    if (auto fehler = DateiEinlesen(pfad, kMaxProjektdateiGroesse, ZuGrossMeldung(), bytes))
        return fehler;
    return Projektdatei_LesenAusText(bytes, p);
}

std::string Projektdatei_Text(const Projekt& p) {
    return Geschrieben(p).Ergebnis();
}

std::optional<std::string> Projektdatei_Schreiben(const std::string& pfad, const Projekt& p) {
    Schreiber s = Geschrieben(p);
    if (s.ZuLang()) return "Datei kann nicht geschrieben werden: Ein Name ist länger als 64 KB.";
    return DateiErsetzen(pfad, std::move(s).Ergebnis());
}

}  // namespace phonikon
