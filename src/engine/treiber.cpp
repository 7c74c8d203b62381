// The design and rating driver: plate types, channel counts and passes in turn.
#include <algorithm>
#include <cmath>

#include "engine/alternativen.h"
#include "engine/betriebspunkte.h"
#include "engine/hydraulik.h"
#include "engine/preis.h"
#include "engine/suche.h"

namespace kal::engine {

namespace {
// Channel type whose pressure drop bounds the channel count from below,
// and the one whose velocity bounds it from above, when standard types of
// the plate.
constexpr int kSpalttypUntergrenze = kSpalttypGlattester;
constexpr int kSpalttypObergrenze = 1;

// Range of a quantity with a mode list: 0 free, 1 fixed, 2 minimum, 3 maximum.
void modusBereich(int modus, int wert, int& lo, int& hi) {
    if (modus == 1)
        lo = hi = wert;
    else if (modus == 2)
        lo = wert;
    else if (modus == 3)
        hi = wert;
}
}  // namespace

Suche::Suche(const Rechenkontext& kontext, Meldungen& meldungen)
    : k_(kontext), meldungen_(meldungen) {
    // kPa to bar through the base unit
    const Einheit* e1 = einheitAn(k_.data, einheitengruppe::Druck, einheitengruppe::DruckKPa);
    const Einheit* e4 = einheitAn(k_.data, einheitengruppe::Druck, einheitengruppe::DruckBar);
    if (e1 && e4) {
        double a = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(1.0));
        double b = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(0.0));
        if (std::isfinite(a - b) && a - b > 0) druck1ZuDruck4_ = a - b;
    }
}

bool Suche::fuehreBerechnungAus(Berechnungsfall& fall) {
    fall.suche.zuruecksetzen();
    meldungen_.einmalig(fall.eingaben.berechnungsart == 0);
    const Data& d = k_.data;
    const auto& listeA = d.getPlattentypAListe();
    Falleingaben& e = fall.eingaben;

    int maxR = 0;
    for (const auto& a : listeA.alle()) maxR = std::max(maxR, a.getReihenfolge());
    e.maxReihenfolge = maxR;
    const PlattentypA* gewaehlt = listeA.internalGetForObjectId(e.plattentyp);
    int rLo = -1, rHi = maxR;
    modusBereich(e.plattentypModus, gewaehlt ? gewaehlt->getReihenfolge() : -1, rLo, rHi);
    if (e.plattentypModus != 0 && !gewaehlt) rLo = 1, rHi = 0;  // nothing selected

    std::vector<int> ids = k_.freigegebenePlattentypen;
    if (ids.empty())
        for (const auto& u : d.getPlattentypUListe().alle())
            if (u.getZulaessig()) ids.push_back(u.getObjectId());

    bool weiter = true;
    for (int id : ids) {
        if (!weiter) break;
        const PlattentypA* a = listeA.internalGetForObjectId(id);
        if (!a) continue;
        if ((a->getSicherheitsplatte() != 0) != e.sicherheitsplatte) continue;
        if (a->getReihenfolge() < rLo || a->getReihenfolge() > rHi) continue;
        weiter = plattentypDurchsuchen(fall, *a, id);
    }
    meldungen_.einmalig(false);
    statusBestimmen(fall);
    return weiter;
}

// Every channel count of one plate type; false ends the whole search.
bool Suche::plattentypDurchsuchen(Berechnungsfall& fall, const PlattentypA& a, int id) {
    const Falleingaben& e = fall.eingaben;
    const bool auslegen = e.berechnungsart == 0;
    PlattenCache* gebaut = caches_ ? caches_->finden(k_, e, id) : nullptr;
    if (!gebaut) {
        gebaut = caches_ ? &caches_->anlegen(k_, e, id) : &cache_;
        cacheAufbauen(k_, e, id, *gebaut);
    }
    if (!gebaut->gueltig) return true;  // unusable geometry: never a result
    prandtlCachen(fall, *gebaut);
    if (protokoll_) protokoll_->plattentyp(id);
    const PlattenCache& pc = *gebaut;
    Seitenwerte& w = fall.arbeitswerte.warm;
    Seitenwerte& c = fall.arbeitswerte.kalt;
    w.vKanal = e.warm.volumenstrom / pc.querKanal;
    c.vKanal = e.kalt.volumenstrom / pc.querKanal;
    w.vStutzen = e.warm.volumenstrom / pc.querMaxStutzen;
    c.vStutzen = e.kalt.volumenstrom / pc.querMaxStutzen;
    if (w.vStutzen > w.vStutzenMax || c.vStutzen > c.vStutzenMax) {
        if (auslegen) return true;
        meldungen_.fehler("maxStutzengeschwindigkeit");
        return false;
    }
    if (punkte_ && !punkte_->plattentyp(pc)) return true;
    const int maxS = a.getMaxSpalte();
    int lo = 1, hi = maxS;
    if (e.spaltenModus != 0 && maxS < e.spalten) return true;
    modusBereich(e.spaltenModus, e.spalten, lo, hi);
    const int von = lo, bis = hi;
    if (auslegen && !eingrenzenSpalten(fall, pc, lo, hi)) return true;
    if (punkte_) punkte_->eingrenzen(von, bis, lo, hi);
    for (int f = lo; f <= hi; ++f) {
        const Suchschritt schritt = spaltenzahlDurchsuchen(fall, pc, f);
        if (schritt == Suchschritt::Ende) return false;
        if (schritt == Suchschritt::NaechsterPlattentyp) break;
    }
    return true;
}

// Every pass count of f channels per side.
Suche::Suchschritt Suche::spaltenzahlDurchsuchen(Berechnungsfall& fall, const PlattenCache& pc,
                                                 int f) {
    const Falleingaben& e = fall.eingaben;
    Suchzustand& s = fall.suche;
    const bool auslegen = e.berechnungsart == 0;
    s.qMaxEinseitig = s.qMax = 0.0;
    s.serienSeite[kWarm] = s.serienSeite[kKalt] = 1;
    // dearer than the best pack even in one pass: so is every larger one
    if (auslegen && preisPruefen(s, pc, f, 1, 1)) return Suchschritt::NaechsterPlattentyp;
    int pa = 1, pb = f;
    modusBereich(e.serienModus, e.serien, pa, pb);
    if (e.serienModus != 0 && e.serien > f) return Suchschritt::Weiter;
    for (int p = std::max(pa, 1); p <= pb; ++p) {
        if (f % p != 0 || !s.istErlaubteSpaltenzahl(f / p)) continue;
        const int q = f / p;
        s.serienSeite[kWarm] = s.serienSeite[kKalt] = p;
        s.spaltenJeSerieSeite[kWarm] = s.spaltenJeSerieSeite[kKalt] = q;
        if (auslegen) {
            if (preisPruefen(s, pc, f, p, p)) continue;
            if (!pruefePaket(fall, pc, f, q, p)) return Suchschritt::Ende;
        } else if (!nachrechnenPaket(fall, pc, f, q, p)) {
            return Suchschritt::Ende;
        }
    }
    return Suchschritt::Weiter;
}

// Narrows the channel count of a design by bisection: the lower bound from
// the pressure drop, the upper one from the minimum velocity.
bool Suche::eingrenzenSpalten(Berechnungsfall& fall, const PlattenCache& pc, int& lo, int& hi) {
    const Mediumseite& w = fall.eingaben.warm;
    const Mediumseite& c = fall.eingaben.kalt;
    const Falleingaben& e = fall.eingaben;
    Suchzustand& s = fall.suche;
    int untergrenze = lo, obergrenze = hi;
    if (pc.standard[kSpalttypUntergrenze] && !pc.trevan) {
        int uLo = lo, uHi = hi;
        int m;
        do {
            m = (uLo + uHi) / 2;
            if (preisPruefen(s, pc, m, 1, 1)) {
                uHi = m;
            } else {
                double dpw = 0, dpc = 0, re = 0, v = 0;
                const bool okW = m > 0 && spaltDruckverlust(fall, pc, kWarm, kSpalttypUntergrenze,
                                                            w.volumenstrom / m, 0.0, dpw, re, v);
                const bool okC = m > 0 && spaltDruckverlust(fall, pc, kKalt, kSpalttypUntergrenze,
                                                            c.volumenstrom / m, 0.0, dpc, re, v);
                if (!okW || !okC || dpw > w.druckverlustZul || dpc > c.druckverlustZul)
                    uLo = m;
                else
                    uHi = m;
            }
        } while (uHi - uLo > 1);
        if (preisPruefen(s, pc, m, 1, 1)) return false;
        untergrenze = uLo;
    }
    if (pc.standard[kSpalttypObergrenze] && !pc.trevan && !w.istGas && !c.istGas &&
        e.serienModus == 1 && e.serien >= 1) {
        const Arbeitswerte& a = fall.arbeitswerte;
        int uLo = lo, uHi = hi;
        const double quer = pc.querSpalt[kSpalttypObergrenze];
        do {
            const int mitte = (uLo + uHi) / 2;
            const int q = mitte / e.serien;
            const bool durchstroemt = q > 0 && quer > 0;
            const double vw =
                durchstroemt ? w.volumenstrom / q / quer : kGeschwindigkeitOhneQuerschnitt;
            const double vc =
                durchstroemt ? c.volumenstrom / q / quer : kGeschwindigkeitOhneQuerschnitt;
            if (preisPruefen(s, pc, mitte, e.serien, e.serien) || vw < a.warm.vSpaltMin)
                uHi = mitte;
            else if (vc < a.kalt.vSpaltMin)
                uHi = mitte;
            else
                uLo = mitte;
        } while (uHi - uLo > 1);
        obergrenze = uHi;
    }
    lo = untergrenze;
    hi = obergrenze;
    return true;
}

// True when the pack of f channels per side is dearer than the best one so
// far (nothing to evaluate); a priced pack becomes the candidate.
bool Suche::preisPruefen(Suchzustand& s, const PlattenCache& pc, int f, int sw, int sk) {
    if (!s.ergebnisVorhanden) return false;
    const int n = 2 * f + 1;
    Preisteile lt, ct;
    const double lp = listenpreis(pc, n, sw, sk, &lt);
    customPreis(pc, n, sw, sk, &ct);
    if (lp >= kKeinPreis) return true;
    s.kandidat = lt;
    s.kandidatCustom = ct;
    s.kandidatPlatten = n;
    s.kandidatSerienWarm = sw;
    s.kandidatSerienKalt = sk;
    return lp > (sammler_ ? sammler_->schranke() : s.bestPreis);
}

// Only a stored pack with a price is a result to show.
void Suche::statusBestimmen(Berechnungsfall& fall) {
    Suchzustand& s = fall.suche;
    const bool gespeichert = s.ergebnisAngezeigt && fall.ergebnis.grundpreis > 0 &&
                             fall.ergebnis.grundpreis < kKeinPreis;
    if (!gespeichert) s.ergebnisAngezeigt = false;
}

bool Suchzustand::istErlaubteSpaltenzahl(int q) const {
    return std::binary_search(erlaubteSpaltenJeSerie.begin(), erlaubteSpaltenJeSerie.end(), q);
}

}  // namespace kal::engine
