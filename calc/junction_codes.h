// The 20 junction codes: type prefix (T, cross, corner A/B) and decoupling suffix.
#pragma once

#include <array>
#include <string_view>

namespace phonikon {

inline constexpr std::array<std::string_view, 20> kStossCodes = {
    "TS_ohneTrennung",  "TS_TrennungTB",  "TS_TrennungR1",  "TS_TrennungR2",  "TS_TrennungR1R2",
    "KS_ohneTrennung",  "KS_TrennungTB",  "KS_TrennungR1",  "KS_TrennungR2",  "KS_TrennungR1R2",
    "LSa_ohneTrennung", "LSa_TrennungTB", "LSa_TrennungR1", "LSa_TrennungR2", "LSa_TrennungR1R2",
    "LSb_ohneTrennung", "LSb_TrennungTB", "LSb_TrennungR1", "LSb_TrennungR2", "LSb_TrennungR1R2",
};

inline constexpr std::string_view kStossStandard = "TS_ohneTrennung";

// Index 0..19 of a code in kStossCodes, or -1 for any other text (exact, case-sensitive).
int StossIndex(std::string_view code);

// True when the code begins with the given prefix ("TS", "KS", "LSa", "LSb").
bool StossBeginntMit(std::string_view code, std::string_view prefix);

// Protocol description of a code (": T-Stoß (ohne akustische Trennung)" ...); empty if unknown.
std::string_view StossBeschreibung(std::string_view code);

}  // namespace phonikon
