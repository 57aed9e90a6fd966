#include "calc/formulas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/junction_codes.h"

namespace phonikon {
namespace {

TEST(Formulas, LiningImprovementByResonanceBin) {
    const std::pair<int, double> cases[] = {
        {0, 0},    {80, 15},   {81, 12},    {100, 12},  {101, 10}, {160, 8},  {161, 0},
        {199, 0},  {200, -1},  {201, -3},   {315, -3},  {316, -5}, {400, -5}, {401, -7},
        {630, -9}, {631, -10}, {1600, -10}, {1601, -5}, {-20, 0},
    };
    for (auto [f0, expected] : cases)
        EXPECT_DOUBLE_EQ(static_cast<double>(dRw_Vorsatzschale(f0, 40)), expected) << f0;
    // A heavy element keeps its Rw below 200 Hz instead of losing insulation.
    EXPECT_EQ(dRw_Vorsatzschale(60, 80), 0);
}

TEST(Formulas, CombinationAddsHalfOfTheSmaller) {
    EXPECT_EQ(dR_Kombination(12, 8), 16);
    EXPECT_EQ(dR_Kombination(8, 12), 16);
    EXPECT_EQ(dR_Kombination(10, 0), 10);
    EXPECT_EQ(dR_Kombination(-5, 0), -2.5L);
    EXPECT_EQ(dR_Kombination(-5, -5), -7.5L);
}

TEST(Formulas, KijSwitchReplacesTheQuadratic) {
    EXPECT_NEAR(static_cast<double>(Kij_1(10)), 17.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Kij_3(10)), 11.1, 1e-12);
    // Just above the switch the linear law gives less than the quadratic did.
    EXPECT_NEAR(static_cast<double>(Kij_1(std::pow(10.0L, 0.2L))), 11.88, 1e-12);
    EXPECT_NEAR(static_cast<double>(Kij_6(1)), -5, 1e-15);
    EXPECT_NEAR(static_cast<double>(Kij_2(1)), 5.7, 1e-15);
    EXPECT_NEAR(static_cast<double>(Kij_5(10)), 5.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(Potenz(10, -2)), 0.01, 1e-18);
}

TEST(Formulas, JunctionCodesWithEqualMasses) {
    struct Case {
        const char* code;
        double ff, fd, df;
    };
    const Case cases[] = {
        {"TS_ohneTrennung", 5.7, 4.7, 4.7},  {"KS_ohneTrennung", 8.7, 5.7, 5.7},
        {"TS_TrennungTB", -5, 20, 20},       {"LSa_ohneTrennung", 4.7, 4.7, 5.7},
        {"LSb_ohneTrennung", 4.7, 5.7, 4.7}, {"KS_TrennungR1", 20, 20, 4.7},
        {"TS_TrennungR2", 20, 2.7, 20},      {"LSa_TrennungR1", 20, 20, -5},
        {"LSb_TrennungR2", 20, -5, 20},      {"LSb_TrennungR1R2", 20, 20, 20},
    };
    for (const auto& c : cases) {
        Projekt p;
        p.Element[0][0].mFlaeche = 300;
        p.Element[1][1].mFlaeche = p.Element[1][2].mFlaeche = 300;
        p.Stoss[1] = c.code;
        Stoss_Kij(p);
        EXPECT_NEAR(static_cast<double>(p.K_ij[1][0]), c.ff, 1e-12) << c.code;
        EXPECT_NEAR(static_cast<double>(p.K_ij[1][1]), c.fd, 1e-12) << c.code;
        EXPECT_NEAR(static_cast<double>(p.K_ij[1][2]), c.df, 1e-12) << c.code;
    }
}

TEST(Formulas, UnknownJunctionCodeKeepsPreviousValues) {
    Projekt p;
    p.Element[0][0].mFlaeche = 300;
    for (int i = 1; i <= 4; ++i) p.Element[i][1].mFlaeche = p.Element[i][2].mFlaeche = 300;
    p.K_ij[2] = {1, 2, 3};
    p.Stoss[2] = "ts_ohneTrennung";
    p.K_ij[3] = {4, 5, 6};
    p.Stoss[3] = "";
    Stoss_Kij(p);
    EXPECT_EQ(p.K_ij[2], (std::array<long double, 3>{1, 2, 3}));
    EXPECT_EQ(p.K_ij[3], (std::array<long double, 3>{4, 5, 6}));
    EXPECT_NEAR(static_cast<double>(p.K_ij[1][0]), 5.7, 1e-12);
}

TEST(JunctionCodes, IndexPrefixAndDescription) {
    EXPECT_EQ(StossIndex("TS_ohneTrennung"), 0);
    EXPECT_EQ(StossIndex("LSb_TrennungR1R2"), 19);
    EXPECT_EQ(StossIndex("LSb_TrennungR1R2 "), -1);
    EXPECT_TRUE(StossBeginntMit("LSb_TrennungTB", "LSb"));
    EXPECT_FALSE(StossBeginntMit("LS", "LSb"));
    EXPECT_EQ(StossBeschreibung("KS_TrennungTB"),
              ": Kreuz-Stoß (akustische Trennung des Trennbauteils zur Flanke)");
    EXPECT_EQ(StossBeschreibung("LSa_TrennungR2"),
              ": Winkel-Stoß A (akustische Trennung Flanke zu Raum 2)");
    EXPECT_EQ(StossBeschreibung("XX"), "");
}

}  // namespace
}  // namespace phonikon
