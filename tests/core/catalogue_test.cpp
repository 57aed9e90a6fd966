// Construction catalogue, mass curve, deduction for hollow units and the evaluation of one
// element's construction record.
#include "construction/catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "calc/project_state.h"
#include "construction/evaluation.h"
#include "construction/mass_curve.h"

namespace phonikon {
namespace {

// Values quoted to two decimals are checked to that precision.
constexpr long double kZweiStellen = 0.005L;

// --- Catalogue data -----------------------------------------------------------------------------

TEST(Katalog, ItemTextsKeepTheirBlanks) {
    EXPECT_EQ(kKonstruktionsarten[0].Text, "Brevon-Mauerwerk ");
    EXPECT_EQ(kKonstruktionsarten[4].Text, "Leichtbeton  ");
    EXPECT_EQ(kKonstruktionsarten[5].Text, "sonst. Hersteller/eigene Eingabe ");
    EXPECT_EQ(kPutze[0].Text, "Putz nicht definiert m´ = 0.0 [kg/m²]");
    EXPECT_EQ(*RohdichteklasseText(3), "Rohdichteklasse  1.8");
    EXPECT_EQ(*WanddickeText(0), " 7,0  cm");
    EXPECT_EQ(*WanddickeText(10), "36,5 cm");
    EXPECT_EQ(*BetonText(0), "Normalbeton  (2300 kg/m³)");
    EXPECT_EQ(*BetonText(1), "Leichtbeton   (1400 kg/m³)");
    EXPECT_EQ(ZulassungspaarNach(kKonstruktZiegel)->Erste,
              "wärmetechnisch optimierter HLZ nach Zulassung ");
    EXPECT_EQ(ZulassungspaarNach(kKonstruktLeichtbeton)->Zweite,
              "Steine nach DIN 18151 bzw. DIN 18153 ");
    EXPECT_FALSE(ZulassungspaarNach(kKonstruktBrevon));
}

TEST(Katalog, BrevonWallDensityDependsOnMortar) {
    EXPECT_EQ(*BrevonRohdichte(kMoertelDuennbett, 3), 1700.0L);
    EXPECT_EQ(*BrevonRohdichte(kMoertelNormal, 3), 1720.0L);
    EXPECT_EQ(*BrevonRohdichte(kMoertelDuennbett, 4), 1900.0L);
    EXPECT_EQ(*BrevonRohdichte(kMoertelNormal, 4), 1900.0L);
    EXPECT_EQ(*BrevonRohdichte(kMoertelNormal, 5), 2080.0L);
}

TEST(Katalog, IndexOutsideATableYieldsNothing) {
    for (int i : {-1, 4}) EXPECT_FALSE(PutzNach(i)) << i;
    for (int i : {-1, 11}) EXPECT_FALSE(BrevonDicke(i)) << i;
    for (int i : {-1, 2}) EXPECT_FALSE(BetonRohdichte(i)) << i;
    for (int i : {-1, 6}) EXPECT_FALSE(KonstruktionsartNach(i)) << i;
    EXPECT_FALSE(BrevonRohdichte(2, 0));
    EXPECT_FALSE(BrevonRohdichte(-1, 0));
    EXPECT_FALSE(BrevonRohdichte(0, 6));
    EXPECT_FALSE(MoertelText(2));
    EXPECT_FALSE(RohdichteklasseText(6));
}

TEST(Katalog, DeliveryRange) {
    struct Fall {
        int Moertel, B2, B2b;
        bool geliefert;
    };
    const Fall faelle[] = {
        {0, 0, 4, false},  {0, 3, 7, true},  {0, 3, 3, false},  {0, 1, 10, true},  {0, 4, 9, true},
        {0, 4, 10, false}, {0, 5, 7, false}, {1, 0, 1, true},   {1, 0, 2, false},  {1, 1, 1, true},
        {1, 1, 3, false},  {1, 2, 1, false}, {1, 2, 10, true},  {1, 3, 0, true},   {1, 4, 6, true},
        {1, 5, 7, false},  {2, 3, 7, false}, {1, 3, 11, false}, {1, -1, 1, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ImLieferprogramm(f.Moertel, f.B2, f.B2b), f.geliefert)
            << f.Moertel << "/" << f.B2 << "/" << f.B2b;
}

// --- Mass curve and deduction -------------------------------------------------------------------

TEST(Massekurve, LawsAndTheirSwitches) {
    struct Fall {
        int kind;
        long double m, roh2, Rw;
    };
    const Fall faelle[] = {
        {kKonstruktBrevon, 80.0L, 0.0L, 36.605L},
        {kKonstruktZiegel, 309.5L, 700.0L, 54.76L},
        {kKonstruktPorenbeton, 300.0L, 500.0L, 56.25L},
        {kKonstruktLeichtbeton, 500.0L, 1000.0L, 60.86L},    // 24.7 law up to 1000 inclusive
        {kKonstruktLeichtbeton, 500.0L, 1000.001L, 61.45L},  // 32.4 law above
        {kKonstruktSonstige, 149.9L, 0.0L, 39.99L},          // 17 law below 150
        {kKonstruktSonstige, 150.0L, 0.0L, 39.60L},          // 37.5 law from 150
        {6, 300.0L, 0.0L, 0.0L},
        {-1, 300.0L, 0.0L, 0.0L},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(Massekurve(f.kind, f.m, f.roh2), f.Rw, kZweiStellen)
            << f.kind << " m'=" << static_cast<double>(f.m);
}

TEST(Massekurve, LowerLimitIsInclusive) {
    EXPECT_FALSE(MassekurveGueltig(79.99L));
    EXPECT_TRUE(MassekurveGueltig(80.0L));
}

TEST(Abschlag, StrictLimitsOnThicknessAndDensity) {
    struct Fall {
        int kind, Zulassung1;
        long double roh2, d2, abschlag;
    };
    const Fall faelle[] = {
        {kKonstruktZiegel, 1, 800.0L, 36.5L, 10.0L},
        {kKonstruktZiegel, 0, 700.0L, 36.5L, 10.0L},
        {kKonstruktZiegel, 0, 770.0L, 36.5L, 0.0L},
        {kKonstruktZiegel, 2, 800.0L, 36.5L, 0.0L},  // anything but 1 is the second choice
        {kKonstruktZiegel, 1, 700.0L, 24.0L, 0.0L},
        {kKonstruktZiegel, 1, 700.0L, 24.01L, 10.0L},
        {kKonstruktLeichtbeton, 1, 600.0L, 30.0L, 5.2L},
        {kKonstruktLeichtbeton, 0, 589.9L, 30.0L, 5.2L},
        {kKonstruktLeichtbeton, 0, 590.0L, 30.0L, 0.0L},
        {kKonstruktLeichtbeton, 1, 550.0L, 24.0L, 0.0L},
        {kKonstruktBrevon, 1, 500.0L, 36.5L, 0.0L},
        {kKonstruktBeton, 1, 500.0L, 36.5L, 0.0L},
        {kKonstruktPorenbeton, 1, 500.0L, 36.5L, 0.0L},
        {kKonstruktSonstige, 1, 500.0L, 36.5L, 0.0L},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Abschlag(f.kind, f.Zulassung1, f.roh2, f.d2), f.abschlag)
            << f.kind << " Z1=" << f.Zulassung1 << " roh2=" << static_cast<double>(f.roh2)
            << " d2=" << static_cast<double>(f.d2);
}

// --- Evaluation of one element
// --------------------------------------------------------------------

Bauteil Katalogbauteil(int kind, int Moertel, int B2, int B2b, int B1, int B3) {
    Bauteil b;
    b.Konstrukt = kind;
    b.Moertel = Moertel;
    b.B2 = B2;
    b.B2b = B2b;
    b.B1 = B1;
    b.B3 = B3;
    return b;
}

// A typed construction with 15 mm normal plaster (1800 kg/m³) on both sides.
Bauteil Verputzt(int kind, long double roh2, long double d2, int Zulassung1 = 1) {
    Bauteil b;
    b.Konstrukt = kind;
    b.roh1 = b.roh3 = 1800.0L;
    b.d1 = b.d3 = 1.5L;
    b.roh2 = roh2;
    b.d2 = d2;
    b.Zulassung1 = Zulassung1;
    b.Zulassung2 = 1 - Zulassung1;
    return b;
}

TEST(AufbauAuswerten, CatalogueConstructions) {
    // Brevon 1.8, thin-bed mortar, 17.5 cm, 10 mm thin plaster on both sides.
    Bauteil brevon = Katalogbauteil(kKonstruktBrevon, 0, 3, 4, 2, 2);
    auto w = AufbauAuswerten(brevon);
    EXPECT_NEAR(w.mFlaeche, 317.5L, 1e-12L);
    EXPECT_NEAR(w.Rw, 55.10L, kZweiStellen);
    EXPECT_EQ(w.Rw, w.RwM);
    EXPECT_EQ(brevon.roh2, 1700.0L);
    EXPECT_EQ(brevon.d2, 17.5L);
    EXPECT_EQ(brevon.roh1, 1000.0L);
    EXPECT_EQ(brevon.d3, 1.0L);

    brevon.Moertel = kMoertelNormal;
    AufbauAuswerten(brevon);
    EXPECT_EQ(brevon.roh2, 1720.0L);

    // Normal concrete 18 cm (typed), 15 mm normal plaster on both sides.
    Bauteil beton = Katalogbauteil(kKonstruktBeton, 0, 0, 0, 3, 3);
    beton.B2a = 0;
    beton.d2 = 18.0L;
    w = AufbauAuswerten(beton);
    EXPECT_NEAR(w.mFlaeche, 468.0L, 1e-12L);
    EXPECT_NEAR(w.Rw, 60.31L, kZweiStellen);
    EXPECT_EQ(beton.roh2, 2300.0L);
    EXPECT_EQ(beton.d2, 18.0L);

    // "Putz nicht definiert" adds nothing.
    beton.B1 = beton.B3 = 0;
    w = AufbauAuswerten(beton);
    EXPECT_NEAR(w.mFlaeche, 414.0L, 1e-12L);
    EXPECT_EQ(beton.roh1, 0.0L);
    EXPECT_EQ(beton.d3, 0.0L);
}

TEST(AufbauAuswerten, ChoiceOutsideItsListKeepsTheLayerValue) {
    Bauteil b = Katalogbauteil(kKonstruktBrevon, 0, 6, 11, -1, 3);
    b.roh1 = 1234.0L;
    b.d1 = 2.0L;
    b.roh2 = 1500.0L;
    b.d2 = 20.0L;
    AufbauAuswerten(b);
    EXPECT_EQ(b.roh1, 1234.0L);
    EXPECT_EQ(b.d1, 2.0L);
    EXPECT_EQ(b.roh2, 1500.0L);
    EXPECT_EQ(b.d2, 20.0L);
    EXPECT_EQ(b.roh3, 1800.0L);  // the valid choice is still applied

    Bauteil beton = Katalogbauteil(kKonstruktBeton, 0, 0, 0, 1, 1);
    beton.B2a = 2;
    beton.roh2 = 999.0L;
    AufbauAuswerten(beton);
    EXPECT_EQ(beton.roh2, 999.0L);
}

TEST(AufbauAuswerten, NegativeTypedValuesCountAsZero) {
    Bauteil b = Verputzt(kKonstruktSonstige, 2000.0L, 20.0L);
    b.d1 = -3.0L;
    b.roh3 = -1800.0L;
    const auto w = AufbauAuswerten(b);
    EXPECT_EQ(b.d1, 0.0L);
    EXPECT_EQ(b.roh3, 0.0L);
    EXPECT_NEAR(w.mFlaeche, 400.0L, 1e-12L);
}

TEST(AufbauAuswerten, NoRwBelow80) {
    Bauteil knapp = Verputzt(kKonstruktZiegel, 799.9L, 10.0L);
    knapp.d1 = knapp.d3 = 0;
    auto w = AufbauAuswerten(knapp);
    EXPECT_NEAR(w.mFlaeche, 79.99L, 1e-12L);
    EXPECT_EQ(w.Rw, 0.0L);
    EXPECT_EQ(w.RwM, 0.0L);

    Bauteil genau = Verputzt(kKonstruktZiegel, 800.0L, 10.0L);
    genau.d1 = genau.d3 = 0;
    w = AufbauAuswerten(genau);
    EXPECT_EQ(w.mFlaeche, 80.0L);
    EXPECT_NEAR(w.Rw, 36.605L, kZweiStellen);

    // A hollow-brick core that is too light: the pair is offered, but no deduction is looked at
    // and the stored user value stays.
    Bauteil leicht = Verputzt(kKonstruktZiegel, 100.0L, 36.5L);
    leicht.d1 = leicht.d3 = 0;
    leicht.RwUser = 33.0L;
    w = AufbauAuswerten(leicht);
    EXPECT_TRUE(w.ZulassungAngeboten);
    EXPECT_EQ(w.Abschlag, 0.0L);
    EXPECT_EQ(w.Rw, 0.0L);
    EXPECT_EQ(leicht.RwUser, 33.0L);
}

TEST(AufbauAuswerten, HollowUnitsTakeTheRoundedCorrectedValue) {
    struct Fall {
        const char* name;
        Bauteil b;
        long double m, RwM, abschlag, Rw;
    };
    const Fall faelle[] = {
        {"Ziegel, Zulassung", Verputzt(kKonstruktZiegel, 700.0L, 36.5L, 1), 309.5L, 54.76L, 10.0L,
         44.8L},
        {"Ziegel, DIN, 700", Verputzt(kKonstruktZiegel, 700.0L, 36.5L, 0), 309.5L, 54.76L, 10.0L,
         44.8L},
        {"Leichtbeton, 550", Verputzt(kKonstruktLeichtbeton, 550.0L, 36.5L, 1), 254.75L, 53.63L,
         5.2L, 48.4L},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Bauteil b = f.b;
        b.RwUser = 99.0L;
        const auto w = AufbauAuswerten(b);
        EXPECT_NEAR(w.mFlaeche, f.m, 1e-12L);
        EXPECT_NEAR(w.RwM, f.RwM, kZweiStellen);
        EXPECT_EQ(w.Abschlag, f.abschlag);
        EXPECT_TRUE(w.ZulassungAngeboten);
        // One decimal exactly, not RwM minus the deduction.
        EXPECT_NEAR(w.Rw, f.Rw, 1e-15L);
        EXPECT_EQ(b.RwUser, w.Rw);
    }
}

TEST(AufbauAuswerten, NoDeductionGivesTheMassCurveAndKeepsTheUserValue) {
    for (auto b : {Verputzt(kKonstruktZiegel, 700.0L, 24.0L, 1),     // not thicker than 24 cm
                   Verputzt(kKonstruktZiegel, 770.0L, 36.5L, 0)}) {  // DIN units, not below 770
        b.RwUserAktiv = 1;
        b.RwUser = 47.0L;
        const auto w = AufbauAuswerten(b);
        EXPECT_EQ(w.Abschlag, 0.0L);
        EXPECT_EQ(w.Rw, w.RwM);
        EXPECT_GT(w.Rw, 50.0L);
        EXPECT_EQ(b.RwUser, 47.0L);
    }
}

TEST(AufbauAuswerten, ActiveUserValueReplacesTheCorrection) {
    Bauteil b = Verputzt(kKonstruktZiegel, 800.0L, 30.0L, 1);
    b.RwUserAktiv = 1;
    b.RwUser = 47.0L;
    auto w = AufbauAuswerten(b);
    EXPECT_EQ(w.Abschlag, 10.0L);
    EXPECT_EQ(w.Rw, 47.0L);
    EXPECT_EQ(b.RwUser, 47.0L);

    // The dialog passes what is typed while its check box is set, whatever the record holds.
    b.RwUserAktiv = 0;
    w = AufbauAuswerten(b, 46.5L);
    EXPECT_EQ(w.Rw, 46.5L);
    EXPECT_EQ(b.RwUser, 46.5L);
}

TEST(AufbauAuswerten, UnitTypePairIsWrittenOnlyWhileOffered) {
    Bauteil angeboten = Verputzt(kKonstruktLeichtbeton, 700.0L, 30.0L);
    angeboten.Zulassung1 = 0;
    angeboten.Zulassung2 = 0;
    EXPECT_TRUE(AufbauAuswerten(angeboten).ZulassungAngeboten);
    EXPECT_EQ(angeboten.Zulassung1, 0);
    EXPECT_EQ(angeboten.Zulassung2, 1);

    Bauteil nicht = Verputzt(kKonstruktPorenbeton, 700.0L, 30.0L);
    nicht.Zulassung1 = 0;
    nicht.Zulassung2 = 0;
    EXPECT_FALSE(AufbauAuswerten(nicht).ZulassungAngeboten);
    EXPECT_EQ(nicht.Zulassung1, 0);
    EXPECT_EQ(nicht.Zulassung2, 0);
}

}  // namespace
}  // namespace phonikon
