// Check of a data set against the roles the design search gives to channel
// type positions (kSpalttypStaerkster, kSpalttypGlattester).
#pragma once

#include <string>
#include <vector>

#include "datalib/data.h"

// One line per plate type and channel type that breaks a role somewhere in
// the Reynolds range: a type with a higher Nusselt law than the one at
// kSpalttypStaerkster, or (plate types without trevanberechnung, whose
// channel count is bounded that way) with a lower friction law than the one
// at kSpalttypGlattester. Empty when the data set keeps both.
std::vector<std::string> pruefeSpalttypRollen(const Data& data);
