// The role check of channel-type positions on the shipped data and on data
// sets edited so that they break it.
#include "datalib/spalttyprollen.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "ausgeliefert.h"
#include "datalib/data.h"

namespace {
using kaltest::distDataDir;

template <class Liste, class F>
void umbauen(Liste& liste, F aendern) {
    auto alle = liste.alle();
    liste.leeren();
    for (auto& x : alle) {
        aendern(x);
        liste.hinzufuegen(std::move(x));
    }
}

// Channel types a and b change places in the list, with their wave angles in
// every plate type: the same physics in another order.
void tausche(Data& d, size_t a, size_t b) {
    auto typen = d.getSpalttypListe().alle();
    std::swap(typen[a], typen[b]);
    d.getSpalttypListe().leeren();
    for (auto& t : typen) d.getSpalttypListe().hinzufuegen(std::move(t));
    umbauen(d.getPlattentypAListe(),
            [&](PlattentypA& p) { std::swap(p.wellenwinkel[a], p.wellenwinkel[b]); });
}

// Every table of the type at `pos`, by wave angle, changed by `aendern`.
void aendere(Data& d, int pos, const std::function<void(int, SpalttypKorrelation&)>& aendern) {
    int i = 0;
    umbauen(d.getSpalttypListe(), [&](Spalttyp& t) {
        if (i++ == pos)
            for (auto& [winkel, k] : t.tabellen) aendern(winkel, k);
    });
}

bool enthaelt(const std::vector<std::string>& befunde, const std::string& text) {
    for (const auto& b : befunde)
        if (b.find(text) != std::string::npos) return true;
    return false;
}

struct Bruch {
    const char* name;
    std::function<void(Data&)> bearbeiten;
    std::vector<std::string> erwartet;  // each in some line
    std::vector<std::string> nie;       // in no line
};
}  // namespace

TEST(SpalttypRollen, ShippedDataKeepsBoth) {
    const Data& d = kaltest::ausgelieferteDaten();
    ASSERT_TRUE(d.istGueltig());
    const auto befunde = pruefeSpalttypRollen(d);
    EXPECT_TRUE(befunde.empty()) << befunde.front();
    EXPECT_EQ(d.getSpalttypListe().internalGetAt(kSpalttypStaerkster)->getName(), "HH");
    EXPECT_EQ(d.getSpalttypListe().internalGetAt(kSpalttypGlattester)->getName(), "LL");
}

class SpalttypRollenBruch : public ::testing::TestWithParam<Bruch> {};

TEST_P(SpalttypRollenBruch, NamesPlateTypeTypesAndReynolds) {
    Data d(distDataDir());
    GetParam().bearbeiten(d);
    const auto befunde = pruefeSpalttypRollen(d);
    for (const auto& e : GetParam().erwartet) EXPECT_TRUE(enthaelt(befunde, e)) << e;
    for (const auto& n : GetParam().nie) EXPECT_FALSE(enthaelt(befunde, n)) << n;
    EXPECT_EQ(befunde.empty(), GetParam().erwartet.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SpalttypRollenBruch,
    ::testing::Values(
        // the earlier order's flaw: a 55 degree type at position 1
        Bruch{"HmAufEins",
              [](Data& d) { tausche(d, 0, 1); },
              {"spalttypen.json: KX 14: Nusselt law of HH (position 0) above that of HM "
               "(position 1) at Re 0.1: the quick screening",
               "KXT 32: Nusselt law of HH (position 0)"},
              {"friction"}},
        // the channel-count bound from a type with more friction than LL
        Bruch{"MlAufAcht",
              [](Data& d) { tausche(d, 4, 8); },
              {"KX 04: friction law of LL (position 4) below that of ML (position 8)"},
              {"KXT 32", "Nusselt"}},
        // position 1 weaker only in the turbulent range: probed just above 2000
        Bruch{"NurTurbulent",
              [](Data& d) {
                  aendere(d, kSpalttypStaerkster, [](int winkel, SpalttypKorrelation& k) {
                      if (winkel % 10 == 5) k.alphaFaktor[0] *= 0.5;  // not the trevan tables
                  });
              },
              {"KX 100: Nusselt law of HM (position 0) above that of HH (position 1) at "
               "Re 2000:"},
              {"Re 1999", "friction", "KXT 32"}},
        // a type exactly as strong as position 1 breaks nothing
        Bruch{"GleichStark",
              [](Data& d) {
                  const auto hh = d.getSpalttypListe().internalGetAt(kSpalttypStaerkster)->tabellen;
                  aendere(d, 0, [&](int winkel, SpalttypKorrelation& k) {
                      if (hh.count(winkel + 10)) k = hh.at(winkel + 10);  // HM's 55 -> HH's 65
                  });
              },
              {},
              {}}),
    [](const auto& info) { return std::string(info.param.name); });
