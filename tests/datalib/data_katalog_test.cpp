// Units, channel types, plate types and parts of the shipped data.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "ausgeliefert.h"
#include "datalib/data.h"

namespace {
using kaltest::ausgelieferteDaten;

const EinheitenGruppe& gruppe(int i) {
    static const EinheitenGruppe leer;
    const EinheitenGruppe* g = ausgelieferteDaten().getEinheitenGruppeListe().internalGetAt(i);
    EXPECT_NE(g, nullptr) << "unit group " << i;
    return g ? *g : leer;
}
}  // namespace

struct EinheitRef {
    int gruppe, pos;
    const char* name;
    double wert, basis;  // `wert` in the unit is `basis` in the base unit
};
class Einheiten : public ::testing::TestWithParam<EinheitRef> {};

TEST_P(Einheiten, PositionNameAndConversion) {
    const EinheitRef r = GetParam();
    const Einheit* e = gruppe(r.gruppe).getEinheitAt(r.pos);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->getName(), r.name);
    EXPECT_NEAR(e->umrechnenInBasisEinheit(r.wert), r.basis, 1e-9 * std::fabs(r.basis) + 1e-12);
    EXPECT_NEAR(e->umrechnenInDieseEinheit(e->umrechnenInBasisEinheit(r.wert)), r.wert, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Gruppen, Einheiten,
    ::testing::Values(EinheitRef{1, 0, "K", 10, 10}, EinheitRef{1, 1, "°C", 0, 273.15},
                      EinheitRef{1, 2, "°F", 212, 373.15}, EinheitRef{1, 2, "°F", -40, 233.15},
                      EinheitRef{2, 0, "Pa", 5, 5}, EinheitRef{2, 1, "kPa", 2, 2000},
                      EinheitRef{2, 2, "mbar", 1, 100}, EinheitRef{2, 4, "bar", 1.5, 150000},
                      EinheitRef{2, 5, "psi", 1, 6894.757293168}, EinheitRef{3, 1, "kW", 3, 3000},
                      EinheitRef{9, 1, "mPa·s", 1, 0.001}, EinheitRef{7, 2, "l", 1, 0.001},
                      EinheitRef{13, 1, "kg/h", 3600, 1}, EinheitRef{13, 2, "t/h", 3.6, 1},
                      EinheitRef{0, 1, "m³/h", 3600, 1},
                      EinheitRef{0, 4, "US gpm", 1, 6.30901964e-5}));

TEST(Einheiten, DisplayUnitsExistInTheirGroup) {
    for (const auto& g : ausgelieferteDaten().getEinheitenGruppeListe().alle())
        for (int sys : {0, 1})
            EXPECT_GE(g.getIndexForEinheitObjectId(g.getAnzeigeEinheitObjectId(sys)), 0)
                << g.getName();
    EXPECT_EQ(gruppe(1).getForObjectId(gruppe(1).getAnzeigeEinheitObjectId(0))->getName(), "°C");
    EXPECT_EQ(gruppe(1).getForObjectId(gruppe(1).getAnzeigeEinheitObjectId(1))->getName(), "°F");
}

// A temperature difference in each system's display unit: kelvin scaled by
// the unit's degree with no offset, named "K" for the Celsius degree.
TEST(Einheiten, TemperatureDifferenceInTheDisplayUnit) {
    const Data& d = ausgelieferteDaten();
    namespace eg = einheitengruppe;
    struct Fall {
        int system;
        double wert;
        const char* name;
    };
    for (const Fall& f : {Fall{0, 40.0, "K"}, Fall{1, 72.0,
                                                   "\xC2\xB0"
                                                   "F"}}) {
        const int pos = anzeigeEinheitPosition(d, eg::Temperatur, f.system);
        EXPECT_NEAR(temperaturdifferenzAus(d, pos, 40.0), f.wert, 1e-9) << f.system;
        EXPECT_EQ(temperaturdifferenzName(d, pos), f.name);
    }
    EXPECT_EQ(temperaturdifferenzName(d, eg::TemperaturK), "K");
    EXPECT_EQ(anzeigeEinheitPosition(d, 99, 1), 0);  // no such group
}

double tabelleNu(const Spalttyp& s, int ww, double re, double pr) {
    int k = 4;
    for (int i = 0; i < 4; ++i)
        if (re > s.getAlphaNusseltReGrenze(ww, i)) {
            k = i;
            break;
        }
    return s.getAlphaNusseltFaktorGleichung(ww, 5) *
           std::pow(pr, s.getAlphaNusseltExpGleichung(ww, 5)) *
           s.getAlphaNusseltFaktorGleichung(ww, k) *
           std::pow(re, s.getAlphaNusseltExpGleichung(ww, k));
}

TEST(Spalttypen, WaterWaterGivesRealisticCoefficients) {
    // KX 20, middle channel type MM, water at 40 degC, 0.5 m/s
    const PlattentypA* kx = ausgelieferteDaten().getPlattentypAListe().internalGetAt(3);
    ASSERT_EQ(kx->getName(), "KX 20");
    const auto& l = ausgelieferteDaten().getSpalttypListe();
    int mm = 0;
    while (mm < 8 && l.internalGetAt(mm)->getName() != "MM") ++mm;
    const Spalttyp& s = *l.internalGetAt(mm);
    ASSERT_EQ(s.getName(), "MM");
    double rho = 992.2, mu = 0.653, lam = 0.631, cp = 4.179;
    double re = kx->getDhSpalt() * 0.5 / (mu / rho) * 1000;
    double pr = cp * mu / lam;
    double alpha = tabelleNu(s, kx->getWellenwinkel(mm), re, pr) * lam / kx->getDhSpalt();
    EXPECT_GT(alpha, 5000);
    EXPECT_LT(alpha, 15000);
    double wand = kx->getPlattenDickeGesamtOhneLuft(1, 2) /
                  ausgelieferteDaten().getMaterialPlatteAListe().internalGetAt(0)->getLambda();
    double k = 1 / (2 / alpha + wand);
    EXPECT_GT(k, 3000);
    EXPECT_LT(k, 7000);
}

// The name of a channel type is its (first plate, second plate) pattern pair.
TEST(Spalttypen, SecondSideFromPlatePatterns) {
    const auto& l = ausgelieferteDaten().getSpalttypListe();
    auto name = [&](int i) { return l.internalGetAt(i)->getName(); };
    std::set<std::string> namen;
    for (int i = 0; i < 9; ++i) {
        ASSERT_EQ(name(i).size(), 2u) << i;
        namen.insert(name(i));
    }
    EXPECT_EQ(namen.size(), 9u);
    // between a channel o and one of type i lies the channel of o's second
    // and i's first plate, whatever the list order
    for (int i = 0; i < 9; ++i)
        for (int o = 0; o < 9; ++o) {
            const std::string erwartet = {name(o)[1], name(i)[0]};
            EXPECT_EQ(name(l.internalGetAt(i)->getSpalttypZweiteSeite(o)), erwartet)
                << name(i) << " after " << name(o);
        }
    EXPECT_EQ(l.internalGetAt(0)->getSpalttypZweiteSeite(9), 0);
}

TEST(Plattentypen, RangeAndGeometry) {
    const auto& a = ausgelieferteDaten().getPlattentypAListe();
    std::set<std::string> namen;
    int sicherheit = 0, trevan = 0;
    for (const auto& p : a.alle()) {
        namen.insert(p.getName());
        sicherheit += p.getSicherheitsplatte();
        trevan += p.getTrevanberechnung();
        EXPECT_NEAR(p.getDhSpalt(),
                    2 * p.getQuerSpalt(0) / (p.getFlaeche(0) / 2 / 1.17 / p.getLaengeSpalt()),
                    1e-6);
        EXPECT_NEAR(p.getQuerKanal(), M_PI / 4 * p.getDhKanal() * p.getDhKanal(), 1e-6);
        EXPECT_GT(p.getPlattenDickeGesamt(ausgelieferteDaten(), 1, 1), 0.0);
        if (p.getSicherheitsplatte()) {
            EXPECT_NEAR(p.getPlattenDickeGesamt(ausgelieferteDaten(), 1, 1) -
                            p.getPlattenDickeGesamtOhneLuft(1, 1),
                        ausgelieferteDaten().getGlobaleParameter().getLuftspaltSicherheitsplatten(),
                        1e-12);
        }
        const PlattentypU* u =
            ausgelieferteDaten().getPlattentypUListe().internalGetForObjectId(p.getObjectId());
        ASSERT_NE(u, nullptr);
        EXPECT_GT(u->getQuerMaxStutzen(ausgelieferteDaten()), 0.0) << p.getName();
        EXPECT_GT(u->getPlattenPreis(1, 2), 0.0);
        EXPECT_GT(u->getGestellGrundpreis(ausgelieferteDaten(), 1, 2, 0), 0.0);
        EXPECT_NE(ausgelieferteDaten().getLaengenzuschlagListe().getLaengenzuschlag(
                      ausgelieferteDaten(), *u, 2 * p.getMaxSpalte() + 1),
                  nullptr);
    }
    for (const char* n : {"KX 04", "KX 08", "KX 14", "KX 20"}) EXPECT_TRUE(namen.count(n)) << n;
    EXPECT_GE(sicherheit, 2);
    EXPECT_GE(trevan, 1);
    EXPECT_GE(a.getSize(), 8);
}

TEST(Teile, NamesTheRulesRelyOn) {
    std::set<std::string> dichtungen, platten, gestelle, arten, materialien;
    for (const auto& d : ausgelieferteDaten().getDichtungAListe().alle())
        dichtungen.insert(d.getName());
    for (const auto& m : ausgelieferteDaten().getMaterialPlatteAListe().alle())
        platten.insert(m.getName());
    for (const auto& g : ausgelieferteDaten().getMaterialGestellUListe().alle())
        gestelle.insert(g.getName());
    for (const auto& a : ausgelieferteDaten().getAnschlussUListe().alle())
        arten.insert(a.getArt()), materialien.insert(a.getMaterial());
    for (const char* n : {"EPDM", "EPDM HT", "Viton S", "NBR"})
        EXPECT_TRUE(dichtungen.count(n)) << n;
    EXPECT_TRUE(platten.count("AISI 316"));
    EXPECT_TRUE(platten.count("Titan"));
    EXPECT_TRUE(gestelle.count("C-Steel"));
    for (const char* n : {"gummiformteil", "bohrbild", "flansch am rohr", "flansch am rohrbogen",
                          "auskleidung", "außengewinde", "innengewinde"})
        EXPECT_TRUE(arten.count(n)) << n;
    EXPECT_TRUE(materialien.count("titan"));
    EXPECT_TRUE(materialien.count("polypropylen"));
    std::set<int> druck;
    for (const auto& d : ausgelieferteDaten().getDruckstufeAListe().alle())
        druck.insert(d.getDruck());
    EXPECT_EQ(druck, (std::set<int>{6, 10, 16, 25}));
}
