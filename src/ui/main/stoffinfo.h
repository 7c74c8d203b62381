// What a library fluid's data rest on: kind, valid range, basis and the
// source of each property, as the tooltip of the main window's medium lists
// and `kalvoria-cli fluid NAME --info` show it.
#pragma once

#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"

namespace kal {

// One line each, separated by "\n"; texts of section "stoffinfo".
std::string stoffInfo(const Data& data, const CIniEx& sprache, const Stoffdaten& s);

}  // namespace kal
