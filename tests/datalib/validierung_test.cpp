// The shipped data against references nobody here wrote, and the check
// itself against faults it must find.
#include "validierung.h"

#include <gtest/gtest.h>

#include "ausgeliefert.h"
#include "verzeichnis.h"

namespace {
using kaltest::ausgelieferteDaten;
namespace v = kaltest::validierung;

void alleInToleranz(const std::vector<v::Befund>& befunde) {
    ASSERT_FALSE(befunde.empty());
    for (const v::Befund& b : befunde) {
        EXPECT_GT(b.punkte, 0) << b.gegenstand << " " << b.groesse << " " << b.wo;
        EXPECT_TRUE(b.inToleranz()) << b.gegenstand << " " << b.groesse << ": " << b.abweichung
                                    << " at " << b.wo << " (tolerance " << b.toleranz << ")";
    }
}

const v::Befund* finde(const std::vector<v::Befund>& befunde, const std::string& gegenstand,
                       const std::string& groesse) {
    for (const v::Befund& b : befunde)
        if (b.gegenstand == gegenstand && b.groesse == groesse) return &b;
    return nullptr;
}

// A copy of the shipped data with one fluid or channel type changed.
template <class T, class F>
void aendere(DataList<T>& liste, const std::string& name, F f) {
    std::vector<T> alle = liste.alle();
    liste.leeren();
    for (T& x : alle) {
        if (x.getName() == name) f(x);
        liste.hinzufuegen(std::move(x));
    }
}
}  // namespace

TEST(Validierung, FluidsWithinToleranceOfTheirReferences) {
    const auto befunde = v::stoffe(ausgelieferteDaten(), KAL_REFERENZ_DIR);
    alleInToleranz(befunde);
    // every fluid the engine offers has a reference but sea water (scaled water)
    for (const auto& s : ausgelieferteDaten().getStoffdatenListe().alle()) {
        if (s.getName() == "Sea Water") continue;
        EXPECT_NE(finde(befunde, s.getName(), "viskositaet"), nullptr) << s.getName();
    }
}

TEST(Validierung, ChannelTablesFollowMartinFromRe10To50000) {
    alleInToleranz(v::spalttypen(ausgelieferteDaten()));
}

// Limits of Martin's law that hold at any Reynolds number: corrugations
// along the flow give the smooth channel, across it the fully corrugated one.
TEST(Validierung, MartinReducesToItsLimits) {
    for (double re : {50.0, 1500.0}) {
        EXPECT_NEAR(v::martinXi(re, 0.0), 64.0 / re, 1e-12 * 64.0 / re);
        EXPECT_NEAR(v::martinXi(re, 90.0), 3.8 * (597.0 / re + 3.85), 1e-6);
    }
    // the smooth-channel law at Re 10000 (Konakov, log10): 1 / 5.7^2
    EXPECT_NEAR(v::martinXi(1e4, 0.0), 0.03078, 0.00001);
    EXPECT_NEAR(v::martinXi(1e4, 90.0), 3.8 * 39.0 / std::pow(1e4, 0.289), 1e-6);
    // Nu grows with the angle at every Reynolds number
    for (double re : {10.0, 300.0, 3000.0, 40000.0})
        EXPECT_LT(v::martinNu(re, 25), v::martinNu(re, 65)) << re;
}

TEST(Validierung, FindsAFluidOutsideItsTolerance) {
    Data d = ausgelieferteDaten();
    aendere(d.getStoffdatenListe(), "Ethylene Glycol 50 %", [](Stoffdaten& s) {
        for (double& mu : s.viskositaet) mu *= 0.9;
    });
    aendere(d.getStoffdatenListe(), "Carbon Dioxide", [](Stoffdaten& s) {
        for (double& cp : s.waermekapazitaet) cp *= 1.03;
    });
    const auto befunde = v::stoffe(d, KAL_REFERENZ_DIR);
    const v::Befund* mu = finde(befunde, "Ethylene Glycol 50 %", "viskositaet");
    const v::Befund* cp = finde(befunde, "Carbon Dioxide", "waermekapazitaet");
    ASSERT_TRUE(mu && cp);
    EXPECT_FALSE(mu->inToleranz());
    EXPECT_FALSE(cp->inToleranz());
    EXPECT_TRUE(finde(befunde, "Ethylene Glycol 50 %", "dichte")->inToleranz());
}

TEST(Validierung, FindsAChannelTableOffMartin) {
    Data d = ausgelieferteDaten();
    // the turbulent friction law 8 % low, as a natural-log smooth-channel term makes it
    aendere(d.getSpalttypListe(), "LL", [](Spalttyp& s) {
        for (auto& [ww, k] : s.tabellen) k.druckFaktor[0] *= 0.92;
    });
    const auto befunde = v::spalttypen(d);
    EXPECT_FALSE(finde(befunde, "LL", "xi")->inToleranz());
    EXPECT_TRUE(finde(befunde, "LL", "Nu")->inToleranz());
    EXPECT_TRUE(finde(befunde, "HH", "xi")->inToleranz());
}

TEST(Validierung, MissingReferenceFilesFail) {
    kaltest::TempDir leer;
    const auto befunde = v::stoffe(ausgelieferteDaten(), leer.dir());
    ASSERT_FALSE(befunde.empty());
    EXPECT_FALSE(befunde.back().inToleranz());
}

// README.md shows what tools/datagen/validate.py writes from this check.
TEST(Validierung, ReadmeShowsTheCurrentTable) {
    const std::string readme = kaltest::liesDatei(KAL_README);
    const std::string anfang = "<!-- validation:begin -->\n", ende = "<!-- validation:end -->";
    const auto a = readme.find(anfang), e = readme.find(ende);
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(e, std::string::npos);
    const std::string erwartet = v::markdown(v::stoffe(ausgelieferteDaten(), KAL_REFERENZ_DIR),
                                             v::spalttypen(ausgelieferteDaten()));
    EXPECT_EQ(readme.substr(a + anfang.size(), e - a - anfang.size()), erwartet)
        << "run tools/datagen/validate.py build/test/bin/kal-validierung";
}
