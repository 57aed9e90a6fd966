// The text protocol of all inputs and results of the last calculation.
#pragma once

#include <string>
#include <vector>

#include "calc/project_state.h"

namespace phonikon {

std::vector<std::string> Protokoll_Erstellen(const Projekt& p);

}  // namespace phonikon
