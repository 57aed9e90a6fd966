// The junction table: every code's Kij rule with three different masses, so that a wrong ratio
// or formula shows, and the texts and prefix facts read by protocol, sketch and dialog.
#include "calc/junction_codes.h"

#include <gtest/gtest.h>

#include "calc/formulas.h"

namespace phonikon {
namespace {

TEST(JunctionCodes, KijOfEveryCodeWithUnequalMasses) {
    // mTB = 400, m1 = 250, m2 = 120 kg/m²; values worked out from the formulas by hand.
    struct Fall {
        const char* code;
        double ff, fd, df;
    };
    const Fall faelle[] = {
        {"TS_ohneTrennung", 9.83628769956, 5.33925584728, 5.33925584728},
        {"TS_TrennungTB", -4.49196425625, 20, 20},
        {"TS_TrennungR1", 20, 20, 3.43818589212},
        {"TS_TrennungR2", 20, 2.81249541176, 20},
        {"TS_TrennungR1R2", 20, 20, 20},
        {"KS_ohneTrennung", 12.7432848827, 7.42711228913, 7.42711228913},
        {"KS_TrennungTB", 9.83628769956, 20, 20},
        {"KS_TrennungR1", 20, 20, 6.25839243892},
        {"KS_TrennungR2", 20, 4.93749031372, 20},
        {"KS_TrennungR1R2", 20, 20, 20},
        {"LSa_ohneTrennung", 4.70165376749, 4.70165376749, 5.46148368338},
        {"LSa_TrennungTB", 2.97433930162, 20, 20},
        {"LSa_TrennungR1", 20, 20, -3.63298908867},
        {"LSa_TrennungR2", 20, 2.81249541176, 20},
        {"LSa_TrennungR1R2", 20, 20, 20},
        {"LSb_ohneTrennung", 5.76721738552, 0.666117564985, 5.76721738552},
        {"LSb_TrennungTB", 2.97433930162, 20, 20},
        {"LSb_TrennungR1", 20, 20, 3.43818589212},
        {"LSb_TrennungR2", 20, -4.7916751634, 20},
        {"LSb_TrennungR1R2", 20, 20, 20},
    };
    ASSERT_EQ(std::size(faelle), kStoesse.size());
    for (std::size_t k = 0; k < kStoesse.size(); ++k) {
        const Fall& f = faelle[k];
        SCOPED_TRACE(f.code);
        EXPECT_EQ(kStossCodes[k], f.code);
        Projekt p;
        p.Element[0][0].mFlaeche = 400;
        p.Element[3][1].mFlaeche = 250;
        p.Element[3][2].mFlaeche = 120;
        p.Stoss[3] = f.code;
        Stoss_Kij(p);
        EXPECT_NEAR(static_cast<double>(p.K_ij[3][0]), f.ff, 1e-9);
        EXPECT_NEAR(static_cast<double>(p.K_ij[3][1]), f.fd, 1e-9);
        EXPECT_NEAR(static_cast<double>(p.K_ij[3][2]), f.df, 1e-9);
    }
}

TEST(JunctionCodes, FlankInLineGoesByPrefix) {
    // The sketch and the flank-area fields look at the first characters only.
    EXPECT_EQ(FlankeImVerlauf("LSa_TrennungR1"), 2);
    EXPECT_EQ(FlankeImVerlauf("LSb_ohneTrennung"), 1);
    EXPECT_EQ(FlankeImVerlauf("LSa_unbekannt"), 2);
    EXPECT_EQ(FlankeImVerlauf("KS_TrennungTB"), 0);
    EXPECT_EQ(FlankeImVerlauf("LS"), 0);
    EXPECT_EQ(FlankeImVerlauf(""), 0);
    EXPECT_EQ(StossTypNachPraefix("ts_ohneTrennung"), nullptr);
    EXPECT_TRUE(StossTypNachPraefix("KSx")->durchlaufend);
    EXPECT_EQ(StossVon("KSx"), nullptr);
}

TEST(JunctionCodes, HintsNameTheRooms) {
    EXPECT_EQ(StossHinweis(StossTrennung::R1, "Wohnen", "Flur"),
              "HINWEIS: Flanke in Wohnen ist akustisch entkoppelt - Erhöhte Übertragung über "
              "Flanke in Flur");
    EXPECT_EQ(StossHinweis(StossTrennung::R2, "Wohnen", "Flur"),
              "HINWEIS: Flanke in Flur ist akustisch entkoppelt - Erhöhte Übertragung über "
              "Flanke in Wohnen");
    EXPECT_EQ(StossHinweis(StossTrennung::ohne, "a", "b"),
              "HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch gleichwertig.");
    EXPECT_EQ(StossHinweis(StossTrennung::TB, "a", "b"),
              "HINWEIS: Trennwand ist vom Flankenbauteil entkoppelt - Erhöhte "
              "Flankenübertragung auf Weg Ff.");
    EXPECT_EQ(StossHinweis(StossTrennung::R1R2, "a", "b"),
              "HINWEIS: Verminderte Flankenübertragung durch doppelte akustische Trennung.");
    EXPECT_EQ(StossBeschreibung("LSb_TrennungR1R2"),
              ": Winkel-Stoß B (akustische Trennung beider Flanken)");
    EXPECT_EQ(Daten(StossTyp::WinkelA).auswahl, "Winkel-Stoß  A");
    EXPECT_EQ(Daten(StossTyp::T).auswahl, "T-Stoß ");
    EXPECT_EQ(Daten(StossTyp::WinkelB).stossart, "Winkelstoß");
}

}  // namespace
}  // namespace phonikon
