// Performance curves of the chosen pack on the shipped data: through each
// point's own rating at 100 %, physically ordered along the flow, in the
// units of the entries, and a share the pack cannot take kept as invalid.
#include "engine/kennlinie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ausgeliefert_fall.h"

using namespace kal::engine;

namespace {

using kaltest::daten;
using Fall = kaltest::Auslegungsfall;

std::vector<Fall> faelle() {
    std::vector<Fall> v = {
        {"Water", "Water", 90, 60, 20, 50, 120, 60, 60, 5, true, 0},
        {"Thermal Oil", "Water", 150, 90, 30, 60, 200, 100, 50, 10, false, 0},
        {"Ethylene Glycol 30 %", "Water", 60, 35, 15, 40, 80, 40, 80, 0, true, 0},
        {"Milk", "Water", 75, 30, 12, 45, 60, 50, 50, 3, false, 0},
    };
    for (const Fall& f : kaltest::gezogeneFaelle(8, 126, 0)) v.push_back(f);
    return v;
}

// The first point, a second at 120 % duty, a third at part load with a
// warmer cold inlet.
std::vector<Falleingaben> punkte(const Fall& f) {
    Fall hoch = f, teil = f;
    hoch.leistung *= 1.2;
    teil.leistung *= 0.7;
    teil.tEinKalt += 3, teil.tAusKalt += 2;
    using E = kaltest::AusgelieferteEngine;
    return {E::eingaben(f), E::eingaben(hoch), E::eingaben(teil)};
}

void nahe(double ist, double soll, double relativ, const char* was) {
    EXPECT_NEAR(ist, soll, relativ * std::max(1.0, std::fabs(soll))) << was;
}

class Kennlinien : public ::testing::TestWithParam<int> {};

TEST_P(Kennlinien, DurchDenBetriebspunktUndGeordnetUeberDemDurchsatz) {
    const Fall f = faelle()[static_cast<size_t>(GetParam())];
    SCOPED_TRACE(::testing::PrintToString(f));
    const Rechenkontext k{daten()};
    const std::vector<Falleingaben> p = punkte(f);
    const Mehrpunktbericht b = betriebspunkteBerechnen(k, p);
    if (!b.ergebnisVorhanden) GTEST_SKIP() << "no pack";
    const std::vector<Kennlinie> linien = kennlinienBerechnen(k, p, b);
    ASSERT_EQ(linien.size(), p.size());
    for (size_t i = 0; i < linien.size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i + 1));
        const Kennlinie& l = linien[i];
        const Berechnungsbericht& r = b.punkte[i];
        EXPECT_EQ(l.punkt, static_cast<int>(i));
        EXPECT_EQ(l.einheiten.leistungName, "kW");
        EXPECT_EQ(l.einheiten.temperaturName, "°C");
        EXPECT_EQ(l.einheiten.druckName, "kPa");
        // the point itself is the further point's rating as the run gave it
        ASSERT_TRUE(l.betriebspunkt.gueltig);
        EXPECT_DOUBLE_EQ(l.betriebspunkt.dpWarm, r.fall.ergebnis.druckverlustWarm);
        EXPECT_DOUBLE_EQ(l.betriebspunkt.dpKalt, r.fall.ergebnis.druckverlustKalt);
        EXPECT_DOUBLE_EQ(l.dpWarmZul, r.fall.eingaben.warm.druckverlustZul);
        EXPECT_DOUBLE_EQ(l.dpKaltZul, r.fall.eingaben.kalt.druckverlustZul);
        nahe(l.betriebspunkt.leistung, r.fall.arbeitswerte.leistungSoll / 1000, 1e-12, "duty");

        ASSERT_EQ(l.werte.size(), 15u);
        const Kennlinienpunkt* vorher = nullptr;
        for (size_t s = 0; s < l.werte.size(); ++s) {
            const Kennlinienpunkt& w = l.werte[s];
            SCOPED_TRACE("share " + std::to_string(w.anteil));
            EXPECT_DOUBLE_EQ(w.anteil, 50.0 + 5.0 * static_cast<double>(s));
            if (w.anteil == 100.0) {
                // the curve passes through the point's own rating
                ASSERT_TRUE(w.gueltig) << w.grund;
                nahe(w.leistung, l.betriebspunkt.leistung, 1e-4, "duty");
                nahe(w.austrittWarm, l.betriebspunkt.austrittWarm, 1e-4, "warm outlet");
                nahe(w.austrittKalt, l.betriebspunkt.austrittKalt, 1e-3, "cold outlet");
                nahe(w.dpWarm, l.betriebspunkt.dpWarm, 1e-3, "dp warm");
                nahe(w.dpKalt, l.betriebspunkt.dpKalt, 1e-3, "dp cold");
            }
            if (!w.gueltig) continue;
            // outlets between the inlets, cold below warm at each end
            const Falleingaben& e = r.fall.eingaben;
            EXPECT_LT(w.austrittWarm, e.warm.tEin);
            EXPECT_GT(w.austrittWarm, e.kalt.tEin);
            EXPECT_GT(w.austrittKalt, e.kalt.tEin);
            EXPECT_LT(w.austrittKalt, e.warm.tEin);
            if (vorher) {
                // more flow through the same pack: more duty and loss, each
                // outlet further from its inlet's opposite
                EXPECT_GT(w.leistung, vorher->leistung);
                EXPECT_GT(w.dpWarm, vorher->dpWarm);
                EXPECT_GT(w.dpKalt, vorher->dpKalt);
                EXPECT_GE(w.austrittWarm, vorher->austrittWarm - 1e-6);
                EXPECT_LE(w.austrittKalt, vorher->austrittKalt + 1e-6);
            }
            vorher = &w;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kennlinien, ::testing::Range(0, 12));

// Shares far beyond what the nozzles take stay in the curve, not valid and
// with the refusal named; a run without a pack has no curve.
TEST(Kennlinie, UnmoeglicheAnteileBleibenUngueltigStehen) {
    const Rechenkontext k{daten()};
    const std::vector<Falleingaben> p = {punkte(faelle()[0])[0]};
    const Mehrpunktbericht b = betriebspunkteBerechnen(k, p);
    ASSERT_TRUE(b.ergebnisVorhanden);
    const std::vector<Kennlinie> l = kennlinienBerechnen(k, p, b, 5, 100, 5000);
    ASSERT_EQ(l.size(), 1u);
    ASSERT_EQ(l[0].werte.size(), 5u);
    EXPECT_TRUE(l[0].werte[0].gueltig);
    const Kennlinienpunkt& letzter = l[0].werte.back();
    EXPECT_EQ(letzter.anteil, 5000);
    EXPECT_FALSE(letzter.gueltig);
    EXPECT_FALSE(letzter.grund.empty());
    EXPECT_EQ(letzter.leistung, 0.0);

    Mehrpunktbericht ohne = b;
    ohne.ergebnisVorhanden = false;
    EXPECT_TRUE(kennlinienBerechnen(k, p, ohne).empty());
}

// US units: the same curve, each figure converted, with the unit names.
TEST(Kennlinie, EinheitenDerEintraege) {
    const Rechenkontext k{daten()};
    std::vector<Falleingaben> si = punkte(faelle()[0]);
    std::vector<Falleingaben> us = si;
    for (Falleingaben& e : us) {
        e.einheitLeistung = 3;           // BTU/h
        e.warm.einheitTAus = 2;          // °F
        e.warm.einheitDruckverlust = 5;  // psi
    }
    const Mehrpunktbericht b = betriebspunkteBerechnen(k, si);
    ASSERT_TRUE(b.ergebnisVorhanden);
    const std::vector<Kennlinie> a = kennlinienBerechnen(k, si, b, 3);
    const std::vector<Kennlinie> c = kennlinienBerechnen(k, us, b, 3);
    ASSERT_EQ(a.size(), c.size());
    EXPECT_EQ(c[0].einheiten.leistungName, "BTU/h");
    EXPECT_EQ(c[0].einheiten.temperaturName, "°F");
    EXPECT_EQ(c[0].einheiten.druckName, "psi");
    const double psi = 6.894757293168;  // kPa
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(c[i].dpWarmZul, a[i].dpWarmZul / psi, 1e-9);
        for (size_t s = 0; s < a[i].werte.size(); ++s) {
            const Kennlinienpunkt &x = a[i].werte[s], &y = c[i].werte[s];
            ASSERT_EQ(x.gueltig, y.gueltig);
            nahe(y.leistung, x.leistung * 1000 / 0.29307107017, 1e-9, "BTU/h");
            nahe(y.austrittWarm, x.austrittWarm * 1.8 + 32, 1e-9, "°F");
            nahe(y.austrittKalt, x.austrittKalt * 1.8 + 32, 1e-9, "°F");
            nahe(y.dpKalt, x.dpKalt / psi, 1e-9, "psi");
        }
    }
}

}  // namespace
