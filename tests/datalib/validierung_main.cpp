// kal-validierung [DATA_DIR [REFERENCE_DIR]]: the validation tables as
// README.md shows them; exit 1 when a deviation exceeds its tolerance.
#include <cstdio>

#include "validierung.h"

int main(int argc, char** argv) {
    const std::string daten = argc > 1 ? argv[1] : KAL_DIST_DEFAULT "/data/";
    const std::string referenz = argc > 2 ? argv[2] : KAL_REFERENZ_DIR;
    const Data d(daten);
    for (const auto& f : d.getFehler()) std::fprintf(stderr, "%s\n", f.c_str());
    const auto stoffe = kaltest::validierung::stoffe(d, referenz);
    const auto spalttypen = kaltest::validierung::spalttypen(d);
    std::fputs(kaltest::validierung::markdown(stoffe, spalttypen).c_str(), stdout);
    int rc = d.istGueltig() ? 0 : 1;
    for (const auto* liste : {&stoffe, &spalttypen})
        for (const auto& b : *liste)
            if (!b.inToleranz()) rc = 1;
    return rc;
}
