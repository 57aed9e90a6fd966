#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace phonikon {
namespace {

// A finite value as sign, significant decimal digits and the position of the decimal point:
// value = 0.d1d2d3... × 10^exponent (so `exponent` digits stand before the point).
struct Dezimal {
    bool negativ = false;
    std::string ziffern;  // no leading zeros; empty means zero
    int exponent = 0;
};

constexpr int kSignifikanteStellen = 18;

Dezimal Zerlegen(long double x) {
    Dezimal d;
    if (x == 0 || !std::isfinite(x)) return d;
    d.negativ = x < 0;
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
            d.ziffern.insert(d.ziffern.begin(), '1');
            d.ziffern.pop_back();
            if (d.ziffern.empty()) d.ziffern = "1";
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
        s.append(d.ziffern, 1, std::string::npos);
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
    std::string normal;
    normal.reserve(s.size());
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal.push_back(s[i++]);
    int mantisse = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') normal.push_back(s[i++]), ++mantisse;
    if (i < s.size() && s[i] == sep) {
        normal.push_back('.');
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') normal.push_back(s[i++]), ++mantisse;
    }
    if (mantisse == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal.push_back(s[i++]);
        int exponent = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') normal.push_back(s[i++]), ++exponent;
        if (exponent == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // from_chars does not accept a leading '+'.
    const char* first = normal.data() + (normal[0] == '+' ? 1 : 0);
    long double v = 0;
    auto [end, ec] = std::from_chars(first, normal.data() + normal.size(), v);
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

}  // namespace

std::string FormatFixed(long double x, int precision, int decimals, char sep) {
    if (!std::isfinite(x)) return "0";
    Dezimal d = Zerlegen(x);
    Runden(d, std::min(precision, d.exponent + decimals));
    if (!d.ziffern.empty() && d.exponent > precision) return Exponentenform(d, sep);
    return Festkomma(d, decimals, sep);
}

std::string FormatGeneral(long double x, char sep) {
    if (!std::isfinite(x)) return "0";
    Dezimal d = Zerlegen(x);
    Runden(d, 15);
    if (d.ziffern.empty()) return "0";
    if (d.exponent > 15 || d.exponent < -4) return Exponentenform(d, sep);
    int nachkomma = std::max(0, static_cast<int>(d.ziffern.size()) - d.exponent);
    return Festkomma(d, nachkomma, sep);
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
