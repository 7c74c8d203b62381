// Subcommands of kalvoria-cli. Each takes the arguments after its name and
// returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace kal::cli {

using Args = std::vector<std::string>;

// Exit code when the output would hold a number JSON cannot represent.
constexpr int kNichtDarstellbar = 3;

// A path from the command line as the user meant it: relative to the
// directory the program was started in, also after --appdir changed into
// the installation tree. An empty path stays empty.
std::string vomStart(const std::string& pfad);

struct Befehl {
    const char* name;
    const char* hilfe;
    int (*ausfuehren)(const Args&);
};

int befehlFluid(const Args& args);
int befehlDataCheck(const Args& args);
int befehlLists(const Args& args);
int befehlCalc(const Args& args);
int befehlOffer(const Args& args);

}  // namespace kal::cli
