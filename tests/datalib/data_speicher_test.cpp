// Accessor behaviour on a small data set built in memory.
#include <gtest/gtest.h>

#include "data.h"

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
    EXPECT_EQ(d.getStoffdatenListe().internalGetForObjectId(8), nullptr);
    EXPECT_EQ(d.getStoffdatenListe().internalGetAt(1), nullptr);
    EXPECT_EQ(d.getStoffdatenListe().internalGetAt(-1), nullptr);
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
