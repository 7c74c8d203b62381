// Heat balance: the missing flows, temperatures and duty from the given ones.
#pragma once

#include <vector>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/meldung.h"

namespace kal::engine {

// Completes the seven balance quantities from at least five: missing flows,
// then missing temperatures, then the duty, each noted in `ergaenzt`.
// false after a message.
bool bilanzErgaenzen(const Data& d, Berechnungsfall& fall, Meldungen& meldungen,
                     std::vector<Ergaenzung>& ergaenzt);
// A missing temperature of a side: from the known one `tBekannt`, upward
// (richtung +1) or downward (-1) by duty `q` (kW), the properties taken at
// the mean; false after a message.
bool fehlendeTemperatur(const Data& d, Berechnungsfall& fall, int seite, double q, double tBekannt,
                        int richtung, double& t, Meldungen& meldungen);

}  // namespace kal::engine
