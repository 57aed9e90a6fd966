// The variant study: memo lines and bars, opening and clearing, the axis limits of the three
// charts under the scaling buttons.
#include "variants/variant_study.h"

#include <gtest/gtest.h>

#include "worked_example.h"

namespace phonikon {
namespace {

Projekt MitErgebnis(long double Rw, long double D12, long double D21, const char* name,
                    char sep = ',') {
    Projekt p(sep);
    p.EingabenVollstaendig = 1;
    p.R_w_Bau = Rw;
    p.DnTw_12 = D12;
    p.DnTw_21 = D21;
    p.Fenster.edit_Variante = name;
    return p;
}

TEST(Variantenstudie, ZeileUndBalkenNehmenDieSchwaechereRichtung) {
    Projekt p = MitErgebnis(52.26L, 54.04L, 53.97L, "Variante A");
    Variantenstudie s;
    VariantenOeffnen(p, s);
    EXPECT_EQ(VarianteHinzufuegen(p, s),
              " Variante 1: Variante A  R\u00B4w = 52,3 [dB] / DnT,w = 54,0 [dB]");
    ASSERT_EQ(s.Balken.size(), 1u);
    EXPECT_EQ(s.Balken[0].Nummer, 1);
    EXPECT_EQ(s.Balken[0].Rw, 52.26L);
    EXPECT_EQ(s.Balken[0].DnTw, 53.97L);
    EXPECT_TRUE(s.panel_Grafik_sichtbar);

    // The other direction weaker, then a tie: the direction from room 2 into room 1 counts.
    p.DnTw_12 = 50.04L;
    p.Dezimaltrenner = '.';
    EXPECT_EQ(VarianteHinzufuegen(p, s),
              " Variante 2: Variante A  R\u00B4w = 52.3 [dB] / DnT,w = 50.0 [dB]");
    p.DnTw_21 = p.DnTw_12;
    VarianteHinzufuegen(p, s);
    EXPECT_EQ(s.Balken[2].DnTw, 50.04L);
    EXPECT_EQ(p.AnzahlVarianten, 3);
}

TEST(Variantenstudie, OhneRaumvolumenBleibtDerBalkenBeiNull) {
    // Rooms without volume leave DnT,w at 0 in the calculation.
    Projekt p = test::Beispielprojekt(',', "0", "40");
    p.Fenster.edit_Variante = "ohne V1";
    ASSERT_EQ(p.EingabenVollstaendig, 1);
    Variantenstudie s;
    VariantenOeffnen(p, s);
    const std::string zeile = VarianteHinzufuegen(p, s);
    EXPECT_EQ(zeile.rfind(" Variante 1: ohne V1  R\u00B4w = ", 0), 0u) << zeile;
    EXPECT_TRUE(
        zeile.ends_with(" [dB] / Keine Berechnung für DnT,w möglich - Raumvolumen überprüfen!"))
        << zeile;
    ASSERT_EQ(s.Balken.size(), 1u);
    EXPECT_EQ(s.Balken[0].DnTw, 0);
}

TEST(Variantenstudie, UnvollstaendigeEingabenZaehlenNicht) {
    Projekt p = MitErgebnis(50, 51, 52, "A");
    Variantenstudie s;
    VariantenOeffnen(p, s);
    VarianteHinzufuegen(p, s);
    p.EingabenVollstaendig = 0;
    EXPECT_EQ(VarianteHinzufuegen(p, s),
              " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!");
    EXPECT_EQ(p.AnzahlVarianten, 1);
    EXPECT_EQ(s.Balken.size(), 1u);
    p.EingabenVollstaendig = 1;
    EXPECT_EQ(VarianteHinzufuegen(p, s).rfind(" Variante 2: A", 0), 0u);
}

TEST(Variantenstudie, LoeschenUndWiederOeffnen) {
    Projekt p = MitErgebnis(50, 51, 52, "A");
    Variantenstudie s;
    EXPECT_TRUE(VariantenOeffnen(p, s));
    EXPECT_TRUE(p.VariantenAktiv);
    VarianteHinzufuegen(p, s);
    VarianteHinzufuegen(p, s);

    // Reaching the open study again from the main window keeps it.
    EXPECT_FALSE(VariantenOeffnen(p, s));
    EXPECT_EQ(s.Balken.size(), 2u);

    VariantenLoeschen(p, s);
    EXPECT_FALSE(s.panel_Grafik_sichtbar);
    EXPECT_TRUE(s.Balken.empty());
    EXPECT_EQ(VarianteHinzufuegen(p, s).rfind(" Variante 1: A", 0), 0u);

    // After closing, the next opening starts afresh.
    VariantenSchliessen(p);
    EXPECT_FALSE(p.VariantenAktiv);
    EXPECT_TRUE(VariantenOeffnen(p, s));
    EXPECT_TRUE(s.Balken.empty());
    EXPECT_EQ(p.AnzahlVarianten, 0);
    EXPECT_FALSE(s.panel_Grafik_sichtbar);
}

TEST(Variantenstudie, SchliessenFragtNurBeiText) {
    EXPECT_FALSE(SchliessenMitFrage(""));
    EXPECT_TRUE(SchliessenMitFrage(" "));
    EXPECT_TRUE(SchliessenMitFrage(" Variante 1: A  R\u00B4w = 50,0 [dB]"));
}

void ErwarteAlle(const Variantenstudie& s, Achsenbereich r) {
    for (Diagramm d : kDiagramme) EXPECT_EQ(Bereich(s, d), r) << static_cast<int>(d);
}

TEST(Variantenskalierung, KnoepfeVerschiebenDieGrenzen) {
    struct Fall {
        std::vector<Skalierung> klicks;
        Achsenbereich ergebnis;
    };
    using enum Skalierung;
    const Fall faelle[] = {
        {{}, {0, 70}},
        {{ObenHoch, ObenHoch}, {0, 80}},
        {{UntenRunter}, {0, 70}},  // the lower limit stays at 0
        {{UntenHoch}, {5, 70}},
        {{UntenHoch, UntenRunter, UntenRunter}, {0, 70}},
        {{ObenRunter, ObenRunter}, {0, 60}},
        {std::vector<Skalierung>(14, ObenRunter), {0, 5}},  // stops before the range is empty
        {std::vector<Skalierung>(14, UntenHoch), {65, 70}},
    };
    for (const Fall& f : faelle) {
        Variantenstudie s;
        for (Skalierung k : f.klicks) Skalieren(s, k);
        ErwarteAlle(s, f.ergebnis);
    }
}

TEST(Variantenskalierung, AutomatischFolgtDenBalkenJedesDiagramms) {
    Projekt p = MitErgebnis(52.26L, 54.04L, 53.97L, "A");
    Variantenstudie s;
    VariantenOeffnen(p, s);
    VarianteHinzufuegen(p, s);
    p.R_w_Bau = 61.5L;
    p.DnTw_12 = p.DnTw_21 = 0;  // no volumes
    VarianteHinzufuegen(p, s);

    Skalieren(s, Skalierung::Automatisch);
    EXPECT_EQ(Bereich(s, Diagramm::RwDnTW), (Achsenbereich{0, 70, true}));
    EXPECT_EQ(Bereich(s, Diagramm::Rw), (Achsenbereich{0, 70, true}));
    EXPECT_EQ(Bereich(s, Diagramm::DnTW), (Achsenbereich{0, 60, true}));

    // The automatic range follows a new variant; a button fixes it again, per chart.
    p.R_w_Bau = 72;
    VarianteHinzufuegen(p, s);
    EXPECT_EQ(Bereich(s, Diagramm::Rw).oben, 80);
    Skalieren(s, Skalierung::ObenRunter);
    EXPECT_EQ(Bereich(s, Diagramm::RwDnTW), (Achsenbereich{0, 75, false}));
    EXPECT_EQ(Bereich(s, Diagramm::Rw), (Achsenbereich{0, 75, false}));
    EXPECT_EQ(Bereich(s, Diagramm::DnTW), (Achsenbereich{0, 55, false}));
}

}  // namespace
}  // namespace phonikon
