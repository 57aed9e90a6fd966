#include "calc/formulas.h"

#include <algorithm>
#include <cmath>

#include "calc/junction_codes.h"

namespace phonikon {

long double Potenz(long double b, long double e) {
    return std::exp(e * std::log(b));
}

long double dRw_Vorsatzschale(int f0, long double Rw) {
    long double d = 0;
    if (f0 >= 1 && f0 <= 80) d = 35 - Rw / 2;
    if (f0 >= 81 && f0 <= 100) d = 32 - Rw / 2;
    if (f0 >= 101 && f0 <= 125) d = 30 - Rw / 2;
    if (f0 >= 126 && f0 <= 160) d = 28 - Rw / 2;
    if (f0 >= 161 && f0 <= 200) d = -1;
    // Below 200 Hz a lining never worsens the element: a heavy wall with a low resonance keeps
    // its Rw, and the 161…199 Hz bin ends up at 0, not −1.
    if (f0 < 200 && d < 0) d = 0;
    if (f0 >= 201 && f0 <= 315) d = -3;
    if (f0 >= 316 && f0 <= 400) d = -5;
    if (f0 >= 401 && f0 <= 500) d = -7;
    if (f0 >= 501 && f0 <= 630) d = -9;
    if (f0 >= 631 && f0 <= 1600) d = -10;
    if (f0 > 1600) d = -5;
    return d;
}

long double dR_Kombination(long double a, long double b) {
    return std::max(a, b) + std::min(a, b) / 2;
}

long double Kij_1(long double x) {
    long double M = Lg(x);
    long double K = 8.7L + 17.1L * M + 5.7L * M * M;
    if (K > 12) K = 10.6L + 6.4L * M;
    return K;
}

long double Kij_2(long double x) {
    long double M = Lg(x);
    return 5.7L + 15.4L * M * M;
}

long double Kij_3(long double x) {
    long double M = Lg(x);
    long double K = 5.7L + 14.1L * M + 5.7L * M * M;
    if (K > 9) K = 9.2L + 1.9L * M;
    return K;
}

long double Kij_4(long double x) {
    long double M = Lg(x);
    return 4.7L + 5.7L * M * M;
}

long double Kij_5(long double x) {
    long double M = Lg(x);
    return 2.7L + 2.7L * M * M;
}

long double Kij_6(long double x) {
    long double M = Lg(x);
    return 5 * M * M - 5;
}

namespace {

long double Verhaeltnis(Massenverhaeltnis x, long double mTB, long double m1, long double m2) {
    switch (x) {
        case Massenverhaeltnis::TB_Flanken:
            return 2 * mTB / (m1 + m2);
        case Massenverhaeltnis::Raum1_Winkel:
            return 2 * m1 / (mTB + m2);
        case Massenverhaeltnis::Raum2_Winkel:
            return 2 * m2 / (mTB + m1);
        case Massenverhaeltnis::Raum1_Raum2:
            return m1 / m2;
        case Massenverhaeltnis::Raum1_TB:
            return m1 / mTB;
        case Massenverhaeltnis::Raum2_TB:
            return m2 / mTB;
        case Massenverhaeltnis::keins:
            break;
    }
    return 0;
}

long double Kij(KijRegel regel, long double mTB, long double m1, long double m2) {
    const long double x = Verhaeltnis(regel.x, mTB, m1, m2);
    switch (regel.formel) {
        case KijFormel::Kij1:
            return Kij_1(x);
        case KijFormel::Kij2:
            return Kij_2(x);
        case KijFormel::Kij3:
            return Kij_3(x);
        case KijFormel::Kij4:
            return Kij_4(x);
        case KijFormel::Kij5:
            return Kij_5(x);
        case KijFormel::Kij6:
            return Kij_6(x);
        case KijFormel::Getrennt:
            break;
    }
    return kKijGetrennt;
}

}  // namespace

void Stoss_Kij(Projekt& p) {
    const long double mTB = p.Element[0][0].mFlaeche;
    for (int i = 1; i <= 4; ++i) {
        const StossDaten* stoss = StossVon(p.Stoss[i]);
        if (!stoss) continue;  // unknown code: the flank keeps its previous values
        const long double m1 = p.Element[i][1].mFlaeche;
        const long double m2 = p.Element[i][2].mFlaeche;
        for (int weg = 0; weg < 3; ++weg) p.K_ij[i][weg] = Kij(stoss->kij[weg], mTB, m1, m2);
    }
}

}  // namespace phonikon
