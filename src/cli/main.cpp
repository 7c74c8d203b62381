// kalvoria-cli: the batch front end.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/anwendungsverzeichnis.h"
#include "app/aufruf.h"
#include "cli/commands.h"
#include "cli/sitzung.h"
#include "version/kal_version.h"

namespace {
namespace af = kal::aufruf;

// New subcommands get their row in the command table (aufruf.cpp) and a
// case here (each in its own file).
int ausfuehren(af::BefehlId id, const kal::cli::Args& args) {
    switch (id) {
        case af::BefehlId::Fluid:
            return kal::cli::befehlFluid(args);
        case af::BefehlId::DataCheck:
            return kal::cli::befehlDataCheck(args);
        case af::BefehlId::Lists:
            return kal::cli::befehlLists(args);
        case af::BefehlId::Calc:
            return kal::cli::befehlCalc(args);
        case af::BefehlId::Offer:
            return kal::cli::befehlOffer(args);
        case af::BefehlId::Quote:
            return kal::cli::befehlQuote(args);
    }
    return 2;
}

}  // namespace

std::string kal::cli::nutzung(af::BefehlId id) {
    return af::nutzung(af::kommandozeile(), af::befehl(id));
}

namespace {
void hilfe(std::FILE* wohin) { std::fputs(af::hilfe(af::kommandozeile()).c_str(), wohin); }
}  // namespace

int main(int argc, char** argv) {
    const af::Programm& p = af::kommandozeile();
    const af::Gelesen g = af::lies(p.optionen, kal::cli::Args(argv + 1, argv + argc), true);
    if (!g.fehler.empty()) {
        std::fprintf(stderr, "kalvoria-cli: %s\n", g.fehler.c_str());
        return 2;
    }
    if (g.optionen.count("--help")) {
        hilfe(stdout);
        return 0;
    }
    if (g.optionen.count("--version")) {
        std::puts("kalvoria " KAL_VERSION);
        return 0;
    }
    if (g.optionen.count("--werksmodus")) setenv("KALVORIA_WERKSMODUS", "1", 1);
    std::string fehler;
    const auto appdir = g.optionen.count("--appdir") ? g.optionen.at("--appdir") : "";
    const std::optional<std::string> dir =
        kal::anwendungsverzeichnisFestlegen(appdir, argc > 0 ? argv[0] : nullptr, fehler);
    if (!dir) {
        std::fprintf(stderr, "kalvoria-cli: %s\n", fehler.c_str());
        return 2;
    }
    kal::cli::setAnwendungsverzeichnis(*dir);
    if (g.positionen.empty()) {
        hilfe(stderr);
        return 2;
    }
    const std::string& name = g.positionen.front();
    const af::Befehl* b = af::befehl(p, name);
    if (!b) {
        std::fprintf(stderr, "unknown command: %s\n", name.c_str());
        hilfe(stderr);
        return 2;
    }
    return ausfuehren(b->id, kal::cli::Args(g.positionen.begin() + 1, g.positionen.end()));
}
