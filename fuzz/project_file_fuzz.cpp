// Any bytes given to the project file reader must end in a project or in the German message for
// a malformed number or an over-long line: no crash, no hang, no sanitizer report. What was read
// must also write and read again to the same bytes.
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
        if (*fehler != "Ungültige numerische Eingabe" && *fehler != phonikon::kZeileZuLangMeldung)
            std::abort();
        return false;
    }
    // Empty flank-area fields make the writer take the values read into the model.
    for (auto& zeile : p.Fenster.edit_FF) {
        for (auto& feld : zeile) feld.clear();
    }
    text = phonikon::Projektdatei_Text(p);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string einmal;
    if (!GelesenUndGeschrieben(bytes, einmal)) return 0;
    std::string zweimal;
    if (!GelesenUndGeschrieben(einmal, zweimal) || zweimal != einmal) std::abort();
    return 0;
}
