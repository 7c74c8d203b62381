// Accessor behaviour on a small data set built in memory.
#include <gtest/gtest.h>

#include <cmath>

#include "datalib/data.h"

namespace {
Data kleineDaten() {
    Data d;
    Stoffdaten s;
    s.objectId = 7;
    s.name = "Probe";
    s.kondensation = true;
    s.gas = true;
    s.tMin = 10;
    s.tMax = 30;
    s.temperatur = {10, 20, 30};
    s.dichte = {1, 2, 4};
    s.waermekapazitaet = {2, 2, 2};
    s.viskositaet = {3, 2, 1};
    s.waermeleitfaehigkeit = {0.1, 0.2, 0.3};
    s.dampfdruck = {1, 2, 5};
    s.kondensationsenthalpie = {2000, 1900, 1800};
    d.getStoffdatenListe().hinzufuegen(s);

    // a gas over two pressures: rho/p 2 and 1 at 1 bar, 24/11 and 1 at 11 bar
    Stoffdaten g;
    g.objectId = 8;
    g.name = "Gas";
    g.gas = true;
    g.tMin = 0;
    g.tMax = 100;
    g.bezugsdruck = 1.0;
    g.temperatur = {0, 100};
    g.druck = {1, 11};
    g.dichte = {2, 1, 24, 11};
    g.waermekapazitaet = {1, 1, 2, 2};
    g.viskositaet = {1, 2, 3, 4};
    g.waermeleitfaehigkeit = {1, 1, 1, 1};
    g.kritischeDichte = 20;
    g.taupunktTemperatur = {-10, 20};
    g.taupunktDruck = {2, 8};
    d.getStoffdatenListe().hinzufuegen(g);

    PlattentypU u;
    u.objectId = 3;
    d.getPlattentypUListe().hinzufuegen(u);
    for (auto [id, typ, max] : {std::tuple{1, 3, 100}, {2, 3, 40}, {3, 4, 10}, {4, 3, 70}}) {
        Laengenzuschlag l;
        l.objectId = id;
        l.plattentyp = typ;
        l.maxPlatten = max;
        d.getLaengenzuschlagListe().hinzufuegen(l);
    }
    return d;
}
}  // namespace

TEST(Speicher, InterpolationAndClampingOfFluidTables) {
    Data d = kleineDaten();
    const Stoffdaten* s = d.getStoffdatenListe().internalGetForObjectId(7);
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->GetDichte(25, 99), 3.0);  // condensing: no pressure scaling
    EXPECT_DOUBLE_EQ(s->GetViskositaet(15), 2.5);
    EXPECT_DOUBLE_EQ(s->GetViskositaet(0), 3.0);
    EXPECT_DOUBLE_EQ(s->GetDampfdruck(25), 3.5);
    EXPECT_DOUBLE_EQ(s->GetTempDampf(3.5), 25.0);
    EXPECT_TRUE(s->IsTemperaturOK(30));
    EXPECT_FALSE(s->IsTemperaturOK(30.001));
    EXPECT_EQ(d.getStoffdatenListe().internalGetForObjectId(9), nullptr);
    EXPECT_EQ(d.getStoffdatenListe().internalGetAt(2), nullptr);
    EXPECT_EQ(d.getStoffdatenListe().internalGetAt(-1), nullptr);
}

// Pressure tables: rows interpolated in temperature, then rho/p and the
// other properties linearly in pressure; an ideal gas below the lowest row.
TEST(Speicher, GasTablesOverPressure) {
    Data d = kleineDaten();
    const Stoffdaten& g = *d.getStoffdatenListe().internalGetForObjectId(8);
    EXPECT_DOUBLE_EQ(g.GetDichte(50, 1), 1.5);
    EXPECT_DOUBLE_EQ(g.GetDichte(50, 0.5), 0.75);
    EXPECT_NEAR(g.GetDichte(50, 6), 6 * (1.5 + 17.5 / 11) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(g.GetDichte(100, 30), 30.0);  // ideal above the last row too
    EXPECT_DOUBLE_EQ(g.GetViskositaet(50, 6), 2.5);
    EXPECT_DOUBLE_EQ(g.GetViskositaet(50), 1.5);  // at bezugsdruck
    EXPECT_DOUBLE_EQ(g.GetWaermekapazitaet(0, 11), 2.0);
    EXPECT_TRUE(std::isnan(g.GetDichte(50, std::nan(""))));
    EXPECT_TRUE(std::isnan(g.GetViskositaet(std::nan(""), 6)));
    // a liquid ignores the pressure
    const Stoffdaten& l = *d.getStoffdatenListe().internalGetForObjectId(7);
    EXPECT_DOUBLE_EQ(l.GetViskositaet(15, 40), l.GetViskositaet(15));
}

TEST(Speicher, PhaseCheckOfAGas) {
    Data d = kleineDaten();
    const Stoffdaten& g = *d.getStoffdatenListe().internalGetForObjectId(8);
    const struct {
        double t, p;
        Gasphase phase;
        double grenze;
    } faelle[] = {
        {0, 5, Gasphase::UnterTaupunkt, 5},           // dew line at 5 bar: 5 degC
        {5, 5, Gasphase::Gas, 0},                     // on it: still a gas
        {0, 1.5, Gasphase::Gas, 0},                   // below the dew line's lowest pressure
        {50, 12, Gasphase::DruckUeberTabelle, 11},    // above the tables
        {0, 11, Gasphase::UeberKritischeDichte, 20},  // 24 kg/m3 beyond the dew line's end
        {100, 11, Gasphase::Gas, 0},
    };
    for (const auto& f : faelle) {
        const Gasphasenbefund b = g.pruefeGasphase(f.t, f.p);
        EXPECT_EQ(b.phase, f.phase) << f.t << " " << f.p;
        EXPECT_DOUBLE_EQ(b.grenze, f.grenze) << f.t << " " << f.p;
    }
    // a condensing fluid is never refused as a gas
    EXPECT_EQ(d.getStoffdatenListe().internalGetForObjectId(7)->pruefeGasphase(-50, 99).phase,
              Gasphase::Gas);
}

TEST(Speicher, ShortestLengthClassThatHoldsThePack) {
    Data d = kleineDaten();
    const PlattentypU& u = *d.getPlattentypUListe().internalGetAt(0);
    const auto& l = d.getLaengenzuschlagListe();
    EXPECT_EQ(l.getLaengenzuschlag(d, u, 40)->getObjectId(), 2);
    EXPECT_EQ(l.getLaengenzuschlag(d, u, 41)->getObjectId(), 4);
    EXPECT_EQ(l.getLaengenzuschlag(d, u, 100)->getObjectId(), 1);
    EXPECT_EQ(l.getLaengenzuschlag(d, u, 101), nullptr);
}

TEST(Speicher, MissingPricesAndFramesAnswerZero) {
    Data d = kleineDaten();
    const PlattentypU& u = *d.getPlattentypUListe().internalGetAt(0);
    EXPECT_EQ(u.getPlattenPreis(1, 1), 0.0);
    EXPECT_EQ(u.getGestellGrundpreis(d, 1, 1, 0), 0.0);
    EXPECT_EQ(u.getHoehe(d, 1, 1), 0.0);
    EXPECT_EQ(u.getQuerMaxStutzen(d), 0.0);
    EXPECT_EQ(d.getPlattentypCListe().getCustomPreisevorhanden(), 0);
}
