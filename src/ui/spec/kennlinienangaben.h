// The curve sheet from the engine's performance curves: the figures as
// they are, the pack and the units named.
#pragma once

#include <string>
#include <vector>

#include "datalib/ini.h"
#include "druck/kennlinienblatt.h"
#include "engine/kennlinie.h"

namespace kal {

// `geraetekennstring`: the completed offer's identification, printed with
// the pack.
Kennlinienblattangaben kennlinienblattangaben(const std::vector<engine::Kennlinie>& kurven,
                                              const engine::Berechnungsergebnis& paket,
                                              bool kondensation, const CIniEx& sprache,
                                              const std::string& geraetekennstring = {});

}  // namespace kal
