// Validation of the entries, from the rating combination to the working values.
#pragma once

#include <vector>

#include "datalib/data.h"
#include "engine/berechnungsfall.h"
#include "engine/kontext.h"
#include "engine/meldung.h"

namespace kal::engine {

// Rating: the fixed plate type, channels, passes and channel types;
// false after the message of the first check that fails.
bool pruefeKombination(const Data& d, const Falleingaben& e, Meldungen& meldungen);
// The entries completed (the balance, noted in `ergaenzt`) and checked in
// the order of their messages, the working values derived; false after the
// message of the first check that fails.
bool pruefeEingaben(const Rechenkontext& k, Berechnungsfall& fall, Meldungen& meldungen,
                    std::vector<Ergaenzung>& ergaenzt);

}  // namespace kal::engine
