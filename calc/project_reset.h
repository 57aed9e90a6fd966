#pragma once

#include "calc/project_state.h"

namespace phonikon {

// Establishes the defaults of a new project in the model and the window texts, then calculates.
// A caller that calculates the project itself right afterwards may leave the calculation out.
void Projekt_Zuruecksetzen(Projekt& p, bool berechnen = true);

// The text of a reset numeric field: the value with two decimals ("0,00", "1,00").
std::string ZweiDezimalen(long double x, char sep);

}  // namespace phonikon
