#include "engine/stoffwerte.h"

#include <cmath>

namespace kal::engine {

namespace {
// A denormal property divides into an infinity further on.
bool positiv(double x) { return std::isnormal(x) && x > 0.0; }
}  // namespace

bool stoffwerte(const Data& d, const Falleingaben& e, int seite, int mediumIndex, double t,
                double p, Stoffwerte& aus, bool temperaturPruefungAus, bool nurWandviskositaet,
                Meldungen& meldungen) {
    const StoffdatenListe& liste = d.getStoffdatenListe();
    const Mediumseite& m = e.seite(seite);
    if (mediumIndex == liste.getSize()) {
        const EigenesMediumDaten& eigen = m.eigenesMediumDaten;
        aus = Stoffwerte{};
        aus.eigenesMedium = true;
        aus.name = eigen.name;
        if (nurWandviskositaet) {
            aus.viskositaet = eigen.viskositaetWand;
        } else {
            aus.viskositaet = eigen.viskositaet;
            aus.dichte = eigen.dichte;
            aus.waermekapazitaet = eigen.waermekapazitaet;
            aus.waermeleitfaehigkeit = eigen.waermeleitfaehigkeit;
            aus.alfaWert = eigen.alfaWert;
        }
        return true;
    }
    const Stoffdaten* s = liste.internalGetAt(mediumIndex);
    if (!s) return true;  // above the list: nothing set
    if (!temperaturPruefungAus && s->IsTemperaturOK(t) == 0) {
        meldungen.fehler("mittltemp");
        return false;
    }
    aus.eigenesMedium = false;
    aus.alfaWert = 0.0;
    aus.name = s->getName();
    // a gas side's properties at its pressure; liquids and vapour at
    // saturation have no pressure tables
    const bool kondensiert = seite == kWarm && m.kondensation;
    const double pGas = m.istGas && !kondensiert ? p : 0.0;
    aus.viskositaet = s->GetViskositaet(t, pGas);
    aus.waermekapazitaet = s->GetWaermekapazitaet(t, pGas);
    aus.waermeleitfaehigkeit = s->GetWaermeleitfaehigkeit(t, pGas);
    if (kondensiert) {
        aus.codeKondensat = s->GetCodeKondensat();
        aus.kondensationsenthalpie = s->GetKondensationsenthalpie(t);
        aus.dampfdruck = s->GetDampfdruck(t);
        aus.dichte = s->GetDichte(t, aus.dampfdruck);
    } else {
        aus.kondensationsenthalpie = 0.0;
        aus.dampfdruck = 0.0;
        aus.dichte = s->GetDichte(t, pGas);
    }
    return true;
}

// Whether the medium is user-defined and its fixed alpha complete the entries.
bool seiteStoffwerte(const Data& d, Berechnungsfall& fall, int seite, double t,
                     Meldungen& meldungen) {
    Mediumseite& m = fall.eingaben.seite(seite);
    Seitenwerte& a = fall.arbeitswerte.seite(seite);
    Stoffwerte w;
    if (!stoffwerte(d, fall.eingaben, seite, m.medium, t, m.gasDruck, w, false, false, meldungen))
        return false;
    m.eigenesMedium = w.eigenesMedium;
    a.name = w.name;
    a.viskositaet = w.viskositaet;
    a.dichte = w.dichte;
    a.waermekapazitaet = w.waermekapazitaet;
    a.waermeleitfaehigkeit = w.waermeleitfaehigkeit;
    a.kondensationsenthalpie = w.kondensationsenthalpie;
    a.dampfdruck = w.dampfdruck;
    m.alfaWert = w.alfaWert;
    a.codeKondensat = w.codeKondensat;
    bool ok = positiv(a.viskositaet) && positiv(a.dichte) && positiv(a.waermekapazitaet) &&
              positiv(a.waermeleitfaehigkeit);
    if (seite == kWarm && m.kondensation && !m.eigenesMedium) {
        Stoffwerte c;
        if (!stoffwerte(d, fall.eingaben, kWarm, a.codeKondensat, t, m.gasDruck, c, false, false,
                        meldungen))
            return false;
        if (!d.getStoffdatenListe().internalGetAt(a.codeKondensat)) c = Stoffwerte{};
        a.kondensat = {c.viskositaet, c.waermeleitfaehigkeit, c.waermekapazitaet, c.dichte};
        ok = ok && positiv(c.viskositaet) && positiv(c.waermeleitfaehigkeit) &&
             positiv(c.waermekapazitaet) && positiv(c.dichte) && positiv(a.kondensationsenthalpie);
    }
    if (!ok) {
        meldungen.fehler("stoffwerteUngueltig");
        return false;
    }
    return true;
}

double wandviskositaet(const Data& d, const Mediumseite& m, double tWand) {
    if (m.medium == d.getStoffdatenListe().getSize()) return m.eigenesMediumDaten.viskositaetWand;
    const Stoffdaten* s = d.getStoffdatenListe().internalGetAt(m.medium);
    // a gas at its pressure, as its bulk viscosity
    return s ? s->GetViskositaet(tWand, m.istGas && !m.kondensation ? m.gasDruck : 0.0) : 0.0;
}

}  // namespace kal::engine
