#pragma once

#include <optional>
#include <string>

#include "calc/project_state.h"

namespace phonikon {

// Establishes the defaults of a new project in the model and the window texts, clears every
// result of the project before, then calculates. A caller that calculates the project itself
// right afterwards may leave the calculation out.
void Projekt_Zuruecksetzen(Projekt& p, bool berechnen = true);

// The project as the program shows it after start-up and after New: reset, sketch colours, first
// page, one calculation, nothing unsaved. Returns a conversion message of the calculation, if any.
std::optional<std::string> Projekt_Frisch(Projekt& p);

// The text of a reset numeric field: the value with two decimals ("0,00", "1,00").
std::string ZweiDezimalen(long double x, char sep);

}  // namespace phonikon
