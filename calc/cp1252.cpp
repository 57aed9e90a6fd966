#include "calc/cp1252.h"

#include <array>
#include <cstdint>

namespace phonikon {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned bytes map to themselves.
constexpr std::array<char32_t, 32> kObererBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t ZeichenAusByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kObererBlock[b - 0x80];
    return b;
}

char ByteAusZeichen(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kObererBlock.size(); ++i) {
        if (kObererBlock[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

void Utf8Anhaengen(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // everything in the code page lies below U+10000
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IstFolgebyte(unsigned char b, unsigned char min = 0x80, unsigned char max = 0xBF) {
    return b >= min && b <= max;
}

// Decodes one well-formed UTF-8 sequence at `pos`; returns its length, 0 if malformed.
std::size_t Utf8Dekodieren(std::string_view s, std::size_t pos, char32_t& c) {
    auto byte = [&](std::size_t i) -> unsigned char {
        return pos + i < s.size() ? static_cast<unsigned char>(s[pos + i]) : 0;
    };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (!IstFolgebyte(byte(1))) return 0;
        c = (char32_t(b0 & 0x1F) << 6) | (byte(1) & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        // Exclude overlong forms (E0 below A0) and surrogates (ED above 9F).
        const unsigned char min = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned char max = b0 == 0xED ? 0x9F : 0xBF;
        if (!IstFolgebyte(byte(1), min, max) || !IstFolgebyte(byte(2))) return 0;
        c = (char32_t(b0 & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        // Exclude overlong forms (F0 below 90) and code points above U+10FFFF (F4 above 8F).
        const unsigned char min = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned char max = b0 == 0xF4 ? 0x8F : 0xBF;
        if (!IstFolgebyte(byte(1), min, max) || !IstFolgebyte(byte(2)) || !IstFolgebyte(byte(3))) {
            return 0;
        }
        c = (char32_t(b0 & 0x07) << 18) | (char32_t(byte(1) & 0x3F) << 12) |
            (char32_t(byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
        return 4;
    }
    return 0;
}

}  // namespace

std::string Utf8ZuCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const std::size_t n = Utf8Dekodieren(utf8, pos, c);
        if (n == 0) {
            out += '?';
            ++pos;
        } else {
            out += ByteAusZeichen(c);
            pos += n;
        }
    }
    return out;
}

std::string Cp1252ZuUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) Utf8Anhaengen(out, ZeichenAusByte(static_cast<unsigned char>(b)));
    return out;
}

}  // namespace phonikon
