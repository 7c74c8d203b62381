#include <gtest/gtest.h>

#include "../engine/fixture.h"
#include "datalib/format.h"
#include "permissions/spalttypen_zulaessig.h"
#include "ports/scripted.h"

namespace {
struct Tabelle {
    Data data = testdaten::baueDaten();
    CIniEx sprache = [] {
        CIniEx s;
        s.OpenFromText("[error]\nerror=Fehler\n");
        return s;
    }();
    std::map<int, int> typen{{0, 10}, {1, 20}, {2, 30}};
    std::map<int, int> materialien{{0, 1}, {1, 2}};
    CSpalttypenZulaessig tab{data, typen, materialien};
    kal::MemorySettings settings;
    kal::RecordingMessages meldungen;
};
}  // namespace

TEST(Zulaessig, AufbauUndAbfragen) {
    Tabelle t;
    EXPECT_EQ(t.tab.anzahlEintraege(), 3u * 2u * 2u);
    EXPECT_EQ(t.tab.istStandard(1, 10, 1, 4), 1);
    EXPECT_EQ(t.tab.istZulaessig(1, 10, 1, 4), 1);
    EXPECT_EQ(t.tab.istStandard(9, 10, 1, 4), 0);   // absent key
    EXPECT_EQ(t.tab.istZulaessig(1, 10, 1, 9), 0);  // outside the nine positions
    t.tab.deaktivieren(1, 10, 1, 4);
    EXPECT_EQ(t.tab.istStandard(1, 10, 1, 4), 1);
    EXPECT_EQ(t.tab.istAktiv(1, 10, 1, 4), 0);
    EXPECT_EQ(t.tab.istZulaessig(1, 10, 1, 4), 0);
    EXPECT_TRUE(t.tab.weichtAb());
    EXPECT_TRUE(t.tab.warnungAnzeigen(true));
    EXPECT_FALSE(t.tab.warnungAnzeigen(false));
    t.tab.aktivieren(1, 10, 1, 4);
    EXPECT_FALSE(t.tab.weichtAb());
    EXPECT_EQ(t.tab.abweichungenText(), "");
    // a key the library never permits: inserted, still never permitted
    t.tab.aktivieren(77, 10, 1, 2);
    EXPECT_EQ(t.tab.istAktiv(77, 10, 1, 2), 1);
    EXPECT_EQ(t.tab.istZulaessig(77, 10, 1, 2), 0);
}

TEST(Zulaessig, Bucket) {
    using K = CSpalttypenZulaessig::MPDKey;
    EXPECT_EQ(CSpalttypenZulaessig::bucketFuer(K{0, 0, 0}), 0u);
    EXPECT_EQ(CSpalttypenZulaessig::bucketFuer(K{12, 3, 2}), 0u);             // 13 >> 4 = 0
    EXPECT_EQ(CSpalttypenZulaessig::bucketFuer(K{0x120, 0, 0}), 0x12u % 17);  // 18 % 17 = 1
    EXPECT_EQ(CSpalttypenZulaessig::bucketFuer(K{-1, 0, 0}), (0xFFFFFFFFu >> 4) % 17);
}

TEST(Zulaessig, TextHinUndZurueck) {
    Tabelle t;
    t.tab.deaktivieren(2, 20, 2, 5);
    t.tab.deaktivieren(1, 10, 1, 4);
    const std::string s = t.tab.abweichungenText();
    EXPECT_EQ(s, "1:10:1:4,2:20:2:5,");
    ASSERT_TRUE(t.tab.schreiben(t.settings, &t.meldungen, t.sprache));
    EXPECT_EQ(t.settings.values.at("PlattentypSpalttypZulaessig3.1"), s);

    Tabelle neu;
    neu.settings = t.settings;
    ASSERT_TRUE(neu.tab.lesen(neu.settings, &neu.meldungen, neu.sprache));
    EXPECT_EQ(neu.tab.istZulaessig(1, 10, 1, 4), 0);
    EXPECT_EQ(neu.tab.istZulaessig(2, 20, 2, 5), 0);
    EXPECT_EQ(neu.tab.abweichungenText(), s);
    EXPECT_TRUE(neu.meldungen.shown.empty());
    // any order, incomplete tail ignored
    Tabelle drei;
    drei.tab.abweichungenAnwenden("2:20:2:5,1:10:1:4,1:30:");
    EXPECT_EQ(drei.tab.abweichungenText(), s);
}

TEST(Zulaessig, LangerTextWirdGanzGelesen) {
    Tabelle t;
    std::string s;
    for (int m = 1; m <= 2; ++m)
        for (int typ : {10, 20, 30})
            for (int ds = 1; ds <= 2; ++ds)
                for (int j = 0; j < 9; ++j) s += kal::formatiere("%i:%i:%i:%i,", m, typ, ds, j);
    while (s.size() <= 6000) s = "1000:1000:1000:1," + s;
    t.settings.values["PlattentypSpalttypZulaessig3.1"] = s;
    ASSERT_TRUE(t.tab.lesen(t.settings, &t.meldungen, t.sprache));
    EXPECT_EQ(t.tab.istZulaessig(2, 30, 2, 8), 0);  // the last entry was applied
}

TEST(Zulaessig, MigrationEinmalUndRegistryFehler) {
    Tabelle t;
    t.settings.values["PlattentypSpalttypZulaessig"] = "old";
    ASSERT_TRUE(t.tab.lesen(t.settings, &t.meldungen, t.sprache));
    ASSERT_EQ(t.meldungen.shown.size(), 1u);
    EXPECT_EQ(t.meldungen.shown[0].key, "readregistrySpalttypZulaessig");
    EXPECT_EQ(t.meldungen.shown[0].caption, "Fehler");
    EXPECT_EQ(t.settings.values.at("PlattentypSpalttypZulaessig3.1"), "");
    EXPECT_EQ(t.settings.values.at("PlattentypSpalttypZulaessig"), "old");
    t.meldungen.shown.clear();
    ASSERT_TRUE(t.tab.lesen(t.settings, &t.meldungen, t.sprache));
    EXPECT_TRUE(t.meldungen.shown.empty());

    Tabelle z;
    z.settings.available = false;
    EXPECT_FALSE(z.tab.lesen(z.settings, &z.meldungen, z.sprache));
    EXPECT_FALSE(z.tab.schreiben(z.settings, &z.meldungen, z.sprache));
    ASSERT_EQ(z.meldungen.shown.size(), 2u);
    EXPECT_EQ(z.meldungen.shown[0].key, "readregistry");
    EXPECT_TRUE(z.settings.values.empty());
}

// 200 000 stored entries, every one a key of its own and all in one bucket,
// read completely; the reading time is measured by kalvoria-bench
// (zulaessigLesen).
TEST(Zulaessig, VieleAbweichungenVollstaendigGelesen) {
    Tabelle t;
    std::string text;
    const int n = 200000;
    for (int i = 0; i < n; ++i) text += kal::formatiere("%i:%i:1:%i,", i, i, i % 9);
    ASSERT_EQ(CSpalttypenZulaessig::bucketFuer({7, 7, 1}),
              CSpalttypenZulaessig::bucketFuer({9, 9, 1}));
    t.tab.abweichungenAnwenden(text);
    EXPECT_EQ(t.tab.istAktiv(4711, 4711, 1, 4711 % 9), 0);
    EXPECT_EQ(t.tab.anzahlEintraege(), 12u + n);
}
