// kalvoria-cli calc --alternatives on every golden case and sample: the run
// itself is what `calc --json` recorded, the packs are sorted and the first
// is the result, and a run without a result says why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli.h"
#include "golden.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;
using kaltest::distDir;
using kaltest::Lauf;
using kaltest::liesDatei;

namespace {
Lauf starte(const std::string& args) {
    return kaltest::cliLauf("--appdir " + distDir() + " " + args + " 2>/dev/null");
}

const char* const kGrenzen[] = {"flaechenreserve", "druckverlustWarm", "druckverlustKalt",
                                "vSpaltMinWarm",   "vSpaltMinKalt",    "vSpaltMaxWarm",
                                "vSpaltMaxKalt",   "vStutzenWarm",     "vStutzenKalt",
                                "vEintrittWarm",   "vEintrittKalt"};
}  // namespace

class CliAlternativen : public ::testing::TestWithParam<std::string> {};

TEST_P(CliAlternativen, LaufUnveraendertPaketeSortiertGruendeOhneErgebnis) {
    const Json golden = Json::parse(liesDatei(fs::path(KAL_GOLDEN) / (GetParam() + ".json")));
    Lauf l = starte("calc " + kaltest::goldeneKal(GetParam()) + " --alternatives 10 --json");
    Json j = Json::parse(l.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << l.out;
    const Json pakete = j["alternatives"];
    const Json gruende = j.contains("reasons") ? j["reasons"] : Json::array();
    for (const char* zusatz : {"alternatives", "reasons", "change"}) j.erase(zusatz);
    EXPECT_EQ(j, golden);  // the run, its messages, status and count as without

    const bool ergebnis = golden["ergebnisVorhanden"];
    ASSERT_EQ(pakete.empty(), !ergebnis);
    for (size_t i = 0; i < pakete.size(); ++i) {
        Json p = pakete[i];
        ASSERT_EQ(p["limits"].size(), std::size(kGrenzen));
        int bindend = 0;
        for (size_t g = 0; g < std::size(kGrenzen); ++g) {
            const Json& limit = p["limits"][g];
            EXPECT_EQ(limit["name"], kGrenzen[g]);
            for (const char* feld : {"value", "limit", "margin"})
                EXPECT_TRUE(limit[feld].is_number()) << feld;
            bindend += limit["binding"].get<bool>();
        }
        EXPECT_EQ(bindend, 1);
        p.erase("limits");
        if (i == 0) {
            // the result's pack as rated: a condensing design's figures follow
            // the outlet its pressure drop moved, the rating keeps the entered one
            Json erwartet = golden["ergebnis"];
            if (p["tAusWarm"] != erwartet["tAusWarm"])
                for (const char* feld :
                     {"tAusWarm", "flaechenreserve", "cmtd", "lmtd", "kErf", "foulingIst"})
                    erwartet[feld] = p[feld];
            EXPECT_EQ(p, erwartet);
        } else {
            EXPECT_LE(pakete[i - 1]["grundpreis"].get<double>(), p["grundpreis"].get<double>());
        }
        for (const auto& [feld, wert] : golden["ergebnis"].items())
            EXPECT_TRUE(p.contains(feld)) << feld;
    }
    // no result after a search: the reasons, each with its text
    if (!ergebnis && j["anzahlBerechnungen"].get<double>() > 0) {
        ASSERT_FALSE(gruende.empty());
        for (const Json& g : gruende) {
            EXPECT_FALSE(g["text"].get<std::string>().empty());
            const bool bekannt = g["limit"] == "keinPreis" ||
                                 std::find(std::begin(kGrenzen), std::end(kGrenzen), g["limit"]) !=
                                     std::end(kGrenzen);
            EXPECT_TRUE(bekannt) << g;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Alle, CliAlternativen, ::testing::ValuesIn(kaltest::goldeneFaelle()),
                         [](const auto& info) { return kaltest::testname(info.param); });

TEST(CliAlternativen, TextNenntTabelleGrenzenUndGruende) {
    Lauf mit =
        starte("calc " + kaltest::goldeneKal("examples/water_water_design") + " --alternatives 3");
    EXPECT_EQ(mit.rc, 0);
    const Lauf ohne = starte("calc " + kaltest::goldeneKal("examples/water_water_design"));
    // the usual output first, unchanged
    ASSERT_EQ(mit.out.substr(0, ohne.out.size()), ohne.out);
    const std::string rest = mit.out.substr(ohne.out.size());
    EXPECT_NE(rest.find("\nAlternatives:\n"), std::string::npos) << rest;
    EXPECT_NE(rest.find("\n * 1 "), std::string::npos) << rest;
    EXPECT_NE(rest.find("\n   3 "), std::string::npos) << rest;
    EXPECT_EQ(rest.find("\n   4 "), std::string::npos) << rest;
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '!'), 3) << rest;  // a binding limit each

    Lauf warum =
        starte("calc " + kaltest::goldeneKal("cases/water_dp_too_low") + " --alternatives 3");
    EXPECT_EQ(warum.rc, 1);
    EXPECT_NE(warum.out.find("pressure drop"), std::string::npos) << warum.out;
}

// A US case: the table and the limits in the main window's units, the
// result's row with the figures of its result fields; the JSON in the
// engine's units as "ergebnis".
TEST(CliAlternativen, TextInDenAnzeigeeinheitenDesFalls) {
    const Lauf l =
        starte("calc " + kaltest::goldeneKal("cases/water_us_inch") + " --alternatives 2");
    EXPECT_EQ(l.rc, 0);
    for (const char* zeile :
         {"\n * 1      KX 08          27      1 5 HM+8 LL    1 ML+4 MH+8 LL      21.53     2.67    "
          " "
          "3.63     3.49      4 2959\n",
          "\n    warm pressure drop                   3.63 psi        4 psi     9.3 %\n",
          "\n    warm nozzle velocity                6.82 ft/s    9.84 ft/s    30.7 %\n"})
        EXPECT_NE(l.out.find(zeile), std::string::npos) << zeile << l.out;
    const Lauf j =
        starte("calc " + kaltest::goldeneKal("cases/water_us_inch") + " --alternatives 2 --json");
    const Json r = Json::parse(j.out)["alternatives"].at(0);
    EXPECT_NEAR(r["druckverlustWarm"].get<double>(), 3.63 * 6.894757, 0.05);  // kPa
    EXPECT_NEAR(r["flaeche"].get<double>(), 21.53 * 0.09290304, 0.001);       // m²
}

// The count's range is in the help and in the refusal of a count outside it.
TEST(CliAlternativen, UngueltigeAnzahlIstEinAufruffehler) {
    for (const char* n : {"0", "-1", "abc", "101", "4294967297", ""}) {
        const Lauf l = kaltest::cliLauf("--appdir " + distDir() + " calc " +
                                        kaltest::goldeneKal("examples/water_water_design") +
                                        " --alternatives '" + n + "' 2>&1");
        EXPECT_EQ(l.rc, 2) << n;
        EXPECT_NE(l.out.find("--alternatives takes a whole number from 1 to 100"),
                  std::string::npos)
            << l.out;
    }
    const Lauf hilfe = kaltest::cliLauf("--help");
    EXPECT_NE(hilfe.out.find("--alternatives N"), std::string::npos);
    EXPECT_NE(hilfe.out.find("the N cheapest packs that meet the duty (1 to\n"
                             "                            100)"),
              std::string::npos)
        << hilfe.out;
}
