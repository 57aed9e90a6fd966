// The calculation results of a project as one line of JSON.
#pragma once

#include <string>

#include "calc/project_state.h"

namespace phonikon {

// {"vollstaendig":…,"meldungen":[…],"R_w_Bau":…,"DnTw_12":…,"DnTw_21":…,"R_Dd":…,
//  "R_Anteil":[5],"K_ij":[4×[Ff,Fd,Df]],"R_ij":[4×[Ff,Fd,Df]]}; reals as doubles with 17
//  significant digits.
std::string ErgebnisJson(const Projekt& p);

}  // namespace phonikon
