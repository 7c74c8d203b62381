// The command-line tables and the texts written from them: --help, manual
// page, bash completion.
#include "app/aufruf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "verzeichnis.h"

namespace af = kal::aufruf;

namespace {

std::vector<const af::Programm*> programme() { return {&af::programm(), &af::kommandozeile()}; }

// The words of an option list as the manual page escapes them.
std::string roffName(const std::string& s) {
    std::string aus;
    for (char c : s) aus += c == '-' ? std::string("\\-") : std::string(1, c);
    return aus;
}

std::string ausgabe(const std::string& cmd) { return kaltest::shellLauf(cmd).out; }

TEST(Aufruf, EveryCommandHasOneRow) {
    for (auto id : {af::BefehlId::Fluid, af::BefehlId::DataCheck, af::BefehlId::Lists,
                    af::BefehlId::Calc, af::BefehlId::Offer}) {
        int zeilen = 0;
        for (const af::Befehl& b : af::kommandozeile().befehle) zeilen += b.id == id;
        EXPECT_EQ(zeilen, 1) << static_cast<int>(id);
    }
}

// Whatever the tables hold reaches all three texts.
TEST(Aufruf, EveryOptionAndCommandIsInEveryText) {
    for (const af::Programm* p : programme()) {
        SCOPED_TRACE(p->name);
        const std::string hilfe = af::hilfe(*p), man = af::manSeite(*p, "9.9");
        const std::string bash = af::bashVervollstaendigung(*p);
        std::vector<const af::Option*> optionen;
        for (const af::Option& o : p->optionen) optionen.push_back(&o);
        for (const af::Befehl& b : p->befehle) {
            EXPECT_NE(hilfe.find(std::string("  ") + b.name), std::string::npos) << b.name;
            EXPECT_NE(man.find(std::string("\\fB") + roffName(b.name) + "\\fR"), std::string::npos)
                << b.name;
            EXPECT_NE(bash.find(std::string(" ") + b.name + ")"), std::string::npos) << b.name;
            for (const af::Option& o : b.optionen) optionen.push_back(&o);
        }
        for (const af::Option* o : optionen) {
            EXPECT_NE(hilfe.find(o->name), std::string::npos) << o->name;
            EXPECT_NE(man.find("\\fB" + roffName(o->name) + "\\fR"), std::string::npos) << o->name;
            if (p == &af::kommandozeile()) {
                EXPECT_NE(bash.find(o->name), std::string::npos) << o->name;
            }
        }
        for (const af::Eintrag& e : p->austritte) {
            EXPECT_NE(hilfe.find(std::string("  ") + e.name + "  "), std::string::npos);
            EXPECT_NE(man.find(std::string(".TP\n\\fB") + e.name + "\\fR"), std::string::npos);
        }
    }
}

TEST(Aufruf, HelpFitsATerminal) {
    for (const af::Programm* p : programme()) {
        std::istringstream zeilen(af::hilfe(*p));
        for (std::string z; std::getline(zeilen, z);) EXPECT_LE(z.size(), 79u) << z;
    }
}

// Only our macros start a line, and no raw hyphen is left for roff to
// turn into a typographic one.
TEST(Aufruf, ManualPageIsCleanRoff) {
    for (const af::Programm* p : programme()) {
        const std::string man = af::manSeite(*p, "3.26");
        EXPECT_EQ(man.rfind(".TH ", 0), 0u);
        std::istringstream zeilen(man);
        for (std::string z; std::getline(zeilen, z);) {
            if (z.empty() || (z[0] != '.' && z[0] != '\'')) continue;
            const std::string makro = z.substr(0, z.find(' '));
            EXPECT_TRUE(makro == ".TH" || makro == ".SH" || makro == ".TP" || makro == ".PP" ||
                        makro == ".RS" || makro == ".RE")
                << z;
        }
        for (size_t i = man.find('-'); i != std::string::npos; i = man.find('-', i + 1))
            EXPECT_EQ(man[i - 1], '\\') << man.substr(i - 10, 20);
    }
}

// groff (from man-db's groff-base) reports what man would trip over.
TEST(Aufruf, ManualPageFormatsWithoutWarnings) {
    if (!std::filesystem::exists("/usr/bin/groff")) GTEST_SKIP() << "no groff";
    kaltest::TempDir dir;
    for (const af::Programm* p : programme()) {
        dir.schreibe("seite.1", af::manSeite(*p, "3.26"));
        const std::string out =
            ausgabe("groff -man -Tutf8 -ww -z " + dir.pfad("seite.1") + " 2>&1");
        EXPECT_EQ(out, "") << p->name;
    }
}

TEST(Aufruf, ReadingOptions) {
    const auto& optionen = af::kommandozeile().optionen;
    af::Gelesen g = af::lies(optionen, {"--werksmodus", "--appdir", "d", "calc", "-h", "f"}, true);
    EXPECT_EQ(g.fehler, "");
    EXPECT_EQ(g.optionen.size(), 2u);
    EXPECT_EQ(g.optionen["--appdir"], "d");
    EXPECT_EQ(g.optionen.count("--werksmodus"), 1u);
    EXPECT_EQ(g.positionen, (std::vector<std::string>{"calc", "-h", "f"}));

    g = af::lies(optionen, {"x", "-h", "y"});
    EXPECT_EQ(g.optionen.count("--help"), 1u);
    EXPECT_EQ(g.positionen, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(af::lies(optionen, {"--appdir"}).fehler, "--appdir needs DIR");
    EXPECT_EQ(af::lies(optionen, {"--bogus"}).fehler, "unknown option --bogus");
}

TEST(Aufruf, UsageLinesNameEveryOption) {
    EXPECT_EQ(af::nutzung(af::kommandozeile(), af::befehl(af::BefehlId::Calc)),
              "usage: kalvoria-cli calc FILE [--actions FILE] [--answer FILE] [--reply ANSWER] "
              "[--point FILE] [--alternatives N] [--json] [--save OUT] [--curve OUT]");
    EXPECT_EQ(af::nutzung(af::kommandozeile(), af::befehl(af::BefehlId::Lists)),
              "usage: kalvoria-cli lists [--json]");
}

// The completion run by bash on typed words, in a folder with a project, a
// text file and a sub-folder.
TEST(Aufruf, BashCompletesCommandsOptionsAndFiles) {
    kaltest::TempDir dir;
    dir.schreibe("skript", af::bashVervollstaendigung(af::kommandozeile()));
    dir.schreibe("a.kal", "");
    dir.schreibe("b.txt", "");
    std::filesystem::create_directories(dir.pfad("sub"));
    struct Fall {
        const char* woerter;  // the last one is being completed
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"kalvoria-cli ca", "calc"},
        {"kalvoria-cli ''", "fluid data-check lists calc offer quote"},
        {"kalvoria-cli --appdir /x o", "offer"},
        {"kalvoria-cli --", "--help --version --appdir --werksmodus"},
        {"kalvoria-cli --werksmodus offer a.kal --p", "--pdf"},
        {"kalvoria-cli calc ''", "a.kal sub"},
        {"kalvoria-cli offer a.kal --out ''", "sub"},
        {"kalvoria-cli offer a.kal --choices b", "b.txt"},
        {"kalvoria-cli calc --alternatives ''", ""},
        {"kalvoria-cli --appdir s", "sub"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.woerter);
        dir.schreibe("lauf",
                     ". ./skript\nCOMP_WORDS=(" + std::string(f.woerter) +
                         ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_kalvoria_cli\n"
                         "printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort | tr '\\n' ' '\n");
        const std::string cmd = "cd " + dir.dir() + " && bash ./lauf 2>&1";
        std::string out = ausgabe(cmd);
        std::vector<std::string> erwartet;
        std::istringstream w(f.erwartet);
        for (std::string x; w >> x;) erwartet.push_back(x);
        std::sort(erwartet.begin(), erwartet.end());
        std::string soll;
        for (const std::string& x : erwartet) soll += x + " ";
        if (erwartet.empty()) soll = " ";
        EXPECT_EQ(out, soll);
    }
}

}  // namespace
