// The performance curves of a chosen pack: at each operating point, the
// pack rated over a range of that point's flows.
#pragma once

#include <string>
#include <vector>

#include "engine/betriebspunkte.h"

namespace kal::engine {

// One flow share of a curve. Figures in the units of the curve.
struct Kennlinienpunkt {
    double anteil = 0.0;   // % of the point's flows, both sides scaled together
    bool gueltig = false;  // false: the pack could not be rated there, figures 0
    double leistung = 0.0, austrittWarm = 0.0, austrittKalt = 0.0, dpWarm = 0.0, dpKalt = 0.0;
    std::string grund;  // not valid: the message key that refused it, if any
};

// The display units of a curve's figures, with their names.
struct Kennlinieneinheiten {
    int leistung = 0, temperatur = 0, druck = 0;  // positions in their unit groups
    std::string leistungName, temperaturName, druckName;
};

struct Kennlinie {
    int punkt = 0;  // 0 the first point
    // Ascending shares. At each the inlet temperatures stay and the pack
    // carries what it carries at this point with its surface reserve held
    // back (so the curve passes through the point); a condensing warm side
    // condenses its whole flow.
    std::vector<Kennlinienpunkt> werte;
    Kennlinienpunkt betriebspunkt;            // the pack rated at the point itself (100 %)
    double dpWarmZul = 0.0, dpKaltZul = 0.0;  // allowed pressure drops
    double reserve = 0.0;                     // % surface reserve held along the curve
    Kennlinieneinheiten einheiten;
};

// The units curves are shown in: those of the first point's entries
// (duty, warm outlet, warm allowed loss), so several points share axes.
Kennlinieneinheiten kennlinieneinheiten(const Data& d, const Falleingaben& e);

// The curves of `paket` at each of `punkte`, `stufen` shares from `von`
// to `bis` % each. `caches` as for berechnen().
std::vector<Kennlinie> kennlinienBerechnen(const Rechenkontext& k,
                                           const std::vector<Falleingaben>& punkte,
                                           const Berechnungsergebnis& paket, int stufen = 15,
                                           double von = 50.0, double bis = 120.0,
                                           Plattencaches* caches = nullptr);
// The same for the pack that `bericht` chose for `punkte` (as given to
// betriebspunkteBerechnen); empty when it holds no pack.
std::vector<Kennlinie> kennlinienBerechnen(const Rechenkontext& k,
                                           const std::vector<Falleingaben>& punkte,
                                           const Mehrpunktbericht& bericht, int stufen = 15,
                                           double von = 50.0, double bis = 120.0,
                                           Plattencaches* caches = nullptr);

}  // namespace kal::engine
