// Connection rules of the completion dialog: the nine filter rules on a
// fixture and on the shipped data, the nozzle arrangement tables and the
// connection pairs each plate type refuses.
#include "engine/anschluesse.h"

#include <gtest/gtest.h>

#include <string>

#include "ausgeliefert.h"

using namespace kal::engine::anschluss;

namespace {
const Data& daten() { return kaltest::ausgelieferteDaten(); }

// A connection every rule keeps for `basis()`.
AnschlussU anschluss(const std::string& art = "flansch am rohr",
                     const std::string& material = "aisi 316") {
    AnschlussU a;
    a.objectId = 1;
    a.art = art;
    a.material = material;
    a.druckstufen = {2};
    a.plattentypen = {7};
    a.freierQuerschnitt = 0.5;
    return a;
}

Seitenfilter basis() {
    Seitenfilter s;
    s.druckstufe = 2;
    s.plattentyp = 7;
    s.serien = 1;
    s.volumenstrom = 1.0;
    s.vStutzenMax = 2.0;  // 1 m3/s through 0.5 m2 is exactly the limit
    s.dichtung = "EPDM HT";
    s.plattenmaterial = "AISI 316";
    s.tMax = 70.0;
    return s;
}

struct RegelFall {
    const char* name;
    void (*aendere)(AnschlussU&, Seitenfilter&);
    Regel erwartet;
};

const RegelFall kRegelFaelle[] = {
    {"kept", [](AnschlussU&, Seitenfilter&) {}, Regel::Behalten},
    {"withdrawn", [](AnschlussU& a, Seitenfilter&) { a.zulaessig = false; }, Regel::Zulaessig},
    {"other_stage", [](AnschlussU&, Seitenfilter& s) { s.druckstufe = 3; }, Regel::Druckstufe},
    {"other_plate", [](AnschlussU&, Seitenfilter& s) { s.plattentyp = 8; }, Regel::Plattentyp},
    {"ansi_wanted", [](AnschlussU&, Seitenfilter& s) { s.din = false; }, Regel::Norm},
    {"din_wanted", [](AnschlussU& a, Seitenfilter&) { a.din = false; }, Regel::Norm},
    {"no_one_pass", [](AnschlussU& a, Seitenfilter&) { a.einweg = false; }, Regel::Wege},
    {"no_multi_pass",
     [](AnschlussU& a, Seitenfilter& s) {
         a.mehrweg = false;
         s.serien = 2;
     },
     Regel::Wege},
    {"multi_pass_ok",
     [](AnschlussU& a, Seitenfilter& s) {
         a.einweg = false;
         s.serien = 3;
     },
     Regel::Behalten},
    {"too_fast", [](AnschlussU&, Seitenfilter& s) { s.volumenstrom = 1.0000001; },
     Regel::Stutzengeschwindigkeit},
    {"no_cross_section", [](AnschlussU& a, Seitenfilter&) { a.freierQuerschnitt = 0.0; },
     Regel::Stutzengeschwindigkeit},
    {"moulding_matches_gasket_without_ht",
     [](AnschlussU& a, Seitenfilter&) {
         a.art = "gummiformteil";
         a.material = "epdm";
     },
     Regel::Behalten},
    {"moulding_of_other_rubber",
     [](AnschlussU& a, Seitenfilter&) {
         a.art = "gummiformteil";
         a.material = "nbr";
     },
     Regel::Gummiformteil},
    {"titanium_on_steel_plate", [](AnschlussU& a, Seitenfilter&) { a.material = "titan"; },
     Regel::Material},
    {"pp_on_steel_plate", [](AnschlussU& a, Seitenfilter&) { a.material = "polypropylen"; },
     Regel::Material},
    {"steel_on_titanium_plate", [](AnschlussU&, Seitenfilter& s) { s.plattenmaterial = "Titan"; },
     Regel::Material},
    {"titanium_on_titanium_plate",
     [](AnschlussU& a, Seitenfilter& s) {
         a.material = "titan gr. 1";
         s.plattenmaterial = "Titan";
     },
     Regel::Behalten},
    {"moulding_on_titanium_plate",
     [](AnschlussU& a, Seitenfilter& s) {
         a.art = "gummiformteil";
         a.material = "EPDM";
         s.plattenmaterial = "titan";
     },
     Regel::Behalten},
    {"steel_drilling_pattern_on_titanium_plate",
     [](AnschlussU& a, Seitenfilter& s) {
         a.art = "bohrbild";
         s.plattenmaterial = "Titan";
     },
     Regel::Behalten},
    {"titanium_drilling_pattern_on_titanium_plate",
     [](AnschlussU& a, Seitenfilter& s) {
         a.art = "bohrbild";
         a.material = "titan";
         s.plattenmaterial = "Titan";
     },
     Regel::Material},
    {"pp_at_70_0",
     [](AnschlussU& a, Seitenfilter& s) {
         a.material = "polypropylen";
         s.plattenmaterial = "Titan";
     },
     Regel::Behalten},
    {"pp_at_70_1",
     [](AnschlussU& a, Seitenfilter& s) {
         a.material = "polypropylen";
         s.plattenmaterial = "Titan";
         s.tMax = 70.1;
     },
     Regel::Polypropylen},
};

class Filterregel : public ::testing::TestWithParam<RegelFall> {};

TEST_P(Filterregel, FirstRuleThatDrops) {
    AnschlussU a = anschluss();
    Seitenfilter s = basis();
    GetParam().aendere(a, s);
    EXPECT_EQ(pruefe(a, s), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(Fixture, Filterregel, ::testing::ValuesIn(kRegelFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Every rule drops real connections of the shipped data and lets others
// through, in a setting where it matters.
struct DatenFall {
    Regel regel;
    void (*setze)(Seitenfilter&);
};

int plattentyp(const char* name) {
    for (const PlattentypA& p : daten().getPlattentypAListe().alle())
        if (p.getName() == name) return p.getObjectId();
    return -1;
}

TEST(Filterregel, EachRuleKeepsAndDropsShippedConnections) {
    const DatenFall faelle[] = {
        {Regel::Zulaessig, [](Seitenfilter& s) { s.din = false; }},
        {Regel::Druckstufe, [](Seitenfilter& s) { s.druckstufe = 3; }},
        {Regel::Plattentyp, [](Seitenfilter&) {}},
        {Regel::Norm, [](Seitenfilter&) {}},
        {Regel::Wege,
         [](Seitenfilter& s) {
             s.plattentyp = plattentyp("KX 04");
             s.serien = 2;
         }},
        // 6 m/s through the full DN 65 bore but not through a lined one
        {Regel::Stutzengeschwindigkeit, [](Seitenfilter& s) { s.volumenstrom = 0.018; }},
        {Regel::Gummiformteil, [](Seitenfilter&) {}},
        {Regel::Material, [](Seitenfilter&) {}},
        {Regel::Material, [](Seitenfilter& s) { s.plattenmaterial = "Titan"; }},
        {Regel::Polypropylen,
         [](Seitenfilter& s) {
             s.plattenmaterial = "Titan";
             s.tMax = 70.1;
         }},
    };
    for (const DatenFall& f : faelle) {
        Seitenfilter s;
        s.druckstufe = 2;
        s.plattentyp = plattentyp("KX 14");
        s.volumenstrom = 0.005;
        s.vStutzenMax = 6.0;
        s.dichtung = "EPDM HT";
        s.plattenmaterial = "AISI 316";
        s.tMax = 60.0;
        f.setze(s);
        int gefallen = 0, weiter = 0;
        for (const AnschlussU& a : daten().getAnschlussUListe().alle()) {
            Regel r = pruefe(a, s);
            if (r == f.regel) ++gefallen;
            if (r == Regel::Behalten || r > f.regel) ++weiter;
        }
        SCOPED_TRACE(static_cast<int>(f.regel));
        EXPECT_GT(gefallen, 0);
        EXPECT_GT(weiter, 0);
    }
}

TEST(Anschluss, ListTextUsesLanguageTextsWithLibraryFallback) {
    CIniEx sprache;
    sprache.OpenFromText(
        "[anschluesse]\nflansch am rohr=Flange on pipe\naisi 316=stainless steel AISI 316\n");
    AnschlussU a = anschluss();
    a.nomDurchmesser = "DN 50";
    a.bemerkung = "welding neck";
    EXPECT_EQ(listenText(a, sprache),
              "Flange on pipe, DN 50, stainless steel AISI 316, welding neck");
}

TEST(Anschluss, GasketNameWithoutHt) {
    EXPECT_EQ(ohneHt("EPDM HT"), "EPDM");
    EXPECT_EQ(ohneHt("EPDM ht"), "EPDM");
    EXPECT_EQ(ohneHt("NBR"), "NBR");
    EXPECT_EQ(ohneHt("A ht ht"), "A");
}

struct BelegungFall {
    Eintritt eintritt;
    int serien;
    bool entleerung;
    Belegung erwartet;
};

class Anordnung : public ::testing::TestWithParam<BelegungFall> {};

TEST_P(Anordnung, NozzlesOfBothMediaAndDrains) {
    const BelegungFall& f = GetParam();
    Belegung b = belegung(f.eintritt, f.serien, f.entleerung);
    EXPECT_EQ(b.mediumWarm, f.erwartet.mediumWarm);
    EXPECT_EQ(b.mediumKalt, f.erwartet.mediumKalt);
    EXPECT_EQ(b.entleerungWarm, f.erwartet.entleerungWarm);
    EXPECT_EQ(b.entleerungKalt, f.erwartet.entleerungKalt);
    EXPECT_EQ(b.varianteWarm, f.erwartet.varianteWarm);
    EXPECT_EQ(b.varianteKalt, f.erwartet.varianteKalt);
}

constexpr Eintritt O = Eintritt::Oben, U = Eintritt::Unten;
INSTANTIATE_TEST_SUITE_P(
    Serien, Anordnung,
    ::testing::Values(BelegungFall{O, 1, true, {"F1 => F4", "F3 => F2", " --", " --", 0, 0}},
                      BelegungFall{O, 2, true, {"F1 => P1", "P2 => F2", "F4", "F3", 2, 2}},
                      BelegungFall{O, 2, false, {"F1 => P1", "P2 => F2", " --", " --", 0, 0}},
                      BelegungFall{O, 3, true, {"F1 => P4", "P3 => F2", "F4, P1", "F3, P2", 1, 1}},
                      BelegungFall{O, 4, true, {"F1 => P1", "P2 => F2", "F4, P4", "F3, P3", 2, 2}},
                      BelegungFall{O, 4, false, {"F1 => P1", "P2 => F2", " --", " --", 0, 0}},
                      BelegungFall{U, 1, true, {"F4 => F1", "F2 => F3", " -- ", " -- ", 0, 0}},
                      BelegungFall{U, 2, true, {"F4 => P4", "P3 => F3", "F1", "F2", 3, 3}},
                      BelegungFall{U, 3, true, {"F4 => P1", "P2 => F3", "F1, P4", "F2, P3", 1, 1}},
                      BelegungFall{U, 3, false, {"F4 => P1", "P2 => F3", " -- ", " -- ", 0, 0}},
                      BelegungFall{
                          U, 4, true, {"F4 => P4", "P3 => F3", "F1, P1", "F2, P2", 3, 3}}));

TEST(Anschluss, CombinationsEachPlateTypeRefuses) {
    struct Fall {
        const char *typ, *warm, *kalt;
        bool verboten;
    } faelle[] = {
        {"KX 04", "flansch am rohr", "innengewinde", true},
        {"KX 08", "Außengewinde", "flansch am rohr", true},
        {"KX 08", "flansch am rohrbogen", "flansch am rohrbogen", true},
        {"KX 08", "flansch am rohr", "flansch am rohrbogen", false},
        {"KX 14", "flansch am rohr", "innengewinde", false},
        {"KX 14", "gummiformteil", "auskleidung", true},
        {"KX 20", "auskleidung", "auskleidung", true},
        {"KX 20", "Flansch am Rohr", "flansch am rohr", true},
        {"KX 20", "bohrbild", "gummiformteil", false},
        {"KX 32", "flansch am rohr", "flansch am rohr", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(kombinationVerboten(f.typ, f.warm, f.kalt), f.verboten)
            << f.typ << ": " << f.warm << " / " << f.kalt;
}

}  // namespace
