#include "calc/number_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace phonikon {
namespace {

// A finite value as sign, significant decimal digits and the position of the decimal point:
// value = 0.d1d2d3... × 10^exponent (so `exponent` digits stand before the point).
// The digits live in a fixed buffer: formatting runs at every keystroke and must not allocate.
class Ziffern {
  public:
    bool empty() const { return n_ == 0; }
    size_t size() const { return n_; }
    char& operator[](size_t i) { return z_[i]; }
    char operator[](size_t i) const { return z_[i]; }
    char back() const { return z_[n_ - 1]; }
    void push_back(char c) {
        if (n_ < z_.size()) z_[n_++] = c;
    }
    void pop_back() { --n_; }
    void clear() { n_ = 0; }
    void resize(size_t n) { n_ = n; }
    void assign(const char* a, const char* e) {
        n_ = 0;
        while (a != e) push_back(*a++);
    }
    void insert_front(char c) {
        for (size_t i = std::min(n_, z_.size() - 1); i > 0; --i) z_[i] = z_[i - 1];
        z_[0] = c;
        if (n_ < z_.size()) ++n_;
    }
    std::string_view view() const { return {z_.data(), n_}; }

  private:
    std::array<char, 24> z_{};
    size_t n_ = 0;
};

struct Dezimal {
    bool negativ = false;
    Ziffern ziffern;  // no leading zeros; empty means zero
    int exponent = 0;
};

constexpr int kSignifikanteStellen = 18;

constexpr auto kZehnerPotenzenGanz = [] {
    std::array<std::uint64_t, 19> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

constexpr auto kFuenferPotenzen = [] {
    std::array<std::uint64_t, 28> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
    return p;
}();

// `stellen` significant digits of m · 2^e (m < 2^64) by exact integer arithmetic: m · 2^e · 10^k
// = m · 5^k · 2^(k+e) fits in 128 bits for the magnitudes a project holds. Rounds to nearest,
// ties to even, like to_chars and printf. Gives the digits as one whole number and the exponent
// of the first digit (value = n · 10^(e10 + 1 − stellen)); nothing outside that range.
bool ExakteZiffern(std::uint64_t m, int e, int stellen, std::uint64_t& n, int& e10) {
    // log10(2) · (E − 1) <= log10(value) < log10(2) · E with E = e + 64 at most: a first guess,
    // corrected below.
    const int E = e + 64 - std::countl_zero(m);
    e10 = static_cast<int>(std::floor(0.30102999566398120L * (E - 1)));
    const std::uint64_t unten = static_cast<std::uint64_t>(kZehnerPotenzenGanz[stellen - 1]);
    for (int versuch = 0; versuch < 3; ++versuch) {
        const int k = stellen - 1 - e10;
        const int schiebung = k + e;
        if (k < 0 || k > 27 || schiebung >= 0 || schiebung < -127) return false;
        const unsigned __int128 produkt = static_cast<unsigned __int128>(m) * kFuenferPotenzen[k];
        const int r = -schiebung;
        unsigned __int128 z = produkt >> r;
        const unsigned __int128 rest = produkt - (z << r);
        const unsigned __int128 halb = static_cast<unsigned __int128>(1) << (r - 1);
        if (rest > halb || (rest == halb && (z & 1))) ++z;
        if (z < unten) {
            --e10;
            continue;
        }
        if (z >= 10 * static_cast<unsigned __int128>(unten)) {
            ++e10;
            continue;
        }
        n = static_cast<std::uint64_t>(z);
        return true;
    }
    return false;
}

// The 18 digits of the extended value without the library's conversion.
bool ZerlegenSchnell(long double betrag, Dezimal& d) {
    int E = 0;
    const long double f = std::frexp(betrag, &E);  // betrag = f · 2^E, 0.5 <= f < 1
    std::uint64_t n = 0;
    int e10 = 0;
    if (!ExakteZiffern(static_cast<std::uint64_t>(std::ldexp(f, 64)), E - 64, kSignifikanteStellen,
                       n, e10))
        return false;
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    (void)ec;
    d.ziffern.assign(buf, end);
    d.exponent = e10 + 1;
    return true;
}

Dezimal Zerlegen(long double x) {
    Dezimal d;
    if (x == 0 || !std::isfinite(x)) return d;
    d.negativ = x < 0;
    if (!ZerlegenSchnell(std::fabs(x), d)) {
        char buf[64];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                       std::chars_format::scientific, kSignifikanteStellen - 1);
        (void)ec;
        std::string_view s(buf, end - buf);  // "d.ddddde+XX"
        auto e = s.find('e');
        for (char c : s.substr(0, e))
            if (c != '.') d.ziffern.push_back(c);
        int exp10 = 0;
        std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp10);
        d.exponent = exp10 + 1;
    }
    while (!d.ziffern.empty() && d.ziffern.back() == '0') d.ziffern.pop_back();
    return d;
}

// Keeps `stellen` significant digits, rounding half away from zero.
void Runden(Dezimal& d, int stellen) {
    if (d.ziffern.empty()) return;
    if (stellen < 0) {
        d.ziffern.clear();
        return;
    }
    if (static_cast<int>(d.ziffern.size()) <= stellen) return;
    bool aufrunden = d.ziffern[stellen] >= '5';
    d.ziffern.resize(stellen);
    if (aufrunden) {
        int i = stellen - 1;
        while (i >= 0 && d.ziffern[i] == '9') d.ziffern[i--] = '0';
        if (i >= 0) {
            ++d.ziffern[i];
        } else {
            d.ziffern.insert_front('1');
            d.ziffern.pop_back();
            if (d.ziffern.empty()) d.ziffern.push_back('1');
            ++d.exponent;
        }
    }
    while (!d.ziffern.empty() && d.ziffern.back() == '0') d.ziffern.pop_back();
}

char ZifferAn(const Dezimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.ziffern.size()) ? d.ziffern[index] : '0';
}

// Fixed notation with exactly `decimals` decimals from already rounded digits.
std::string Festkomma(const Dezimal& d, int decimals, char sep) {
    std::string s;
    if (d.negativ && !d.ziffern.empty()) s.push_back('-');
    if (d.exponent <= 0 || d.ziffern.empty()) {
        s.push_back('0');
    } else {
        for (int i = 0; i < d.exponent; ++i) s.push_back(ZifferAn(d, i));
    }
    if (decimals > 0) {
        s.push_back(sep);
        for (int k = 0; k < decimals; ++k) s.push_back(ZifferAn(d, d.exponent + k));
    }
    return s;
}

// Exponent notation "d,dddE+XX" with trailing zeros of the mantissa dropped.
std::string Exponentenform(const Dezimal& d, char sep) {
    std::string s;
    if (d.negativ) s.push_back('-');
    s.push_back(ZifferAn(d, 0));
    if (d.ziffern.size() > 1) {
        s.push_back(sep);
        s.append(d.ziffern.view().substr(1));
    }
    int e = d.exponent - 1;
    s += e < 0 ? "E-" : "E+";
    std::string ez = std::to_string(e < 0 ? -e : e);
    if (ez.size() < 2) ez.insert(ez.begin(), '0');
    return s + ez;
}

bool IstLeer(char c) {
    return c == ' ';
}

// Grammar shared by screen and file reals: [+-] digits [sep digits] [(E|e) [+-] digits].
std::optional<long double> RealAusText(std::string_view s, char sep) {
    size_t i = 0;
    const bool negativ = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const size_t anfang = i;

    // Plain decimal texts with up to 19 significant digits are digits / 10^n with both exact in
    // the extended format, so the one division rounds exactly as a full conversion would.
    std::uint64_t ziffern = 0;
    int mantisse = 0, signifikant = 0, nachkomma = 0;
    auto ziffer = [&](bool hinterKomma) {
        const char c = s[i++];
        ++mantisse;
        if (signifikant == 0 && c == '0' && !hinterKomma) return;
        ++signifikant;
        if (signifikant <= 19) ziffern = ziffern * 10 + (c - '0');
        if (hinterKomma) ++nachkomma;
    };
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ziffer(false);
    const size_t komma = i;
    if (i < s.size() && s[i] == sep) {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ziffer(true);
    }
    if (mantisse == 0) return std::nullopt;
    bool mitExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        mitExponent = true;
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const size_t exponentAnfang = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == exponentAnfang) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;

    if (!mitExponent && signifikant <= 19 && nachkomma <= 27) {
        long double zehner = 1;
        for (int n = 0; n < nachkomma; ++n) zehner *= 10;
        const long double v = static_cast<long double>(ziffern) / zehner;
        return negativ ? -v : v;
    }

    // Everything else through the library, with the separator as '.' (from_chars takes no '+').
    std::string normal(s.substr(anfang));
    if (komma < s.size() && s[komma] == sep) normal[komma - anfang] = '.';
    if (negativ) normal.insert(normal.begin(), '-');
    long double v = 0;
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<long long> GanzzahlAusText(std::string_view s) {
    size_t i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    int basis = 10;
    if (i < s.size() && s[i] == '$') basis = 16, ++i;
    if (i == s.size()) return std::nullopt;
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int z;
        if (c >= '0' && c <= '9')
            z = c - '0';
        else if (basis == 16 && c >= 'a' && c <= 'f')
            z = c - 'a' + 10;
        else if (basis == 16 && c >= 'A' && c <= 'F')
            z = c - 'A' + 10;
        else
            return std::nullopt;
        v = v * basis + z;
        if (v > 0xFFFFFFFFull) return std::nullopt;
    }
    long long wert = negativ ? -static_cast<long long>(v) : static_cast<long long>(v);
    // Hexadecimal texts may use the full 32 bits and then stand for the negative two's complement.
    if (basis == 16 && !negativ && v > 0x7FFFFFFFull) wert = static_cast<std::int32_t>(v);
    if (wert < std::numeric_limits<std::int32_t>::min() ||
        wert > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return wert;
}

constexpr auto kZehnerPotenzen = [] {
    std::array<long double, 20> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// 10^k for k = -4 … 15, for finding the number of integer digits by comparisons alone.
constexpr int kKleinsteStelle = -4;
constexpr auto kStellengrenzen = [] {
    std::array<long double, 20> p{};
    for (int k = kKleinsteStelle; k < kKleinsteStelle + 20; ++k)
        p[k - kKleinsteStelle] = k >= 0 ? kZehnerPotenzen[k] : 1 / kZehnerPotenzen[-k];
    return p;
}();

// Digits before the point (10^(stellen−1) <= betrag < 10^stellen) of a value in [1e-4, 1e15);
// nothing when the value lies so close to a power of ten that the 18-digit expansion could
// round it across (an exact whole power of ten is no doubt).
std::optional<int> Stellen(long double betrag) {
    int i = 0;
    while (i + 1 < static_cast<int>(kStellengrenzen.size()) && betrag >= kStellengrenzen[i + 1])
        ++i;
    const int stellen = i + kKleinsteStelle + 1;
    const long double unten = kStellengrenzen[i], oben = kStellengrenzen[i + 1];
    if (stellen >= 1 && betrag == unten) return stellen;
    if (std::fabs(betrag - unten) < unten * 1e-14L || std::fabs(oben - betrag) < oben * 1e-14L)
        return std::nullopt;
    return stellen;
}

// y rounded half up to a whole number; nothing when y lies within `zweifel` of a tie, where the
// 18-digit expansion decides. Rounding to nearest (llrint) needs no change of the x87 control
// word, unlike truncation.
std::optional<std::uint64_t> GanzGerundet(long double y, long double zweifel) {
    const long long n = std::llrint(y);
    if (std::fabs(std::fabs(y - n) - 0.5L) < zweifel) return std::nullopt;
    return static_cast<std::uint64_t>(n);
}

// The usual case of FormatFixed without the 18-digit expansion: scale to the rounding position,
// round half up. Gives up (nullopt) wherever the expansion could decide otherwise: values near a
// power of ten or near a tie, very large or small values, and the exponent form.
std::optional<std::string> FestkommaSchnell(long double x, int precision, int decimals, char sep) {
    const long double betrag = std::fabs(x);
    if (!(betrag >= 1e-4L && betrag < 1e9L) || decimals > 9) return std::nullopt;
    const auto stellen = Stellen(betrag);
    if (!stellen) return std::nullopt;
    const int q = std::min(precision - *stellen, decimals);  // decimals kept by the rounding
    if (q < -9) return std::nullopt;
    const long double y = q >= 0 ? betrag * kZehnerPotenzen[q] : betrag / kZehnerPotenzen[-q];
    if (y >= 1e9L) return std::nullopt;
    const auto gerundet = GanzGerundet(y, 1e-9L);
    if (!gerundet) return std::nullopt;
    const std::uint64_t n = *gerundet;
    char buf[48];
    char* ende = std::to_chars(buf, buf + 24, n).ptr;
    int ziffern = static_cast<int>(ende - buf);
    if (n != 0 && ziffern - q > precision) return std::nullopt;  // exponent form
    std::string s;
    s.reserve(24);
    if (x < 0 && n != 0) s.push_back('-');
    if (q <= 0) {
        s.append(buf, ende);
        if (n != 0) s.append(-q, '0');
        if (decimals > 0) {
            s.push_back(sep);
            s.append(decimals, '0');
        }
        return s;
    }
    if (ziffern <= q) {  // pad to "0,00ddd"
        std::string_view z(buf, ziffern);
        s += '0';
        s.push_back(sep);
        s.append(q - ziffern, '0');
        s.append(z);
    } else {
        s.append(buf, ziffern - q);
        s.push_back(sep);
        s.append(buf + ziffern - q, q);
    }
    s.append(decimals - q, '0');
    return s;
}

// The general form from its (at most 15) significant digits.
std::string AllgemeinAusZiffern(const Dezimal& d, char sep) {
    if (d.ziffern.empty()) return "0";
    if (d.exponent > 15 || d.exponent < -4) return Exponentenform(d, sep);
    int nachkomma = std::max(0, static_cast<int>(d.ziffern.size()) - d.exponent);
    return Festkomma(d, nachkomma, sep);
}

// The 15 significant digits of everyday values by one scaling, as FestkommaSchnell does; gives
// up near powers of ten and near ties, where the full expansion decides.
bool AllgemeinSchnell(long double x, Dezimal& d) {
    const long double betrag = std::fabs(x);
    if (!(betrag >= 1e-4L && betrag < 1e15L)) return false;
    const auto stellen = Stellen(betrag);
    if (!stellen) return false;
    const int q = 15 - *stellen;
    if (q > 19) return false;
    const auto gerundet = GanzGerundet(betrag * kZehnerPotenzen[q], 1e-3L);
    if (!gerundet || *gerundet == 0) return false;
    const std::uint64_t n = *gerundet;
    char buf[24];
    char* ende = std::to_chars(buf, buf + sizeof buf, n).ptr;
    d.negativ = x < 0;
    d.exponent = static_cast<int>(ende - buf) - q;
    while (ende > buf && ende[-1] == '0') --ende;
    d.ziffern.assign(buf, ende);
    return true;
}

}  // namespace

std::string FormatFixed(long double x, int precision, int decimals, char sep) {
    if (!std::isfinite(x)) return "0";
    if (auto text = FestkommaSchnell(x, precision, decimals, sep)) return *std::move(text);
    return detail::FormatFixedAusEntwicklung(x, precision, decimals, sep);
}

std::string detail::FormatFixedAusEntwicklung(long double x, int precision, int decimals,
                                              char sep) {
    if (!std::isfinite(x)) return "0";
    Dezimal d = Zerlegen(x);
    Runden(d, std::min(precision, d.exponent + decimals));
    if (!d.ziffern.empty() && d.exponent > precision) return Exponentenform(d, sep);
    return Festkomma(d, decimals, sep);
}

std::string FormatGeneral(long double x, char sep) {
    if (!std::isfinite(x)) return "0";
    Dezimal d;
    if (!AllgemeinSchnell(x, d)) return detail::FormatGeneralAusEntwicklung(x, sep);
    return AllgemeinAusZiffern(d, sep);
}

std::string detail::FormatGeneralAusEntwicklung(long double x, char sep) {
    if (!std::isfinite(x)) return "0";
    Dezimal d = Zerlegen(x);
    Runden(d, 15);
    return AllgemeinAusZiffern(d, sep);
}

std::string FormatDouble17(double x) {
    char buf[40];
    const double betrag = std::fabs(x);
    if (betrag >= 1e-4 && betrag < 1e17) {
        int E = 0;
        const double f = std::frexp(betrag, &E);
        std::uint64_t n = 0;
        int e10 = 0;
        if (ExakteZiffern(static_cast<std::uint64_t>(std::ldexp(f, 53)), E - 53, 17, n, e10)) {
            char z[24];
            const int anzahl = static_cast<int>(std::to_chars(z, z + sizeof z, n).ptr - z);
            int letzte = anzahl;
            while (letzte > 0 && z[letzte - 1] == '0') --letzte;
            std::string s;
            if (x < 0) s.push_back('-');
            const int vorKomma = e10 + 1;
            if (vorKomma <= 0) {  // 0.000ddd
                s += "0.";
                s.append(-vorKomma, '0');
                s.append(z, letzte);
            } else {
                s.append(z, vorKomma);
                if (letzte > vorKomma) {
                    s.push_back('.');
                    s.append(z + vorKomma, letzte - vorKomma);
                }
            }
            return s;
        }
    }
    auto [ende, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 17);
    (void)ec;
    return std::string(buf, ende);
}

std::string FormatResultLabel(long double x, char sep) {
    return FormatFixed(x, 3, 1, sep) + " [dB]";
}

std::optional<long double> ParseReal(std::string_view text, char sep) {
    size_t a = 0, e = text.size();
    while (a < e && IstLeer(text[a])) ++a;
    while (e > a && IstLeer(text[e - 1])) --e;
    return RealAusText(text.substr(a, e - a), sep);
}

std::string InvalidRealMessage(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiger Fließkommawert";
}

std::optional<int> ParseInt(std::string_view text) {
    size_t a = 0;
    while (a < text.size() && IstLeer(text[a])) ++a;
    auto v = GanzzahlAusText(text.substr(a));
    if (!v) return std::nullopt;
    return static_cast<int>(*v);
}

std::string FileFix(long double x, int width, int decimals) {
    Dezimal d = Zerlegen(x);
    Runden(d, d.exponent + decimals);
    // The 18 digits of the very largest extended values round up past the largest one and would
    // not read back; those are cut by one unit in the last digit instead.
    if (std::fabs(x) > 1e4931L && !ParseFileReal(Festkomma(d, 0, '.'))) {
        while (d.ziffern.size() < static_cast<size_t>(kSignifikanteStellen))
            d.ziffern.push_back('0');
        size_t i = kSignifikanteStellen - 1;
        while (d.ziffern[i] == '0') d.ziffern[i--] = '9';
        --d.ziffern[i];
    }
    std::string s = Festkomma(d, decimals, '.');
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    return s;
}

std::string FileInt5(long long v) {
    std::string s = std::to_string(v);
    if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
    return s;
}

std::string FileInt(long long v) {
    return std::to_string(v);
}

std::string FileBool(bool b) {
    return b ? "TRUE" : "FALSE";
}

std::optional<long double> ParseFileReal(std::string_view token) {
    return RealAusText(token, '.');
}

std::optional<long long> ParseFileInt(std::string_view token) {
    return GanzzahlAusText(token);
}

}  // namespace phonikon
