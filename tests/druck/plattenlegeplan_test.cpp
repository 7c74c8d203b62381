// The plate arrangement plan checked against the pack it describes: each
// medium followed from its inlet nozzle through the holes the plan leaves
// open must pass every one of its channels, pass by pass, and leave by the
// outlet nozzle of the completion's arrangement, for one to four passes,
// inlet top or bottom, with and without drain nozzles; the plates' patterns
// build the channel types of the result; the printed plan names the warm
// inlet.
#include "druck/plattenlegeplan.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "druck/projektdaten.h"
#include "engine/anschluesse.h"
#include "seite.h"
#include "umgebung.h"

using namespace kal;
namespace anschluss = kal::engine::anschluss;

namespace {

// The shipped order of the channel types.
const std::vector<std::string> kNamen = {"HM", "HH", "MM", "HL", "ML", "LM", "MH", "LH", "LL"};

struct Stutzen {
    bool druckplatte;
    int loch;  // 0..3 for F1..F4 / P1..P4
};

// "F1 => P4": inlet and outlet.
std::pair<Stutzen, Stutzen> weg(const std::string& text) {
    const size_t pfeil = text.find("=>");
    auto stutzen = [&](size_t ab) {
        const size_t i = text.find_first_of("FP", ab);
        return Stutzen{text[i] == 'P', text[i + 1] - '1'};
    };
    return {stutzen(0), stutzen(pfeil)};
}

// A medium followed through the pack: the channels of its side each pass
// reaches, in order, and whether it leaves by `aus`. Channel c lies between
// plates c and c + 1; a duct of a hole joins channels c and c + 1 where
// plate c + 1 is open there; a nozzle reaches the first or last channel
// where the first or last plate is open.
struct Verfolgt {
    std::vector<std::vector<int>> serien;
    bool ausgang = false;
    std::string fehler;
};

Verfolgt verfolgen(const std::vector<Platte>& platten, int seite, Stutzen ein, Stutzen aus) {
    Verfolgt v;
    const int n = static_cast<int>(platten.size()) - 1;  // channels
    auto offen = [&](int platte, int loch) {
        return platten[static_cast<size_t>(platte - 1)].offen[static_cast<size_t>(loch)];
    };
    // the channels of the duct of `loch` around channel c
    auto segment = [&](int loch, int c) {
        int von = c, bis = c;
        while (von > 1 && offen(von, loch)) --von;
        while (bis < n && offen(bis + 1, loch)) ++bis;
        return std::pair{von, bis};
    };
    auto nozzleSegment = [&](Stutzen s) -> std::optional<std::pair<int, int>> {
        const int platte = s.druckplatte ? n + 1 : 1;
        if (!offen(platte, s.loch)) return std::nullopt;
        return segment(s.loch, s.druckplatte ? n : 1);
    };
    auto seg = nozzleSegment(ein);
    if (!seg) {
        v.fehler = "the inlet nozzle reaches no channel";
        return v;
    }
    int loch = ein.loch;
    std::set<int> besucht;
    for (;;) {
        std::vector<int> neu;
        for (int c = seg->first; c <= seg->second; ++c)
            if ((c % 2 == 1) == (seite == 0) && !besucht.count(c)) neu.push_back(c);
        if (neu.empty()) break;
        v.serien.push_back(neu);
        besucht.insert(neu.begin(), neu.end());
        // across the channels to the medium's other hole: one duct
        const int anderes = 3 - loch;
        const auto weiter = segment(anderes, neu.front());
        for (int c : neu)
            if (segment(anderes, c) != weiter) v.fehler = "a pass leaves by two ducts";
        loch = anderes;
        seg = weiter;
    }
    const auto ausgang = nozzleSegment(aus);
    v.ausgang = aus.loch == loch && ausgang && *ausgang == *seg;
    return v;
}

struct Pack {
    int serien;
    int jeSerie;                // channels per pass and side
    std::array<int, 2> anzahl;  // warm channels per pass of the two types
};

struct Anordnung {
    Pack pack;
    anschluss::Eintritt eintritt;
    bool entleerung;
};

std::string name(const ::testing::TestParamInfo<Anordnung>& i) {
    return std::to_string(i.param.pack.serien) + "Passes" +
           (i.param.eintritt == anschluss::Eintritt::Oben ? "Top" : "Bottom") +
           (i.param.entleerung ? "Drains" : "");
}

class Plattenplan : public ::testing::TestWithParam<Anordnung> {
protected:
    anschluss::Belegung belegung() const {
        return anschluss::belegung(GetParam().eintritt, GetParam().pack.serien,
                                   GetParam().entleerung);
    }
    Plattenlegeangaben angaben() const {
        const Pack& p = GetParam().pack;
        Plattenlegeangaben a;
        a.serien = p.serien;
        a.spaltenGesamt = 2 * p.serien * p.jeSerie;
        a.anzahl = p.anzahl;
        a.spalttyp = {2, p.anzahl[1] > 0 ? 8 : -1};  // MM, LL
        a.endplatte = 1;
        const anschluss::Belegung b = belegung();
        a.belegungMediumWarm = b.mediumWarm;
        a.belegungMediumKalt = b.mediumKalt;
        a.belegungEntleerungWarm = b.entleerungWarm;
        a.belegungEntleerungKalt = b.entleerungKalt;
        a.spalttypNamen = kNamen;
        return a;
    }
};

}  // namespace

// Both media pass all their channels, in as many passes as the pack has,
// each pass of its channels, and leave by the arrangement's outlet; the
// frame and pressure plates' nozzles are exactly the open holes of the first
// and last plate; between two passes one turning plate.
TEST_P(Plattenplan, EachMediumFlowsAsTheArrangementSays) {
    const Pack& p = GetParam().pack;
    const Plattenlegeangaben a = angaben();
    const std::vector<Platte> platten = plattenliste(a);
    ASSERT_EQ(static_cast<int>(platten.size()), a.spaltenGesamt + 1);
    const anschluss::Belegung b = belegung();
    for (int seite : {0, 1}) {
        SCOPED_TRACE(seite == 0 ? b.mediumWarm : b.mediumKalt);
        const auto [ein, aus] = weg(seite == 0 ? b.mediumWarm : b.mediumKalt);
        const Verfolgt v = verfolgen(platten, seite, ein, aus);
        EXPECT_EQ(v.fehler, "");
        EXPECT_TRUE(v.ausgang);
        ASSERT_EQ(static_cast<int>(v.serien.size()), p.serien);
        for (size_t s = 0; s < v.serien.size(); ++s) {
            EXPECT_EQ(static_cast<int>(v.serien[s].size()), p.jeSerie);
            // the plan names the pass the medium passes it in: counted from
            // the frame plate for the warm medium, from the pressure plate for
            // the cold one of several passes
            const int serie = seite == 1 && p.serien > 1 ? p.serien - static_cast<int>(s)
                                                         : static_cast<int>(s) + 1;
            for (int c : v.serien[s])
                EXPECT_EQ(platten[static_cast<size_t>(c - 1)].serie, serie) << c;
        }
    }
    std::set<std::string> gestell, druck, offenVorn, offenHinten;
    for (const std::string& t : {b.mediumWarm, b.mediumKalt, b.entleerungWarm, b.entleerungKalt})
        for (size_t i = 0; i + 1 < t.size(); ++i)
            if (t[i] == 'F' || t[i] == 'P')
                (t[i] == 'F' ? gestell : druck).insert(t.substr(i + 1, 1));
    for (int l = 0; l < 4; ++l) {
        if (platten.front().offen[static_cast<size_t>(l)]) offenVorn.insert(std::to_string(l + 1));
        if (platten.back().offen[static_cast<size_t>(l)]) offenHinten.insert(std::to_string(l + 1));
    }
    EXPECT_EQ(offenVorn, gestell);
    EXPECT_EQ(offenHinten, druck);
    int umlenk = 0;
    for (const Platte& pl : platten) umlenk += pl.umlenkplatte;
    EXPECT_EQ(umlenk, p.serien - 1);
    EXPECT_TRUE(platten.back().endplatte);
}

// Every plate carries a pattern; the warm channels' patterns make the warm
// types as given, and each pass repeats them.
TEST_P(Plattenplan, PatternsBuildTheWarmTypes) {
    const Pack& p = GetParam().pack;
    std::map<std::pair<int, std::string>, int> warm;
    for (const Platte& pl : plattenliste(angaben())) {
        EXPECT_NE(std::string("HML").find(pl.muster), std::string::npos) << pl.nummer;
        if (pl.kanalSeite == 0) ++warm[{pl.serie, pl.kanalName}];
    }
    for (int s = 1; s <= p.serien; ++s) {
        EXPECT_EQ((warm[{s, "MM"}]), p.anzahl[0]);
        EXPECT_EQ((warm[{s, "LL"}]), p.anzahl[1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Anordnungen, Plattenplan, ::testing::ValuesIn([] {
        std::vector<Anordnung> v;
        for (Pack p :
             {Pack{1, 12, {7, 5}}, Pack{2, 10, {4, 6}}, Pack{3, 5, {3, 2}}, Pack{4, 3, {3, 0}}})
            for (auto e : {anschluss::Eintritt::Oben, anschluss::Eintritt::Unten})
                for (bool d : {false, true}) v.push_back({p, e, d});
        return v;
    }()),
    name);

// A mixed pack of one pass, 7 MM + 5 LL: the cold channels between them are
// named by their plates: 6 MM, the ML where the patterns change, 5 LL (the
// last one closed by an L plate).
TEST(Plattenplan, ColdChannelsOfAMixedPack) {
    Plattenlegeangaben a;
    a.spaltenGesamt = 24;
    a.anzahl = {7, 5};
    a.spalttyp = {2, 8};
    a.spalttypNamen = kNamen;
    std::map<std::string, int> kalt;
    for (const Platte& pl : plattenliste(a))
        if (pl.kanalSeite == 1) {
            ++kalt[pl.kanalName];
            EXPECT_EQ(kNamen[static_cast<size_t>(pl.kanalSpalttyp)], pl.kanalName);
        }
    EXPECT_EQ(kalt, (std::map<std::string, int>{{"LL", 5}, {"ML", 1}, {"MM", 6}}));
}

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

// A special arrangement whose texts name no warm inlet at the frame plate, or
// put both media on one hole, shows no holes rather than wrong ones.
TEST(Plattenplan, ArrangementsThePlanCannotDraw) {
    Plattenlegeangaben a;
    a.spaltenGesamt = 14;
    a.anzahl = {7, 0};
    for (auto [warm, kalt] : {std::pair{"see drawing 4711", "F3 => F2"},
                              {"P1 => F4", "F3 => F2"},
                              {"F1 => F4", "F1 => F2"}}) {
        a.belegungMediumWarm = warm;
        a.belegungMediumKalt = kalt;
        EXPECT_FALSE(stutzenanordnung(a).bekannt) << warm << " / " << kalt;
    }
    a.belegungMediumWarm = "F2 => F3";  // a special one the plan follows
    a.belegungMediumKalt = "F4 => F1";
    const Stutzenanordnung s = stutzenanordnung(a);
    EXPECT_TRUE(s.bekannt && s.eintrittOben() && s.warmLoch(1) && s.warmLoch(2));
}

// Printed: one row per plate with its pattern, the turning plates named, the
// warm inlet stated; nothing overlaps.
TEST(Plattenplan, PrintsThePackAndTheWarmInlet) {
    kaltest::Umgebung u;
    CDialogProjektDaten kopf(u.app);
    RecordingPage seite(4960, 7016, 10);
    Plattenlegeangaben a;
    a.serien = 2;
    a.spaltenGesamt = 28;
    a.anzahl = {7, 0};
    a.spalttyp = {8, -1};
    a.endplatte = 1;
    const anschluss::Belegung b = anschluss::belegung(anschluss::Eintritt::Unten, 2, true);
    a.belegungMediumWarm = b.mediumWarm;
    a.belegungMediumKalt = b.mediumKalt;
    a.belegungEntleerungWarm = b.entleerungWarm;
    a.belegungEntleerungKalt = b.entleerungKalt;
    a.spalttypNamen = kNamen;
    ASSERT_TRUE(druckePlattenlegeplan(seite, kopf, a));
    EXPECT_EQ(kaltest::layoutFehler(seite), std::vector<std::string>{});
    std::map<std::string, int> gezeichnet;
    for (const RecordingPage::Text& t : seite.texte) ++gezeichnet[t.text];
    EXPECT_EQ(gezeichnet["Warm inlet: F4 (bottom)"], 1);
    EXPECT_EQ(gezeichnet["turning plate"], 1);
    EXPECT_EQ(gezeichnet["L"], 29);  // the pattern of every plate
    EXPECT_EQ(gezeichnet["warm LL  (pass 1)"], 7);
    EXPECT_EQ(gezeichnet["cold LL  (pass 2)"], 7);
    EXPECT_EQ(gezeichnet["x   2   3   4   "], 0);
    EXPECT_EQ(gezeichnet["1   2   x   x   "], 1);  // the turning plate, blind at the bottom
}
