// Many project files at once: each on its own, spread over the processor's cores, with the
// results handed on in the order of the files.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace phonikon {

struct Stapelergebnis {
    std::string ausgabe;  // what goes to standard output
    std::string fehler;   // the German message when the file could not be handled
};

void StapelVerarbeiten(
    const std::vector<std::string>& dateien,
    const std::function<Stapelergebnis(const std::string&)>& bearbeite,
    const std::function<void(const std::string&, const Stapelergebnis&)>& weiter);

}  // namespace phonikon
