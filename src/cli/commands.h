// Subcommands of kalvoria-cli. Each takes the arguments after its name and
// returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "app/anwendungsverzeichnis.h"
#include "app/aufruf.h"

namespace kal::cli {

using Args = std::vector<std::string>;

// Exit code when the output would hold a number JSON cannot represent.
constexpr int kNichtDarstellbar = 3;

// The usage line of a command, from the command table.
std::string nutzung(aufruf::BefehlId id);

// Paths from the command line are taken from the starting directory.
using kal::vomStart;

int befehlFluid(const Args& args);
int befehlDataCheck(const Args& args);
int befehlLists(const Args& args);
int befehlCalc(const Args& args);
// calc with --point files (`punkte`); `args` the rest of calc's arguments.
int befehlCalcPunkte(const Args& args, const std::vector<std::string>& punkte);
int befehlOffer(const Args& args);
int befehlQuote(const Args& args);

}  // namespace kal::cli
