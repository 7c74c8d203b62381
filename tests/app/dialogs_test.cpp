#include <gtest/gtest.h>

#include "app/dialoginfo.h"
#include "app/dialogsettings.h"
#include "verzeichnis.h"

using kal::DialogInfo;
using kal::DialogSettings;
namespace info = kal::info;
namespace sprache = kal::sprache;

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
        EXPECT_EQ(d.form().selection(sprache::Sprache), f.erwartet) << f.aktuell;
    }
    DialogSettings d(sprache, settings, "English");
    EXPECT_EQ(d.caption(), "Language");
    EXPECT_EQ(d.form().text(sprache::LabelSprache), "Pick");
    EXPECT_EQ(d.form().text(sprache::Ok), "OK");
    EXPECT_EQ(d.form().text(sprache::Abbrechen), "Cancel");
    ASSERT_EQ(d.form().itemCount(sprache::Sprache), 3);
    EXPECT_EQ(d.form().control(sprache::Sprache).items[2].text, "Deutsch (Schweiz)");
}

TEST(DialogSettings, OkGivesSelectedNameCancelNothing) {
    CIniEx sprache = ini(kSprache);
    CIniEx settings = ini("[languages]\nuk=English\nde=Deutsch\n");
    DialogSettings d(sprache, settings, "English");
    d.form().select(sprache::Sprache, 1);
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
    DialogInfo d("&Info && more", settings, ini(""));
    EXPECT_EQ(d.caption(), "Info  more");
    EXPECT_EQ(d.form().text(info::Zeile2), "Version  3.26.12, 30.05.2006");
    EXPECT_EQ(d.form().text(info::Zeile1), "A");
    EXPECT_EQ(d.form().text(info::Zeile3), "B");
    EXPECT_EQ(d.form().text(info::Zeile6), "E");

    DialogInfo leer("Info", ini(""), ini(""));
    EXPECT_EQ(leer.form().text(info::Zeile2), "Version  3.26., 30.05.2006");
    EXPECT_EQ(leer.form().text(info::Zeile4), "");
    EXPECT_TRUE(leer.form().has(info::Zeile4));
}

// The program's description in the interface language, the maker's lines
// as installed: every shipped language words the first line its own way.
TEST(DialogInfo, DescriptionInTheInterfaceLanguage) {
    CIniEx settings;
    ASSERT_NE(settings.Open(kaltest::distDir() + "/kalvoria.ini", 1, 0, 0, 0), 0);
    struct Fall {
        const char* datei;
        const char* zeile1;
    };
    for (const Fall& f :
         {Fall{"kalvoria_uk.lng",
               "kalvoria \xE2\x80\x93 design and rating of gasketed plate heat exchangers"},
          Fall{"kalvoria_de.lng",
               "kalvoria \xE2\x80\x93 Auslegung und Nachrechnung gedichteter "
               "Plattenw\xC3\xA4"
               "rme\xC3\xBC"
               "bertrager"}}) {
        CIniEx sprache;
        ASSERT_NE(sprache.Open(kaltest::distDir() + "/language/" + f.datei, 0, 0, 1, 0), 0);
        DialogInfo d("Info", settings, sprache);
        EXPECT_EQ(d.form().text(info::Zeile1), f.zeile1);
        EXPECT_EQ(d.form().text(info::Zeile3), settings.GetValue("info", "info2", ""));
        EXPECT_EQ(d.form().text(info::Zeile6), settings.GetValue("info", "info5", ""));
    }
    DialogInfo ohne("Info", settings, ini("[about]\ninfo3=\n"));  // an empty entry words nothing
    EXPECT_EQ(ohne.form().text(info::Zeile4), settings.GetValue("info", "info3", ""));
}
