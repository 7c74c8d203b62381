// The message of a gas entry that the phase check refuses
// (Stoffdaten::pruefeGasphase), for the calculation and the command line.
#pragma once

#include <string>

#include "data.h"
#include "ini.h"

// Key in section "error" of the language file; nullptr for Gasphase::Gas.
const char* gasphaseSchluessel(Gasphase phase);

// The text of that key with its values: the entry's temperature and
// pressure, the fluid and the limit it broke, each already formatted with
// its unit.
std::string gasphaseText(const CIniEx& sprache, Gasphase phase, const std::string& temperatur,
                         const std::string& druck, const std::string& stoff,
                         const std::string& grenze);
