// Several operating points of one device: the cheapest pack that meets
// every point, or the given pack rated at every point, and the limit that
// binds it.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "engine/alternativen.h"
#include "engine/berechnung.h"
#include "engine/plattencache.h"

namespace kal::engine {

class Suche;

// The choices the points of one design share: they make the device and
// its price. Flows, temperatures, duty, reserve, allowed losses, fouling
// and gas pressures are each point's own; units are the display's.
enum class Geraetewahl {
    Keine,
    Berechnungsart,
    MediumWarm,  // with a user-defined medium its data
    MediumKalt,
    Kondensation,
    MaterialPlatte,
    DichtungWarm,
    DichtungKalt,
    Gestell,
    GestellVariante,
    Druckstufe,
    Plattentyp,  // its mode, and the type where the mode names one
    Spalten,
    Serien,
    Sicherheitsplatte,
    Spalttypen,  // rating: the given channel types and counts
};

// The language key of a choice (section "betriebspunkte").
const char* geraetewahlName(Geraetewahl w);
// The first choice in which `punkt` differs from `erster`; Keine when none.
Geraetewahl abweichendeWahl(const Data& d, const Falleingaben& erster, const Falleingaben& punkt);

// A limit of the chosen pack at one point (0 the first).
struct Punktgrenze {
    int punkt = 0;
    Paketgrenze grenze;
};

struct Mehrpunktbericht {
    // Per point: the first point's run (a design's or a rating's), then for
    // each further point the rating of the chosen pack there. Without a
    // result a further point holds what its validation and the search said.
    std::vector<Berechnungsbericht> punkte;
    bool ergebnisVorhanden = false;  // the pack stands in punkte[0].fall.ergebnis
    // The limits of the pack at each point, and the tightest over all.
    std::vector<Paketgrenzen> grenzen;
    std::optional<Punktgrenze> bindend;
    // A point whose device choices differ: nothing was calculated.
    std::optional<std::pair<int, Geraetewahl>> abweichung;
    std::vector<Meldung> meldungen;  // the refusal of the point list
};

// The design (or rating) of `punkte`, the first holding the device
// choices. With one point the run is exactly that of berechnen().
Mehrpunktbericht betriebspunkteBerechnen(const Rechenkontext& k,
                                         const std::vector<Falleingaben>& punkte,
                                         Plattencaches* caches = nullptr);

// The points after the first while the first point's design search runs:
// each judges, in a search of its own on its validated case, what the first
// accepted. The plate caches of the first are shared; each point keeps its
// own Prandtl terms and pack memory. Nothing here allocates per
// configuration.
class Weiterepunkte {
public:
    Weiterepunkte(const Rechenkontext& k, std::vector<Berechnungsfall> faelle);
    ~Weiterepunkte();
    Weiterepunkte(const Weiterepunkte&) = delete;
    Weiterepunkte& operator=(const Weiterepunkte&) = delete;

    // A plate type begins: false when its nozzles are too fast at a point.
    bool plattentyp(const PlattenCache& pc);
    // The channel range [lo, hi] of a plate type narrowed by each point's
    // own bisection over [von, bis] (what a search for that point alone
    // would try).
    void eingrenzen(int von, int bis, int& lo, int& hi);
    // A pack begins: false when a point refuses it before any channel type
    // (inlet velocity, quick screening).
    bool paket(int f, int q, int p);
    // The configuration set in `s` (channel types of both sides): true when
    // every point keeps its limits; stops at the first that does not.
    // `aussichtslos`: that point missed even its warm-only duty bound;
    // `fatal`: a point ended the search (its message is kept).
    bool erfuellt(const Suchzustand& s, int f, int q, int p, bool& aussichtslos, bool& fatal);

    // What each point's search said (validation aside), in point order.
    std::vector<Meldung> meldungen(size_t punkt);
    size_t anzahl() const { return punkte_.size(); }

private:
    struct Punkt;
    const Rechenkontext& k_;
    std::vector<std::unique_ptr<Punkt>> punkte_;
};

}  // namespace kal::engine
