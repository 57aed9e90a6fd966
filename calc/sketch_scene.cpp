// The situation sketch: two cut-open room boxes in cabinet projection with the separating element
// between them. Every shape has fixed pixel coordinates on the 371 × 359 picture; this file only
// decides which shapes are drawn, in which order and in which colours, and places the labels.
#include "calc/sketch_scene.h"

#include <initializer_list>
#include <string_view>

#include "calc/junction_codes.h"

namespace phonikon {
namespace {

struct Umriss {
    bool rechteck = false;
    int anzahl = 0;
    std::array<Punkt, 7> p{};
};

constexpr Umriss Vieleck(std::initializer_list<Punkt> punkte) {
    Umriss u;
    for (const Punkt& q : punkte) u.p[u.anzahl++] = q;
    return u;
}

// Right and bottom edge excluded, as with the rectangles of the room's rear wall.
constexpr Umriss Rechteck(Punkt a, Punkt b) {
    Umriss u;
    u.rechteck = true;
    u.anzahl = 2;
    u.p[0] = a;
    u.p[1] = b;
    return u;
}

// A face of the room-1 box; the room-2 box is the same shifted 200 pixels to the right.
struct Flankenform {
    Umriss vs, schatten, element;
    bool vsVorne;  // lining drawn in front of the element (rear wall, floor) or behind it
};

constexpr int kRaum2Versatz = 200;

constexpr std::array<Flankenform, 5> kFlanken = {{
    {},
    // Flank 1: front face, an L-shaped cut-away so the room can be seen into.
    {Vieleck({{10, 123}, {100, 123}, {100, 173}, {110, 173}, {110, 223}, {10, 223}}),
     Vieleck({{12, 120}, {62, 120}, {62, 168}, {112, 168}, {112, 220}, {12, 220}}),
     Vieleck({{10, 120}, {60, 120}, {60, 170}, {110, 170}, {110, 222}, {10, 222}}), false},
    // Flank 2: ceiling.
    {Vieleck({{10, 120}, {100, 120}, {120, 100}, {130, 100}, {150, 80}, {50, 80}}),
     Vieleck({{12, 122}, {62, 122}, {82, 102}, {130, 102}, {150, 82}, {50, 80}, {10, 120}}),
     Vieleck({{10, 120}, {60, 120}, {80, 100}, {130, 100}, {150, 80}, {50, 80}}), false},
    // Flank 3: rear wall.
    {Rechteck({50, 80}, {140, 180}), Rechteck({50, 80}, {150, 180}), Rechteck({48, 82}, {148, 182}),
     true},
    // Flank 4: floor.
    {Vieleck({{10, 220}, {100, 220}, {140, 180}, {50, 180}}),
     Vieleck({{10, 222}, {110, 222}, {150, 182}, {50, 182}}),
     Vieleck({{10, 220}, {110, 220}, {150, 180}, {50, 180}}), true},
}};

// A panel between the two boxes with a lining on either side: the separating element itself and
// the pieces of a wall that runs on through a junction.
struct Scheibe {
    Umriss vs1, schatten, element, vs2;
};

constexpr Scheibe kTrennbauteil = {
    Vieleck({{153, 120}, {153, 220}, {193, 180}, {193, 80}}),
    Vieleck({{158, 120}, {158, 220}, {198, 180}, {198, 80}}),
    Vieleck({{160, 120}, {160, 220}, {200, 180}, {200, 80}}),
    Vieleck({{165, 120}, {165, 220}, {205, 180}, {205, 80}}),
};

constexpr std::array<Scheibe, 5> kStossstuecke = {{
    {},
    // Flank 1: through the front.
    {Vieleck({{148, 155}, {148, 225}, {128, 245}, {128, 175}}),
     Vieleck({{153, 155}, {153, 225}, {133, 245}, {133, 175}}),
     Vieleck({{155, 155}, {155, 225}, {135, 245}, {135, 175}}),
     Vieleck({{159, 155}, {159, 225}, {139, 245}, {139, 175}})},
    // Flank 2: above.
    {Vieleck({{154, 50}, {154, 110}, {194, 70}, {194, 10}}),
     Vieleck({{158, 50}, {158, 110}, {198, 70}, {198, 10}}),
     Vieleck({{160, 50}, {160, 110}, {200, 70}, {200, 10}}),
     Vieleck({{164, 50}, {164, 110}, {204, 70}, {204, 10}})},
    // Flank 3: behind.
    {Vieleck({{201, 70}, {201, 170}, {221, 150}, {221, 50}}),
     Vieleck({{205, 70}, {205, 170}, {225, 150}, {225, 50}}),
     Vieleck({{207, 70}, {207, 170}, {227, 150}, {227, 50}}),
     Vieleck({{210, 70}, {210, 170}, {230, 150}, {230, 50}})},
    // Flank 4: below.
    {Vieleck({{154, 230}, {154, 290}, {194, 250}, {194, 190}}),
     Vieleck({{158, 230}, {158, 290}, {198, 250}, {198, 190}}),
     Vieleck({{160, 230}, {160, 290}, {200, 250}, {200, 190}}),
     Vieleck({{164, 230}, {164, 290}, {204, 250}, {204, 190}})},
}};

// The flank faces of each room box are drawn in this order, back to front.
constexpr std::array<int, 4> kFlankenReihenfolge = {4, 3, 1, 2};

void Hinzufuegen(std::vector<SkizzenForm>& formen, const Umriss& u, Farbe fuellung, Farbe rand,
                 int dx = 0) {
    SkizzenForm& f = formen.emplace_back();
    f.rechteck = u.rechteck;
    f.anzahl = u.anzahl;
    for (int k = 0; k < u.anzahl; ++k) f.p[k] = {u.p[k].x + dx, u.p[k].y};
    f.fuellung = fuellung;
    f.rand = rand;
}

bool HatVorsatzschale(const Projekt& p, int zeile, int spalte) {
    return !p.Fenster.edit_VS[zeile][spalte].empty();
}

void FlankeZeichnen(Projekt& p, int flanke, int spalte) {
    const Flankenform& form = kFlanken[flanke];
    const Skizzenfarben_t& f = p.Farben;
    auto& formen = p.SkizzenBild.formen;
    const int dx = spalte == 2 ? kRaum2Versatz : 0;
    const Farbe rand = f.FarbeRand[flanke][spalte];
    const bool vs = HatVorsatzschale(p, flanke, spalte);
    if (vs && !form.vsVorne) Hinzufuegen(formen, form.vs, f.FarbeVS[flanke][spalte], rand, dx);
    Hinzufuegen(formen, form.schatten, f.FarbeSchatten[flanke][spalte], rand, dx);
    Hinzufuegen(formen, form.element, f.FarbeElement[flanke][spalte], rand, dx);
    if (vs && form.vsVorne) Hinzufuegen(formen, form.vs, f.FarbeVS[flanke][spalte], rand, dx);
}

void RaumZeichnen(Projekt& p, int spalte) {
    // A corner junction replaces the face of the room whose flank element lies in line with the
    // separating element by the junction piece.
    const Farbe hervorhebung = spalte == 1 ? kNavy : kGruen;
    for (int i : kFlankenReihenfolge) {
        if (FlankeImVerlauf(p.Stoss[i]) == spalte) continue;
        if (p.AktSeite == i) p.Farben.FarbeElement[i][spalte] = hervorhebung;
        FlankeZeichnen(p, i, spalte);
    }
}

// The part of a wall that runs on through the junction of a cross or corner junction. It takes
// the colours of the flank's room-1 element; its fill colour is changed in the state itself.
void StossstueckZeichnen(Projekt& p, int flanke) {
    const StossTypDaten* typ = StossTypNachPraefix(p.Stoss[flanke]);
    if (typ && !typ->durchlaufend && typ->raumImVerlauf == 0) return;  // T junction: no piece
    const bool lsa = typ && typ->raumImVerlauf == 2;
    const bool lsb = typ && typ->raumImVerlauf == 1;
    Skizzenfarben_t& f = p.Farben;
    Farbe& fuellung = f.FarbeElement[flanke][1];
    if (typ && typ->durchlaufend)
        fuellung = kGrau;
    else if (lsa && p.AktSeite == flanke)
        fuellung = kGruen;
    else if (lsb && p.AktSeite == flanke)
        fuellung = kNavy;

    const Scheibe& s = kStossstuecke[flanke];
    auto& formen = p.SkizzenBild.formen;
    const Farbe rand = f.FarbeRand[flanke][1];
    if (lsb && HatVorsatzschale(p, flanke, 1))
        Hinzufuegen(formen, s.vs1, f.FarbeVS[flanke][1], rand);
    Hinzufuegen(formen, s.schatten, f.FarbeSchatten[flanke][1], rand);
    Hinzufuegen(formen, s.element, fuellung, rand);
    if (lsa && HatVorsatzschale(p, flanke, 2))
        Hinzufuegen(formen, s.vs2, f.FarbeVS[flanke][2], rand);
}

void TrennbauteilZeichnen(Projekt& p) {
    const Skizzenfarben_t& f = p.Farben;
    auto& formen = p.SkizzenBild.formen;
    const Farbe rand = f.FarbeRand[0][0];
    if (HatVorsatzschale(p, 0, 1)) Hinzufuegen(formen, kTrennbauteil.vs1, f.FarbeVS[0][1], rand);
    Hinzufuegen(formen, kTrennbauteil.schatten, f.FarbeSchatten[0][0], rand);
    Hinzufuegen(formen, kTrennbauteil.element, f.FarbeElement[0][0], rand);
    if (HatVorsatzschale(p, 0, 2)) Hinzufuegen(formen, kTrennbauteil.vs2, f.FarbeVS[0][2], rand);
}

// The labels are rebuilt at every keystroke: reuse the strings of the previous run.
class Beschriftung {
  public:
    explicit Beschriftung(std::vector<SkizzenText>& texte) : texte_(texte) {}
    ~Beschriftung() { texte_.resize(n_); }

    template <class... Teile>
    void Text(int x, int y, Farbe schrift, Farbe hintergrund, const Teile&... teile) {
        if (n_ == texte_.size()) texte_.emplace_back();
        SkizzenText& t = texte_[n_++];
        t.x = x;
        t.y = y;
        t.schrift = schrift;
        t.hintergrund = hintergrund;
        t.text.clear();
        (t.text.append(teile), ...);
    }

  private:
    std::vector<SkizzenText>& texte_;
    std::size_t n_ = 0;
};

void RaumBeschriften(const Projekt& p, Beschriftung& b, int raum, Punkt name) {
    const Farbe farbe = raum == 1 ? kNavy : kGruen;
    const long double volumen = raum == 1 ? p.V_Raum1 : p.V_Raum2;
    b.Text(name.x, name.y, farbe, kWeiss, p.Fenster.edit_room[raum]);
    if (volumen > 0) {
        const std::string& vol = raum == 1 ? p.Fenster.edit_Vol1 : p.Fenster.edit_Vol2;
        b.Text(name.x, name.y + 15, farbe, kWeiss, raum == 1 ? "(V1 = " : "(V2 = ", vol, " m³)");
    }
}

// Flank 1 and 2 are labelled on their room-1 face, or on the room-2 face where a corner junction
// "LSb" has taken the room-1 face away; the flank of the active page is shown highlighted.
void FlankeBeschriften(const Projekt& p, Beschriftung& b, int flanke, Punkt normal, Punkt lsb) {
    const bool aktiv = p.AktSeite == flanke;
    const Farbe schrift = aktiv ? kSilber : kSchwarz;
    const std::string& name = p.Fenster.edit_Flanke[flanke];
    if (FlankeImVerlauf(p.Stoss[flanke]) == 1)
        b.Text(lsb.x, lsb.y, schrift, p.Farben.FarbeElement[flanke][2], " ", name, " ");
    else
        b.Text(normal.x, normal.y, schrift, aktiv ? kNavy : p.Farben.FarbeElement[flanke][1], " ",
               name, " ");
}

void LegendenKasten(std::vector<SkizzenForm>& legende, Punkt a, Punkt b, Farbe fuellung) {
    Hinzufuegen(legende, Rechteck(a, b), fuellung, kSchwarz);
}

bool IrgendeineVorsatzschale(const Projekt& p) {
    if (HatVorsatzschale(p, 0, 1) || HatVorsatzschale(p, 0, 2)) return true;
    for (int i = 1; i <= 4; ++i)
        if (HatVorsatzschale(p, i, 1) || HatVorsatzschale(p, i, 2)) return true;
    return false;
}

void WaagerechtBeschriften(const Projekt& p, Beschriftung& b, std::vector<SkizzenForm>& legende) {
    RaumBeschriften(p, b, 1, {50, 30});
    RaumBeschriften(p, b, 2, {250, 30});
    FlankeBeschriften(p, b, 1, {15, 185}, {225, 190});
    FlankeBeschriften(p, b, 2, {48, 83}, {250, 83});
    const bool lsb4 = FlankeImVerlauf(p.Stoss[4]) == 1;
    b.Text(lsb4 ? 220 : 50, 230, kSchwarz, kWeiss, " ", p.Fenster.edit_Flanke[4], " ");

    if (p.Fenster.AktivesBlatt > 0) {
        LegendenKasten(legende, {30, 315}, {50, 325}, kNavy);
        b.Text(55, 313, kSchwarz, kWeiss, "Flanke ", p.Fenster.edit_room[1]);
        LegendenKasten(legende, {30, 330}, {50, 340}, kGruen);
        b.Text(55, 328, kSchwarz, kWeiss, "Flanke ", p.Fenster.edit_room[2]);
    }
    if (p.Element[0][0].Rw > 0) {
        LegendenKasten(legende, {240, 315}, {260, 325}, kBlau);
        b.Text(265, 313, kSchwarz, kWeiss, "Trennwand");
    }
    if (IrgendeineVorsatzschale(p)) {
        LegendenKasten(legende, {240, 330}, {260, 340}, kOliv);
        b.Text(265, 328, kSchwarz, kWeiss, "Vorsatzschale");
        if (HatVorsatzschale(p, 4, 1) || HatVorsatzschale(p, 4, 2))
            b.Text(265, 340, kSchwarz, kWeiss, "(schw. Estrich)");
    }
}

// The turned picture has room 1 on top and room 2 below; only the rooms and flank 1 are named.
void SenkrechtBeschriften(const Projekt& p, Beschriftung& b) {
    RaumBeschriften(p, b, 1, {20, 20});
    RaumBeschriften(p, b, 2, {20, 215});
    FlankeBeschriften(p, b, 1, {160, 30}, {150, 225});
}

}  // namespace

void Skizzenfarben(Projekt& p) {
    Skizzenfarben_t& f = p.Farben;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            const bool definiert = p.Element[r][c].mFlaeche >= kMindestFlaechenmasse;
            f.FarbeRand[r][c] = kSchwarz;
            f.FarbeElement[r][c] = definiert ? kGrau : kFarbeButtonFace;
            f.FarbeSchatten[r][c] = definiert ? kSchwarz : kFarbeButtonFace;
            f.FarbeVS[r][c] = kOliv;
        }
    }
    if (p.Element[0][0].mFlaeche >= kMindestFlaechenmasse) {
        f.FarbeElement[0][0] = kBlau;
        f.FarbeSchatten[0][0] = kSchwarz;
    }
}

void Skizze_Zeichnen(Projekt& p) {
    Skizze& s = p.SkizzenBild;
    s.formen.clear();
    s.legende.clear();

    RaumZeichnen(p, 1);
    StossstueckZeichnen(p, 3);  // behind the separating element
    TrennbauteilZeichnen(p);
    for (int i : {1, 2, 4}) StossstueckZeichnen(p, i);
    RaumZeichnen(p, 2);

    // The orientation only turns the picture; the calculation does not depend on it.
    s.gedreht = p.Ausrichtung == 1;
    Beschriftung b(s.texte);
    if (s.gedreht)
        SenkrechtBeschriften(p, b);
    else
        WaagerechtBeschriften(p, b, s.legende);
}

}  // namespace phonikon
