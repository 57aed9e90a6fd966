// Any bytes given to the project file reader must end in a project or in the German message for
// a malformed number: no crash, no hang, no sanitizer report. What was read must also write and
// read again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "projectfile/project_file.h"

namespace {

// The file's text of what `bytes` reads to; false for a malformed number.
bool GelesenUndGeschrieben(std::string_view bytes, std::string& text) {
    phonikon::Projekt p;
    auto fehler = phonikon::Projektdatei_LesenAusText(bytes, p);
    if (fehler) {
        if (*fehler != "Ungültige numerische Eingabe") std::abort();
        return false;
    }
    // Empty flank-area fields make the writer take the values read into the model.
    for (auto& zeile : p.Fenster.edit_FF) {
        for (auto& feld : zeile) feld.clear();
    }
    text = phonikon::Projektdatei_Text(p);
    return true;
}

// The reader takes at most 64 characters of a number, as the format prescribes, while the writer
// never cuts one: values beyond 1e60 do not come back and are left out of the comparison.
bool HatUeberlangeZahl(std::string_view text) {
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find("\r\n", anfang);
        if (ende == std::string_view::npos) ende = text.size();
        const std::string_view zeile = text.substr(anfang, ende - anfang);
        if (zeile.size() > 64 &&
            zeile.find_first_not_of(" -0123456789.") == std::string_view::npos) {
            return true;
        }
        anfang = ende + 2;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string einmal;
    if (!GelesenUndGeschrieben(bytes, einmal) || HatUeberlangeZahl(einmal)) return 0;
    std::string zweimal;
    if (!GelesenUndGeschrieben(einmal, zweimal) || zweimal != einmal) std::abort();
    return 0;
}
