// Where the program's data files are found: the lining libraries, the company file's neighbours,
// the help documents. The start directory comes first, so a user's own copy wins; a program
// started from the desktop menu finds the installed copies; a program run from its build tree
// finds the ones in the build and source trees.
#pragma once

#include <string>

namespace phonikon {

// The path of data file `name`: the first of start directory, installed data folder
// (<program>/../share/phonikon), build tree and source tree that holds it; when none does, the
// path in the start directory (so a message names the place the user knows).
std::string DatenDatei(const std::string& startVerzeichnis, const std::string& name);

// The installed data folder, derived from the running program's own path.
std::string InstallierteDaten();

}  // namespace phonikon
