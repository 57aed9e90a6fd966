// Situation sketch: colours, drawing order, corner and cross junction pieces, labels, legend.
#include "calc/sketch_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace phonikon {
namespace {

// First two corners of shapes the tests look for (room-1 coordinates).
constexpr Punkt kFrontOderDecke[2] = {{10, 120}, {60, 120}};  // told apart by the third corner
constexpr Punkt kRueckwandElement[2] = {{48, 82}, {148, 182}};
constexpr Punkt kRueckwandVS[2] = {{50, 80}, {140, 180}};
constexpr Punkt kTrennbauteil[2] = {{160, 120}, {160, 220}};
constexpr Punkt kStueck1Element[2] = {{155, 155}, {155, 225}};
constexpr Punkt kStueck1VS1[2] = {{148, 155}, {148, 225}};
constexpr Punkt kStueck1VS2[2] = {{159, 155}, {159, 225}};
constexpr Punkt kStueck3Element[2] = {{207, 70}, {207, 170}};

bool Gleich(Punkt a, Punkt b) {
    return a.x == b.x && a.y == b.y;
}

// Index of the shape starting with the two corners (shifted by dx), with the given third corner
// if any; -1 when absent.
int FormIndex(const Skizze& s, const Punkt (&start)[2], int dx = 0, Punkt dritte = {-1, -1}) {
    for (std::size_t i = 0; i < s.formen.size(); ++i) {
        const SkizzenForm& f = s.formen[i];
        if (!Gleich(f.p[0], {start[0].x + dx, start[0].y}) ||
            !Gleich(f.p[1], {start[1].x + dx, start[1].y}))
            continue;
        if (dritte.x >= 0 && !Gleich(f.p[2], {dritte.x + dx, dritte.y})) continue;
        return static_cast<int>(i);
    }
    return -1;
}

// The element shapes of the front face and of the ceiling.
int Front(const Skizze& s, int dx = 0) {
    return FormIndex(s, kFrontOderDecke, dx, {60, 170});
}
int Decke(const Skizze& s, int dx = 0) {
    return FormIndex(s, kFrontOderDecke, dx, {80, 100});
}

const SkizzenText* TextMit(const Skizze& s, const std::string& text) {
    auto it = std::find_if(s.texte.begin(), s.texte.end(),
                           [&](const SkizzenText& t) { return t.text == text; });
    return it == s.texte.end() ? nullptr : &*it;
}

class SkizzeTest : public ::testing::Test {
  protected:
    void Zeichnen() {
        Skizzenfarben(p);
        Skizze_Zeichnen(p);
    }
    void AlleDefinieren() {
        for (auto& zeile : p.Element)
            for (auto& e : zeile) e.mFlaeche = 250;
        p.Element[0][0].Rw = 52;
    }
    const Skizze& s() const { return p.SkizzenBild; }

    Projekt p;
};

TEST_F(SkizzeTest, NeuesProjektZeigtAllesInKnopffarbeOhneFarblegende) {
    Zeichnen();
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(p.Farben.FarbeElement[r][c], kFarbeButtonFace) << r << c;
            EXPECT_EQ(p.Farben.FarbeSchatten[r][c], kFarbeButtonFace) << r << c;
            EXPECT_EQ(p.Farben.FarbeRand[r][c], kSchwarz);
            EXPECT_EQ(p.Farben.FarbeVS[r][c], kOliv);
        }
    }
    // Shadow and element of eight flank faces and the separating element; no linings.
    ASSERT_EQ(s().formen.size(), 18u);
    for (const SkizzenForm& f : s().formen) {
        EXPECT_EQ(f.fuellung, kFarbeButtonFace);
        EXPECT_EQ(f.rand, kSchwarz);
    }
    EXPECT_FALSE(s().gedreht);
    EXPECT_TRUE(s().legende.empty());
    EXPECT_EQ(TextMit(s(), "Trennwand"), nullptr);
    EXPECT_EQ(TextMit(s(), "Vorsatzschale"), nullptr);
    EXPECT_EQ(TextMit(s(), "(V1 = 0,00 m³)"), nullptr);

    const SkizzenText* raum1 = TextMit(s(), "Raum 1");
    ASSERT_NE(raum1, nullptr);
    EXPECT_EQ(raum1->schrift, kNavy);
    EXPECT_EQ(raum1->hintergrund, kWeiss);
    EXPECT_EQ(std::make_pair(raum1->x, raum1->y), std::make_pair(50, 30));
    const SkizzenText* flanke1 = TextMit(s(), " Flanke 1 ");
    ASSERT_NE(flanke1, nullptr);
    EXPECT_EQ(std::make_pair(flanke1->x, flanke1->y), std::make_pair(15, 185));
    EXPECT_EQ(flanke1->hintergrund, kFarbeButtonFace);
    EXPECT_EQ(TextMit(s(), " Flanke 3 "), nullptr);  // the rear wall carries no label
}

TEST_F(SkizzeTest, DefinierteElementeGrauTrennbauteilBlau) {
    p.Element[0][0].mFlaeche = 80;  // the limit counts as defined
    p.Element[2][1].mFlaeche = 79.9L;
    p.Element[2][2].mFlaeche = 400;
    Skizzenfarben(p);
    EXPECT_EQ(p.Farben.FarbeElement[0][0], kBlau);
    EXPECT_EQ(p.Farben.FarbeSchatten[0][0], kSchwarz);
    EXPECT_EQ(p.Farben.FarbeElement[2][1], kFarbeButtonFace);
    EXPECT_EQ(p.Farben.FarbeElement[2][2], kGrau);
    EXPECT_EQ(p.Farben.FarbeSchatten[2][2], kSchwarz);
}

TEST_F(SkizzeTest, SeiteFlanke2HebtDeckenHervorUndZeigtRaumlegende) {
    p.AktSeite = 2;
    p.Fenster.AktivesBlatt = 2;
    p.Fenster.edit_room[1] = "Wohnen";
    Zeichnen();
    ASSERT_GE(Decke(s()), 0);
    ASSERT_GE(Decke(s(), 200), 0);
    EXPECT_EQ(s().formen[Decke(s())].fuellung, kNavy);
    EXPECT_EQ(s().formen[Decke(s(), 200)].fuellung, kGruen);
    EXPECT_EQ(s().formen[Front(s())].fuellung, kFarbeButtonFace);

    const SkizzenText* label = TextMit(s(), " Flanke 2 ");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->schrift, kSilber);
    EXPECT_EQ(label->hintergrund, kNavy);
    EXPECT_EQ(std::make_pair(label->x, label->y), std::make_pair(48, 83));
    EXPECT_EQ(TextMit(s(), " Flanke 1 ")->schrift, kSchwarz);

    ASSERT_EQ(s().legende.size(), 2u);
    EXPECT_EQ(s().legende[0].fuellung, kNavy);
    EXPECT_TRUE(s().legende[0].rechteck);
    EXPECT_TRUE(Gleich(s().legende[0].p[0], {30, 315}) && Gleich(s().legende[0].p[1], {50, 325}));
    EXPECT_EQ(s().legende[1].fuellung, kGruen);
    const SkizzenText* legende1 = TextMit(s(), "Flanke Wohnen");
    ASSERT_NE(legende1, nullptr);
    EXPECT_EQ(std::make_pair(legende1->x, legende1->y), std::make_pair(55, 313));
    ASSERT_NE(TextMit(s(), "Flanke Raum 2"), nullptr);
}

TEST_F(SkizzeTest, KreuzstossAufFlanke3BleibtGrauAuchHervorgehoben) {
    p.Element[0][0].mFlaeche = 250;  // flank 3 itself stays undefined
    p.Stoss[3] = "KS_TrennungR1";
    p.AktSeite = 3;
    Zeichnen();
    const int wand = FormIndex(s(), kRueckwandElement);
    const int stueck = FormIndex(s(), kStueck3Element);
    const int trennbauteil = FormIndex(s(), kTrennbauteil);
    ASSERT_GE(wand, 0);
    ASSERT_GE(stueck, 0);
    EXPECT_EQ(s().formen[wand].fuellung, kNavy);  // the room-1 rear wall itself is highlighted
    EXPECT_EQ(s().formen[stueck].fuellung, kGrau);
    EXPECT_EQ(s().formen[stueck - 1].fuellung, kFarbeButtonFace);  // shadow of the flank element
    EXPECT_LT(stueck, trennbauteil);                               // behind the separating element
    EXPECT_EQ(s().formen[trennbauteil].fuellung, kBlau);
    // The piece's colour is left in the state, as the next drawing without new colours shows.
    EXPECT_EQ(p.Farben.FarbeElement[3][1], kGrau);
    p.AktSeite = 0;
    Skizze_Zeichnen(p);
    EXPECT_EQ(s().formen[FormIndex(s(), kRueckwandElement)].fuellung, kGrau);
    Skizzenfarben(p);
    EXPECT_EQ(p.Farben.FarbeElement[3][1], kFarbeButtonFace);
}

TEST_F(SkizzeTest, TStossZeichnetKeinStueck) {
    Zeichnen();
    EXPECT_EQ(FormIndex(s(), kStueck1Element), -1);
    EXPECT_EQ(FormIndex(s(), kStueck3Element), -1);
}

TEST_F(SkizzeTest, WinkelstossBAufFlanke1ErsetztDieFrontInRaum1) {
    p.Stoss[1] = "LSb_TrennungTB";
    p.AktSeite = 1;
    p.Fenster.edit_VS[1][1] = "GK 12,5 / f = 80Hz";
    p.Fenster.edit_VS[1][2] = "GK 12,5 / f = 80Hz";
    Zeichnen();
    EXPECT_EQ(Front(s()), -1);
    ASSERT_GE(Front(s(), 200), 0);
    EXPECT_EQ(s().formen[Front(s(), 200)].fuellung, kGruen);

    const int stueck = FormIndex(s(), kStueck1Element);
    ASSERT_GE(stueck, 0);
    EXPECT_EQ(s().formen[stueck].fuellung, kNavy);
    const int vs1 = FormIndex(s(), kStueck1VS1);
    ASSERT_GE(vs1, 0);
    EXPECT_LT(vs1, stueck);
    EXPECT_EQ(s().formen[vs1].fuellung, kOliv);
    EXPECT_EQ(FormIndex(s(), kStueck1VS2), -1);  // the room-2 lining belongs to corner A

    const SkizzenText* label = TextMit(s(), " Flanke 1 ");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(std::make_pair(label->x, label->y), std::make_pair(225, 190));
    EXPECT_EQ(label->hintergrund, kGruen);  // the room-2 face it sits on
    EXPECT_EQ(label->schrift, kSilber);
}

TEST_F(SkizzeTest, WinkelstossAErsetztDieFlaecheInRaum2) {
    p.Stoss[1] = "LSa_ohneTrennung";
    p.AktSeite = 1;
    p.Fenster.edit_VS[1][1] = "VS";
    p.Fenster.edit_VS[1][2] = "VS";
    Zeichnen();
    ASSERT_GE(Front(s()), 0);
    EXPECT_EQ(s().formen[Front(s())].fuellung, kNavy);
    EXPECT_EQ(Front(s(), 200), -1);
    const int stueck = FormIndex(s(), kStueck1Element);
    ASSERT_GE(stueck, 0);
    EXPECT_EQ(s().formen[stueck].fuellung, kGruen);
    EXPECT_EQ(FormIndex(s(), kStueck1VS1), -1);
    EXPECT_EQ(FormIndex(s(), kStueck1VS2), stueck + 1);  // in front of the piece
    const SkizzenText* label = TextMit(s(), " Flanke 1 ");
    EXPECT_EQ(std::make_pair(label->x, label->y), std::make_pair(15, 185));
    EXPECT_EQ(label->hintergrund, kNavy);
}

struct Erwartet {
    Punkt a, b;  // first two corners
    Farbe fuellung;
};

void ErwarteFolge(const std::vector<SkizzenForm>& formen, std::size_t ab,
                  const std::vector<Erwartet>& folge) {
    ASSERT_GE(formen.size(), ab + folge.size());
    for (std::size_t k = 0; k < folge.size(); ++k) {
        const SkizzenForm& f = formen[ab + k];
        const Erwartet& e = folge[k];
        EXPECT_TRUE(Gleich(f.p[0], e.a) && Gleich(f.p[1], e.b))
            << "shape " << ab + k << ": (" << f.p[0].x << "," << f.p[0].y << ") (" << f.p[1].x
            << "," << f.p[1].y << ")";
        EXPECT_EQ(f.fuellung, e.fuellung) << "shape " << ab + k;
        EXPECT_EQ(f.rand, kSchwarz) << "shape " << ab + k;
    }
}

std::vector<Erwartet> Verschoben(std::vector<Erwartet> folge, int dx) {
    for (Erwartet& e : folge) e.a.x += dx, e.b.x += dx;
    return folge;
}

// Each box is drawn back to front: floor, rear wall, front, ceiling; linings of floor and rear
// wall in front of the element, of front and ceiling behind it. Room 1, the separating element,
// then room 2.
TEST_F(SkizzeTest, ReihenfolgeDerFlankenflaechen) {
    AlleDefinieren();
    for (auto& zeile : p.Fenster.edit_VS)
        for (auto& vs : zeile) vs = "VS";
    Zeichnen();
    const std::vector<Erwartet> raum = {
        {{10, 222}, {110, 222}, kSchwarz}, {{10, 220}, {110, 220}, kGrau},    // floor
        {{10, 220}, {100, 220}, kOliv},                                       //
        {{50, 80}, {150, 180}, kSchwarz},  {{48, 82}, {148, 182}, kGrau},     // rear wall
        {{50, 80}, {140, 180}, kOliv},                                        //
        {{10, 123}, {100, 123}, kOliv},    {{12, 120}, {62, 120}, kSchwarz},  // front
        {{10, 120}, {60, 120}, kGrau},                                        //
        {{10, 120}, {100, 120}, kOliv},    {{12, 122}, {62, 122}, kSchwarz},  // ceiling
        {{10, 120}, {60, 120}, kGrau},
    };
    const std::vector<Erwartet> trennbauteil = {
        {{153, 120}, {153, 220}, kOliv},
        {{158, 120}, {158, 220}, kSchwarz},
        {{160, 120}, {160, 220}, kBlau},
        {{165, 120}, {165, 220}, kOliv},
    };
    ASSERT_EQ(s().formen.size(), 2 * raum.size() + trennbauteil.size());
    ErwarteFolge(s().formen, 0, raum);
    ErwarteFolge(s().formen, raum.size(), trennbauteil);
    ErwarteFolge(s().formen, raum.size() + trennbauteil.size(), Verschoben(raum, 200));

    // Cross junctions everywhere: the piece behind comes before the separating element, the
    // pieces of the front, the ceiling and the floor after it, all grey, with no lining.
    for (auto& zeile : p.Fenster.edit_VS)
        for (auto& vs : zeile) vs.clear();
    for (int i = 1; i <= 4; ++i) p.Stoss[i] = "KS_ohneTrennung";
    Zeichnen();
    ASSERT_EQ(s().formen.size(), 8u + 10u + 8u);
    ErwarteFolge(s().formen, 8,
                 {{{205, 70}, {205, 170}, kSchwarz},
                  {{207, 70}, {207, 170}, kGrau},
                  {{158, 120}, {158, 220}, kSchwarz},
                  {{160, 120}, {160, 220}, kBlau},
                  {{153, 155}, {153, 225}, kSchwarz},
                  {{155, 155}, {155, 225}, kGrau},
                  {{158, 50}, {158, 110}, kSchwarz},
                  {{160, 50}, {160, 110}, kGrau},
                  {{158, 230}, {158, 290}, kSchwarz},
                  {{160, 230}, {160, 290}, kGrau}});
}

// A corner piece stands for the wall in line with the separating element, but it is painted in
// the colours of the flank's room-1 element; only while its own flank's page is active does it
// take the highlight of the room whose face it replaced.
TEST_F(SkizzeTest, WinkelstueckAbseitsSeinerSeite) {
    constexpr Punkt kStueck2Schatten[2] = {{158, 50}, {158, 110}};
    constexpr Punkt kStueck2Element[2] = {{160, 50}, {160, 110}};
    struct Fall {
        const char* stoss;
        int aktSeite;
        long double m1, m2;  // room-1 and room-2 element of flank 2
        Farbe stueck, schatten;
    };
    const Fall faelle[] = {
        {"LSa_ohneTrennung", 1, 250, 0, kGrau, kSchwarz},
        {"LSa_TrennungR2", 0, 0, 250, kFarbeButtonFace, kFarbeButtonFace},
        {"LSa_ohneTrennung", 2, 250, 0, kGruen, kSchwarz},
        {"LSb_TrennungR1", 4, 250, 0, kGrau, kSchwarz},
        {"LSb_ohneTrennung", 3, 0, 250, kFarbeButtonFace, kFarbeButtonFace},
        {"LSb_ohneTrennung", 2, 0, 250, kNavy, kFarbeButtonFace},
    };
    for (const Fall& f : faelle) {
        Projekt q;
        q.Stoss[2] = f.stoss;
        q.AktSeite = f.aktSeite;
        q.Fenster.AktivesBlatt = f.aktSeite;
        q.Element[2][1].mFlaeche = f.m1;
        q.Element[2][2].mFlaeche = f.m2;
        Skizzenfarben(q);
        Skizze_Zeichnen(q);
        const int stueck = FormIndex(q.SkizzenBild, kStueck2Element);
        ASSERT_GE(stueck, 0) << f.stoss << " " << f.aktSeite;
        EXPECT_EQ(q.SkizzenBild.formen[stueck].fuellung, f.stueck) << f.stoss << " " << f.aktSeite;
        EXPECT_EQ(FormIndex(q.SkizzenBild, kStueck2Schatten), stueck - 1);
        EXPECT_EQ(q.SkizzenBild.formen[stueck - 1].fuellung, f.schatten) << f.stoss;
    }
}

TEST_F(SkizzeTest, VorsatzschalenVorOderHinterDemElement) {
    AlleDefinieren();
    p.Fenster.edit_VS[3][1] = "VS";  // rear wall: in front
    p.Fenster.edit_VS[1][1] = "VS";  // front face: behind
    p.Fenster.edit_VS[0][1] = "VS";
    p.Fenster.edit_VS[0][2] = "VS";
    Zeichnen();
    const int wand = FormIndex(s(), kRueckwandElement);
    EXPECT_EQ(FormIndex(s(), kRueckwandVS), wand + 1);
    EXPECT_EQ(s().formen[wand + 1].fuellung, kOliv);
    const int front = Front(s());
    EXPECT_EQ(s().formen[front - 2].fuellung, kOliv);  // lining, shadow, element
    EXPECT_TRUE(Gleich(s().formen[front - 2].p[0], {10, 123}));
    const int tb = FormIndex(s(), kTrennbauteil);
    EXPECT_TRUE(Gleich(s().formen[tb - 2].p[0], {153, 120}));
    EXPECT_TRUE(Gleich(s().formen[tb + 1].p[0], {165, 120}));
    // Room-2 faces are drawn last; the room-2 rear wall has no lining.
    EXPECT_EQ(FormIndex(s(), kRueckwandVS, 200), -1);
    EXPECT_GT(FormIndex(s(), kRueckwandElement, 200), tb);
}

TEST_F(SkizzeTest, LegendeDerVorsatzschalenUndDesEstrichs) {
    struct Fall {
        int zeile, spalte;
        bool estrich;
    };
    for (const Fall& f :
         {Fall{0, 1, false}, Fall{2, 2, false}, Fall{4, 1, true}, Fall{4, 2, true}}) {
        Projekt q;
        q.Fenster.edit_VS[f.zeile][f.spalte] = "Estrich / f = 70Hz";
        Skizzenfarben(q);
        Skizze_Zeichnen(q);
        const SkizzenText* vs = TextMit(q.SkizzenBild, "Vorsatzschale");
        ASSERT_NE(vs, nullptr) << f.zeile << f.spalte;
        EXPECT_EQ(std::make_pair(vs->x, vs->y), std::make_pair(265, 328));
        ASSERT_EQ(q.SkizzenBild.legende.size(), 1u);
        EXPECT_EQ(q.SkizzenBild.legende[0].fuellung, kOliv);
        const SkizzenText* estrich = TextMit(q.SkizzenBild, "(schw. Estrich)");
        EXPECT_EQ(estrich != nullptr, f.estrich) << f.zeile << f.spalte;
        if (estrich) {
            EXPECT_EQ(std::make_pair(estrich->x, estrich->y), std::make_pair(265, 340));
        }
    }
}

TEST_F(SkizzeTest, TrennwandLegendeNachRw) {
    p.Element[0][0].Rw = 0.1L;
    Zeichnen();
    const SkizzenText* t = TextMit(s(), "Trennwand");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::make_pair(t->x, t->y), std::make_pair(265, 313));
    ASSERT_EQ(s().legende.size(), 1u);
    EXPECT_EQ(s().legende[0].fuellung, kBlau);
}

TEST_F(SkizzeTest, VolumenNurWennVorhanden) {
    p.V_Raum1 = 50;
    p.Fenster.edit_Vol1 = "50,00";
    p.Fenster.edit_Vol2 = "0,00";
    Zeichnen();
    const SkizzenText* v1 = TextMit(s(), "(V1 = 50,00 m³)");
    ASSERT_NE(v1, nullptr);
    EXPECT_EQ(std::make_pair(v1->x, v1->y), std::make_pair(50, 45));
    EXPECT_EQ(v1->schrift, kNavy);
    EXPECT_EQ(TextMit(s(), "(V2 = 0,00 m³)"), nullptr);
}

TEST_F(SkizzeTest, SenkrechteSituationNurRaeumeUndFlanke1) {
    AlleDefinieren();
    p.Ausrichtung = 1;
    p.Fenster.rg_horizontal = false;
    p.Fenster.AktivesBlatt = 2;
    p.Fenster.edit_VS[4][1] = "Estrich";
    p.V_Raum1 = 30;
    p.V_Raum2 = 40;
    p.Fenster.edit_Vol1 = "30";
    p.Fenster.edit_Vol2 = "40";
    Zeichnen();
    EXPECT_TRUE(s().gedreht);
    EXPECT_TRUE(s().legende.empty());
    struct Erwartet {
        std::string text;
        int x, y;
    };
    const Erwartet erwartet[] = {{"Raum 1", 20, 20},
                                 {"(V1 = 30 m³)", 20, 35},
                                 {"Raum 2", 20, 215},
                                 {"(V2 = 40 m³)", 20, 230},
                                 {" Flanke 1 ", 160, 30}};
    ASSERT_EQ(s().texte.size(), std::size(erwartet));
    for (const Erwartet& e : erwartet) {
        const SkizzenText* t = TextMit(s(), e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(std::make_pair(t->x, t->y), std::make_pair(e.x, e.y)) << e.text;
    }
    p.Stoss[1] = "LSb_ohneTrennung";
    Zeichnen();
    const SkizzenText* t = TextMit(s(), " Flanke 1 ");
    EXPECT_EQ(std::make_pair(t->x, t->y), std::make_pair(150, 225));
}

TEST_F(SkizzeTest, WiederholtesZeichnenErsetztDasBild) {
    p.Fenster.AktivesBlatt = 1;
    p.Fenster.edit_VS[4][2] = "Estrich";
    Zeichnen();
    const Skizze erstes = s();
    Zeichnen();
    EXPECT_EQ(s().formen.size(), erstes.formen.size());
    EXPECT_EQ(s().texte.size(), erstes.texte.size());
    p.Ausrichtung = 1;
    Zeichnen();
    EXPECT_EQ(s().texte.size(), 3u);  // room names and flank 1; no volumes
    EXPECT_EQ(s().formen.size(), erstes.formen.size());
}

}  // namespace
}  // namespace phonikon
