// Hydraulics: velocity limits, inlet velocity, channel pressure drop and the
// flow distribution over a side's channel types.
#pragma once

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/meldung.h"
#include "engine/paketgedaechtnis.h"
#include "engine/plattencache.h"

namespace kal::engine {

// The channel, nozzle and inlet velocity limits of both sides.
void geschwindigkeitsgrenzen(const Data& d, Berechnungsfall& fall);
// Velocity (m/s) from the port into the f x p channels of a side.
double eintrittsgeschwindigkeit(const PlattenCache& pc, double v, int f, int p);
// (length / hydraulic diameter)^exponent of the channel friction.
double laengenfaktor(double laengeSpalt, double dhSpalt);
// Pressure drop (kPa), Reynolds number and velocity of one channel of type
// `typ` carrying `durchsatz` (m3/s); false on invalid geometry or state.
bool spaltDruckverlust(const Berechnungsfall& fall, const PlattenCache& pc, int seite, int typ,
                       double durchsatz, double muWand, double& dp, double& re, double& v);
// Splits the side's flow over its active channel types until their pressure
// drops agree; the mean pressure drop of a channel in `dpMittel` (kPa). In a
// rating a failure has its message; `paket` (may be null) holds the even
// shares of a design's pack.
bool verteileDurchsatz(Berechnungsfall& fall, const PlattenCache& pc, int seite, int q,
                       double muWand, double& dpMittel, Paketgedaechtnis* paket,
                       Meldungen& meldungen);

}  // namespace kal::engine
