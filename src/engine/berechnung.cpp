// "Berechnen" after the acquisition: check, validate, search, report.
#include "berechnung.h"

#include <cmath>

#include "engine.h"

Rechenkern::Rechenkern(const Rechenkontext& kontext) : k_(kontext) {
    // kPa to bar through the base unit
    const Einheit* e1 = einheitAn(k_.data, einheitengruppe::Druck, einheitengruppe::DruckKPa);
    const Einheit* e4 = einheitAn(k_.data, einheitengruppe::Druck, einheitengruppe::DruckBar);
    if (e1 && e4) {
        double a = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(1.0));
        double b = e4->umrechnenInDieseEinheit(e1->umrechnenInBasisEinheit(0.0));
        if (std::isfinite(a - b) && a - b > 0) druck1ZuDruck4_ = a - b;
    }
}

Berechnungsbericht berechnen(const Rechenkontext& k, Berechnungsfall fall, Plattencaches* caches) {
    Berechnungsbericht b;
    Rechenkern kern(k);
    kern.cachesIn(caches);
    // A run stopped by a refused entry shows no result, whatever an earlier
    // run left in the case.
    fall.suche.ergebnisVorhanden = fall.suche.ergebnisAngezeigt = false;
    const bool geprueft =
        (fall.eingaben.berechnungsart != 1 || kern.pruefeKombination(fall.eingaben)) &&
        kern.pruefeEingaben(fall);
    if (geprueft) {
        b.geprueft = fall;
        kern.fuehreBerechnungAus(fall);
        b.status = Statuszeile{fall.suche.ergebnisAngezeigt ? "ergebnis" : "keinergebnis",
                               fall.suche.anzahlBerechnungen};
    }
    b.ergebnisVorhanden = fall.suche.ergebnisAngezeigt;
    b.meldungen = kern.meldungen().abgeben();
    b.ergaenzt = std::move(kern.ergaenzt());
    b.fall = std::move(fall);
    return b;
}
