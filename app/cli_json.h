// The calculation results of a project as one line of JSON.
#pragma once

#include <string>

#include "calc/project_state.h"

namespace phonikon {

// {"datei":…,"vollstaendig":…,"meldungen":[…],"R_w_Bau":…,"DnTw_12":…,"DnTw_21":…,"R_Dd":…,
//  "R_Anteil":[5],"K_ij":[4×[Ff,Fd,Df]],"R_ij":[4×[Ff,Fd,Df]]}: the file's path as given, so
//  that a script pairs every line with its file; reals as doubles with 17 significant digits,
//  which read back to exactly the same double.
std::string ErgebnisJson(const std::string& datei, const Projekt& p);

// {"datei":…,"fehler":…}: the line of a file that could not be read, in that file's place.
std::string FehlerJson(const std::string& datei, const std::string& meldung);

}  // namespace phonikon
