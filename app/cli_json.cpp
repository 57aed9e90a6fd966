#include "app/cli_json.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "calc/number_text.h"

namespace phonikon {
namespace {

void Zahl(std::string& out, long double x) {
    // The calculation keeps every result it reports within the double range; anything else
    // would not be JSON.
    if (!(std::fabs(x) <= DBL_MAX)) {
        out += "null";
        return;
    }
    // JSON readers take doubles: 17 significant digits of the double keep every bit they can hold.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x),
                                   std::chars_format::general, 17);
    (void)ec;
    out.append(buf, end);
}

void Text(std::string& out, const std::string& s) {
    out += nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void Pfade(std::string& out, const std::array<std::array<long double, 3>, 5>& werte) {
    out += '[';
    for (int i = 1; i <= 4; ++i) {
        out += i > 1 ? ",[" : "[";
        for (int w = 0; w < 3; ++w) {
            if (w) out += ',';
            Zahl(out, werte[i][w]);
        }
        out += ']';
    }
    out += ']';
}

}  // namespace

std::string ErgebnisJson(const std::string& datei, const Projekt& p) {
    std::string out;
    out.reserve(1024);
    out += "{\"datei\":";
    Text(out, datei);
    out += ",\"vollstaendig\":";
    out += p.EingabenVollstaendig ? "true" : "false";
    out += ",\"meldungen\":[";
    bool erste = true;
    for (const auto& m : p.Meldungen) {
        if (m.empty()) continue;
        if (!erste) out += ',';
        erste = false;
        Text(out, m);
    }
    out += "],\"R_w_Bau\":";
    Zahl(out, p.R_w_Bau);
    out += ",\"DnTw_12\":";
    Zahl(out, p.DnTw_12);
    out += ",\"DnTw_21\":";
    Zahl(out, p.DnTw_21);
    out += ",\"R_Dd\":";
    Zahl(out, p.R_Dd);
    out += ",\"R_Anteil\":[";
    for (int i = 0; i <= 4; ++i) {
        if (i) out += ',';
        Zahl(out, p.R_Anteil[i]);
    }
    out += "],\"K_ij\":";
    Pfade(out, p.K_ij);
    out += ",\"R_ij\":";
    Pfade(out, p.R_ij);
    out += '}';
    return out;
}

std::string FehlerJson(const std::string& datei, const std::string& meldung) {
    std::string out = "{\"datei\":";
    Text(out, datei);
    out += ",\"fehler\":";
    Text(out, meldung);
    out += '}';
    return out;
}

}  // namespace phonikon
