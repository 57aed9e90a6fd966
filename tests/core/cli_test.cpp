// The command-line tool as a script would call it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

struct Lauf {
    int status = -1;
    std::string ausgabe;
};

Lauf Starte(const std::string& argumente) {
    const std::string befehl = std::string(PHONIKON_CLI) + " " + argumente + " 2>/dev/null";
    Lauf lauf;
    FILE* pipe = popen(befehl.c_str(), "r");
    if (!pipe) return lauf;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) lauf.ausgabe.append(buf, n);
    int s = pclose(pipe);
    lauf.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return lauf;
}

const std::string kBeispiel = std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat";

TEST(Cli, ProtocolOfTheWorkedExample) {
    Lauf komma = Starte("protokoll " + kBeispiel);
    EXPECT_EQ(komma.status, 0);
    EXPECT_NE(komma.ausgabe.find("\n R´w = 51,0 [dB]\n"), std::string::npos);
    Lauf punkt = Starte("protokoll " + kBeispiel + " --dezimal .");
    EXPECT_NE(punkt.ausgabe.find("\n R´w = 51.0 [dB]\n"), std::string::npos);
}

TEST(Cli, JsonPerFileAndBadFilesDoNotStopTheOthers) {
    Lauf lauf = Starte("json " + kBeispiel + " /nicht/vorhanden.dat " + kBeispiel);
    EXPECT_EQ(lauf.status, 2);
    std::istringstream zeilen(lauf.ausgabe);
    std::string zeile;
    int n = 0;
    while (std::getline(zeilen, zeile)) {
        auto j = nlohmann::json::parse(zeile);
        EXPECT_TRUE(j["vollstaendig"].get<bool>());
        EXPECT_TRUE(j["meldungen"].empty());
        EXPECT_NEAR(j["R_w_Bau"].get<double>(), 50.99, 0.005);
        EXPECT_NEAR(j["DnTw_12"].get<double>(), 52.07, 0.005);
        EXPECT_EQ(j["R_Anteil"].size(), 5u);
        EXPECT_EQ(j["K_ij"].size(), 4u);
        EXPECT_EQ(j["R_ij"][3].size(), 3u);
        ++n;
    }
    EXPECT_EQ(n, 2);
}

TEST(Cli, CopyWritesTheSameBytes) {
    const auto ziel = std::filesystem::temp_directory_path() / "phonikon_cli_kopie.dat";
    std::filesystem::remove(ziel);
    EXPECT_EQ(Starte("kopie " + kBeispiel + " " + ziel.string()).status, 0);
    auto lesen = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(lesen(ziel), lesen(kBeispiel));
    EXPECT_EQ(Starte("kopie " + kBeispiel + " /nicht/vorhanden/x.dat").status, 2);
    std::filesystem::remove(ziel);
}

TEST(Cli, WrongUsage) {
    for (const char* args : {"", "rechne x.dat", "json", "kopie a.dat",
                             "protokoll a.dat --dezimal x", "protokoll a.dat --dezimal"})
        EXPECT_EQ(Starte(args).status, 64) << args;
}

}  // namespace
