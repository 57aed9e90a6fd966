// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace phonikon::test {

class MitTempOrdner : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string muster =
            (std::filesystem::temp_directory_path() / "phonikon-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(muster.data()), nullptr);
        ordner_ = muster;
    }
    void TearDown() override { std::filesystem::remove_all(ordner_); }

    std::string Pfad(const std::string& name) const { return (ordner_ / name).string(); }

    static std::string Inhalt(const std::string& pfad) {
        std::ifstream in(pfad, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Schreiben(const std::string& pfad, const std::string& inhalt) {
        std::ofstream(pfad, std::ios::binary) << inhalt;
    }
    std::size_t AnzahlDateien() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(ordner_),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path ordner_;
};

}  // namespace phonikon::test
