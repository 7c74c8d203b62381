#include "engine/berechnung.h"

#include "engine/pruefung.h"
#include "engine/suche.h"

namespace kal::engine {

Berechnungsbericht berechnen(const Rechenkontext& k, Berechnungsfall fall, Plattencaches* caches) {
    return berechnen(k, std::move(fall), caches, nullptr);
}

Berechnungsbericht berechnen(const Rechenkontext& k, Berechnungsfall fall, Plattencaches* caches,
                             Weiterepunkte* weitere) {
    Berechnungsbericht b;
    Meldungen meldungen;
    // A run stopped by a refused entry shows no result, whatever an earlier
    // run left in the case.
    fall.suche.ergebnisVorhanden = fall.suche.ergebnisAngezeigt = false;
    const bool geprueft = (fall.eingaben.berechnungsart != 1 ||
                           pruefeKombination(k.data, fall.eingaben, meldungen)) &&
                          pruefeEingaben(k, fall, meldungen, b.ergaenzt);
    if (geprueft) {
        b.geprueft = fall;
        Suche suche(k, meldungen);
        suche.cachesIn(caches);
        if (fall.eingaben.berechnungsart == 0) suche.weiterePunkteIn(weitere);
        suche.fuehreBerechnungAus(fall);
        b.status = Statuszeile{fall.suche.ergebnisAngezeigt ? "ergebnis" : "keinergebnis",
                               fall.suche.anzahlBerechnungen};
    }
    b.ergebnisVorhanden = fall.suche.ergebnisAngezeigt;
    b.meldungen = meldungen.abgeben();
    b.fall = std::move(fall);
    return b;
}

}  // namespace kal::engine
