// Writes the manual pages of kalvoria and kalvoria-cli and the bash
// completion of kalvoria-cli from the command-line tables, at build time:
//   kal-aufruftexte OUTDIR VERSION
#include <cstdio>
#include <fstream>
#include <string>

#include "aufruf.h"

namespace {
bool schreibe(const std::string& pfad, const std::string& text) {
    std::ofstream aus(pfad, std::ios::binary);
    aus << text;
    aus.close();
    if (aus) return true;
    std::fprintf(stderr, "kal-aufruftexte: cannot write %s\n", pfad.c_str());
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kal-aufruftexte OUTDIR VERSION\n");
        return 2;
    }
    namespace af = kal::aufruf;
    const std::string dir = argv[1], version = argv[2];
    const bool ok =
        schreibe(dir + "/kalvoria.1", af::manSeite(af::programm(), version)) &&
        schreibe(dir + "/kalvoria-cli.1", af::manSeite(af::kommandozeile(), version)) &&
        schreibe(dir + "/kalvoria-cli.bash", af::bashVervollstaendigung(af::kommandozeile()));
    return ok ? 0 : 1;
}
