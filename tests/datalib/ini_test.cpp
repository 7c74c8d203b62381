#include "datalib/ini.h"

#include <gtest/gtest.h>

#include "verzeichnis.h"

namespace {
CIniEx ini(const std::string& text) {
    CIniEx i;
    i.OpenFromText(text);
    return i;
}
std::vector<std::string> keys(const CIniEx& i, const std::string& section) {
    std::vector<std::string> k{"stale"};
    i.GetKeysInSection(section, k);
    return k;
}
}  // namespace

TEST(CIniEx, Dialect) {
    struct Fall {
        const char* name;
        std::string text;
        const char* section;
        const char* key;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"plain", "[a]\nk=v\n", "a", "k", "v"},
        {"crlf", "[a]\r\nk=v\r\nl=w\r\n", "a", "l", "w"},
        {"bom", "\xEF\xBB\xBF[a]\nk=v\n", "a", "k", "v"},
        {"blanks", "  [ a ]  \n  k  =  v w  \n", "a", "k", "v w"},
        {"comment ;", "[a]\n;k=x\nk=v\n", "a", "k", "v"},
        {"comment #", "[a]\n# k=x\nk=v\n", "a", "k", "v"},
        {"first duplicate wins", "[a]\nk=1\nk=2\n", "a", "k", "1"},
        {"duplicate in reopened section", "[a]\nk=1\n[b]\n[a]\nk=2\nm=3\n", "a", "m", "3"},
        {"split at first =", "[a]\nk=x=y\n", "a", "k", "x=y"},
        {"quoted", "[a]\nk=\"  padded  \"\n", "a", "k", "  padded  "},
        {"line without =", "[a]\njunk line\nk=v\n", "a", "k", "v"},
        {"malformed header ignored", "[a]\n[broken\nk=v\n", "a", "k", "v"},
        {"no final newline", "[a]\nk=v", "a", "k", "v"},
        {"utf8", "[a]\nk=zul\xC3\xA4ssig\n", "a", "k", "zul\xC3\xA4ssig"},
        {"empty value", "[a]\nk=\n", "a", "k", ""},
        {"before first section", "k=v\n[a]\n", "", "k", "v"},
        {"case-sensitive key", "[a]\nK=v\n", "a", "k", "default"},
        {"case-sensitive section", "[A]\nk=v\n", "a", "k", "default"},
        {"missing section", "[a]\nk=v\n", "b", "k", "default"},
        {"empty file", "", "a", "k", "default"},
        {"only garbage", "\x01\x02[\n]]=\n=\n", "a", "k", "default"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ini(f.text).GetValue(f.section, f.key, "default"), f.erwartet) << f.name;
}

TEST(CIniEx, KeyOnlyLookupSearchesSectionsInFileOrder) {
    CIniEx i = ini("[x]\nother=1\n[general]\ntitle=Prog\n[settingsdialog]\ntitle=Language\n");
    EXPECT_EQ(i.GetValue("title"), "Prog");
    EXPECT_EQ(i.GetValue("settingsdialog", "title", ""), "Language");
    EXPECT_EQ(i.GetValue("missing"), "");
}

TEST(CIniEx, KeysInFileOrderIncludingEmptyKeys) {
    CIniEx i = ini("[languages]\nuk=English\n=Nobody\nde=Deutsch\nuk=Again\n[b]\n");
    EXPECT_EQ(keys(i, "languages"), (std::vector<std::string>{"uk", "", "de"}));
    EXPECT_EQ(keys(i, "b"), std::vector<std::string>{});
    EXPECT_EQ(keys(i, "none"), std::vector<std::string>{});
    EXPECT_TRUE(i.HasSection("b"));
    EXPECT_FALSE(i.HasSection("none"));
}

TEST(CIniEx, OpenReadsFileAndReportsMissingOne) {
    kaltest::TempDir dir;
    dir.schreibe("a.lng", "[a]\r\nk=v\r\n");
    CIniEx i;
    EXPECT_NE(i.Open(dir.pfad("a.lng"), 0, 0, 1, 0), 0);
    EXPECT_EQ(i.GetValue("a", "k", ""), "v");
    // Reopening another file replaces the content.
    EXPECT_EQ(i.Open(dir.pfad("b.lng"), 0, 0, 1, 0), 0);
    EXPECT_EQ(i.GetValue("a", "k", "gone"), "gone");
    // A directory is no file.
    EXPECT_EQ(i.Open(dir.dir(), 1, 0, 0, 0), 0);
}

TEST(CIniEx, LargeMalformedInputDoesNotCrash) {
    std::string text;
    for (int n = 0; n < 2000; ++n) text += (n % 3 == 0) ? "[" : (n % 3 == 1) ? "=\r" : "\n]";
    text += std::string(1, '\0') + "k=v";
    CIniEx i = ini(text);
    (void)i.GetValue("k");
    SUCCEED();
}

// 200 000 keys in one section and 200 000 sections read completely; their
// reading time is measured by kalvoria-bench (iniSchluessel, iniAbschnitte).
TEST(CIniEx, ManyKeysAndSectionsReadCompletely) {
    std::string keys = "[a]\n", sections;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        keys += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        sections += "[s" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    for (const std::string* text : {&keys, &sections}) {
        CIniEx i = ini(*text);
        EXPECT_EQ(i.GetValue(text == &keys ? "a" : "s4711", text == &keys ? "k4711" : "k", ""),
                  "4711");
    }
}
