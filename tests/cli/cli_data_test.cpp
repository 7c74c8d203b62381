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

// Air at 20 degC: 1.204 kg/m3 at 1.01325 bar, 12.08 at 10.1325 bar (a real gas).
TEST(CliFluid, GasDensityFollowsPressure) {
    Lauf a = starte("--appdir " + distDir() + " fluid \"Dry Air\" 20 1.01325 --json");
    Lauf b = starte("--appdir " + distDir() + " fluid \"Dry Air\" 20 10.1325 --json");
    EXPECT_NE(a.out.find("\"dichte\": 1.20"), std::string::npos) << a.out;
    EXPECT_NE(b.out.find("\"dichte\": 12.1"), std::string::npos) << b.out;
}

// Real gases: air at 10 bar is nearly ideal, carbon dioxide at 25 bar and
// -20 degC is a liquid and refused with the calculation's message.
TEST(CliFluid, GasBelowItsDewPointIsRefused) {
    Lauf l = starte("--appdir " + distDir() + " fluid \"Carbon Dioxide\" -20 25");
    EXPECT_EQ(l.rc, 1);
    EXPECT_EQ(l.out,
              "Carbon Dioxide at -20 °C and 25 bar lies below its dew point (-12.01 °C): it "
              "condenses there and is no gas.\n");
    Lauf g = starte("--appdir " + distDir() + " fluid \"Carbon Dioxide\" -10 25 --json");
    EXPECT_EQ(g.rc, 0) << g.out;
    EXPECT_NE(starte("--appdir " + distDir() + " fluid \"Carbon Dioxide\" 20 30").rc, 0);
}

// The same text as the tooltip of the main window's medium list.
TEST(CliFluid, InfoShowsRangeBasisAndSources) {
    Lauf l = starte("--appdir " + distDir() + " fluid Milk --info");
    EXPECT_EQ(l.rc, 0);
    EXPECT_EQ(l.out,
              "Milk (liquid)\n"
              "Valid from 2 to 135 °C\n"
              "Basis: whole milk: 3.5 % fat, 3.3 % protein, 4.7 % lactose, 0.7 % ash (mass)\n"
              "Density: Choi and Okos (1986) from the composition\n"
              "Heat capacity: Choi and Okos (1986) from the composition\n"
              "Viscosity: Fernandez-Martin (1972) to 70 °C, Bertsch and Cerf (1983) from 80 °C, "
              "blended between\n"
              "Thermal conductivity: Choi and Okos (1986) from the composition\n");
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Milk 20 --info").rc, 0);
}

TEST(CliFluid, BadInputIsAnErrorNotACrash) {
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Water abc").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Water 500").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid Nothing 20").rc, 0);
    EXPECT_NE(starte("--appdir " + distDir() + " fluid").rc, 0);
    EXPECT_NE(starte("--appdir /nonexistent/dir data-check").rc, 0);
    EXPECT_NE(starte("no-such-command").rc, 0);
}
