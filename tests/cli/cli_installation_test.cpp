// kalvoria-cli as installed under a prefix (bin/ and share/kalvoria/) and run
// from anywhere, and the --help of both programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "aufruf.h"
#include "cli.h"
#include "verzeichnis.h"

namespace fs = std::filesystem;
using kaltest::distDir;
using kaltest::Lauf;
using kaltest::shellLauf;

namespace {

// A copy of the executable in PREFIX/bin and of the shipped tree in
// PREFIX/share/kalvoria, and an unrelated working directory.
struct Installation : kaltest::TempDir {
    Installation() {
        fs::create_directories(pfad("usr/bin"));
        fs::create_directories(pfad("home/projects"));
        fs::copy_file(KAL_CLI, pfad("usr/bin/kalvoria-cli"));
        const std::string baum = pfad("usr/share/kalvoria");
        fs::create_directories(baum);
        for (const char* teil : {"data", "language", "pic", "examples"})
            fs::copy(fs::path(distDir()) / teil, fs::path(baum) / teil,
                     fs::copy_options::recursive);
        fs::copy_file(fs::path(distDir()) / "kalvoria.ini", fs::path(baum) / "kalvoria.ini");
    }
    // Runs the installed copy in home/projects with a settings folder of its own.
    Lauf starte(const std::string& args) const {
        return shellLauf("cd " + pfad("home/projects") + " && env -u KALVORIA_WERKSMODUS " +
                         "XDG_CONFIG_HOME=" + pfad("config") + " " + pfad("usr/bin/kalvoria-cli") +
                         " " + args + " 2>&1");
    }
};

TEST(CliInstallation, FindsItsTreeFromAnyDirectory) {
    Installation inst;
    const std::string golden = kaltest::liesDatei(fs::path(KAL_GOLDEN) / "water_water_design.txt");
    Lauf abs =
        inst.starte("calc " + inst.pfad("usr/share/kalvoria/examples/water_water_design.kal"));
    EXPECT_EQ(abs.rc, 0);
    EXPECT_EQ(abs.out, golden);
    // a relative project name stays relative to where the user is
    fs::copy_file(inst.pfad("usr/share/kalvoria/examples/water_water_design.kal"),
                  inst.pfad("home/projects/mine.kal"));
    Lauf rel = inst.starte("calc mine.kal");
    EXPECT_EQ(rel.rc, 0);
    EXPECT_EQ(rel.out, golden);

    Lauf daten = inst.starte("data-check");
    EXPECT_EQ(daten.rc, 0);
    EXPECT_EQ(daten.out, inst.pfad("usr/share/kalvoria") + "/data/: ok\n");
}

TEST(CliInstallation, AppdirStillWins) {
    Installation inst;
    Lauf l = inst.starte("--appdir " + inst.pfad("home") + " data-check");
    EXPECT_EQ(l.rc, 1);  // no data there
    EXPECT_EQ(inst.starte("--appdir " + inst.pfad("nowhere") + " lists").rc, 2);
}

TEST(CliInstallation, HelpIsTheCommandTable) {
    Lauf cli = shellLauf(std::string(KAL_CLI) + " --help");
    EXPECT_EQ(cli.rc, 0);
    EXPECT_EQ(cli.out, kal::aufruf::hilfe(kal::aufruf::kommandozeile()));
#ifdef KAL_GUI
    // before Qt: no display needed
    Lauf gui = shellLauf("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(KAL_GUI) + " --help");
    EXPECT_EQ(gui.rc, 0);
    EXPECT_EQ(gui.out, kal::aufruf::hilfe(kal::aufruf::programm()));
    EXPECT_EQ(shellLauf(std::string(KAL_GUI) + " --no-such-option 2>&1").rc, 2);
#endif
}

}  // namespace
