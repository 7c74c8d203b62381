#include <gtest/gtest.h>

#include "dialoginfo.h"
#include "dialogsettings.h"

using kal::DialogInfo;
using kal::DialogSettings;

namespace {
CIniEx ini(const std::string& text) {
    CIniEx i;
    i.OpenFromText(text);
    return i;
}
const char* kSprache =
    "[general]\ntitle=Prog\n[settingsdialog]\ntitle=Language\nlanguage=Pick\nok=OK\ncancel="
    "Cancel\n";
}  // namespace

TEST(DialogSettings, TextsListAndPreselection) {
    CIniEx sprache = ini(kSprache);
    CIniEx settings = ini("[languages]\nuk=English\n=Nobody\nde=Deutsch\nch=Deutsch (Schweiz)\n");
    struct Fall {
        std::string aktuell;
        int erwartet;
    };
    for (const Fall& f : {Fall{"English", 0}, Fall{"Deutsch", 1}, Fall{"deutsch", 1},
                          Fall{"Deutsch (S", 2}, Fall{"", 0}, Fall{"Klingon", -1}}) {
        DialogSettings d(sprache, settings, f.aktuell);
        EXPECT_EQ(d.form().selection(1134), f.erwartet) << f.aktuell;
    }
    DialogSettings d(sprache, settings, "English");
    EXPECT_EQ(d.caption(), "Language");
    EXPECT_EQ(d.form().text(1132), "Pick");
    EXPECT_EQ(d.form().text(1), "OK");
    EXPECT_EQ(d.form().text(2), "Cancel");
    ASSERT_EQ(d.form().itemCount(1134), 3);
    EXPECT_EQ(d.form().control(1134).items[2].text, "Deutsch (Schweiz)");
}

TEST(DialogSettings, OkGivesSelectedNameCancelNothing) {
    CIniEx sprache = ini(kSprache);
    CIniEx settings = ini("[languages]\nuk=English\nde=Deutsch\n");
    DialogSettings d(sprache, settings, "English");
    d.form().select(1134, 1);
    EXPECT_EQ(d.getErgebnis(), "");
    d.ok();
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(d.getErgebnis(), "Deutsch");

    DialogSettings c(sprache, settings, "English");
    c.abbrechen();
    EXPECT_EQ(c.result(), 2);
    EXPECT_EQ(c.getErgebnis(), "");

    DialogSettings leer(sprache, ini(""), "English");
    leer.ok();
    EXPECT_EQ(leer.getErgebnis(), "");
}

TEST(DialogInfo, LinesAndCaption) {
    CIniEx settings =
        ini("[Daten]\nversion=12\n[info]\ninfo1=A\ninfo2=B\ninfo3=C\ninfo4=D\ninfo5=E\n");
    DialogInfo d("&Info && more", settings);
    EXPECT_EQ(d.caption(), "Info  more");
    EXPECT_EQ(d.form().text(1372), "Version  3.26.12, 30.05.2006");
    EXPECT_EQ(d.form().text(1371), "A");
    EXPECT_EQ(d.form().text(1373), "B");
    EXPECT_EQ(d.form().text(1376), "E");

    DialogInfo leer("Info", ini(""));
    EXPECT_EQ(leer.form().text(1372), "Version  3.26., 30.05.2006");
    EXPECT_EQ(leer.form().text(1374), "");
    EXPECT_TRUE(leer.form().has(1374));
}
