#include "app/registry.h"

#include <gtest/gtest.h>

#include "ports/scripted.h"

using kal::UnitWerte;

TEST(UnitWert, ParsesWithMissingTokensAsZero) {
    struct Fall {
        const char* text;
        UnitWerte erwartet;
    };
    const Fall faelle[] = {
        {"1,2,3,4,5,6,7,8,9,10,11,1,1,14,15", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 1, 14, 15}},
        {"3,1,2", {3, 1, 2}},
        {"", {}},
        {"x,2", {0, 2}},
        {"1,,3", {1, 0, 3}},
        {" 4, 5", {4, 5}},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"99999999999,-3", {2147483647, -3}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(kal::unitWerteLesen(f.text), f.erwartet) << f.text;
}

TEST(UnitWert, FormatsFifteenIntegers) {
    UnitWerte w{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 14, -1};
    EXPECT_EQ(kal::unitWerteText(w), "1,2,3,4,5,6,7,8,9,10,11,0,1,14,-1");
    EXPECT_EQ(kal::unitWerteLesen(kal::unitWerteText(w)), w);
}

TEST(Registry, OpenFailureShowsReadregistryWithCaption) {
    kal::MemorySettings s;
    kal::RecordingMessages m;
    CIniEx sprache;
    sprache.OpenFromText("[error]\nreadregistry=No registry\n");
    EXPECT_TRUE(kal::registryOeffnen(&s, &m, sprache));
    EXPECT_TRUE(m.shown.empty());
    s.available = false;
    EXPECT_FALSE(kal::registryOeffnen(&s, &m, sprache, "Fehler"));
    ASSERT_EQ(m.shown.size(), 1u);
    EXPECT_EQ(m.shown[0].text, "No registry");
    EXPECT_EQ(m.shown[0].caption, "Fehler");
    EXPECT_EQ(m.shown[0].section, "error");
    EXPECT_EQ(m.shown[0].key, "readregistry");
    EXPECT_FALSE(kal::registryOeffnen(nullptr, &m, sprache));
}

TEST(Registry, WriteFailureTakesTheSamePath) {
    kal::MemorySettings s;
    kal::RecordingMessages m;
    CIniEx sprache;
    s.writable = false;
    EXPECT_FALSE(kal::registrySchreiben(&s, &m, sprache, "unit", "1"));
    ASSERT_EQ(m.shown.size(), 1u);
    EXPECT_EQ(m.shown[0].key, "readregistry");
    s.writable = true;
    EXPECT_TRUE(kal::registrySchreiben(&s, &m, sprache, "unit", "1"));
    EXPECT_EQ(s.values["unit"], "1");
}

TEST(Registry, TooLongOrEmptyValuesCountAsMissing) {
    kal::MemorySettings s;
    s.values["a"] = std::string(64, 'a');
    s.values["b"] = std::string(65, 'b');
    s.values["c"] = "";
    EXPECT_EQ(kal::registryLesen(s, "a", 64), std::string(64, 'a'));
    EXPECT_EQ(kal::registryLesen(s, "b", 64), std::nullopt);
    EXPECT_EQ(kal::registryLesen(s, "c", 64), std::nullopt);
    EXPECT_EQ(kal::registryLesen(s, "d", 64), std::nullopt);
}
