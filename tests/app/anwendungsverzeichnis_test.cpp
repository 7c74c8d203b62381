// Where the program finds its tree: option, beside the executable, under its
// prefix, else the working directory.
#include "anwendungsverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "verzeichnis.h"

namespace fs = std::filesystem;
using kal::anwendungsverzeichnis;

namespace {

// A folder with executables, trees and a working directory in it.
struct Anlage : kaltest::TempDir {
    void programm(const std::string& rel) const { schreibe(rel, "#!"); }
    void baum(const std::string& rel) const {
        schreibe(rel + "/kalvoria.ini", "[languages]\n");
        fs::create_directories(pfad(rel + "/data"));
    }
    std::string finde(const std::string& option, const std::string& exe) const {
        return anwendungsverzeichnis(option, exe.empty() ? "" : pfad(exe), pfad("work"),
                                     "../share/kalvoria");
    }
};

TEST(Anwendungsverzeichnis, OrderOfTheRules) {
    struct Fall {
        const char* name;
        std::vector<const char*> baeume;
        const char* exe;
        const char* option;
        const char* erwartet;  // relative to the folder
    };
    const Fall faelle[] = {
        {"installed under a prefix",
         {"usr/share/kalvoria"},
         "usr/bin/kalvoria",
         "",
         "usr/share/kalvoria"},
        {"the tree scripts/run fills", {"dist"}, "dist/kalvoria-cli", "", "dist"},
        {"a build tree's executable", {}, "build/bin/kalvoria", "", "work"},
        {"the working directory loses to an installation",
         {"work", "usr/share/kalvoria"},
         "usr/bin/kalvoria",
         "",
         "usr/share/kalvoria"},
        {"the option wins, relative to the working directory",
         {"usr/share/kalvoria", "mine"},
         "usr/bin/kalvoria",
         "../mine/",
         "mine"},
        {"an unknown executable", {"usr/share/kalvoria"}, "", "", "work"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Anlage a;
        fs::create_directories(a.pfad("work"));
        for (const char* b : f.baeume) a.baum(b);
        if (*f.exe) a.programm(f.exe);
        EXPECT_EQ(a.finde(f.option, f.exe), a.pfad(f.erwartet));
    }
}

TEST(Anwendungsverzeichnis, AnIncompleteTreeIsNotTaken) {
    Anlage a;
    a.programm("usr/bin/kalvoria");
    fs::create_directories(a.pfad("usr/share/kalvoria/data"));  // no kalvoria.ini
    a.schreibe("usr/bin/kalvoria.ini", "");                     // no data/
    EXPECT_EQ(a.finde("", "usr/bin/kalvoria"), a.pfad("work"));
}

// Restores the test's working directory.
struct ArbeitsverzeichnisZurueck {
    fs::path vorher = fs::current_path();
    ~ArbeitsverzeichnisZurueck() { fs::current_path(vorher); }
};

TEST(Anwendungsverzeichnis, TheOptionBecomesTheWorkingDirectory) {
    ArbeitsverzeichnisZurueck zurueck;
    Anlage a;
    a.baum("tree");
    std::string fehler;
    auto dir = kal::anwendungsverzeichnisFestlegen(a.pfad("tree"), nullptr, fehler);
    ASSERT_TRUE(dir) << fehler;
    EXPECT_TRUE(fs::equivalent(*dir, a.pfad("tree")));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), a.pfad("tree")));

    auto keins = kal::anwendungsverzeichnisFestlegen(a.pfad("missing"), nullptr, fehler);
    EXPECT_FALSE(keins);
    EXPECT_NE(fehler.find(a.pfad("missing")), std::string::npos) << fehler;
    EXPECT_TRUE(fs::equivalent(fs::current_path(), a.pfad("tree")));
}

}  // namespace
