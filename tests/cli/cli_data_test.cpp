// Black-box tests of kalvoria-cli data-check and fluid.
#include <gtest/gtest.h>

#include <string>

#include "cli.h"
#include "verzeichnis.h"

namespace {
using kaltest::distDir;
using kaltest::Lauf;

Lauf starte(const std::string& args) { return kaltest::cliLauf(args + " 2>&1"); }
}  // namespace

TEST(CliDataCheck, ShippedDataPasses) {
    Lauf l = starte("data-check " + distDir() + "/data");
    EXPECT_EQ(l.rc, 0) << l.out;
}

TEST(CliDataCheck, DefaultIsDataOfTheWorkingDirectory) {
    Lauf l = starte("--appdir " + distDir() + " data-check");
    EXPECT_EQ(l.rc, 0) << l.out;
}

TEST(CliDataCheck, DamagedFileRefusedByName) {
    kaltest::AppDir dir;
    dir.schreibe("data/dichtungen.json", "{\"dichtungen\": [{\"id\": 3, \"name\": \"NBR\"}]}");
    Lauf l = starte("data-check " + dir.pfad("data"));
    EXPECT_NE(l.rc, 0);
    EXPECT_NE(l.out.find("dichtungen.json: id 3: code"), std::string::npos) << l.out;
}

TEST(CliFluid, WaterJson) {
    Lauf l = starte("--appdir " + distDir() + " fluid Water 25 --json");
    ASSERT_EQ(l.rc, 0) << l.out;
    EXPECT_NE(l.out.find("\"dichte\": 997.0"), std::string::npos) << l.out;
    for (const char* k : {"waermekapazitaet", "viskositaet", "waermeleitfaehigkeit"})
        EXPECT_NE(l.out.find(std::string("\"") + k + "\": "), std::string::npos) << k;
    EXPECT_EQ(l.out.find("dampfdruck"), std::string::npos);
}

TEST(CliFluid, SteamShowsSaturationValues) {
    Lauf l = starte("--appdir " + distDir() + " fluid Steam 100 --json");
    ASSERT_EQ(l.rc, 0) << l.out;
    EXPECT_NE(l.out.find("\"dampfdruck\": 1.01"), std::string::npos) << l.out;
    EXPECT_NE(l.out.find("\"kondensationsenthalpie\": 225"), std::string::npos) << l.out;
}

TEST(CliFluid, GasDensityFollowsPressure) {
    Lauf a = starte("--appdir " + distDir() + " fluid \"Dry Air\" 20 1.01325 --json");
    Lauf b = starte("--appdir " + distDir() + " fluid \"Dry Air\" 20 10.1325 --json");
    EXPECT_NE(a.out.find("\"dichte\": 1.20"), std::string::npos) << a.out;
    EXPECT_NE(b.out.find("\"dichte\": 12.0"), std::string::npos) << b.out;
}

TEST(CliFluid, BadInputIsAnErrorNotACrash) {
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Water abc").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Water 500").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Nothing 20").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid").rc, 0);
    EXPECT_NE(starte("--appdir /nonexistent/dir data-check").rc, 0);
    EXPECT_NE(starte("no-such-command").rc, 0);
}
