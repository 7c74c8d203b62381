// The message key of a gas entry that the phase check refuses
// (Stoffdaten::pruefeGasphase); its text is gasphaseText (dialoghilfe.h).
#pragma once

#include "datalib/data.h"

// Key in section "error" of the language file; nullptr for Gasphase::Gas.
const char* gasphaseSchluessel(Gasphase phase);
