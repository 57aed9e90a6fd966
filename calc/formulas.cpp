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

namespace {
long double Lg(long double x) {
    return std::log10(x);
}
}  // namespace

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

void Stoss_Kij(Projekt& p) {
    constexpr long double G = kKijGetrennt;
    const long double mTB = p.Element[0][0].mFlaeche;
    for (int i = 1; i <= 4; ++i) {
        const long double m1 = p.Element[i][1].mFlaeche;
        const long double m2 = p.Element[i][2].mFlaeche;
        const long double tb = 2 * mTB / (m1 + m2);  // separating element against the flank
        const long double la =
            2 * m1 / (mTB + m2);  // corner A: the room-1 flank element meets both
        const long double lb =
            2 * m2 / (mTB + m1);  // corner B: the room-2 flank element meets both
        auto& K = p.K_ij[i];
        auto setze = [&K](long double ff, long double fd, long double df) { K = {ff, fd, df}; };
        switch (StossIndex(p.Stoss[i])) {
            case 0:
                setze(Kij_3(tb), Kij_4(tb), Kij_4(tb));
                break;  // TS_ohneTrennung
            case 1:
                setze(Kij_6(m1 / m2), G, G);
                break;  // TS_TrennungTB
            case 2:
                setze(G, G, Kij_5(m2 / mTB));
                break;  // TS_TrennungR1
            case 3:
                setze(G, Kij_5(m1 / mTB), G);
                break;  // TS_TrennungR2
            case 4:
                setze(G, G, G);
                break;  // TS_TrennungR1R2
            case 5:
                setze(Kij_1(tb), Kij_2(tb), Kij_2(tb));
                break;  // KS_ohneTrennung
            case 6:
                setze(Kij_3(tb), G, G);
                break;  // KS_TrennungTB
            case 7:
                setze(G, G, Kij_4(m2 / mTB));
                break;  // KS_TrennungR1
            case 8:
                setze(G, Kij_4(m1 / mTB), G);
                break;  // KS_TrennungR2
            case 9:
                setze(G, G, G);
                break;  // KS_TrennungR1R2
            case 10:
                setze(Kij_4(la), Kij_4(la), Kij_3(la));
                break;  // LSa_ohneTrennung
            case 11:
                setze(Kij_5(m1 / m2), G, G);
                break;  // LSa_TrennungTB
            case 12:
                setze(G, G, Kij_6(m2 / mTB));
                break;  // LSa_TrennungR1
            case 13:
                setze(G, Kij_5(m1 / mTB), G);
                break;  // LSa_TrennungR2
            case 14:
                setze(G, G, G);
                break;  // LSa_TrennungR1R2
            case 15:
                setze(Kij_4(lb), Kij_3(lb), Kij_4(lb));
                break;  // LSb_ohneTrennung
            case 16:
                setze(Kij_5(m1 / m2), G, G);
                break;  // LSb_TrennungTB
            case 17:
                setze(G, G, Kij_5(m2 / mTB));
                break;  // LSb_TrennungR1
            case 18:
                setze(G, Kij_6(m1 / mTB), G);
                break;  // LSb_TrennungR2
            case 19:
                setze(G, G, G);
                break;  // LSb_TrennungR1R2
            default:
                break;  // unknown code: the flank keeps its previous values
        }
    }
}

}  // namespace phonikon
