// The report of a calculation on the main dialog: the result controls in
// the units chosen, the limits a result goes beyond, the status line and the
// message boxes of the engine's messages.
#include "ui/main/bericht.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "datalib/format.h"
#include "fixture.h"
#include "ids/dialog_ids.h"
#include "ui/main/ergebnisanzeige.h"

using namespace kal;
using namespace kal::engine;

namespace {
// Water/water, 500 kW, designed on the in-memory data.
struct Umgebung {
    Data data = testdaten::baueDaten();
    CIniEx sprache;
    Berechnungsfall fall;
    Umgebung() {
        testdaten::Eingaben e;
        e.durchsatzWarm = 3.98;
        e.leistung = {};
        const Berechnungsbericht b =
            berechnen(Rechenkontext{data}, testdaten::falleingaben(data, e));
        EXPECT_TRUE(b.ergebnisVorhanden);
        fall = b.fall;
    }
};
}  // namespace

TEST(Status, NurEineGleitkommaKonversion) {
    EXPECT_EQ(statusText("%.0f Konfigurationen", 12.0), "12 Konfigurationen");
    EXPECT_EQ(statusText("%g", 3.0), "3");
    EXPECT_EQ(statusText("100%% %5.1f", 2.0), "100%   2.0");
    EXPECT_EQ(statusText("%s boom", 2.0), "%s boom");
    EXPECT_EQ(statusText("%d", 2.0), "%d");
    EXPECT_EQ(statusText("%f %f", 2.0), "%f %f");
    EXPECT_EQ(statusText("%n", 2.0), "%n");
    EXPECT_EQ(statusText("%Lf", 2.0), "%Lf");
    EXPECT_EQ(statusText("kein Ergebnis", 2.0), "kein Ergebnis");
    EXPECT_EQ(statusText("%", 2.0), "%");
}

// A language entry may hold a zero byte; printf would stop at it and print
// nothing.
TEST(Status, NullbyteInDerKonversionZeigtDenText) {
    using namespace std::string_literals;
    for (const std::string& f : {"%5\0 Konfigurationen"s, "%\0"s, "%.2\0f"s, "%-\0g"s, "\0%.0f"s})
        EXPECT_EQ(statusText(f, 2.0), f) << f.size();
}

TEST(Anzeige, LeerenUndZollMasse) {
    Umgebung u;
    Berechnungsfall f = u.fall;
    f.eingaben.masseInMm = false;
    Form zoll;
    ergebnisAnzeigen(u.data, u.sprache, f, zoll);
    EXPECT_EQ(zoll.text(hd::Hoehe), "37.4");  // inches with one decimal
    f.eingaben.einheitensystem = 1;           // US: k in BTU/(ft2 h F)
    ergebnisAnzeigen(u.data, u.sprache, f, zoll);
    EXPECT_EQ(zoll.text(hd::KEff), zahlText(f.ergebnis.kEff / 5.678263, 0, 10));
    EXPECT_EQ(zoll.text(hd::CustomPreis), zahlText(f.ergebnis.customPreis, 0, 15));
    for (const auto& [id, c] : zoll.controls()) {
        EXPECT_EQ(c.text.find("nan"), std::string::npos) << id;
        EXPECT_EQ(c.text.find("inf"), std::string::npos) << id;
    }
    ergebnisAnzeigeLeeren(zoll, 0);
    EXPECT_EQ(zoll.text(hd::KEff), "");
    EXPECT_EQ(zoll.text(hd::Statuszeile), "");
    EXPECT_EQ(zoll.text(hd::ErgPlattentyp), "");
}

// A design keeps within every limit; each limit moved past the result flags
// exactly its field and names the limit in the unit the field shows.
TEST(Anzeige, GrenzenNennenDasUeberschrittene) {
    Umgebung u;
    CIniEx t;
    t.OpenFromText(
        "[maindialog]\ngrenze_dp=dp %1\ngrenze_vmin=vmin %1\ngrenze_vmax=vmax %1\n"
        "grenze_vstutzen=vs %1\ngrenze_reserve=res %1\n");
    EXPECT_TRUE(ergebnisGrenzen(u.data, t, u.fall).empty());
    using F = Berechnungsfall&;
    const std::tuple<std::function<void(F)>, int, const char*> faelle[] = {
        {[](F f) { f.eingaben.warm.druckverlustZul = 1.0; }, hd::ErgDruckverlustWarm, "dp 1 kPa"},
        {[](F f) { f.arbeitswerte.kalt.vSpaltMin = 20.0; }, hd::VMinKalt, "vmin 20 m/s"},
        {[](F f) { f.arbeitswerte.kalt.vSpaltMin = 20.0, f.eingaben.einheitensystem = 1; },
         hd::VMinKalt, "vmin 65.62 ft/s"},
        {[](F f) { f.arbeitswerte.warm.vSpaltMax = 0.01; }, hd::VMaxWarm, "vmax 0.01 m/s"},
        {[](F f) { f.arbeitswerte.kalt.vStutzenMax = 0.01; }, hd::VStutzenKalt, "vs 0.01 m/s"},
        {[](F f) { f.ergebnis.flaechenreserve = 5.0, f.eingaben.sicherheit = 12.5; },
         hd::ErgSicherheit, "res 12.5 %"},
        // a negative reserve whatever was asked for
        {[](F f) { f.ergebnis.flaechenreserve = -3.0, f.eingaben.sicherheit = -10.0; },
         hd::ErgSicherheit, "res 0 %"},
    };
    for (const auto& [aendern, control, text] : faelle) {
        Berechnungsfall f = u.fall;
        aendern(f);
        const std::vector<Grenzhinweis> g = ergebnisGrenzen(u.data, t, f);
        ASSERT_EQ(g.size(), 1u) << text;
        EXPECT_EQ(g[0].control, control);
        EXPECT_EQ(g[0].text, text);
    }
}

// The texts the messages take, their captions and icons.
TEST(Bericht, MeldungsBoxen) {
    const Data data = testdaten::baueDaten();
    CIniEx t;
    t.OpenFromText(
        "[error]\nerror=Fehler\nmaxspalten=channels at most\nleistung=duties differ\n"
        "tempdiff=span\n[warning]\nwarning=Warnung\n");
    const Falleingaben e = testdaten::falleingaben(data, {});
    auto meldung = [](Schwere s, const char* key, std::vector<double> zahlen = {}) {
        Meldung m;
        m.schwere = s, m.key = key, m.zahlen = std::move(zahlen);
        return m;
    };
    Meldung fest;
    fest.abschnitt.clear(), fest.text = "interner Fehler !";
    const std::tuple<Meldung, const char*, const char*, MessageIcon, const char*> faelle[] = {
        {meldung(Schwere::Fehler, "leistung"), "duties differ", "Fehler", MessageIcon::Error,
         "error"},
        {meldung(Schwere::Warnung, "tempdiff"), "span", "Warnung", MessageIcon::Warning, "error"},
        {meldung(Schwere::Fehler, "maxspalten", {350}), "350 channels at most", "Fehler",
         MessageIcon::Error, "error"},
        {fest, "interner Fehler !", "Fehler", MessageIcon::Error, ""},
    };
    for (const auto& [m, text, titel, icon, abschnitt] : faelle) {
        const Message b = meldungsBox(m, t, data, e);
        EXPECT_EQ(b.text, text);
        EXPECT_EQ(b.caption, titel);
        EXPECT_EQ(b.icon, icon);
        EXPECT_EQ(b.section, abschnitt);
        EXPECT_EQ(b.key, m.key);
    }
}
