// The plate arrangement plan checked against the pack it describes: plate
// count, turning plates, port holes and channel types for 1 to 4 passes,
// and the nozzles of the completion's arrangement table.
#include "druck/plattenlegeplan.h"

#include <gtest/gtest.h>

#include <set>

#include "druck/projektdaten.h"
#include "seite.h"
#include "umgebung.h"

using namespace kal;

namespace {

struct Pack {
    int serien;
    int jeSerie;                // channels per pass and side
    std::array<int, 2> anzahl;  // of the two channel types per pass
    std::set<int>
        druckplatte;  // nozzles on the pressure plate (P1..P4), from the arrangement table
};

class Plattenplan : public ::testing::TestWithParam<Pack> {
protected:
    Plattenlegeangaben angaben() const {
        Plattenlegeangaben a;
        a.serien = GetParam().serien;
        a.spaltenGesamt = 2 * GetParam().serien * GetParam().jeSerie;
        a.anzahl = GetParam().anzahl;
        a.spalttyp = {0, GetParam().anzahl[1] > 0 ? 3 : -1};
        a.endplatte = 1;
        return a;
    }
};

TEST_P(Plattenplan, MatchesThePack) {
    const Pack& p = GetParam();
    const Plattenlegeangaben a = angaben();
    const std::vector<Platte> platten = plattenliste(a);
    ASSERT_EQ(static_cast<int>(platten.size()), a.spaltenGesamt + 1);

    // plates numbered from the frame plate, alternately turned
    for (size_t i = 0; i < platten.size(); ++i) {
        EXPECT_EQ(platten[i].nummer, static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_NE(platten[i].lage, platten[i - 1].lage);
        }
    }
    // the first plate passes all four nozzles of the frame plate
    EXPECT_EQ(platten.front().offen, (std::array<bool, 4>{true, true, true, true}));

    // channels: warm and cold alternate; per pass and side `jeSerie` of
    // them, the warm ones split into the two types as given
    std::map<std::pair<int, int>, int> jeSerieUndSeite, warmJeTyp;
    for (const Platte& pl : platten) {
        if (pl.kanalSeite < 0) continue;
        EXPECT_EQ(pl.kanalSeite, (pl.nummer + 1) % 2);
        ++jeSerieUndSeite[{pl.serie, pl.kanalSeite}];
        if (pl.kanalSeite == 0) ++warmJeTyp[{pl.serie, pl.kanalSpalttyp}];
    }
    EXPECT_EQ(jeSerieUndSeite.size(), static_cast<size_t>(2 * p.serien));
    for (const auto& [schluessel, n] : jeSerieUndSeite) EXPECT_EQ(n, p.jeSerie);
    for (int s = 1; s <= p.serien; ++s) {
        EXPECT_EQ((warmJeTyp[{s, 0}]), p.anzahl[0]);
        if (p.anzahl[1] > 0) {
            EXPECT_EQ((warmJeTyp[{s, 3}]), p.anzahl[1]);
        }
    }

    // one turning plate between each two passes, closing both top holes
    // after an odd pass and both bottom holes after an even one; nothing
    // else closes a hole before the last plate
    std::vector<int> umlenkung;
    for (const Platte& pl : platten) {
        if (pl.nummer == a.spaltenGesamt + 1) continue;
        std::set<int> zu;
        for (int h = 0; h < 4; ++h)
            if (!pl.offen[static_cast<size_t>(h)]) zu.insert(h + 1);
        EXPECT_EQ(pl.umlenkplatte, !zu.empty());
        if (!pl.umlenkplatte) continue;
        umlenkung.push_back(pl.nummer);
        EXPECT_EQ(zu, (umlenkung.size() % 2 ? std::set<int>{1, 2} : std::set<int>{3, 4}));
        // the pass changes behind it
        EXPECT_EQ(pl.serie, platten[static_cast<size_t>(pl.nummer) - 2].serie + 1);
    }
    EXPECT_EQ(static_cast<int>(umlenkung.size()), p.serien - 1);

    // the end plate lets through exactly the pressure plate's nozzles
    const Platte& ende = platten.back();
    EXPECT_TRUE(ende.endplatte);
    EXPECT_EQ(ende.kanalSeite, -1);
    std::set<int> offen;
    for (int h = 0; h < 4; ++h)
        if (ende.offen[static_cast<size_t>(h)]) offen.insert(h + 1);
    EXPECT_EQ(offen, p.druckplatte);
}

// Drawn: one table row per plate, the turning plates named, the channel
// type names of the library.
TEST_P(Plattenplan, PrintsEveryPlate) {
    kaltest::Umgebung u;
    CDialogProjektDaten kopf(u.app);
    RecordingPage seite;
    const Plattenlegeangaben a = angaben();
    ASSERT_TRUE(druckePlattenlegeplan(seite, kopf, a));
    int umlenk = 0, zeilen = 0, hm = 0;
    std::set<std::string> nummern;
    for (const kaltest::Gezeichnet& g : kaltest::texte(seite.log)) {
        umlenk += g.text == "turning plate";
        hm += g.text.rfind("warm HM", 0) == 0;
        if (g.x == seite.pageWidth() / 10 && !g.text.empty() && std::isdigit(g.text[0]) &&
            g.text.find(':') == std::string::npos)
            ++zeilen, nummern.insert(g.text);
    }
    EXPECT_EQ(zeilen, a.spaltenGesamt + 1);
    EXPECT_EQ(static_cast<int>(nummern.size()), a.spaltenGesamt + 1);
    EXPECT_EQ(umlenk, GetParam().serien - 1);
    EXPECT_EQ(hm, GetParam().serien * GetParam().anzahl[0]);  // list position 0 is HM
}

// Nozzles on the pressure plate as the completion's arrangement table
// gives them for the inlet at the top: none for one pass, P1 and P2 for an
// even pass count, P4 and P3 for an odd one.
INSTANTIATE_TEST_SUITE_P(Serien, Plattenplan,
                         ::testing::Values(Pack{1, 7, {7, 0}, {}}, Pack{2, 10, {4, 6}, {1, 2}},
                                           Pack{3, 5, {3, 2}, {3, 4}}, Pack{4, 3, {3, 0}, {1, 2}}));

TEST(Plattenplan, ValuesThatDescribeNoPack) {
    Plattenlegeangaben a;
    a.serien = 3;
    a.spaltenGesamt = 20;  // 10 channels per side do not divide into 3 passes
    a.anzahl = {3, 0};
    EXPECT_TRUE(plattenliste(a).empty());
    a.spaltenGesamt = 18;
    a.anzahl = {2, 2};  // 4 per pass, but 3 in the pack
    EXPECT_TRUE(plattenliste(a).empty());
    a.anzahl = {3, 0};
    EXPECT_EQ(plattenliste(a).size(), 19u);
    a.spaltenGesamt = 0;
    EXPECT_TRUE(plattenliste(a).empty());
}

}  // namespace
