// The command-line tool as a script would call it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calc/project_reset.h"
#include "projectfile/file_flows.h"

namespace {

struct Lauf {
    int status = -1;
    std::string ausgabe;
};

// Runs the tool; `umleitung` says where stderr goes ("2>/dev/null", "2>&1", "2>datei").
Lauf Starte(const std::string& argumente, const std::string& umleitung = "2>/dev/null") {
    const std::string befehl = std::string(PHONIKON_CLI) + " " + argumente + " " + umleitung;
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

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);) zeilen.push_back(zeile);
    return zeilen;
}

const std::string kBeispiel = std::string(PHONIKON_EXAMPLES_DIR) + "/beispiel.dat";

TEST(Cli, ProtocolOfTheWorkedExample) {
    Lauf komma = Starte("protokoll " + kBeispiel);
    EXPECT_EQ(komma.status, 0);
    EXPECT_NE(komma.ausgabe.find("\n R´w = 51,0 [dB]\n"), std::string::npos);
    Lauf punkt = Starte("protokoll " + kBeispiel + " --dezimal .");
    EXPECT_NE(punkt.ausgabe.find("\n R´w = 51.0 [dB]\n"), std::string::npos);
}

// Every line names its file; a file that cannot be read has its own line in its place, its
// message on stderr as well, and the exit status says so. The numbers are the calculation's
// doubles exactly.
TEST(Cli, JsonNamesEveryFileAndReportsFailuresInPlace) {
    const auto fehlerDatei = std::filesystem::temp_directory_path() / "phonikon_cli_stderr.txt";
    Lauf lauf = Starte("json " + kBeispiel + " /tmp/phonikon_fehlt.dat " + kBeispiel,
                       "2>" + fehlerDatei.string());
    EXPECT_EQ(lauf.status, 2);
    const auto zeilen = Zeilen(lauf.ausgabe);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[1], R"({"datei":"/tmp/phonikon_fehlt.dat","fehler":"Datei nicht gefunden"})");
    std::ifstream fehler(fehlerDatei);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(fehler), {}),
              "/tmp/phonikon_fehlt.dat: Datei nicht gefunden\n");
    std::filesystem::remove(fehlerDatei);

    phonikon::Projekt p;
    phonikon::Projekt_Frisch(p);
    ASSERT_FALSE(phonikon::Projekt_Einlesen(p, kBeispiel).fehler);
    for (int i : {0, 2}) {
        auto j = nlohmann::json::parse(zeilen[i]);
        EXPECT_EQ(j["datei"], kBeispiel);
        EXPECT_TRUE(j["vollstaendig"].get<bool>());
        EXPECT_TRUE(j["meldungen"].empty());
        EXPECT_EQ(j["R_w_Bau"].get<double>(), static_cast<double>(p.R_w_Bau));
        EXPECT_EQ(j["DnTw_12"].get<double>(), static_cast<double>(p.DnTw_12));
        EXPECT_EQ(j["R_Anteil"][0].get<double>(), static_cast<double>(p.R_Anteil[0]));
        EXPECT_EQ(j["K_ij"][3][1].get<double>(), static_cast<double>(p.K_ij[4][1]));
        EXPECT_EQ(j["R_ij"][3][2].get<double>(), static_cast<double>(p.R_ij[4][2]));
    }
}

// With stdout and stderr in one pipe, every line is whole: a JSON line or a message.
TEST(Cli, StreamsNeverMixWithinALine) {
    std::string dateien;
    for (int i = 0; i < 400; ++i)
        dateien += " " + kBeispiel + " /tmp/phonikon_fehlt" + std::to_string(i) + ".dat";
    Lauf lauf = Starte("json" + dateien, "2>&1");
    EXPECT_EQ(lauf.status, 2);
    const auto zeilen = Zeilen(lauf.ausgabe);
    EXPECT_EQ(zeilen.size(), 1200u);
    for (const auto& zeile : zeilen) {
        const bool meldung = zeile.rfind("/tmp/phonikon_fehlt", 0) == 0 &&
                             zeile.find(".dat: Datei nicht gefunden") != std::string::npos;
        if (!meldung) {
            EXPECT_TRUE(nlohmann::json::accept(zeile)) << zeile.substr(0, 80);
        }
    }
}

// A value that the extended format holds but a double does not gives an incomplete result with
// the range message, never "inf".
TEST(Cli, ValuesBeyondTheDoubleRangeAreNoResult) {
    std::ifstream in(kBeispiel, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    // Rw of the room-1 element of flank 1, the line before the room-2 record's flank name.
    const std::string rw =
        "\r\n55.000\r\nAu\xDF"
        "enwand";
    ASSERT_NE(text.find(rw), std::string::npos);
    text.replace(text.find(rw), 8, "\r\n1e4000");
    const auto datei = std::filesystem::temp_directory_path() / "phonikon_cli_1e4000.dat";
    std::ofstream(datei, std::ios::binary) << text;
    Lauf lauf = Starte("json " + datei.string());
    std::filesystem::remove(datei);
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe.find("inf"), std::string::npos);
    auto j = nlohmann::json::parse(lauf.ausgabe);
    EXPECT_FALSE(j["vollstaendig"].get<bool>());
    EXPECT_EQ(j["meldungen"][0],
              " Berechnung nicht möglich: Eingabewerte außerhalb des darstellbaren Zahlenbereichs");
}

TEST(Cli, OptionsStandAnywhere) {
    for (const std::string& args :
         {"--dezimal . protokoll " + kBeispiel, "protokoll --dezimal . " + kBeispiel,
          "protokoll " + kBeispiel + " --dezimal=."}) {
        Lauf lauf = Starte(args);
        EXPECT_EQ(lauf.status, 0) << args;
        EXPECT_NE(lauf.ausgabe.find("\n R´w = 51.0 [dB]\n"), std::string::npos) << args;
    }
    Lauf hilfe = Starte("--hilfe");
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_EQ(hilfe.ausgabe.rfind("Aufruf:", 0), 0u);
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
    // A place that takes no files says that the file cannot be written.
    Lauf proc = Starte("kopie " + kBeispiel + " /proc/phonikon.dat", "2>&1");
    EXPECT_EQ(proc.status, 2);
    EXPECT_EQ(proc.ausgabe, "/proc/phonikon.dat: Datei kann nicht geschrieben werden\n");
}

TEST(Cli, WrongUsage) {
    // An option the command does not take is a usage error, not a file name.
    for (const char* args :
         {"", "rechne x.dat", "json", "kopie a.dat", "kopie a.dat b.dat c.dat",
          "protokoll a.dat --dezimal x", "protokoll a.dat --dezimal", "json --dezimal . a.dat",
          "json a.dat --unbekannt", "kopie -x a.dat b.dat", "--dezimal . kopie a.dat b.dat"})
        EXPECT_EQ(Starte(args).status, 64) << args;
}

}  // namespace
