// kalvoria-cli: the batch front end.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "commands.h"
#include "kal_version.h"

namespace {
using kal::cli::Befehl;

// Where the program was started, once --appdir left it.
std::filesystem::path startverzeichnis;

// New subcommands go here (each in its own file).
const Befehl befehle[] = {
    {"fluid", "fluid NAME T [p] [--json]   properties at T degC (p bar for a gas)",
     kal::cli::befehlFluid},
    {"data-check", "data-check [DIR]            validate a data directory (default data/)",
     kal::cli::befehlDataCheck},
    {"lists", "lists [--json]               the main dialog's selection lists at start",
     kal::cli::befehlLists},
    {"calc",
     "calc FILE [--alternatives N] [--json]\n"
     "                               open a project file and calculate it; --alternatives\n"
     "                               lists the N (1 to 100) best packs besides the result",
     kal::cli::befehlCalc},
    {"offer",
     "offer FILE [--choices F] [--spec S] [--out DIR [--pdf]] [--json]\n"
     "                               calculate, complete the offer item, then (with --spec\n"
     "                               or --out) the specification; --out writes\n"
     "                               DIR/tender.txt and DIR/spec-sheet.txt, --pdf the printouts",
     kal::cli::befehlOffer},
};

}  // namespace

std::string kal::cli::vomStart(const std::string& pfad) {
    if (pfad.empty() || startverzeichnis.empty()) return pfad;
    return (startverzeichnis / pfad).string();  // an absolute path stays as it is
}

namespace {
void hilfe() {
    std::puts(
        "usage: kalvoria-cli [--appdir DIR] COMMAND [ARGS]\n"
        "\n"
        "  --help       this text\n"
        "  --version    program version\n"
        "  --appdir DIR working directory for the run (the installation tree); the\n"
        "               files named after the command stay relative to the current one\n"
        "  --werksmodus factory mode (also KALVORIA_WERKSMODUS=1)\n"
        "\n"
        "commands:");
    for (const auto& b : befehle) std::printf("  %s\n", b.hilfe);
}
}  // namespace

int main(int argc, char** argv) {
    int i = 1;
    for (; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            hilfe();
            return 0;
        }
        if (a == "--version") {
            std::puts("kalvoria " KAL_VERSION);
            return 0;
        }
        if (a == "--werksmodus") {
            setenv("KALVORIA_WERKSMODUS", "1", 1);
            continue;
        }
        if (a == "--appdir") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "--appdir needs a directory\n");
                return 2;
            }
            std::error_code ec;
            if (startverzeichnis.empty()) startverzeichnis = std::filesystem::current_path(ec);
            std::filesystem::current_path(argv[++i], ec);
            if (ec) {
                std::fprintf(stderr, "cannot change to %s: %s\n", argv[i], ec.message().c_str());
                return 2;
            }
            continue;
        }
        break;
    }
    if (i >= argc) {
        hilfe();
        return 2;
    }
    std::string name = argv[i];
    kal::cli::Args args(argv + i + 1, argv + argc);
    for (const auto& b : befehle)
        if (name == b.name) return b.ausfuehren(args);
    std::fprintf(stderr, "unknown command: %s\n", name.c_str());
    hilfe();
    return 2;
}
