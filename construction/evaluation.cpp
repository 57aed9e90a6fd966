#include "construction/evaluation.h"

#include <initializer_list>

#include "calc/number_text.h"
#include "construction/catalogue.h"
#include "construction/mass_curve.h"

namespace phonikon {

namespace {

void PutzSetzen(int index, long double& roh, long double& d) {
    if (const auto putz = PutzNach(index)) {
        roh = putz->Rohdichte;
        d = putz->Dicke;
    }
}

void KatalogwerteSetzen(Bauteil& b) {
    if (b.Konstrukt == kKonstruktBrevon) {
        PutzSetzen(b.B1, b.roh1, b.d1);
        if (const auto roh = BrevonRohdichte(b.Moertel, b.B2)) b.roh2 = *roh;
        if (const auto d = BrevonDicke(b.B2b)) b.d2 = *d;
        PutzSetzen(b.B3, b.roh3, b.d3);
    } else if (b.Konstrukt == kKonstruktBeton) {
        PutzSetzen(b.B1, b.roh1, b.d1);
        if (const auto roh = BetonRohdichte(b.B2a)) b.roh2 = *roh;
        PutzSetzen(b.B3, b.roh3, b.d3);
    }
}

void NichtNegativ(long double& x) {
    if (x < 0) x = 0;
}

// The corrected value as its one-decimal field text shows it and as it is read back from there.
long double KorrigierterWert(long double RwM, long double abschlag) {
    const long double korrigiert = RwM - abschlag;
    return ParseReal(FormatFixed(korrigiert, 4, 1, '.'), '.').value_or(korrigiert);
}

}  // namespace

Aufbauwerte AufbauAuswerten(Bauteil& b, std::optional<long double> anwenderwert) {
    KatalogwerteSetzen(b);
    for (long double* x : {&b.d1, &b.roh1, &b.d2, &b.roh2, &b.d3, &b.roh3}) NichtNegativ(*x);

    Aufbauwerte w;
    w.ZulassungAngeboten = ZulassungAngeboten(b.Konstrukt, b.d2);
    if (w.ZulassungAngeboten) {
        b.Zulassung1 = b.Zulassung1 == 1 ? 1 : 0;
        b.Zulassung2 = 1 - b.Zulassung1;
    }

    w.mFlaeche = Flaechenmasse(b.roh1, b.d1, b.roh2, b.d2, b.roh3, b.d3);
    if (!MassekurveGueltig(w.mFlaeche)) return w;

    w.RwM = Massekurve(b.Konstrukt, w.mFlaeche, b.roh2);
    w.Abschlag = Abschlag(b.Konstrukt, b.Zulassung1, b.roh2, b.d2);
    if (w.Abschlag > 0) {
        b.RwUser = anwenderwert ? *anwenderwert : KorrigierterWert(w.RwM, w.Abschlag);
        w.Rw = b.RwUser;
    } else {
        w.Rw = w.RwM;
    }
    return w;
}

Aufbauwerte AufbauAuswerten(Bauteil& b) {
    return AufbauAuswerten(b, b.RwUserAktiv == 1 ? std::optional(b.RwUser) : std::nullopt);
}

}  // namespace phonikon
