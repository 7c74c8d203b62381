// The calculation as a library: a case's entries in, a report out. The
// caller acquires the entries and shows the report; the engine reads no
// control and shows nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/berechnungsfall.h"
#include "engine/kontext.h"
#include "engine/meldung.h"

namespace kal::engine {

class Plattencaches;
class Weiterepunkte;

// The status line's parts: a text of section "result" and the count it takes.
struct Statuszeile {
    std::string key;  // "ergebnis" or "keinergebnis"
    double anzahl = 0.0;
};

struct Berechnungsbericht {
    // The case as the run left it: its entries completed by the balance,
    // its working values and, when one was found, its result.
    Berechnungsfall fall;
    bool ergebnisVorhanden = false;    // a priced pack stands in fall.ergebnis: show it
    std::vector<Ergaenzung> ergaenzt;  // entries the balance filled in, in the order found
    std::vector<Meldung> meldungen;    // in the order they arose
    // The status line; none when the run stopped before its search.
    std::optional<Statuszeile> status;
    // The case as validation left it, before the search: where the
    // searches for alternatives start.
    std::optional<Berechnungsfall> geprueft;
};

// "Berechnen" after the acquisition: the rating combination check, the
// validation and the search on `fall`, whose entries are set (the rest is
// what the previous run left). `caches` keeps the plate type caches beyond
// the run (null: built afresh).
Berechnungsbericht berechnen(const Rechenkontext& k, Berechnungsfall fall,
                             Plattencaches* caches = nullptr);
// The same for the first of several operating points of a design: the
// further points `weitere` judge each configuration (null: none).
Berechnungsbericht berechnen(const Rechenkontext& k, Berechnungsfall fall, Plattencaches* caches,
                             Weiterepunkte* weitere);
// The same for entries alone, on a case of its own.
inline Berechnungsbericht berechnen(const Rechenkontext& k, const Falleingaben& e,
                                    Plattencaches* caches = nullptr) {
    Berechnungsfall fall;
    fall.eingaben = e;
    return berechnen(k, std::move(fall), caches);
}

}  // namespace kal::engine
