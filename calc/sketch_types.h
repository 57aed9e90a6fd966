// The situation sketch as data: what to draw, in which colours, at which pixel coordinates of the
// 371 × 359 picture. The window renders it; the calculation builds it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace phonikon {

// 0xRRGGBB, or kFarbeButtonFace for the system's button surface colour.
using Farbe = std::uint32_t;

inline constexpr Farbe kSchwarz = 0x000000;
inline constexpr Farbe kWeiss = 0xFFFFFF;
inline constexpr Farbe kGrau = 0x808080;
inline constexpr Farbe kOliv = 0x808000;
inline constexpr Farbe kBlau = 0x0000FF;
inline constexpr Farbe kNavy = 0x000080;
inline constexpr Farbe kGruen = 0x008000;
inline constexpr Farbe kSilber = 0xC0C0C0;
inline constexpr Farbe kFarbeButtonFace = 0x8000000F;

struct Punkt {
    int x = 0, y = 0;
};

// A filled polygon (or an axis-parallel rectangle from p[0] to p[1], right and bottom edge
// excluded) outlined with a one-pixel pen.
struct SkizzenForm {
    bool rechteck = false;
    int anzahl = 0;
    std::array<Punkt, 7> p{};
    Farbe fuellung = kWeiss;
    Farbe rand = kSchwarz;
};

struct SkizzenText {
    int x = 0, y = 0;  // top left corner of the text
    std::string text;
    Farbe schrift = kSchwarz;
    Farbe hintergrund = kWeiss;
};

struct Skizze {
    // Drawn on the 371 × 359 picture in this order; for the vertical situation that picture is
    // then turned a quarter turn clockwise and its upper 359 rows shown (359 × 359).
    std::vector<SkizzenForm> formen;
    bool gedreht = false;
    // Drawn afterwards on the shown picture, in its own coordinates.
    std::vector<SkizzenForm> legende;
    std::vector<SkizzenText> texte;
};

inline constexpr int kSkizzeBreite = 371;
inline constexpr int kSkizzeHoehe = 359;

}  // namespace phonikon
