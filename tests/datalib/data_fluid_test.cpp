// Fluid tables against independent reference values.
#include <gtest/gtest.h>

#include <cmath>

#include "ausgeliefert.h"
#include "datalib/data.h"

namespace {
using kaltest::ausgelieferteDaten;

const Stoffdaten* stoff(const std::string& name) {
    const auto& l = ausgelieferteDaten().getStoffdatenListe();
    for (int i = 0; i < l.getSize(); ++i)
        if (l.internalGetAt(i)->getName() == name) return l.internalGetAt(i);
    return nullptr;
}
}  // namespace

TEST(Stoffe, WaterDensityMaximumNearFourDegrees) {
    const Stoffdaten* w = stoff("Water");
    ASSERT_NE(w, nullptr);
    double best = 0, tBest = 0;
    for (double t = 1; t <= 10; t += 0.5)
        if (w->GetDichte(t, 1.0) > best) best = w->GetDichte(t, 1.0), tBest = t;
    EXPECT_NEAR(tBest, 4.0, 1.0);
}

TEST(Stoffe, VapourPressureRisesAndInverts) {
    const Stoffdaten* s = stoff("Steam");
    ASSERT_NE(s, nullptr);
    double vorher = 0;
    for (double t = s->tMin; t <= s->tMax; t += 0.7) {
        double p = s->GetDampfdruck(t);
        EXPECT_GT(p, vorher);
        vorher = p;
        EXPECT_NEAR(s->GetTempDampf(p), t, 1e-6);
    }
}

TEST(Stoffe, SteamFlagsAndCondensate) {
    const Stoffdaten* s = stoff("Steam");
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->IsKondensation());
    EXPECT_TRUE(s->IsGas());
    EXPECT_TRUE(s->IsMediumFuerSeiteZulaessig(0));
    EXPECT_FALSE(s->IsMediumFuerSeiteZulaessig(1));
    const Stoffdaten* k =
        ausgelieferteDaten().getStoffdatenListe().internalGetAt(s->GetCodeKondensat());
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->getName(), "Water");
    // saturated vapour density at 100 degC: 0.5982 kg/m3
    EXPECT_NEAR(s->GetDichte(100, s->GetDampfdruck(100)), 0.598, 0.003);
}

// Air is nearly ideal up to the highest pressure stage; carbon dioxide at
// 16 bar and 20 degC is not (compressibility about 0.91), and at 25 bar it
// condenses below -12 degC (saturation pressure 25.0 bar there).
TEST(Stoffe, RealGasesAtTheirPressure) {
    const Stoffdaten* luft = stoff("Dry Air");
    const Stoffdaten* co2 = stoff("Carbon Dioxide");
    ASSERT_TRUE(luft && co2);
    EXPECT_NEAR(luft->GetDichte(20, 6.0) / luft->GetDichte(20, 1.5), 4.0, 0.02);
    EXPECT_NEAR(luft->GetDichte(20, 1.01325), 1.204, 0.003);
    const double ideal = 16e5 * 0.0440098 / (8.314462618 * 293.15);
    EXPECT_GT(co2->GetDichte(20, 16) / ideal, 1.05);
    EXPECT_GT(co2->GetWaermekapazitaet(-20, 16), 1.3 * co2->GetWaermekapazitaet(-20, 1.01325));
    const Gasphasenbefund b = co2->pruefeGasphase(-20, 25);
    EXPECT_EQ(b.phase, Gasphase::UnterTaupunkt);
    EXPECT_NEAR(b.grenze, -12.0, 0.3);
    EXPECT_EQ(co2->pruefeGasphase(-10, 25).phase, Gasphase::Gas);
    EXPECT_EQ(co2->pruefeGasphase(100, 26).phase, Gasphase::DruckUeberTabelle);
    for (const char* n : {"Dry Air", "Nitrogen"})
        EXPECT_EQ(stoff(n)->pruefeGasphase(stoff(n)->tMin, 25).phase, Gasphase::Gas) << n;
}

TEST(Stoffe, CatalogueContent) {
    ASSERT_NE(stoff("Sea Water"), nullptr);
    EXPECT_TRUE(stoff("Sea Water")->NurTitanZulaessig());
    int glykole = 0;
    for (const auto& s : ausgelieferteDaten().getStoffdatenListe().alle()) {
        if (s.getName().find("Glycol") != std::string::npos) ++glykole;
        EXPECT_TRUE(s.IsTemperaturOK(s.tMin));
        EXPECT_FALSE(s.IsTemperaturOK(s.tMax + 0.01));
    }
    EXPECT_GE(glykole, 4);
}
