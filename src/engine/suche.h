// The design and rating search: plate types, channel counts and passes in
// turn, the channel types of each pack, the evaluation of a configuration
// and the cheapest accepted one as the result.
#pragma once

#include "engine/berechnungsfall.h"
#include "engine/kontext.h"
#include "engine/meldung.h"
#include "engine/paketgedaechtnis.h"
#include "engine/plattencache.h"

namespace kal::engine {

class Ablehnungsprotokoll;
class Paketsammler;
class Plattencaches;
class Weiterepunkte;

// What the evaluation of one configuration found, before it is stored.
struct Konfigurationswerte {
    double flaecheJeSerie = 0.0;  // m2
    double alfaWarm = 0.0, alfaKalt = 0.0;
    double druckverlustWarm = 0.0, druckverlustKalt = 0.0;  // kPa, all passes
    double k = 0.0, kRein = 0.0;
    bool kondensiert = false;  // condensing design: the warm outlet follows the pack
    double tAusNeu = 0.0;
};

// The cold channels for the warm side's channel types of `s` (each lies
// between two warm ones).
void spalttypenZweiteSeite(Suchzustand& s, const PlattenCache& pc, int serien);

// The search keeps what it needs between its steps: the plate type cache,
// the memory of the pack under design, the messages said once per run.
class Suche {
public:
    Suche(const Rechenkontext& kontext, Meldungen& meldungen);

    // The search of a validated case; false when a rating check or a fatal
    // condition stopped it.
    bool fuehreBerechnungAus(Berechnungsfall& fall);
    // Second searches (alternativen.cpp): the packs a design accepts go to
    // `s`, bounded by its price limit, instead of the result; or every
    // configuration evaluated goes to `p` and none is accepted. Null: the
    // search of the run.
    void sammelnIn(Paketsammler* s) { sammler_ = s; }
    void protokollierenIn(Ablehnungsprotokoll* p) { protokoll_ = p; }
    // Plate type caches go to and come from `c`, kept beyond the run; null:
    // one cache rebuilt per plate type.
    void cachesIn(Plattencaches* c) { caches_ = c; }
    // A design for several operating points: a configuration is accepted
    // only when the further points `w` keep their limits with it too.
    void weiterePunkteIn(Weiterepunkte* w) { punkte_ = w; }

    // The search of a further operating point, led by the first point's:
    // the pack's checks before its channel types (inlet velocities, quick
    // screening), false when the pack cannot meet this point; then each
    // configuration set in fall.suche judged against this point's limits,
    // nothing stored.
    bool paketZulassen(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    bool konfigurationHalten(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                             bool& fatal);

    // Design of one pack: each permitted type alone, then mixed with each
    // other one; false when a fatal error ends the whole search.
    bool pruefePaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    // One configuration (the channel types of both sides set): true when it
    // was accepted and stored as the new best result.
    bool bewerteKonfiguration(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p,
                              bool& fatal);
    // Rating of one pack with the entered channel counts; false when the
    // rating stopped with a message.
    bool nachrechnenPaket(Berechnungsfall& fall, const PlattenCache& pc, int f, int q, int p);
    // The channel range of a design narrowed by bisection; false when the
    // plate type can be skipped.
    bool eingrenzenSpalten(Berechnungsfall& fall, const PlattenCache& pc, int& lo, int& hi);
    // True when the pack of f channels per side cannot beat the best price
    // (nothing to evaluate); a priced pack becomes the candidate.
    bool preisPruefen(Suchzustand& s, const PlattenCache& pc, int f, int serienWarm,
                      int serienKalt);
    // A stored result with a price: marks the case's result as one to show.
    void ergebnisFreigeben(Berechnungsfall& fall);

private:
    bool schnellpruefungAussichtslos(Berechnungsfall& fall, const PlattenCache& pc, int q, int p);
    bool kondensationReserve(const Berechnungsfall& fall, int p, double aPass, double k,
                             double dpWarm, double& reserve, double& tAusNeu);
    void ergebnisSpeichern(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                           const Konfigurationswerte& w);
    void kondensationUebernehmen(Berechnungsfall& fall, double tAusNeu);
    void paketSammeln(Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                      const Konfigurationswerte& w);
    void konfigurationNotieren(const Berechnungsfall& fall, const PlattenCache& pc, int f, int p,
                               const Konfigurationswerte& w, double reserve);

    enum class Suchschritt { Weiter, NaechsterPlattentyp, Ende };
    bool plattentypDurchsuchen(Berechnungsfall& fall, const PlattentypA& a, int id);
    Suchschritt spaltenzahlDurchsuchen(Berechnungsfall& fall, const PlattenCache& pc, int f);
    void statusBestimmen(Berechnungsfall& fall);

    const Rechenkontext& k_;
    Meldungen& meldungen_;
    double druck1ZuDruck4_ = 0.001;  // kPa -> bar factor (pressure units 1 -> 4)
    PlattenCache cache_;
    Paketgedaechtnis paket_;
    Paketsammler* sammler_ = nullptr;
    Ablehnungsprotokoll* protokoll_ = nullptr;
    Plattencaches* caches_ = nullptr;
    Weiterepunkte* punkte_ = nullptr;
    bool nurPruefen_ = false;  // judging for the first point's search
};

}  // namespace kal::engine
