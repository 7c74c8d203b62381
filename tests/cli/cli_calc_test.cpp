// Black-box tests of kalvoria-cli lists and calc on the shipped samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli.h"
#include "golden.h"
#include "ids/dialog_ids.h"

namespace fs = std::filesystem;
namespace hd = kal::hd;
using Json = nlohmann::json;
using kaltest::distDir;
using kaltest::Lauf;
using kaltest::liesDatei;

namespace {
// The output names controls by their id.
std::string k(int id) { return std::to_string(id); }

Lauf starte(const std::string& args) {
    return kaltest::cliLauf("--appdir " + distDir() + " " + args + " 2>/dev/null");
}

// `datei` relative to the installation tree.
Json calcJson(const std::string& datei) {
    Lauf l = starte("calc " + distDir() + "/" + datei + " --json");
    EXPECT_LE(l.rc, 1) << l.out;
    return Json::parse(l.out, nullptr, false);
}
}  // namespace

// Every sample gives a result whose figures obey the physical identities,
// and the display texts agree with the stored result.
TEST(CliCalc, SamplesGiveConsistentResults) {
    const char* proben[] = {"water_water_design.kal", "glycol_water_rating.kal",
                            "steam_condenser_design.kal", "air_cooler_design.kal",
                            "user_medium_design.kal"};
    for (const char* probe : proben) {
        SCOPED_TRACE(probe);
        Json j = calcJson("examples/" + std::string(probe));
        ASSERT_FALSE(j.is_discarded());
        ASSERT_TRUE(j["ergebnisVorhanden"].get<bool>()) << j["status"];
        EXPECT_TRUE(j["messages"].empty() || std::string(probe) == "air_cooler_design.kal")
            << j["messages"].dump();
        const Json& e = j["ergebnis"];
        const Json& f = j["fall"];
        double soll = f["leistungSoll"], a = e["flaeche"], cmtd = e["cmtd"];
        EXPECT_NEAR(e["kErf"].get<double>(), soll / (a * cmtd), 1e-6 * soll / (a * cmtd));
        EXPECT_LT(e["kRein"].get<double>(), e["alfaWarm"].get<double>());
        EXPECT_LT(e["kRein"].get<double>(), e["alfaKalt"].get<double>());
        EXPECT_GE(e["kRein"].get<double>(), e["kErf"].get<double>());
        EXPECT_NEAR(e["flaechenreserve"].get<double>(),
                    (e["kEff"].get<double>() / e["kErf"].get<double>() - 1) * 100, 0.01);
        // the balance closes within the 5 % the validation allows
        EXPECT_LE(std::abs(f["leistungWarm"].get<double>() - f["leistungKalt"].get<double>()),
                  0.05 * soll);
        EXPECT_EQ(j["anzeige"][k(hd::ErgPlattentyp)], e["plattentypName"]);
        EXPECT_EQ(j["anzeige"][k(hd::ErgSerien)], std::to_string(e["serien"].get<int>()));
        EXPECT_EQ(j["anzeige"][k(hd::ErgSpalten)],
                  std::to_string(e["spaltenGesamt"].get<int>() / 2));
        EXPECT_FALSE(j["status"].get<std::string>().empty());
        EXPECT_GT(j["anzahlBerechnungen"].get<double>(), 0);
        // each side's channel types make up its channels: the cold side of a
        // mixed pack has a further type at the junction, listed as well
        for (const char* seite : {"spalttypenWarm", "spalttypenKalt"}) {
            SCOPED_TRACE(seite);
            int summe = 0;
            for (const Json& p : e[seite]) summe += p[1].get<int>();
            EXPECT_EQ(summe * e["serien"].get<int>(), e["spaltenGesamt"].get<int>() / 2);
        }
    }
}

TEST(CliCalc, RatingSampleKeepsItsTwoChannelTypes) {
    Json j = calcJson("examples/glycol_water_rating.kal");
    ASSERT_TRUE(j["ergebnisVorhanden"].get<bool>());
    EXPECT_EQ(j["ergebnis"]["spalttypenWarm"].size(), 2u);
    EXPECT_FALSE(j["anzeige"][k(hd::Spalttyp2)].get<std::string>().empty());
    EXPECT_NE(j["anzeige"][k(hd::Spalttyp1)], j["anzeige"][k(hd::Spalttyp2)]);
    EXPECT_EQ(j["anzahlBerechnungen"].get<double>(), 1.0);
}

TEST(CliCalc, CondenserAndUserMedium) {
    Json dampf = calcJson("examples/steam_condenser_design.kal");
    // a condenser is a single pass with one channel type per side
    EXPECT_EQ(dampf["ergebnis"]["serien"], 1);
    EXPECT_EQ(dampf["ergebnis"]["spalttypenWarm"].size(), 1u);
    Json eigen = calcJson("examples/user_medium_design.kal");
    EXPECT_TRUE(eigen["ergebnisVorhanden"].get<bool>());
    EXPECT_NEAR(eigen["ergebnis"]["leistungWarm"].get<double>(), 150000.0, 1.0);
}

TEST(CliCalc, WaterWaterTextOutputIsStable) {
    Lauf l = starte("calc " + distDir() + "/examples/water_water_design.kal");
    EXPECT_EQ(l.rc, 0);
    EXPECT_EQ(l.out, liesDatei(fs::path(KAL_GOLDEN) / "water_water_design.txt"));
}

TEST(CliCalc, UnusableFilesExitTwoWithTheirMessage) {
    Lauf fehlt = starte("calc /nonexistent/project.kal --json");
    EXPECT_EQ(fehlt.rc, 2);
    EXPECT_NE(fehlt.out.find("dateiNichtGeoeffnet"), std::string::npos) << fehlt.out;

    std::string echt = liesDatei(distDir() + "/examples/water_water_design.kal");
    ASSERT_EQ(echt.size(), 1660u);
    kaltest::TempDir dir;
    for (const std::string& inhalt :
         {echt.substr(0, 1000), std::string("3.2") + echt.substr(3), std::string()}) {
        dir.schreibe("fremd.kal", inhalt);
        Lauf l = starte("calc " + dir.pfad("fremd.kal") + " --json");
        EXPECT_EQ(l.rc, 2) << inhalt.size();
        EXPECT_NE(l.out.find("falsche ed_version"), std::string::npos) << l.out;
    }
    // bytes after the record are a damaged offer: said, and the entries calculate
    dir.schreibe("angehaengt.kal", echt + "x");
    Lauf l = starte("calc " + dir.pfad("angehaengt.kal") + " --json");
    EXPECT_EQ(l.rc, 0) << l.out;
    EXPECT_NE(l.out.find("angebotBeschaedigt"), std::string::npos) << l.out;
    EXPECT_EQ(starte("calc").rc, 2);
    EXPECT_EQ(starte("calc a b").rc, 2);
}

TEST(CliCalc, NoResultExitsOne) {
    // the water sample with a duty far beyond any plate type's flow limits
    std::string p = liesDatei(distDir() + "/examples/water_water_design.kal");
    p.replace(960, 20, std::string("3980") + std::string(16, '\0'));  // warm flow 3980 kg/s
    kaltest::TempDir dir;
    dir.schreibe("gross.kal", p);
    Lauf l = starte("calc " + dir.pfad("gross.kal") + " --json");
    EXPECT_EQ(l.rc, 1) << l.out;
    Json j = Json::parse(l.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    EXPECT_FALSE(j["ergebnisVorhanden"].get<bool>());
    EXPECT_EQ(j["anzeige"][k(hd::ErgPlattentyp)], "");
}

namespace {
// A number JSON cannot hold comes out as null: none may appear.
bool ohneNull(const Json& j) {
    if (j.is_null()) return false;
    if (!j.is_structured()) return true;
    for (const Json& e : j)
        if (!ohneNull(e)) return false;
    return true;
}
}  // namespace

// Hand-made hostile entries in a sample: each is refused with its message,
// and no number that cannot be represented reaches the JSON.
TEST(CliCalc, HostileNumbersAreRefusedBeforeTheJson) {
    struct Fall {
        const char* probe;
        size_t offset;  // of the field
        const char* wert;
        const char* key;  // first message
    };
    const Fall faelle[] = {
        {"user_medium_design", 200, "1e-320", "stoffwerteUngueltig"},  // warm density
        {"user_medium_design", 40, "1e-320", "stoffwerteUngueltig"},   // warm viscosity
        {"glycol_water_rating", 1520, "nan", "error_notanumber"},      // first channel count
        {"glycol_water_rating", 1560, "inf", "error_notanumber"},      // second channel count
        {"glycol_water_rating", 1520, "1e308", "error_notanumber"},
        {"glycol_water_rating", 1560, "12.5", "error_notanumber"},
        {"water_water_design", 1120, "-0.0001", "error_outofrange"},  // warm fouling
    };
    kaltest::TempDir dir;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.probe) + " " + f.wert);
        std::string p = liesDatei(distDir() + "/examples/" + f.probe + ".kal");
        ASSERT_EQ(p.size(), 1660u);
        const std::string wert = f.wert;
        p.replace(f.offset, 20, wert + std::string(20 - wert.size(), '\0'));
        dir.schreibe("feind.kal", p);
        Lauf l = starte("calc " + dir.pfad("feind.kal") + " --json");
        EXPECT_EQ(l.rc, 1);
        Json j = Json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << l.out;
        EXPECT_TRUE(ohneNull(j)) << l.out;
        ASSERT_FALSE(j["messages"].empty());
        EXPECT_EQ(j["messages"][0]["key"], f.key);
    }
}

TEST(CliLists, JsonHoldsEveryListInOrder) {
    Lauf l = starte("lists --json");
    ASSERT_EQ(l.rc, 0);
    Json j = Json::parse(l.out, nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    for (int id : {hd::MaterialPlatte, hd::DichtungWarm, hd::MediumWarm, hd::MediumKalt,
                   hd::Spalttyp1, hd::EinheitDurchsatzWarm, hd::Plattentyp, hd::Druckstufe})
        EXPECT_FALSE(j[k(id)].empty()) << id;
    // the user-defined entry closes both medium lists with the fluid count
    const Json& warm = j[k(hd::MediumWarm)];
    EXPECT_EQ(warm.back()["value"].get<int>(), static_cast<int>(warm.size()) - 1);
    EXPECT_EQ(j[k(hd::MediumKalt)].back()["value"], warm.back()["value"]);
    // steam condenses: warm side only
    bool dampfKalt = false;
    for (const Json& e : j[k(hd::MediumKalt)]) dampfKalt = dampfKalt || e["text"] == "Steam";
    EXPECT_FALSE(dampfKalt);
    EXPECT_EQ(j[k(hd::SerienModus)].size(), 4u);
    EXPECT_EQ(j[k(hd::Spalttyp1)].size(), 9u);  // design mode lists every channel type
}

// Golden check: every generated case and every sample calculates to exactly
// the recorded JSON (tools/examples/make_golden.py records a deliberate change).
class CliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CliGolden, CalcJsonIsByteIdentical) {
    Lauf l = starte("calc " + kaltest::goldeneKal(GetParam()) + " --json");
    EXPECT_EQ(l.out, liesDatei(fs::path(KAL_GOLDEN) / (GetParam() + ".json")));
}

INSTANTIATE_TEST_SUITE_P(Alle, CliGolden, ::testing::ValuesIn(kaltest::goldeneFaelle()),
                         [](const auto& info) { return kaltest::testname(info.param); });

namespace {
// calc with the actions `json` (in a file of their own) on a sample.
Lauf mitAktionen(const std::string& probe, const std::string& json, const std::string& mehr = "") {
    kaltest::TempDir dir;
    dir.schreibe("a.json", json);
    return starte("calc " + distDir() + "/examples/" + probe + " --actions " + dir.pfad("a.json") +
                  " " + mehr);
}
const std::string kBerechnen = "{\"id\": " + k(hd::Berechnen) + ", \"click\": true}";
}  // namespace

// "Berechnen" clicked by a script is the calculation calc runs, and
// clicking it twice gives the same figures as once.
TEST(CliCalc, ActionsClickingBerechnenTwiceEqualsOnce) {
    for (const char* probe :
         {"water_water_design.kal", "glycol_water_rating.kal", "steam_condenser_design.kal",
          "air_cooler_design.kal", "user_medium_design.kal"}) {
        SCOPED_TRACE(probe);
        Lauf einmal = starte("calc " + distDir() + "/examples/" + probe + " --json");
        Lauf geklickt = mitAktionen(probe, "[" + kBerechnen + "]", "--json");
        Lauf zweimal = mitAktionen(probe, "[" + kBerechnen + ", " + kBerechnen + "]", "--json");
        EXPECT_EQ(einmal.rc, 0);
        EXPECT_EQ(geklickt.rc, 0);
        EXPECT_EQ(geklickt.out, einmal.out);
        Json a = Json::parse(einmal.out), b = Json::parse(zweimal.out);
        ASSERT_EQ(zweimal.rc, 0) << b["messages"].dump();
        // a warning of the entries is shown by every run
        EXPECT_EQ(b["messages"].size(), 2 * a["messages"].size());
        a.erase("messages");
        b.erase("messages");
        EXPECT_EQ(b.dump(1), a.dump(1));
    }
}

// Saved after "Berechnen" without an offer, a project holds what was
// entered, not what the run filled in (rounded for display it would come
// back as an entry): it opens to the same figures.
TEST(CliCalc, SavedAfterARunReopensToTheSameFigures) {
    kaltest::TempDir dir;
    for (const char* probe :
         {"water_water_design.kal", "glycol_water_rating.kal", "steam_condenser_design.kal",
          "air_cooler_design.kal", "user_medium_design.kal"}) {
        SCOPED_TRACE(probe);
        const std::string quelle = distDir() + "/examples/" + probe;
        const std::string kopie = dir.pfad(probe);
        Lauf einmal = starte("calc " + quelle + " --json --save " + kopie);
        ASSERT_EQ(einmal.rc, 0);
        Json a = Json::parse(einmal.out), b = Json::parse(starte("calc " + kopie + " --json").out);
        a.erase("file");
        b.erase("file");
        EXPECT_EQ(b.dump(1), a.dump(1));
    }
}

// The air cooler as a new user tries it: an air outlet above the gas inlet
// fails after the balance filled in the duty and the air flow; the
// corrected outlet computes both again and gives the sample's result.
TEST(CliCalc, ActionsFailedRunThenCorrected) {
    auto tippe = [](int id, const char* text) {
        return "{\"id\": " + k(id) + ", \"text\": \"" + text + "\"}";
    };
    Lauf l = mitAktionen("air_cooler_design.kal",
                         "[" + tippe(hd::TAusKalt, "160") + ", " + kBerechnen + ", " +
                             tippe(hd::TAusKalt, "35") + ", " + kBerechnen + "]",
                         "--json");
    Json j = Json::parse(l.out);
    EXPECT_EQ(l.rc, 0) << j["messages"].dump();
    std::vector<std::string> keys;
    for (const Json& m : j["messages"]) keys.push_back(m["key"]);
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "ueberbestimmt"), 0);
    Json v =
        Json::parse(starte("calc " + distDir() + "/examples/air_cooler_design.kal --json").out);
    EXPECT_EQ(j["eingaben"].dump(), v["eingaben"].dump());
    EXPECT_EQ(j["ergebnis"].dump(), v["ergebnis"].dump());
}

// The main window takes from a script only what a user could do to it.
TEST(CliCalc, ActionsAreRefusedLikeAUsersWouldBe) {
    struct Fall {
        std::string json;
        int rc;
        std::string grund;  // in the refusal message; empty: none
    };
    const Fall faelle[] = {
        {"[{\"id\": " + k(hd::LabelLeistung) + ", \"text\": \"5\"}]", 1, "is a label"},
        {"[{\"id\": " + k(hd::Statuszeile) + ", \"text\": \"5\"}]", 1, "read-only"},
        {"[{\"id\": " + k(hd::Leistung) + ", \"click\": true}]", 1, "is an edit field"},
        {"[{\"id\": " + k(hd::Berechnen) + ", \"check\": true}]", 1, "is a push button"},
        {"[{\"id\": " + k(hd::MediumWarm) + ", \"select\": 999999}]", 1, "999999"},
        {"[{\"id\": 4294968462, \"click\": true}]", 2, ""},
        {"[]", 1, ""},  // nothing clicked: no result
        {"{}", 2, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.json);
        Lauf l = mitAktionen("water_water_design.kal", f.json, "--json");
        EXPECT_EQ(l.rc, f.rc);
        if (f.grund.empty()) continue;
        Json j = Json::parse(l.out);
        ASSERT_FALSE(j["messages"].empty());
        EXPECT_NE(j["messages"].back()["text"].get<std::string>().find(f.grund), std::string::npos)
            << j["messages"].back()["text"];
        EXPECT_FALSE(j["ergebnisVorhanden"].get<bool>());
    }
}
