// One pack for several operating points, on the shipped data: against brute
// force (no cheaper pack meets every point), against the ratings at each
// point alone, and one point against the single-point run.
#include "engine/betriebspunkte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ausgeliefert_fall.h"

using namespace kal::engine;

namespace {

using kaltest::daten;
using Fall = kaltest::Auslegungsfall;

// Up to 14 channels per side the design mixes two types in steps of one
// channel, so every configuration it can choose is rated below.
constexpr int kMaxSpalten = 14;
constexpr double kReserveAbstand = 1e-6;  // percentage points: rounding never decides
constexpr double kDruckAbstand = 1e-9;    // relative

// The further points of a case: the same temperatures at 120 % flow (so
// 120 % duty), and for every third case a part load at other temperatures.
std::vector<Fall> weiterePunkte(const Fall& f, int nr) {
    std::vector<Fall> v;
    Fall hoch = f;
    hoch.leistung = f.leistung * 1.2;
    v.push_back(hoch);
    if (nr % 3 == 0) {
        Fall teil = f;
        teil.leistung = f.leistung * 0.7;
        teil.tEinKalt = f.tEinKalt + 4;
        teil.tAusKalt = f.tAusKalt + 2;
        teil.dpWarm = f.dpWarm * 0.8;
        v.push_back(teil);
    }
    return v;
}

// Fixed cases, then drawn ones (a start value of their own).
constexpr int kGezogen = 14;
std::vector<Fall> faelle() {
    std::vector<Fall> v = {
        {"Water", "Water", 90, 60, 20, 50, 120, 60, 60, 5, true, kMaxSpalten},
        {"Thermal Oil", "Water", 150, 90, 30, 60, 200, 100, 50, 10, false, kMaxSpalten},
        {"Ethylene Glycol 30 %", "Water", 60, 35, 15, 40, 80, 40, 80, 0, true, kMaxSpalten},
        {"Milk", "Water", 75, 30, 12, 45, 60, 50, 50, 3, false, kMaxSpalten},
    };
    for (const Fall& f : kaltest::gezogeneFaelle(kGezogen, 26, kMaxSpalten)) v.push_back(f);
    return v;
}

struct Punkte : kaltest::AusgelieferteEngine {
    std::vector<Falleingaben> punkte;  // the points' entries
    std::vector<Berechnungsfall> geprueft;

    // The points of `f`, each validated; false when one is refused.
    bool lesen(const Fall& f, int nr) {
        std::vector<Fall> alle{f};
        for (const Fall& w : weiterePunkte(f, nr)) alle.push_back(w);
        for (const Fall& p : alle) {
            Berechnungsfall fall;
            if (!lies(p, fall)) return false;
            geprueft.push_back(fall);
            punkte.push_back(eingaben(p));
        }
        return true;
    }
    static Falleingaben rohEingaben(const Fall& p) { return AusgelieferteEngine::eingaben(p); }

    // One pack rated at one point: duty, reserve and both losses kept.
    bool tragfaehig(const Berechnungsfall& basis, int plattentyp, int f, int p,
                    const std::vector<SpalttypAnzahl>& warm) {
        Berechnungsfall fall = bewertung(basis, plattentyp, f, p, warm);
        gemeldet = Meldungen{};
        if (!pruefeKombination(daten(), fall.eingaben, gemeldet)) return false;
        suche.fuehreBerechnungAus(fall);
        if (!fall.suche.ergebnisAngezeigt) return false;
        const Berechnungsergebnis& r = fall.ergebnis;
        const Falleingaben& e = fall.eingaben;
        return (r.kEff / r.kErf - 1.0) * 100.0 >= e.sicherheit + kReserveAbstand &&
               r.druckverlustWarm <= e.warm.druckverlustZul * (1.0 - kDruckAbstand) &&
               r.druckverlustKalt <= e.kalt.druckverlustZul * (1.0 - kDruckAbstand);
    }
    bool ueberall(int plattentyp, int f, int p, const std::vector<SpalttypAnzahl>& warm) {
        for (const Berechnungsfall& g : geprueft)
            if (!tragfaehig(g, plattentyp, f, p, warm)) return false;
        return true;
    }
};

// The figures a point lists, compared exactly.
void gleicheZahlen(const Berechnungsergebnis& a, const Berechnungsergebnis& b) {
    EXPECT_EQ(a.plattentyp, b.plattentyp);
    EXPECT_EQ(a.spaltenGesamt, b.spaltenGesamt);
    EXPECT_EQ(a.serien, b.serien);
    EXPECT_EQ(a.grundpreis, b.grundpreis);
    EXPECT_EQ(a.flaeche, b.flaeche);
    EXPECT_EQ(a.flaechenreserve, b.flaechenreserve);
    EXPECT_EQ(a.alfaWarm, b.alfaWarm);
    EXPECT_EQ(a.alfaKalt, b.alfaKalt);
    EXPECT_EQ(a.kEff, b.kEff);
    EXPECT_EQ(a.kRein, b.kRein);
    EXPECT_EQ(a.druckverlustWarm, b.druckverlustWarm);
    EXPECT_EQ(a.druckverlustKalt, b.druckverlustKalt);
    EXPECT_EQ(a.vSpaltMinWarm, b.vSpaltMinWarm);
    EXPECT_EQ(a.vSpaltMaxKalt, b.vSpaltMaxKalt);
    EXPECT_EQ(a.vStutzenWarm, b.vStutzenWarm);
    EXPECT_EQ(a.vEintrittKalt, b.vEintrittKalt);
    EXPECT_EQ(a.preisCode, b.preisCode);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(a.spalttypenWarm[i].spalttyp, b.spalttypenWarm[i].spalttyp);
        EXPECT_EQ(a.spalttypenWarm[i].anzahl, b.spalttypenWarm[i].anzahl);
        EXPECT_EQ(a.spalttypenKalt[i].anzahl, b.spalttypenKalt[i].anzahl);
    }
}

class Mehrpunktsuche : public ::testing::TestWithParam<int> {};

TEST_P(Mehrpunktsuche, KeinBilligeresPaketHaeltAllePunkteUndJederPunktIstSeineBewertung) {
    const int nr = GetParam();
    const Fall f = faelle()[static_cast<size_t>(nr)];
    SCOPED_TRACE(::testing::PrintToString(f));
    Punkte u;
    if (!u.lesen(f, nr)) GTEST_SKIP() << "refused: " << u.ersterKey();
    const Mehrpunktbericht b = betriebspunkteBerechnen(u.kontext, u.punkte);
    ASSERT_EQ(b.punkte.size(), u.punkte.size());
    const Berechnungsergebnis& paket = b.punkte[0].fall.ergebnis;
    const double bestPreis =
        b.ergebnisVorhanden ? paket.grundpreis : std::numeric_limits<double>::infinity();
    SCOPED_TRACE(b.ergebnisVorhanden ? paket.preisCode : std::string("no result"));

    if (b.ergebnisVorhanden) {
        std::vector<SpalttypAnzahl> warm;
        for (const SpalttypAnzahl& t : paket.spalttypenWarm)
            if (t.anzahl > 0) warm.push_back(t);
        // the chosen pack keeps every point, and each point's figures are
        // those of rating the pack there alone
        EXPECT_TRUE(u.ueberall(paket.plattentyp, paket.spaltenGesamt / 2, paket.serien, warm));
        double kleinster = std::numeric_limits<double>::infinity();
        int bindende = 0;
        for (size_t i = 0; i < b.punkte.size(); ++i) {
            SCOPED_TRACE("point " + std::to_string(i + 1));
            const Berechnungsbericht r = berechnen(u.kontext, bewertungVon(u.punkte[i], paket));
            ASSERT_TRUE(r.ergebnisVorhanden);
            ASSERT_TRUE(b.punkte[i].ergebnisVorhanden);
            gleicheZahlen(b.punkte[i].fall.ergebnis, r.fall.ergebnis);
            for (const Paketgrenze& g : b.grenzen[i]) {
                kleinster = std::min(kleinster, g.abstand);
                bindende += g.bindend;
            }
        }
        ASSERT_TRUE(b.bindend.has_value());
        EXPECT_EQ(b.bindend->grenze.abstand, kleinster);
        EXPECT_EQ(bindende, 1);
    }

    // brute force: every pack cheaper than the chosen one, every
    // configuration, rated at each point until one refuses it
    for (const PlattentypU& pu : daten().getPlattentypUListe().alle()) {
        const PlattentypA* pa =
            daten().getPlattentypAListe().internalGetForObjectId(pu.getObjectId());
        if (!pu.getZulaessig() || !pa || pa->getSicherheitsplatte()) continue;
        PlattenCache pc;
        if (!cacheAufbauen(u.kontext, u.geprueft[0].eingaben, pu.getObjectId(), pc)) continue;
        for (int fz = 3; fz <= kMaxSpalten; ++fz)
            for (int p = 1; p <= fz / 3; ++p) {
                if (fz % p != 0 || (!f.serienFrei && p != 1)) continue;
                if (!(listenpreis(pc, 2 * fz + 1, p, p) < bestPreis)) continue;
                const int q = fz / p;
                for (int i = 0; i < kAnzahlSpalttypen; ++i) {
                    if (!pc.zulaessig[static_cast<size_t>(i)]) continue;
                    EXPECT_FALSE(u.ueberall(pu.getObjectId(), fz, p, {{i, q}}))
                        << pa->getName() << " " << fz << "/" << p << " type " << i;
                    for (int j = i + 1; j < kAnzahlSpalttypen; ++j) {
                        if (!pc.zulaessig[static_cast<size_t>(j)]) continue;
                        for (int ni = 3; ni <= q - 3; ++ni)
                            EXPECT_FALSE(
                                u.ueberall(pu.getObjectId(), fz, p, {{i, ni}, {j, q - ni}}))
                                << pa->getName() << " " << fz << "/" << p << " types " << i << "/"
                                << j << " " << ni;
                    }
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Mehrpunktsuche, ::testing::Range(0, 4 + kGezogen));

// One point is the single-point run, figure for figure and in its count,
// messages and status; with the shared caches as without.
TEST(Betriebspunkte, EinPunktIstDieEinzelrechnung) {
    for (const Fall& f : faelle()) {
        SCOPED_TRACE(::testing::PrintToString(f));
        for (int art = 0; art < 2; ++art) {
            Falleingaben e = Punkte::rohEingaben(f);
            if (art == 1) {
                // the single run's pack, rated
                const Berechnungsbericht d = berechnen(Rechenkontext{daten()}, e);
                if (!d.ergebnisVorhanden) continue;
                e = bewertungVon(e, d.fall.ergebnis);
            }
            Rechenkontext k{daten()};
            const Berechnungsbericht einzeln = berechnen(k, e);
            Plattencaches caches;
            const Mehrpunktbericht b = betriebspunkteBerechnen(k, {e}, &caches);
            ASSERT_EQ(b.punkte.size(), 1u);
            const Berechnungsbericht& m = b.punkte[0];
            EXPECT_EQ(m.ergebnisVorhanden, einzeln.ergebnisVorhanden);
            ASSERT_EQ(m.status.has_value(), einzeln.status.has_value());
            if (m.status) {
                EXPECT_EQ(m.status->key, einzeln.status->key);
                EXPECT_EQ(m.status->anzahl, einzeln.status->anzahl);
            }
            EXPECT_EQ(m.meldungen.size(), einzeln.meldungen.size());
            gleicheZahlen(m.fall.ergebnis, einzeln.fall.ergebnis);
            EXPECT_EQ(m.fall.eingaben.warm.tAus, einzeln.fall.eingaben.warm.tAus);
        }
    }
}

// Which device choices the points must share: a table of changes to the
// second point and the choice named, Keine for what a point may change.
struct Aenderung {
    const char* name;
    void (*aendern)(Falleingaben&);
    Geraetewahl erwartet;
};

const Aenderung kAenderungen[] = {
    {"flow, temperatures, limits",
     [](Falleingaben& e) {
         e.leistung *= 1.2, e.warm.tEin += 5, e.kalt.druckverlustZul = 10, e.sicherheit = 20;
         e.warm.fouling = 1e-4;
     },
     Geraetewahl::Keine},
    {"plate type without its mode", [](Falleingaben& e) { e.plattentyp += 1; }, Geraetewahl::Keine},
    {"rating counts in a design", [](Falleingaben& e) { e.spaltenJeSpalttyp[1] = 7; },
     Geraetewahl::Keine},
    {"mode", [](Falleingaben& e) { e.berechnungsart = 1; }, Geraetewahl::Berechnungsart},
    {"cold medium", [](Falleingaben& e) { e.kalt.medium += 1; }, Geraetewahl::MediumKalt},
    {"pressure stage", [](Falleingaben& e) { e.druckstufe += 1; }, Geraetewahl::Druckstufe},
    {"cold gasket", [](Falleingaben& e) { e.dichtungKalt += 1; }, Geraetewahl::DichtungKalt},
    {"plate type in its mode", [](Falleingaben& e) { e.plattentypModus = 1, e.plattentyp += 1; },
     Geraetewahl::Plattentyp},
    {"passes", [](Falleingaben& e) { e.serienModus = 2, e.serien = 2; }, Geraetewahl::Serien},
    {"safety plates", [](Falleingaben& e) { e.sicherheitsplatte = true; },
     Geraetewahl::Sicherheitsplatte},
};

TEST(Betriebspunkte, GeraetewahlMussGleichSein) {
    const Falleingaben erster = Punkte::rohEingaben(faelle()[0]);
    Rechenkontext k{daten()};
    for (const Aenderung& a : kAenderungen) {
        SCOPED_TRACE(a.name);
        Falleingaben zweiter = erster;
        a.aendern(zweiter);
        EXPECT_EQ(abweichendeWahl(daten(), erster, zweiter), a.erwartet);
        if (a.erwartet == Geraetewahl::Keine) continue;
        // the third point differs: refused before anything is calculated
        const Mehrpunktbericht b = betriebspunkteBerechnen(k, {erster, erster, zweiter});
        ASSERT_TRUE(b.abweichung.has_value());
        EXPECT_EQ(b.abweichung->first, 2);
        EXPECT_EQ(b.abweichung->second, a.erwartet);
        EXPECT_TRUE(b.punkte.empty());
        ASSERT_EQ(b.meldungen.size(), 1u);
        EXPECT_EQ(b.meldungen[0].key, "punktAbweichend");
        EXPECT_EQ(b.meldungen[0].text, geraetewahlName(a.erwartet));
        EXPECT_EQ(b.meldungen[0].zahlen, std::vector<double>{3});
    }
}

// A rating rates the given pack at every point; a refused further point
// keeps its message and nothing is designed.
TEST(Betriebspunkte, BewertungUndAbgelehnterPunkt) {
    Rechenkontext k{daten()};
    const Fall f = faelle()[0];
    const Falleingaben e = Punkte::rohEingaben(f);
    const Berechnungsbericht d = berechnen(k, e);
    ASSERT_TRUE(d.ergebnisVorhanden);
    Fall hoch = f;
    hoch.leistung *= 1.2;
    const Falleingaben r1 = bewertungVon(e, d.fall.ergebnis);
    const Falleingaben r2 = bewertungVon(Punkte::rohEingaben(hoch), d.fall.ergebnis);
    const Mehrpunktbericht b = betriebspunkteBerechnen(k, {r1, r2});
    ASSERT_EQ(b.punkte.size(), 2u);
    EXPECT_TRUE(b.ergebnisVorhanden);
    // more flow through the same pack: more pressure drop, less reserve
    EXPECT_GT(b.punkte[1].fall.ergebnis.druckverlustWarm,
              b.punkte[0].fall.ergebnis.druckverlustWarm);
    EXPECT_LT(b.punkte[1].fall.ergebnis.flaechenreserve, b.punkte[0].fall.ergebnis.flaechenreserve);

    Falleingaben kaputt = e;
    kaputt.warm.tEin = kaputt.kalt.tEin - 5;  // the warm side colder than the cold one
    const Mehrpunktbericht x = betriebspunkteBerechnen(k, {e, kaputt});
    EXPECT_FALSE(x.ergebnisVorhanden);
    ASSERT_EQ(x.punkte.size(), 2u);
    EXPECT_FALSE(x.punkte[1].meldungen.empty());
    EXPECT_FALSE(x.punkte[0].status.has_value());
}

}  // namespace

namespace {
// Whichever point comes first (and so whether the largest duty leads the
// search or follows), the same pack, each point's figures its own, the
// search's status with the first point.
TEST(Betriebspunkte, ReihenfolgeDerPunkteAendertDasPaketNicht) {
    Rechenkontext k{daten()};
    for (int nr = 0; nr < 4; ++nr) {
        const Fall f = faelle()[static_cast<size_t>(nr)];
        SCOPED_TRACE(::testing::PrintToString(f));
        std::vector<Falleingaben> vorn{Punkte::rohEingaben(f)};
        for (const Fall& w : weiterePunkte(f, 0)) vorn.push_back(Punkte::rohEingaben(w));
        std::vector<Falleingaben> hinten = vorn;
        std::rotate(hinten.begin(), hinten.begin() + 1, hinten.end());  // the largest first
        const Mehrpunktbericht a = betriebspunkteBerechnen(k, vorn);
        const Mehrpunktbericht b = betriebspunkteBerechnen(k, hinten);
        ASSERT_EQ(a.ergebnisVorhanden, b.ergebnisVorhanden);
        ASSERT_TRUE(a.punkte[0].status && b.punkte[0].status);
        EXPECT_EQ(a.punkte[0].status->key, b.punkte[0].status->key);
        EXPECT_GT(a.punkte[0].status->anzahl, 1);
        if (!a.ergebnisVorhanden) continue;
        for (size_t i = 0; i < vorn.size(); ++i)
            gleicheZahlen(a.punkte[i].fall.ergebnis,
                          b.punkte[(i + vorn.size() - 1) % vorn.size()].fall.ergebnis);
        EXPECT_EQ(a.punkte[0].fall.eingaben.warm.tEin, vorn[0].warm.tEin);
    }
}
}  // namespace
