// Large files that are no project files end with an error or a project, never with a hang.
#include <gtest/gtest.h>

#include <random>

#include "calc/project_reset.h"
#include "projectfile/project_file.h"

namespace phonikon {
namespace {

TEST(ProjektdateiMuell, TenMegabytesOfGarbageEndQuickly) {
    const size_t groesse = 10u << 20;
    std::mt19937 zufall(12354);
    std::string zufallsbytes(groesse, '\0');
    for (auto& c : zufallsbytes) c = static_cast<char>(zufall());
    const std::string fallbeispiele[] = {
        zufallsbytes, std::string(groesse, 'x'),  // one endless token
        std::string(groesse, ' '),                // nothing but separators: every number reads as 0
        std::string(groesse, '\n'),               // empty lines
    };
    for (const auto& text : fallbeispiele) {
        Projekt p;
        Projekt_Zuruecksetzen(p);
        auto fehler = Projektdatei_LesenAusText(text, p);
        if (fehler) {
            EXPECT_TRUE(*fehler == "Ungültige numerische Eingabe" || *fehler == kZeileZuLangMeldung)
                << *fehler;
        }
    }
}

}  // namespace
}  // namespace phonikon
