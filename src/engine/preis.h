// Price, weight, delivery time, hold-up and price code of a pack.
#pragma once

#include <string>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/plattencache.h"

namespace kal::engine {

// List price of n plates with the passes of both sides (rounded pack part +
// rounded frame part); kKeinPreis when a price or the length class is
// missing. `teile` takes the parts.
double listenpreis(const PlattenCache& pc, int n, int serienWarm, int serienKalt,
                   Preisteile* teile = nullptr);
// The same with the customer prices.
double customPreis(const PlattenCache& pc, int n, int serienWarm, int serienKalt,
                   Preisteile* teile = nullptr);
double gewicht(const Data& d, const Falleingaben& e, const PlattenCache& pc, int n);
int lieferzeit(const Data& d, const Falleingaben& e, const PlattenCache& pc, int n);
// Liquid hold-up of a side (litre).
double inhalt(const Suchzustand& s, const PlattenCache& pc, int seite, int serien);
std::string preisCode(const Data& d, const Falleingaben& e, const std::string& name, int n);

}  // namespace kal::engine
