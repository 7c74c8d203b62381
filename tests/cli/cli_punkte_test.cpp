// calc --point as a black box: point files made from the shipped samples
// through the project file codec.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "cli.h"
#include "ids/dialog_ids.h"
#include "projekt/angebotsblock.h"
#include "projekt/projektdatei.h"

using Json = nlohmann::json;
using kaltest::distDir;
using kaltest::liesDatei;

namespace {

// A copy of sample `probe` with the fields `aenderungen` set, in `dir`.
std::string punktDatei(const kaltest::TempDir& dir, const std::string& probe,
                       const std::vector<std::pair<int, std::string>>& aenderungen,
                       const std::string& name) {
    auto inhalt = kal::ProjektInhalt::dekodieren(liesDatei(distDir() + "/examples/" + probe));
    EXPECT_TRUE(inhalt.has_value()) << probe;
    if (!inhalt) return {};
    for (const auto& [feld, text] : aenderungen) inhalt->setzeFeld(feld, text);
    dir.schreibe(name, inhalt->kodieren());
    return dir.pfad(name);
}

kaltest::Lauf calc(const std::string& args) {
    return kaltest::cliLauf("--appdir " + distDir() + " calc " + args + " 2>&1");
}

// The second point at 120 % flow of the sample's flow entry (or its duty).
struct Probe {
    const char* datei;
    int feld;
    const char* wert;
};
const Probe kProben[] = {{"water_water_design.kal", kal::PF_TEinWarm + 8, "4.776"},
                         {"user_medium_design.kal", kal::PF_Leistung, "180"}};

}  // namespace

// Two samples with a second point at 120 % flow: the pack meets both, each
// point's figures are its own, the binding limit is the smallest margin.
TEST(CliPunkte, ZweiterPunktMitMehrDurchsatz) {
    kaltest::TempDir dir;
    for (const Probe& p : kProben) {
        SCOPED_TRACE(p.datei);
        const std::string datei = distDir() + "/examples/" + p.datei;
        const std::string punkt = punktDatei(dir, p.datei, {{p.feld, p.wert}}, "p2.kal");
        const kaltest::Lauf l = calc(datei + " --point " + punkt + " --json");
        ASSERT_EQ(l.rc, 0) << l.out;
        const Json j = Json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << l.out;
        const Json& punkte = j["points"];
        ASSERT_EQ(punkte.size(), 2u);
        EXPECT_EQ(punkte[0]["ergebnis"], j["pack"]);
        EXPECT_NEAR(punkte[1]["fall"]["leistungSoll"].get<double>(),
                    1.2 * punkte[0]["fall"]["leistungSoll"].get<double>(),
                    1e-3 * punkte[0]["fall"]["leistungSoll"].get<double>());
        double kleinster = HUGE_VAL;
        for (const Json& x : punkte) {
            EXPECT_EQ(x["ergebnis"]["preisCode"], j["pack"]["preisCode"]);
            EXPECT_GE(x["ergebnis"]["flaechenreserve"].get<double>(),
                      x["fall"]["sicherheit"].get<double>());
            for (const Json& g : x["limits"])
                kleinster = std::min(kleinster, g["margin"].get<double>());
        }
        EXPECT_GE(kleinster, 0.0);
        EXPECT_EQ(j["binding"]["margin"].get<double>(), kleinster);
        // the single point's pack is never dearer than the one for both
        const Json einzeln = Json::parse(calc(datei + " --json").out, nullptr, false);
        EXPECT_LE(einzeln["ergebnis"]["grundpreis"].get<double>(),
                  j["pack"]["grundpreis"].get<double>());
    }
}

// A point with another pressure stage or gasket is refused, naming it;
// a missing point file or a missing value is a usage error.
TEST(CliPunkte, AbweichendeGeraetewahlUndFehler) {
    kaltest::TempDir dir;
    const std::string datei = distDir() + "/examples/water_water_design.kal";
    const std::pair<int, const char*> faelle[] = {{kal::PF_Druckstufe, "pressure stage"},
                                                  {kal::PF_DichtungKalt, "cold gasket"}};
    for (const auto& [feld, name] : faelle) {
        const std::string p = punktDatei(dir, "water_water_design.kal", {{feld, "1"}}, "p.kal");
        const kaltest::Lauf l = calc(datei + " --point " + datei + " --point " + p);
        EXPECT_EQ(l.rc, 2) << l.out;
        EXPECT_NE(
            l.out.find("Operating point 3 differs from the first in its " + std::string(name)),
            std::string::npos)
            << l.out;
    }
    EXPECT_EQ(calc(datei + " --point " + dir.pfad("fehlt.kal")).rc, 2);
    EXPECT_EQ(calc(datei + " --point").rc, 2);
}

// The text output of one sample with itself as the second point: the same
// pack as alone, both points listed, one binding limit.
TEST(CliPunkte, Textausgabe) {
    const std::string datei = distDir() + "/examples/water_water_design.kal";
    const kaltest::Lauf l = calc(datei + " --point " + datei);
    ASSERT_EQ(l.rc, 0) << l.out;
    const Json einzeln = Json::parse(calc(datei + " --json").out, nullptr, false);
    EXPECT_NE(
        l.out.find(einzeln["ergebnis"]["plattentypName"].get<std::string>() + ", " +
                   std::to_string(einzeln["ergebnis"]["spaltenGesamt"].get<int>() + 1) + " plates"),
        std::string::npos)
        << l.out;
    EXPECT_NE(l.out.find("Point 1: " + datei), std::string::npos) << l.out;
    EXPECT_NE(l.out.find("Point 2: " + datei), std::string::npos) << l.out;
    // identical points tie: the first is binding
    EXPECT_NE(l.out.find("Binding: point 1, "), std::string::npos) << l.out;
}

namespace {
std::string pdfText(const std::string& pdf) {
    const kaltest::Lauf l = kaltest::shellLauf("pdftotext -raw -enc UTF-8 '" + pdf + "' -");
    EXPECT_EQ(l.rc, 0) << pdf;
    return l.out;
}
}  // namespace

// The curve sheet of one and of two points, in English and (with the
// language stored for the user) in German: the file holds the charts'
// names and units; with --json the figures, which pass through each point.
TEST(CliPunkte, KennlinienAlsPdf) {
    kaltest::TempDir dir;
    const std::string datei = distDir() + "/examples/water_water_design.kal";
    const std::string punkt =
        punktDatei(dir, "water_water_design.kal", {{kal::PF_TEinWarm + 8, "4.776"}}, "p2.kal");
    dir.schreibe("de/kalvoria/kalvoria.conf", "[General]\nlanguage=Deutsch\n");
    struct Fall {
        std::string punkte, sprache;
        std::vector<std::string> texte;
    };
    const Fall faelle[] = {
        {"",
         "en",
         {"Performance curves", "Duty [kW]", "Outlet temperatures [°C]", "Pressure drops [kPa]",
          "Flow in % of the operating point's flows", "Point 1"}},
        {" --point " + punkt,
         "de",
         {"Kennlinien", "Leistung [kW]", "Austrittstemperaturen [°C]", "Druckverluste [kPa]",
          "Durchsatz in % der Durchsätze des Betriebspunkts", "Punkt 1", "Punkt 2"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.sprache);
        const std::string pdf = dir.pfad(f.sprache + ".pdf");
        const std::string args = datei + f.punkte + " --curve " + pdf + " --json";
        const kaltest::Lauf l =
            f.sprache == "en"
                ? kaltest::cliLauf("--appdir " + distDir() + " calc " + args)
                : kaltest::shellLauf("XDG_CONFIG_HOME='" + dir.pfad("de") +
                                     "' " KAL_CLI " --appdir " + distDir() + " calc " + args);
        ASSERT_EQ(l.rc, 0) << l.out;
        const std::string text = pdfText(pdf);
        for (const std::string& t : f.texte) EXPECT_NE(text.find(t), std::string::npos) << t;
        const Json j = Json::parse(l.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << l.out;
        const Json& kurven = j["curves"];
        ASSERT_EQ(kurven.size(), f.punkte.empty() ? 1u : 2u);
        for (const Json& k : kurven) {
            ASSERT_EQ(k["values"].size(), 15u);
            const Json& mitte = k["values"][10];
            EXPECT_EQ(mitte["share"], 100.0);
            for (const char* g : {"duty", "tOutWarm", "tOutCold", "dpWarm", "dpCold"})
                EXPECT_NEAR(mitte[g].get<double>(), k["operatingPoint"][g].get<double>(),
                            1e-3 * std::fabs(k["operatingPoint"][g].get<double>()))
                    << g;
        }
    }
    EXPECT_EQ(calc(datei + " --curve").rc, 2);
}

// A curve file that cannot be written: named with the reason, exit 1, the
// old file as it was.
TEST(CliPunkte, KennlinieNichtGeschrieben) {
    kaltest::TempDir dir;
    const std::string datei = distDir() + "/examples/water_water_design.kal";
    dir.schreibe("alt.pdf", "the curves sent last week");
    const kaltest::Lauf l =
        kaltest::cliLauf("--appdir " + distDir() + " calc " + datei + " --point " + datei +
                             " --curve " + dir.pfad("alt.pdf") + " 2>&1",
                         {}, "trap '' XFSZ; ulimit -f 4; ");
    EXPECT_EQ(l.rc, 1);
    EXPECT_NE(l.out.find("message [error/dateiNichtGeschrieben]: The file " + dir.pfad("alt.pdf") +
                         " could not be written: File too large\n"),
              std::string::npos)
        << l.out;
    EXPECT_EQ(liesDatei(dir.pfad("alt.pdf")), "the curves sent last week");
}

namespace {
// The sample with further points stored in its project file.
std::string mitPunkten(const kaltest::TempDir& dir, const std::vector<kal::Betriebspunkt>& punkte) {
    kal::AngebotsBlock b;
    b.betriebspunkte = punkte;
    dir.schreibe("punkte.kal", liesDatei(distDir() + "/examples/water_water_design.kal") +
                                   kal::angebotKodieren(b));
    return dir.pfad("punkte.kal");
}
kal::Betriebspunkt punkt(int feld, const std::string& wert) {
    kal::Betriebspunkt p;
    p[static_cast<size_t>(feld)] = wert;
    return p;
}
}  // namespace

// A project holding points (made through the window by actions and saved)
// is designed for all of them; --point adds to them; a stored point's
// refused entry names the point.
TEST(CliPunkte, GespeichertePunkte) {
    using namespace kal;
    kaltest::TempDir dir;
    const std::string id = R"({"id": )";
    dir.schreibe("a.json",
                 "[" + id + std::to_string(hd::Betriebspunkte) + R"(, "click": true},)" + id +
                     std::to_string(bp::Hinzufuegen) + R"(, "click": true},)" + id +
                     std::to_string(bp::zelle(1, PunktDurchsatzWarm)) + R"(, "text": "4.776"},)" +
                     id + std::to_string(bp::Hinzufuegen) + R"(, "click": true},)" + id +
                     std::to_string(bp::zelle(2, PunktDruckverlustKalt)) + R"(, "text": "25"},)" +
                     id + std::to_string(bp::Schliessen) + R"(, "click": true}])");
    const std::string datei = dir.pfad("punkte.kal");
    calc(distDir() + "/examples/water_water_design.kal --actions " + dir.pfad("a.json") +
         " --save " + datei);
    const kaltest::Lauf l = calc(datei + " --json");
    ASSERT_EQ(l.rc, 0) << l.out;
    const Json j = Json::parse(l.out, nullptr, false);
    ASSERT_EQ(j["points"].size(), 3u) << l.out;
    for (const Json& x : j["points"]) EXPECT_EQ(x["file"], datei);
    EXPECT_NEAR(j["points"][1]["fall"]["warm"]["massenstrom"].get<double>(), 4.776, 1e-9);
    EXPECT_NEAR(j["points"][2]["fall"]["warm"]["massenstrom"].get<double>(), 4.776, 1e-9);
    EXPECT_EQ(j["points"][0]["ergebnis"], j["pack"]);
    const std::string zusatz = distDir() + "/examples/water_water_design.kal";
    const kaltest::Lauf m = calc(datei + " --point " + zusatz + " --json");
    ASSERT_EQ(m.rc, 0) << m.out;
    const Json k = Json::parse(m.out, nullptr, false);
    ASSERT_EQ(k["points"].size(), 4u) << m.out;
    EXPECT_EQ(k["points"][3]["file"], zusatz);
    EXPECT_EQ(k["points"][1]["fall"], j["points"][1]["fall"]);
    const std::string falsch = mitPunkten(dir, {punkt(PunktTEinWarm, "warm")});
    const kaltest::Lauf f = calc(falsch);
    EXPECT_EQ(f.rc, 1) << f.out;
    EXPECT_NE(f.out.find("Point 2: "), std::string::npos) << f.out;
}

// The operating points window driven by actions: opened from the main
// window, a copy added and edited, "Berechnen", closed; the JSON shows the
// table as the window shows it.
TEST(CliPunkte, FensterPerAktionen) {
    kaltest::TempDir dir;
    using namespace kal;
    const std::string aktionen = R"([{"id": )" + std::to_string(hd::Betriebspunkte) +
                                 R"(, "click": true},
        {"id": )" + std::to_string(bp::Hinzufuegen) +
                                 R"(, "click": true},
        {"id": )" + std::to_string(bp::zelle(1, PunktDurchsatzWarm)) +
                                 R"(, "text": "4.776"},
        {"id": )" + std::to_string(bp::Berechnen) +
                                 R"(, "click": true},
        {"id": )" + std::to_string(bp::Schliessen) +
                                 R"(, "click": true}])";
    dir.schreibe("a.json", aktionen);
    const std::string datei = distDir() + "/examples/water_water_design.kal";
    const kaltest::Lauf l = calc(datei + " --actions " + dir.pfad("a.json") + " --json");
    ASSERT_EQ(l.rc, 0) << l.out;
    const Json j = Json::parse(l.out, nullptr, false);
    const Json& f = j["betriebspunkte"];
    EXPECT_EQ(f["caption"], "Operating points");
    ASSERT_EQ(f["punkte"].size(), 2u) << l.out;
    EXPECT_EQ(f["punkte"][1][PunktDurchsatzWarm], "4.776");
    EXPECT_EQ(f["punkte"][0][PunktTEinWarm], "90");
    EXPECT_EQ(f["gewaehlt"], 1);
    EXPECT_EQ(f["spalten"][PunktTEinWarm], "Inlet warm °C");
    ASSERT_EQ(f["ergebnis"].size(), 2u);
    int bindend = 0;
    for (const Json& z : f["ergebnis"]) bindend += z["bindend"].get<bool>();
    EXPECT_EQ(bindend, 1);
    EXPECT_EQ(f["bindend"].get<std::string>().rfind("Binding: point ", 0), 0u);
    EXPECT_TRUE(j["ergebnisVorhanden"].get<bool>());
    // an action on a window that is not open is refused
    dir.schreibe("b.json", "[{\"id\": " + std::to_string(bp::Hinzufuegen) + ", \"click\": true}]");
    EXPECT_EQ(calc(datei + " --actions " + dir.pfad("b.json")).rc, 1);
}
